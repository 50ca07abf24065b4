#include "admin/SplitSeasonDlg.h"

#include "league/BowlingDoc.h"

#include <algorithm>

// ---------------------------------------------------------------- Split Season

BEGIN_MESSAGE_MAP(CSplitSeasonDlg, CDialog)
    ON_BN_CLICKED(IDC_SS_ENABLED, OnSplitSeason)
    ON_BN_CLICKED(IDC_SS_USE_CUSTOM, OnCustomSplits)
    ON_BN_CLICKED(IDC_SS_RESET_HI, OnChangeValues)
    ON_BN_CLICKED(IDC_SS_COMPLETE_RESET, OnChangeValues)
    ON_EN_CHANGE(IDC_SS_ROUNDS_PER_SPLIT, OnChangeRoundsPerSplit)
    ON_EN_CHANGE(IDC_SS_SPLITS, OnChangeValues)
    ON_EN_KILLFOCUS(IDC_SS_ROUNDS_PER_SPLIT, OnKillfocusRoundsPerSplit)
    ON_EN_KILLFOCUS(IDC_SS_SPLITS, OnKillfocusSplits)
    ON_BN_CLICKED(IDC_SS_DEFINE_CUSTOM, OnDefineCustom)
END_MESSAGE_MAP()

void CSplitSeasonDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_SS_ROUNDS_PER_SPLIT, m_nRoundsPerSplit);
    DDV_MinMaxInt(pDX, m_nRoundsPerSplit, 0, 255);
    DDX_Check(pDX, IDC_SS_ENABLED, m_bSplitSeason);
    DDX_Text(pDX, IDC_SS_SPLITS, m_nSplits);
    DDV_MinMaxInt(pDX, m_nSplits, 0, 255);
    DDX_Check(pDX, IDC_SS_RESET_HI, m_bResetHiStats);
    DDX_Check(pDX, IDC_SS_COMPLETE_RESET, m_bCompleteReset);
    DDX_Check(pDX, IDC_SS_USE_CUSTOM, m_bCustomSplits);
    DDX_Text(pDX, IDC_SS_ROUNDS_TEXT, m_strRoundsText);
    DDX_Text(pDX, IDC_SS_PROMPT, m_strPrompt);
}

int CSplitSeasonDlg::CountCustomStarts() const
{
    return static_cast<int>(std::count_if(std::begin(m_nCustomStart), std::end(m_nCustomStart), [](BYTE b) { return b != 0; }));
}

BOOL CSplitSeasonDlg::OnInitDialog()
{
    m_nCustomSplits = CountCustomStarts();
    m_strRoundsText.Format("League set for %d rounds", m_nRounds);
    m_strPrompt = "Enter number of rounds per split";
    CDialog::OnInitDialog();
    m_bReady = true;
    GetDlgItem(IDC_SS_USE_CUSTOM)->EnableWindow(m_nCustomStart[1] != 0 ? TRUE : FALSE);
    GetDlgItem(IDC_SS_ENABLED)->EnableWindow(m_nRoundsPerSplit != 0 ? TRUE : FALSE);
    UpdateSummary();
    ShowFittedSplits();
    return TRUE;
}

int CSplitSeasonDlg::FittedSplits(int nSplits) const
{
    return CLeagueSettings::FittedSplits(nSplits, m_nRoundsPerSplit, m_nRounds);
}

void CSplitSeasonDlg::UpdateSummary()
{
    // The boxes as they stand, whether or not their text is a number yet.
    BOOL bNumber = FALSE;
    m_nRoundsPerSplit = static_cast<int>(GetDlgItemInt(IDC_SS_ROUNDS_PER_SPLIT, &bNumber, FALSE));
    if (!bNumber)
        m_nRoundsPerSplit = 0;
    m_nSplits = static_cast<int>(GetDlgItemInt(IDC_SS_SPLITS, &bNumber, FALSE));
    if (!bNumber)
        m_nSplits = 0;
    m_bSplitSeason = IsDlgButtonChecked(IDC_SS_ENABLED) ? 1 : 0;
    m_bCustomSplits = IsDlgButtonChecked(IDC_SS_USE_CUSTOM) ? 1 : 0;

    m_strSummary1.Empty();
    m_strSummary2.Empty();
    m_strCustomSummary.Empty();
    const int nPer = m_nRoundsPerSplit;
    // No rounds per split, or a split as long as the season, means no simple splits, whatever
    // the box says.
    if (m_bSplitSeason && CLeagueSettings::SimpleSplitsUsable(nPer, m_nRounds)) {
        const int nLeft = m_nRounds % nPer;
        m_nSplits = FittedSplits(m_nSplits);
        if (nLeft == 0) {
            m_strSummary1.Format("%d splits of %d rounds", m_nSplits, nPer);
        } else if (m_nSplits < 3) {
            m_strSummary1.Format("1 split of %d rounds", nPer);
            m_strSummary2.Format("1 split of %d rounds", m_nRounds - (m_nSplits - 1) * nPer);
        } else {
            m_strSummary1.Format("%d splits of %d rounds", m_nSplits - 1, nPer);
            m_strSummary2.Format("1 split of %d rounds", m_nRounds - (m_nSplits - 1) * nPer);
        }
    }
    if (m_bCustomSplits)
        m_strCustomSummary.Format("%d Custom Splits.", m_nCustomSplits);
    SetDlgItemText(IDC_SS_SUMMARY1, m_strSummary1);
    SetDlgItemText(IDC_SS_SUMMARY2, m_strSummary2);
    SetDlgItemText(IDC_SS_CUSTOM_SUMMARY, m_strCustomSummary);
    if (m_bSplitSeason)
        for (UINT nID : {IDC_SS_ROUNDS_TEXT, IDC_SS_ROUNDS_PER_SPLIT, IDC_SS_RESET_HI, IDC_SS_SPLITS, IDC_SS_SUMMARY1,
                         IDC_SS_SUMMARY2})
            GetDlgItem(nID)->EnableWindow(TRUE);
}

void CSplitSeasonDlg::OnChangeValues()
{
    // The boxes are filled one by one while the dialog opens: the members are still the truth.
    if (m_bReady)
        UpdateSummary();
}

void CSplitSeasonDlg::OnChangeRoundsPerSplit()
{
    if (!m_bReady)
        return;
    UpdateSummary();
    // Offered as soon as there is a length to split by, not only once the box is left.
    if (m_nRoundsPerSplit != 0)
        GetDlgItem(IDC_SS_ENABLED)->EnableWindow(TRUE);
}

void CSplitSeasonDlg::OnSplitSeason()
{
    if (IsDlgButtonChecked(IDC_SS_ENABLED))
        CheckDlgButton(IDC_SS_USE_CUSTOM, 0);
    UpdateSummary();
    ShowFittedSplits();
}

void CSplitSeasonDlg::OnCustomSplits()
{
    if (IsDlgButtonChecked(IDC_SS_USE_CUSTOM))
        CheckDlgButton(IDC_SS_ENABLED, 0);
    UpdateSummary();
}

void CSplitSeasonDlg::OnKillfocusRoundsPerSplit()
{
    UpdateSummary();
    ShowFittedSplits();
    GetDlgItem(IDC_SS_ENABLED)->EnableWindow(m_nRoundsPerSplit != 0 ? TRUE : FALSE);
}

void CSplitSeasonDlg::OnKillfocusSplits()
{
    UpdateSummary();
    ShowFittedSplits();
}

void CSplitSeasonDlg::ShowFittedSplits()
{
    // The box shows the count the summary was worked out with (and OK will store), not a 0 or
    // a count the season cannot hold; never while that box is being typed in.
    if (!m_bSplitSeason || m_nRoundsPerSplit <= 0)
        return;
    BOOL bNumber = FALSE;
    const UINT nShown = GetDlgItemInt(IDC_SS_SPLITS, &bNumber, FALSE);
    if (!bNumber || nShown != static_cast<UINT>(m_nSplits))
        SetDlgItemInt(IDC_SS_SPLITS, static_cast<UINT>(m_nSplits), FALSE);
}

void CSplitSeasonDlg::OnDefineCustom()
{
    CCustomSplitsDlg dlg;
    dlg.m_pDoc = m_pDoc;
    dlg.m_nRounds = m_nRounds;
    if (dlg.DoModal() != IDOK)
        return;
    // The custom dialog wrote the starts to the league: OK here must not put the old ones back.
    if (m_pDoc)
        std::copy(std::begin(m_pDoc->m_nCustomSplitStart), std::end(m_pDoc->m_nCustomSplitStart), m_nCustomStart);
    m_nCustomSplits = CountCustomStarts();
    GetDlgItem(IDC_SS_USE_CUSTOM)->EnableWindow(m_nCustomStart[1] != 0 ? TRUE : FALSE);
    if (m_nCustomStart[1] == 0)
        CheckDlgButton(IDC_SS_USE_CUSTOM, 0);
    UpdateSummary();
}

void CSplitSeasonDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    // Simple splits asked for, but the second would start after the last round.
    if (m_bSplitSeason && m_nRoundsPerSplit > 0 && !CLeagueSettings::SimpleSplitsUsable(m_nRoundsPerSplit, m_nRounds)) {
        CString strMsg;
        strMsg.Format("Beyond the last round NOT allowed.  The league has %d rounds, so with %d rounds per split, "
                      "split 2 would start at round %d.",
                      m_nRounds, m_nRoundsPerSplit, m_nRoundsPerSplit + 1);
        AfxMessageBox(strMsg);
        GotoDlgCtrl(GetDlgItem(IDC_SS_ROUNDS_PER_SPLIT));
        return;
    }
    if (!CLeagueSettings::SimpleSplitsUsable(m_nRoundsPerSplit, m_nRounds))
        m_bSplitSeason = 0;
    if (m_bSplitSeason)
        m_nSplits = FittedSplits(m_nSplits);
    if (!CLeagueSettings::CustomSplitsUsable(m_nCustomStart, m_nRounds))
        m_bCustomSplits = 0;
    EndDialog(IDOK);
}

// ---------------------------------------------------------------- Custom Splits

BEGIN_MESSAGE_MAP(CCustomSplitsDlg, CDialog)
    ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_CS_START + 1, IDC_CS_START + 11, OnKillfocusStart)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_CS_DELETE + 1, IDC_CS_DELETE + 11, OnDelete)
END_MESSAGE_MAP()

BOOL CCustomSplitsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (m_pDoc)
        std::copy(std::begin(m_pDoc->m_nCustomSplitStart), std::end(m_pDoc->m_nCustomSplitStart), m_nStart);
    m_nStart[0] = 1;
    GetDlgItem(IDC_CS_START)->EnableWindow(FALSE);
    GetDlgItem(IDC_CS_DELETE)->EnableWindow(FALSE);
    ShowStarts();
    UpdateDurations();
    return TRUE;
}

void CCustomSplitsDlg::ShowStarts()
{
    for (int i = 0; i < 12; ++i) {
        CString strStart;
        if (m_nStart[i] != 0)
            strStart.Format("%d", m_nStart[i]);
        SetDlgItemText(IDC_CS_START + i, strStart);
    }
}

void CCustomSplitsDlg::UpdateDurations()
{
    int nRemaining = m_nRounds;
    m_nLaterSplits = 0;
    for (CString& s : m_strDuration)
        s.Empty();
    for (int i = 1; i < 12; ++i) {
        if (m_nStart[i] != 0) {
            const int nLength = m_nStart[i] - m_nStart[i - 1];
            m_strDuration[i - 1].Format("%d Rounds", nLength);
            nRemaining -= nLength;
            ++m_nLaterSplits;
            GetDlgItem(IDC_CS_DELETE + i)->EnableWindow(TRUE);
            GetDlgItem(IDC_CS_START + i)->EnableWindow(TRUE);
            continue;
        }
        GetDlgItem(IDC_CS_DELETE + i)->EnableWindow(FALSE);
        const bool bAfterLast = m_nStart[i - 1] != 0;
        if (bAfterLast)
            m_strDuration[i - 1].Format("%d Rounds", nRemaining);
        GetDlgItem(IDC_CS_START + i)->EnableWindow(bAfterLast ? TRUE : FALSE);
    }
    if (m_nStart[11] != 0)
        m_strDuration[11].Format("%d Rounds", nRemaining);
    for (int i = 0; i < 12; ++i)
        SetDlgItemText(IDC_CS_DURATION + i, m_strDuration[i]);
}

void CCustomSplitsDlg::OnKillfocusStart(UINT nID) { ApplyStart(static_cast<int>(nID - IDC_CS_START)); }

bool CCustomSplitsDlg::ApplyStart(int i)
{
    const UINT nID = IDC_CS_START + static_cast<UINT>(i);
    BOOL bNumber = FALSE;
    const int nTyped = static_cast<int>(GetDlgItemInt(nID, &bNumber, FALSE));
    // Passing through an empty box, or one left as it was, changes nothing.
    if ((bNumber && nTyped == m_nStart[i]) || (!bNumber && m_nStart[i] == 0))
        return true;
    const char* pszRefusal = nullptr;
    if (!bNumber || nTyped <= m_nStart[i - 1])
        pszRefusal = "Less than the previous start NOT allowed.";
    else if (!CLeagueSettings::SplitStartFits(nTyped, m_nRounds))
        return RefuseBeyondLastRound(i, nTyped);
    else if (i < 11 && m_nStart[i + 1] != 0 && nTyped >= m_nStart[i + 1])
        pszRefusal = "Not less than the next start NOT allowed.";
    if (pszRefusal) {
        AfxMessageBox(pszRefusal);
        ShowStarts();
    } else {
        m_nStart[i] = static_cast<BYTE>(nTyped);
    }
    UpdateDurations();
    return pszRefusal == nullptr;
}

bool CCustomSplitsDlg::RefuseBeyondLastRound(int i, int nStart)
{
    CString strMsg;
    strMsg.Format("Beyond the last round NOT allowed.  The league has %d rounds, so split %d cannot start at round %d.",
                  m_nRounds, i + 1, nStart);
    AfxMessageBox(strMsg);
    ShowStarts();
    UpdateDurations();
    GotoDlgCtrl(GetDlgItem(IDC_CS_START + static_cast<UINT>(i)));
    return false;
}

void CCustomSplitsDlg::OnDelete(UINT nID)
{
    const int i = static_cast<int>(nID - IDC_CS_DELETE);
    for (int k = i; k < 11; ++k)
        m_nStart[k] = m_nStart[k + 1];
    m_nStart[11] = 0;
    ShowStarts();
    UpdateDurations();
}

void CCustomSplitsDlg::OnOK()
{
    // A start still being typed is checked as if its box had been left.
    for (int i = 1; i < 12; ++i)
        if (GetDlgItem(IDC_CS_START + i)->IsWindowEnabled() && !ApplyStart(i))
            return;
    // A start the league held already, left as it was, must fit the season too.
    for (int i = 1; i < 12; ++i)
        if (m_nStart[i] != 0 && !CLeagueSettings::SplitStartFits(m_nStart[i], m_nRounds)) {
            RefuseBeyondLastRound(i, m_nStart[i]);
            return;
        }
    if (m_pDoc)
        std::copy(std::begin(m_nStart), std::end(m_nStart), m_pDoc->m_nCustomSplitStart);
    EndDialog(IDOK);
}
