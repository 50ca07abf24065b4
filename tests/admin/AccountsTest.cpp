// League > League Accounts through its dialogs: headings added and amended, entries posted in a
// series, payment items added and amended, the arrears of a bowler and a team, and the
// collection-sheet setting kept however the control dialog closes.
#include "AdminTest.h"
#include "AdminChecks.h"
#include "admin/AccountsCommands.h"
#include "league/Accounts.h"
#include "league/Player.h"
#include "view/BowlingView.h"
#include "view/RepItem.h"

#include <string>

namespace {

using Texts = std::vector<std::string>;

struct Accounts_ : ::testing::Test
{
    CBowlingDoc doc;
    CScriptedBackend ui;

    void SetUp() override
    {
        SetUpAdmin();
        AccountsCommands::Install();
        MakeLeague(doc, 4, 10, At(2026, 9, 7));
        doc.m_nCurrentRound = 3;
        doc.SetModifiedFlag(FALSE);
    }

    CAccountItemType* Heading(BOOL bIncome, const char* pszName, LONG nDefault)
    {
        CObList& list = bIncome ? doc.m_listIncomeTypes : doc.m_listExpenseTypes;
        auto* p = new CAccountItemType;
        p->m_nId = static_cast<WORD>(list.GetCount());
        p->m_bIncome = bIncome;
        p->m_strName = pszName;
        p->m_nDefaultAmount = nDefault;
        list.AddTail(p);
        return p;
    }

    CPaymentItem* Payment(const char* pszName, LONG nAmount, BYTE nFlags = CPaymentItem::flagIndividual)
    {
        auto* p = new CPaymentItem;
        p->m_strDescription = pszName;
        p->m_nAmount = nAmount;
        p->m_nFlags = nFlags;
        doc.m_listPaymentItems.AddTail(p);
        return p;
    }

    std::vector<CAccountItem*> Entries()
    {
        std::vector<CAccountItem*> v;
        for (POSITION pos = doc.m_listAccountItems.GetHeadPosition(); pos;)
            v.push_back(static_cast<CAccountItem*>(doc.m_listAccountItems.GetNext(pos)));
        return v;
    }
};

} // namespace

TEST_F(Accounts_, HeadingsAddedFromTheControlDialogAndAmended)
{
    ui.OnDialog(IDD_ACCOUNTS_CONTROL).Click(IDC_AC_ADD_INCOME).Click(IDC_AC_ADD_EXPENSE).OK();
    ui.OnDialog(IDD_ACCOUNT_ITEM)
        .Check([](CDialog& d) {
            EXPECT_EQ(TextsOf(d, {IDC_AI_LABEL, IDC_AI_DEFAULT}), (Texts{"Income Item", "  0.00"}));
            EXPECT_EQ(d.GetFocusID(), IDC_AI_DESCRIPTION);
        })
        .SetText(IDC_AI_DESCRIPTION, "Weekly Subs").SetText(IDC_AI_DEFAULT, "2.5").Focus(IDC_AI_DESCRIPTION)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_AI_DEFAULT).text, "  2.50"); })
        .OK();
    ui.OnDialog(IDD_ACCOUNT_ITEM)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_AI_LABEL).text, "Expenditure Item"); })
        .SetText(IDC_AI_DESCRIPTION, "Lane Hire").SetText(IDC_AI_DEFAULT, "40")
        .OK();
    AccountsCommands::LeagueAccounts(&doc);
    ASSERT_EQ(doc.m_listIncomeTypes.GetCount(), 1);
    ASSERT_EQ(doc.m_listExpenseTypes.GetCount(), 1);
    EXPECT_EQ(doc.GetAccountItemTypeName(0, TRUE), "Weekly Subs");
    EXPECT_EQ(Nums(static_cast<CAccountItemType*>(doc.m_listIncomeTypes.GetHead())->m_nDefaultAmount,
                   static_cast<CAccountItemType*>(doc.m_listExpenseTypes.GetHead())->m_nDefaultAmount),
              Nums(250, 4000));
    EXPECT_TRUE(doc.IsModified());

    // Amending: picked by name, then its own values in the editor.
    Heading(TRUE, "Raffle", 100);
    ui.OnDialog(IDD_SELECT_ACCOUNT_ITEM)
        .Check([](CDialog& d) {
            EXPECT_EQ(Items(d, IDC_SAI_LIST), (Texts{"Weekly Subs", "Raffle"}));
            EXPECT_EQ(Selected(d, IDC_SAI_LIST), "Weekly Subs");
        })
        .DblClk(IDC_SAI_LIST, 1);
    ui.OnDialog(IDD_ACCOUNT_ITEM)
        .Check([](CDialog& d) { EXPECT_EQ(TextsOf(d, {IDC_AI_DESCRIPTION, IDC_AI_DEFAULT}), (Texts{"Raffle", "  1.00"})); })
        .SetText(IDC_AI_DESCRIPTION, "Grand Raffle")
        .OK();
    EXPECT_TRUE(AccountsCommands::AmendHeading(&doc, TRUE));
    EXPECT_EQ(doc.GetAccountItemTypeName(1, TRUE), "Grand Raffle");

    // Refusals: nothing to amend, nothing to post to, and the hundredth heading.
    ui.AnswerMessageBox(IDOK, "No Expenditure Items Exist to Edit.");
    delete doc.m_listExpenseTypes.RemoveHead();
    EXPECT_FALSE(AccountsCommands::AmendHeading(&doc, FALSE));
    ui.AnswerMessageBox(IDOK, "No Expenditure Items Exist.");
    EXPECT_EQ(AccountsCommands::PostEntries(&doc, FALSE), 0);
    while (doc.m_listIncomeTypes.GetCount() < 99)
        Heading(TRUE, "More", 0);
    EXPECT_EQ(static_cast<CAccountItemType*>(doc.m_listIncomeTypes.GetTail())->m_nId, 98);
    ui.AnswerMessageBox(IDOK, "Maximum Items Exist.");
    EXPECT_FALSE(AccountsCommands::AddHeading(&doc, TRUE));
    EXPECT_EQ(doc.m_listIncomeTypes.GetCount(), 99);
}

TEST_F(Accounts_, PostingASeriesKeepsTheLastValues)
{
    Heading(TRUE, "Subs", 250);
    Heading(TRUE, "Raffle", 500);
    ui.OnDialog(IDD_ACCOUNT_POSTING)
        .Check([](CDialog& d) {
            EXPECT_EQ(Items(d, IDC_AP_HEADINGS), (Texts{"Subs", "Raffle"}));
            // The first heading offers its default, as a heading chosen later does.
            EXPECT_EQ(TextsOf(d, {IDC_AP_LABEL, IDC_AP_ROUND, IDC_AP_AMOUNT}),
                      (Texts{"*** Income Item Posting. ***", "3", "  2.50"}));
        })
        // No amount: refused and kept open.
        .SetText(IDC_AP_AMOUNT, "0").OK()
        .Check([](CDialog& d) { EXPECT_FALSE(d.IsEnded()); })
        .Select(IDC_AP_HEADINGS, 1)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_AP_AMOUNT).text, "  5.00"); })
        .SetText(IDC_AP_COMMENT, "Hamper").SetText(IDC_AP_ROUND, "99").Focus(IDC_AP_COMMENT)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_AP_ROUND).text, "10"); })
        .Click(IDC_AP_MORE)
        .OK();
    ui.AnswerMessageBox(IDOK, "No amount has been entered.");
    ui.OnDialog(IDD_ACCOUNT_POSTING)
        .Check([](CDialog& d) {
            EXPECT_EQ(Selected(d, IDC_AP_HEADINGS), "Raffle");
            EXPECT_EQ(TextsOf(d, {IDC_AP_AMOUNT, IDC_AP_COMMENT, IDC_AP_ROUND}), (Texts{"  5.00", "Hamper", "10"}));
            EXPECT_EQ(Ctl(d, IDC_AP_MORE).check, 1);
        })
        .SetText(IDC_AP_AMOUNT, "-3.333").SetText(IDC_AP_ROUND, "0")
        .OK();
    ui.OnDialog(IDD_ACCOUNT_POSTING).Cancel();
    EXPECT_EQ(AccountsCommands::PostEntries(&doc, TRUE), 2);
    const std::vector<CAccountItem*> e = Entries();
    ASSERT_EQ(e.size(), 2u);
    // Round 0 sorts first.
    EXPECT_EQ(Nums(e[0]->m_nRound, e[0]->m_nAmount, e[1]->m_nRound, e[1]->m_nAmount, e[1]->m_nTypeId),
              Nums(0, -333, 10, 500, 1));
    EXPECT_TRUE(e[1]->m_bIncome);
    EXPECT_EQ(e[1]->m_strComment, "Hamper");
}

TEST_F(Accounts_, PaymentItemsAddedAndAmended)
{
    ui.OnDialog(IDD_PAYMENT_ITEM)
        .Check([](CDialog& d) {
            EXPECT_EQ(TextsOf(d, {IDC_PI_FROM, IDC_PI_TO}), (Texts{"1", "10"}));
            EXPECT_EQ(ChecksOf(d, {IDC_PI_INDIVIDUAL, IDC_PI_TEAM}), (std::vector<int>{1, 0}));
        })
        .SetText(IDC_PI_DESCRIPTION, "Prize Fund").SetText(IDC_PI_AMOUNT, "-3").SetText(IDC_PI_FROM, "7")
        .SetText(IDC_PI_TO, "5")
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_PI_AMOUNT).text, "  3.00"); })
        .OK()
        .Check([](CDialog& d) { EXPECT_FALSE(d.IsEnded()); })
        .SetText(IDC_PI_TO, "0").Click(IDC_PI_TEAM)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_PI_INDIVIDUAL).check, 0); })
        .Click(IDC_PI_OPTIONAL)
        .OK();
    ui.AnswerMessageBox(IDOK, "Start Round is after End Round!");
    ASSERT_TRUE(AccountsCommands::AddPaymentItem(&doc));
    auto* p = static_cast<CPaymentItem*>(doc.m_listPaymentItems.GetHead());
    EXPECT_EQ(Nums(p->m_nAmount, p->m_nFromRound, p->m_nToRound, p->m_nFlags), Nums(300, 7, 0, CPaymentItem::flagOptional));

    Payment("Subs", 250);
    ui.OnDialog(IDD_SELECT_PAYMENT_ITEM)
        .Check([](CDialog& d) { EXPECT_EQ(Items(d, IDC_SPI_LIST), (Texts{"Prize Fund  3.00  Rnd 7 thru 0.", "Subs  2.50  Rnd 0 thru 0."})); })
        .OK();
    ui.OnDialog(IDD_PAYMENT_ITEM)
        .Check([](CDialog& d) {
            EXPECT_EQ(ChecksOf(d, {IDC_PI_TEAM, IDC_PI_INDIVIDUAL, IDC_PI_OPTIONAL}), (std::vector<int>{1, 0, 1}));
            EXPECT_EQ(Ctl(d, IDC_PI_DESCRIPTION).text, "Prize Fund");
        })
        .Click(IDC_PI_INDIVIDUAL).SetText(IDC_PI_FROM, "300").OK()
        .Check([](CDialog& d) { EXPECT_FALSE(d.IsEnded()); })
        .SetText(IDC_PI_FROM, "2")
        .OK();
    ui.AnswerMessageBox(IDOK, "Please enter an integer between 0 and 255.");
    ASSERT_TRUE(AccountsCommands::AmendPaymentItem(&doc));
    EXPECT_EQ(Nums(p->m_nFlags, p->m_nFromRound), Nums(CPaymentItem::flagOptional | CPaymentItem::flagIndividual, 2));
}

TEST_F(Accounts_, ArrearsTypedClearedAndRaisedByAPaymentItem)
{
    Payment("Subs", 250);
    Payment("Prize Fund", 100);
    CTeam* pTeam = Teams(doc)[0];
    pTeam->m_nArrears = 100;
    ui.OnDialog(IDD_TEAM_ARREARS)
        .Check([](CDialog& d) {
            EXPECT_EQ(TextsOf(d, {IDC_AR_NAME, IDC_AR_AMOUNT, IDC_AR_ITEM_AMOUNT}), (Texts{"Team_01", "1.00", "2.50"}));
            EXPECT_EQ(Selected(d, IDC_AR_ITEMS), "Subs");
        })
        .Click(IDC_AR_ADD_ITEM).Click(IDC_AR_ADD_ITEM).Click(IDC_AR_ADD_ITEM)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_AR_AMOUNT).text, "8.50"); })
        .Select(IDC_AR_ITEMS, 1)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_AR_ITEM_AMOUNT).text, "1.00"); })
        .OK();
    EXPECT_TRUE(AccountsCommands::EditTeamArrears(&doc, pTeam));
    EXPECT_EQ(pTeam->m_nArrears, 850);
    EXPECT_TRUE(doc.IsModified());

    // A credit typed; then Cancel after clearing changes nothing.
    ui.OnDialog(IDD_TEAM_ARREARS)
        .SetText(IDC_AR_AMOUNT, "12.5").Focus(IDC_AR_ITEMS)
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_AR_AMOUNT).text, "12.50"); })
        .SetText(IDC_AR_AMOUNT, "-0.25")
        .OK();
    EXPECT_TRUE(AccountsCommands::EditTeamArrears(&doc, pTeam));
    EXPECT_EQ(pTeam->m_nArrears, -25);
    ui.OnDialog(IDD_TEAM_ARREARS).Click(IDC_AR_CLEAR).Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_AR_AMOUNT).text, "0.00"); }).Cancel();
    EXPECT_FALSE(AccountsCommands::EditTeamArrears(&doc, pTeam));
    EXPECT_EQ(pTeam->m_nArrears, -25);

    // Without payment items the list is off; typing still works, and text that is no amount is
    // refused, keeping the amount shown before.
    while (!doc.m_listPaymentItems.IsEmpty())
        delete doc.m_listPaymentItems.RemoveHead();
    auto* pPlayer = new CPlayer(1);
    pPlayer->m_strName = "Ann Able";
    doc.AddPlayer(pPlayer);
    ui.OnDialog(IDD_PLAYER_ARREARS)
        .Check([](CDialog& d) {
            EXPECT_FALSE(Ctl(d, IDC_AR_ITEMS).enabled);
            EXPECT_EQ(Ctl(d, IDC_AR_ITEM_AMOUNT).text, "0.00");
        })
        .SetText(IDC_AR_AMOUNT, "4").Focus(IDC_AR_CLEAR).SetText(IDC_AR_AMOUNT, "4,50").OK()
        .Check([](CDialog& d) {
            EXPECT_FALSE(d.IsEnded());
            EXPECT_EQ(d.GetFocusID(), IDC_AR_AMOUNT);
            EXPECT_EQ(Ctl(d, IDC_AR_AMOUNT).text, "4.00");
        })
        .OK();
    ui.AnswerMessageBox(IDOK, "Please enter an amount of money");
    EXPECT_TRUE(AccountsCommands::EditPlayerArrears(&doc, pPlayer));
    EXPECT_EQ(pPlayer->m_nArrears, 400);
}

TEST_F(Accounts_, CollectionSheetSettingKeptEvenThroughTheCloseBox)
{
    ui.OnDialog(IDD_ACCOUNTS_CONTROL).Click(IDC_AC_LIST_PLAYERS).Cancel();
    AccountsCommands::LeagueAccounts(&doc);
    EXPECT_EQ(doc.m_bListPlayersOnCollectionSheet, 1u);
    EXPECT_TRUE(doc.IsModified());
    ui.AnswerMessageBox(IDOK, "No Payment Items Exist to Edit.");
    ui.OnDialog(IDD_ACCOUNTS_CONTROL).Click(IDC_AC_AMEND_PAYMENT).Click(IDC_AC_LIST_PLAYERS).OK();
    AccountsCommands::LeagueAccounts(&doc);
    EXPECT_EQ(doc.m_bListPlayersOnCollectionSheet, 0u);
}

TEST_F(Accounts_, FinishedRebuildsTheAccountsPageOnShow)
{
    // The page on show is the view's, which the document tells of the change.
    CBowlingView view;
    view.AttachTo(&doc, nullptr);
    Heading(TRUE, "Subs", 250);
    doc.m_nDisplayMode = 14;
    ui.OnDialog(IDD_ACCOUNTS_CONTROL).Click(IDC_AC_POST_INCOME).OK();
    ui.OnDialog(IDD_ACCOUNT_POSTING).Select(IDC_AP_HEADINGS, 0).OK();
    AccountsCommands::LeagueAccounts(&doc);
    ASSERT_EQ(Entries().size(), 1u);
    // Heads, the entry, the week's totals, two rules, heads, the one heading's total, the rule
    // before the (no) expense headings, and the season's totals; and the page heading the
    // view's page flow put on top.
    EXPECT_EQ(doc.m_listAccountsItems.GetCount(), 9 + 1);
    EXPECT_TRUE(static_cast<CRepItem*>(doc.m_listAccountsItems.GetHead())->IsTemporary());

    // Another display showing: the page waits until it is asked for.
    doc.m_nDisplayMode = 7;
    ui.OnDialog(IDD_ACCOUNTS_CONTROL).Click(IDC_AC_POST_INCOME).OK();
    ui.OnDialog(IDD_ACCOUNT_POSTING).Select(IDC_AP_HEADINGS, 0).OK();
    AccountsCommands::LeagueAccounts(&doc);
    EXPECT_EQ(Entries().size(), 2u);
    EXPECT_EQ(doc.m_listAccountsItems.GetCount(), 9 + 1);
}
