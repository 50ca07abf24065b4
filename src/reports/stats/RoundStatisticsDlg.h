#pragma once
// "Round Statistics": the round span, league kind, general totals and their gap, the two fonts
// and the ten statistic rows of a round analysis item. The dialog works on the item itself;
// the item's Edit puts it back as it was unless the dialog ends with OK.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/ReportDialogs.h"

class CBowlingDoc;
class CRepItem_Analysis1;

class CRoundStatisticsDlg : public CDialog
{
public:
    enum { IDD = IDD_ROUND_STATISTICS };
    CRoundStatisticsDlg(CBowlingDoc* pDoc, CRepItem_Analysis1* pItem, CWnd* pParent = nullptr);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

    void UpdateControls(int nRow);
    void EnableRounds();
    void OnRowChange(UINT nID);
    void OnLeagueKind();
    void OnCurrentRound();
    void OnAllRounds();
    void OnHeaderFont();
    void OnDetailFont();
    void DescribeFonts();
    int CurrentRound() const;

    CBowlingDoc* m_pDoc;
    CRepItem_Analysis1* m_pItem;
    int m_bEnabled[10] = {};
    int m_nFrom[10] = {};
    int m_nTo[10] = {};
    int m_nFirstRound = 0;
    int m_nLastRound = 0;
    int m_bCurrentRoundOnly = 0;
    int m_bAllRounds = 0;
    int m_bGeneral = 0;
    int m_nGap = 0;

    DECLARE_MESSAGE_MAP()
};
