// League > Miscellaneous Setup > Bonus Points: the rules added, changed and deleted through
// "Bonus Points List", the five settings taken back only after "Finish", and the bonus points
// the recalculation then gives the matches (what the points analysis shows).
#include "AdminTest.h"
#include "AdminChecks.h"
#include "admin/RulesSetup.h"
#include "league/Rules.h"
#include "league/SampleLeague.h"
#include "resources/dialogs/RulesDialogs.h"

#include <string>

namespace {

using Texts = std::vector<std::string>;

struct BonusPoints : ::testing::Test
{
    CBowlingDoc doc;
    CScriptedBackend ui;

    void SetUp() override
    {
        SetUpAdmin();
        RulesSetup::Install();
        BuildSampleLeague(doc, GetSampleLeagueShape(FALSE));
        while (!doc.m_listBonusPts.IsEmpty())
            delete doc.m_listBonusPts.RemoveHead();
        doc.m_bBonusHiTeamGameHcp = doc.m_bBonusHiTeamGameScr = 0;
        doc.m_nBonusHiTeamGameHcpPts = doc.m_nBonusHiTeamGameScrPts = 0;
        doc.m_bBonusAcceptEqual = 0;
        doc.Recalculate();
        doc.SetModifiedFlag(FALSE);
    }

    long BonusInMatches() const
    {
        long n = 0;
        for (CFixture* f : Fixtures(doc))
            for (int s = 0; s < 2; ++s)
                n += f->m_nScratchBonusPoints[s] + f->m_nHandicapBonusPoints[s];
        return n;
    }
};

} // namespace

TEST_F(BonusPoints, RulesEditedInPlaceAndSeenInTheMatchPoints)
{
    ASSERT_EQ(BonusInMatches(), 0);
    ui.OnDialog(IDD_BONUS_POINTS_LIST)
        .Check([](CDialog& d) {
            EXPECT_TRUE(Items(d, IDC_BP_LIST).empty());
            EXPECT_FALSE(Ctl(d, IDC_BP_DELETE).enabled);
        })
        .SetText(IDC_BP_PINS, "25").SetText(IDC_BP_POINTS, "1").Click(IDC_BP_ADD).Select(IDC_BP_KIND, 1)
        .Check([](CDialog& d) { EXPECT_FALSE(Ctl(d, IDC_BP_PINS).enabled); })
        .SetText(IDC_BP_POINTS, "2").Click(IDC_BP_SERIES).Click(IDC_BP_MEN).Click(IDC_BP_ADD)
        .Check([](CDialog& d) {
            EXPECT_EQ(Items(d, IDC_BP_LIST), (Texts{"Over Average by 25: 1 point each game  All",
                                                    "Equals Average: 2 points for the series  Women Juniors"}));
            EXPECT_EQ(Selected(d, IDC_BP_LIST), "Equals Average: 2 points for the series  Women Juniors");
        })
        // Points out of range are refused; the rule is not added.
        .SetText(IDC_BP_POINTS, "200").Click(IDC_BP_ADD)
        .Check([](CDialog& d) { EXPECT_EQ(Items(d, IDC_BP_LIST).size(), 2u); })
        .Select(IDC_BP_LIST, 0)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_BP_PINS).text, "25"); })
        .SetText(IDC_BP_PINS, "0").Click(IDC_BP_CHANGE).Select(IDC_BP_LIST, 1).Click(IDC_BP_DELETE)
        .Check([](CDialog& d) { EXPECT_EQ(Items(d, IDC_BP_LIST), (Texts{"Over Average by 0: 1 point each game  All"})); })
        .Click(IDC_BP_HI_SCR).SetText(IDC_BP_HI_SCR_POINTS, "3")
        .OK();
    ui.AnswerMessageBox(IDOK, "Please enter an integer between 0 and 127.");
    RulesSetup::EditBonusPoints(&doc);
    ASSERT_EQ(doc.m_listBonusPts.GetCount(), 1);
    const auto* rule = static_cast<CBonusPts*>(doc.m_listBonusPts.GetHead());
    EXPECT_EQ(Nums(rule->m_nKind, rule->m_nPins, rule->m_nPoints, rule->m_wCategoryMask, doc.m_bBonusHiTeamGameScr,
                   doc.m_nBonusHiTeamGameScrPts),
              Nums(CBonusPts::kindOverAverage, 0, 2, 7, 1, 6));
    EXPECT_TRUE(doc.IsModified());
    // Recalculated: bowlers at or over their averages earn their bonus in the matches.
    EXPECT_GT(BonusInMatches(), 0);
    EXPECT_GT(doc.GetMaxBonusPointsPerMatch(PASS_HANDICAP), 0u);
}

TEST_F(BonusPoints, EscapeKeepsTheSettingsAndFinishKeepsAnUntouchedHalfPoint)
{
    doc.m_nBonusHiTeamGameHcpPts = 3;  // one and a half points, set before
    doc.m_bBonusHiTeamGameHcp = 1;
    ui.OnDialog(IDD_BONUS_POINTS_LIST)
        .Check([](CDialog& d) {
            EXPECT_EQ(Ctl(d, IDC_BP_HI_HCP_POINTS).text, "1");
            EXPECT_EQ(Ctl(d, IDC_BP_HI_HCP).check, 1);
        })
        .Click(IDC_BP_HI_HCP).Click(IDC_BP_ACCEPT_EQUAL).Click(IDC_BP_ADD)
        .Cancel();
    RulesSetup::EditBonusPoints(&doc);
    // The rule added before Escape stays: the list is edited in place.
    EXPECT_EQ(Nums(doc.m_bBonusHiTeamGameHcp, doc.m_bBonusAcceptEqual, doc.m_nBonusHiTeamGameHcpPts,
                   doc.m_listBonusPts.GetCount()),
              Nums(1, 0, 3, 1));

    ui.OnDialog(IDD_BONUS_POINTS_LIST).Click(IDC_BP_ACCEPT_EQUAL).OK();
    RulesSetup::EditBonusPoints(&doc);
    EXPECT_EQ(Nums(doc.m_bBonusAcceptEqual, doc.m_nBonusHiTeamGameHcpPts), Nums(1, 3));
}

TEST_F(BonusPoints, TheMostPointsPerMatchTakeTheNewRulesAndPointsLostFollow)
{
    // Four bowlers, three games: 2 points for each game and the series (17 points, 34 half points).
    ASSERT_EQ(doc.m_nMaxHandicapPoints, 34);
    ui.OnDialog(IDD_BONUS_POINTS_LIST)
        .SetText(IDC_BP_PINS, "0").SetText(IDC_BP_POINTS, "1").Click(IDC_BP_ADD)
        .Click(IDC_BP_HI_HCP).SetText(IDC_BP_HI_HCP_POINTS, "2")
        .OK();
    RulesSetup::EditBonusPoints(&doc);
    // 17 + 1 point for each of 4 bowlers in 3 games + 2 for the highest team game: 31 points.
    EXPECT_EQ(doc.m_nMaxHandicapPoints, 62);
    // Each match loses the most less what it won, on the most the rules give now.
    for (CTeam* pTeam : Teams(doc)) {
        long nLost = 0;
        for (CFixture* f : Fixtures(doc))
            for (int s = 0; s < 2; ++s)
                if (f->GetSideTeam(s) == pTeam && f->m_bHandicapPointsDone)
                    nLost += std::max(0, 62 - f->m_nHandicapMatchPoints[s]);
        EXPECT_EQ(pTeam->m_nPointsLost[PASS_HANDICAP], nLost) << pTeam->m_strName.GetString();
    }
}
