#pragma once
// "Manual Awards" and "Automatic Awards": the award categories of one sort, listed by name,
// with Edit, Add and Delete acting on the document at once (so Cancel undoes nothing). A
// deleted category stays in the list of categories as "Deleted Category" and the next one
// added takes its place and id, so that ids stay equal to list positions.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/AdminDialogs.h"

class CAwards;
class CBowlingDoc;

class CAwardCategoriesDlg : public CDialog
{
public:
    CAwardCategoriesDlg(UINT nIDD, CBowlingDoc* pDoc, CWnd* pParent);

    CBowlingDoc* m_pDoc;

protected:
    BOOL OnInitDialog() override;
    // The categories of this dialog's sort, in list order.
    virtual bool Lists(const CAwards& award) const = 0;
    virtual void AddCategory() = 0;
    virtual void EditCategory(CAwards& award) = 0;
    // Before a category is marked deleted; false keeps it.
    virtual bool RemoveRecords(CAwards& award) = 0;
    void Refill(int nSelect);
    // The first deleted category, or null.
    CAwards* FirstDeleted() const;
    CAwards* Selected() const;
    void OnEdit();
    void OnAdd();
    void OnDelete();

    DECLARE_MESSAGE_MAP()
};

class CManualAwardsDlg : public CAwardCategoriesDlg
{
public:
    enum { IDD = IDD_MANUAL_AWARDS };
    explicit CManualAwardsDlg(CBowlingDoc* pDoc, CWnd* pParent = nullptr) : CAwardCategoriesDlg(IDD, pDoc, pParent) {}

protected:
    bool Lists(const CAwards& award) const override;
    void AddCategory() override;
    void EditCategory(CAwards& award) override;
    bool RemoveRecords(CAwards& award) override;
};

class CAutomaticAwardsDlg : public CAwardCategoriesDlg
{
public:
    enum { IDD = IDD_AUTOMATIC_AWARDS };
    explicit CAutomaticAwardsDlg(CBowlingDoc* pDoc, CWnd* pParent = nullptr) : CAwardCategoriesDlg(IDD, pDoc, pParent) {}

protected:
    bool Lists(const CAwards& award) const override;
    void AddCategory() override;
    void EditCategory(CAwards& award) override;
    // Automatic records are never kept: the next recalculation drops them.
    bool RemoveRecords(CAwards&) override { return true; }
};
