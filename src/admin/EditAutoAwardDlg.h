#pragma once
// "Edit Automatic Award": the rule of one automatic award category, on the dialog's own copy
// (m_award, filled by the caller). Every choice and every value left is stored into the copy
// at once and the description made again; after OK the copy is the result.
#include "framework/ui/Dialog.h"
#include "league/Awards.h"
#include "resources/dialogs/AdminDialogs.h"

class CEditAutoAwardDlg : public CDialog
{
public:
    enum { IDD = IDD_EDIT_AUTO_AWARD };
    explicit CEditAutoAwardDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    CAwards m_award;  // a new category's default rule: games from 275 to 300

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnKind();
    void OnSeriesOrGame();
    void OnKillfocusValue();
    // The description and the labels of the value boxes from the copy.
    void ShowRule();

    int m_nLow = 0;
    int m_nHigh = 0;
    int m_nMaxAverage = 0;

    DECLARE_MESSAGE_MAP()
};
