// A junior category typed into its editor on the real widgets: the name box has the focus, Tab
// moves through the ages, and each refusal puts the focus back in the box to type over.
#include <gtest/gtest.h>

#include "AdminChecks.h"
#include "RealDialogs.h"
#include "admin/JuniorCommands.h"
#include "league/BowlingDoc.h"
#include "resources/Resource.h"
#include "resources/dialogs/AdminDialogs.h"

TEST(JuniorsOnRealWidgets, ACategoryIsTypedAndRefusedUntilItsAgesAreARange)
{
    RegisterResources();
    CBowlingDoc doc;
    doc.m_timeJuniorQualifying = CTime(2025, 9, 1, 0, 0, 0);
    CRealUi ui;
    std::vector<std::string> lines;
    ui.OnDialog(IDD_JUNIOR_CATEGORIES, [&](CRealDialog& d) {
        EXPECT_EQ(d.Text(IDC_JC_DATE), "01 Sep 2025");
        d.Click(IDC_JC_ADD);
        lines = Items(d.Dialog(), IDC_JC_LIST);
        d.Click(IDOK);
    });
    ui.OnDialog(IDD_JUNIOR_CATEGORY_EDIT, [](CRealDialog& d) {
        ASSERT_EQ(d.FocusID(), static_cast<UINT>(IDC_JCE_NAME));
        d.Type("Under 13").Tab().Type("13").Tab().Type("300").Enter();
        EXPECT_EQ(d.FocusID(), static_cast<UINT>(IDC_JCE_UPPER));
        d.Type("9").Enter();
        EXPECT_EQ(d.FocusID(), static_cast<UINT>(IDC_JCE_LOWER));
        d.Type("9").Enter();
    });
    ui.AnswerMessageBox(IDOK, "Please enter an integer between 0 and 255.");
    ui.AnswerMessageBox(IDOK, "Lower value greater than the upper value.");
    JuniorCommands::CategorySetup(&doc);
    EXPECT_EQ(lines, std::vector<std::string>{" 9\t 9\tUnder 13"});
    ASSERT_EQ(doc.m_listJuniorCategories.GetCount(), 1);
    const auto* c = static_cast<const CJuniorCategory*>(doc.m_listJuniorCategories.GetHead());
    EXPECT_EQ(c->m_strName, "Under 13");
    EXPECT_EQ(Nums(c->m_nId, c->m_nLowerAge, c->m_nUpperAge), Nums(1, 9, 9));
}
