// Companion dialogs typed into and clicked on the real widgets: the date dialog normalises its
// date as its day box is left, an award is picked and typed, a date item is set up, and a
// bowler picked in Substitutions is let go with Escape.
#include <gtest/gtest.h>

#include "RealDialogs.h"
#include "ResultsLeague.h"
#include "league/Awards.h"
#include "reports/layout/DateItem.h"
#include "resources/dialogs/ReportDialogs.h"
#include "results/EnterDateTimeDlg.h"
#include "results/ResultEntry.h"

TEST(RealDialogs, TheDateIsNormalisedAndItsWeekdayFollowsOnLeavingTheDayBox)
{
    RegisterResources();
    struct Case {
        CTime start;
        const char* day;
        const char* shownDay;
        const char* shownMonth;
        const char* weekday;
    } cases[] = {
        {CTime(2001, 4, 14, 21, 43, 0), "31", "1", "May", "Tue"},
        {CTime(2001, 2, 14, 21, 43, 0), "30", "2", "Mar", "Fri"},
        {CTime(2001, 3, 14, 21, 43, 0), "9", "9", "Mar", "Fri"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.day);
        CRealUi ui;
        ui.OnDialog(IDD_ENTER_DATE_TIME, [&](CRealDialog& d) {
            ASSERT_EQ(d.FocusID(), static_cast<UINT>(IDC_DT_DAY));
            d.Type(c.day).Tab();
            EXPECT_EQ(d.FocusID(), static_cast<UINT>(IDC_DT_MONTH));
            EXPECT_EQ((std::vector<std::string>{d.Text(IDC_DT_DAY), d.Text(IDC_DT_MONTH), d.Text(IDC_DT_WEEKDAY)}),
                      (std::vector<std::string>{c.shownDay, c.shownMonth, c.weekday}));
            // The year typed over, the hour a step on by the keyboard, the minute by the mouse.
            d.Tab().Type("2004").Tab().Key(Qt::Key_Down);
            EXPECT_EQ(d.Text(IDC_DT_HOUR), "10 pm");
            d.Pick(IDC_DT_MINUTE, "15").Enter();
        });
        CEnterDateTimeDlg dlg;
        dlg.m_time = c.start;
        ASSERT_EQ(dlg.DoModal(), IDOK);
        const CTime normal(2001, c.start.GetMonth(), std::atoi(c.day), 21, 43, 0);
        EXPECT_EQ(dlg.m_time, CTime(2004, normal.GetMonth(), normal.GetDay(), 22, 15, 0));
        EXPECT_EQ(ui.messages, std::vector<std::string>{});
    }
}

// An award given from the scoresheet on the real widgets: the sheet left with Escape takes it
// back, and closed with OK keeps it.
TEST(RealDialogs, AnAwardIsPickedTypedAndRefusedOutOfRangeFromTheScoresheet)
{
    for (bool bEscape : {true, false}) {
        SCOPED_TRACE(bEscape ? "Escape" : "OK");
        ResultsLeague L(2, 2, 3);
        for (WORD i = 0; i < 2; ++i) {
            auto* p = new CAwards(i);
            p->m_strName = i == 0 ? "High Game" : "Turkey";
            p->m_nKind = CAwards::kindManual;
            L.doc.m_listAwards.AddTail(p);
        }
        CFixture* f = L.Match(1);
        CRealUi ui;
        std::string bowler;
        ui.OnDialog(IDD_DOUBLES_SCORESHEET, [&](CRealDialog& d) {
            d.Click(IDC_SS_AWARDS);
            EXPECT_EQ(L.doc.m_listAwardData.GetCount(), 1);
            if (bEscape)
                d.Escape();
            else
                d.Click(IDOK);
        });
        ui.OnDialog(IDD_ENTER_AWARD, [&](CRealDialog& d) {
            EXPECT_EQ(d.FocusID(), static_cast<UINT>(IDC_AWARD_CATEGORY));
            d.Pick(IDC_AWARD_CATEGORY, "Turkey").Tab().Key(Qt::Key_Down);
            bowler = d.Text(IDC_AWARD_PLAYER);
            // Game 4 of a league of three games: refused, the box has the focus again, its text
            // selected for typing over.
            d.Tab().Type("4").Enter();
            EXPECT_EQ(d.FocusID(), static_cast<UINT>(IDC_AWARD_GAME));
            d.Type("2").Enter();
        });
        ui.AnswerMessageBox(IDOK, "Please enter an integer between 0 and 3.");
        EXPECT_EQ(EnterResult(&L.doc, f), bEscape ? FALSE : TRUE);
        if (bEscape) {
            EXPECT_TRUE(L.doc.m_listAwardData.IsEmpty());
            EXPECT_FALSE(L.doc.IsModified());
            continue;
        }
        ASSERT_EQ(L.doc.m_listAwardData.GetCount(), 1);
        const auto* r = static_cast<CAwardData*>(L.doc.m_listAwardData.GetHead());
        EXPECT_EQ((std::vector<int>{r->m_nCategory, r->m_nGame}), (std::vector<int>{1, 2}));
        ASSERT_NE(L.doc.FindPlayer(r->m_nPlayerNo), nullptr);
        EXPECT_EQ(bowler, L.doc.FindPlayer(r->m_nPlayerNo)->m_strName.GetString());
        EXPECT_EQ(bowler, "Bowler 12");
    }
}

TEST(RealDialogs, ADateItemIsSetUpByKeysAndClicks)
{
    RegisterResources();
    CBowlingDoc doc;
    CRepItem_Date item;
    item.m_pDoc = &doc;
    item.m_nStyle = 1;
    CRealUi ui;
    ui.OnDialog(IDD_DATE_SETUP, [](CRealDialog& d) {
        EXPECT_EQ(d.FocusID(), static_cast<UINT>(IDC_DATE_STYLE));
        const std::string before = d.Text(IDC_DATE_SAMPLE);
        d.Key(Qt::Key_Down);
        EXPECT_NE(d.Text(IDC_DATE_SAMPLE), before);  // the sample follows the style
        d.Pick(IDC_DATE_ALIGN, "Centre");
        d.Click(IDC_DATE_SPACE_BEFORE).Key(Qt::Key_A, Qt::ControlModifier).Type("-1000").Tab().Type("1001").Enter();
        EXPECT_EQ(d.FocusID(), static_cast<UINT>(IDC_DATE_SPACE_AFTER));
        d.BackTab().Tab().Type("25").Enter();
    });
    ui.AnswerMessageBox(IDOK, "Please enter an integer between -1000 and 1000.");
    item.Edit();
    EXPECT_EQ((std::vector<int>{item.m_nStyle, item.m_nAlign, item.m_nSpaceBefore, item.m_nSpaceAfter}),
              (std::vector<int>{2, 1, -1000, 25}));
}

TEST(RealDialogs, ABowlerPickedInSubstitutionsAndLetGoWithEscapeKeepsHisFigures)
{
    ResultsLeague L(2, 1, 3, 2, 1);
    SubstitutionRecord rec = NewReserveRecord(L);
    const SubstitutionRecord before = rec;
    CRealUi ui;
    ui.OnDialog(IDD_SUBSTITUTIONS, [](CRealDialog& d) {
        d.Pick(IDC_SUB_PLAYER[0], "Bowler 12").Click(IDC_SUB_PACER[0]);
        EXPECT_EQ(d.Text(IDC_SUB_PLAYER[2]), "Bowler 12");
        d.Escape();
    });
    EXPECT_FALSE(EditSubstitutions(&L.doc, &rec));
    EXPECT_EQ(L.Player(12)->m_nAverage, 0);
    EXPECT_EQ(std::vector<WORD>(rec.nPlayerNo, rec.nPlayerNo + 4), std::vector<WORD>(before.nPlayerNo, before.nPlayerNo + 4));
    EXPECT_EQ(ui.messages, std::vector<std::string>{});
}
