#include "admin/DatabasePlayerList.h"

#include "framework/ui/Wnd.h"
#include "league/BowlingDoc.h"
#include "league/Player.h"
#include "playerdb/PlayerDatabase.h"

#include <cctype>
#include <unordered_map>

namespace {

bool BeginsWith(const CString& strName, const CString& strTyped)
{
    return strName.GetLength() >= strTyped.GetLength() &&
           strName.Left(strTyped.GetLength()).CompareNoCase(strTyped) == 0;
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
    auto add = [&](bool bSurnameFirst) {
        CString s = bSurnameFirst ? t.m_strSurname + " " + t.m_strFirstName : t.m_strFirstName + " " + t.m_strSurname;
        lines.push_back({s, t.m_dwKey});
    };

    if (strTyped.IsEmpty()) {
        t.First();
        while (t.Next(1) == 0)
            if (!inLeague(false))
                add(true);
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
    return lines;
}

BOOL FillDatabasePlayerList(CBowlingDoc* pDoc, CListBox* pList, const CString& strTyped,
                            BOOL bExcludedNotInLeague)
{
    pList->ResetContent();
    BOOL bRead = FALSE;
    for (const CDatabaseListLine& line : ListDatabasePlayers(pDoc, strTyped, bExcludedNotInLeague, &bRead))
        pList->SetItemData(pList->AddString(line.strText), line.dwKey);
    return bRead;
}

DWORD SelectedDatabaseKey(CListBox* pList)
{
    const int n = pList->GetCurSel();
    return n >= 0 ? static_cast<DWORD>(pList->GetItemData(n)) : 0;
}
