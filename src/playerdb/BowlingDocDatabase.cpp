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

namespace {

constexpr const char* kNotWritten = "The player could not be written to the Player Database.";

// A database that could not be opened, tried again. When it opens, DbaseBack then gives the
// records what waits and the league takes them, as when a league opens; a write does that after
// its own, or his record would be put over the bowler's change.
struct CDbaseReturn
{
    explicit CDbaseReturn(CBowlingDoc& doc, bool bTry = true)
        : bBack(bTry && doc.m_pPlayerDb && doc.m_pPlayerDb->ReopenLost())
    {
        for (POSITION pos = doc.m_listPlayers.GetHeadPosition(); bBack && pos && !bWaited;)
            bWaited = static_cast<const CPlayer*>(doc.m_listPlayers.GetNext(pos))->m_pDbPending != nullptr;
    }
    bool bBack;
    bool bWaited = false;
};

void DbaseBack(CBowlingDoc& doc, const CDbaseReturn& back)
{
    if (!back.bBack)
        return;
    const bool bWritten = !doc.m_bPlayerDatabase ||
                          doc.m_pPlayerDb->SyncPlayers(doc.m_listPlayers, FALSE, doc.m_bSurnameFirst) == 0;
    if (bWritten)
        doc.m_bDbNotWrittenSaid = 0;
    if (!doc.m_bDbLossSaid)
        return;
    doc.m_bDbLossSaid = 0;
    AfxMessageBox(bWritten && back.bWaited && doc.m_bPlayerDatabase
                      ? "The player database is open again, and the changes it missed have been written to it."
                      : "The player database is open again.");
}

void AfterWrite(CBowlingDoc& doc, int nResult, const CDbaseReturn& back)
{
    if (back.bBack)
        DbaseBack(doc, back);
    else if (nResult == 0) {
        doc.m_bDbNotWrittenSaid = 0;
        // The database takes writes again: what waits from before goes with this one.
        doc.m_pPlayerDb->SyncPlayers(doc.m_listPlayers, TRUE, doc.m_bSurnameFirst);
    }
}

} // namespace

BOOL CBowlingDoc::PlayerDbReady()
{
    DbaseBack(*this, CDbaseReturn(*this));
    return m_pPlayerDb && m_pPlayerDb->IsOpen();
}

void CBowlingDoc::ReopenPlayerDbAfterPrinting()
{
    if (!m_pPlayerDb)
        return;
    if (m_pPlayerDb->ReopenAfterPrinting()) {
        // Open again, a later failure is news; what the records missed while closed goes to them.
        m_bDbNotWrittenSaid = 0;
        SyncDbasePlayers();
        return;
    }
    // Lost now: tried again whenever the league next needs it, and said once till then.
    if (!m_bDbLossSaid)
        AfxMessageBox("The player database could not be opened again: " + m_pPlayerDb->GetErrorText());
    m_bDbLossSaid = 1;
}

void CBowlingDoc::SayDbaseNotWritten(const char* pszText, BOOL bEachTime)
{
    if (m_pPlayerDb && m_pPlayerDb->IsLost())
        m_bDbLossSaid = 1;
    if (m_bDbNotWrittenSaid && !bEachTime)
        return;
    m_bDbNotWrittenSaid = 1;
    AfxMessageBox(pszText ? pszText : kNotWritten);
}

int CBowlingDoc::GetDbasePlayer(CPlayer* pPlayer)
{
    if (!pPlayer || !PlayerDbReady())
        return -1;
    return m_pPlayerDb->GetDbasePlayer(pPlayer, m_bSurnameFirst ? TRUE : FALSE);
}

int CBowlingDoc::FindDbasePlayer(DWORD dwKey)
{
    if (!PlayerDbReady())
        return -1;
    return m_pPlayerDb->FindDbasePlayer(dwKey);
}

int CBowlingDoc::PutDbasePlayer(CPlayer* pPlayer)
{
    if (!pPlayer)
        return -1;
    if (pPlayer->IsRobot())
        return 0;
    const CDbaseReturn back(*this);
    if (!m_pPlayerDb || !m_pPlayerDb->IsOpen())
        return -1;
    const int nResult = m_pPlayerDb->PutDbasePlayer(pPlayer, m_bStopDbReporting);
    // Linked to a similar record, the bowler may have taken its names.
    pPlayer->MakeDisplayName(m_bSurnameFirst);
    AfterWrite(*this, nResult, back);
    return nResult;
}

int CBowlingDoc::PutDbaseChanges(const CPlayer& before, CPlayer* pPlayer)
{
    if (!pPlayer)
        return -1;
    if (pPlayer->IsRobot())
        return 0;
    const CDbaseReturn back(*this, m_bPlayerDatabase != 0);
    if (!m_bPlayerDatabase || !m_pPlayerDb || !m_pPlayerDb->IsOpen()) {
        // Written when the league is kept in the database again, or the database can be written.
        CPlayerDatabase::NoteChanges(before, *pPlayer, m_pPlayerDb);
        return m_bPlayerDatabase ? -1 : 0;
    }
    const int nResult = m_pPlayerDb->PutDbaseChanges(before, pPlayer, m_bStopDbReporting);
    // The record may have renamed him.
    pPlayer->MakeDisplayName(m_bSurnameFirst);
    AfterWrite(*this, nResult, back);
    return nResult;
}

int CBowlingDoc::SyncDbasePlayer(CPlayer* pPlayer)
{
    if (!m_bPlayerDatabase || !pPlayer || !PlayerDbReady())
        return -1;
    const int nResult = m_pPlayerDb->SyncPlayer(*pPlayer);
    pPlayer->MakeDisplayName(m_bSurnameFirst);
    return nResult;
}

int CBowlingDoc::SyncDbasePlayers(BOOL bWaitingOnly)
{
    if (!m_bPlayerDatabase || !PlayerDbReady())
        return -1;
    return m_pPlayerDb->SyncPlayers(m_listPlayers, bWaitingOnly, m_bSurnameFirst);
}
