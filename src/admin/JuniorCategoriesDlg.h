#pragma once
// "Junior Categories": the league's junior categories and the qualifying date, changed in the
// league at once by the buttons; OK and Cancel only close.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/AdminDialogs.h"

class CBowlingDoc;
class CJuniorCategory;

class CJuniorCategoriesDlg : public CDialog
{
public:
    enum { IDD = IDD_JUNIOR_CATEGORIES };
    explicit CJuniorCategoriesDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    CBowlingDoc* m_pDoc = nullptr;

protected:
    BOOL OnInitDialog() override;
    void OnEditDate();
    void OnAdd();
    void OnAmend();
    void OnDelete();
    void ShowDate();
    void FillList();
    // Warns once for every age from 0 to 99 that more than one category holds.
    void CheckOverlaps();
    CJuniorCategory* Selected();
    WORD NewCategoryId() const;

    WORD m_nHighestId = 0;

    DECLARE_MESSAGE_MAP()
};
