#pragma once
// "Similar Names": a new bowler's name is like names already in the player database; the
// secretary adds a new record (the first line) or takes one of the records listed.
#include "framework/core/Collections.h"
#include "framework/ui/Dialog.h"
#include "resources/dialogs/AdminDialogs.h"

class CBowlingDoc;

class CSimilarNamesDlg : public CDialog
{
public:
    enum { IDD = IDD_SIMILAR_NAMES };
    explicit CSimilarNamesDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    CBowlingDoc* m_pDoc = nullptr;
    CString m_strName;
    CDWordArray m_keys;          // the similar records; those the league's bowlers hold are not offered
    int m_bStopReporting = FALSE;
    // 0: add a new record; n: the n-th of m_keys. In: the line selected at first.
    DWORD m_nChosen = 0;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    // The question must be answered.
    void OnCancel() override {}
    void OnSelchangeList();
    void OnDisplay();

    DECLARE_MESSAGE_MAP()

private:
    CListBox* List() const;
    void ShowAction();
};

// Runs the dialog for a new bowler when a similar record is one no bowler of the league holds
// (none: no question, a new record); the answer as CPlayerDatabase's similar-names question wants it.
int AskSimilarNames(CBowlingDoc* pDoc, const CString& strName, const CDWordArray& keys, DWORD& bStopReporting);
