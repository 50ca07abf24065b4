#pragma once
// "Blind Scores": which bowlers of one side were absent in which games. One class per team
// size, on one implementation; OK writes the side's position flag words into the fixture.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/ResultDialogs.h"

class CFixture;

class CBlindScoresDlg : public CDialog {
public:
    CBlindScoresDlg(UINT nIDTemplate, int nPositions, CWnd* pParent = nullptr);

    CString m_strBowler[5];
    int m_bBlind[5][4] = {};  // position, game
    CString m_strTeam;
    CFixture* m_pFixture = nullptr;
    int m_nGames = 4;
    BOOL m_bSideA = TRUE;
    DWORD m_dwFlags[5] = {};  // working copies of the side's flag words

    int GetPositions() const { return m_nPositions; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnBowlerGameBox(UINT nID);

    DECLARE_MESSAGE_MAP()

private:
    int m_nPositions;
};

class CFivesBlindScoresDlg : public CBlindScoresDlg {
public:
    enum { IDD = IDD_FIVES_BLIND_SCORES };
    explicit CFivesBlindScoresDlg(CWnd* pParent = nullptr) : CBlindScoresDlg(IDD, 5, pParent) {}
};
class CFoursBlindScoresDlg : public CBlindScoresDlg {
public:
    enum { IDD = IDD_FOURS_BLIND_SCORES };
    explicit CFoursBlindScoresDlg(CWnd* pParent = nullptr) : CBlindScoresDlg(IDD, 4, pParent) {}
};
class CThreesBlindScoresDlg : public CBlindScoresDlg {
public:
    enum { IDD = IDD_THREES_BLIND_SCORES };
    explicit CThreesBlindScoresDlg(CWnd* pParent = nullptr) : CBlindScoresDlg(IDD, 3, pParent) {}
};
class CDoublesBlindScoresDlg : public CBlindScoresDlg {
public:
    enum { IDD = IDD_DOUBLES_BLIND_SCORES };
    explicit CDoublesBlindScoresDlg(CWnd* pParent = nullptr) : CBlindScoresDlg(IDD, 2, pParent) {}
};
class CSinglesBlindScoresDlg : public CBlindScoresDlg {
public:
    enum { IDD = IDD_SINGLES_BLIND_SCORES };
    explicit CSinglesBlindScoresDlg(CWnd* pParent = nullptr) : CBlindScoresDlg(IDD, 1, pParent) {}
};
