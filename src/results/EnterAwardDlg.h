#pragma once
// "Enter Award Information": a manual award to one bowler of a match. The caller sets the
// document and the fixture; after OK ("Add") it reads the bowler, the category and the game.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/ResultDialogs.h"

class CAwards;
class CBowlingDoc;
class CFixture;
class CPlayer;

class CEnterAwardDlg : public CDialog {
public:
    enum { IDD = IDD_ENTER_AWARD };
    explicit CEnterAwardDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    CComboBox m_comboAward;
    CComboBox m_comboPlayer;
    CString m_strRound;
    CString m_strDate;
    int m_nGame = 0;
    CBowlingDoc* m_pDoc = nullptr;
    CFixture* m_pFixture = nullptr;
    // The choice after OK; never null then.
    CPlayer* m_pPlayer = nullptr;
    CAwards* m_pAward = nullptr;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
};
