// Money as typed and shown, the payment items due in a round, the order of posted entries,
// and the team order with its real bowlers packed in front.
#include "league/Accounts.h"
#include "league/BowlingDoc.h"
#include "league/Player.h"
#include "league/Team.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

TEST(Money, TypedTextToCents)
{
    struct Case { const char* text; bool ok; LONG cents; };
    const Case cases[] = {
        {"12.345", true, 1235}, {"-2.5", true, -250},  {"0.004", true, 0},    {"0.01", true, 1},
        {"0.016", true, 2},     {"-0.5", true, -50},   {"0.015", true, 2},    {"-0.005", true, -1},
        {"  7 ", true, 700},    {"+3.", true, 300},    {".75", true, 75},     {"", true, 0},
        {"   ", true, 0},       {"12.999", true, 1300}, {"21474836.47", true, 2147483647},
        {"-21474836.48", true, -2147483647 - 1},
        // Beyond 32-bit cents, and more digits than any amount, are refused rather than wrapped.
        {"21474836.48", false, 0}, {"12345678901", false, 0}, {"99999999999999999999", false, 0},
        {"abc", false, 0},      {"1,50", false, 0},    {"-", false, 0},       {".", false, 0},
        {"1.2.3", false, 0},    {"12abc", false, 0},
    };
    for (const Case& c : cases) {
        LONG n = 4242;
        EXPECT_EQ(ParseMoney(c.text, n), c.ok) << c.text;
        EXPECT_EQ(n, c.ok ? c.cents : 4242) << c.text;
    }
}

TEST(Money, CentsShownWithTheirSign)
{
    struct Case { LONG cents; int width; const char* text; };
    const Case cases[] = {
        {0, 0, "0.00"},        {5, 0, "0.05"},          {-50, 0, "-0.50"},        {-150, 0, "-1.50"},
        {-1, 0, "-0.01"},      {123456, 0, "1234.56"},  {-40, 7, "     -0.40"},  {1250, 8, "      12.50"},
        {2147483647, 0, "21474836.47"}, {-2147483647 - 1, 0, "-21474836.48"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatMoney(c.cents, c.width), c.text) << c.cents;
}

TEST(PaymentItems, DueInARoundAndTheSums)
{
    CBowlingDoc doc;
    auto add = [&doc](BYTE flags, BYTE from, BYTE to, LONG amount) {
        auto* p = new CPaymentItem;
        std::tie(p->m_nFlags, p->m_nFromRound, p->m_nToRound, p->m_nAmount) = std::make_tuple(flags, from, to, amount);
        doc.m_listPaymentItems.AddTail(p);
        return p;
    };
    EXPECT_EQ(doc.SumIndividualPayments(1), 0);
    CPaymentItem* always = add(CPaymentItem::flagIndividual, 0, 0, 250);
    CPaymentItem* middle = add(CPaymentItem::flagIndividual | CPaymentItem::flagOptional, 3, 5, 100);
    CPaymentItem* none = add(CPaymentItem::flagIndividual, 0, 0, 0);
    CPaymentItem* team = add(0, 7, 0, 1000);
    for (WORD r : {1, 2, 3, 4, 5, 6, 7, 200}) {
        EXPECT_TRUE(always->AppliesToRound(r));
        EXPECT_EQ(middle->AppliesToRound(r) != FALSE, r >= 3 && r <= 5) << r;
        EXPECT_FALSE(none->AppliesToRound(r));
        EXPECT_EQ(team->AppliesToRound(r) != FALSE, r >= 7) << r;
    }
    EXPECT_EQ((std::vector<LONG>{doc.SumIndividualPayments(2), doc.SumIndividualPayments(4), doc.SumTeamPayments(4),
                                 doc.SumTeamPayments(9)}),
              (std::vector<LONG>{250, 350, 0, 1000}));
}

TEST(AccountEntries, KeptByRoundIncomeFirstAndHeadingsNamed)
{
    CBowlingDoc doc;
    auto post = [&doc](WORD id, BOOL income, WORD round, const char* comment) {
        auto* p = new CAccountItem(id, income);
        p->m_nRound = round;
        p->m_strComment = comment;
        doc.InsertAccountItem(p);
    };
    for (auto [id, income, round, comment] :
         {std::tuple<WORD, BOOL, WORD, const char*>{0, FALSE, 4, "expense 0"}, {2, TRUE, 4, "income 2"},
          {2, TRUE, 4, "income 2 again"}, {1, TRUE, 2, "earlier"}, {0, TRUE, 9, "later"}, {5, FALSE, 4, "expense 5"},
          {1, TRUE, 4, "income 1"}})
        post(id, income, round, comment);
    std::vector<CString> comments;
    for (POSITION pos = doc.m_listAccountItems.GetHeadPosition(); pos;)
        comments.push_back(static_cast<CAccountItem*>(doc.m_listAccountItems.GetNext(pos))->m_strComment);
    EXPECT_EQ(comments, (std::vector<CString>{"earlier", "income 1", "income 2", "income 2 again", "expense 0",
                                              "expense 5", "later"}));
    EXPECT_TRUE(doc.IsModified());

    auto* fees = new CAccountItemType;
    std::tie(fees->m_nId, fees->m_bIncome, fees->m_strName) = std::make_tuple(0, TRUE, "Fees");
    doc.m_listIncomeTypes.AddTail(fees);
    EXPECT_EQ((std::vector<CString>{doc.GetAccountItemTypeName(0, TRUE), doc.GetAccountItemTypeName(0, FALSE),
                                    doc.GetAccountItemTypeName(1, TRUE)}),
              (std::vector<CString>{"Fees", "Unknown Item", "Unknown Item"}));
}

TEST(TeamOrder, PackingExchangesRobotsBehindTheRealBowlers)
{
    CBowlingDoc doc;
    // 1..3 are bowlers A, B, C; 11 and 12 robots 1 and 2.
    for (WORD n : {1, 2, 3, 11, 12}) {
        auto* p = new CPlayer(n);
        p->m_nRobot = static_cast<BYTE>(n > 10 ? n - 10 : 0);
        doc.AddPlayer(p);
    }
    struct Case { std::vector<WORD> order; int real; std::vector<WORD> packed; };
    const Case cases[] = {
        {{11, 12, 1, 2}, 2, {1, 2, 12, 11}},
        {{1, 11, 2, 12, 3}, 3, {1, 2, 3, 12, 11}},
        {{11, 1, 2, 12}, 2, {1, 2, 11, 12}},
        {{1, 2, 3}, 3, {1, 2, 3}},
        {{12, 11}, 0, {12, 11}},
    };
    WORD nTeam = 1;
    for (const Case& c : cases) {
        auto* pTeam = new CTeam("T", nTeam++);
        for (WORD w : c.order)
            pTeam->m_arrTeamOrder.Add(w);
        doc.AddTeam(pTeam);
        EXPECT_EQ(pTeam->PackActivePlayers(), c.real);
        std::vector<WORD> order;
        for (int i = 0; i < pTeam->GetOrderCount(); ++i)
            order.push_back(pTeam->GetOrderAt(i));
        EXPECT_EQ(order, c.packed);
    }
}
