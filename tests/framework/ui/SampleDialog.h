#pragma once
// A dialog of every kind of control, driven by the tests of this folder.
#include <vector>

#include "framework/ui/Ui.h"

enum : UINT {
    IDD_SAMPLE = 9001,
    IDC_NAME = 1001,
    IDC_SCORE,
    IDC_HANDICAP,
    IDC_ACTIVE,
    IDC_TEAM,     // sorted drop-down list with item data
    IDC_VENUE,    // editable combo
    IDC_PLAYERS,  // single-selection list
    IDC_ROUNDS,   // multiple-selection list
    IDC_KIND1,    // radio group of three
    IDC_KIND2,
    IDC_KIND3,
    IDC_CLEAR,
    IDC_ADD,
    IDC_STAT,
};

inline const DlgTemplate& SampleTemplate()
{
    static const DlgTemplate t = {IDD_SAMPLE, "Sample", 220, 160, {
        {CtlKind::Static, IDC_STATIC, "Name:", 7, 9, 40, 8},
        {CtlKind::Edit, IDC_NAME, nullptr, 50, 7, 80, 12, ES_AUTOHSCROLL},
        {CtlKind::Static, IDC_STATIC, "Score:", 7, 25, 40, 8},
        {CtlKind::Edit, IDC_SCORE, nullptr, 50, 23, 30, 12},
        {CtlKind::Edit, IDC_HANDICAP, nullptr, 90, 23, 30, 12},
        {CtlKind::CheckBox, IDC_ACTIVE, "Active", 7, 40, 60, 10},
        {CtlKind::ComboBox, IDC_TEAM, nullptr, 7, 55, 90, 60, CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL},
        {CtlKind::ComboBox, IDC_VENUE, nullptr, 110, 55, 90, 60, CBS_DROPDOWN},
        {CtlKind::ListBox, IDC_PLAYERS, nullptr, 7, 75, 90, 40, LBS_NOTIFY | WS_VSCROLL},
        {CtlKind::ListBox, IDC_ROUNDS, nullptr, 110, 75, 90, 40, LBS_MULTIPLESEL | WS_VSCROLL},
        {CtlKind::RadioButton, IDC_KIND1, "Scratch", 7, 120, 50, 10, WS_GROUP},
        {CtlKind::RadioButton, IDC_KIND2, "Handicap", 60, 120, 50, 10},
        {CtlKind::RadioButton, IDC_KIND3, "Both", 113, 120, 50, 10},
        {CtlKind::PushButton, IDC_CLEAR, "Clear", 7, 138, 40, 14, WS_GROUP},
        {CtlKind::PushButton, IDC_ADD, "Add", 50, 138, 40, 14},
        {CtlKind::Static, IDC_STAT, "", 95, 140, 20, 8},
        {CtlKind::PushButton, IDOK, "OK", 120, 138, 40, 14, BS_DEFPUSHBUTTON},
        {CtlKind::PushButton, IDCANCEL, "Cancel", 170, 138, 40, 14},
    }};
    return t;
}

inline void RegisterSampleTemplate()
{
    static bool done = false;
    if (!done) {
        AfxRegisterDialogTemplates(std::span<const DlgTemplate>(&SampleTemplate(), 1));
        done = true;
    }
}

class CSampleDlg : public CDialog {
public:
    CSampleDlg() : CDialog(IDD_SAMPLE) { RegisterSampleTemplate(); }

    CString m_strName = "Alice";
    int m_nScore = 180;
    int m_nHandicap = 12;
    int m_bActive = TRUE;
    int m_nTeam = -1;       // index in the sorted list
    DWORD_PTR m_dwTeam = 0; // item data of the chosen team, read in OnOK
    CString m_strVenue = "Northgate";
    int m_nPlayer = 1;
    int m_nKind = 1;
    std::vector<int> m_rounds;

    // What the handlers saw.
    std::vector<CString> log;
    int nNameChanges = 0;
    CComboBox m_team;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, IDC_TEAM, m_team);
        if (!pDX->m_bSaveAndValidate && m_team.GetCount() == 0) {
            // Filled once: the sorted list puts them in order, the data follows each name.
            const char* teams[] = {"Strikers", "Alley Cats", "Pin Pals"};
            for (int i = 0; i < 3; ++i)
                m_team.SetItemData(m_team.AddString(teams[i]), static_cast<DWORD_PTR>(10 + i));
            CComboBox* venue = static_cast<CComboBox*>(GetDlgItem(IDC_VENUE));
            venue->AddString("Northgate");
            venue->AddString("Riverside");
            CListBox* players = static_cast<CListBox*>(GetDlgItem(IDC_PLAYERS));
            for (const char* p : {"Ann", "Bob", "Cy"})
                players->AddString(p);
            CListBox* rounds = static_cast<CListBox*>(GetDlgItem(IDC_ROUNDS));
            for (const char* r : {"Round 1", "Round 2", "Round 3", "Round 4"})
                rounds->AddString(r);
        }
        DDX_Text(pDX, IDC_NAME, m_strName);
        DDV_MaxChars(pDX, m_strName, 10);
        DDX_Text(pDX, IDC_SCORE, m_nScore);
        DDV_MinMaxInt(pDX, m_nScore, 0, 300);
        DDX_Text(pDX, IDC_HANDICAP, m_nHandicap);
        DDX_Check(pDX, IDC_ACTIVE, m_bActive);
        DDX_CBIndex(pDX, IDC_TEAM, m_nTeam);
        DDX_CBString(pDX, IDC_VENUE, m_strVenue);
        DDX_LBIndex(pDX, IDC_PLAYERS, m_nPlayer);
        DDX_Radio(pDX, IDC_KIND1, m_nKind);
    }

    void OnOK() override
    {
        if (!UpdateData(TRUE))
            return;
        CListBox* rounds = static_cast<CListBox*>(GetDlgItem(IDC_ROUNDS));
        int sel[8];
        int n = rounds->GetSelItems(8, sel);
        m_rounds.assign(sel, sel + n);
        m_dwTeam = m_team.GetCurSel() >= 0 ? m_team.GetItemData(m_team.GetCurSel()) : 0;
        EndDialog(IDOK);
    }

    void OnChangeName() { ++nNameChanges; log.push_back("name changed"); }
    void OnKillfocusScore() { log.push_back("score left"); }
    void OnSetfocusScore() { log.push_back("score entered"); }
    void OnSelchangeTeam() { log.push_back("team " + m_team.ItemText(m_team.GetCurSel())); }
    void OnSelchangePlayers() { log.push_back("player picked"); }
    void OnDblclkPlayers() { log.push_back("player opened"); }
    void OnClear()
    {
        log.push_back("clear");
        SetDlgItemText(IDC_NAME, "");
        CheckDlgButton(IDC_ACTIVE, 0);
    }
    void OnKind(UINT nID)
    {
        CString s;
        s.Format("kind %u", nID - IDC_KIND1 + 1);
        log.push_back(s);
    }
    void OnUpdateHandicap() { GetDlgItem(IDC_HANDICAP)->EnableWindow(IsDlgButtonChecked(IDC_ACTIVE)); }

    DECLARE_MESSAGE_MAP()
};

