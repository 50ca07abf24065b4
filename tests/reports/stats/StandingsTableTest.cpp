// The custom standings table as a whole: its rows for a small league, division breaks, the
// title line, the header row, its HTML and its stored record.
#include "../layout/ReportTestHelpers.h"
#include "RecordingDC.h"
#include "league/Fixture.h"
#include "league/Team.h"
#include "reports/stats/CustomStandings.h"
#include "view/RepForm.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class Table : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_doc.m_strLeagueName = "Tuesday Fours";
        m_doc.m_nPlayersPerTeam = 4, m_doc.m_nGamesPerMatch = 3, m_doc.m_nRounds = 10, m_doc.m_nCurrentRound = 3;
        // Handicap points won: Cats 20, Pals 14, Bye 10, Strikers 16, Vacancy 2, Spares 9.
        AddTeam("Alley Cats", 20, 1);
        AddTeam("Pin Pals", 14, 1);
        AddTeam("BYE", 10, 2)->m_bBye = 1;
        AddTeam("Strikers", 16, 2);
        AddTeam("Vacancy", 2, 2)->m_bOmitStandings = 1;
        AddTeam("Spares", 9, 1);
        m_doc.m_nTeams = 6;
        for (int nRound : {2, 3, 3}) {
            auto* f = new CFixture;
            f->m_nRound = static_cast<BYTE>(nRound);
            f->m_timeDue = CTime(2025, 1, 7 * nRound, 19, 30, 0);
            m_doc.AddFixture(f);
        }
        m_item.m_pDoc = &m_doc;
        m_item.SetDefaults();
    }

    CTeam* AddTeam(const char* name, int nWon, int nDivision)
    {
        auto* p = new CTeam(name, static_cast<WORD>(m_doc.m_listTeams.GetCount() + 1));
        p->m_nPointsWon[PASS_HANDICAP] = nWon;
        p->m_nPointsLost[PASS_HANDICAP] = 30 - nWon;
        p->m_nDivision = static_cast<BYTE>(nDivision);
        m_doc.AddTeam(p);
        return p;
    }

    // The rows Expand appends, owned by the test.
    std::vector<std::unique_ptr<CRepItem_CustomStandings>> Rows()
    {
        CObList list;
        m_item.Expand(list);
        std::vector<std::unique_ptr<CRepItem_CustomStandings>> rows;
        for (POSITION pos = list.GetHeadPosition(); pos;)
            rows.emplace_back(static_cast<CRepItem_CustomStandings*>(list.GetNext(pos)));
        return rows;
    }

    CBowlingDoc m_doc;
    CRepItem_CustomStandings m_item;
};

std::vector<std::string> Names(const std::vector<std::unique_ptr<CRepItem_CustomStandings>>& rows)
{
    std::vector<std::string> v;
    for (const auto& r : rows)
        v.push_back(r->m_pTeam->m_strName.GetString());
    return v;
}

} // namespace

TEST_F(Table, DefaultDesignOfANewTable)
{
    ASSERT_EQ(m_item.m_arrColumns.size(), 12u);
    EXPECT_EQ((std::vector<long>{m_item.GetStandingsKind(), long(m_item.m_bDesignPending), m_item.GetTotalWidth(),
                                 m_item.m_fontHeading.m_nPrinterHeight, m_item.m_fontHeading.m_bBold,
                                 m_item.m_fontDetail.m_bBold}),
              (std::vector<long>{SK_HANDICAP, 0, 700, -220, 1, 0}));
    std::string titles;
    for (auto* c : m_item.m_arrColumns)
        titles += std::string(c->m_strTitle.GetString()) + "|";
    EXPECT_EQ(titles, "Pos||Name|Won|Lost|Gms|PinsH|PinsS|Hgh|Hgs|Hsh|Hss|");
    EXPECT_EQ(m_item.m_crFirst, RGB(128, 0, 0));

    // A scratch-only league gets the scratch set; a kind change alone keeps the columns.
    CBowlingDoc scratch;
    scratch.m_bScratchLeague = 1, scratch.m_bHandicapLeague = 0;
    CRepItem_CustomStandings s;
    s.m_pDoc = &scratch;
    s.SetDefaults();
    EXPECT_EQ((std::pair<int, int>(s.GetStandingsKind(), s.m_arrColumns[6]->m_nColumnType)), (std::pair<int, int>(SK_SCRATCH, CC_SPACE)));
    EXPECT_EQ(s.m_arrColumns[7]->m_strTitle, "Pins");
    s.SetStandingsKind(SK_HANDICAP);
    s.SetDefaultDesign();
    EXPECT_EQ(s.m_arrColumns[6]->m_nColumnType, CC_SPACE);
}

TEST_F(Table, RowsInStandingsOrderWithoutByeAndVacancyLast)
{
    auto rows = Rows();
    EXPECT_EQ(Names(rows), (std::vector<std::string>{"Alley Cats", "Strikers", "Pin Pals", "Spares", "Vacancy"}));
    EXPECT_EQ((std::pair<int, int>(rows[0]->m_nPosition, rows[3]->m_nPosition)), (std::pair<int, int>(1, 5)));   // the BYE team keeps place 4
    for (auto& r : rows)
        EXPECT_EQ((std::vector<long>{long(r->m_bTemporary), long(r->m_arrColumns.size()), long(r->m_bDivisionBreak)}),
                  (std::vector<long>{TEMP_SHOWING, 12, 0}));
    EXPECT_EQ(m_doc.m_bHandicapPass, static_cast<DWORD>(PASS_HANDICAP));

    // The vacancy keeps its row but takes no room and shows nothing.
    CRecordingDC dc;
    EXPECT_EQ((std::vector<int>{m_item.GetHeight(&dc), rows[0]->GetHeight(&dc), rows[4]->GetHeight(&dc)}),
              (std::vector<int>{-440, -220, 0}));
    rows[4]->Draw(&dc, nullptr);
    EXPECT_TRUE(dc.calls.empty());
    EXPECT_EQ(HtmlOf(*rows[4]), "");
}

TEST_F(Table, DivisionsBreakAndCountFromOne)
{
    m_doc.m_bDivisions = 1, m_doc.m_nDivisions = 2;
    m_doc.CountTeamsPerDivision();
    auto rows = Rows();
    EXPECT_EQ(Names(rows), (std::vector<std::string>{"Alley Cats", "Pin Pals", "Spares", "Strikers", "Vacancy"}));
    EXPECT_EQ(rows[3]->m_bDivisionBreak, 1u);
    CRecordingDC dc;
    EXPECT_EQ((std::pair(rows[3]->GetHeight(&dc), rows[2]->GetHeight(&dc))), (std::pair(-440, -220)));

    // The first team of division 2 is drawn one line lower, at place 1 in the first colour.
    rows[3]->m_y = -5000, rows[3]->m_x = 720;
    rows[3]->Draw(&dc, nullptr);
    const DrawCall* pPos = dc.FindText("1");
    const DrawCall* pName = dc.FindText("Strikers");
    ASSERT_TRUE(pPos && pName) << dc.Dump();
    EXPECT_EQ((std::vector<long>{pPos->y1, long(pPos->color), pName->x1, long(pName->color)}),
              (std::vector<long>{-5220, long(RGB(128, 0, 0)), 720 + 576 + 144, long(RGB(128, 0, 0))}));
    // Third place of division 1 in the third colour.
    CRecordingDC dc3;
    rows[2]->Draw(&dc3, nullptr);
    EXPECT_EQ(dc3.FindText("Spares")->color, RGB(0, 128, 0));
}

TEST_F(Table, TitleLineAndHeaderRow)
{
    m_item.m_x = 720, m_item.m_y = -1200;
    CRecordingDC dc;
    m_item.GetHeight(&dc);
    m_item.Draw(&dc, nullptr);
    const char* title = "Handicap Standings after Round 3 of 10 on 21 Jan 25";
    ASSERT_FALSE(dc.calls.empty());
    EXPECT_EQ(dc.calls[0].text, title);
    EXPECT_EQ((std::vector<int>{dc.calls[0].x1, dc.calls[0].y1, dc.calls[0].font.lfWeight}),
              (std::vector<int>{5760 - static_cast<int>(std::string(title).size()) * 110 / 2, -1200, FW_BOLD}));
    // The headings one title line lower: every column but the spaces.
    std::vector<std::string> texts = dc.Texts();
    EXPECT_EQ(std::vector<std::string>(texts.begin() + 1, texts.end()),
              (std::vector<std::string>{"Pos", "Name", "Won", "Lost", "Gms", "PinsH", "PinsS", "Hgh", "Hgs", "Hsh",
                                        "Hss"}));
    EXPECT_EQ((std::pair(dc.calls[1].x1, dc.calls[1].y1)), (std::pair(720, -1420)));
    // "PinsH" right-justified in its 70 hundredths, after 40 + 10 + 170 + 50 * 3; "Hss" ends the
    // seven inches at 10800.
    EXPECT_EQ(dc.FindText("PinsH")->x1, 720 + (370 + 70) * 1440 / 100 - 5 * 110);
    EXPECT_EQ(dc.FindText("Hss")->x1, 10800 - 3 * 110);

    // All columns spaces: the title line alone.
    for (auto* c : m_item.m_arrColumns)
        c->m_nColumnType = CC_SPACE;
    CRecordingDC dc2;
    m_item.Draw(&dc2, nullptr);
    EXPECT_EQ(dc2.Texts(), std::vector<std::string>{title});
}

TEST_F(Table, TitleTexts)
{
    m_doc.m_bAllResultsEntered = 1;
    EXPECT_EQ(m_item.GetTitleText(), "Handicap Standings after Round 3 of 10 on 21 Jan 25");
    m_doc.m_nCurrentRound = 10;
    // No match in round 10: the last match's date.
    EXPECT_EQ(m_item.GetTitleText(), "Final Handicap Standings. - 21 Jan 25");
    m_item.SetStandingsKind(SK_PYRAMID_SCRATCH);
    EXPECT_EQ(m_item.GetTitleText(), "Final Pyramid Scratch Standings. - 21 Jan 25");

    m_item.SetStandingsKind(SK_SCRATCH);
    m_doc.m_nCurrentRound = 3, m_doc.m_bAllResultsEntered = 0, m_doc.m_bSplitsActive = 1;
    m_doc.m_nSplitCount = 2, m_doc.m_nCurrentSplit = 1, m_doc.m_nRoundsPerSplit = 5;
    m_doc.m_bSplitSeason = 1, m_doc.m_nSplits = 2;
    EXPECT_EQ(m_item.GetTitleText(), "Scratch Standings after Round 3 of 10. Split 1 of 2 on  21 Jan 25");
    m_doc.m_nCurrentRound = 5;
    EXPECT_EQ(m_item.GetTitleText(), "Final Scratch Standings. Split 1 of 2 on 21 Jan 25");
    m_doc.m_bCustomSplits = 1, m_doc.m_nCustomSplitStart[0] = 1, m_doc.m_nCustomSplitStart[1] = 4;
    m_doc.m_nCurrentRound = 3;
    EXPECT_EQ(m_item.GetTitleText(), "Final Scratch Standings. Split 1 of 2 on 21 Jan 25");

    // Without a single match the date is left empty.
    CBowlingDoc empty;
    CRepItem_CustomStandings item;
    item.m_pDoc = &empty;
    EXPECT_EQ(item.GetTitleText(), "Handicap Standings after Round 0 of 0 on ");
}

TEST_F(Table, Html)
{
    // Two columns keep the page short: position on the left, name on the right.
    m_item.DeleteColumns();
    auto* pPos = new CRepItem_CustomItem;
    pPos->m_nColumnType = CC_POSITION, pPos->m_nJustify = CRepItem_CustomItem::JUSTIFY_LEFT, pPos->m_strTitle = "Pos";
    m_item.AddColumn(pPos);
    m_item.AddColumn(new CRepItem_CustomItem);   // a space: no cell
    auto* pName = new CRepItem_CustomItem;
    pName->m_nColumnType = CC_TEAM_NAME, pName->m_strTitle = "Team";
    m_item.AddColumn(pName);
    m_item.m_fontHeading.m_nPointSize = m_item.m_fontDetail.m_nPointSize = 10;
    m_item.m_fontHeading.m_bBold = 0;

    EXPECT_EQ(HtmlOf(m_item),
              "<CENTER><TABLE WIDTH=100%>\n<TR>"
              "<td align=center><font face='Arial'><font color='#000000'>"
              "Handicap Standings after Round 3 of 10 on 21 Jan 25</font></font></td\n>"
              "</TR></TABLE></CENTER>\n"
              "<CENTER><TABLE WIDTH=100%>\n"
              "<TR><td align=left><font face='Arial'><font color='#000000'>Pos</font></font></td>\n"
              "<td align=right><font face='Arial'><font color='#000000'>Team</font></font></td>\n</TR>");
    auto rows = Rows();
    EXPECT_EQ(HtmlOf(*rows[1]),
              "<TR><td align=left><font face='Arial'><font color='#000080'>2</font></font></td>\n"
              "<td align=right><font face='Arial'><font color='#000080'>Strikers</font></font></td>\n</TR>");
    EXPECT_EQ(HtmlOf(*rows[3]),
              "<TR><td align=left><font face='Arial'><font color='#000000'>5</font></font></td>\n"
              "<td align=right><font face='Arial'><font color='#000000'>Spares</font></font></td>\n</TR>");
}

TEST_F(Table, StoredRecordRoundTripAndCopy)
{
    m_item.m_wKind = 0x0302, m_item.m_dwReserved1 = 0x11223344, m_item.m_dwReserved2 = 5;
    std::vector<BYTE> bytes = BytesOf(m_item);
    std::vector<BYTE> head{18, 0x02, 0x03, 0x44, 0x33, 0x22, 0x11, 5, 0, 0, 0,
                           0x80, 0, 0, 0, 0, 0, 0x80, 0, 0, 0x80, 0, 0, 12, 0,
                           0xFF, 0xFF, 1, 0, 19, 0};
    ASSERT_GT(bytes.size(), head.size());
    EXPECT_EQ(std::vector<BYTE>(bytes.begin(), bytes.begin() + static_cast<long>(head.size())), head);
    EXPECT_EQ(std::string(bytes.begin() + 31, bytes.begin() + 50), "CRepItem_CustomItem");
    // The first column: Position, "Pos", left, 40.
    EXPECT_EQ(std::vector<BYTE>(bytes.begin() + 50, bytes.begin() + 58),
              (std::vector<BYTE>{1, 3, 'P', 'o', 's', 0, 40, 0}));
    // The two fonts close the record.
    std::vector<BYTE> fonts = BytesOf(m_item.m_fontHeading);
    Append(fonts, BytesOf(m_item.m_fontDetail));
    EXPECT_EQ(std::vector<BYTE>(bytes.end() - static_cast<long>(fonts.size()), bytes.end()), fonts);

    CRepItem_CustomStandings loaded;
    LoadFrom(loaded, bytes);
    EXPECT_EQ(BytesOf(loaded), bytes);

    // A copy is made through the class and has its own columns; the reserved words stay behind.
    std::unique_ptr<CRepItem> pCopy(m_item.Clone());
    auto* pTable = dynamic_cast<CRepItem_CustomStandings*>(pCopy.get());
    ASSERT_NE(pTable, nullptr);
    EXPECT_NE(pTable->m_arrColumns[0], m_item.m_arrColumns[0]);
    EXPECT_EQ(pTable->m_dwReserved1, 0u);
    pTable->m_dwReserved1 = m_item.m_dwReserved1, pTable->m_dwReserved2 = m_item.m_dwReserved2;
    EXPECT_EQ(BytesOf(*pTable), bytes);

    // A record cut short ends in an archive error.
    bytes.resize(40);
    CRepItem_CustomStandings broken;
    EXPECT_THROW(LoadFrom(broken, bytes), CArchiveException);
    EXPECT_TRUE(broken.m_arrColumns.empty());
}

TEST_F(Table, PointKindBits)
{
    m_item.SetStandingsKind(SK_COMBINED);
    m_item.SetPointKind(CRepItem_CustomStandings::ADD_PYRAMID_HANDICAP, TRUE);
    EXPECT_EQ(m_item.m_wKind, 0x0802);
    EXPECT_FALSE(m_item.IsScratch() || m_item.IsHandicap());
    EXPECT_EQ(m_item.GetStandingsKindName(), "Combined");
    m_item.ClearPointKinds();
    EXPECT_EQ(m_item.m_wKind, 0x0002);
    m_item.SetStandingsKind(SK_PYRAMID_HANDICAP);
    EXPECT_TRUE(m_item.IsHandicap());
    m_item.m_wKind = 9;
    EXPECT_EQ(m_item.GetStandingsKindName(), "");
}

TEST_F(Table, CombinedRowsAddTheChosenPoints)
{
    int n = 0;
    for (POSITION pos = m_doc.m_listTeams.GetHeadPosition(); pos; ++n) {
        auto* t = static_cast<CTeam*>(m_doc.m_listTeams.GetNext(pos));
        t->m_nPointsWon[PASS_SCRATCH] = n * 10;   // scratch reverses the order
    }
    m_item.SetStandingsKind(SK_COMBINED);
    m_item.SetPointKind(CRepItem_CustomStandings::ADD_SCRATCH, TRUE);
    auto rows = Rows();
    EXPECT_EQ(Names(rows), (std::vector<std::string>{"Spares", "Strikers", "Pin Pals", "Alley Cats", "Vacancy"}));
}

TEST_F(Table, ALongTeamNameStopsWhereTheNextFigureBegins)
{
    m_doc.FindTeam(1)->m_strName = "Alley Cats of the Calder Valley";
    auto rows = Rows();
    ASSERT_EQ(rows[0]->m_pTeam, m_doc.FindTeam(1));
    CRecordingDC dc;
    rows[0]->Draw(&dc, nullptr);
    const std::string dump = dc.Dump();
    EXPECT_EQ(dc.FindText("Alley Cats of the Calder Valley"), nullptr) << dump;
    // The name ends before the points won ("10 ", centred in its column), with a gap.
    const DrawCall* pName = nullptr;
    for (const DrawCall& c : dc.calls)
        if (c.kind == DrawCall::Text && c.text.Find("Alley Cats of") == 0)
            pName = &c;
    ASSERT_NE(pName, nullptr) << dump;
    const DrawCall* pWon = dc.FindText("10 ");
    ASSERT_NE(pWon, nullptr) << dump;
    const int nCharWidth = -pName->font.lfHeight / 2;
    EXPECT_LT(pName->x1 + pName->text.GetLength() * nCharWidth, pWon->x1 - 20) << dump;
    EXPECT_GT(pName->text.GetLength(), 20);
}
