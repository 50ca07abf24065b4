#pragma once
// The option dialogs of the three high-score items: "Team Stats", "Individual Hi Stats" and
// "Weekly Hi Stats". They have an OK button only; the item takes the dialog's values however
// it closes, and the font buttons change the item's own fonts at once.
#include "framework/ui/Dialog.h"
#include "resources/dialogs/ReportDialogs.h"

class CBowlingDoc;
class CHiStatsItem;

class CHiStatsDlg : public CDialog
{
public:
    CHiStatsDlg(UINT nIDD, CBowlingDoc* pDoc, CHiStatsItem* pItem, CWnd* pParent = nullptr);

    int m_nEntries = 3;
    int m_bUnused[4] = {};
    int m_nStatistic[4] = {};
    int m_nBasis[4] = {};
    int m_nGroup[4] = {};
    int m_nClass[4] = {};
    int m_bTeams[4] = {};
    int m_bApplyFonts = 0;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(CDataExchange* pDX) override;

    // What differs between the three.
    virtual void ApplyStatisticRule(int nColumn) = 0;
    virtual void UpdateEnabling(int nColumn);
    virtual int MinEntries() const = 0;
    virtual int MaxEntries() const = 0;

    void OnStatisticChange(UINT nID);
    void OnBasisChange(UINT nID);
    void OnUnusedClicked(UINT nID);
    void OnTeamsClicked(UINT nID);
    void OnApplyFonts();
    void OnHeadingFont();
    void OnDetailFont();
    void ShowFontDescriptions();
    BOOL IsHandicapLeague() const;
    BOOL HasBothSystems() const;
    void FillCombo(UINT nID, const char* const* ppszTexts, int nCount, int nSel);
    void Enable(UINT nID, BOOL bEnable);
    int GetSel(UINT nID) const;
    void SetSel(UINT nID, int nSel);

    CBowlingDoc* m_pDoc;
    CHiStatsItem* m_pItem;
    UINT m_nHeadingDescID;
    BOOL m_bHasGroups = TRUE;
    BOOL m_bHasTeams = FALSE;
    const char* const* m_ppszStatistics = nullptr;
    int m_nStatistics = 0;
    int m_nBases = 2;

    DECLARE_MESSAGE_MAP()
};

class CTeamStatsDlg : public CHiStatsDlg
{
public:
    enum { IDD = IDD_TEAM_STATS };
    CTeamStatsDlg(CBowlingDoc* pDoc, CHiStatsItem* pItem, CWnd* pParent = nullptr);

protected:
    void ApplyStatisticRule(int nColumn) override;
    void UpdateEnabling(int /*nColumn*/) override {}
    int MinEntries() const override { return 1; }
    int MaxEntries() const override;
    void OnEntriesKillFocus();

    DECLARE_MESSAGE_MAP()
};

class CIndividualHiStatsDlg : public CHiStatsDlg
{
public:
    enum { IDD = IDD_INDIVIDUAL_HI_STATS };
    CIndividualHiStatsDlg(CBowlingDoc* pDoc, CHiStatsItem* pItem, CWnd* pParent = nullptr);

protected:
    void ApplyStatisticRule(int nColumn) override;
    int MinEntries() const override { return 1; }
    int MaxEntries() const override { return 25; }
};

class CWeeklyHiStatsDlg : public CHiStatsDlg
{
public:
    enum { IDD = IDD_WEEKLY_HI_STATS };
    CWeeklyHiStatsDlg(CBowlingDoc* pDoc, CHiStatsItem* pItem, CWnd* pParent = nullptr);

protected:
    void ApplyStatisticRule(int nColumn) override;
    int MinEntries() const override { return 0; }
    int MaxEntries() const override { return 9; }
};
