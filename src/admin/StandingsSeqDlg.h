#pragma once
// The standings sequence dialogs, "Handicap Standings Sequence " and "Scratch Standings
// Sequence ": three keys, each 1 "Points scored" .. 5 "Games Played", and 6 "Handicap
// Pinfall" in the handicap dialog only. One implementation, a class for each kind.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/RulesDialogs.h"

class CStandingsSeqDlg : public CDialog
{
public:
    CStandingsSeqDlg(UINT nIDD, BOOL bHandicap, CWnd* pParent = nullptr);

    int m_nKey[3] = {1, 2, 3};  // in and out, 1-based
    BOOL m_bHandicap;

    // The texts of the keys, 1..6; "" for anything else.
    static const char* GetKeyText(int nKey);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
};

class CHandicapStandingsSeqDlg : public CStandingsSeqDlg
{
public:
    enum { IDD = IDD_HANDICAP_STANDINGS_SEQ };
    explicit CHandicapStandingsSeqDlg(CWnd* pParent = nullptr) : CStandingsSeqDlg(IDD, TRUE, pParent) {}
};

class CScratchStandingsSeqDlg : public CStandingsSeqDlg
{
public:
    enum { IDD = IDD_SCRATCH_STANDINGS_SEQ };
    explicit CScratchStandingsSeqDlg(CWnd* pParent = nullptr) : CStandingsSeqDlg(IDD, FALSE, pParent) {}
};
