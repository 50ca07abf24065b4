#include "reports/stats/CaptainsItem.h"

#include "league/BowlingDoc.h"
#include "league/Player.h"
#include "league/Team.h"
#include "reports/layout/ItemFont.h"
#include "view/DisplayHooks.h"
#include "view/ReportFlow.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CRepItem_Captains, CRepItem)

namespace {

constexpr int kColumnX[3] = {720, 4320, 7920};
constexpr int kRectWidth = 2880;
constexpr int kMaxLines = 9;

BOOL RunCaptainsList(CBowlingDoc* pDoc)
{
    if (!pDoc)
        return FALSE;
    BuildCaptainsList(*pDoc);
    return TRUE;
}

[[maybe_unused]] const bool s_bInstalled = (g_pfnRunCaptainsList = RunCaptainsList, true);

} // namespace

CRepItem_Captains::CRepItem_Captains() : m_pTeams{}
{
    m_nType = RIT_CAPTAINS;
    m_nPage = 1;
}

std::vector<CString> CRepItem_Captains::ColumnLines(const CTeam* pTeam) const
{
    std::vector<CString> lines;
    if (!pTeam)
        return lines;
    CString name = pTeam->m_strName;
    if (pTeam->m_bFolded) {
        lines.push_back(name + "   (Folded)");
        return lines;
    }
    lines.push_back(name);
    // A captain's number that names nobody shows the team alone.
    const CPlayer* pCaptain = pTeam->m_nCaptain && m_pDoc ? m_pDoc->FindPlayer(pTeam->m_nCaptain) : nullptr;
    if (pTeam->m_nCaptain == 0) {
        lines.push_back("No Captain Designated");
        return lines;
    }
    if (!pCaptain)
        return lines;
    lines.push_back(pCaptain->m_strFirstName + " " + pCaptain->m_strSurname);
    auto add = [&lines](const char* pszLabel, const CString& text) {
        if (!text.IsEmpty())
            lines.push_back(CString(pszLabel) + text);
    };
    add("Home : ", pCaptain->m_strPhoneHome);
    add("Work : ", pCaptain->m_strPhoneWork);
    add("Mobile : ", pCaptain->m_strPhoneMobile);
    for (int i = 0; i < 3; ++i)
        add("", pCaptain->m_strAddress[i]);
    const CString& line4 = pCaptain->m_strAddress[3];
    const CString& postcode = pCaptain->m_strAddress[4];
    if (!line4.IsEmpty() || !postcode.IsEmpty())
        lines.push_back(line4 + (line4.IsEmpty() ? "" : "  ") + postcode);
    return lines;
}

int CRepItem_Captains::GetHeight(CDC* pDC)
{
    EnsureLineHeight(pDC, m_fontHeading);
    EnsureLineHeight(pDC, m_fontDetail);
    // A team column is at least its name and one detail line; one detail line more leaves
    // the gap under the band.
    size_t nMost = 1;
    for (const CTeam* pTeam : m_pTeams)
        if (pTeam)
            nMost = std::max({nMost, ColumnLines(pTeam).size(), size_t{2}});
    return m_fontHeading.GetLineHeight(0) + m_fontDetail.GetLineHeight(0) * static_cast<int>(nMost);
}

void CRepItem_Captains::Draw(CDC* pDC, const CPageInfo* /*pInfo*/)
{
    CItemDrawState state(pDC);
    CFont fontHeading;
    CFont fontDetail;
    CreateItemFont(fontHeading, m_fontHeading, "System Error - Failed to create Hddr font in ri_head");
    CreateItemFont(fontDetail, m_fontDetail, "System Error - Failed to create Hddr font in ri_head");
    EnsureLineHeight(pDC, m_fontHeading);
    EnsureLineHeight(pDC, m_fontDetail);

    std::vector<CString> columns[3];
    CPlayer* pCaptains[3] = {};
    for (int c = 0; c < 3; ++c) {
        columns[c] = ColumnLines(m_pTeams[c]);
        if (m_pTeams[c] && !m_pTeams[c]->m_bFolded && m_pTeams[c]->m_nCaptain && m_pDoc)
            pCaptains[c] = m_pDoc->FindPlayer(m_pTeams[c]->m_nCaptain);
    }
    pDC->SelectObject(&fontHeading);
    pDC->SetTextColor(m_fontHeading.m_crColour);
    int nLineHeight = m_fontHeading.GetLineHeight(0);
    int y = m_y;
    for (int nLine = 0; nLine < kMaxLines; ++nLine) {
        if (nLine == 1) {
            pDC->SelectObject(&fontDetail);
            pDC->SetTextColor(m_fontDetail.m_crColour);
            nLineHeight = m_fontDetail.GetLineHeight(0);
        }
        bool bAny = false;
        for (int c = 0; c < 3; ++c) {
            if (nLine >= static_cast<int>(columns[c].size()) || columns[c][nLine].IsEmpty())
                continue;
            bAny = true;
            CPoint pt(kColumnX[c], y);
            DrawTextClipped(pDC, &pt, columns[c][nLine], 0);
            const CRect rc(kColumnX[c], y, kColumnX[c] + kRectWidth, y + nLineHeight);
            if (nLine == 0)
                m_pTeams[c]->AddHitRect(rc);
            else if (nLine == 1 && pCaptains[c])
                pCaptains[c]->AddHitRect(rc);
        }
        if (bAny)
            y += nLineHeight;
    }
}

int BuildCaptainsList(CBowlingDoc& doc)
{
    DeleteItemList(doc.m_listCaptainsItems);
    CRepItem_Captains* pBand = nullptr;
    int nColumn = 0;
    int nBands = 0;
    for (POSITION pos = doc.m_listTeams.GetHeadPosition(); pos;) {
        auto* pTeam = static_cast<CTeam*>(doc.m_listTeams.GetNext(pos));
        if (pTeam->IsRemoved() || pTeam->IsBye())
            continue;
        if (!pBand || nColumn == 3) {
            pBand = new CRepItem_Captains;
            pBand->m_pDoc = &doc;
            pBand->m_bTemporary = TEMP_SHOWING;
            doc.m_listCaptainsItems.AddTail(pBand);
            nColumn = 0;
            ++nBands;
        }
        pBand->m_pTeams[nColumn++] = pTeam;
    }
    return nBands;
}
