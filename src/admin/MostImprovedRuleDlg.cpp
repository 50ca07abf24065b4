#include "admin/MostImprovedRuleDlg.h"

#include <cstdlib>

BEGIN_MESSAGE_MAP(CMostImprovedRuleDlg, CDialog)
    ON_EN_KILLFOCUS(IDC_MI_GAMES, OnKillfocusGames)
    ON_EN_CHANGE(IDC_MI_GAMES, OnChangeGames)
    ON_BN_CLICKED(IDC_MI_ENTERING, OnEntering)
    ON_BN_CLICKED(IDC_MI_AFTER_GAMES, OnAfterGames)
    ON_BN_CLICKED(IDC_MI_BOTH, OnBoth)
END_MESSAGE_MAP()

namespace {

int TypedGames(const CString& text)
{
    return std::atoi(text);
}

} // namespace

BOOL CMostImprovedRuleDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    UpdateData(FALSE);
    UpdateEnabling();
    return TRUE;
}

void CMostImprovedRuleDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_MI_GAMES, m_nGames);
    DDV_MinMaxInt(pDX, m_nGames, 0, 99);
    DDX_Check(pDX, IDC_MI_ENTERING, m_bEntering);
    DDX_Check(pDX, IDC_MI_AFTER_GAMES, m_bAfterGames);
    DDX_Check(pDX, IDC_MI_BOTH, m_bBoth);
}

void CMostImprovedRuleDlg::UpdateEnabling()
{
    const bool bGames = TypedGames(GetDlgItemText(IDC_MI_GAMES)) != 0;
    for (UINT id : {IDC_MI_ENTERING, IDC_MI_AFTER_GAMES, IDC_MI_BOTH})
        GetDlgItem(id)->EnableWindow(bGames);
}

void CMostImprovedRuleDlg::OnChangeGames()
{
    UpdateEnabling();
}

void CMostImprovedRuleDlg::OnKillfocusGames()
{
    if (TypedGames(GetDlgItemText(IDC_MI_GAMES)) != 0)
        return;
    CheckDlgButton(IDC_MI_ENTERING, 1);
    CheckDlgButton(IDC_MI_AFTER_GAMES, 0);
    CheckDlgButton(IDC_MI_BOTH, 0);
    UpdateEnabling();
}

void CMostImprovedRuleDlg::Choose(UINT nClicked)
{
    const UINT boxes[3] = {IDC_MI_ENTERING, IDC_MI_AFTER_GAMES, IDC_MI_BOTH};
    if (IsDlgButtonChecked(nClicked)) {
        for (UINT id : boxes)
            if (id != nClicked)
                CheckDlgButton(id, 0);
        return;
    }
    // Cleared: the entering average stands for the other two, the games average for it.
    const UINT nOther = nClicked == IDC_MI_ENTERING ? IDC_MI_AFTER_GAMES : IDC_MI_ENTERING;
    for (UINT id : boxes)
        CheckDlgButton(id, id == nOther ? 1 : 0);
}

void CMostImprovedRuleDlg::OnEntering() { Choose(IDC_MI_ENTERING); }
void CMostImprovedRuleDlg::OnAfterGames() { Choose(IDC_MI_AFTER_GAMES); }
void CMostImprovedRuleDlg::OnBoth() { Choose(IDC_MI_BOTH); }
