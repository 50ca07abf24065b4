#include "reports/stats/PlayerListItem.h"

#include "league/BowlingDoc.h"
#include "league/Player.h"
#include "reports/layout/ItemFont.h"
#include "reports/layout/ItemText.h"
#include "view/ReportFlow.h"

#include <algorithm>

namespace {

// "12 Mar 1990": day and month as "%d %b", then the year; "???" for a damaged month.
CString DayMonthYear(int nDay, int nMonth, int nYear)
{
    static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    CString s;
    s.Format("%d %s %d", nDay, nMonth >= 1 && nMonth <= 12 ? months[nMonth - 1] : "???", nYear);
    return s;
}

using ItemText::Left;

} // namespace

CRepItem_PlayerList::CRepItem_PlayerList()
{
    m_nType = RIT_PLAYER;
    m_nPage = 1;
}

CRepItem_PlayerList::~CRepItem_PlayerList() = default;

int CRepItem_PlayerList::CountLines(const CPlayer* p) const
{
    if (!p)
        return 0;
    int nLines = 1;
    if (m_bShowAddress)
        nLines += p->CountAddressLines();
    nLines += (m_bShowPin ? 1 : 0) + (m_bShowMembershipNo ? 1 : 0) + (m_bShowMembershipType ? 1 : 0);
    if (m_bShowUser1 && !p->m_strUserData1.IsEmpty())
        ++nLines;
    if (m_bShowUser2 && !p->m_strUserData2.IsEmpty())
        ++nLines;
    if (m_bShowPhones)
        nLines = std::max(nLines, p->CountPhoneNumbers());
    return nLines;
}

int CRepItem_PlayerList::GetHeight(CDC* pDC)
{
    EnsureLineHeight(pDC, m_fontName);
    EnsureLineHeight(pDC, m_fontDetail);
    const int nl = m_fontName.GetLineHeight(0);
    const int dl = m_fontDetail.GetLineHeight(0);
    const int nLines = std::max({1, CountLines(m_pLeft), CountLines(m_pRight)});
    return nl + dl * (nLines - 1) + dl / 2;
}

void CRepItem_PlayerList::Draw(CDC* pDC, const CPageInfo* /*pInfo*/)
{
    if (!m_pLeft)
        return;
    EnsureLineHeight(pDC, m_fontName);
    EnsureLineHeight(pDC, m_fontDetail);
    CItemDrawState state(pDC);
    CFont fontName, fontDetail;
    CreateItemFont(fontName, m_fontName, nullptr);
    CreateItemFont(fontDetail, m_fontDetail, nullptr);
    DrawColumn(pDC, m_pLeft, 720, 5400, true, fontName, fontDetail);
    if (m_pRight)
        DrawColumn(pDC, m_pRight, 6120, PAGE_RIGHT, false, fontName, fontDetail);
}

void CRepItem_PlayerList::DrawColumn(CDC* pDC, CPlayer* p, int x0, int nPhoneEdge, bool bLeft, CFont& fontName,
                                     CFont& fontDetail)
{
    const int nl = m_fontName.GetLineHeight(0);
    const int dl = m_fontDetail.GetLineHeight(0);
    int y = m_y;
    CString s;

    // The surname in the name font, the first name (and birth date) after it.
    pDC->SelectObject(&fontName);
    pDC->SetTextColor(m_fontName.m_crColour);
    const CString strSurname = p->m_strSurname + " ";
    Left(pDC, x0, y, strSurname);
    const int nWidth = pDC->GetTextExtent(strSurname).cx;
    p->AddHitRect(CRect(x0, y, x0 + nWidth, y + nl));
    pDC->SelectObject(&fontDetail);
    pDC->SetTextColor(m_fontDetail.m_crColour);
    CString strFirst = p->m_strFirstName;
    if (m_bShowBirthDate && p->m_nBirthDay && p->m_nBirthMonth && p->m_nBirthYear)
        strFirst += " [" + DayMonthYear(p->m_nBirthDay, p->m_nBirthMonth, p->m_nBirthYear) + "]";
    Left(pDC, x0 + nWidth, y, strFirst);
    const int yName = y;
    y += nl;

    if (m_bShowAddress)
        for (const CString& line : p->m_strAddress)
            if (!line.IsEmpty()) {
                Left(pDC, x0, y, line);
                y += dl;
            }
    if (m_bShowPin) {
        Left(pDC, x0, y, "P.I.N.");
        s.Format("%d", p->m_nPin);
        Left(pDC, x0 + 1440, y, s);
        y += dl;
    }
    if (m_bShowMembershipNo) {
        Left(pDC, x0, y, "Membership No.");
        s = p->m_strMembershipNo;
        if (p->m_nExpiryDay && p->m_nExpiryMonth && p->m_nExpiryYear)
            s += "   Expires " + DayMonthYear(p->m_nExpiryDay, p->m_nExpiryMonth, p->m_nExpiryYear) + ".";
        Left(pDC, x0 + 1440, y, s);
        y += dl;
    }
    if (m_bShowMembershipType) {
        Left(pDC, x0, y, "Membership Type:");
        const int nType = p->m_nMembershipType;
        const CStringArray& types = m_pDoc->m_arrMembershipTypes;
        if (nType == 0)
            s = "None";
        else if (nType - 1 < types.GetSize())
            s = types[nType - 1];
        else if (bLeft)
            s.Format("Invalid value %d", nType);
        else
            s = "Invalid value";
        Left(pDC, x0 + 1800, y, s);
        y += dl;
    }
    if (m_bShowUser1 && !p->m_strUserData1.IsEmpty()) {
        Left(pDC, x0, y, p->m_strUserData1);
        y += dl;
    }
    if (m_bShowUser2 && !p->m_strUserData2.IsEmpty())
        Left(pDC, x0, y, p->m_strUserData2);

    if (m_bShowPhones) {
        y = yName;
        const std::pair<const CString*, const char*> phones[] = {
            {&p->m_strPhoneHome, " [H]"}, {&p->m_strPhoneWork, " [W]"}, {&p->m_strPhoneMobile, " [M]"}};
        for (const auto& [pNumber, pszMark] : phones)
            if (!pNumber->IsEmpty()) {
                CPoint pt(nPhoneEdge, y);
                DrawTextRightAligned(pDC, &pt, *pNumber + pszMark, 0);
                y += dl;
            }
    }
}

int BuildPlayerList(CBowlingDoc& doc)
{
    DeleteItemList(doc.m_listDisplayItems);
    doc.m_strReportTitle = "Player Details";
    doc.m_fontReportTitle.CopyFrom(doc.m_DefaultFonts[FONT_PLAYER_LIST_TITLE]);
    const int nPlayers = doc.CountActivePlayers();
    int nBlocks = 0;
    for (int k = 1; k <= nPlayers; k += 2) {
        auto* pItem = new CRepItem_PlayerList;
        pItem->m_pDoc = &doc;
        pItem->m_bTemporary = TEMP_SHOWING;
        pItem->m_pLeft = doc.FindPlayerByRank(k);
        pItem->m_pRight = k + 1 <= nPlayers ? doc.FindPlayerByRank(k + 1) : nullptr;
        pItem->m_fontDetail.CopyFrom(doc.m_DefaultFonts[FONT_PLAYER_LIST_DETAIL]);
        pItem->m_fontName.CopyFrom(doc.m_DefaultFonts[FONT_PLAYER_LIST_NAME]);
        const DWORD* show = doc.m_bPlayerListShow;
        pItem->m_bShowAddress = show[PLS_ADDRESS];
        pItem->m_bShowPhones = show[PLS_PHONES];
        pItem->m_bShowPin = show[PLS_PIN];
        pItem->m_bShowMembershipNo = show[PLS_MEMBERSHIP_NO];
        pItem->m_bShowMembershipType = show[PLS_MEMBERSHIP_TYPE];
        pItem->m_bShowBirthDate = show[PLS_BIRTH_DATE];
        pItem->m_bShowUser1 = show[PLS_USER1];
        pItem->m_bShowUser2 = show[PLS_USER2];
        doc.m_listDisplayItems.AddTail(pItem);
        ++nBlocks;
    }
    return nBlocks;
}
