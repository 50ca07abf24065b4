// One bowler in two leagues kept in one player database: what either league changes through
// Player > Edit stays in his record, whatever the other league's older copy holds.
#include "AdminChecks.h"
#include "AdminTest.h"
#include "TempDir.h"
#include "admin/LeagueDetailsCommands.h"
#include "admin/PlayerSetup.h"
#include "framework/ui/Registry.h"
#include "league/Player.h"
#include "playerdb/BowlingDocDatabase.h"
#include "playerdb/PlayerDatabase.h"
#include "resources/CommandIds.h"

#include <memory>
#include <string>

namespace {

using Texts = std::vector<std::string>;

struct SharedBowler : ::testing::Test
{
    TempDir dir;
    CScriptedBackend ui;
    std::unique_ptr<CBowlingDoc> monday, thursday;

    void SetUp() override
    {
        SetUpAdmin();
        PlayerSetup::Install();
        LeagueDetailsCommands::Install();
        CRegistryKey key;
        ASSERT_TRUE(key.Open(TORVANE_REGISTRY_KEY));
        key.SetStringValue(TORVANE_DATABASE_PATH_VALUE, dir.File("db").c_str());
        PlayerDatabase::Install();
        monday = DatabaseLeague();
        thursday = DatabaseLeague();

        // Monday adds him; Thursday takes him from the database.
        ui.OnDialog(IDD_CHECK_PLAYER_DB).Click(IDC_DB_ADD_NEW);
        ui.OnDialog(IDD_NEW_PLAYER)
            .SetText(IDC_PD_FORENAME_NEW, "Owen").SetText(IDC_PD_SURNAME, "Fairweather")
            .SetText(IDC_PD_ADDRESS[0], "5 Bridge St").SetText(IDC_PD_PHONE_HOME, "0113 4960000")
            .SelectString(IDC_PD_TEAM, "Team_01")
            .OK();
        ASSERT_TRUE(monday->OnCmdMsg(ID_PLAYER_ADD, CN_COMMAND, nullptr));
        ui.OnDialog(IDD_CHECK_PLAYER_DB).SetText(IDC_DB_SURNAME, "Fair").Select(IDC_DB_LIST, 0).OK();
        ui.OnDialog(IDD_NEW_PLAYER)
            .Check([](CDialog& d) {
                EXPECT_EQ(TextsOf(d, {IDC_PD_FORENAME_NEW, IDC_PD_ADDRESS[0]}), (Texts{"Owen", "5 Bridge St"}));
                EXPECT_EQ(Ctl(d, IDC_PD_FLOATING_SUB).check, 0);  // as for any new bowler
            })
            .SelectString(IDC_PD_TEAM, "Team_02")
            .OK();
        ASSERT_TRUE(thursday->OnCmdMsg(ID_PLAYER_ADD, CN_COMMAND, nullptr));
        ASSERT_TRUE(ui.AllUsed());
        ASSERT_NE(Owen(*monday)->m_dwDbKey, 0u);
        ASSERT_EQ(Owen(*monday)->m_dwDbKey, Owen(*thursday)->m_dwDbKey);
    }
    void TearDown() override
    {
        monday.reset();
        thursday.reset();
        CBowlingDoc::s_pfnOpenPlayerDb = nullptr;
        CBowlingDoc::s_pfnClosePlayerDb = nullptr;
    }
    std::unique_ptr<CBowlingDoc> DatabaseLeague()
    {
        auto doc = std::make_unique<CBowlingDoc>();
        MakeLeague(*doc, 4, 6, At(2024, 9, 2));
        ui.OnDialog(IDD_EDIT_LEAGUE).Click(IDC_EL_PLAYER_DATABASE).OK();
        EXPECT_TRUE(doc->OnCmdMsg(ID_LEAGUE_GENERAL_DETAILS, CN_COMMAND, nullptr));
        EXPECT_EQ(doc->m_bPlayerDatabase, 1u);
        return doc;
    }
    static CPlayer* Owen(CBowlingDoc& doc) { return static_cast<CPlayer*>(doc.m_listPlayers.GetHead()); }
    // Player > Edit on the first bowler listed: the steps of his dialog follow, then Run.
    CScriptedBackend::DialogScript& EditOwen()
    {
        ui.OnDialog(IDD_SELECT_PLAYER).OK();
        return ui.OnDialog(IDD_EDIT_PLAYER);
    }
    void Run(CBowlingDoc& doc)
    {
        ASSERT_TRUE(doc.OnCmdMsg(ID_PLAYER_EDIT, CN_COMMAND, nullptr));
        ASSERT_TRUE(ui.AllUsed());
    }
    // Address line 1, home phone, mobile and the expiry date of Owen's record.
    Texts Record()
    {
        CPlayer p;
        p.m_dwDbKey = Owen(*monday)->m_dwDbKey;
        EXPECT_EQ(monday->GetDbasePlayer(&p), 0);
        CString expiry;
        expiry.Format("%d/%d/%d", p.m_nExpiryDay, p.m_nExpiryMonth, p.m_nExpiryYear);
        return Strs(p.m_strAddress[0], p.m_strPhoneHome, p.m_strPhoneMobile, expiry);
    }
};

} // namespace

TEST_F(SharedBowler, OkWithoutAChangeInOneLeagueKeepsWhatTheOtherChanged)
{
    EditOwen().SetText(IDC_PD_ADDRESS[0], "7 Mill Rd").OK();
    Run(*monday);
    EditOwen()
        .Check([](CDialog& d) { EXPECT_EQ(Ctl(d, IDC_PD_ADDRESS[0]).text, "7 Mill Rd"); })
        .OK();
    Run(*thursday);
    EXPECT_EQ(Record(), (Texts{"7 Mill Rd", "0113 4960000", "", "0/0/0"}));
    EXPECT_EQ(Owen(*thursday)->m_strAddress[0], "7 Mill Rd");
}

TEST_F(SharedBowler, EachLeaguesChangeStaysAndTheLeaguesOwnSettingsAreNotShared)
{
    // Thursday changes his phone and makes him a reserve of its own.
    EditOwen().SetText(IDC_PD_PHONE_HOME, "0113 4961111").Click(IDC_PD_TEAM_RESERVE).OK();
    Run(*thursday);
    // Monday sees the new phone, not Thursday's reserve, and changes only the address.
    EditOwen()
        .Check([](CDialog& d) {
            EXPECT_EQ(Ctl(d, IDC_PD_PHONE_HOME).text, "0113 4961111");
            EXPECT_EQ(Ctl(d, IDC_PD_TEAM_RESERVE).check, 0);
        })
        .SetText(IDC_PD_ADDRESS[0], "7 Mill Rd")
        .OK();
    Run(*monday);
    EXPECT_EQ(Record(), (Texts{"7 Mill Rd", "0113 4961111", "", "0/0/0"}));
    EditOwen().OK();
    Run(*thursday);
    EXPECT_EQ(Record(), (Texts{"7 Mill Rd", "0113 4961111", "", "0/0/0"}));
    EXPECT_EQ(Nums(Owen(*monday)->m_wFlags & PF_TEAM_RESERVE, Owen(*thursday)->m_wFlags & PF_TEAM_RESERVE),
              Nums(0, PF_TEAM_RESERVE));
}

// Another program writes his mobile while Monday's dialog is open: OK gives the record only
// what was changed in the dialog.
TEST_F(SharedBowler, AChangeLandingWhileTheDialogIsOpenStays)
{
    EditOwen()
        .Check([this](CDialog&) {
            CPlayer* owen = Owen(*thursday);
            CPlayer before;
            before.CopyFrom(*owen);
            owen->m_strPhoneMobile = "07700 900123";
            ASSERT_EQ(thursday->PutDbaseChanges(before, owen), 0);
        })
        .SetText(IDC_PD_ADDRESS[0], "7 Mill Rd")
        .OK();
    Run(*monday);
    EXPECT_EQ(Record(), (Texts{"7 Mill Rd", "0113 4960000", "07700 900123", "0/0/0"}));
    EXPECT_EQ(Owen(*monday)->m_strPhoneMobile, "07700 900123");
}

TEST_F(SharedBowler, EveryonesExpiryDateIsWrittenAloneToTheRecords)
{
    EditOwen().SetText(IDC_PD_PHONE_HOME, "0113 4961111").OK();
    Run(*thursday);
    ui.OnDialog(IDD_CHECK_PLAYER_DB).Click(IDC_DB_ADD_NEW);
    ui.OnDialog(IDD_NEW_PLAYER).SetText(IDC_PD_FORENAME_NEW, "Ann").SetText(IDC_PD_SURNAME, "Other").OK();
    ASSERT_TRUE(monday->OnCmdMsg(ID_PLAYER_ADD, CN_COMMAND, nullptr));
    auto* ann = static_cast<CPlayer*>(monday->m_listPlayers.GetTail());

    EditOwen()
        .SetText(IDC_PD_EXPIRY_DAY, "31").Select(IDC_PD_EXPIRY_MONTH, 2).SetText(IDC_PD_EXPIRY_YEAR, "2026")
        .Focus(IDC_PD_PIN)
        .Cancel();
    ui.AnswerMessageBox(IDYES, "Set ALL player's membership expiry date to this?");
    Run(*monday);
    EXPECT_EQ(Record(), (Texts{"5 Bridge St", "0113 4961111", "", "31/3/2026"}));
    CPlayer stored;
    stored.m_dwDbKey = ann->m_dwDbKey;
    ASSERT_EQ(monday->GetDbasePlayer(&stored), 0);
    EXPECT_EQ(Nums(stored.m_nExpiryDay, stored.m_nExpiryMonth, stored.m_nExpiryYear), Nums(31, 3, 2026));
    EXPECT_EQ(Owen(*monday)->m_strPhoneHome, "0113 4961111");
}
