// A new bowler typed on the real widgets: each refusal puts the focus in the box that needs
// retyping, so the secretary types on without reaching for the mouse.
#include <gtest/gtest.h>

#include "AdminChecks.h"
#include "RealDialogs.h"
#include "admin/PlayerSetup.h"
#include "league/BowlingDoc.h"
#include "league/Player.h"
#include "league/SampleLeague.h"
#include "resources/Resource.h"
#include "resources/dialogs/AdminDialogs.h"

TEST(PlayerOnRealWidgets, ARefusedNameTakesTheFocusBackToTheBoxAtFault)
{
    RegisterResources();
    PlayerSetup::Install();
    CBowlingDoc doc;
    BuildSampleLeague(doc, GetSampleLeagueShape(FALSE));
    const int nBefore = static_cast<int>(doc.m_listPlayers.GetCount());
    CRealUi ui;
    ui.OnDialog(IDD_NEW_PLAYER, [](CRealDialog& d) {
        ASSERT_EQ(d.FocusID(), static_cast<UINT>(IDC_PD_FORENAME_NEW));
        d.Type("Janet").Enter();
        EXPECT_EQ(d.FocusID(), static_cast<UINT>(IDC_PD_SURNAME));
        d.Type("Brennan").Enter();  // already in the league
        EXPECT_EQ(d.FocusID(), static_cast<UINT>(IDC_PD_FORENAME_NEW));
        d.Type("Jan").Enter();
    });
    ui.AnswerMessageBox(IDOK, "blank name field");
    ui.AnswerMessageBox(IDOK, "existing player with the same name");
    EXPECT_EQ(PlayerSetup::AddNewPlayers(&doc), 1);
    ASSERT_EQ(static_cast<int>(doc.m_listPlayers.GetCount()), nBefore + 1);
    const auto* p = static_cast<const CPlayer*>(doc.m_listPlayers.GetTail());
    EXPECT_EQ(p->m_strFirstName + " " + p->m_strSurname, "Jan Brennan");
}
