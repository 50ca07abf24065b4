#pragma once
// The small dialogs of the report framework: Select Colour, Select Standing Report, the
// choice of a report layout and the table of default report fonts. The layout editor has
// its own files (ReportLayoutDlg.h).
#include "framework/ui/Dialog.h"
#include "league/BowlingDoc.h"
#include "resources/dialogs/ViewDialogs.h"

#include <vector>

class CSelectColourDlg : public CDialog
{
public:
    enum { IDD = IDD_SELECT_COLOUR };
    explicit CSelectColourDlg(COLORREF crInitial, CWnd* pParent = nullptr);
    COLORREF m_crColour;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
};

class CSelectStandingReportDlg : public CDialog
{
public:
    enum { IDD = IDD_SELECT_STANDING_REPORT };
    explicit CSelectStandingReportDlg(CBowlingDoc* pDoc, CWnd* pParent = nullptr);
    int m_nStyle = 0;     // 0 "Regular", 1 "Pyramid", 2 "Hcp + Scr"
    int m_nHandicap = 0;  // 0 "Scratch", 1 "Handicap"
    CBowlingDoc* m_pDoc;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
};

class CSelectReportLayoutDlg : public CDialog
{
public:
    enum { IDD = IDD_SELECT_REPORT_LAYOUT };
    CSelectReportLayoutDlg(CBowlingDoc* pDoc, const char* pszCaption, CWnd* pParent = nullptr);
    int m_nSelected = 0;  // index into the document's layout list, in and out
    CBowlingDoc* m_pDoc;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnDblclkLayouts();
    CString m_strCaption;
    DECLARE_MESSAGE_MAP()
};

// The role of each entry of the default font table, "" for the unused ones.
const char* GetDefaultFontRole(int nIndex);

class CReportFontsDlg : public CDialog
{
public:
    enum { IDD = IDD_REPORT_FONTS };
    explicit CReportFontsDlg(CBowlingDoc* pDoc, CWnd* pParent = nullptr);
    CBowlingDoc* m_pDoc;
    std::vector<CFontData> m_fonts;  // the working copies; OK writes them back

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnChange();
    void FillList(int nSelect);
    DECLARE_MESSAGE_MAP()
};
