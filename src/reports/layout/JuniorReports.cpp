#include "reports/layout/JuniorReports.h"

#include "framework/core/File.h"
#include "league/BowlingDoc.h"
#include "league/Player.h"
#include "view/DisplayHooks.h"
#include "reports/layout/JuniorReportFontsDlg.h"
#include "reports/layout/LineItems.h"
#include "view/ReportFlow.h"

#include <algorithm>
#include <set>
#include <tuple>

namespace {

using Align = CRepItem_TextLine;

CRepItem_TextLine* AddText(CBowlingDoc* pDoc, const CFontData& font, const CString& text, int x, int nAlign,
                           bool bNewLine)
{
    auto* p = new CRepItem_TextLine;
    p->m_pDoc = pDoc;
    p->m_bTemporary = TEMP_SHOWING;
    p->m_font.CopyFrom(font);
    p->m_strText = text;
    p->m_nX = x;
    p->m_nAlign = nAlign;
    p->m_bAdvance = bNewLine ? 1 : 0;
    pDoc->m_listJuniorItems.AddTail(p);
    return p;
}

void AddBlankLine(CBowlingDoc* pDoc, const CFontData& font)
{
    AddText(pDoc, font, "", PAGE_LEFT, Align::ALIGN_LEFT, true);
}

// The juniors the reports list: real bowlers who have not resigned, with the junior flag.
bool IsListedJunior(const CPlayer* p)
{
    return !p->IsRobot() && !p->IsResigned() && (p->m_wFlags & PF_JUNIOR) != 0;
}

CString FullName(const CPlayer* p)
{
    return p->m_strFirstName + " " + p->m_strSurname;
}

// A birth date as far as it is recorded: "02 Mar 2014", "?? Mar 2014"; "?? ??? ????" when it is not.
CString Birthday(const CPlayer* p)
{
    static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const int d = p->m_nBirthDay, m = p->m_nBirthMonth, y = p->m_nBirthYear;
    CString text;
    if (d != 0)
        text.Format("%02d ", d);
    else
        text = "?? ";
    text += m >= 1 && m <= 12 ? months[m - 1] : "???";
    if (y != 0)
        text.AppendFormat(" %04d", y);
    else
        text += " ????";
    return text;
}

void BuildAdminReport(CBowlingDoc* pDoc)
{
    CJuniorReport& report = pDoc->m_JuniorReport;
    const CTime qualifying = pDoc->m_timeJuniorQualifying;
    AddText(pDoc, report.m_fontTitle, "Juniors and their Categories as set on : " + qualifying.Format("%d %b %Y"),
            PAGE_CENTRE, Align::ALIGN_CENTRE, true);
    AddBlankLine(pDoc, report.m_fontAdminHeading);
    AddText(pDoc, report.m_fontAdminHeading, "Age", 2592, Align::ALIGN_RIGHT, false);
    AddText(pDoc, report.m_fontAdminHeading, "Name", 2736, Align::ALIGN_LEFT, false);
    AddText(pDoc, report.m_fontAdminHeading, "Birthday", 6048, Align::ALIGN_LEFT, false);
    AddText(pDoc, report.m_fontAdminHeading, "Category", 8928, Align::ALIGN_CENTRE, false);

    CJuniorReport::RunState* pState = report.GetRunState();
    std::vector<CPlayer*> juniors;
    if (!pState->bJuniorsOrdered) {
        juniors = NumberJuniors(pDoc);
        pState->bJuniorsOrdered = 1;
    } else {
        for (POSITION pos = pDoc->m_listPlayers.GetHeadPosition(); pos;) {
            auto* p = static_cast<CPlayer*>(pDoc->m_listPlayers.GetNext(pos));
            if (p->m_nJuniorPosition != 0 && IsListedJunior(p))
                juniors.push_back(p);
        }
        std::stable_sort(juniors.begin(), juniors.end(),
                         [](const CPlayer* a, const CPlayer* b) { return a->m_nJuniorPosition < b->m_nJuniorPosition; });
    }
    const int y = qualifying.GetYear(), m = qualifying.GetMonth(), d = qualifying.GetDay();
    for (const CPlayer* p : juniors) {
        AddBlankLine(pDoc, report.m_fontAdminDetail);
        if (const int nAge = p->JuniorAge(y, m, d); nAge != 0) {
            CString age;
            age.Format("%d", nAge);
            AddText(pDoc, report.m_fontAdminDetail, age, 2592, Align::ALIGN_RIGHT, false);
        }
        AddText(pDoc, report.m_fontAdminDetail, FullName(p), 2736, Align::ALIGN_LEFT, false);
        AddText(pDoc, report.m_fontAdminDetail, Birthday(p), 6048, Align::ALIGN_LEFT, false);
        AddText(pDoc, report.m_fontAdminDetail, p->m_strJuniorCategory, 8928, Align::ALIGN_CENTRE, false);
    }
}

struct StatsTable
{
    int (CBowlingDoc::*rank)(int, WORD, int, int);
    CPlayer* (CBowlingDoc::*find)(DWORD, WORD, BYTE) const;
    WORD (CPlayer::*figure)() const;
    const char* pszHeading;
    int nScoreX;   // right edge of the figure
    int nNameX;
};

const StatsTable kTables[4] = {
    {&CBowlingDoc::RankPlayersByHighGameHcp, &CBowlingDoc::FindPlayerByHighGameHcpRank, &CPlayer::GetHighGameHcp, "hgh",
     1152, 1296},
    {&CBowlingDoc::RankPlayersByHighGameScratch, &CBowlingDoc::FindPlayerByHighGameScratchRank,
     &CPlayer::GetHighGameScratch, "hgs", 3600, 3744},
    {&CBowlingDoc::RankPlayersByHighSeriesHcp, &CBowlingDoc::FindPlayerByHighSeriesHcpRank, &CPlayer::GetHighSeriesHcp,
     "hsh", 6192, 6336},
    {&CBowlingDoc::RankPlayersByHighSeriesScratch, &CBowlingDoc::FindPlayerByHighSeriesScratchRank,
     &CPlayer::GetHighSeriesScratch, "hss", 8640, 8784},
};

constexpr size_t kRowsPerTable = 5;

void BuildDetailReport(CBowlingDoc* pDoc)
{
    CJuniorReport& report = pDoc->m_JuniorReport;
    AddText(pDoc, report.m_fontTitle, "Juniors High Stats By Category", PAGE_CENTRE, Align::ALIGN_CENTRE, true);
    const int nPlaces = static_cast<int>(pDoc->m_listPlayers.GetCount());
    for (POSITION pos = pDoc->m_listJuniorCategories.GetHeadPosition(); pos;) {
        const auto* pCat = static_cast<const CJuniorCategory*>(pDoc->m_listJuniorCategories.GetNext(pos));
        std::vector<CPlayer*> taken[4];
        size_t nRows = 0;
        for (int t = 0; t < 4; ++t) {
            if (!report.m_bTables[t])
                continue;
            const StatsTable& table = kTables[t];
            (pDoc->*table.rank)(nPlaces, 0xFFFF, 0, 0);
            for (DWORD nPlace = 1; taken[t].size() < kRowsPerTable; ++nPlace) {
                CPlayer* p = (pDoc->*table.find)(nPlace, 0xFFFF, 0);
                if (!p)
                    break;
                // A bowler who is no longer a junior keeps his old category id.
                if (p->m_nJuniorCategory == pCat->m_nId && IsListedJunior(p))
                    taken[t].push_back(p);
            }
            nRows = std::max(nRows, taken[t].size());
        }
        if (nRows == 0)
            continue;
        const CFontData& heading = report.m_fontStatsHeading;
        AddBlankLine(pDoc, heading);
        AddText(pDoc, heading, pCat->m_strName, PAGE_CENTRE, Align::ALIGN_CENTRE, true);
        AddBlankLine(pDoc, heading);
        for (const StatsTable& table : kTables) {
            AddText(pDoc, heading, table.pszHeading, table.nScoreX, Align::ALIGN_RIGHT, false);
            AddText(pDoc, heading, "name", table.nNameX, Align::ALIGN_LEFT, false);
        }
        const CFontData& detail = report.m_fontStatsDetail;
        for (size_t r = 0; r < nRows; ++r) {
            AddBlankLine(pDoc, detail);
            for (int t = 0; t < 4; ++t) {
                if (r >= taken[t].size())
                    continue;
                const CPlayer* p = taken[t][r];
                CString figure;
                figure.Format("%d", (p->*kTables[t].figure)());
                AddText(pDoc, detail, figure, kTables[t].nScoreX, Align::ALIGN_RIGHT, false);
                AddText(pDoc, detail, FullName(p), kTables[t].nNameX, Align::ALIGN_LEFT, false);
            }
        }
    }
}

// --- HTML ---------------------------------------------------------------------------------

// One line of the report: an item with the new-line flag and those that share its line.
struct Line
{
    std::vector<const CRepItem_TextLine*> items;
    std::vector<const CRepItem_TextLine*> Texts() const
    {
        std::vector<const CRepItem_TextLine*> v;
        for (const CRepItem_TextLine* p : items)
            if (!p->m_strText.IsEmpty())
                v.push_back(p);
        return v;
    }
    // A title: the line's own item alone carries text.
    bool IsTitle() const
    {
        const auto texts = Texts();
        return texts.size() == 1 && texts[0] == items[0];
    }
};

void WriteDiv(CStdioFile& file, const CRepItem_TextLine* p)
{
    switch (p->m_nAlign) {
    case Align::ALIGN_CENTRE: CRepItem::HtmlDivCentre(&file, &p->m_font, p->m_strText); break;
    case Align::ALIGN_RIGHT: CRepItem::HtmlDivRight(&file, &p->m_font, p->m_strText); break;
    default: CRepItem::HtmlDivLeft(&file, &p->m_font, p->m_strText); break;
    }
}

// Rows of a run of lines share one table whose columns are every x the run draws at, so the
// cells of a table that has no bowler in a row stay empty instead of shifting.
void WriteRows(CStdioFile& file, const std::vector<const Line*>& rows)
{
    std::set<int> xs;
    for (const Line* line : rows)
        for (const CRepItem_TextLine* p : line->Texts())
            xs.insert(p->m_nX);
    file.WriteString("<CENTER><TABLE WIDTH=100%>\n");
    for (const Line* line : rows) {
        file.WriteString("<TR>\n");
        const auto texts = line->Texts();
        for (int x : xs) {
            auto it = std::find_if(texts.begin(), texts.end(), [x](const CRepItem_TextLine* p) { return p->m_nX == x; });
            if (it == texts.end()) {
                CRepItem::HtmlCellLeft(&file, &line->items[0]->m_font, "");
                continue;
            }
            const CRepItem_TextLine* p = *it;
            switch (p->m_nAlign) {
            case Align::ALIGN_CENTRE: CRepItem::HtmlCellCentre(&file, &p->m_font, p->m_strText); break;
            case Align::ALIGN_RIGHT: CRepItem::HtmlCellRight(&file, &p->m_font, p->m_strText); break;
            default: CRepItem::HtmlCellLeft(&file, &p->m_font, p->m_strText); break;
            }
        }
        file.WriteString("</TR>\n");
    }
    file.WriteString("</TABLE></CENTER>\n");
}

// The view reaches the reports through these.
const bool s_bJuniorHooks = (g_pfnBuildJuniorReport = BuildJuniorReport, g_pfnJuniorReportFonts = JuniorReportFonts,
                             g_pfnWriteJuniorReportHtml = WriteJuniorReportHtml, true);

} // namespace

std::vector<CPlayer*> NumberJuniors(CBowlingDoc* pDoc)
{
    std::vector<CPlayer*> juniors;
    for (POSITION pos = pDoc->m_listPlayers.GetHeadPosition(); pos;) {
        auto* p = static_cast<CPlayer*>(pDoc->m_listPlayers.GetNext(pos));
        p->m_nJuniorPosition = 0;
        if (IsListedJunior(p))
            juniors.push_back(p);
    }
    if (pDoc->m_JuniorReport.m_bOrderByName) {
        // Among equal names the one later in the list comes first.
        std::reverse(juniors.begin(), juniors.end());
        std::stable_sort(juniors.begin(), juniors.end(), [](const CPlayer* a, const CPlayer* b) {
            const int n = a->m_strSurname.Compare(b->m_strSurname);
            return n != 0 ? n < 0 : a->m_strFirstName.Compare(b->m_strFirstName) < 0;
        });
    } else {
        // The youngest first; a bowler without a birth year last.
        auto key = [](const CPlayer* p) {
            return std::make_tuple(p->m_nBirthYear != 0 ? 1 : 0, static_cast<int>(p->m_nBirthYear),
                                   static_cast<int>(p->m_nBirthMonth), static_cast<int>(p->m_nBirthDay));
        };
        std::stable_sort(juniors.begin(), juniors.end(),
                         [&](const CPlayer* a, const CPlayer* b) { return key(a) > key(b); });
    }
    for (size_t i = 0; i < juniors.size(); ++i)
        juniors[i]->m_nJuniorPosition = static_cast<DWORD>(i + 1);
    return juniors;
}

void BuildJuniorReport(CBowlingDoc* pDoc)
{
    DeleteItemList(pDoc->m_listJuniorItems);
    if (pDoc->m_JuniorReport.m_nReportKind == 2)
        BuildDetailReport(pDoc);
    else if (pDoc->m_JuniorReport.m_nReportKind == 1)
        BuildAdminReport(pDoc);
}

void WriteJuniorReportHtml(CBowlingDoc* pDoc, CStdioFile& file)
{
    std::vector<Line> lines;
    for (POSITION pos = pDoc->m_listJuniorItems.GetHeadPosition(); pos;) {
        const auto* p = dynamic_cast<const CRepItem_TextLine*>(static_cast<CObject*>(pDoc->m_listJuniorItems.GetNext(pos)));
        if (!p)
            continue;
        if (p->m_bAdvance || lines.empty())
            lines.emplace_back();
        lines.back().items.push_back(p);
    }
    std::vector<const Line*> rows;
    auto flush = [&] {
        if (!rows.empty())
            WriteRows(file, rows);
        rows.clear();
    };
    for (const Line& line : lines) {
        if (line.Texts().empty()) {
            flush();
            file.WriteString("<BR>\n");
        } else if (line.IsTitle()) {
            flush();
            WriteDiv(file, line.items[0]);
        } else {
            rows.push_back(&line);
        }
    }
    flush();
}

void JuniorReportFonts(CBowlingDoc* pDoc)
{
    CJuniorReportFontsDlg dlg(&pDoc->m_JuniorReport);
    dlg.DoModal();
    pDoc->SetModifiedFlag();
    pDoc->m_JuniorReport.GetRunState()->bRebuild = 1;
    pDoc->UpdateAllViews(nullptr);
}
