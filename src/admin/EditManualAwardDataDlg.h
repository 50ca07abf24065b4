#pragma once
// "Edit Manual Award Data": one manual award's category (any category, automatic ones shown
// with "Auto " before the name) and game number, 0 (none) to the league's last game. The
// caller sets the document and the record; after OK m_nCategory and m_nGame hold the choice.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/AdminDialogs.h"

class CAwardData;
class CBowlingDoc;

class CEditManualAwardDataDlg : public CDialog
{
public:
    enum { IDD = IDD_EDIT_MANUAL_AWARD_DATA };
    explicit CEditManualAwardDataDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    CBowlingDoc* m_pDoc = nullptr;
    const CAwardData* m_pRecord = nullptr;
    int m_nGame = 0;
    WORD m_nCategory = 0;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
};
