#pragma once
// "Scoresheet Style": the league's score-sheet style edited in place. The font, note and
// player-table buttons act on the sheet at once; the sheet's Edit puts everything back when
// the dialog is cancelled.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/ReportDialogs.h"

class CRepItem_ScoreSheet;

class CScoresheetStyleDlg : public CDialog
{
public:
    enum { IDD = IDD_SCORESHEET_STYLE };
    explicit CScoresheetStyleDlg(CRepItem_ScoreSheet* pItem, CWnd* pParent = nullptr);

    int m_bFillInNames = 0;
    int m_bTeamAverage = 0;
    int m_bNextOpponents = 0;
    int m_bSpaceForAll = 0;
    BYTE m_nPlayerLines = 0;
    int m_bSideBySide = 0;
    int m_bPlayerStats = 0;
    int m_bNote = 0;
    int m_bSecTreasLanes = 0;
    int m_nSheetsPerPage = 2;
    BOOL m_bTeamHandicaps = FALSE;   // the team-average box is offered only with team handicaps

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnSpaceForAll();
    void OnCheckBox();
    void OnHeaderFont();
    void OnNamesFont();
    void OnDesignPlayerStats();
    void OnEditNote();
    void ShowFonts();
    void EnableLineCount();

    CRepItem_ScoreSheet* m_pItem;
    DECLARE_MESSAGE_MAP()
};
