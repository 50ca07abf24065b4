#pragma once
// "Venue Details." (a venue's name, address, directions and lanes) and "Select Venue".
#include "framework/ui/Dialog.h"
#include "resources/dialogs/AdminDialogs.h"

class CBowlingDoc;
class CVenue;

class CVenueDetailsDlg : public CDialog
{
public:
    enum { IDD = IDD_VENUE_DETAILS };
    explicit CVenueDetailsDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    // The venue's fields into the dialog and, after OK, back; a venue without split lanes
    // keeps no split figures.
    void LoadFrom(const CVenue& venue);
    void SaveTo(CVenue& venue) const;

    CString m_strName;
    CString m_strPhone;
    CString m_strAddress[4];
    CString m_strPostcode;
    CString m_strDirections;
    UINT m_nStartLane = 1;
    UINT m_nLastLane = 0;
    int m_bSplitLanes = 0;
    UINT m_nSplitStartLane = 0;
    UINT m_nLanesBeforeSplit = 0;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnSplitLanes();
    void EnableSplitFields();

    DECLARE_MESSAGE_MAP()
};

class CSelectVenueDlg : public CDialog
{
public:
    enum { IDD = IDD_SELECT_VENUE };
    explicit CSelectVenueDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    CBowlingDoc* m_pDoc = nullptr;
    BYTE m_nVenue = 0;   // the chosen venue's number
    int m_nIndex = -1;   // and its place in the list, which tells apart venues of one number

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnKillfocusList() { TakeSelection(); }
    void TakeSelection();

    DECLARE_MESSAGE_MAP()
};
