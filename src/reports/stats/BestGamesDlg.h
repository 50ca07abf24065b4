#pragma once
// "Best Games Series": who is ranked, on which basis, games or series, how many places, in how
// many columns, over which rounds, and the two fonts of a best games and series item.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/ReportDialogs.h"

class CBowlingDoc;
class CRepItem_best;

class CBestGamesSeriesDlg : public CDialog
{
public:
    enum { IDD = IDD_BEST_GAMES_SERIES };
    CBestGamesSeriesDlg(CBowlingDoc* pDoc, CRepItem_best* pItem, CWnd* pParent = nullptr);

    // List indexes.
    int m_nBasis = 0;
    int m_nGroup = 3;
    int m_nKind = 0;
    int m_nColumns = 0;
    int m_nWho = 0;   // 1: teams
    int m_nCount = 50;
    int m_nFirstRound = 1;
    int m_nLastRound = 1;
    int m_bCurrentRoundOnly = 0;
    int m_nCurrentRound = 0;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

    void UpdateControls();
    void OnSelChange();
    void OnCurrentRound();
    void OnHeaderFont();
    void OnDetailFont();
    void DescribeFonts();

    CBowlingDoc* m_pDoc;
    CRepItem_best* m_pItem;
    // A handicap basis in a league without handicaps shows as Scratch, once, when opened.
    BOOL m_bScratchOnOpen = FALSE;

    DECLARE_MESSAGE_MAP()
};
