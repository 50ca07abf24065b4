#pragma once
// "Split Season": simple splits (a fixed number of rounds each) or custom splits (up to 12, each
// from its own start round, set in "Custom Splits"), and what each split resets.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/AdminDialogs.h"

class CBowlingDoc;

class CSplitSeasonDlg : public CDialog
{
public:
    enum { IDD = IDD_SPLIT_SEASON };
    explicit CSplitSeasonDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    // The seven settings, copied in and out by the command.
    int m_bSplitSeason = 0;
    int m_nRoundsPerSplit = 0;
    int m_nSplits = 0;
    BYTE m_nCustomStart[12] = {};
    int m_bCustomSplits = 0;
    int m_bResetHiStats = 0;
    int m_bCompleteReset = 0;

    int m_nRounds = 0;
    CBowlingDoc* m_pDoc = nullptr;
    int m_nCustomSplits = 0;
    CString m_strRoundsText;
    CString m_strPrompt;
    CString m_strSummary1;
    CString m_strSummary2;
    CString m_strCustomSummary;

    void UpdateSummary();
    void ShowFittedSplits();

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnSplitSeason();
    void OnCustomSplits();
    void OnChangeValues();
    void OnChangeRoundsPerSplit();
    void OnKillfocusRoundsPerSplit();
    void OnKillfocusSplits();
    void OnDefineCustom();
    // The number of splits as simple splits of these rounds allow it.
    int FittedSplits(int nSplits) const;
    int CountCustomStarts() const;

    bool m_bReady = false;

    DECLARE_MESSAGE_MAP()
};

class CCustomSplitsDlg : public CDialog
{
public:
    enum { IDD = IDD_CUSTOM_SPLITS };
    explicit CCustomSplitsDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    CBowlingDoc* m_pDoc = nullptr;
    int m_nRounds = 0;
    BYTE m_nStart[12] = {};
    CString m_strDuration[12];
    int m_nLaterSplits = 0; // splits after the first with a start round

    void UpdateDurations();

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnKillfocusStart(UINT nID);
    // Takes the start typed for split i (from 0); false, with the old value back, when refused.
    bool ApplyStart(int i);
    // Says split i (from 0) cannot start at nStart, after the last round, and goes back to its
    // box with the old start shown; false.
    bool RefuseBeyondLastRound(int i, int nStart);
    void OnDelete(UINT nID);
    void ShowStarts();

    DECLARE_MESSAGE_MAP()
};
