#include "playerdb/BowlingDocDatabase.h"

#include "framework/ui/Dialog.h"
#include "framework/ui/Registry.h"
#include "league/BowlingDoc.h"
#include "league/Player.h"
#include "playerdb/PlayerDatabase.h"

int (*PlayerDatabase::pfnAskSimilarNames)(CBowlingDoc* pDoc, const CString& strName, const CDWordArray& keys,
                                           DWORD& bStopReporting) = nullptr;

namespace {

void OpenForDocument(CBowlingDoc* pDoc)
{
    auto* pDb = new CPlayerDatabase;
    pDb->SetSimilarNamesHook([pDoc](const CString& strName, const CDWordArray& keys, DWORD& bStopReporting) {
        return PlayerDatabase::pfnAskSimilarNames ? PlayerDatabase::pfnAskSimilarNames(pDoc, strName, keys, bStopReporting)
                                                  : 0;
    });
    // What the files needed mending for (a rebuilt index, a file cut short and kept aside) is
    // the secretary's to know.
    pDb->GetTable().SetMessageHook([](const CString& str) { AfxMessageBox(str, MB_OK | MB_ICONEXCLAMATION); });
    // A folder that cannot be made or files that cannot be opened leave the league usable;
    // the database calls then answer -1.
    pDb->Open(GetDatabasePath().GetString());
    pDoc->m_pPlayerDb = pDb;
}

void CloseForDocument(CBowlingDoc* pDoc)
{
    if (pDoc->m_pPlayerDb) {
        pDoc->m_pPlayerDb->Close();
        delete pDoc->m_pPlayerDb;
        pDoc->m_pPlayerDb = nullptr;
    }
}

} // namespace

void PlayerDatabase::Install()
{
    CBowlingDoc::s_pfnOpenPlayerDb = OpenForDocument;
    CBowlingDoc::s_pfnClosePlayerDb = CloseForDocument;
    CBowlingDoc::s_pfnLeagueReadPlayerDb = [](CBowlingDoc* pDoc) { pDoc->SyncDbasePlayers(); };
}

int CBowlingDoc::GetDbasePlayer(CPlayer* pPlayer)
{
    if (!m_pPlayerDb || !m_pPlayerDb->IsOpen() || !pPlayer)
        return -1;
    return m_pPlayerDb->GetDbasePlayer(pPlayer, m_bSurnameFirst ? TRUE : FALSE);
}

int CBowlingDoc::FindDbasePlayer(DWORD dwKey)
{
    if (!m_pPlayerDb || !m_pPlayerDb->IsOpen())
        return -1;
    return m_pPlayerDb->FindDbasePlayer(dwKey);
}

int CBowlingDoc::PutDbasePlayer(CPlayer* pPlayer)
{
    if (!m_pPlayerDb || !m_pPlayerDb->IsOpen() || !pPlayer)
        return -1;
    const int nResult = m_pPlayerDb->PutDbasePlayer(pPlayer, m_bStopDbReporting);
    // Linked to a similar record, the bowler may have taken its names.
    pPlayer->MakeDisplayName(m_bSurnameFirst);
    if (nResult == 0)
        m_pPlayerDb->SyncPlayers(m_listPlayers, TRUE, m_bSurnameFirst);
    return nResult;
}

int CBowlingDoc::PutDbaseChanges(const CPlayer& before, CPlayer* pPlayer)
{
    if (!pPlayer)
        return -1;
    if (!m_bPlayerDatabase || !m_pPlayerDb || !m_pPlayerDb->IsOpen()) {
        // Written when the league is kept in the database again, or the database can be written.
        CPlayerDatabase::NoteChanges(before, *pPlayer, m_pPlayerDb);
        return m_bPlayerDatabase ? -1 : 0;
    }
    const int nResult = m_pPlayerDb->PutDbaseChanges(before, pPlayer, m_bStopDbReporting);
    // The record may have renamed him.
    pPlayer->MakeDisplayName(m_bSurnameFirst);
    // The database takes writes again: what waits from before goes with this one.
    if (nResult == 0)
        m_pPlayerDb->SyncPlayers(m_listPlayers, TRUE, m_bSurnameFirst);
    return nResult;
}

int CBowlingDoc::SyncDbasePlayer(CPlayer* pPlayer)
{
    if (!m_bPlayerDatabase || !m_pPlayerDb || !m_pPlayerDb->IsOpen() || !pPlayer)
        return -1;
    const int nResult = m_pPlayerDb->SyncPlayer(*pPlayer);
    pPlayer->MakeDisplayName(m_bSurnameFirst);
    return nResult;
}

int CBowlingDoc::SyncDbasePlayers(BOOL bWaitingOnly)
{
    if (!m_bPlayerDatabase || !m_pPlayerDb || !m_pPlayerDb->IsOpen())
        return -1;
    return m_pPlayerDb->SyncPlayers(m_listPlayers, bWaitingOnly, m_bSurnameFirst);
}
