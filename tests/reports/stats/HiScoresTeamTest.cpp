// The team high-score item: four columns worked by hand from a three-team league with a
// vacancy, the blank rank, the HTML table, the stored record and its version gate, the copy
// and the "Team Stats" dialog driven through its controls.
#include "../layout/ReportTestHelpers.h"
#include "CustomPlayerTestLeague.h"
#include "DrawnText.h"
#include "RecordingDC.h"
#include "ScriptedBackend.h"
#include "reports/stats/HiTeamItem.h"
#include "resources/Resource.h"
#include "resources/dialogs/ReportDialogs.h"
#include "view/RepForm.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct TeamFigures
{
    WORD nGame[2];    // scratch, handicap
    WORD nSeries[2];
    DWORD nScrPins;
    DWORD nHcpPins;
};

CTeam* AddFigures(CBowlingDoc& doc, WORD nNo, const char* pszName, const TeamFigures& f)
{
    CTeam* t = AddTestTeam(doc, nNo, pszName, {});
    for (int s = 0; s < 2; ++s) {
        t->m_nHighGame[s] = f.nGame[s];
        t->m_nHighSeries[s] = f.nSeries[s];
        t->m_nGames[s] = 9;
    }
    t->m_nPins[PASS_SCRATCH] = f.nScrPins;
    t->m_nHcpScrPins = f.nScrPins;
    t->m_nPins[PASS_HANDICAP] = f.nHcpPins;
    return t;
}

class HiTeam : public ::testing::Test
{
protected:
    void SetUp() override
    {
        doc.m_bScratchLeague = 1;
        doc.m_bHandicapLeague = 1;
        AddFigures(doc, 1, "Aces", {{610, 700}, {1800, 2050}, 5400, 6300});
        AddFigures(doc, 2, "Kings", {{655, 690}, {1750, 2100}, 5310, 6120});
        AddFigures(doc, 3, "R&B", {{640, 720}, {1700, 2000}, 5490, 6210});
        AddFigures(doc, 4, "Vacant", {{700, 800}, {2200, 2400}, 9000, 9900})->m_bOmitHiTeamStats = 1;
        doc.m_nTeams = 4;
        doc.RankTeamHighScores();
        item.m_pDoc = &doc;
        item.m_y = -1000;
        item.m_nEntries = 4;
        // Game scratch, series handicap, average scratch, pinfall handicap.
        item.m_nStatistic[1] = 1;
        item.m_nBasis[1] = 1;
        item.m_nStatistic[2] = 2;
        item.m_nStatistic[3] = 3;
        item.m_nBasis[3] = 1;
    }
    CBowlingDoc doc;
    CRepItem_HiTeam item;
};

std::string TextAt(const CRecordingDC& dc, int x, int y)
{
    for (const DrawCall& c : dc.calls)
        if (c.kind == DrawCall::Text && c.x1 == x && c.y1 == y)
            return c.text.GetString();
    return "<none>";
}

} // namespace

TEST_F(HiTeam, FourColumnsRankedAndTheVacancyLast)
{
    CRecordingDC dc;
    const int nHeight = item.GetHeight(&dc);
    EXPECT_EQ(item.m_nColumnsUsed, 4);
    const int nHead = item.m_fontHeading.GetLineHeight(0);
    const int nLine = item.m_fontDetail.GetLineHeight(0);
    ASSERT_LT(nLine, 0);
    EXPECT_EQ(nHeight, nHead + 4 * nLine);
    item.Draw(&dc, nullptr);

    const int y1 = -1000 + nHead;
    // Averages of the scratch pins over the games: 5490 / 9, 5400 / 9, 5310 / 9. The pinfall
    // column ranks again after the average one, so neither disturbs the other.
    const struct { int x, y; const char* text; } cells[] = {
        {720, -1000, "High Team Scr  Game "}, {3384, -1000, "High Team Hcp  Series "},
        {5904, -1000, "High Team Scr  Average"}, {8568, -1000, "High Team Hcp  PinFall"},
        {720, y1, " 655  Kings"}, {720, y1 + nLine, " 640  R&B"}, {720, y1 + 2 * nLine, " 610  Aces"},
        {3384, y1, "2100  Kings"}, {3384, y1 + 2 * nLine, "2000  R&B"},
        {5904, y1, "610.0  R&B"}, {5904, y1 + nLine, "600.0  Aces"}, {5904, y1 + 2 * nLine, "590.0  Kings"},
        {8568, y1, " 6300  Aces"}, {8568, y1 + nLine, " 6210  R&B"}};
    for (const auto& c : cells)
        EXPECT_EQ(TextAt(dc, c.x, c.y), c.text) << c.x << "," << c.y;
    // The vacancy ranks last in every column, whatever its figures.
    for (int x : {720, 3384, 5904, 8568})
        EXPECT_EQ(TextAt(dc, x, y1 + 3 * nLine), "None Qualified") << x;

    // Each drawn team is hit-testable where its line was drawn.
    CTeam* pKings = doc.FindTeam(2);
    EXPECT_TRUE(pKings->HitTest(CPoint(720 + 1999, y1 + nLine / 2)));
    EXPECT_FALSE(pKings->HitTest(CPoint(720 + 2001, y1 + nLine / 2)));
}

TEST_F(HiTeam, ARankNobodyHoldsStaysBlank)
{
    item.m_nEntries = 6;
    for (BYTE& b : item.m_bUnused)
        b = 1;
    item.m_bUnused[0] = 0;
    CRecordingDC dc;
    item.GetHeight(&dc);
    item.Draw(&dc, nullptr);
    // One column sits at 4644; the heading and four teams, and no fifth or sixth line (the
    // look-up would have given the last team of the list again).
    EXPECT_EQ(dc.Texts(), (std::vector<std::string>{"High Team Scr  Game ", " 655  Kings", " 640  R&B", " 610  Aces",
                                                    "None Qualified"}));
    EXPECT_EQ(Pos(dc, " 655  Kings").first, 4644);
}

TEST_F(HiTeam, AllColumnsUnusedDrawsNothingButKeepsItsRoom)
{
    for (BYTE& b : item.m_bUnused)
        b = 1;
    CRecordingDC dc;
    const int nHeight = item.GetHeight(&dc);
    EXPECT_EQ(item.m_nColumnsUsed, 0);
    EXPECT_EQ(nHeight, item.m_fontHeading.GetLineHeight(0) + 4 * item.m_fontDetail.GetLineHeight(0));
    item.Draw(&dc, nullptr);
    EXPECT_TRUE(dc.calls.empty());
    EXPECT_EQ(HtmlOf(item), "");
}

TEST_F(HiTeam, HandicapColumnOfAScratchLeagueBecomesScratch)
{
    doc.m_bHandicapLeague = 0;
    CRecordingDC dc;
    item.GetHeight(&dc);
    EXPECT_EQ((std::pair<int, int>(item.m_nBasis[1], item.m_nBasis[3])), (std::pair<int, int>(0, 0)));
    EXPECT_EQ(item.ColumnCaption(1), "High Team Scr  Series ");
    // A basis a damaged file left out of range gives an empty column.
    item.m_nBasis[0] = 7;
    EXPECT_EQ(item.ColumnCaption(0), "");
    CTeam* pTeam = nullptr;
    EXPECT_EQ(item.CellText(0, 1, &pTeam), "");
    EXPECT_EQ(pTeam, nullptr);
    // A statistic above 3 is taken modulo 4 and stored back.
    item.m_nStatistic[2] = 5;
    EXPECT_EQ(item.CellText(2, 1, &pTeam), "1800  Aces");
    EXPECT_EQ(item.m_nStatistic[2], 1);
}

TEST_F(HiTeam, HtmlTableOfTwoColumnsWithNamesEscaped)
{
    item.m_bUnused[2] = item.m_bUnused[3] = 1;
    item.m_nEntries = 2;
    const std::string cell = "<td align=left><font face='Arial'><font color='#000000'>";
    const std::string end = "</font></font></td>\n";
    EXPECT_EQ(HtmlOf(item), "<CENTER><TABLE COLS=2 WIDTH=80%>\n<TR>\n" + cell + "High Team Scr  Game " + end + cell +
                                "High Team Hcp  Series " + end + "</TR>\n<TR>\n" + cell + " 655  Kings" + end + cell +
                                "2100  Kings" + end + "</TR>\n<TR>\n" + cell + " 640  R&amp;B" + end + cell +
                                "2050  Aces" + end + "</TR>\n</TABLE></CENTER>\n");
    item.m_bUnused[1] = 1;
    EXPECT_EQ(HtmlOf(item).substr(0, 34), "<CENTER><TABLE COLS=1 WIDTH=50%>\n<");
}

TEST(HiTeamStored, RecordVersionGateAndCopy)
{
    CRepItem_HiTeam item;
    item.m_nEntries = 5, item.m_nColumnsUsed = 3, item.m_bUnused[3] = 1, item.m_nBasis[1] = 1;
    item.m_nStatistic[2] = 3, item.m_nGroup[0] = 2, item.m_nClass[0] = 1;
    item.m_fontHeading.m_strFaceName = "Verdana";
    item.m_fontDetail.m_bBold = 1;
    std::vector<BYTE> expected{RIT_HI_TEAM, 5, 3, 1, 0, 0, 0, 2, 0, 0, 1, 0, 0, 0, 0, 0, 3, 0, 0, 1, 0, 0, 0};
    EXPECT_EQ(BytesOf(item, 38), expected);
    Append(expected, BytesOf(item.m_fontDetail));
    Append(expected, BytesOf(item.m_fontHeading));
    EXPECT_EQ(BytesOf(item), expected);
    EXPECT_EQ(BytesOf(item, 39), expected);

    CRepItem_HiTeam loaded;
    LoadFrom(loaded, expected);
    EXPECT_EQ(BytesOf(loaded), expected);

    // A version-38 file has no fonts: the defaults stay.
    CRepItem_HiTeam old;
    old.m_fontHeading.m_bItalic = 1;
    LoadFrom(old, BytesOf(item, 38), 38);
    EXPECT_TRUE(old.m_fontHeading == CFontData());
    EXPECT_EQ(old.m_nBasis[1], 1);

    item.m_nPage = 2;
    ExpectCopyStoresTheSame(item);

    std::unique_ptr<CRepItem> pMade(CreateRepItemOfType(RIT_HI_TEAM));
    ASSERT_NE(dynamic_cast<CRepItem_HiTeam*>(pMade.get()), nullptr);
}

TEST(HiTeamStored, DefaultFontsFromTheLeague)
{
    CBowlingDoc doc;
    doc.GetDefaultFont(18)->m_strFaceName = "Tahoma";
    doc.GetDefaultFont(19)->m_bBold = 1;
    CRepItem_HiTeam item;
    item.m_pDoc = &doc;
    item.ApplyDefaultFonts();
    EXPECT_EQ(item.m_fontHeading.m_strFaceName, "Tahoma");
    EXPECT_EQ(item.m_fontDetail.m_bBold, 1);
}

TEST_F(HiTeam, DialogSetsColumnsEntriesAndFonts)
{
    RegisterResources();
    doc.m_bHandicapLeague = 0;
    doc.m_nTeams = 3;
    CObList editorItems;
    CRepItem_HiTeam other;
    editorItems.AddTail(&item);
    editorItems.AddTail(&other);
    doc.m_pEditorItems = &editorItems;
    CScriptedBackend ui;
    ui.OnDialog(IDD_TEAM_STATS)
        .Check([](CDialog& d) {
            EXPECT_EQ(d.GetDlgItemText(IDC_HS_ENTRIES), "4");
            // A scratch league's handicap choice is put back to scratch.
            auto* pBasis = static_cast<CComboBox*>(d.GetDlgItem(IDC_HS_BASIS[1]));
            EXPECT_EQ(pBasis->GetCurSel(), 0);
        })
        .Select(IDC_HS_STATISTIC[0], 2)
        .Select(IDC_HS_BASIS[0], 1)
        .Check([](CDialog& d) {
            EXPECT_EQ(static_cast<CComboBox*>(d.GetDlgItem(IDC_HS_BASIS[0]))->GetCurSel(), 0);
        })
        .Click(IDC_HS_UNUSED[2])
        .SetText(IDC_HS_ENTRIES, "9")
        .Focus(IDC_HS_STATISTIC[1])
        .Check([](CDialog& d) { EXPECT_EQ(d.GetDlgItemText(IDC_HS_ENTRIES), "3"); })
        .SetText(IDC_HS_ENTRIES, "0")
        .OK()
        .SetText(IDC_HS_ENTRIES, "2")
        .Click(IDC_HS_HEADING_FONT)
        .Click(IDC_HS_APPLY_FONTS)
        .OK();
    ui.AnswerMessageBox(IDOK, "Please enter an integer between 1 and 3.");
    ui.ChooseFont("Verdana", 120, TRUE, FALSE, FALSE, FALSE, RGB(0, 0, 128));
    item.Edit();
    EXPECT_EQ((std::vector<int>{item.m_nEntries, item.m_nStatistic[0], item.m_nBasis[0], item.m_nBasis[1],
                                item.m_bUnused[2]}),
              (std::vector<int>{2, 2, 0, 0, 1}));
    EXPECT_EQ(item.m_fontHeading.m_strFaceName, "Verdana");
    EXPECT_TRUE(other.m_fontHeading == item.m_fontHeading);
    doc.m_pEditorItems = nullptr;
    editorItems.RemoveAll();
}

TEST_F(HiTeam, MultiplePrizeRulesForTeams)
{
    // Game and series, scratch and handicap, two places each. By rank:
    //   game scr  Kings, R&B, Aces      game hcp  R&B, Aces, Kings
    //   ser scr   Aces, Kings, R&B      ser hcp   Kings, Aces, R&B    (the vacancy last in each)
    for (int c = 0; c < 4; ++c) {
        item.m_nStatistic[c] = static_cast<BYTE>(c / 2);
        item.m_nBasis[c] = static_cast<BYTE>(c % 2);
    }
    item.m_nEntries = 2;
    auto names = [this]() {
        item.PlacePrizes();
        std::vector<std::string> v;
        for (int c = 0; c < 4; ++c) {
            std::string s;
            for (int r = 1; r <= 2; ++r) {
                CTeam* pTeam = nullptr;
                item.CellText(c, r, &pTeam);
                s += pTeam ? std::string(pTeam->m_strName) + " " : "- ";
            }
            v.push_back(s);
        }
        return v;
    };
    CAwardRestrictions& rules = *doc.m_pAwardRestrictions;
    rules.m_nTeamRule = 1;
    EXPECT_EQ(names(), (std::vector<std::string>{"Kings R&B ", "R&B Aces ", "Aces Kings ", "Kings Aces "}));  // off
    rules.m_bRulesEnabled = 1;
    EXPECT_EQ(names(), (std::vector<std::string>{"Kings R&B ", "Aces Vacant ", "Aces Kings ", "R&B Vacant "}));
    rules.m_nTeamRule = 3;
    EXPECT_EQ(names(), (std::vector<std::string>{"Kings R&B ", "- - ", "Aces Vacant ", "- - "}));
    // The player rules leave the teams alone.
    rules.m_nTeamRule = 0;
    rules.m_nPlayerRule = 3;
    EXPECT_EQ(names(), (std::vector<std::string>{"Kings R&B ", "R&B Aces ", "Aces Kings ", "Kings Aces "}));
}
