#pragma once
// "Posting.": one entry against an income or expense heading. Run again on the same object
// for the next entry, it keeps the heading, amount, comment, round and "More?".
#include "framework/ui/Dialog.h"
#include "resources/dialogs/AdminDialogs.h"

class CBowlingDoc;
class CAccountItemType;

class CAccountPostingDlg : public CDialog
{
public:
    enum { IDD = IDD_ACCOUNT_POSTING };
    explicit CAccountPostingDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    CBowlingDoc* m_pDoc = nullptr;
    BOOL m_bIncome = TRUE;
    WORD m_nIndex = 0;                      // the entry of the heading list chosen
    CAccountItemType* m_pType = nullptr;    // its heading
    LONG m_nAmount = 0;                     // cents
    CString m_strComment;
    int m_nRound = 0;
    int m_bMore = FALSE;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnSelchangeHeadings();
    void OnKillfocusAmount();
    void OnKillfocusRound();
    void LimitRound();

    DECLARE_MESSAGE_MAP()
};
