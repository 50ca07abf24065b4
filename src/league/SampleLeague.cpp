#include "league/SampleLeague.h"

#include "league/Accounts.h"
#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/FreeWeek.h"
#include "league/MatchWorking.h"
#include "league/Player.h"
#include "league/Team.h"
#include "league/Venue.h"

#include <algorithm>
#include <vector>

namespace {

// A small deterministic generator, so that the sample is the same file every time.
class CSampleRandom
{
public:
    explicit CSampleRandom(DWORD seed) : m_state(seed) {}
    int Next(int nLow, int nHigh) // inclusive
    {
        m_state = m_state * 1664525u + 1013904223u;
        return nLow + static_cast<int>((m_state >> 8) % static_cast<DWORD>(nHigh - nLow + 1));
    }

private:
    DWORD m_state;
};

const char* const g_szSurnames[] = {"Ashdown", "Brennan", "Carvell", "Dunmore", "Ellery", "Farrant", "Gillow",
                                    "Hallam", "Ibbotson", "Jessop", "Kettle", "Lunt", "Marwood", "Nuttall",
                                    "Ormerod", "Pickles", "Quarmby", "Rushworth", "Sutcliffe", "Tattersall"};
const char* const g_szFirstNames[] = {"Alan", "Brenda", "Colin", "Denise", "Eric", "Fiona", "Gordon", "Hazel",
                                      "Ian", "Janet", "Keith", "Linda", "Martin", "Norma", "Owen", "Pauline",
                                      "Ray", "Sandra", "Trevor", "Una"};
const char* const g_szTeamNames[] = {"Pin Pals", "Strike Force", "Gutter Gang", "Split Ends",
                                     "Lucky Strikes", "Spare Parts", "Ten Pin Tigers", "Alley Cats"};

// The pairs of round r (0-based) of a round robin of n teams by the circle method: team 0
// stays put and the others turn one place each round; sides alternate so that home and
// away even out.
std::vector<std::pair<int, int>> RoundRobinPairs(int n, int r)
{
    std::vector<std::pair<int, int>> pairs;
    const int m = n - 1;
    for (int i = 0; i < n / 2; ++i) {
        int a = i == 0 ? 0 : 1 + (r + i - 1) % m;
        int b = 1 + (r + m - i - 1) % m;
        if (i == 0 && r % 2 == 1)
            std::swap(a, b);
        pairs.emplace_back(a, b);
    }
    return pairs;
}

int HandicapFor(const CBowlingDoc& doc, int nAverage)
{
    const CHandicapRule& rule = doc.m_HcpRule[HCP_RULE_ALL];
    return std::max(0, (rule.m_nBasis - nAverage) * rule.m_nPercent / 100);
}

CPlayer* MakePlayer(CBowlingDoc& doc, CSampleRandom& rnd, WORD nTeamNo)
{
    auto* p = new CPlayer(static_cast<WORD>(doc.GetNextPlayerNumber()));
    int n = p->m_nPlayerNo - 1;
    p->m_strSurname = g_szSurnames[(n * 7) % 20];
    p->m_strFirstName = g_szFirstNames[(n * 3 + n / 20) % 20];
    if (n >= 20)
        p->m_strSurname.AppendFormat("-%d", n / 20 + 1);
    p->MakeDisplayName(doc.m_bSurnameFirst);
    p->m_nTeamNo = nTeamNo;
    p->m_nPin = static_cast<WORD>(1000 + p->m_nPlayerNo);
    p->m_wFlags = (n % 3 == 1) ? PF_FEMALE : PF_MALE;
    int nAverage = rnd.Next(130, 195);
    p->SetEnteringAverage(static_cast<WORD>(nAverage * 10 + rnd.Next(0, 9)));
    p->m_nAverage = static_cast<WORD>(nAverage);
    p->m_nHandicap = HandicapFor(doc, nAverage);
    p->m_strAddress[0].Format("%d Mill Lane", 10 + n);
    p->m_strAddress[4] = "HX1 2AB";
    p->m_strPhoneHome.Format("01422 %06d", 300000 + n * 37);
    doc.AddPlayer(p);
    return p;
}

void AddExtras(CBowlingDoc& doc)
{
    auto* pVenue = new CVenue(1);
    pVenue->m_strName = "Calder Valley Bowl";
    pVenue->m_strAddress[0] = "Wharf Street";
    pVenue->m_strPostcode = "HX6 2AF";
    pVenue->m_strPhone = "01422 555010";
    pVenue->m_nStartLane = 1;
    pVenue->m_nLastLane = 16;
    doc.m_listVenues.AddTail(pVenue);

    auto* pIncome = new CAccountItemType;
    pIncome->m_nId = 0;
    pIncome->m_bIncome = TRUE;
    pIncome->m_nDefaultAmount = 500;
    pIncome->m_strName = "Weekly fees";
    doc.m_listIncomeTypes.AddTail(pIncome);
    auto* pExpense = new CAccountItemType;
    pExpense->m_strName = "Lane hire";
    pExpense->m_nDefaultAmount = 3000;
    doc.m_listExpenseTypes.AddTail(pExpense);
    auto* pFee = new CPaymentItem;
    pFee->m_nFlags = CPaymentItem::flagIndividual;
    pFee->m_nAmount = 500;
    pFee->m_strDescription = "Bowling fee";
    doc.m_listPaymentItems.AddTail(pFee);
    auto* pEntry = new CAccountItem(0, TRUE);
    pEntry->m_nRound = 1;
    pEntry->m_nAmount = 16000;
    pEntry->m_strComment = "Round 1 fees";
    doc.m_listAccountItems.AddTail(pEntry);

    auto* pManual = new CAwards(0);
    pManual->m_nKind = CAwards::kindManual;
    pManual->m_strName = "Turkey";
    doc.m_listAwards.AddTail(pManual);
    auto* pAuto = new CAwards(1);
    pAuto->m_nHigh = 300;
    pAuto->m_nLow = 250;
    pAuto->MakeDescription();
    doc.m_listAwards.AddTail(pAuto);
    // A Turkey in game 2 of round 2's first match, for side A's first bowler of that game: the
    // award dialog offers only those who bowled, never the vacancy.
    if (const CFixture* f = doc.FindFixtureByRoundMatch(2, 1)) {
        for (int p = 0; p < f->m_nPlayers; ++p) {
            const CPlayer* pBowler = f->GetBowledGame(0, p, 1).pBowler;
            if (!pBowler)
                continue;
            auto* pAward = new CAwardData(1);
            pAward->m_nRound = 2;
            pAward->m_nMatch = 1;
            pAward->m_nCategory = 0;
            pAward->m_nPlayerNo = pBowler->m_nPlayerNo;
            pAward->m_nGame = 2;
            doc.AddAwardRecord(pAward);
            break;
        }
    }

    auto* pJuniors = new CJuniorCategory(1);
    pJuniors->m_strName = "Under 18";
    pJuniors->m_nLowerAge = 5;
    pJuniors->m_nUpperAge = 18;
    doc.m_listJuniorCategories.AddTail(pJuniors);
    doc.m_timeJuniorQualifying = CTime(2025, 9, 1, 0, 0, 0);
    doc.m_arrMembershipTypes.Add("Adult");
    doc.m_arrMembershipTypes.Add("Junior");
}

} // namespace

SampleLeagueShape GetSampleLeagueShape(BOOL bLarge)
{
    return bLarge ? SampleLeagueShape{40, 5, 4, 52, 52} : SampleLeagueShape{8, 4, 3, 21, 10};
}

void BuildSampleLeague(CBowlingDoc& doc, const SampleLeagueShape& shape, BOOL bWithExtras)
{
    doc.DeleteContents();
    doc.ResetSettings();
    CSampleRandom rnd(20250905);
    const BOOL bSmall = shape.nTeams <= 8;

    doc.m_strLeagueName = bSmall ? "Calder Valley Monday League" : "Calder Valley Winter League";
    doc.m_strSanctionedBy = "Calder Valley Bowling Association";
    doc.m_strSanctionNumber = "CVBA-2025-17";
    doc.m_strPresident = "Alan Ashdown";
    doc.m_strSecretary = "Hazel Hallam";
    doc.m_strTreasurer = "Keith Kettle";
    doc.m_strSecretaryPhone = "01422 300259";
    doc.m_nGamesPerMatch = static_cast<BYTE>(shape.nGames);
    doc.m_nPlayersPerTeam = static_cast<BYTE>(shape.nPlayers);
    doc.m_nMaxPlayersPerTeam = 8;
    doc.m_nTeams = static_cast<BYTE>(shape.nTeams);
    doc.m_nRounds = static_cast<BYTE>(shape.nRounds);
    doc.m_bHandicapLeague = 1;
    doc.m_bScratchLeague = 0;
    doc.m_HcpRule[HCP_RULE_ALL] = CHandicapRule{220, 90, 0, 0, 0, 0};
    doc.m_nEnteringAvgGames = 9;
    // Two points a game to the better bowler, two to the better team, four for the series.
    CPointsRule& pts = doc.m_HcpPoints;
    pts.m_bIndividual = 1;
    pts.m_bTeam = 1;
    for (int g = 0; g < shape.nGames; ++g) {
        pts.m_nIndividualGame[g] = 2;
        pts.m_nTeamGame[g] = 2;
    }
    pts.m_nTeamSeries = 4;
    doc.m_nMaxHandicapPoints = 2 * shape.nGames + 4 + 2 * shape.nGames * shape.nPlayers;
    doc.SetStandingsKey(TRUE, 0, 1);
    doc.SetStandingsKey(TRUE, 1, 2);
    doc.SetStandingsKey(TRUE, 2, 6);
    doc.m_nQualifyingPct[0] = 50;
    // Robot 1 is the vacancy: a flat 120 with 30 handicap; robot 2 bowls the opponent's
    // average less 10 pins and scores for defaulted matches.
    doc.m_Robot[1].m_nKind = CRobot::kindAverageLessPins;
    doc.m_dwRobotIfDefault = 2;
    doc.m_BlindScore[3].m_nMethod = CBlindScore::methodAverageLessPins;
    doc.m_BlindScore[3].m_nPins = 10;
    doc.m_strReportTitle = doc.m_strLeagueName;
    doc.UpdateHandicapFactors();

    // Teams and their bowlers; the last team of the small league fields a vacancy.
    CPlayer* pVacancy = nullptr;
    if (bSmall) {
        pVacancy = new CPlayer(static_cast<WORD>(doc.GetNextPlayerNumber()));
        pVacancy->m_strSurname = "Vacancy";
        pVacancy->MakeDisplayName(doc.m_bSurnameFirst);
        pVacancy->m_nRobot = 1;
        pVacancy->m_nAverage = 120;
        pVacancy->m_nHandicap = 30;
        doc.AddPlayer(pVacancy);
    }
    for (int t = 1; t <= shape.nTeams; ++t) {
        CString strName;
        if (bSmall)
            strName = g_szTeamNames[t - 1];
        else
            strName.Format("Team_%02d", t);
        auto* pTeam = new CTeam(strName, static_cast<WORD>(t));
        pTeam->m_nScrPosition = pTeam->m_nHcpPosition = pTeam->m_nRankPosition = static_cast<WORD>(t);
        doc.AddTeam(pTeam);
        int nReal = (pVacancy && t == shape.nTeams) ? shape.nPlayers - 1 : shape.nPlayers;
        for (int i = 0; i < nReal; ++i)
            pTeam->m_arrTeamOrder.Add(MakePlayer(doc, rnd, pTeam->m_nTeamNo)->m_nPlayerNo);
        if (pVacancy && t == shape.nTeams)
            pTeam->m_arrTeamOrder.Add(pVacancy->m_nPlayerNo);
        pTeam->m_nCaptain = pTeam->m_arrTeamOrder[0];
    }
    // Two floating substitutes.
    CPlayer* pSub = MakePlayer(doc, rnd, 0);
    MakePlayer(doc, rnd, 0);

    // The season: a round robin, one round a week from the first Monday of September.
    for (int r = 0; r < shape.nRounds; ++r) {
        // Calendar weeks, so the clock change in October keeps the 7.30 start.
        // Christmas week (round 17's Monday) is a free date, in its place in the calendar: the
        // rounds after it move on a week.
        const int nWeek = bSmall && r >= 16 ? r + 1 : r;
        if (bSmall && r == 16) {
            auto* pFree = new CFreeWeek;
            pFree->m_bFreeDate = 1;
            pFree->m_time = CTime(2025, 12, 22, 19, 30, 0);
            pFree->m_strReason = "Christmas";
            doc.m_listFreeWeeks.AddTail(pFree);
        }
        CTime due(2025, 9, 1 + 7 * nWeek, 19, 30, 0);
        auto* pWeek = new CFreeWeek(r + 1);
        pWeek->m_nFirstRound = pWeek->m_nLastRound = static_cast<BYTE>(r + 1);
        pWeek->m_time = due;
        doc.m_listFreeWeeks.AddTail(pWeek);
        auto pairs = RoundRobinPairs(shape.nTeams, r % (shape.nTeams - 1));
        int nMatch = 0;
        for (auto [a, b] : pairs) {
            auto* f = new CFixture(r + 1, a + 1, b + 1, shape.nPlayers);
            f->m_nMatch = static_cast<BYTE>(++nMatch);
            f->m_nGames = static_cast<BYTE>(shape.nGames);
            f->m_nVenue = bWithExtras ? 1 : 0;
            f->m_timeDue = due;
            doc.AddFixture(f);
        }
    }

    // Results up to the round played: the team orders bowl, every score around the average.
    // Each match is worked as its scoresheet works it, on the averages and handicaps in force
    // at it (the round's, worked once a round); the scores scatter around each bowler's entering
    // average.
    int nBlindDone = 0, nSubDone = 0;
    CHeldFigures held(doc);
    for (POSITION pos = doc.GetFirstFixturePosition(); pos;) {
        auto* f = static_cast<CFixture*>(doc.m_listFixtures.GetNext(pos));
        if (f->m_nRound > shape.nRoundsPlayed)
            break;
        BOOL bHandicap = FALSE, bScratch = FALSE;
        CMatchWorking::ScoringSystems(doc, *f, bHandicap, bScratch);
        CMatchWorking working;
        working.Bind(&doc, f, shape.nPlayers, bHandicap, bScratch);
        working.m_pHeld = &held;
        working.FiguresInForce(f->m_timeDue);
        for (int side = 0; side < 2; ++side) {
            CTeam* pTeam = side == 0 ? f->m_pTeamA : f->m_pTeamB;
            for (int p = 0; p < shape.nPlayers; ++p)
                f->SetPlayer(side, p, doc.FindPlayer(pTeam->m_arrTeamOrder[p]));
            for (int p = 0; p < shape.nPlayers; ++p) {
                int k = CFixture::SlotOf(side, p);
                for (int g = 0; g < shape.nGames; ++g) {
                    CPlayer* pPlayer = f->m_pPlayer[g][k];
                    if (pPlayer->IsRobot()) // the vacancy, scored by its rule
                        continue;
                    const int nBase = pPlayer->GetEnteringAverage(TRUE) / 10;
                    f->m_nScore[g][k] = static_cast<WORD>(std::clamp(nBase + rnd.Next(-35, 45), 60, 300));
                }
            }
            f->SetPlayed(side, true);
            f->m_timePlayed[side] = f->m_timeDue;
        }
        // One blind game: a bowler absent for game 2 of round 3, scored and handicapped by the
        // league's blind rule.
        if (f->m_nRound == 3 && !nBlindDone++)
            f->m_dwPosFlags[CFixture::SlotOf(1, std::min(1, shape.nPlayers - 1))] |= PosBlind(1);
        // One substitute: a floating sub bowls the last game of position 3 in round 5. The game
        // is wholly his: his score, his average and his handicap are the game's.
        if (f->m_nRound == 5 && !nSubDone++) {
            int k = CFixture::SlotOf(0, std::min(2, shape.nPlayers - 1));
            int g = shape.nGames - 1;
            f->m_dwPosFlags[k] |= PosPacer(g);
            f->m_wPacerNo[g][k] = pSub->m_nPlayerNo;
            f->m_pPacer[g][k] = pSub;
            f->m_nPacerScore[g][k] = f->m_nScore[g][k];
        }
        working.Recalculate();
        working.WorkPoints();
    }
    doc.m_nCurrentRound = static_cast<BYTE>(std::min(shape.nRoundsPlayed + 1, shape.nRounds));

    if (bWithExtras)
        AddExtras(doc);
    doc.SetPlayerTeamsFromOrders();
    doc.CountMatchesPerRound();
    doc.UpdateSplitState();
    doc.AssignJuniorCategories();
    doc.Recalculate();
}
