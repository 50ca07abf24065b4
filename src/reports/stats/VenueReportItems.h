#pragma once
// The Venue menu's reports on the generated pages: the venue statistics page (each venue's
// games against the league's, by score band), the venue high-score page, the bowlers'
// averages at each venue, and "Venue Hi Stats Style", the dialog of the venue report's fonts
// and length. Display pages only: never stored, no HTML.
#include "framework/ui/Dialog.h"
#include "league/FontData.h"
#include "resources/dialogs/ReportDialogs.h"
#include "view/DisplayHooks.h"
#include "view/RepItem.h"

class CPlayer;
class CVenue;

constexpr int VENUE_SCORE_BANDS = 8;

class CRepItem_VenueStats : public CRepItem
{
    DECLARE_DYNAMIC(CRepItem_VenueStats)
public:
    CRepItem_VenueStats();

    // Works the counters out afresh from the fixtures; Draw runs it, so the page is never stale.
    void CollectStats();
    int GetHeight(CDC* pDC) override;
    void Draw(CDC* pDC, const CPageInfo* pInfo) override;

    int m_nLeagueGames;
    int m_nLeaguePins;
    int m_nVenueGames;
    int m_nVenuePins;
    int m_nVenueMatches;
    int m_nLeagueBands[VENUE_SCORE_BANDS];
    int m_nVenueBands[VENUE_SCORE_BANDS];
    CVenue* m_pVenue;   // not owned
};

class CRepItem_VenueHiStats : public CRepItem
{
    DECLARE_DYNAMIC(CRepItem_VenueHiStats)
public:
    CRepItem_VenueHiStats();

    int GetHeight(CDC* pDC) override;
    void Draw(CDC* pDC, const CPageInfo* pInfo) override;
    CRepItem* CreatePageTopHeader() override;

    DWORD m_bAveragesRow;       // 0 a venue's high-score page, 1 a row of the averages table
    CFontData m_fontHeader;
    CFontData m_fontDetail;
    int m_nNumberToList;        // 1..10
    CVenue* m_pVenue;           // not owned
    CPlayer* m_pPlayer;         // an averages row's bowler; null in the header row; not owned

private:
    void DrawHighScores(CDC* pDC, CFont& header, CFont& detail);
    void DrawAveragesRow(CDC* pDC, CFont& header, CFont& detail);
};

// A bowler's average at the venue numbered nVenue in tenths of a pin, truncated; 0 when the
// bowler has no games there.
int GetVenueAverage(const CPlayer* pPlayer, BYTE nVenue);

// "Venue Hi Stats Style".
class CVenueHiStatsStyleDlg : public CDialog
{
public:
    enum { IDD = IDD_VENUE_HI_STATS_STYLE };
    explicit CVenueHiStatsStyleDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}

    CString m_strHeaderDesc;
    CString m_strDetailDesc;
    BYTE m_nNumberToList = 0;
    CFontData m_fontHeader;
    CFontData m_fontDetail;

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnHeaderFont();
    void OnDetailFont();
    DECLARE_MESSAGE_MAP()
};

// Replaces the generated-report items by the venue pages of a VenueReportKind and sets the title;
// returns the items made.
int BuildVenueReport(CBowlingDoc& doc, int nKind);
// Venue > Design Venue Report.: TRUE when the style was changed.
BOOL RunVenueReportStyle(CBowlingDoc* pDoc);
