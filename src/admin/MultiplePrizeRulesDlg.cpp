#include "admin/MultiplePrizeRulesDlg.h"

#include "league/Awards.h"

namespace {

const char* const kRules[] = {"No Rules", "Max 1 Hi Game and 1 Hi Series", "Max 1 Hi Hcp and 1 Hi Scratch",
                              "Max 1 Hi Game or Series, Hcp or Scr"};
const char* const kPriority1[] = {"Scratch,  Handicap", "Handicap, Scratch"};
const char* const kPriority2[] = {"Game, Series", "Series, Game"};

const UINT kLists[6] = {IDC_MP_TEAM_RULE,   IDC_MP_TEAM_PRIORITY1,   IDC_MP_TEAM_PRIORITY2,
                        IDC_MP_PLAYER_RULE, IDC_MP_PLAYER_PRIORITY1, IDC_MP_PLAYER_PRIORITY2};

} // namespace

BEGIN_MESSAGE_MAP(CMultiplePrizeRulesDlg, CDialog)
    ON_CBN_SELCHANGE(IDC_MP_TEAM_RULE, OnSelchange)
    ON_CBN_SELCHANGE(IDC_MP_TEAM_PRIORITY1, OnSelchange)
    ON_CBN_SELCHANGE(IDC_MP_TEAM_PRIORITY2, OnSelchange)
    ON_CBN_SELCHANGE(IDC_MP_PLAYER_RULE, OnSelchange)
    ON_CBN_SELCHANGE(IDC_MP_PLAYER_PRIORITY1, OnSelchange)
    ON_CBN_SELCHANGE(IDC_MP_PLAYER_PRIORITY2, OnSelchange)
END_MESSAGE_MAP()

BOOL CMultiplePrizeRulesDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    const BYTE values[6] = {m_pRules->m_nTeamRule,   m_pRules->m_nTeamPriority1,   m_pRules->m_nTeamPriority2,
                            m_pRules->m_nPlayerRule, m_pRules->m_nPlayerPriority1, m_pRules->m_nPlayerPriority2};
    for (int i = 0; i < 6; ++i) {
        auto* pCombo = static_cast<CComboBox*>(GetDlgItem(kLists[i]));
        const int k = i % 3;
        const char* const* texts = k == 0 ? kRules : k == 1 ? kPriority1 : kPriority2;
        const int nTexts = k == 0 ? 4 : 2;
        for (int t = 0; t < nTexts; ++t)
            pCombo->AddString(texts[t]);
        pCombo->SetCurSel(values[i] < nTexts ? values[i] : 0);
    }
    CheckDlgButton(IDC_MP_DISABLED, m_pRules->m_bRulesEnabled ? 0 : 1);
    CheckDlgButton(IDC_MP_SAME_GAME, m_pRules->m_bSameGameIneligible ? 1 : 0);
    UpdateEnabling();
    return TRUE;
}

void CMultiplePrizeRulesDlg::UpdateEnabling()
{
    for (int side = 0; side < 2; ++side) {
        const int nRule = static_cast<CComboBox*>(GetDlgItem(kLists[side * 3]))->GetCurSel();
        GetDlgItem(kLists[side * 3 + 1])->EnableWindow(nRule == 1 || nRule == 3);
        GetDlgItem(kLists[side * 3 + 2])->EnableWindow(nRule == 2 || nRule == 3);
    }
}

void CMultiplePrizeRulesDlg::OnSelchange()
{
    UpdateEnabling();
}

void CMultiplePrizeRulesDlg::OnOK()
{
    BYTE* fields[6] = {&m_pRules->m_nTeamRule,   &m_pRules->m_nTeamPriority1,   &m_pRules->m_nTeamPriority2,
                       &m_pRules->m_nPlayerRule, &m_pRules->m_nPlayerPriority1, &m_pRules->m_nPlayerPriority2};
    for (int i = 0; i < 6; ++i) {
        const int n = static_cast<CComboBox*>(GetDlgItem(kLists[i]))->GetCurSel();
        *fields[i] = static_cast<BYTE>(n < 0 ? 0 : n);
    }
    m_pRules->m_bRulesEnabled = IsDlgButtonChecked(IDC_MP_DISABLED) ? 0 : 1;
    m_pRules->m_bSameGameIneligible = IsDlgButtonChecked(IDC_MP_SAME_GAME) ? 1 : 0;
    EndDialog(IDOK);
}
