// File > New: a new league from nothing, walked through its set-up dialogs in order.
#include "admin/LeagueNames.h"
#include "admin/LeagueSetup.h"
#include "admin/NewLeagueDlg.h"
#include "framework/ui/Dialog.h"
#include "league/BowlingDoc.h"
#include "league/Team.h"

void CBowlingDoc::OnFileNew()
{
    if (IsLeagueSetUp()) {
        if (AfxMessageBox("Do you really want to start a new league?", MB_YESNO) != IDYES)
            return;
        // Emptied below: unsaved changes are offered a save under the league's own name first.
        if (!SaveModified())
            return;
        const CString strOldPath = GetPathName();
        const CString strOldTitle = GetTitle();
        const DWORD bOldNewLeague = m_bNewLeague;
        m_bNewLeague = 1;
        // The new league's name sits in the old league's folder; it joins the recent files
        // only once it has been saved.
        const CString& strPath = GetPathName();
        int nCut = -1;
        for (int i = 0; i < strPath.GetLength(); ++i)
            if (strPath[i] == '/' || strPath[i] == '\\')
                nCut = i;
        SetPathName(strPath.Left(nCut + 1) + "NewLeage.lgf", FALSE);
        SetTitle("NewLeage.lgf");
        if (AfxMessageBox("Do you want to base the new league on the old league setup?", MB_YESNO) == IDYES) {
            // The road leaves the league marked modified only once the teams are chosen; a cancel
            // before that leaves the old league as it was, under its own name and savable,
            // changes not saved included.
            const BOOL bWasModified = IsModified();
            SetModifiedFlag(FALSE);
            NewLeagueFromCurrent();
            if (IsModified())
                return;
            SetPathName(strOldPath, FALSE);
            SetTitle(strOldTitle);
            m_bNewLeague = bOldNewLeague;
            SetModifiedFlag(bWasModified);
            return;
        }
    } else if (!SaveModified()) {
        return;
    }

    DeleteContents();
    // A new league, not the one it replaces: every setting as a league made with no file open
    // has it, those no dialog shows (blind and robot rules) included; the report fonts and
    // score thresholds are a new league's too.
    ResetSettings();
    m_bSetupInProgress = 1;

    CNewLeagueDlg dlg;
    dlg.m_pDoc = this;
    dlg.m_strTeams = "No. of teams";
    dlg.m_strPlayers = "Players/team";
    dlg.m_nMaxPlayers = 8;
    dlg.m_bScratch = 0;
    dlg.m_bHandicap = 1;
    dlg.m_nGamesIndex = 2;
    dlg.m_nTeams = 0;
    dlg.m_nPlayers = 0;
    for (;;) {
        if (dlg.DoModal() != IDOK) {
            m_bSetupInProgress = 0;
            ShowNewLeague();
            return;
        }
        m_nGamesPerMatch = static_cast<BYTE>(dlg.m_nGamesIndex + 1);
        m_nPlayersPerTeam = static_cast<BYTE>(dlg.m_nPlayers);
        m_nTeams = static_cast<BYTE>(dlg.m_nTeams);
        CString strAsk;
        strAsk.Format("You have defined a league consisting of %d teams, with each match consisting of %d playing "
                      "members, bowling a %d game series.  Is this correct?",
                      dlg.m_nTeams, dlg.m_nPlayers, dlg.m_nGamesIndex + 1);
        if (AfxMessageBox(strAsk, MB_YESNO) == IDYES)
            break;
    }

    StoreLeagueNames(dlg, dlg.m_strSanctionId, *this);
    m_bPrivacy = static_cast<DWORD>(dlg.m_bPrivacy);
    m_nMaxPlayersPerTeam = static_cast<BYTE>(dlg.m_nMaxPlayers);
    m_nMaxHandicapPoints = 0;
    m_nMaxScratchPoints = 0;
    m_bPyramidScoring = static_cast<DWORD>(dlg.m_bPyramid);
    m_bScratchLeague = static_cast<DWORD>(dlg.m_bScratch);
    m_bHandicapLeague = static_cast<DWORD>(dlg.m_bHandicap);
    UpdateMaxMatchPoints();
    m_nFloatingSubs = 0;

    for (int k = 1; k <= m_nTeams; ++k) {
        CString strName;
        strName.Format("Team_%02d", k);
        auto* pTeam = new CTeam(strName, static_cast<WORD>(k));
        pTeam->m_nScrPosition = pTeam->m_nHcpPosition = pTeam->m_nRankPosition = static_cast<WORD>(k);
        AddTeam(pTeam);
    }
    // Made once the teams exist, so that it holds one place for each of them.
    if (m_bPyramidScoring && m_strPyramid.GetLength() != m_listTeams.GetCount()) {
        m_strPyramid.Empty();
        for (int k = m_listTeams.GetCount(); k >= 1; --k)
            m_strPyramid += static_cast<char>(k);
    }
    // The teams and details are worth keeping even without a fixture list.
    SetModifiedFlag();

    if (!BuildFixtureList()) {
        m_bSetupInProgress = 0;
        ShowNewLeague();
        return;
    }
    EditFixtureDates();
    if (!m_bHandicapLeague && !m_bScratchLeague)
        m_bScratchLeague = 1;
    m_nCurrentRound = 1;
    m_bHandicapPass = m_bHandicapLeague ? 1 : 0;
    if (LeagueSetup::pfnScoringSetup)
        LeagueSetup::pfnScoringSetup(this);

    BuildLaneTable(0);
    Recalculate();
    SetModifiedFlag();
    CountMatchesPerRound();
    m_bSetupInProgress = 0;
    ShowNewLeague();
}
