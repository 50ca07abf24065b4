#pragma once
// "Edit Awards Data": the manually entered awards (not those deleted), each as its category,
// the bowler and the day his side bowled the match. Delete marks a record deleted (round 0)
// and Edit changes its category and game, both on the document at once.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/AdminDialogs.h"

class CAwardData;
class CBowlingDoc;

class CEditAwardsDataDlg : public CDialog
{
public:
    enum { IDD = IDD_EDIT_AWARDS_DATA };
    explicit CEditAwardsDataDlg(CBowlingDoc* pDoc, CWnd* pParent = nullptr) : CDialog(IDD, pParent), m_pDoc(pDoc) {}

    // "category  bowler  date"; a category gone reads "Deleted Award", a bowler or match
    // gone a blank.
    static CString RecordText(const CBowlingDoc* pDoc, const CAwardData& record);

protected:
    BOOL OnInitDialog() override;
    void Refill();
    CAwardData* Selected(CString* pText = nullptr) const;
    void OnEdit();
    void OnDelete();

    CBowlingDoc* m_pDoc;

    DECLARE_MESSAGE_MAP()
};
