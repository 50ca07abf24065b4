// The standings table's figures drawn by the Qt painter, in the fonts of the screen and of
// paper: the widest figures a season gives (six-figure pinfalls, four-figure games and series)
// stand at least a figure's width apart.
#include "framework/qt/PainterDC.h"
#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/Team.h"
#include "reports/stats/CustomStandings.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

// The painter's own drawing, with where each text starts and how wide it is.
class CMeasuringDC : public CPainterDC
{
public:
    using CPainterDC::CPainterDC;
    using CPainterDC::TextOut;
    struct Drawn
    {
        int x, cx;
        std::string text;
    };
    std::vector<Drawn> texts;
    BOOL TextOut(int x, int y, const char* psz, int nCount) override
    {
        texts.push_back({x, GetTextExtent(psz, nCount).cx, std::string(psz, static_cast<size_t>(nCount))});
        return CPainterDC::TextOut(x, y, psz, nCount);
    }
};

} // namespace

TEST(StandingsFigures, TheWidestFiguresOfASeasonStandApartOnScreenAndPaper)
{
    CBowlingDoc doc;
    doc.m_strLeagueName = "Winter Fives";
    doc.m_nPlayersPerTeam = 5, doc.m_nGamesPerMatch = 4, doc.m_nRounds = 52, doc.m_nCurrentRound = 52;
    auto* pTeam = new CTeam("Alley Cats", 1);
    // A season of 52 rounds of fives: pinfalls of six figures, games and series of four.
    pTeam->m_nPointsWon[PASS_HANDICAP] = 415, pTeam->m_nPointsLost[PASS_HANDICAP] = 417;
    pTeam->m_nGames[PASS_HANDICAP] = 208;
    pTeam->m_nPins[PASS_HANDICAP] = 228888, pTeam->m_nHcpScrPins = 188888;
    pTeam->m_nHighGame[PASS_HANDICAP] = 1288, pTeam->m_nHighGame[PASS_SCRATCH] = 1088;
    pTeam->m_nHighSeries[PASS_HANDICAP] = 4888, pTeam->m_nHighSeries[PASS_SCRATCH] = 4288;
    doc.AddTeam(pTeam);
    doc.m_nTeams = 1;
    auto* f = new CFixture;
    f->m_nRound = 52;
    f->m_timeDue = CTime(2026, 8, 31, 19, 30, 0);
    doc.AddFixture(f);
    CRepItem_CustomStandings table;
    table.m_pDoc = &doc;
    table.SetDefaults();
    ASSERT_EQ(table.GetStandingsKind(), SK_HANDICAP);
    CObList rows;
    table.Expand(rows);
    ASSERT_EQ(rows.GetCount(), 1);
    std::unique_ptr<CRepItem_CustomStandings> row(static_cast<CRepItem_CustomStandings*>(rows.GetHead()));
    row->m_x = 720, row->m_y = -1440;

    for (const auto& [nDpi, bPrinting] : {std::pair{96, false}, std::pair{600, true}}) {
        QImage page(nDpi * 17 / 2, nDpi, QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        CMeasuringDC dc(&painter, nDpi, nDpi, bPrinting);
        dc.SetMapMode(MM_TWIPS);
        dc.SetWindowOrg(0, -1000);
        row->Draw(&dc, nullptr);
        painter.end();
        std::vector<CMeasuringDC::Drawn> drawn = dc.texts;
        std::sort(drawn.begin(), drawn.end(), [](const auto& a, const auto& b) { return a.x < b.x; });
        // Position, name, then the figures from points won to the high scratch series.
        ASSERT_EQ(drawn.size(), 11u);
        ASSERT_EQ(drawn[1].text, "Alley Cats");
        EXPECT_EQ((std::vector<std::string>{drawn[5].text, drawn[6].text, drawn[10].text}),
                  (std::vector<std::string>{"228888", "188888", "4288"}));
        const int nFigure = dc.GetTextExtent("0", 1).cx;
        for (size_t i = 3; i < drawn.size(); ++i) {
            const int nGap = drawn[i].x - (drawn[i - 1].x + drawn[i - 1].cx);
            EXPECT_GE(nGap, nFigure) << (bPrinting ? "on paper: \"" : "on the screen: \"") << drawn[i - 1].text
                                     << "\" and \"" << drawn[i].text << "\"";
        }
    }
}
