#include "admin/DatabasePlayerList.h"

#include "framework/ui/Wnd.h"
#include "league/BowlingDoc.h"
#include "league/Player.h"
#include "playerdb/PlayerDatabase.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <unordered_map>

namespace {

bool BeginsWith(const CString& strName, const CString& strTyped)
{
    return strName.GetLength() >= strTyped.GetLength() &&
           strName.Left(strTyped.GetLength()).CompareNoCase(strTyped) == 0;
}

// A text as it tells people apart: any case, blanks at the ends and repeated within not counted.
CString Plain(const CString& s)
{
    CString out;
    bool bBlank = false;
    for (int i = 0; i < s.GetLength(); ++i) {
        if (s[i] == ' ' || s[i] == '\t') {
            bBlank = !out.IsEmpty();
            continue;
        }
        if (bBlank)
            out += ' ';
        bBlank = false;
        out += s[i];
    }
    return out.MakeUpper();
}

} // namespace

CNamesake NamesakeOf(const CPlayb003File& t)
{
    return {Plain(t.m_strFirstName) + "\n" + Plain(t.m_strSurname), t.m_strAddress[0], t.m_dwKey};
}

void TellNamesakesApart(std::vector<CDatabaseListLine>& lines, const std::vector<CNamesake>& walked)
{
    std::map<CString, std::vector<const CNamesake*>> byName;
    for (const CNamesake& w : walked)
        byName[w.strName].push_back(&w);
    std::map<DWORD, const CNamesake*> byKey;
    for (const CNamesake& w : walked)
        byKey.emplace(w.dwKey, &w);
    for (CDatabaseListLine& line : lines) {
        const CNamesake& me = *byKey.at(line.dwKey);
        const std::vector<const CNamesake*>& same = byName[me.strName];
        if (same.size() < 2)
            continue;
        const CString strAddress = Plain(me.strAddress);
        const bool bOwn = !strAddress.IsEmpty() && std::none_of(same.begin(), same.end(), [&](const CNamesake* w) {
            return w != &me && Plain(w->strAddress) == strAddress;
        });
        if (bOwn) {
            line.strApart = me.strAddress;
            line.strApart.Trim();
        } else
            line.strApart = "Unique Ref. " + CPlayerDatabase::UniqueRef(line.dwKey);
        line.strText += " (" + line.strApart + ")";
    }
}

std::vector<CDatabaseListLine> ListDatabasePlayers(CBowlingDoc* pDoc, const CString& strTyped,
                                                   BOOL bExcludedNotInLeague, BOOL* pbRead)
{
    std::vector<CDatabaseListLine> lines;
    if (pbRead)
        *pbRead = FALSE;
    if (!pDoc || !pDoc->m_pPlayerDb)
        return lines;
    CPlayb003File& t = pDoc->m_pPlayerDb->GetTable();
    // One look at the files for the whole list: a step that fails is then the list's end, never a
    // database gone half way (which would list nothing, or part, as if that were all).
    const CIndexedFile::CUse use(t);
    if (!use || t.SelectIndex("Sname") != 0)
        return lines;
    if (pbRead)
        *pbRead = TRUE;

    // One pass over the league instead of a search of it for every record.
    std::unordered_map<DWORD, const CPlayer*> league;
    for (POSITION pos = pDoc->m_listPlayers.GetHeadPosition(); pos;) {
        auto* p = static_cast<const CPlayer*>(pDoc->m_listPlayers.GetNext(pos));
        if (p->m_dwDbKey)
            league.emplace(p->m_dwDbKey, p);
    }
    auto inLeague = [&](bool bAfterFirst) {
        auto it = league.find(t.m_dwKey);
        if (it == league.end())
            return false;
        return !(bExcludedNotInLeague && !bAfterFirst && it->second->IsResigned());
    };
    // Every record walked, listed or not: its namesakes are told from it.
    std::vector<CNamesake> walked;
    auto consider = [&](bool bAfterFirst, bool bSurnameFirst) {
        walked.push_back(NamesakeOf(t));
        if (inLeague(bAfterFirst))
            return;
        CString s = bSurnameFirst ? t.m_strSurname + " " + t.m_strFirstName : t.m_strFirstName + " " + t.m_strSurname;
        lines.push_back({s, t.m_dwKey, CString()});
    };

    CString strSought = strTyped;
    strSought.Trim();
    if (strSought.IsEmpty()) {
        t.First();
        while (t.Next(1) == 0)
            consider(false, true);
        TellNamesakesApart(lines, walked);
        return lines;
    }

    t.Clear();
    CString strKey = strSought;
    strKey.SetAt(0, static_cast<char>(std::toupper(static_cast<unsigned char>(strKey[0]))));
    t.m_strSurname = strKey;
    if (t.Find() == 0) {
        consider(false, false);
        // Every surname that begins with what was typed, not only the one found first.
        while (t.Next(1) == 0 && BeginsWith(t.m_strSurname, strSought))
            consider(true, false);
    } else if (t.ReadCurrent() == 0) {
        do {
            if (!BeginsWith(t.m_strSurname, strSought))
                break;
            consider(false, true);
        } while (t.Next(1) == 0);
    }
    // A surname another program stored with blanks before it stands apart in the index.
    t.ForEachBlankLedSurname(strSought, true, [&] {
        consider(!walked.empty(), false);
        return true;
    });
    TellNamesakesApart(lines, walked);
    return lines;
}

BOOL FillDatabasePlayerList(CBowlingDoc* pDoc, CListBox* pList, const CString& strTyped,
                            BOOL bExcludedNotInLeague, std::vector<CDatabaseListLine>* pLines)
{
    pList->ResetContent();
    BOOL bRead = FALSE;
    std::vector<CDatabaseListLine> lines = ListDatabasePlayers(pDoc, strTyped, bExcludedNotInLeague, &bRead);
    for (const CDatabaseListLine& line : lines)
        pList->SetItemData(pList->AddString(line.strText), line.dwKey);
    if (pLines)
        *pLines = std::move(lines);
    return bRead;
}

DWORD SelectedDatabaseKey(CListBox* pList)
{
    const int n = pList->GetCurSel();
    return n >= 0 ? static_cast<DWORD>(pList->GetItemData(n)) : 0;
}
