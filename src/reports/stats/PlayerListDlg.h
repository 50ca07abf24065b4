#pragma once
// "Player List Additional Items": the details the player list shows and its three fonts. The
// dialog edits copies; the caller takes them back after OK.
#include "framework/ui/Dialog.h"
#include "league/FontData.h"
#include "reports/stats/PlayerListItem.h"
#include "resources/dialogs/ReportDialogs.h"

class CPlayerListItemsDlg : public CDialog
{
public:
    enum { IDD = IDD_PLAYER_LIST_ITEMS };
    explicit CPlayerListItemsDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    DWORD m_bShow[PLS_COUNT] = {};   // in the document's order
    CFontData m_fontDetail;
    CFontData m_fontName;
    CFontData m_fontTitle;
    BOOL m_bHasMembershipTypes = FALSE;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnName();
    void OnDetailFont();
    void OnNameFont();
    void OnTitleFont();
    void ShowFontDescriptions();

    DECLARE_MESSAGE_MAP()
};

// View > Player List: numbers the bowlers alphabetically, runs the dialog on the document's
// settings and on OK stores them and builds the list. FALSE after Cancel.
BOOL RunPlayerListCommand(CBowlingDoc* pDoc);
