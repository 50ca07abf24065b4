// The accounts page: a season's entries built into weekly blocks with running balances and the
// heading totals, what the page draws (red where money runs short) and the HTML page.
#include "DrawnText.h"
#include "FileContents.h"
#include "RecordingDC.h"
#include "TempDir.h"
#include "league/Accounts.h"
#include "league/BowlingDoc.h"
#include "view/DisplayHooks.h"
#include "reports/layout/AccountsItems.h"
#include "view/DisplayPages.h"
#include "view/Exports.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);

struct AccountsPage : ::testing::Test
{
    CBowlingDoc doc;

    void SetUp() override
    {
        doc.m_strLeagueName = "Tuesday Trios";
        heading(TRUE, "Subs");
        heading(TRUE, "Raffle");
        heading(FALSE, "Lane Hire");
    }

    void heading(BOOL bIncome, const char* pszName)
    {
        CObList& list = bIncome ? doc.m_listIncomeTypes : doc.m_listExpenseTypes;
        auto* p = new CAccountItemType;
        p->m_nId = static_cast<WORD>(list.GetCount());
        p->m_bIncome = bIncome;
        p->m_strName = pszName;
        list.AddTail(p);
    }

    void post(WORD id, BOOL bIncome, WORD round, LONG cents, const char* pszComment = "")
    {
        auto* p = new CAccountItem(id, bIncome);
        p->m_nRound = round;
        p->m_nAmount = cents;
        p->m_strComment = pszComment;
        doc.InsertAccountItem(p);
    }

    // A season worked by hand: round 0's raffle joins week 2's block. Week 2 takes 46.50 and
    // pays 30.00 (C/F 16.50); week 5 takes 20.00 and pays 36.90 (balance -16.90, C/F -0.40).
    void season()
    {
        post(1, TRUE, 0, 100, "early tickets");
        post(0, TRUE, 2, 4000);
        post(1, TRUE, 2, 550);
        post(0, FALSE, 2, 3000, "two lanes");
        post(0, FALSE, 5, 3690);
        post(0, TRUE, 5, 2000);
    }

    void draw(CRecordingDC& dc)
    {
        doc.m_nDisplayMode = MODE_ACCOUNTS;
        EXPECT_TRUE(g_pfnRunAccounts && g_pfnRunAccounts(&doc));
        CPageInfo info;
        info.m_nPageCount = LayoutDisplayPages(&doc, &dc);
        DrawDisplayPage(&doc, &dc, info);
    }
};

const DrawCall* Find(const CRecordingDC& dc, const char* psz, int nth = 0)
{
    for (const DrawCall& c : dc.calls)
        if (c.kind == DrawCall::Text && c.text == psz && nth-- == 0)
            return &c;
    return nullptr;
}

} // namespace

TEST_F(AccountsPage, ASeasonInWeeklyBlocksWithRunningBalances)
{
    season();
    BuildAccountsReport(&doc);
    std::vector<int> types;
    for (POSITION pos = doc.m_listAccountsItems.GetHeadPosition(); pos;)
        types.push_back(static_cast<CRepItem*>(doc.m_listAccountsItems.GetNext(pos))->m_nType);
    EXPECT_EQ(types, (std::vector<int>{35, 34, 34, 34, 34, 33, 9, 35, 34, 34, 33, 9, 9, 36, 34, 34, 9, 34, 33}));

    std::vector<CRepItem_AccTot*> totals;
    for (POSITION pos = doc.m_listAccountsItems.GetHeadPosition(); pos;)
        if (auto* p = dynamic_cast<CRepItem_AccTot*>(static_cast<CObject*>(doc.m_listAccountsItems.GetNext(pos))))
            totals.push_back(p);
    ASSERT_EQ(totals.size(), 3u);
    struct Want { WORD round; LONG bf, cf, in, out; };
    const Want want[] = {{2, 0, 1650, 4650, 3000}, {5, 1650, -40, 2000, 3690}, {5, 0, 0, 6650, 6690}};
    for (size_t i = 0; i < 3; ++i) {
        const CRepItem_AccTot& t = *totals[i];
        EXPECT_EQ(std::make_tuple(t.m_nRound, t.m_nBroughtForward, t.m_nCarriedForward, t.m_nIncome, t.m_nExpenses),
                  std::make_tuple(want[i].round, want[i].bf, want[i].cf, want[i].in, want[i].out))
            << i;
    }
    EXPECT_EQ(totals[2]->m_bTotals, 1u);
}

TEST_F(AccountsPage, DrawsColumnsBalancesAndRedWhereMoneyRunsShort)
{
    season();
    CRecordingDC dc;
    draw(dc);
    // The first block, under its heads.
    const DrawCall* head = Find(dc, "Item");
    ASSERT_NE(head, nullptr) << dc.Dump();
    EXPECT_EQ(head->x1, 720);
    EXPECT_EQ(TextsAt(dc, head->y1), (std::vector<std::string>{"Item", "Comment", "Income", "Expenses"}));
    const DrawCall* early = Find(dc, "001 : Raffle");
    ASSERT_NE(early, nullptr);
    EXPECT_EQ(TextsAt(dc, early->y1), (std::vector<std::string>{"001 : Raffle", "early tickets", "       1.00"}));
    const DrawCall* lanes = Find(dc, "000 : Lane Hire");
    const DrawCall* paid = Find(dc, "      30.00");
    ASSERT_TRUE(lanes && paid);
    // An expense ends at the right edge, in red; income at 9360 in black.
    const int nCharWidth = std::abs(paid->font.lfHeight) / 2;
    EXPECT_EQ(std::make_tuple(paid->y1, paid->x1 + static_cast<int>(paid->text.GetLength()) * nCharWidth, paid->color,
                              early->color),
              std::make_tuple(lanes->y1, 10800, kRed, RGB(0, 0, 0)));

    const DrawCall* week5 = Find(dc, "Week  5");
    ASSERT_NE(week5, nullptr);
    EXPECT_EQ(TextsAt(dc, week5->y1), (std::vector<std::string>{"Week  5", "Balance     -16.90", "Balance B/F      16.50",
                                                                "Balance C/F       -0.40"}));
    const DrawCall* cf = Find(dc, "Balance C/F       -0.40");
    EXPECT_EQ(std::make_tuple(cf->color, Find(dc, "Balance B/F      16.50")->color, cf->x1),
              std::make_tuple(kRed, RGB(0, 0, 0), 7200));

    // The heading totals, and the season's balance on the last line.
    ASSERT_NE(Find(dc, "Item Totals to date."), nullptr);
    const DrawCall* subsTotal = Find(dc, "000 : Subs", 2);
    ASSERT_NE(subsTotal, nullptr);
    EXPECT_EQ(TextsAt(dc, subsTotal->y1), (std::vector<std::string>{"000 : Subs", "", "      60.00"}));
    const DrawCall* balance = Find(dc, "Balance      -0.40");
    ASSERT_NE(balance, nullptr);
    EXPECT_EQ(std::make_pair(balance->x1, balance->color), std::make_pair(4320, kRed));
}

TEST_F(AccountsPage, NoEntriesShowWeekNoughtAndEveryHeadingAtNought)
{
    CRecordingDC dc;
    draw(dc);
    const DrawCall* week = Find(dc, "Week  0");
    ASSERT_NE(week, nullptr) << dc.Dump();
    EXPECT_EQ(TextsAt(dc, week->y1), (std::vector<std::string>{"Week  0", "Balance       0.00", "Balance B/F       0.00",
                                                               "Balance C/F        0.00"}));
    ASSERT_NE(Find(dc, "001 : Raffle"), nullptr);
    EXPECT_EQ(TextsAt(dc, Find(dc, "000 : Lane Hire")->y1),
              (std::vector<std::string>{"000 : Lane Hire", "", "       0.00"}));
}

TEST_F(AccountsPage, LongSeasonsRunOntoPagesEachWithItsHeading)
{
    for (WORD r = 1; r <= 40; ++r)
        post(0, TRUE, r, 100 * r);
    CRecordingDC dc;
    doc.m_nDisplayMode = MODE_ACCOUNTS;
    BuildAccountsReport(&doc);
    const int nPages = LayoutDisplayPages(&doc, &dc);
    EXPECT_GT(nPages, 1);
    for (POSITION pos = doc.m_listAccountsItems.GetHeadPosition(); pos;) {
        auto* p = static_cast<CRepItem*>(doc.m_listAccountsItems.GetNext(pos));
        EXPECT_GE(p->m_y + p->GetHeight(&dc), -15840);
    }
    // Laid out again (the printer after the screen), the headings are not doubled.
    const int nItems = doc.m_listAccountsItems.GetCount();
    LayoutDisplayPages(&doc, &dc);
    EXPECT_EQ(doc.m_listAccountsItems.GetCount(), nItems);
}

TEST_F(AccountsPage, HtmlPageHoldsTheRowsWithEscapedComments)
{
    post(0, TRUE, 1, 1250, "Fish & <Chips>");
    post(0, FALSE, 1, 2000);
    doc.m_nDisplayMode = MODE_ACCOUNTS;
    doc.m_strReportTitle = "Accounts";
    BuildAccountsReport(&doc);
    TempDir dir;
    const std::string path = (dir.path() / "accounts.htm").string();
    CString error;
    ASSERT_TRUE(HasHtmlReport(MODE_ACCOUNTS));
    ASSERT_TRUE(WriteHtmlReport(&doc, path.c_str(), error)) << error.GetString();
    const std::string html = FileContents(path);
    for (const char* part : {"<TITLE>Accounts</TITLE>", "Fish &amp; &lt;Chips&gt;", "12.50", "<HR SIZE=2 WIDTH=100%>"})
        EXPECT_NE(html.find(part), std::string::npos) << part;
    // The week's balance is short: in red.
    const size_t nBalance = html.find("Balance -7.50");
    ASSERT_NE(nBalance, std::string::npos) << html;
    EXPECT_NE(html.rfind("FF0000", nBalance), std::string::npos);
    size_t nTables = 0;
    for (size_t at = html.find("<TABLE WIDTH=100%>"); at != std::string::npos; at = html.find("<TABLE WIDTH=100%>", at + 1))
        ++nTables;
    EXPECT_EQ(nTables, 1u + 3u);  // the page head, the block, the heading totals twice around a rule
}
