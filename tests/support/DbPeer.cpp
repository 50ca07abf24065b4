// A second program on the player database, as a real process: it opens a league file with its
// "Database path" set to the folder it is given, and changes a bowler through the league document
// as the program's Player > Edit does, trying a lost database again when told, as the program's
// next need of it does. One command a line in, one answer a line out:
//
//   db_peer <league file> <database folder>   "open" or "lost: <why>", once the league is read
//   mobile <surname> <number>                 his mobile changed: "written", or "waits" (kept in
//                                             the league for the database)
//   retry                                     "open", or "lost: <why>"
//   save                                      "saved", or "not saved: <why>"
//   quit
//
// Every message box is said before the answer as "said <text>"; a question is answered No.
#include "framework/ui/Backend.h"
#include "framework/ui/Registry.h"
#include "league/BowlingDoc.h"
#include "league/Player.h"
#include "playerdb/BowlingDocDatabase.h"
#include "playerdb/PlayerDatabase.h"

#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>

namespace {

void Say(const std::string& line)
{
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

// A message is said on the answers' line; a question is answered No.
class CPeerBackend : public CHeadlessBackend
{
protected:
    void Show(const CString& text) override { Say("said " + text.str()); }
};

CPlayer* FindBySurname(CBowlingDoc& doc, const std::string& strSurname)
{
    for (POSITION pos = doc.m_listPlayers.GetHeadPosition(); pos;) {
        auto* p = static_cast<CPlayer*>(doc.m_listPlayers.GetNext(pos));
        if (p->m_strSurname.str() == strSurname)
            return p;
    }
    return nullptr;
}

void SayState(CBowlingDoc& doc)
{
    if (doc.m_pPlayerDb && doc.m_pPlayerDb->IsOpen())
        Say("open");
    else
        Say("lost: " + (doc.m_pPlayerDb ? doc.m_pPlayerDb->GetErrorText().str() : std::string("no database")));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        Say("usage: db_peer <league file> <database folder>");
        return 2;
    }
    CPeerBackend backend;
    AfxSetBackend(&backend);
    CRegistryKey key;
    key.Open(TORVANE_REGISTRY_KEY);
    key.SetStringValue(TORVANE_DATABASE_PATH_VALUE, argv[2]);
    PlayerDatabase::Install();

    CBowlingDoc doc;
    if (!doc.OnOpenDocument(argv[1])) {
        Say("not read");
        return 1;
    }
    SayState(doc);
    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream in(line);
        std::string what;
        in >> what;
        if (what == "mobile") {
            std::string strSurname, strNumber;
            in >> strSurname;
            std::getline(in >> std::ws, strNumber);
            CPlayer* p = FindBySurname(doc, strSurname);
            if (!p) {
                Say("no bowler " + strSurname);
                continue;
            }
            // As Player > Edit: the record's details shown, the change written, or kept waiting.
            doc.SyncDbasePlayer(p);
            CPlayer shown;
            shown.CopyFrom(*p);
            p->m_strPhoneMobile = strNumber.c_str();
            if (doc.PutDbaseChanges(shown, p) == 0)
                Say("written");
            else {
                doc.SayDbaseNotWritten(p->m_dwDbKey != 0);
                Say("waits");
            }
        } else if (what == "retry") {
            doc.PlayerDbReady();
            SayState(doc);
        } else if (what == "save") {
            CString strError;
            Say(doc.SaveToFile(argv[1], strError) ? std::string("saved") : "not saved: " + strError.str());
        } else if (what == "quit")
            break;
        else
            Say("unknown " + what);
    }
    AfxSetBackend(nullptr);
    return 0;
}
