#include "admin/LaneScheduleDlg.h"

#include "admin/CustomLanesDlg.h"
#include "admin/DateCombos.h"
#include "admin/FixtureCalendar.h"
#include "admin/SquadTimesDlg.h"
#include "league/BowlingDoc.h"
#include "league/Fixture.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CLaneScheduleDlg, CDialog)
    ON_EN_KILLFOCUS(IDC_LS_LAST_LANE, OnKillfocusLastLane)
    ON_EN_CHANGE(IDC_LS_BEFORE_SPLIT, OnChangeLanesBeforeSplit)
    ON_EN_CHANGE(IDC_LS_START_LANE, OnChangeStartLane)
    ON_EN_CHANGE(IDC_LS_SPLIT_START, OnChangeSplitStart)
    ON_EN_KILLFOCUS(IDC_LS_SPLIT_START, OnKillfocusSplitStart)
    ON_BN_CLICKED(IDC_LS_SPLIT_SESSIONS, OnSplitSessions)
    ON_BN_CLICKED(IDC_LS_SQUAD_TIMES, OnSquadTimes)
    ON_BN_CLICKED(IDC_LS_CUSTOMIZE, OnCustomize)
    ON_BN_CLICKED(IDC_LS_CUSTOM_LANES, OnCustomLanes)
END_MESSAGE_MAP()

BOOL CLaneScheduleDlg::Run(CBowlingDoc* pDoc, CWnd* pParent)
{
    if (pDoc->m_nStartLane == 0)
        pDoc->m_nStartLane = 1;
    CLaneScheduleDlg dlg(pParent);
    dlg.m_pDoc = pDoc;
    dlg.m_bSplitLanes = pDoc->m_bSplitLanes ? 1 : 0;
    dlg.m_nSplitStartLane = pDoc->m_nSplitStartLane;
    dlg.m_nStartLane = pDoc->m_nStartLane;
    dlg.m_nLanesBeforeSplit = pDoc->m_nLanesBeforeSplit;
    dlg.m_nLastLane = pDoc->m_nLastLane;
    dlg.m_bSplitSessions = pDoc->m_bSplitSessions ? 1 : 0;
    dlg.m_bCustomLanes = pDoc->m_bCustomLanes ? 1 : 0;
    dlg.m_bRollMatches = pDoc->m_bRollMatches ? 1 : 0;
    if (dlg.DoModal() != IDOK) {
        // Last Lane, Set Squad Times and the custom lanes wrote to the league at once: its
        // matches start as the squads it now holds say, where the file can hold those times.
        if (FixtureCalendar::FitsFile(*pDoc))
            pDoc->SetFixtureStartTimes();
        pDoc->BuildLaneTable(0);
        return FALSE;
    }
    pDoc->m_bSplitLanes = static_cast<DWORD>(dlg.m_bSplitLanes);
    pDoc->m_nSplitStartLane = static_cast<BYTE>(dlg.m_nSplitStartLane);
    pDoc->m_nStartLane = static_cast<BYTE>(dlg.m_nStartLane);
    pDoc->m_nLanesBeforeSplit = static_cast<BYTE>(dlg.m_nLanesBeforeSplit);
    pDoc->m_nLastLane = static_cast<BYTE>(dlg.m_nLastLane);
    pDoc->m_bSplitSessions = static_cast<DWORD>(dlg.m_bSplitSessions);
    pDoc->m_bCustomLanes = static_cast<DWORD>(dlg.m_bCustomLanes);
    pDoc->m_bRollMatches = static_cast<DWORD>(dlg.m_bRollMatches);
    if (!pDoc->m_bSplitLanes) {
        pDoc->m_nSplitStartLane = 0;
        pDoc->m_nLanesBeforeSplit = 0;
    }
    // The table follows the settings as they now stand.
    pDoc->BuildLaneTable(0);
    pDoc->SetModifiedFlag();
    return TRUE;
}

void CLaneScheduleDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Check(pDX, IDC_LS_SPLIT_LANES, m_bSplitLanes);
    DDX_Text(pDX, IDC_LS_SPLIT_START, m_nSplitStartLane);
    DDV_MinMaxInt(pDX, m_nSplitStartLane, 0, 99);
    DDX_Text(pDX, IDC_LS_START_LANE, m_nStartLane);
    DDV_MinMaxInt(pDX, m_nStartLane, 1, 99);
    DDX_Text(pDX, IDC_LS_BEFORE_SPLIT, m_nLanesBeforeSplit);
    DDV_MinMaxInt(pDX, m_nLanesBeforeSplit, 0, 99);
    DDX_Text(pDX, IDC_LS_LAST_LANE, m_nLastLane);
    DDV_MinMaxInt(pDX, m_nLastLane, 0, 99);
    DDX_Check(pDX, IDC_LS_SPLIT_SESSIONS, m_bSplitSessions);
    DDX_Check(pDX, IDC_LS_CUSTOM_LANES, m_bCustomLanes);
    DDX_Check(pDX, IDC_LS_ROLL_MATCHES, m_bRollMatches);
    DDX_Text(pDX, IDC_LS_SQUADS, m_nSquads);
}

BOOL CLaneScheduleDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CountSquads();
    UpdateData(FALSE);
    return TRUE;
}

void CLaneScheduleDlg::CountSquads()
{
    const int nRange = m_nLastLane - m_nStartLane + 1;
    // No lane range (or a last lane below the start): everybody bowls in one squad.
    if (m_nLastLane == 0 || nRange <= 0)
        m_nSquads = 1;
    else
        m_nSquads = m_pDoc->m_nTeams / nRange + (m_pDoc->m_nTeams % nRange ? 1 : 0);
    if (m_nSquads < 1)
        m_nSquads = 1;
    ApplySplitSessionsRule();
}

void CLaneScheduleDlg::ApplySplitSessionsRule()
{
    if (m_pDoc->m_nRoundsPerInterval > 1) {
        m_bSplitSessions = 0;
        m_nSquads = 1;
    }
}

void CLaneScheduleDlg::OnKillfocusLastLane()
{
    BOOL bOk = FALSE;
    const int nLast = static_cast<int>(GetDlgItemInt(IDC_LS_LAST_LANE, &bOk));
    const int nStart = static_cast<int>(GetDlgItemInt(IDC_LS_START_LANE));
    if (!bOk || nLast == 0 || nLast > 99 || nStart < 1 || nStart > 99)
        return;
    m_nLastLane = nLast;
    m_nStartLane = nStart;
    // These two take effect at once, even if the dialog is then cancelled.
    m_pDoc->m_nLastLane = static_cast<BYTE>(nLast);
    m_pDoc->m_nStartLane = static_cast<BYTE>(nStart);
    m_bSplitSessions = IsDlgButtonChecked(IDC_LS_SPLIT_SESSIONS) ? 1 : 0;
    CountSquads();
    SetDlgItemInt(IDC_LS_SQUADS, static_cast<UINT>(m_nSquads));
    CheckDlgButton(IDC_LS_SPLIT_SESSIONS, static_cast<UINT>(m_bSplitSessions));
}

void CLaneScheduleDlg::AdjustParity(UINT nID, bool bWantOdd, int nStep)
{
    BOOL bOk = FALSE;
    const int n = static_cast<int>(GetDlgItemInt(nID, &bOk));
    if (!bOk || n <= 0 || ((n % 2 == 1) == bWantOdd))
        return;
    SetDlgItemInt(nID, static_cast<UINT>(n + nStep));
}

void CLaneScheduleDlg::OnChangeLanesBeforeSplit() { AdjustParity(IDC_LS_BEFORE_SPLIT, false, -1); }
void CLaneScheduleDlg::OnChangeStartLane() { AdjustParity(IDC_LS_START_LANE, true, +1); }
void CLaneScheduleDlg::OnChangeSplitStart() { AdjustParity(IDC_LS_SPLIT_START, true, +1); }

void CLaneScheduleDlg::OnKillfocusSplitStart()
{
    BOOL bOk = FALSE;
    const int nLast = static_cast<int>(GetDlgItemInt(IDC_LS_LAST_LANE, &bOk));
    if (bOk && nLast > 0 && nLast % 2 == 1)
        SetDlgItemInt(IDC_LS_LAST_LANE, static_cast<UINT>(nLast - 1));
}

void CLaneScheduleDlg::OnSplitSessions()
{
    m_bSplitSessions = IsDlgButtonChecked(IDC_LS_SPLIT_SESSIONS) ? 1 : 0;
    ApplySplitSessionsRule();
    CheckDlgButton(IDC_LS_SPLIT_SESSIONS, static_cast<UINT>(m_bSplitSessions));
    SetDlgItemInt(IDC_LS_SQUADS, static_cast<UINT>(m_nSquads));
}

void CLaneScheduleDlg::OnSquadTimes()
{
    if (!IsDlgButtonChecked(IDC_LS_SPLIT_SESSIONS))
        return;
    const int nTeams = m_pDoc->m_nTeams - m_pDoc->m_nExtraTeams;
    const int nLanes = m_pDoc->m_nLastLane - std::max<int>(m_pDoc->m_nStartLane, 1) + 1;
    if (nLanes <= 0 || nLanes >= nTeams)
        return;
    CSquadTimesDlg dlg(this);
    dlg.m_nSquads = std::min(nTeams / nLanes + (nTeams % nLanes ? 1 : 0), 40);
    dlg.m_strSummary.Format("%d Teams on %d Lanes = %d Squads.", nTeams, nLanes, dlg.m_nSquads);
    const CFixture* pFirst = m_pDoc->m_listFixtures.IsEmpty() ? nullptr : static_cast<const CFixture*>(m_pDoc->m_listFixtures.GetHead());
    dlg.m_timeFirst = pFirst ? pFirst->m_timeDue : CTime();
    for (int i = 0; i < 40; ++i)
        dlg.m_nDelays[i] = m_pDoc->m_nSquadDelay[i];
    if (dlg.DoModal() != IDOK)
        return;
    for (int i = 0; i < 40; ++i)
        m_pDoc->m_nSquadDelay[i] = static_cast<WORD>(std::clamp(dlg.m_nDelays[i], 0, 65535));
    m_pDoc->SetModifiedFlag();
}

void CLaneScheduleDlg::OnCustomize()
{
    BYTE* lanes = m_pDoc->m_nCustomLanes;
    for (int k = 0; k < 50; ++k)
        if (lanes[k] == 0 || lanes[k] > 127)
            lanes[k] = static_cast<BYTE>(k + 1);
    CCustomLanesDlg dlg(this);
    dlg.m_nMatches = std::min(m_pDoc->m_nTeams / 2, 25);
    for (int m = 0; m < 25; ++m)
        dlg.m_nFirstLane[m] = lanes[2 * m];
    if (dlg.DoModal() != IDOK)
        return;
    for (int m = 0; m < 25; ++m) {
        lanes[2 * m] = static_cast<BYTE>(dlg.m_nFirstLane[m]);
        lanes[2 * m + 1] = static_cast<BYTE>(dlg.m_nFirstLane[m] + 1);
    }
    m_pDoc->SetModifiedFlag();
}

void CLaneScheduleDlg::OnCustomLanes()
{
    if (!IsDlgButtonChecked(IDC_LS_CUSTOM_LANES))
        return;
    const BYTE first = m_pDoc->m_nCustomLanes[0];
    if (first == 0 || first > 127)
        OnCustomize();
    for (int i = 0; i < 40; ++i)
        m_pDoc->m_nLaneTable[i] = m_pDoc->m_nCustomLanes[i];
}

void CLaneScheduleDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    ApplySplitSessionsRule();
    // The squads' delays start the last squads later: they too must fall on dates a league file holds.
    const DWORD bSplitSessions = m_pDoc->m_bSplitSessions;
    m_pDoc->m_bSplitSessions = static_cast<DWORD>(m_bSplitSessions);
    if (!FixtureCalendar::FitsFile(*m_pDoc)) {
        m_pDoc->m_bSplitSessions = bSplitSessions;
        AfxMessageBox(SEASON_PAST_LAST_DATE);
        return;
    }
    m_pDoc->SetFixtureStartTimes();
    m_pDoc->BuildLaneTable(0);
    EndDialog(IDOK);
}
