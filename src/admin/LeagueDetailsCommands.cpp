#include "admin/LeagueDetailsCommands.h"

#include "admin/EditLeagueDlg.h"
#include "admin/LeagueNames.h"
#include "league/BowlingDoc.h"
#include "resources/CommandIds.h"

#include <memory>

namespace LeagueDetailsCommands {

namespace {

class CLeagueDetailsCommands : public CCmdTarget
{
public:
    explicit CLeagueDetailsCommands(CBowlingDoc* pDoc) : m_pDoc(pDoc) {}

private:
    void OnGeneralDetails() { EditLeagueDetails(m_pDoc); }

    CBowlingDoc* m_pDoc;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CLeagueDetailsCommands, CCmdTarget)
    ON_COMMAND(ID_LEAGUE_GENERAL_DETAILS, OnGeneralDetails)
END_MESSAGE_MAP()

DWORD Flag(int b)
{
    return b ? 1u : 0u;
}

} // namespace

void Install()
{
    static bool s_bInstalled = false;
    if (s_bInstalled)
        return;
    s_bInstalled = true;
    CBowlingDoc::InstallCommandSet<CLeagueDetailsCommands>();
}

void LoadEditLeagueDlg(const CBowlingDoc& doc, CEditLeagueDlg& dlg)
{
    dlg.m_pDoc = &doc;
    LoadLeagueNames(doc, dlg, dlg.m_strSanctionNumber);
    dlg.m_bPrivacy = doc.m_bPrivacy ? 1 : 0;
    dlg.m_bPlayerDatabase = doc.m_bPlayerDatabase ? 1 : 0;
    dlg.m_bFivePin = doc.m_bFivePinRules ? 1 : 0;
    dlg.m_bFloatingSubsAsTeam = doc.m_bFloatingSubsAsTeam ? 1 : 0;
    dlg.m_bPositionBothWays = doc.m_bPositionBothWays ? 1 : 0;
    dlg.m_nMaxPlayers = doc.m_nMaxPlayersPerTeam;
    dlg.m_bScratch = doc.m_bScratchLeague ? 1 : 0;
    dlg.m_bHandicap = doc.m_bHandicapLeague ? 1 : 0;
    dlg.m_bPyramid = doc.m_bPyramidScoring ? 1 : 0;
    dlg.m_nSecretaryTeam = doc.m_nSecretaryTeam;
    dlg.m_nTreasurerTeam = doc.m_nTreasurerTeam;
}

void StoreEditLeagueDlg(const CEditLeagueDlg& dlg, CBowlingDoc& doc)
{
    doc.m_bPrivacy = Flag(dlg.m_bPrivacy);
    doc.m_bPlayerDatabase = Flag(dlg.m_bPlayerDatabase);
    doc.m_bFivePinRules = Flag(dlg.m_bFivePin);
    doc.UpdateAverageLimit();
    doc.m_bFloatingSubsAsTeam = Flag(dlg.m_bFloatingSubsAsTeam);
    doc.m_bPositionBothWays = Flag(dlg.m_bPositionBothWays);

    StoreLeagueNames(dlg, dlg.m_strSanctionNumber, doc);
    doc.m_nMaxPlayersPerTeam = static_cast<BYTE>(dlg.m_nMaxPlayers);
    doc.m_nSecretaryTeam = static_cast<BYTE>(dlg.m_nSecretaryTeam);
    doc.m_nTreasurerTeam = static_cast<BYTE>(dlg.m_nTreasurerTeam);
    doc.m_bScratchLeague = Flag(dlg.m_bScratch);
    doc.m_bPyramidScoring = Flag(dlg.m_bPyramid);

    // A pyramid needs an entry for every place a team can take.
    const int nHeld = static_cast<int>(doc.m_listTeams.GetCount());
    if (doc.m_bPyramidScoring && doc.m_strPyramid.GetLength() < nHeld) {
        doc.m_strPyramid.Empty();
        for (int k = nHeld; k >= 1; --k)
            doc.m_strPyramid += static_cast<char>(k);
    }

    doc.m_bHandicapLeague = Flag(dlg.m_bHandicap);
    doc.m_bHandicapPass = doc.m_bHandicapLeague;
}

BOOL EditLeagueDetails(CBowlingDoc* pDoc)
{
    CEditLeagueDlg dlg;
    LoadEditLeagueDlg(*pDoc, dlg);
    if (dlg.DoModal() != IDOK)
        return FALSE;
    const bool bToDatabase = !pDoc->m_bPlayerDatabase;
    StoreEditLeagueDlg(dlg, *pDoc);
    // Kept in the database again: what the bowlers' records missed meanwhile goes to them, and
    // they take what other leagues wrote.
    if (bToDatabase && pDoc->m_bPlayerDatabase)
        pDoc->SyncDbasePlayers();
    pDoc->SetModifiedFlag();
    pDoc->Recalculate();
    pDoc->UpdateAllViews(nullptr);
    return TRUE;
}

} // namespace LeagueDetailsCommands
