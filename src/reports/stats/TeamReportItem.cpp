#include "reports/stats/TeamReportItem.h"

#include "league/BowlingDoc.h"
#include "league/Player.h"
#include "league/Team.h"
#include "view/DisplayHooks.h"
#include "view/ReportFlow.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CRepItem_TeamReport, CRepItem)

namespace {

constexpr int kLine = -240;
constexpr int kFirstColumn = 4320;
constexpr int kColumnStep = 432;
constexpr int kGameBands = 13;
constexpr int kSeriesBands = 48;

int ColumnX(int i)
{
    return kFirstColumn + kColumnStep * i;
}

void Right(CDC* pDC, int x, int y, const CString& text)
{
    CPoint pt(x, y);
    DrawTextRightAligned(pDC, &pt, text, 0);
}

CString Fmt(const char* pszFormat, auto... args)
{
    CString s;
    s.Format(pszFormat, args...);
    return s;
}

// A threshold's band, kept inside the band table of its kind.
int BandOf(int nThreshold, bool bGame)
{
    return std::clamp(nThreshold / 25, 0, (bGame ? kGameBands : kSeriesBands) - 1);
}

[[maybe_unused]] const bool s_bInstalled = (g_pfnRunTeamReport = RunTeamReport, true);

} // namespace

CRepItem_TeamReport::CRepItem_TeamReport() : m_pTeam(nullptr), m_nThresholds{}, m_nBands{}, m_bSuppressZeros(0)
{
    // The player page's code: the two are never in one list.
    m_nType = RIT_PLAYER;
    m_nPage = 1;
}

int CRepItem_TeamReport::GetHeight(CDC* /*pDC*/)
{
    const int nBowlers = m_pTeam ? m_pTeam->GetOrderCount() : 0;
    return -(240 * nBowlers + 640);
}

void CRepItem_TeamReport::CountColumns(const int nThresholds[TEAM_REPORT_COLUMNS], int nSplit,
                                       const int nGameBands[13], const int nSeriesBands[48],
                                       int nCounts[TEAM_REPORT_COLUMNS])
{
    for (int i = 0; i < TEAM_REPORT_COLUMNS; ++i) {
        const bool bGame = i < nSplit;
        const bool bLastOfKind = i + 1 == TEAM_REPORT_COLUMNS || (bGame && i + 1 == nSplit);
        const int nTop = bGame ? kGameBands : kSeriesBands;
        const int nFrom = BandOf(nThresholds[i], bGame);
        const int nTo = bLastOfKind ? nTop : std::min(BandOf(nThresholds[i + 1], bGame), nTop);
        const int* pBands = bGame ? nGameBands : nSeriesBands;
        int n = 0;
        for (int b = nFrom; b < nTo; ++b)
            n += pBands[b];
        nCounts[i] = n;
    }
}

void CRepItem_TeamReport::Draw(CDC* pDC, const CPageInfo* /*pInfo*/)
{
    if (!m_pDoc || !m_pTeam)
        return;
    CStockFonts* pFonts = GetStockFonts(pDC);
    CFont* pOldFont = pDC->SelectObject(&pFonts->m_fontSmallBold);
    const int nSplit = std::clamp(m_pDoc->m_nDividerIndex, 0, TEAM_REPORT_COLUMNS);
    int y = m_y;
    CPoint pt(720, y);
    DrawTextClipped(pDC, &pt, m_pTeam->m_strName, 0);
    m_pTeam->AddHitRect(CRect(720, y, 3600, y - 240));

    int nMaxGame = -1;
    int nMaxSeries = -1;
    for (int i = 0; i < TEAM_REPORT_COLUMNS; ++i) {
        const bool bGame = i < nSplit;
        m_nBands[i] = BandOf(m_nThresholds[i], bGame);
        int& nMax = bGame ? nMaxGame : nMaxSeries;
        if (nMax < 0 || m_nThresholds[i] > m_nThresholds[nMax])
            nMax = i;
        Right(pDC, ColumnX(i), y, bGame ? "g" : "s");
    }
    y += kLine;
    Right(pDC, 3312, y, "Pins");
    Right(pDC, 3888, y, "Gms");
    for (int i = 0; i < TEAM_REPORT_COLUMNS; ++i) {
        CString label = Fmt("%d", m_nThresholds[i]);
        if (i == nMaxGame || i == nMaxSeries)
            label += "+";
        Right(pDC, ColumnX(i), y, label);
    }

    pDC->SelectObject(&pFonts->m_fontLarge);
    y += kLine;
    for (int k = 0; k < m_pTeam->GetOrderCount(); ++k, y += kLine) {
        CPlayer* pPlayer = m_pDoc->FindPlayer(m_pTeam->GetOrderAt(k));
        // A number that names nobody keeps its line, empty.
        if (!pPlayer)
            continue;
        pt = CPoint(720, y);
        DrawTextClipped(pDC, &pt, pPlayer->m_strName, 0);
        pPlayer->AddHitRect(CRect(720, y, 3600, y - 240));
        DWORD nPins = 0;
        int nGames = 0;
        int nGameBands[kGameBands];
        int nSeriesBands[kSeriesBands];
        m_pDoc->CountPlayerScoreBands(pPlayer, nPins, nGames, nGameBands, nSeriesBands);
        Right(pDC, 3312, y, Fmt("%u", static_cast<unsigned>(nPins)));
        Right(pDC, 3888, y, Fmt("%d", nGames));
        int nCounts[TEAM_REPORT_COLUMNS];
        CountColumns(m_nThresholds, nSplit, nGameBands, nSeriesBands, nCounts);
        for (int i = 0; i < TEAM_REPORT_COLUMNS; ++i)
            if (nCounts[i] != 0 || !m_bSuppressZeros)
                Right(pDC, ColumnX(i), y, Fmt("%d", nCounts[i]));
    }
    pDC->SelectObject(pOldFont);
}

// --- the dialog ----------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CTeamStatsSetupDlg, CDialog)
    ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_TSS_VALUE[0], IDC_TSS_VALUE[TEAM_REPORT_COLUMNS - 1], OnValueKillFocus)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_TSS_SPLIT[0], IDC_TSS_SPLIT[TEAM_REPORT_COLUMNS - 1], OnSplitClicked)
END_MESSAGE_MAP()

namespace {

int RoundDown(int n)
{
    return n / 25 * 25;
}

} // namespace

BOOL CTeamStatsSetupDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    for (int& n : m_nValues)
        n = RoundDown(n);
    m_nSplit = std::clamp(m_nSplit, 0, TEAM_REPORT_COLUMNS);
    m_bSuppressZeros = TRUE;
    CheckDlgButton(IDC_TSS_NO_ZEROS, 1);
    ShowValues();
    ShowSplit();
    return TRUE;
}

void CTeamStatsSetupDlg::ShowValues()
{
    for (int i = 0; i < TEAM_REPORT_COLUMNS; ++i)
        SetDlgItemInt(IDC_TSS_VALUE[i], static_cast<UINT>(m_nValues[i]));
}

void CTeamStatsSetupDlg::ShowSplit()
{
    for (int i = 0; i < TEAM_REPORT_COLUMNS; ++i) {
        CheckDlgButton(IDC_TSS_SPLIT[i], i == m_nSplit ? 1 : 0);
        SetDlgItemText(IDC_TSS_KIND[i], i < m_nSplit ? "Game" : "Series");
    }
}

void CTeamStatsSetupDlg::OnValueKillFocus(UINT nID)
{
    for (int i = 0; i < TEAM_REPORT_COLUMNS; ++i) {
        if (IDC_TSS_VALUE[i] != nID)
            continue;
        BOOL bOk = FALSE;
        const int n = static_cast<int>(GetDlgItemInt(nID, &bOk, TRUE));
        // What is not a number, or lies outside a score's range, keeps the value it had.
        if (bOk && n >= 0 && n <= 0xFFFF)
            m_nValues[i] = RoundDown(n);
        SetDlgItemInt(nID, static_cast<UINT>(m_nValues[i]));
    }
}

void CTeamStatsSetupDlg::OnSplitClicked(UINT nID)
{
    for (int k = 0; k < TEAM_REPORT_COLUMNS; ++k)
        if (IDC_TSS_SPLIT[k] == nID)
            m_nSplit = m_nSplit == k ? TEAM_REPORT_COLUMNS : k;
    ShowSplit();
}

BOOL CTeamStatsSetupDlg::ReadValues()
{
    for (int i = 0; i < TEAM_REPORT_COLUMNS; ++i) {
        BOOL bOk = FALSE;
        const int n = static_cast<int>(GetDlgItemInt(IDC_TSS_VALUE[i], &bOk, TRUE));
        if (!bOk || n < 0 || n > 0xFFFF) {
            AfxMessageBox("Please enter an integer between 0 and 65535.");
            GotoDlgCtrl(GetDlgItem(IDC_TSS_VALUE[i]));
            return FALSE;
        }
        m_nValues[i] = n;
    }
    return TRUE;
}

void CTeamStatsSetupDlg::OnOK()
{
    if (!ReadValues())
        return;
    m_bSuppressZeros = IsDlgButtonChecked(IDC_TSS_NO_ZEROS) ? TRUE : FALSE;
    // The game rows, then (only when those are in order) the series rows.
    const int nParts[2][2] = {{0, m_nSplit}, {m_nSplit, TEAM_REPORT_COLUMNS}};
    for (int part = 0; part < 2; ++part) {
        for (int i = nParts[part][0]; i + 1 < nParts[part][1]; ++i) {
            if (m_nValues[i + 1] >= m_nValues[i])
                continue;
            CString text;
            text.Format(part == 0 ? "G%d %d (%d) > %d (%d)" : "S%d %d (%d) > %d (%d)", m_nSplit, i, m_nValues[i],
                        i + 1, m_nValues[i + 1]);
            AfxMessageBox(text);
            if (AfxMessageBox("The values MUST be in ascending order.  Would you like them sorted for you?",
                              MB_YESNO) == IDYES) {
                std::sort(m_nValues, m_nValues + m_nSplit);
                std::sort(m_nValues + m_nSplit, m_nValues + TEAM_REPORT_COLUMNS);
                ShowValues();
            }
            return;
        }
    }
    CDialog::OnOK();
}

// --- the command ---------------------------------------------------------------------------

int BuildTeamReport(CBowlingDoc& doc, BOOL bSuppressZeros)
{
    DeleteItemList(doc.m_listTeamReportItems);
    std::vector<CTeam*> teams;
    for (POSITION pos = doc.m_listTeams.GetHeadPosition(); pos && static_cast<int>(teams.size()) < doc.m_nTeams;)
        teams.push_back(static_cast<CTeam*>(doc.m_listTeams.GetNext(pos)));
    if (doc.m_bFloatingSubsAsTeam && doc.BuildFloatingSubs() > 0 && doc.m_pFloatingSubsTeam)
        teams.push_back(doc.m_pFloatingSubsTeam);
    for (CTeam* pTeam : teams) {
        auto* pItem = new CRepItem_TeamReport;
        pItem->m_pDoc = &doc;
        pItem->m_pTeam = pTeam;
        pItem->m_bSuppressZeros = bSuppressZeros ? 1 : 0;
        pItem->m_bTemporary = TEMP_SHOWING;
        for (int i = 0; i < TEAM_REPORT_COLUMNS; ++i)
            pItem->m_nThresholds[i] = doc.m_nScoreThresholds[i];
        doc.m_listTeamReportItems.AddTail(pItem);
    }
    return static_cast<int>(teams.size());
}

BOOL RunTeamReport(CBowlingDoc* pDoc)
{
    if (!pDoc)
        return FALSE;
    CTeamStatsSetupDlg dlg;
    for (int i = 0; i < TEAM_REPORT_COLUMNS; ++i)
        dlg.m_nValues[i] = pDoc->m_nScoreThresholds[i];
    dlg.m_nSplit = pDoc->m_nDividerIndex;
    if (dlg.DoModal() != IDOK)
        return FALSE;
    bool bChanged = pDoc->m_nDividerIndex != dlg.m_nSplit;
    for (int i = 0; i < TEAM_REPORT_COLUMNS; ++i) {
        bChanged = bChanged || pDoc->m_nScoreThresholds[i] != dlg.m_nValues[i];
        pDoc->m_nScoreThresholds[i] = static_cast<WORD>(dlg.m_nValues[i]);
    }
    pDoc->m_nDividerIndex = dlg.m_nSplit;
    // The thresholds are kept in the league file.
    if (bChanged)
        pDoc->SetModifiedFlag();
    pDoc->m_strReportTitle = "Teams Report";
    BuildTeamReport(*pDoc, dlg.m_bSuppressZeros);
    return TRUE;
}
