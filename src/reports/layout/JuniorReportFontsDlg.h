#pragma once
// "Juniors Report Fonts": the five fonts of the junior reports, each changed at once by its
// button; OK and Cancel only close.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/ReportDialogs.h"

class CFontData;
class CJuniorReport;

class CJuniorReportFontsDlg : public CDialog
{
public:
    enum { IDD = IDD_JUNIOR_REPORT_FONTS };
    explicit CJuniorReportFontsDlg(CJuniorReport* pReport, CWnd* pParent = nullptr)
        : CDialog(IDD, pParent), m_pReport(pReport) {}

    CJuniorReport* m_pReport;

protected:
    BOOL OnInitDialog() override;
    void OnTitle() { Choose(0); }
    void OnAdminHeading() { Choose(1); }
    void OnAdminDetail() { Choose(2); }
    void OnStatsHeading() { Choose(3); }
    void OnStatsDetail() { Choose(4); }
    // The fonts in button order: title, admin heading, admin detail, stats heading, detail.
    CFontData* Font(int k);
    void Choose(int k);
    void ShowDescriptions();

    DECLARE_MESSAGE_MAP()
};
