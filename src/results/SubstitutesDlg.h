#pragma once
// "Substitutes": the position picker of a scoresheet's Subs button. Each position button runs
// "Substitutions" for that position of the side and writes the result into the fixture and
// the scoresheet at once; the picker stays open for further positions. One class per team
// size of two to five bowlers (the singles sheet substitutes its one position directly).
#include "framework/ui/Dialog.h"
#include "resources/dialogs/ResultDialogs.h"

class CBowlingDoc;
class CFixture;
class CScoresheetDlg;

class CSubstitutesDlg : public CDialog {
public:
    CSubstitutesDlg(UINT nIDTemplate, int nPositions, CWnd* pParent = nullptr);

    CString m_strTeam;
    CFixture* m_pFixture = nullptr;
    CScoresheetDlg* m_pScoresheet = nullptr;
    CBowlingDoc* m_pDoc = nullptr;
    BOOL m_bSideA = TRUE;

    void SubstituteTeamA(int nPos);
    void SubstituteTeamB(int nPos);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnPosition(UINT nID);

    DECLARE_MESSAGE_MAP()

private:
    int m_nPositions;
};

class CFivesSubstitutesDlg : public CSubstitutesDlg {
public:
    enum { IDD = IDD_FIVES_SUBSTITUTES };
    explicit CFivesSubstitutesDlg(CWnd* pParent = nullptr) : CSubstitutesDlg(IDD, 5, pParent) {}
};
class CFoursSubstitutesDlg : public CSubstitutesDlg {
public:
    enum { IDD = IDD_FOURS_SUBSTITUTES };
    explicit CFoursSubstitutesDlg(CWnd* pParent = nullptr) : CSubstitutesDlg(IDD, 4, pParent) {}
};
class CThreesSubstitutesDlg : public CSubstitutesDlg {
public:
    enum { IDD = IDD_THREES_SUBSTITUTES };
    explicit CThreesSubstitutesDlg(CWnd* pParent = nullptr) : CSubstitutesDlg(IDD, 3, pParent) {}
};
class CDoublesSubstitutesDlg : public CSubstitutesDlg {
public:
    enum { IDD = IDD_DOUBLES_SUBSTITUTES };
    explicit CDoublesSubstitutesDlg(CWnd* pParent = nullptr) : CSubstitutesDlg(IDD, 2, pParent) {}
};

// The work of one position button: the position's record from the fixture, "Substitutions",
// and on OK the record back into the fixture and into the scoresheet's player texts and the
// position's score values. FALSE (nothing changed) on Cancel.
BOOL SubstitutePosition(CScoresheetDlg& sheet, int nSide, int nPos);
