#pragma once
// "Substitutions": who bowled each game of one position of one side, with handicap, score
// and the Non Qual and Pacer marks. It edits a SubstitutionRecord; EditSubstitutions runs
// it, and the position worker (SubstitutesDlg.h) writes the record back into the fixture.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/ResultDialogs.h"

class CBowlingDoc;
class CMatchWorking;
class CPlayer;

// One position of one side over the four game slots.
struct SubstitutionRecord {
    BYTE nTeam = 0;          // the side's team: the roster the dialog offers
    WORD nPlayerNo[4] = {};  // who bowled each game
    int nHandicap[4] = {};
    UINT nScore[4] = {};
    UINT bNonQual[4] = {};   // 0 or 1
    UINT bPacer[4] = {};     // 0 or 1: bowled by the position's pacer slot
};

class CSubstitutionsDlg : public CDialog {
public:
    enum { IDD = IDD_SUBSTITUTIONS };
    explicit CSubstitutionsDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    CEdit m_editHcp[4];
    CComboBox m_comboPlayer[4];
    int m_bNonQual[4] = {};
    CString m_strPlayer[4];
    int m_nHcp[4] = {};
    UINT m_nScore[4] = {};
    int m_bPacer[4] = {};
    int m_bFromFloatingSubs = FALSE;
    int m_bFromTeam = FALSE;
    int m_bFromLeague = FALSE;
    int m_bAssignAll = FALSE;
    CBowlingDoc* m_pDoc = nullptr;
    BOOL m_bHcpColumn = FALSE;
    BYTE m_nTeam = 0;
    SubstitutionRecord* m_pRecord = nullptr;
    CPlayer* m_pFirstGamePick = nullptr;  // the last bowler picked in game 1's list
    // The match the record's place stands in, which works a vacancy's or robot's games.
    const CMatchWorking* m_pMatch = nullptr;
    int m_nSide = 0;
    int m_nPos = 0;

    // Refills the game lists from the ticked source and selects each game's bowler.
    void FillPlayerCombos();

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnSelChangePlayer(UINT nID);
    void OnNonQual(UINT nID);
    void OnPacer(UINT nID);
    void OnAssignForAllGames();
    void OnSelectFromFloatingSubs();
    void OnSelectFromTeam();
    void OnSelectFromLeague();

    DECLARE_MESSAGE_MAP()

private:
    int Games() const;
    // Puts the bowler into one game: list selection, record, text, handicap.
    void SetGamePlayer(int g, CPlayer* pPlayer);
    // A game a vacancy or robot holds shows the score and handicap its rule gives there, in
    // shut boxes, as the sheet shuts its cell; a bowler's game has its boxes open.
    void ShowRuleGame(int g, CPlayer* pPlayer);
    bool m_bRuleGame[4] = {};
    UINT m_nBowlerScore[4] = {};  // the score a rule's game took over, given back to a bowler
};

// Runs the dialog on the record: TRUE on OK with the record holding the dialog's bowlers,
// handicaps, scores and marks; FALSE on Cancel, with the record and every bowler's figures
// as they were. Given the match the record's position (0..) of a side (0 or 1) stands in, a
// vacancy's or robot's games show the figures its rule gives there; without, those it holds.
BOOL EditSubstitutions(CBowlingDoc* pDoc, SubstitutionRecord* pRecord, const CMatchWorking* pMatch = nullptr,
                       int nSide = 0, int nPos = 0);
