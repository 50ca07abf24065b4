#pragma once
// The platform's file, font and colour choosers, run through the installed backend.
#include <utility>
#include <vector>

#include "framework/core/DC.h"
#include "framework/core/String.h"
#include "framework/ui/Wnd.h"

constexpr DWORD OFN_READONLY = 0x00000001;
constexpr DWORD OFN_OVERWRITEPROMPT = 0x00000002;
constexpr DWORD OFN_HIDEREADONLY = 0x00000004;
constexpr DWORD OFN_NOCHANGEDIR = 0x00000008;
constexpr DWORD OFN_PATHMUSTEXIST = 0x00000800;
constexpr DWORD OFN_FILEMUSTEXIST = 0x00001000;
constexpr DWORD OFN_CREATEPROMPT = 0x00002000;

struct OPENFILENAME {
    DWORD Flags = 0;
    const char* lpstrTitle = nullptr;
    const char* lpstrInitialDir = nullptr;
};

class CDocument;

class CFileDialog {
public:
    // pszFilter in the classic form "League Files (*.lgf)|*.lgf|All Files (*.*)|*.*||";
    // blanks around the bars are allowed.
    CFileDialog(BOOL bOpenFileDialog, const char* pszDefExt = nullptr, const char* pszFileName = nullptr,
                DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, const char* pszFilter = nullptr,
                CWnd* pParentWnd = nullptr);
    virtual ~CFileDialog() = default;

    // IDOK or IDCANCEL. Without an initial folder the dialog starts in the open document's
    // folder, else the folder last chosen in any file dialog, else the user's documents.
    virtual INT_PTR DoModal();
    static CString GetStartFolder();
    // The file a command that writes the document out (a PDF of the print) proposes: the
    // document's name with that extension, in its folder; for a document never saved, in the
    // folder of the file last opened; else where the file dialogs start.
    static CString ProposedPath(const CDocument* pDoc, const char* pszExt);
    static constexpr const char* kSettingsSection = "Settings";
    static constexpr const char* kLastFolderEntry = "LastFolder";

    CString GetPathName() const { return m_strPathName; }
    CString GetFileName() const;   // with extension
    CString GetFileExt() const;    // without the dot
    CString GetFileTitle() const;  // without extension
    CString GetFolderPath() const;

    BOOL IsOpenDialog() const { return m_bOpenFileDialog; }
    const CString& GetDefExt() const { return m_strDefExt; }
    const CString& GetInitialFileName() const { return m_strFileName; }
    const CString& GetFilterString() const { return m_strFilter; }
    // (description, patterns) pairs; patterns separated by ';'.
    std::vector<std::pair<CString, CString>> GetFilters() const;
    static std::vector<std::pair<CString, CString>> ParseFilter(const char* pszFilter);

    // For backends: the chosen path; the default extension is added when it has none.
    void SetResult(const CString& path);

    OPENFILENAME m_ofn;

private:
    BOOL m_bOpenFileDialog;
    CString m_strDefExt;
    CString m_strFileName;
    CString m_strFilter;
    CString m_strPathName;
};

constexpr DWORD CF_SCREENFONTS = 0x00000001;
constexpr DWORD CF_PRINTERFONTS = 0x00000002;
constexpr DWORD CF_BOTH = CF_SCREENFONTS | CF_PRINTERFONTS;
constexpr DWORD CF_INITTOLOGFONTSTRUCT = 0x00000040;
constexpr DWORD CF_EFFECTS = 0x00000100;
constexpr DWORD CF_LIMITSIZE = 0x00002000;
constexpr DWORD CF_FORCEFONTEXIST = 0x00010000;
constexpr DWORD CF_TTONLY = 0x00040000;

struct CHOOSEFONT {
    DWORD Flags = 0;
    COLORREF rgbColors = RGB(0, 0, 0);
    int iPointSize = 0;  // tenths of a point
    int nSizeMin = 0;
    int nSizeMax = 0;
};

// Face, size, bold, italic, underline, strike-out and colour in one dialog. Heights in the
// LOGFONT are twips (negative: the character height), the unit of every report.
class CFontDialog {
public:
    explicit CFontDialog(const LOGFONT* plfInitial = nullptr, DWORD dwFlags = CF_EFFECTS | CF_SCREENFONTS,
                         CDC* pdcPrinter = nullptr, CWnd* pParentWnd = nullptr);
    virtual ~CFontDialog() = default;
    virtual INT_PTR DoModal();

    CString GetFaceName() const { return CString(m_lf.lfFaceName); }
    int GetSize() const { return m_cf.iPointSize; }  // tenths of a point
    COLORREF GetColor() const { return m_cf.rgbColors; }
    int GetWeight() const { return m_lf.lfWeight; }
    BOOL IsBold() const { return m_lf.lfWeight >= FW_SEMIBOLD; }
    BOOL IsItalic() const { return m_lf.lfItalic != 0; }
    BOOL IsUnderline() const { return m_lf.lfUnderline != 0; }
    BOOL IsStrikeOut() const { return m_lf.lfStrikeOut != 0; }
    void GetCurrentFont(LOGFONT* plf) const { *plf = m_lf; }

    // For backends: the choice as a whole.
    void SetChoice(const char* pszFace, int nPointSize10, BOOL bBold, BOOL bItalic, BOOL bUnderline,
                   BOOL bStrikeOut, COLORREF color);

    CHOOSEFONT m_cf;
    LOGFONT m_lf;
};

class CColorDialog {
public:
    explicit CColorDialog(COLORREF clrInit = 0, DWORD dwFlags = 0, CWnd* pParentWnd = nullptr);
    virtual ~CColorDialog() = default;
    virtual INT_PTR DoModal();
    COLORREF GetColor() const { return m_color; }
    void SetColor(COLORREF c) { m_color = c; }

private:
    COLORREF m_color;
};
