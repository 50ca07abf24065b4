#pragma once
// What the two custom table designers share: the list of the table's columns with Add, Delete
// and the two moves, the current column's type, justification, width and title, the room used
// and free with its "TOO LONG" mark, "Center the Design" and the two font buttons. The
// designer changes the table at once; the table puts itself back when the dialog ends with
// anything but OK.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/ReportDialogs.h"
#include "view/RepItem.h"

#include <utility>
#include <vector>

class CFontData;

// A table's columns as the designer sees them: the four settings every column has.
class CDesignColumns
{
public:
    virtual ~CDesignColumns() = default;
    virtual int GetCount() const = 0;
    virtual BYTE& Type(int i) = 0;
    virtual BYTE& Justify(int i) = 0;
    virtual WORD& Width(int i) = 0;
    virtual CString& Title(int i) = 0;
    // A "Space" column, right-justified and untitled, of nWidth before column i.
    virtual void Insert(int i, WORD nWidth) = 0;
    virtual void Delete(int i) = 0;
    virtual void Swap(int i, int j) = 0;
    int GetTotalWidth()
    {
        int n = 0;
        for (int i = 0; i < GetCount(); ++i)
            n += Width(i);
        return n;
    }
};

// The columns of a table item, which owns them (both column classes name the four alike).
template <class TColumn>
class TDesignColumns : public CDesignColumns
{
public:
    TDesignColumns(std::vector<TColumn*>& columns, const CRepItem& owner) : m_columns(columns), m_owner(owner) {}
    int GetCount() const override { return static_cast<int>(m_columns.size()); }
    BYTE& Type(int i) override { return At(i).m_nColumnType; }
    BYTE& Justify(int i) override { return At(i).m_nJustify; }
    WORD& Width(int i) override { return At(i).m_nWidth; }
    CString& Title(int i) override { return At(i).m_strTitle; }
    void Insert(int i, WORD nWidth) override
    {
        auto* p = new TColumn;
        p->m_nColumnType = 0;
        p->m_nJustify = TColumn::JUSTIFY_RIGHT;
        p->m_nWidth = nWidth;
        p->m_pDoc = m_owner.m_pDoc;
        m_columns.insert(m_columns.begin() + i, p);
    }
    void Delete(int i) override
    {
        delete m_columns[static_cast<size_t>(i)];
        m_columns.erase(m_columns.begin() + i);
    }
    void Swap(int i, int j) override
    {
        std::swap(m_columns[static_cast<size_t>(i)], m_columns[static_cast<size_t>(j)]);
    }

private:
    TColumn& At(int i) { return *m_columns[static_cast<size_t>(i)]; }
    std::vector<TColumn*>& m_columns;
    const CRepItem& m_owner;
};

class CColumnDesignerDlg : public CDialog
{
protected:
    // nFullWidth: what the columns may take in all, in the width's units; nNewWidth: the width
    // of a column that Add makes.
    CColumnDesignerDlg(UINT nIDD, CDesignColumns& columns, CFontData& fontHeading, CFontData& fontDetail,
                       int nFullWidth, WORD nNewWidth, CWnd* pParent);

    BOOL OnInitDialog() override;
    // Keeps what the width and title boxes hold, then closes with OK; FALSE keeps it open.
    BOOL StoreEdits();

    // What differs between the two tables.
    virtual int GetTypeCount() const = 0;
    virtual const char* GetTypeName(int nType) const = 0;
    virtual CString FormatWidth(int nWidth) const = 0;
    virtual CString FormatSpace(int nSpace) const = 0;
    // Reads the width box into the current column; FALSE when the text is refused.
    virtual BOOL StoreWidth() = 0;

    // Empties and fills the column list, keeps the index within it, shows the current column.
    void FillColumnList();
    void ShowCurrentColumn();
    void ShowSpace();
    void ShowFonts();
    BOOL HasCurrent() const { return m_nIndex >= 0 && m_nIndex < m_columns.GetCount(); }
    void Enable(UINT nID, BOOL bEnable);
    void FillCombo(UINT nID, const char* const* ppszTexts, int nCount, int nSel);
    int GetSel(UINT nID) const;

    void OnSelChangeType();
    void OnSelChangeJustify();
    void OnKillFocusWidth();
    void OnKillFocusTitle();
    void OnSelChangeColumns();
    void OnAdd();
    void OnDelete();
    void OnMoveLeft();
    void OnMoveRight();
    void OnCentre();
    void OnTitleFont();
    void OnDetailFont();

    CDesignColumns& m_columns;
    CFontData& m_fontHeading;
    CFontData& m_fontDetail;
    const int m_nFullWidth;
    const WORD m_nNewWidth;
    int m_nIndex = 0;   // the current column; -1 while the table has none

    DECLARE_MESSAGE_MAP()
};
