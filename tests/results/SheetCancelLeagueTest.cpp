// A new league entered as the secretary enters one, its round 1 amended: whatever the
// scoresheet's companion dialogs added to the league while it was open (an award, a new bowler
// in his team's order, the figures he bowls off as a substitute; blind, excluded games and a
// date played in the match) is the league's with OK and gone again with Cancel, its button or
// Escape, the file as it was to the byte.
#include "../league/WorkedLeague.h"
#include "admin/AwardCommands.h"
#include "league/Awards.h"
#include "resources/dialogs/AdminDialogs.h"
#include "results/ResultCommands.h"

#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

// Four teams of two, three games, a reserve a team; "Turkey" made through League > Awards >
// Manual Award Categories; round 1 entered with a Turkey to Bowler 11 for game 1 and one to
// Bowler 12 for game 2, given from Team 1's scoresheet.
struct SheetLeague
{
    WorkedLeague L{4, 2, 3, 3, 1};
    static constexpr WORD kAnn = 44;  // the next free number after Bowler 43

    SheetLeague()
    {
        {
            CScriptedBackend ui;
            ui.OnDialog(IDD_MANUAL_AWARDS).Click(IDC_AW_ADD).OK();
            ui.OnDialog(IDD_MANUAL_AWARD_DESC).SetText(IDC_MD_NAME, "Turkey").OK();
            AwardCommands::EditManualCategories(&L.doc);
        }
        L.EnterRound(1, {}, [this](CScriptedBackend& ui, Sheet& sheet, CFixture* f) {
            if (f != Match())
                return;
            for (const char* pszBowler : {"Bowler 11", "Bowler 12"}) {
                sheet.Click(IDC_SS_AWARDS);
                ui.OnDialog(IDD_ENTER_AWARD)
                    .SelectString(IDC_AWARD_PLAYER, pszBowler)
                    .SetText(IDC_AWARD_GAME, pszBowler[8] == '1' ? "1" : "2")
                    .OK();
            }
        });
        // As saved.
        L.doc.SetModifiedFlag(FALSE);
    }

    CFixture* Match() { return L.Match(1, 1); }

    // "Category  bowler  game round" of each award record, in the league's order.
    Texts Awards() const
    {
        Texts v;
        for (POSITION pos = L.doc.m_listAwardData.GetHeadPosition(); pos;) {
            const auto* r = static_cast<const CAwardData*>(L.doc.m_listAwardData.GetNext(pos));
            const CPlayer* p = L.doc.FindPlayer(r->m_nPlayerNo);
            v.push_back(std::to_string(r->m_nCategory) + " " + (p ? p->m_strName.GetString() : "?") + " g" +
                        std::to_string(r->m_nGame) + " r" + std::to_string(r->m_nRound));
        }
        return v;
    }

    std::vector<BYTE> File()
    {
        std::vector<BYTE> bytes;
        L.doc.SaveToBytes(bytes);
        return bytes;
    }

    // Result > Amend Results on team 1's match of round 1: on its sheet New Player adds "Ann
    // Newcomer" to Team 1, entering at 187.5, who substitutes for Bowler 12 in every game;
    // Awards gives her a Turkey for game 3; then the sheet closes as close says.
    void Amend(const std::function<void(Sheet&)>& close,
               const std::function<void(CScriptedBackend&, Sheet&)>& more = {})
    {
        CFixture* f = Match();
        CString strLine;
        strLine.Format("Wk%2d   %s v %s", 1, L.Team(f->m_nTeamA)->m_strName.GetString(),
                       L.Team(f->m_nTeamB)->m_strName.GetString());
        CScriptedBackend ui;
        ui.OnDialog(IDD_SELECT_ROUND).Select(IDC_SELECT_ROUND_LIST, 0).OK();
        ui.OnDialog(IDD_SELECT_FIXTURE).SelectString(IDC_SELECT_FIXTURE_LIST, strLine.GetString()).OK();
        Sheet& sheet = ui.OnDialog(IDD_DOUBLES_SCORESHEET).Click(IDC_SS_NEW_PLAYER);
        ui.OnDialog(IDD_NEW_PLAYER)
            .SetText(IDC_PD_FORENAME_NEW, "Ann")
            .SetText(IDC_PD_SURNAME, "Newcomer")
            .SelectString(IDC_PD_TEAM, "Team 1")
            .SetText(IDC_PD_ENTERING_NEW, "187.5")
            .OK();
        L.Substitutions(ui, sheet, WorkedLeague::SideOf(f, 1), 1)
            .Click(IDC_SUB_FROM_LEAGUE)
            .SelectString(IDC_SUB_PLAYER[0], "Ann Newcomer")
            .OK();
        sheet.Click(IDC_SS_AWARDS);
        ui.OnDialog(IDD_ENTER_AWARD).SelectString(IDC_AWARD_PLAYER, "Ann Newcomer").SetText(IDC_AWARD_GAME, "3").OK();
        sheet.Check([this](CDialog&) {
            const CPlayer* pAnn = L.doc.FindPlayer(kAnn);
            ASSERT_NE(pAnn, nullptr);
            EXPECT_EQ(pAnn->m_nAverage, 187);
            EXPECT_EQ(L.Team(1)->GetOrderAt(L.Team(1)->GetOrderCount() - 1), kAnn);
        });
        if (more)
            more(ui, sheet);
        close(sheet);
        OnResultAmendResults(L.doc);
        EXPECT_TRUE(ui.AllUsed());
    }
};

} // namespace

TEST(SheetCancel, CancelOrEscapeGivesBackTheLeagueAsItWas)
{
    for (bool bEscape : {false, true}) {
        SCOPED_TRACE(bEscape ? "Escape" : "Cancel");
        SheetLeague S;
        const Texts awards = S.Awards();
        ASSERT_EQ(awards, (Texts{"0 Bowler 12 g2 r1", "0 Bowler 11 g1 r1"}));
        const std::vector<BYTE> before = S.File();
        const int nSide = WorkedLeague::SideOf(S.Match(), 1);
        S.Amend(
            [bEscape](Sheet& sheet) {
                if (bEscape)
                    sheet.Cancel();
                else
                    sheet.Click(IDCANCEL);
            },
            // The match's own companions too: Bowler 11's game 2 blind, the other side's game 1
            // excluded, Team 1's date played the 20th.
            [nSide, &S](CScriptedBackend& ui, Sheet& sheet) {
                sheet.Click(IDC_SS_BLINDS[nSide]);
                ui.OnDialog(IDD_DOUBLES_BLIND_SCORES).Click(IDC_BLIND_BOX[0][1]).OK();
                sheet.Click(IDC_SS_EXCLUDE[1 - nSide]);
                ui.OnDialog(IDD_EXCLUDE_GAMES).Click(IDC_EXCL_BOX[0][0]).OK();
                sheet.Click(IDC_SS_CHANGE_DATE[nSide]);
                ui.OnDialog(IDD_ENTER_DATE_TIME).SetText(IDC_DT_DAY, "20").OK();
                sheet.Check([nSide, &S](CDialog&) {
                    const CFixture* f = S.Match();
                    EXPECT_EQ(f->m_dwPosFlags[CFixture::SlotOf(nSide, 0)] & PosBlind(1), PosBlind(1));
                    EXPECT_EQ(f->m_dwPosFlags[CFixture::SlotOf(1 - nSide, 0)] & PosExcluded(0), PosExcluded(0));
                    EXPECT_EQ(f->m_timePlayed[nSide].GetDay(), 20);
                });
            });
        EXPECT_EQ(S.Awards(), awards);
        EXPECT_EQ(S.L.doc.FindPlayer(SheetLeague::kAnn), nullptr);
        EXPECT_FALSE(S.L.doc.IsModified());
        EXPECT_TRUE(S.File() == before);
    }
}

TEST(SheetCancel, OKKeepsWhatTheSheetAdded)
{
    SheetLeague S;
    S.Amend([](Sheet& sheet) { sheet.OK(); });
    EXPECT_EQ(S.Awards(), (Texts{"0 Bowler 12 g2 r1", "0 Bowler 11 g1 r1", "0 Ann Newcomer g3 r1"}));
    const CPlayer* pAnn = S.L.doc.FindPlayer(SheetLeague::kAnn);
    ASSERT_NE(pAnn, nullptr);
    EXPECT_EQ(Texts({pAnn->m_strName.GetString(), std::to_string(pAnn->m_nTeamNo)}), (Texts{"Ann Newcomer", "1"}));
    const CFixture* f = S.Match();
    const int k = CFixture::SlotOf(WorkedLeague::SideOf(f, 1), 1);
    EXPECT_EQ(std::make_pair(f->m_wPlayerNo[0][k], f->m_wPlayerNo[2][k]), std::make_pair(SheetLeague::kAnn, SheetLeague::kAnn));
    EXPECT_TRUE(S.L.doc.IsModified());
}

// No button of the sheet changes or takes away an award given before; whatever did it while the
// sheet was open (here the Edit Awards Data dialog: Bowler 12's award made one for game 3, Bowler
// 11's deleted), Cancel gives both back as they were.
TEST(SheetCancel, AnAwardChangedOrDeletedWhileTheSheetIsOpenComesBack)
{
    SheetLeague S;
    const Texts awards = S.Awards();
    const std::vector<BYTE> before = S.File();
    S.Amend([](Sheet& sheet) { sheet.Click(IDCANCEL); },
            [&S](CScriptedBackend& ui, Sheet& sheet) {
                sheet.Check([&S](CDialog&) { AwardCommands::EditAwardsData(&S.L.doc); });
                ui.OnDialog(IDD_EDIT_AWARDS_DATA)
                    .Select(IDC_ED_LIST, 0).Click(IDC_ED_EDIT)
                    .Select(IDC_ED_LIST, 1).Click(IDC_ED_DELETE)
                    .OK();
                ui.OnDialog(IDD_EDIT_MANUAL_AWARD_DATA).SetText(IDC_EM_GAME, "3").OK();
                ui.AnswerMessageBox(IDYES, "Delete award record : Turkey  Bowler 11");
                sheet.Check([&S](CDialog&) {
                    EXPECT_EQ(S.Awards(), (Texts{"0 Bowler 12 g3 r1", "0 Bowler 11 g1 r0", "0 Ann Newcomer g3 r1"}));
                });
            });
    EXPECT_EQ(S.Awards(), awards);
    EXPECT_FALSE(S.L.doc.IsModified());
    EXPECT_TRUE(S.File() == before);
}
