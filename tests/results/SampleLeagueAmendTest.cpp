// The sample leagues hold only matches scored by their own rules: every match of every size,
// reopened through Result > Amend Results and left as it was, keeps every stored figure, and
// the standings stay.
#include "ScriptedBackend.h"
#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/Player.h"
#include "league/SampleLeague.h"
#include "league/Team.h"
#include "resources/Resource.h"
#include "resources/dialogs/ResultDialogs.h"
#include "results/ResultCommands.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

UINT SheetIDD(const CBowlingDoc& doc)
{
    static const UINT ids[] = {IDD_SINGLES_SCORESHEET, IDD_DOUBLES_SCORESHEET, IDD_THREES_SCORESHEET,
                               IDD_FOURS_SCORESHEET, IDD_FIVES_SCORESHEET};
    return ids[doc.m_nPlayersPerTeam - 1];
}

std::vector<CFixture*> Matches(CBowlingDoc& doc)
{
    std::vector<CFixture*> v;
    for (POSITION pos = doc.m_listFixtures.GetHeadPosition(); pos;)
        v.push_back(static_cast<CFixture*>(doc.m_listFixtures.GetNext(pos)));
    return v;
}

// Points won and lost and the place of every team, in team order.
std::vector<int> Standings(CBowlingDoc& doc)
{
    std::vector<int> v;
    for (POSITION pos = doc.m_listTeams.GetHeadPosition(); pos;) {
        const CTeam* t = static_cast<const CTeam*>(doc.m_listTeams.GetNext(pos));
        v.insert(v.end(), {t->m_nPointsWon[PASS_HANDICAP], t->m_nPointsLost[PASS_HANDICAP],
                           static_cast<int>(t->m_nHcpPosition)});
    }
    return v;
}

// Result > Amend Results on the match, OK on the sheet without typing anything.
void AmendUnchanged(CBowlingDoc& doc, const CFixture& f)
{
    CString strLine;
    strLine.Format("Wk%2d   %s v %s", f.m_nRound, doc.FindTeam(f.m_nTeamA)->m_strName.GetString(),
                   doc.FindTeam(f.m_nTeamB)->m_strName.GetString());
    CScriptedBackend ui;
    ui.OnDialog(IDD_SELECT_ROUND).Select(IDC_SELECT_ROUND_LIST, f.m_nRound - 1).OK();
    ui.OnDialog(IDD_SELECT_FIXTURE).SelectString(IDC_SELECT_FIXTURE_LIST, strLine.GetString()).OK();
    ui.OnDialog(SheetIDD(doc)).OK();
    OnResultAmendResults(doc);
    EXPECT_TRUE(ui.MessageTexts().empty()) << ui.MessageTexts().front();
}

struct SampleSize
{
    const char* pszName;
    SampleLeagueShape shape;
};

void PrintTo(const SampleSize& s, std::ostream* os) { *os << s.pszName; }

SampleLeagueShape WithPlayers(int n)
{
    SampleLeagueShape s = GetSampleLeagueShape(FALSE);
    s.nPlayers = n;
    return s;
}

// The sizes tools/make-sample-league writes.
const SampleSize kSizes[] = {
    {"small", GetSampleLeagueShape(FALSE)},
    {"singles", WithPlayers(1)},
    {"doubles", WithPlayers(2)},
    {"threes", WithPlayers(3)},
    {"fives", WithPlayers(5)},
    {"large", GetSampleLeagueShape(TRUE)},
};

class SampleLeagueAmend : public ::testing::TestWithParam<SampleSize>
{};

TEST_P(SampleLeagueAmend, EveryMatchKeepsItsFiguresAndTheStandings)
{
    RegisterResources();
    const SampleLeagueShape& shape = GetParam().shape;
    CBowlingDoc doc;
    BuildSampleLeague(doc, shape);
    std::vector<CFixture> before;
    for (CFixture* f : Matches(doc))
        before.push_back(*f);
    const std::vector<int> standings = Standings(doc);
    const std::vector<CFixture*> matches = Matches(doc);
    int nAmended = 0;
    for (size_t i = 0; i < matches.size(); ++i) {
        CFixture* f = matches[i];
        if (f->m_nRound > shape.nRoundsPlayed)
            continue;
        AmendUnchanged(doc, *f);
        ++nAmended;
        ASSERT_TRUE(f->IsSameAs(before[i])) << "round " << int(f->m_nRound) << " match " << int(f->m_nMatch) << ": "
                                            << before[i].m_nHandicapMatchPoints[0] << "-"
                                            << before[i].m_nHandicapMatchPoints[1] << " became "
                                            << f->m_nHandicapMatchPoints[0] << "-" << f->m_nHandicapMatchPoints[1];
        ASSERT_EQ(Standings(doc), standings) << "round " << int(f->m_nRound) << " match " << int(f->m_nMatch);
    }
    EXPECT_GT(nAmended, 0);
}

INSTANTIATE_TEST_SUITE_P(EverySize, SampleLeagueAmend, ::testing::ValuesIn(kSizes),
                         [](const auto& info) { return std::string(info.param.pszName); });

// The blind and the substitute game of the small sample league, by its rules: blind average
// less 10 pins with the rule's flat handicap 0; the substitute's own handicap in his game.
TEST(SampleLeague, ItsBlindAndSubstituteGamesTakeTheLeaguesRules)
{
    CBowlingDoc doc;
    BuildSampleLeague(doc, GetSampleLeagueShape(FALSE));
    std::vector<CFixture*> v = Matches(doc);
    const CFixture& blind = *v[2 * 4];
    const int kBlind = CFixture::SlotOf(1, 1);
    ASSERT_TRUE(blind.m_dwPosFlags[kBlind] & PosBlind(1));
    EXPECT_EQ(blind.m_nScore[1][kBlind], blind.m_nAverage[1][kBlind] - 10);
    EXPECT_EQ(blind.m_nHandicap[1][kBlind], 0);
    EXPECT_EQ(blind.m_nHandicap[0][kBlind], 37);
    // Team 1 v team 3, which the blind game's right figures make 12-22 in half points.
    EXPECT_EQ((std::vector<int>{blind.m_nTeamA, blind.m_nTeamB, blind.m_nHandicapMatchPoints[0],
                                blind.m_nHandicapMatchPoints[1]}),
              (std::vector<int>{1, 3, 12, 22}));

    const CFixture& sub = *v[4 * 4];
    const int kSub = CFixture::SlotOf(0, 2);
    ASSERT_TRUE(sub.m_dwPosFlags[kSub] & PosPacer(2));
    const CPlayer* pSub = doc.FindPlayer(sub.m_wPacerNo[2][kSub]);
    ASSERT_NE(pSub, nullptr);
    EXPECT_EQ(pSub->m_nTeamNo, 0);
    EXPECT_EQ((std::vector<int>{sub.m_nHandicap[1][kSub], sub.m_nHandicap[2][kSub], sub.m_nPacerHandicap[2][kSub]}),
              (std::vector<int>{14, 33, 33}));
}

} // namespace
