#include "playerdb/BowlingDocDatabase.h"

#include "framework/ui/Dialog.h"
#include "framework/ui/Registry.h"
#include "league/BowlingDoc.h"
#include "league/NameList.h"
#include "league/Player.h"
#include "playerdb/PlayerDatabase.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

int (*PlayerDatabase::pfnAskSimilarNames)(CBowlingDoc* pDoc, const CString& strName, const CDWordArray& keys,
                                           DWORD& bStopReporting) = nullptr;

namespace {

// "/a/b/" and "/a//b" are one folder.
std::string FolderKey(const CString& strFolder)
{
    std::filesystem::path path = std::filesystem::path(strFolder.str()).lexically_normal();
    if (!path.has_filename() && path.has_relative_path())
        path = path.parent_path();
    return path.string();
}

bool OpenedThereBefore(const CString& strFolder)
{
    CString strOpened;
    return AfxGetBackend()->Settings().GetProfileValue(PlayerDatabase::kProfileSection, PlayerDatabase::kOpenedInEntry,
                                                       strOpened) &&
           FolderKey(strOpened) == FolderKey(strFolder);
}

void RememberFolder(const CPlayerDatabase& db)
{
    if (!db.IsOpen() || OpenedThereBefore(db.GetDirectory()))
        return;
    CSettingsStore& settings = AfxGetBackend()->Settings();
    settings.WriteProfileValue(PlayerDatabase::kProfileSection, PlayerDatabase::kOpenedInEntry, db.GetDirectory());
    settings.Flush();
}

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
    // Nothing is made yet: a league that needs the database makes it at the first use of the
    // folder (one whose bowlers are linked to a database asks first). A folder the program had
    // the database open in, holding none now, is the database away. Files that cannot be opened
    // leave the league usable; the database calls then answer -1.
    const CString strFolder = GetDatabasePath();
    pDb->Open(strFolder.GetString(), FALSE);
    pDb->AllowMaking(pDb->IsAway() && !OpenedThereBefore(strFolder));
    RememberFolder(*pDb);
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
constexpr const char* kWaits = " The change is kept in the league, and written to the database when it can be.";
constexpr const char* kEditLater = " He is in the league; edit his details later to try again.";

CString Quoted(const CString& str)
{
    return str.IsEmpty() ? CString("blank") : "\"" + str + "\"";
}

CString DateText(int nDay, int nMonth, int nYear)
{
    if (nDay == 0 && nMonth == 0 && nYear == 0)
        return "blank";
    CString str;
    str.Format("%d/%d/%d", nDay, nMonth, nYear);
    return str;
}

// A detail as the message names it, its value in the league and in the record; a date is one
// detail however many of its parts were not written.
struct CNamedDetail
{
    const char* pszName;
    DWORD dwBits;
    std::function<CString(const CSharedDetails&)> value;
};

std::vector<CNamedDetail> NamedDetails(const CBowlingDoc& doc)
{
    auto text = [](CString CSharedDetails::*pField) {
        return [pField](const CSharedDetails& d) { return Quoted(d.*pField); };
    };
    auto bit = [](int n) { return 1u << n; };
    std::vector<CNamedDetail> v = {
        {"first name", bit(SD_FIRST_NAME), text(&CSharedDetails::m_strFirstName)},
        {"surname", bit(SD_SURNAME), text(&CSharedDetails::m_strSurname)},
    };
    static const char* const kAddress[] = {"address line 1", "address line 2", "address line 3", "address line 4",
                                           "postcode"};
    for (int i = 0; i < 5; ++i)
        v.push_back({kAddress[i], bit(SD_ADDRESS_1 + i), [i](const CSharedDetails& d) { return Quoted(d.m_strAddress[i]); }});
    v.push_back({"home phone", bit(SD_PHONE_HOME), text(&CSharedDetails::m_strPhoneHome)});
    v.push_back({"work phone", bit(SD_PHONE_WORK), text(&CSharedDetails::m_strPhoneWork)});
    v.push_back({"mobile phone", bit(SD_PHONE_MOBILE), text(&CSharedDetails::m_strPhoneMobile)});
    v.push_back({"date of birth", bit(SD_BIRTH_DAY) | bit(SD_BIRTH_MONTH) | bit(SD_BIRTH_YEAR),
                 [](const CSharedDetails& d) { return DateText(d.m_nBirthDay, d.m_nBirthMonth, d.m_nBirthYear); }});
    v.push_back({"status", bit(SD_FLAGS), [](const CSharedDetails& d) {
                     CPlayer p;
                     p.m_wFlags = static_cast<WORD>(d.m_wFlags & PF_CATEGORY_MASK);
                     CString str;
                     p.GetCategoryName(str);
                     return str;
                 }});
    v.push_back({"membership number", bit(SD_MEMBERSHIP_NO), text(&CSharedDetails::m_strMembershipNo)});
    v.push_back({"membership type", bit(SD_MEMBERSHIP_TYPE), [&doc](const CSharedDetails& d) {
                     const int n = d.m_nMembershipType;
                     return n == 0 ? CString("none")
                            : n <= doc.m_arrMembershipTypes.GetSize() ? Quoted(doc.m_arrMembershipTypes[n - 1])
                                                                      : CString("none");
                 }});
    v.push_back({"membership expiry date", bit(SD_EXPIRY_DAY) | bit(SD_EXPIRY_MONTH) | bit(SD_EXPIRY_YEAR),
                 [](const CSharedDetails& d) { return DateText(d.m_nExpiryDay, d.m_nExpiryMonth, d.m_nExpiryYear); }});
    v.push_back({"user data 1", bit(SD_USER_DATA_1), text(&CSharedDetails::m_strUserData1)});
    v.push_back({"user data 2", bit(SD_USER_DATA_2), text(&CSharedDetails::m_strUserData2)});
    return v;
}

// "Owen Fairweather's home phone "0113 4962222" (the record keeps "0113 4963333")", each value the
// league's records did not take; or, pszRecord "held", each they took and what it replaced. The
// first ten are named, the others counted.
CString DroppedList(const CBowlingDoc& doc, const std::vector<CDbReport::CDropped>& dropped,
                    const char* pszRecord = "keeps")
{
    const std::vector<CNamedDetail> details = NamedDetails(doc);
    std::vector<CString> items;
    for (const CDbReport::CDropped& d : dropped)
        for (const CNamedDetail& n : details)
            if (d.dwDetails & n.dwBits)
                items.push_back(d.strBowler + "'s " + n.pszName + " " + n.value(d.mine) + " (the record " +
                                pszRecord + " " + n.value(d.theirs) + ")");
    return NameList(items, nullptr, nullptr, true);
}

// The links the database made again, in sentences.
CString LinksText(const CBowlingDoc& doc, const CDbReport& r)
{
    std::vector<CString> sentences;
    if (r.sharedWith.size() == 1)
        sentences.push_back("The league file links " + r.sharedWith[0].first + " to the player database record of " +
                            r.sharedWith[0].second + ", whose record it is: that link was cut.");
    else if (!r.sharedWith.empty()) {
        std::vector<CString> links;
        for (const auto& [strBowler, strHolder] : r.sharedWith)
            links.push_back(strBowler + " to the record of " + strHolder);
        CString str;
        str.Format("The league file links %zu of its bowlers to the player database records of other bowlers of the "
                   "league, whose records they are: those links were cut (%s).",
                   r.sharedWith.size(), NameList(links).GetString());
        sentences.push_back(str);
    }
    // "Ann Lee (now Ann Brown)": a bowler met whose record names another.
    auto namedMet = [&r] {
        std::vector<CString> names;
        for (const CDbReport::CNamedRecord& n : r.met)
            names.push_back(n.strBowler + (n.strRecord.IsEmpty() ? CString() : " (now " + n.strRecord + ")"));
        return names;
    };
    auto ref = [](const CDbReport::CNamedRecord& n) { return "unique ref. " + CPlayerDatabase::UniqueRef(n.dwKey); };
    if (r.met.size() == 1)
        sentences.push_back(namedMet()[0] + " was linked again to the bowler's own record in the player "
                                                     "database, under the same key: the league file's link did not "
                                                     "show it, but the bowler's details do.");
    else if (!r.met.empty()) {
        CString str;
        str.Format("%zu of the league's bowlers were linked again to their own records in the player database, under "
                   "the same keys: the league file's links did not show them, but the bowlers' details do (%s).",
                   r.met.size(), NameList(namedMet()).GetString());
        sentences.push_back(str);
    }
    if (r.added.size() == 1)
        sentences.push_back(r.added[0] + " was not in the player database: a record was added to it for the bowler, "
                                         "with the league's details.");
    else if (!r.added.empty()) {
        CString str;
        str.Format("%zu of the league's bowlers were not in the player database: a record was added to it for each, "
                   "with the league's details (%s).",
                   r.added.size(), NameList(r.added).GetString());
        sentences.push_back(str);
    }
    if (r.probable.size() == 1)
        sentences.push_back("The player database already holds a record that may be " + r.probable[0].strBowler +
                            "'s, " + ref(r.probable[0]) + ": nothing else shows whose it is.");
    else if (!r.probable.empty()) {
        std::vector<CString> refs;
        for (const CDbReport::CNamedRecord& n : r.probable)
            refs.push_back(ref(n) + " for " + n.strBowler);
        sentences.push_back("The player database already holds records that may be theirs, " + NameList(refs) +
                            ": nothing else shows whose they are.");
    }
    if (r.relinked.size() == 1)
        sentences.push_back(r.relinked[0] + " was linked to the bowler's own record in the player database, found "
                                            "under another key.");
    else if (!r.relinked.empty()) {
        CString str;
        str.Format("%zu of the league's bowlers were linked to their own records in the player database, found under "
                   "other keys (%s).",
                   r.relinked.size(), NameList(r.relinked).GetString());
        sentences.push_back(str);
    }
    if (!r.typedLater.empty())
        sentences.push_back(CString(r.typedLater.size() == 1
                                        ? "Where the league's details were typed after the record's, they were "
                                          "written to it: "
                                        : "Where the league's details were typed after the records', they were "
                                          "written to them: ") +
                            DroppedList(doc, r.typedLater, "held") + ".");
    if (!r.notKept.empty())
        sentences.push_back("Where the league's details differed from the record's, the record keeps its own, which "
                            "other leagues share: " +
                            DroppedList(doc, r.notKept) + ".");
    CString text;
    for (const CString& s : sentences)
        text += (text.IsEmpty() ? "" : " ") + s;
    if (!text.IsEmpty())
        text += r.LinksRemade() ? " Save the league to keep its bowlers' new links."
                                : " Save the league to keep its bowlers' details as they now stand.";
    return text;
}

constexpr const char* kDroppedWhy =
    "since another league changed the same details meanwhile and the record keeps its own: ";

// What the database calls since the last report found beyond details taken and given, said in one
// message: the links it made again (the league is then changed) and what a record did not take.
// strLead opens the message and is said even when there is nothing to add; bWaited: the records
// had details waiting, written but for those named.
void SayDbaseReport(CBowlingDoc& doc, const CString& strLead = CString(), bool bWaited = false)
{
    if (!doc.m_pPlayerDb)
        return;
    const CDbReport r = doc.m_pPlayerDb->TakeReport();
    CString text = strLead;
    if (!r.dropped.empty()) {
        const CString strList = DroppedList(doc, r.dropped);
        if (text.IsEmpty())
            text = CString("These changes were not written to the player database, ") + kDroppedWhy + strList + ".";
        else if (r.nWritten > 0 && bWaited)
            text += CString(", and the changes it missed have been written to it, but not these, ") + kDroppedWhy +
                    strList + ".";
        else
            text += CString(". These changes were not written to it, ") + kDroppedWhy + strList + ".";
    } else if (!text.IsEmpty())
        text += bWaited && r.nWritten > 0 ? ", and the changes it missed have been written to it." : ".";
    if (!r.damaged.empty())
        text += (text.IsEmpty() ? "" : " ") +
                CString("These changes were not written to the player database, since the league file's entry of "
                        "them was damaged and what the record held when they were made cannot be told: they are "
                        "kept in the league, waiting for it, and OK on the bowler's details (Player > Edit a "
                        "Player's Details) writes them: ") +
                DroppedList(doc, r.damaged, "holds") + ".";
    if (!r.unproven.empty())
        text += (text.IsEmpty() ? "" : " ") +
                CString("These details were not written to the player database, since the league file's entry of "
                        "them was damaged and does not show that the league typed them: the league now holds the "
                        "record's values: ") +
                DroppedList(doc, r.unproven, "holds") + ".";
    for (const CDbReport::CDropped& d : r.chosenKept)
        text += (text.IsEmpty() ? "" : " ") + CString("The record chosen for ") + d.strBowler +
                " keeps its own details where those typed differed, as other leagues share it: " +
                DroppedList(doc, {d}) + ".";
    const CString strLinks = LinksText(doc, r);
    if (!strLinks.IsEmpty()) {
        text += (text.IsEmpty() ? "" : " ") + strLinks;
        doc.m_bDbLinksRemade = 1;
        doc.SetModifiedFlag();
    }
    if (!text.IsEmpty())
        AfxMessageBox(text);
}

// When a database whose folder holds none may be made there.
enum class CMaking
{
    Never,       // only opened when it is back (printing's end)
    AtFirstUse,  // a league's need: in a folder the program never had it open in (asked first by a
                 // league whose bowlers are linked to a database)
    OnAsking     // a D'base command: also where it was, on the secretary's word
};

bool HasLinks(const CBowlingDoc& doc)
{
    for (POSITION pos = doc.m_listPlayers.GetHeadPosition(); pos;)
        if (static_cast<const CPlayer*>(doc.m_listPlayers.GetNext(pos))->m_dwDbKey != 0)
            return true;
    return false;
}

// Asked before an empty database is started in the folder of a league whose bowlers are linked
// to one: at the folder's first use (it holds none, or is not there at all), or where the
// database was.
CString StartQuestion(const CString& strFolder, bool bFirstUse)
{
    const char* pszAsk =
        "The player database is not in its folder %s: a drive or network share not connected, or the folder "
        "moved? Answer No to wait for it: the league keeps its changes and writes them when it is back. Start a "
        "new, empty player database in that folder?";
    std::error_code error;
    const bool bThere = std::filesystem::is_directory(strFolder.str(), error);
    if (!bFirstUse && !bThere)
        pszAsk = "The player database folder %s is not there: a drive or network share not connected, or the folder "
                 "moved? Answer No to wait for it: the league keeps its changes and writes them when it is back. "
                 "Make the folder and start a new, empty player database in it?";
    else if (bFirstUse && !bThere)
        pszAsk = "The player database folder %s is not there, though this league's bowlers are linked to a player "
                 "database. If it is on a drive or network share that is not connected now, answer No: the league "
                 "keeps its changes and writes them when the database is back. Make the folder and start a new, "
                 "empty player database in it?";
    else if (bFirstUse)
        pszAsk = "The player database folder %s holds no player database, though this league's bowlers are linked "
                 "to one. If it is on a drive or network share that is not connected now, answer No: the league "
                 "keeps its changes and writes them when the database is back. Start a new, empty player database "
                 "in that folder?";
    CString strAsk;
    strAsk.Format(pszAsk, strFolder.GetString());
    return strAsk;
}

// A lost database tried again; made where it may be (CMaking). bDeclined: the secretary answered
// No to starting an empty one, and it stays away; bStarted: Yes, and an empty one was started.
bool TryAgain(CBowlingDoc& doc, CMaking making, bool& bDeclined, bool& bStarted)
{
    CPlayerDatabase* pDb = doc.m_pPlayerDb;
    if (!pDb || !pDb->IsLost())
        return false;
    if (!pDb->ReopenLost()) {
        const bool bFirstUse = pDb->MayMake() != FALSE;
        if (making == CMaking::Never || !pDb->IsAway() || (!bFirstUse && making != CMaking::OnAsking))
            return false;
        // Asked with no file locked: other programs go on meanwhile.
        if (!bFirstUse || HasLinks(doc)) {
            const CString strAsk = StartQuestion(pDb->GetDirectory(), bFirstUse);
            // Enter waits: a share not connected is the likelier.
            if (AfxMessageBox(strAsk, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES) {
                pDb->AllowMaking(FALSE);
                bDeclined = true;
                return false;
            }
        }
        if (!pDb->ReopenLost(TRUE))
            return false;
        bStarted = !bFirstUse || HasLinks(doc);
    }
    RememberFolder(*pDb);
    return true;
}

// A database that could not be opened, tried again. When it opens, DbaseBack then gives the
// records what waits and the league takes them, as when a league opens; a write does that after
// its own, or his record would be put over the bowler's change.
struct CDbaseReturn
{
    explicit CDbaseReturn(CBowlingDoc& doc, bool bTry = true, CMaking making = CMaking::AtFirstUse)
        : bBack(bTry && TryAgain(doc, making, bDeclined, bStarted))
    {
        for (POSITION pos = doc.m_listPlayers.GetHeadPosition(); bBack && pos && !bWaited;)
            bWaited = static_cast<const CPlayer*>(doc.m_listPlayers.GetNext(pos))->m_pDbPending != nullptr;
    }
    bool bDeclined = false;
    bool bStarted = false;
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
    // A change the records did not take is named, whether the loss was said or not.
    CString strLead;
    // Started empty on the secretary's word, it is not the one that was lost come back.
    if (back.bStarted)
        strLead = "A new, empty player database was started";
    else if (doc.m_bDbLossSaid)
        strLead = "The player database is open again";
    doc.m_bDbLossSaid = 0;
    SayDbaseReport(doc, strLead, bWritten && back.bWaited && doc.m_bPlayerDatabase);
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
    SayDbaseReport(doc);
}

} // namespace

BOOL CBowlingDoc::PlayerDbReady(BOOL bNeeded)
{
    DbaseBack(*this, CDbaseReturn(*this, true, bNeeded ? CMaking::AtFirstUse : CMaking::Never));
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

void CBowlingDoc::SayDbaseNotWritten(BOOL bWaits, BOOL bEachTime)
{
    if (m_pPlayerDb && m_pPlayerDb->IsLost())
        m_bDbLossSaid = 1;
    if (m_bDbNotWrittenSaid && !bEachTime)
        return;
    m_bDbNotWrittenSaid = 1;
    AfxMessageBox(CString(kNotWritten) + (bWaits ? kWaits : kEditLater));
}

BOOL CBowlingDoc::PlayerDbWanted() const
{
    return m_pPlayerDb && m_pPlayerDb->IsWanted();
}

BOOL CBowlingDoc::ReachPlayerDb(CString* pstrWhy)
{
    // Chosen by the secretary, a command may start a new database where one is away, if asked.
    const CDbaseReturn back(*this, true, pstrWhy ? CMaking::AtFirstUse : CMaking::OnAsking);
    DbaseBack(*this, back);
    if (m_pPlayerDb && m_pPlayerDb->IsOpen() && m_pPlayerDb->Reach())
        return TRUE;
    // Told so, the secretary is told when it is back.
    if (m_pPlayerDb && m_pPlayerDb->IsLost())
        m_bDbLossSaid = 1;
    if (back.bDeclined)
        return FALSE;
    CString strWhy = m_pPlayerDb ? m_pPlayerDb->GetErrorText() : CString();
    if (strWhy.IsEmpty())
        strWhy = "It is not open.";
    if (pstrWhy)
        *pstrWhy = strWhy;
    else
        AfxMessageBox("The player database cannot be reached: " + strWhy);
    return FALSE;
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

int CBowlingDoc::PutDbasePlayer(CPlayer* pPlayer, DWORD dwDefaulted)
{
    if (!pPlayer)
        return -1;
    if (pPlayer->IsRobot())
        return 0;
    const CDbaseReturn back(*this);
    if (!m_pPlayerDb || !m_pPlayerDb->IsOpen())
        return -1;
    const int nResult = m_pPlayerDb->PutDbasePlayer(pPlayer, m_bStopDbReporting, &m_listPlayers, dwDefaulted);
    // Linked to a similar record, the bowler may have taken its names.
    pPlayer->MakeDisplayName(m_bSurnameFirst);
    AfterWrite(*this, nResult, back);
    return nResult;
}

int CBowlingDoc::PutDbaseChanges(const CPlayer& before, CPlayer* pPlayer, BOOL bConfirmed)
{
    if (!pPlayer)
        return -1;
    if (pPlayer->IsRobot())
        return 0;
    const CDbPending* pWaiting = pPlayer->m_pDbPending.get();
    const DWORD dwConfirmed = bConfirmed && pWaiting ? pWaiting->m_dwDamageTold & pWaiting->m_dwDetails : 0;
    const CDbaseReturn back(*this, m_bPlayerDatabase != 0);
    if (!m_bPlayerDatabase || !m_pPlayerDb || !m_pPlayerDb->IsOpen()) {
        // Written when the league is kept in the database again, or the database can be written.
        CPlayerDatabase::NoteChanges(before, *pPlayer, m_pPlayerDb, dwConfirmed);
        return m_bPlayerDatabase ? -1 : 0;
    }
    const int nResult = m_pPlayerDb->PutDbaseChanges(before, pPlayer, m_bStopDbReporting, &m_listPlayers, dwConfirmed);
    // The record may have renamed him.
    pPlayer->MakeDisplayName(m_bSurnameFirst);
    AfterWrite(*this, nResult, back);
    return nResult;
}

int CBowlingDoc::SyncDbasePlayer(CPlayer* pPlayer)
{
    if (!m_bPlayerDatabase || !pPlayer || !PlayerDbReady())
        return -1;
    const int nResult = m_pPlayerDb->SyncPlayer(*pPlayer, &m_listPlayers);
    pPlayer->MakeDisplayName(m_bSurnameFirst);
    SayDbaseReport(*this);
    return nResult;
}

int CBowlingDoc::SyncDbasePlayers(BOOL bWaitingOnly)
{
    if (!m_bPlayerDatabase || !PlayerDbReady())
        return -1;
    const int nResult = m_pPlayerDb->SyncPlayers(m_listPlayers, bWaitingOnly, m_bSurnameFirst);
    SayDbaseReport(*this);
    return nResult;
}
