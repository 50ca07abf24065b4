#include "results/ScoresheetDlg.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "league/BowlingDoc.h"
#include "league/Fixture.h"
#include "league/Player.h"
#include "league/PointsText.h"
#include "league/Team.h"
#include "resources/dialogs/ResultDialogs.h"

namespace {

// The score boxes take whole numbers from 0 to the league's limit. A minus sign reads as a
// number far above the limit, as it always has, so it gets the range message.
void DDX_Score(CDataExchange* pDX, int nIDC, UINT& value, UINT nMax)
{
    if (!pDX->m_bSaveAndValidate) {
        DDX_Text(pDX, nIDC, value);
        return;
    }
    CControlState* s = pDX->PrepareEditCtrl(nIDC);
    if (!s)
        return;
    CString t = s->text;
    t.Trim();
    const char* p = t;
    char* end = nullptr;
    errno = 0;
    long long v = t.IsEmpty() ? 0 : std::strtoll(p, &end, 10);
    if (t.IsEmpty() || end == p || *end != '\0' || errno == ERANGE) {
        AfxMessageBox("Please enter an integer.", MB_OK | MB_ICONEXCLAMATION);
        pDX->Fail();
    }
    if (v < 0 || v > static_cast<long long>(nMax)) {
        CString hi, msg;
        hi.Format("%u", nMax);
        AfxFormatString2(msg, "Please enter an integer between %1 and %2.", "0", hi);
        AfxMessageBox(msg, MB_OK | MB_ICONEXCLAMATION);
        // Unlike the classic exchange the member keeps its value: a refused number never
        // reaches the fixture.
        pDX->Fail();
    }
    value = static_cast<UINT>(v);
}

CString Num(long n)
{
    CString s;
    s.Format("%ld", n);
    return s;
}

}  // namespace

CScoresheetDlg::CScoresheetDlg(UINT nIDTemplate, int nPositions, CWnd* pParent)
    : CDialog(nIDTemplate, pParent), m_nPositions(std::clamp(nPositions, 1, SCORESHEET_MAX_POSITIONS))
{
}

BEGIN_MESSAGE_MAP(CScoresheetDlg, CDialog)
    ON_CONTROL_RANGE(EN_KILLFOCUS, 686, 834, OnKillFocusScore)
    ON_CONTROL_RANGE(EN_CHANGE, 686, 834, OnChangeScore)
    ON_CONTROL_RANGE(EN_SETFOCUS, 686, 834, OnSetFocusScore)
    ON_CONTROL_RANGE(CBN_SELCHANGE, 236, 245, OnSelChangePlayer)
    ON_CONTROL_RANGE(BN_CLICKED, 1456, 1463, OnDefaulted)
    ON_BN_CLICKED(IDC_SS_AUTO_TAB, OnAutoTabScores)
    ON_BN_CLICKED(1232, OnPlayedA)
    ON_BN_CLICKED(1236, OnPlayedB)
    ON_BN_CLICKED(1231, OnChangeDatePlayedA)
    ON_BN_CLICKED(1235, OnChangeDatePlayedB)
    ON_BN_CLICKED(682, OnSubsA)
    ON_BN_CLICKED(683, OnSubsB)
    ON_BN_CLICKED(699, OnBlindsA)
    ON_BN_CLICKED(740, OnBlindsB)
    ON_CONTROL_RANGE(BN_CLICKED, 1473, 1475, OnExcludeButton)
    ON_BN_CLICKED(IDC_SS_AWARDS, OnAwards)
    ON_BN_CLICKED(IDC_SS_NEW_PLAYER, OnNewPlayer)
    ON_BN_CLICKED(IDC_SS_POINTS, OnPoints)
END_MESSAGE_MAP()

// ---- small helpers ----------------------------------------------------------------------------

UINT CScoresheetDlg::CellID(int nSide, int nPos, int nGame) const
{
    return (nSide == 0 ? IDC_SS_SCORE_A : IDC_SS_SCORE_B)[nPos] + static_cast<UINT>(nGame);
}

bool CScoresheetDlg::FindCell(UINT nID, int& nSide, int& nPos, int& nGame) const
{
    for (int s = 0; s < 2; ++s)
        for (int p = 0; p < m_nPositions; ++p) {
            UINT base = CellID(s, p, 0);
            if (nID >= base && nID < base + 4) {
                nSide = s;
                nPos = p;
                nGame = static_cast<int>(nID - base);
                return true;
            }
        }
    return false;
}

int CScoresheetDlg::LeagueGames() const { return std::clamp<int>(m_pDoc->m_nGamesPerMatch, 1, 4); }

BOOL CScoresheetDlg::UsesTeamHandicaps() const { return m_pDoc->m_bTeamHandicaps != 0; }

CPlayer* CScoresheetDlg::SlotPlayer(int nGame, int nSlot) const
{
    if (CPlayer* p = m_pFixture->m_pPlayer[nGame][nSlot])
        return p;
    return m_pDoc->FindPlayer(m_pFixture->m_wPlayerNo[nGame][nSlot]);
}

void CScoresheetDlg::RemoveControl(UINT nID)
{
    if (CWnd* w = GetDlgItem(static_cast<int>(nID))) {
        w->EnableWindow(FALSE);
        w->ShowWindow(SW_HIDE);
    }
}

void CScoresheetDlg::MoveControlX(UINT nID, int nNewX)
{
    if (CWnd* w = GetDlgItem(static_cast<int>(nID))) {
        CRect rc;
        w->GetWindowRect(&rc);
        w->MoveWindow(nNewX, rc.top, rc.Width(), rc.Height());
    }
}

// ---- opening ------------------------------------------------------------------------------

BOOL CScoresheetDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CenterWindow();

    m_strStatus.Format("Rnd %d.  Due :  %s", m_pFixture->m_nRound,
                       static_cast<const char*>(m_pFixture->m_timeDue.Format("%a %b %d %Y %I:%M %p")));
    m_bAutoTab = m_pDoc->m_bAutoTabScores ? TRUE : FALSE;
    m_opened = *m_pFixture;
    m_working.Bind(m_pDoc, m_pFixture, m_nPositions, m_bHandicapScoring, m_bScratchScoring);
    m_bScoresCompleteA = ScoresInWhenOpened(0);
    m_bScoresCompleteB = ScoresInWhenOpened(1);

    InitLayout();
    ReinitialisePlayers();
    return TRUE;
}

BOOL CScoresheetDlg::ScoresInWhenOpened(int nSide) const
{
    // A vacancy's or robot's games come in with the line-up, whatever road brought it there,
    // as a typed score does: a side without a result that they complete ticks itself as the
    // sheet opens, and one with bowlers too as their last score is typed.
    const CFixture& f = *m_pFixture;
    return f.AreScoresComplete(nSide == 0) && (f.m_bPlayed[nSide] || !f.HoldsRobotGames(nSide));
}

void CScoresheetDlg::InitLayout()
{
    ArrangeGameColumns(LeagueGames());
    if (!m_bHandicapScoring)
        HideHandicapControls(TRUE);
    else if (UsesTeamHandicaps() && !IsSingles())
        HideHandicapControls(FALSE);

    for (int p = 0; p < m_nPositions; ++p) {
        m_comboPlayerA[p].ResetContent();
        m_comboPlayerB[p].ResetContent();
    }
    if (!IsSingles()) {
        RepeatLastRoundOrder(0);
        RepeatLastRoundOrder(1);
    }

    for (int g = 0; g < 4; ++g)
        if (m_bDefaultedA[g])
            ApplyDefaultedGame(0, g, TRUE);
    for (int g = 0; g < 4; ++g)
        if (m_bDefaultedB[g])
            ApplyDefaultedGame(1, g, TRUE);

    // A side ticked without a date of its own bowled when the match was due.
    m_timePlayedA = m_pFixture->GetDayBowled(0);
    m_timePlayedB = m_pFixture->GetDayBowled(1);
}

void CScoresheetDlg::RefillPlayerCombos()
{
    for (int p = 0; p < m_nPositions; ++p) {
        m_comboPlayerA[p].ResetContent();
        m_comboPlayerB[p].ResetContent();
    }
    FillPlayerCombos(0);
    FillPlayerCombos(1);
}

void CScoresheetDlg::ReinitialisePlayers()
{
    RefillPlayerCombos();

    // Whatever the current round, the command or the matches entered before it, a match is
    // scored on the figures in force when it was bowled.
    m_working.FiguresInForce(m_timePlayedA);
    Recalculate();
    RefreshDisplay();
}

void CScoresheetDlg::ArrangeGameColumns(int nGames)
{
    auto columnIDs = [this](int g) {
        std::vector<UINT> ids;
        for (int s = 0; s < 2; ++s) {
            for (int p = 0; p < m_nPositions; ++p)
                ids.push_back(CellID(s, p, g));
            if (IsSingles()) {
                ids.push_back(IDC_SS1_HCPSCORE[s][g]);
            } else {
                ids.push_back(IDC_SS_SCRTOTAL[s][g]);
                ids.push_back(IDC_SS_HANDICAP[s][g]);
                ids.push_back(IDC_SS_HCPTOTAL[s][g]);
            }
            ids.push_back(IDC_SS_DEFAULTED[s][g]);
            UINT head = IDC_SS_HEAD_G[s][g];
            if (IsSingles() && s == 1 && g == 3)
                head = IDC_SS1_HEAD_G4_B;
            if (head)
                ids.push_back(head);
        }
        return ids;
    };
    auto columnX = [this](UINT nID) {
        CRect rc;
        if (CWnd* w = GetDlgItem(static_cast<int>(nID)))
            w->GetWindowRect(&rc);
        return rc.left;
    };

    for (int g = std::max(nGames, 1); g < 4; ++g)
        for (UINT id : columnIDs(g))
            RemoveControl(id);
    if (nGames == 3) {
        // Three columns spread over the width of four: game 3 takes game 4's place and
        // game 2 moves right by half a column.
        const int pitch = columnX(CellID(0, 0, 3)) - columnX(CellID(0, 0, 2));
        const std::vector<UINT> g2 = columnIDs(1), g3 = columnIDs(2), g4 = columnIDs(3);
        for (size_t i = 0; i < g3.size(); ++i) {
            MoveControlX(g3[i], columnX(g4[i]));
            MoveControlX(g2[i], columnX(g2[i]) + pitch / 2);
        }
    }
}

void CScoresheetDlg::HideHandicapControls(BOOL bAll)
{
    for (int s = 0; s < 2; ++s) {
        for (int p = 0; p < m_nPositions; ++p) {
            RemoveControl((s == 0 ? IDC_SS_HC_A : IDC_SS_HC_B)[p]);
            RemoveControl((s == 0 ? IDC_SS_HCPSERIES_A : IDC_SS_HCPSERIES_B)[p]);
        }
        RemoveControl(IsSingles() && s == 1 ? IDC_SS1_HEAD_HC_B : IDC_SS_HEAD_HC[s]);
        RemoveControl(IDC_SS_HEAD_HCPSERIES[s]);
        if (!bAll)
            continue;
        if (IsSingles()) {
            for (int g = 0; g < 4; ++g)
                RemoveControl(IDC_SS1_HCPSCORE[s][g]);
            RemoveControl(IDC_SS1_HCPSCORE_SERIES[s]);
            RemoveControl(IDC_SS_LABEL_WITH_HCP[s]);
            RemoveControl(IDC_SS1_LABEL_POINTS_HCP[s]);
        } else {
            for (int g = 0; g < 4; ++g) {
                RemoveControl(IDC_SS_HANDICAP[s][g]);
                RemoveControl(IDC_SS_HCPTOTAL[s][g]);
            }
            RemoveControl(IDC_SS_HANDICAP_SERIES[s]);
            RemoveControl(IDC_SS_HCPTOTAL_SERIES[s]);
            RemoveControl(IDC_SS_LABEL_HANDICAP[s]);
            RemoveControl(IDC_SS_LABEL_HCPTOTAL[s]);
            RemoveControl(IDC_SS_LABEL_POINTS_HCP[s]);
        }
        RemoveControl(IDC_SS_POINTS_HCP[s]);
    }
}

void CScoresheetDlg::RepeatLastRoundOrder(int nSide)
{
    CFixture& f = *m_pFixture;
    if (f.m_bPlayed[nSide] || f.m_nRound <= 1 || !m_pDoc->m_bRepeatLastRoundOrder)
        return;
    const WORD nTeam = nSide == 0 ? f.m_nTeamA : f.m_nTeamB;
    CFixture* pLast = m_pDoc->FindFixtureForTeam(nTeam, f.m_nRound - 1);
    CTeam* pTeam = m_pDoc->FindTeam(nTeam);
    if (!pLast || !pTeam)
        return;
    const int nLastSide = pLast->m_nTeamA == nTeam ? 0 : 1;
    for (int k = 0; k < m_nPositions; ++k) {
        const int nSlot = CFixture::SlotOf(nLastSide, k);
        CPlayer* pPlayer = pLast->m_pPlayer[0][nSlot];
        if (!pPlayer)
            pPlayer = m_pDoc->FindPlayer(pLast->m_wPlayerNo[0][nSlot]);
        if (!pPlayer && k < pTeam->GetOrderCount())
            pPlayer = m_pDoc->FindPlayer(pTeam->GetOrderAt(k));
        // An order entry naming nobody leaves the position as it is.
        if (pPlayer)
            f.SetPlayer(nSide, k, pPlayer);
    }
}

void CScoresheetDlg::FillPlayerCombos(int nSide)
{
    CFixture& f = *m_pFixture;
    CComboBox* combos = nSide == 0 ? m_comboPlayerA : m_comboPlayerB;
    CString* names = nSide == 0 ? m_strPlayerA : m_strPlayerB;
    CTeam* pTeam = m_pDoc->FindTeam(nSide == 0 ? f.m_nTeamA : f.m_nTeamB);
    std::vector<WORD> listed;
    if (pTeam) {
        for (int i = 0; i < pTeam->GetOrderCount(); ++i) {
            CPlayer* pPlayer = m_pDoc->FindPlayer(pTeam->GetOrderAt(i));
            if (!pPlayer)
                continue;
            listed.push_back(pPlayer->m_nPlayerNo);
            for (int p = 0; p < m_nPositions; ++p)
                combos[p].SetItemDataPtr(combos[p].AddString(pPlayer->m_strName), pPlayer);
        }
    }
    for (int p = 0; p < m_nPositions; ++p) {
        const int nSlot = CFixture::SlotOf(nSide, p);
        CPlayer* pPlayer = SlotPlayer(0, nSlot);
        names[p] = pPlayer ? pPlayer->m_strName : CString();
        if (pPlayer && std::find(listed.begin(), listed.end(), pPlayer->m_nPlayerNo) == listed.end())
            combos[p].SetItemDataPtr(combos[p].AddString(pPlayer->m_strName), pPlayer);
    }
}

// ---- data exchange --------------------------------------------------------------------------

void CScoresheetDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    const int n = m_nPositions;
    for (int p = 0; p < n; ++p) {
        for (int g = 0; g < 4; ++g) {
            DDX_Control(pDX, static_cast<int>(CellID(0, p, g)), m_editScoreA[p][g]);
            DDX_Control(pDX, static_cast<int>(CellID(1, p, g)), m_editScoreB[p][g]);
        }
        DDX_Control(pDX, static_cast<int>(IDC_SS_PLAYER_A[p]), m_comboPlayerA[p]);
        DDX_Control(pDX, static_cast<int>(IDC_SS_PLAYER_B[p]), m_comboPlayerB[p]);
    }

    const UINT nMax = m_pDoc && m_pDoc->m_bFivePinRules ? 450 : 300;
    for (int s = 0; s < 2; ++s)
        for (int p = 0; p < n; ++p)
            for (int g = 0; g < 4; ++g)
                DDX_Score(pDX, static_cast<int>(CellID(s, p, g)), ScoreMember(s, p, g), nMax);

    DDX_Text(pDX, static_cast<int>(IDC_SS_TEAM[0]), m_strTeamA);
    DDX_Text(pDX, static_cast<int>(IDC_SS_TEAM[1]), m_strTeamB);
    for (int p = 0; p < n; ++p) {
        DDX_Text(pDX, static_cast<int>(IDC_SS_HC_A[p]), m_strHcpA[p]);
        DDX_Text(pDX, static_cast<int>(IDC_SS_HC_B[p]), m_strHcpB[p]);
        DDX_Text(pDX, static_cast<int>(IDC_SS_SERIES_A[p]), m_strSeriesA[p]);
        DDX_Text(pDX, static_cast<int>(IDC_SS_SERIES_B[p]), m_strSeriesB[p]);
        DDX_Text(pDX, static_cast<int>(IDC_SS_HCPSERIES_A[p]), m_strHcpSeriesA[p]);
        DDX_Text(pDX, static_cast<int>(IDC_SS_HCPSERIES_B[p]), m_strHcpSeriesB[p]);
    }
    if (IsSingles()) {
        for (int g = 0; g < 4; ++g) {
            DDX_Text(pDX, static_cast<int>(IDC_SS1_HCPSCORE[0][g]), m_strHcpTotalA[g]);
            DDX_Text(pDX, static_cast<int>(IDC_SS1_HCPSCORE[1][g]), m_strHcpTotalB[g]);
        }
        DDX_Text(pDX, static_cast<int>(IDC_SS1_HCPSCORE_SERIES[0]), m_strHcpTotalSeriesA);
        DDX_Text(pDX, static_cast<int>(IDC_SS1_HCPSCORE_SERIES[1]), m_strHcpTotalSeriesB);
    } else {
        for (int g = 0; g < 4; ++g) {
            DDX_Text(pDX, static_cast<int>(IDC_SS_SCRTOTAL[0][g]), m_strScratchTotalA[g]);
            DDX_Text(pDX, static_cast<int>(IDC_SS_SCRTOTAL[1][g]), m_strScratchTotalB[g]);
            DDX_Text(pDX, static_cast<int>(IDC_SS_HANDICAP[0][g]), m_strHandicapA[g]);
            DDX_Text(pDX, static_cast<int>(IDC_SS_HANDICAP[1][g]), m_strHandicapB[g]);
            DDX_Text(pDX, static_cast<int>(IDC_SS_HCPTOTAL[0][g]), m_strHcpTotalA[g]);
            DDX_Text(pDX, static_cast<int>(IDC_SS_HCPTOTAL[1][g]), m_strHcpTotalB[g]);
        }
        DDX_Text(pDX, static_cast<int>(IDC_SS_SCRTOTAL_SERIES[0]), m_strScratchSeriesA);
        DDX_Text(pDX, static_cast<int>(IDC_SS_SCRTOTAL_SERIES[1]), m_strScratchSeriesB);
        DDX_Text(pDX, static_cast<int>(IDC_SS_HANDICAP_SERIES[0]), m_strHandicapSeriesA);
        DDX_Text(pDX, static_cast<int>(IDC_SS_HANDICAP_SERIES[1]), m_strHandicapSeriesB);
        DDX_Text(pDX, static_cast<int>(IDC_SS_HCPTOTAL_SERIES[0]), m_strHcpTotalSeriesA);
        DDX_Text(pDX, static_cast<int>(IDC_SS_HCPTOTAL_SERIES[1]), m_strHcpTotalSeriesB);
    }
    DDX_Text(pDX, static_cast<int>(IDC_SS_POINTS_SCR[0]), m_strScratchPointsA);
    DDX_Text(pDX, static_cast<int>(IDC_SS_POINTS_HCP[0]), m_strHandicapPointsA);
    DDX_Text(pDX, static_cast<int>(IDC_SS_POINTS_SCR[1]), m_strScratchPointsB);
    DDX_Text(pDX, static_cast<int>(IDC_SS_POINTS_HCP[1]), m_strHandicapPointsB);
    DDX_Text(pDX, static_cast<int>(IDC_SS_DATE_PLAYED[0]), m_strDatePlayedA);
    DDX_Text(pDX, static_cast<int>(IDC_SS_DATE_PLAYED[1]), m_strDatePlayedB);
    DDX_Text(pDX, static_cast<int>(IDC_SS_STATUS), m_strStatus);
    for (int p = 0; p < n; ++p) {
        DDX_CBString(pDX, static_cast<int>(IDC_SS_PLAYER_A[p]), m_strPlayerA[p]);
        DDX_CBString(pDX, static_cast<int>(IDC_SS_PLAYER_B[p]), m_strPlayerB[p]);
    }

    // The boxes last: an exchange stopped by a score leaves them as they were.
    DDX_Check(pDX, static_cast<int>(IDC_SS_PLAYED[0]), m_bPlayedA);
    DDX_Check(pDX, static_cast<int>(IDC_SS_PLAYED[1]), m_bPlayedB);
    DDX_Check(pDX, static_cast<int>(IDC_SS_AUTO_TAB), m_bAutoTab);
    for (int g = 0; g < 4; ++g) {
        DDX_Check(pDX, static_cast<int>(IDC_SS_DEFAULTED[0][g]), m_bDefaultedA[g]);
        DDX_Check(pDX, static_cast<int>(IDC_SS_DEFAULTED[1][g]), m_bDefaultedB[g]);
    }
}

// ---- recalculation --------------------------------------------------------------------------

void CScoresheetDlg::Recalculate()
{
    m_working.Recalculate();
    MirrorWorkedCells();
}

void CScoresheetDlg::MirrorWorkedCells()
{
    const CFixture& f = *m_pFixture;
    for (int s = 0; s < 2; ++s)
        for (int g = 0; g < LeagueGames(); ++g)
            for (int p = 0; p < m_nPositions; ++p) {
                const int k = CFixture::SlotOf(s, p);
                const DWORD dwFlags = f.m_dwPosFlags[k];
                const bool bBlind = (dwFlags & PosBlind(g)) != 0;
                const bool bNonQual = (dwFlags & PosNonQual(g)) != 0;
                const bool bDefaulted = (f.m_nDefaulted[s] & DefaultedBit(g)) != 0;
                if (bBlind)
                    ScoreMember(s, p, g) = f.m_nScore[g][k];
                if (CWnd* w = GetDlgItem(static_cast<int>(CellID(s, p, g))))
                    w->EnableWindow(!bBlind && !bNonQual && !bDefaulted);
            }
}

void CScoresheetDlg::RefreshDisplay()
{
    CFixture& f = *m_pFixture;
    // A side is ticked by itself once, when its last missing game comes in: a typed score, or
    // a vacancy's (ScoresInWhenOpened).
    if (!m_bScoresCompleteA && !f.m_bPlayed[0] && f.AreScoresComplete(TRUE)) {
        m_bPlayedA = TRUE;
        MarkPlayed(0);
        m_bScoresCompleteA = TRUE;
    }
    if (!m_bScoresCompleteB && !f.m_bPlayed[1] && f.AreScoresComplete(FALSE)) {
        m_bPlayedB = TRUE;
        MarkPlayed(1);
        m_bScoresCompleteB = TRUE;
    }
    if (f.m_bPlayed[0])
        m_strDatePlayedA = f.m_timePlayed[0].Format("%d %b %y %I:%M%p");
    if (f.m_bPlayed[1])
        m_strDatePlayedB = f.m_timePlayed[1].Format("%d %b %y %I:%M%p");

    // The points, once both sides are in, and the team handicaps, as the match's working
    // gives them.
    const CMatchWorking::CPointsWorked worked = m_working.WorkPoints();
    MirrorWorkedCells();
    // A match without both results has no points to show: a side unticked takes them away.
    m_strHandicapPointsA = m_strHandicapPointsB = m_strScratchPointsA = m_strScratchPointsB = CString();
    if (worked.bHandicap) {
        m_strHandicapPointsA = FormatPassPoints(m_pDoc, PASS_HANDICAP, f.m_nHandicapMatchPoints[0]);
        m_strHandicapPointsB = FormatPassPoints(m_pDoc, PASS_HANDICAP, f.m_nHandicapMatchPoints[1]);
    }
    if (worked.bScratch) {
        m_strScratchPointsA = FormatPassPoints(m_pDoc, PASS_SCRATCH, f.m_nScratchMatchPoints[0]);
        m_strScratchPointsB = FormatPassPoints(m_pDoc, PASS_SCRATCH, f.m_nScratchMatchPoints[1]);
    }

    for (int p = 0; p < m_nPositions; ++p) {
        m_strSeriesA[p] = Num(f.GetPositionSeriesSideA(p, FALSE));
        if (m_bHandicapScoring)
            m_strHcpSeriesA[p] = Num(f.GetPositionSeriesSideA(p, TRUE));
    }
    for (int p = 0; p < m_nPositions; ++p) {
        m_strSeriesB[p] = Num(f.GetPositionSeriesSideB(p, FALSE));
        if (m_bHandicapScoring)
            m_strHcpSeriesB[p] = Num(f.GetPositionSeriesSideB(p, TRUE));
    }
    for (int p = 0; p < m_nPositions; ++p) {
        m_strHcpA[p] = Num(f.m_nHandicap[0][CFixture::SlotOf(0, p)]);
        m_strHcpB[p] = Num(f.m_nHandicap[0][CFixture::SlotOf(1, p)]);
    }

    if (IsSingles()) {
        // Each game with the handicap it is scored with: the side's team handicap, when the
        // league has them, in place of the bowler's; none in a game that scores nothing.
        for (int s = 0; s < 2; ++s) {
            const int k = CFixture::SlotOf(s, 0);
            CString* hcpScore = s == 0 ? m_strHcpTotalA : m_strHcpTotalB;
            int nSeries = f.GetPositionSeries(s, 0, FALSE);
            for (int g = 0; g < 4; ++g) {
                const int nHandicap = f.GetGameHandicap(s, g);
                hcpScore[g] = Num((f.IsScorelessGame(s, g) ? 0 : f.m_nScore[g][k]) + nHandicap);
                if (g < f.GetLeagueGames())
                    nSeries += nHandicap;
                if (g == 0)
                    (s == 0 ? m_strHcpA[0] : m_strHcpB[0]) = Num(nHandicap);
            }
            (s == 0 ? m_strHcpSeriesA[0] : m_strHcpSeriesB[0]) = Num(nSeries);
            (s == 0 ? m_strHcpTotalSeriesA : m_strHcpTotalSeriesB) = Num(nSeries);
        }
    } else {
        for (int s = 0; s < 2; ++s) {
            CString* hcpTotal = s == 0 ? m_strHcpTotalA : m_strHcpTotalB;
            CString* scrTotal = s == 0 ? m_strScratchTotalA : m_strScratchTotalB;
            CString* handicap = s == 0 ? m_strHandicapA : m_strHandicapB;
            long nHcpSum = 0, nScrSum = 0, nHandicapSum = 0;
            for (int g = 0; g < 4; ++g) {
                int nHcp = f.GetGameScore(s, g, TRUE), nScr = f.GetGameScore(s, g, FALSE);
                hcpTotal[g] = Num(nHcp);
                scrTotal[g] = Num(nScr);
                nHcpSum += nHcp;
                nScrSum += nScr;
                const long nHandicap = f.GetGameHandicap(s, g);
                handicap[g] = Num(nHandicap);
                nHandicapSum += nHandicap;
            }
            (s == 0 ? m_strHcpTotalSeriesA : m_strHcpTotalSeriesB) = Num(nHcpSum);
            (s == 0 ? m_strScratchSeriesA : m_strScratchSeriesB) = Num(nScrSum);
            (s == 0 ? m_strHandicapSeriesA : m_strHandicapSeriesB) = Num(nHandicapSum);
        }
    }
    UpdateData(FALSE);
}

void CScoresheetDlg::ApplyDefaultedGame(int nSide, int nGame, BOOL bDefaulted)
{
    CFixture& f = *m_pFixture;
    if (bDefaulted) {
        for (int p = 0; p < m_nPositions; ++p)
            ScoreMember(nSide, p, nGame) = 0;
    } else {
        // The robot's scores go, and what was typed before the tick comes back to the cells
        // and the totals alike.
        for (int p = 0; p < m_nPositions; ++p) {
            const WORD nScore = m_nScoreBeforeDefault[nSide][p][nGame];
            ScoreMember(nSide, p, nGame) = nScore;
            f.m_nScore[nGame][CFixture::SlotOf(nSide, p)] = nScore;
        }
    }
    m_working.MarkDefaultedGame(nSide, nGame, bDefaulted);
}

// ---- handlers -------------------------------------------------------------------------------

void CScoresheetDlg::OnDefaulted(UINT nID)
{
    int nSide = -1, nGame = -1;
    for (int s = 0; s < 2; ++s)
        for (int g = 0; g < 4; ++g)
            if (IDC_SS_DEFAULTED[s][g] == nID) {
                nSide = s;
                nGame = g;
            }
    if (nSide < 0)
        return;
    UpdateData(TRUE);
    const BOOL bDefaulted = (nSide == 0 ? m_bDefaultedA : m_bDefaultedB)[nGame];
    if (bDefaulted) {
        m_pFixture->m_nDefaulted[nSide] |= DefaultedBit(nGame);
        for (int p = 0; p < m_nPositions; ++p)
            m_nScoreBeforeDefault[nSide][p][nGame] = m_pFixture->m_nScore[nGame][CFixture::SlotOf(nSide, p)];
    } else {
        m_pFixture->m_nDefaulted[nSide] &= static_cast<BYTE>(~DefaultedBit(nGame));
    }
    ApplyDefaultedGame(nSide, nGame, bDefaulted);
    Recalculate();
    RefreshDisplay();
}

void CScoresheetDlg::StoreTypedScores()
{
    for (int s = 0; s < 2; ++s)
        for (int p = 0; p < m_nPositions; ++p)
            for (int g = 0; g < 4; ++g)
                if (m_bTyped[s][p][g]) {
                    const int k = CFixture::SlotOf(s, p);
                    const WORD nScore = static_cast<WORD>(ScoreMember(s, p, g));
                    m_pFixture->m_nScore[g][k] = nScore;
                    // A pacer's game is his score: the cell and the pacer slot are one figure.
                    if (m_pFixture->IsCellPaced(g, k))
                        m_pFixture->m_nPacerScore[g][k] = nScore;
                    m_bTyped[s][p][g] = false;
                }
}

void CScoresheetDlg::OnKillFocusScore(UINT nID)
{
    int s, p, g;
    if (!FindCell(nID, s, p, g))
        return;
    // A refused value stays in its box for correcting and never reaches the fixture; the
    // refusing box has the focus again.
    if (!UpdateData(TRUE)) {
        m_bTyped[s][p][g] = true;
        return;
    }
    m_bTyped[s][p][g] = true;
    StoreTypedScores();
    RefreshDisplay();
}

void CScoresheetDlg::OnChangeScore(UINT nID)
{
    int s, p, g;
    if (!FindCell(nID, s, p, g))
        return;
    m_bTyped[s][p][g] = true;
    if (!m_pDoc->m_bAutoTabScores)
        return;
    std::memset(m_szScoreText, 0, sizeof m_szScoreText);
    CString text = GetDlgItemText(static_cast<int>(nID));
    std::strncpy(m_szScoreText, text, 4);
    if (ScoreComplete()) {
        if (CWnd* pNext = GetNextDlgTabItem(GetDlgItem(static_cast<int>(nID))))
            pNext->SetFocus();
    }
}

BOOL CScoresheetDlg::ScoreComplete()
{
    char buf[sizeof m_szScoreText + 1] = {};
    std::memcpy(buf, m_szScoreText, sizeof m_szScoreText);
    const long n = std::strtol(buf, nullptr, 10);
    const long nThreshold = m_pDoc->m_bFivePinRules ? 45 : 30;
    return n > nThreshold;
}

void CScoresheetDlg::OnSetFocusScore(UINT nID)
{
    int s, p, g;
    if (!FindCell(nID, s, p, g))
        return;
    CEdit& edit = s == 0 ? m_editScoreA[p][g] : m_editScoreB[p][g];
    edit.SetSel(0, -1);
}

void CScoresheetDlg::OnSelChangePlayer(UINT nID)
{
    for (int s = 0; s < 2; ++s)
        for (int p = 0; p < m_nPositions; ++p) {
            if ((s == 0 ? IDC_SS_PLAYER_A : IDC_SS_PLAYER_B)[p] != nID)
                continue;
            CComboBox& combo = s == 0 ? m_comboPlayerA[p] : m_comboPlayerB[p];
            const int nSel = combo.GetCurSel();
            if (nSel < 0)
                return;
            CPlayer* pPlayer = static_cast<CPlayer*>(combo.GetItemDataPtr(nSel));
            if (!pPlayer)
                return;
            m_pFixture->SetPlayer(s, p, pPlayer);
            (s == 0 ? m_strPlayerA : m_strPlayerB)[p] = pPlayer->m_strName;
            // A vacancy's score goes with it: the bowler picked over it starts on empty cells.
            for (int g = 0; g < 4; ++g)
                ScoreMember(s, p, g) = m_pFixture->m_nScore[g][CFixture::SlotOf(s, p)];
            Recalculate();
            RefreshDisplay();
            return;
        }
}

void CScoresheetDlg::OnAutoTabScores()
{
    UpdateData(TRUE);
    const DWORD bNew = m_bAutoTab ? 1 : 0;
    if (m_pDoc->m_bAutoTabScores != bNew) {
        m_pDoc->m_bAutoTabScores = bNew;
        // A league setting: without this the change could be lost at close.
        m_pDoc->SetModifiedFlag();
    }
}

void CScoresheetDlg::OnPlayed(int nSide)
{
    UpdateData(TRUE);
    CFixture& f = *m_pFixture;
    int& bPlayed = nSide == 0 ? m_bPlayedA : m_bPlayedB;
    if (f.m_bPlayed[nSide]) {
        f.SetPlayed(nSide, false);
        bPlayed = FALSE;
        (nSide == 0 ? m_strDatePlayedA : m_strDatePlayedB).Empty();
    } else if (!f.AreScoresComplete(nSide == 0) &&
               AfxMessageBox("One or more games has a zero score. Select YES if that really is the case.",
                             MB_YESNO) != IDYES) {
        f.SetPlayed(nSide, false);
        bPlayed = FALSE;
    } else {
        MarkPlayed(nSide);
        bPlayed = TRUE;
    }
    RefreshDisplay();
}

void CScoresheetDlg::MarkPlayed(int nSide)
{
    CFixture& f = *m_pFixture;
    f.SetPlayed(nSide, true);
    // Without a date of its own the match was bowled when it was due, which is also the
    // date whose handicaps the sheet has been using; a date set by Change Date stays.
    if (f.m_timePlayed[nSide].GetTime() == 0)
        f.m_timePlayed[nSide] = nSide == 0 ? m_timePlayedA : m_timePlayedB;
}

void CScoresheetDlg::OnOK()
{
    // Every typed score is stored before the checks, the one being typed in included: the
    // dialog may close before that box would lose the focus (Enter on the default button).
    if (!UpdateData(TRUE))
        return;
    int s, p, g;
    if (FindCell(GetFocusID(), s, p, g))
        m_bTyped[s][p][g] = true;
    bool bTyped = false;
    for (auto& side : m_bTyped)
        for (auto& pos : side)
            for (bool b : pos)
                bTyped = bTyped || b;
    if (bTyped) {
        StoreTypedScores();
        RefreshDisplay();
    }
    if (m_pFixture->HasDuplicateBowler()) {
        AfxMessageBox("A player cannot play twice in the same match", MB_OK);
        return;
    }
    // A blind game the result held when the sheet opened was let stand when it was entered.
    if (m_pFixture->ExceedsBlindGameLimit(&m_opened))
        return;
    // A result the sheet opened with and left unticked is deleted: nothing of it stays to come
    // back, when the match is entered again, as something it was not.
    for (int s = 0; s < 2; ++s)
        if (m_opened.m_bPlayed[s] && !m_pFixture->m_bPlayed[s])
            m_pFixture->DeleteResult(s);
    CDialog::OnOK();
}
