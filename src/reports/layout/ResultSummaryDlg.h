#pragma once
// "Results Summary": the options of a result summary: the kinds of league points added
// together for each side, the format and the four fonts. Works on copies; the item takes them
// back only after OK (CRepItem_ResultSummary::Edit).
#include "framework/ui/Dialog.h"
#include "league/FontData.h"
#include "resources/dialogs/ReportDialogs.h"

class CBowlingDoc;
class CRepItem_ResultSummary;

class CResultsSummaryDlg : public CDialog
{
public:
    enum { IDD = IDD_RESULTS_SUMMARY };
    CResultsSummaryDlg(CBowlingDoc* pDoc, CRepItem_ResultSummary* pItem, CWnd* pParent = nullptr);

    int m_bHcpPoints = 0;
    int m_bScrPoints = 0;
    int m_bHcpPyramid = 0;
    int m_bScrPyramid = 0;
    int m_bHcpPetersen = 0;   // shown, never kept
    int m_bScrPetersen = 0;
    CFontData m_fontTitle;
    CFontData m_fontDetail;
    CFontData m_fontWin;
    CFontData m_fontLose;
    CString m_strTitleDesc;
    CString m_strDetailDesc;
    CString m_strWinDesc;
    CString m_strLoseDesc;
    BYTE m_nFormat = 0;       // 0 "Original Format", 1 "Points + High Series"

    CBowlingDoc* m_pDoc;
    CRepItem_ResultSummary* m_pItem;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnTitleFont() { ChooseFont(m_fontTitle); }
    void OnDetailFont() { ChooseFont(m_fontDetail); }
    void OnWinFont() { ChooseFont(m_fontWin); }
    void OnLoseFont() { ChooseFont(m_fontLose); }
    void ChooseFont(CFontData& font);
    void DescribeFonts();

    DECLARE_MESSAGE_MAP()
};
