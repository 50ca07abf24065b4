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

// Lines of one name (any case) are told apart by the first address line where none of the others
// has it, else by the record's unique reference, as "Database Details" shows it.
void TellNamesakesApart(std::vector<CDatabaseListLine>& lines, const std::vector<CString>& names,
                        const std::vector<CString>& addresses)
{
    std::map<CString, std::vector<size_t>> byName;
    for (size_t i = 0; i < lines.size(); ++i)
        byName[names[i]].push_back(i);
    for (const auto& [strName, same] : byName) {
        if (same.size() < 2)
            continue;
        for (size_t i : same) {
            const CString strAddress = Plain(addresses[i]);
            const bool bOwn = !strAddress.IsEmpty() && std::none_of(same.begin(), same.end(), [&](size_t j) {
                return j != i && Plain(addresses[j]) == strAddress;
            });
            CDatabaseListLine& line = lines[i];
            if (bOwn) {
                line.strApart = addresses[i];
                line.strApart.Trim();
            } else
                line.strApart.Format("Unique Ref. %08lX", static_cast<unsigned long>(line.dwKey));
            line.strText += " (" + line.strApart + ")";
        }
    }
}

} // namespace

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
    std::vector<CString> names, addresses;
    auto add = [&](bool bSurnameFirst) {
        CString s = bSurnameFirst ? t.m_strSurname + " " + t.m_strFirstName : t.m_strFirstName + " " + t.m_strSurname;
        lines.push_back({s, t.m_dwKey});
        names.push_back(Plain(t.m_strFirstName) + "\n" + Plain(t.m_strSurname));
        addresses.push_back(t.m_strAddress[0]);
    };

    if (strTyped.IsEmpty()) {
        t.First();
        while (t.Next(1) == 0)
            if (!inLeague(false))
                add(true);
        TellNamesakesApart(lines, names, addresses);
        return lines;
    }

    t.Clear();
    CString strKey = strTyped;
    strKey.SetAt(0, static_cast<char>(std::toupper(static_cast<unsigned char>(strKey[0]))));
    t.m_strSurname = strKey;
    if (t.Find() == 0) {
        if (!inLeague(false))
            add(false);
        // Every surname that begins with what was typed, not only the one found first.
        while (t.Next(1) == 0 && BeginsWith(t.m_strSurname, strTyped))
            if (!inLeague(true))
                add(false);
    } else if (t.ReadCurrent() == 0) {
        do {
            if (!BeginsWith(t.m_strSurname, strTyped))
                break;
            if (!inLeague(false))
                add(true);
        } while (t.Next(1) == 0);
    }
    TellNamesakesApart(lines, names, addresses);
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
