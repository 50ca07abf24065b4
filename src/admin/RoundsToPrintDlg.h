#pragma once
// "Rounds to print.": the rounds of a fixture list, lanes and times left out or not, and the
// list's three fonts.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/AdminDialogs.h"

class CBowlingDoc;
class CFontData;

// Entries of the league's default font table that the two fixture lists use; the title font
// is shared by both lists.
constexpr int FONT_FIXTURES_BY_ROUND_HEADER = 14;
constexpr int FONT_FIXTURES_BY_ROUND_DETAIL = 15;
constexpr int FONT_FIXTURES_BY_TEAM_HEADER = 16;
constexpr int FONT_FIXTURES_BY_TEAM_DETAIL = 17;
constexpr int FONT_FIXTURES_TITLE = 47;   // 18 is the team high scores' heading

class CRoundsToPrintDlg : public CDialog
{
public:
    enum { IDD = IDD_ROUNDS_TO_PRINT };
    explicit CRoundsToPrintDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    int m_nFirstRound = 1;
    int m_nLastRound = 1;
    CString m_strHeaderFont;
    CString m_strDetailFont;
    CString m_strTitleFont;
    int m_bOmitLanes = 0;
    int m_bOmitTime = 0;
    CBowlingDoc* m_pDoc = nullptr;
    int m_nListKind = 0;      // 0 by round, 1 by teams
    int m_bFontsChanged = 0;

    // The report font chooser; replaced where the report code provides its own.
    static BOOL (*s_pfnChooseFont)(CFontData* pFont);

    // The runners of Fixture > Display Fixtures by Round (kind 0) and by Teams (kind 1): first
    // round = the current round, last = the number of rounds (from the last fixture when 0).
    // FALSE on Cancel.
    static BOOL Run(CBowlingDoc* pDoc, int nListKind, CRoundsToPrintDlg& dlg);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void ShowFontNames();
    void ChangeFont(int nIndex);
    void OnChangeHeader();
    void OnChangeDetail();
    void OnChangeTitle();
    void OnLaneSchedule();

    DECLARE_MESSAGE_MAP()
};
