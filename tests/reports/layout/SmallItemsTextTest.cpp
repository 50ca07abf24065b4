// The sub-heading and date items: where they draw, their heights with the spaces, their HTML,
// stored bytes (with the font gate of old files), copies and their option dialogs.
#include "DrawnText.h"
#include "RecordingDC.h"
#include "ReportTestHelpers.h"
#include "ScriptedBackend.h"
#include "reports/layout/DateItem.h"
#include "reports/layout/LayoutItems.h"
#include "reports/layout/SubHeadingItem.h"
#include "resources/Resource.h"
#include "resources/dialogs/ReportDialogs.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using At = std::pair<int, int>;

std::string Div(const char* pszAlign, const std::string& text)
{
    return std::string("<div align=") + pszAlign + ">\n<font face='Arial'><font color='#000000'>" + text +
           "</font></font></div>\n";
}

// The font record of the defaults: heights -14 and -200, 10 points, plain, "Arial", black.
std::vector<BYTE> DefaultFontBytes()
{
    CFontData font;
    return BytesOf(font);
}

// 3 March 2009, noon.
const CTime kMarch3(2009, 3, 3, 12, 0, 0);

} // namespace

// --- sub-heading ---------------------------------------------------------------------------

TEST(SubHeading, DefaultsDrawSeventyTwoTwipsBelowTheTopInATallerItem)
{
    CRepItem_SubHeading item;
    item.m_x = PAGE_LEFT;
    item.m_y = -1000;
    CRecordingDC dc;
    // 5 + 5 hundredths are 144 twips on top of the 200-twip line.
    EXPECT_EQ(item.GetHeight(&dc), -200 - 144);
    item.Draw(&dc, nullptr);
    EXPECT_EQ(Pos(dc, "SubHeading"), At(720, -1072)) << dc.Dump();
}

TEST(SubHeading, CentredAndRightAlignedAndOddSpaces)
{
    CRepItem_SubHeading item;
    item.m_strText = "Division 2";   // 10 characters, 1000 twips
    item.m_x = PAGE_LEFT;
    item.m_y = -2000;
    item.m_nSpaceBefore = 7;          // 100.8 twips, truncated
    item.m_nSpaceAfter = 0;
    item.m_nAlign = CRepItem_SubHeading::ALIGN_CENTRE;
    CRecordingDC dc;
    EXPECT_EQ(item.GetHeight(&dc), -200 - 100);
    item.Draw(&dc, nullptr);
    EXPECT_EQ(Pos(dc, "Division 2"), At(5760 - 500, -2100));
    item.m_nAlign = CRepItem_SubHeading::ALIGN_RIGHT;
    CRecordingDC right;
    item.Draw(&right, nullptr);
    EXPECT_EQ(Pos(right, "Division 2"), At(10800 - 1000, -2100));
    // The text is drawn in the item's colour, and the device gets its own colour back.
    item.m_font.m_crColour = RGB(255, 0, 0);
    CRecordingDC red;
    red.SetTextColor(RGB(0, 0, 255));
    item.Draw(&red, nullptr);
    EXPECT_EQ(std::make_pair(red.FindText("Division 2")->color, red.GetTextColor()),
              std::make_pair(RGB(255, 0, 0), RGB(0, 0, 255)));
}

TEST(SubHeading, HtmlDivisionByAlignmentEscaped)
{
    CRepItem_SubHeading item;
    item.m_strText = "Fish & Chips <Cup>";
    EXPECT_EQ(HtmlOf(item), Div("left", "Fish &amp; Chips &lt;Cup&gt;"));
    item.m_nAlign = CRepItem_SubHeading::ALIGN_CENTRE;
    item.m_strText = "Cup";
    EXPECT_EQ(HtmlOf(item), Div("center", "Cup"));
    item.m_nAlign = CRepItem_SubHeading::ALIGN_RIGHT;
    EXPECT_EQ(HtmlOf(item), Div("right", "Cup"));
}

TEST(SubHeading, StoredBytesAndTheFontGate)
{
    CRepItem_SubHeading item;
    item.m_strText = "Cup";
    item.m_nReserved1 = 7;
    item.m_nAlign = 2;
    item.m_nReserved2 = 9;
    item.m_nSpaceBefore = 300;
    item.m_nSpaceAfter = 4;
    item.m_font.m_bBold = 1;
    std::vector<BYTE> expected{13};
    Append(expected, StringBytes("Cup"));
    Append(expected, {7, 2, 9, 0x2C, 0x01, 4, 0});
    Append(expected, BytesOf(item.m_font));
    EXPECT_EQ(BytesOf(item), expected);

    CRepItem_SubHeading back;
    LoadFrom(back, expected);
    EXPECT_EQ(BytesOf(back), expected);

    // Version 35 holds no font: the item keeps the default one.
    std::vector<BYTE> old{13};
    Append(old, StringBytes("Old"));
    Append(old, {0, 1, 0, 5, 0, 6, 0});
    CRepItem_SubHeading fromOld;
    fromOld.m_font.m_bItalic = 0;
    LoadFrom(fromOld, old, 35);
    EXPECT_EQ(std::tie(fromOld.m_strText, fromOld.m_nAlign, fromOld.m_nSpaceAfter),
              std::make_tuple(CString("Old"), 1, 6));
    EXPECT_TRUE(fromOld.m_font == CFontData());
    // Version 36 reads the font.
    std::vector<BYTE> v36 = old;
    CFontData bold;
    bold.m_bBold = 1;
    Append(v36, BytesOf(bold));
    CRepItem_SubHeading from36;
    LoadFrom(from36, v36, 36);
    EXPECT_EQ(from36.m_font.m_bBold, 1);
}

TEST(SubHeading, CopyLeavesReservedBytesAndTheLeaguesDefaultFont)
{
    CBowlingDoc doc;
    doc.GetDefaultFont(CRepItem_SubHeading::DEFAULT_FONT)->m_strFaceName = "Tahoma";
    CRepItem_SubHeading item;
    item.m_pDoc = &doc;
    item.ApplyDefaultFonts();
    EXPECT_EQ(item.m_font.m_strFaceName, "Tahoma");
    item.m_strText = "Cup";
    item.m_nAlign = 1;
    item.m_nSpaceBefore = 12;
    item.m_nSpaceAfter = 13;
    item.m_nPage = 4;
    ExpectCopyStoresTheSame(item);
    item.m_nReserved1 = 3;
    std::unique_ptr<CRepItem> pCopy(item.Clone());
    EXPECT_EQ(static_cast<CRepItem_SubHeading*>(pCopy.get())->m_nReserved1, 0);
}

TEST(SubHeading, DialogTakesTextSpacesAndAlignmentOnOK)
{
    CRepItem_SubHeading item;
    RegisterResources();
    CScriptedBackend ui;
    ui.OnDialog(IDD_EDIT_SUBHEADING)
        .Check([](CDialog& dlg) {
            EXPECT_EQ(dlg.GetDlgItemText(IDC_SUBHEAD_TEXT), "SubHeading");
            EXPECT_EQ(dlg.GetDlgItemText(IDC_SUBHEAD_FONT_DESC), "Black  Arial  10 Pt. ");
            auto* pAlign = static_cast<CComboBox*>(dlg.GetDlgItem(IDC_SUBHEAD_ALIGN));
            CString item1;
            pAlign->GetLBText(1, item1);
            EXPECT_EQ(std::make_tuple(item1, pAlign->GetCurSel()), std::make_tuple(CString("Center"), 0));
        })
        .SetText(IDC_SUBHEAD_TEXT, "Ladies' Section")
        .SetText(IDC_SUBHEAD_SPACE_BEFORE, "20")
        .SetText(IDC_SUBHEAD_SPACE_AFTER, "250")
        .Select(IDC_SUBHEAD_ALIGN, 2)
        .OK();
    item.Edit();
    EXPECT_EQ(std::tie(item.m_strText, item.m_nSpaceBefore, item.m_nSpaceAfter, item.m_nAlign),
              std::make_tuple(CString("Ladies' Section"), 20, 250, 2));
}

TEST(SubHeading, CancelKeepsTheTextButNotTheFontChosenMeanwhile)
{
    CRepItem_SubHeading item;
    RegisterResources();
    CScriptedBackend ui;
    ui.ChooseFont("Times New Roman", 140, TRUE, FALSE, FALSE, FALSE, RGB(0, 0, 255));
    ui.OnDialog(IDD_EDIT_SUBHEADING)
        .SetText(IDC_SUBHEAD_TEXT, "Changed")
        .Click(IDC_SUBHEAD_FONT)
        .Check([](CDialog& dlg) {
            EXPECT_EQ(dlg.GetDlgItemText(IDC_SUBHEAD_FONT_DESC), "Blue  Times New Roman Bold  14 Pt. ");
            // The typed text survives the refresh after the font choice.
            EXPECT_EQ(dlg.GetDlgItemText(IDC_SUBHEAD_TEXT), "Changed");
        })
        .Cancel();
    item.Edit();
    EXPECT_EQ(std::tie(item.m_strText, item.m_font.m_strFaceName, item.m_font.m_nPrinterHeight),
              std::make_tuple(CString("SubHeading"), CString("Times New Roman"), -280));
}

// --- date ------------------------------------------------------------------------------------

TEST(DateItem, FiveStylesOfThirdMarch2009)
{
    std::vector<std::string> got;
    for (int nStyle : {0, 1, 2, 3, 4, 5, 255})
        got.push_back(FormatDateByStyle(nStyle, kMarch3).GetString());
    EXPECT_EQ(got, (std::vector<std::string>{"03 03 09", "03 03 09", "03 Mar 09", "03 Mar 2009", "03 March 2009",
                                             "03 March 2009", "03 March 2009"}));
    EXPECT_EQ(FormatDateByStyle(1, CTime(2009, 11, 4, 12, 0, 0)), "11 04 09");
}

class DateItemTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_doc.m_timeCurrent = kMarch3;
        m_item.m_pDoc = &m_doc;
        m_item.m_x = PAGE_LEFT;
        m_item.m_y = -3000;
    }
    CBowlingDoc m_doc;
    CRepItem_Date m_item;
};

TEST_F(DateItemTest, DrawsTheLeaguesDateByAlignment)
{
    m_item.m_nStyle = 3;   // "03 Mar 2009": 11 characters, 1100 twips
    CRecordingDC dc;
    EXPECT_EQ(m_item.GetHeight(&dc), -200);
    m_item.Draw(&dc, nullptr);
    EXPECT_EQ(Pos(dc, "03 Mar 2009"), At(720, -3000)) << dc.Dump();
    for (auto [nAlign, x] : {std::pair(CRepItem_Date::ALIGN_CENTRE, 5760 - 550),
                             std::pair(CRepItem_Date::ALIGN_RIGHT, 10800 - 1100)}) {
        m_item.m_nAlign = nAlign;
        CRecordingDC aligned;
        m_item.Draw(&aligned, nullptr);
        EXPECT_EQ(Pos(aligned, "03 Mar 2009"), At(x, -3000)) << nAlign;
    }
}

TEST_F(DateItemTest, SpacesMoveTheDateAndShapeTheHeight)
{
    CRecordingDC dc;
    // A positive space before lowers the date and leaves the height alone.
    m_item.m_nSpaceBefore = 10;   // 144 twips
    m_item.m_nSpaceAfter = 5;     // 72 twips
    EXPECT_EQ(m_item.GetHeight(&dc), -200 - 72);
    m_item.Draw(&dc, nullptr);
    EXPECT_EQ(Pos(dc, "03 03 09"), At(720, -3144));
    // A negative one lifts it above the top and shortens the item.
    m_item.m_nSpaceBefore = -10;
    EXPECT_EQ(m_item.GetHeight(&dc), -200 - 72 + 144);
    CRecordingDC up;
    m_item.Draw(&up, nullptr);
    EXPECT_EQ(Pos(up, "03 03 09"), At(720, -2856));
    // -7 hundredths are -100.8 twips, truncated toward zero.
    m_item.m_nSpaceBefore = -7;
    m_item.m_nSpaceAfter = 0;
    EXPECT_EQ(m_item.GetHeight(&dc), -200 + 100);
}

TEST_F(DateItemTest, HtmlAndStoredBytes)
{
    m_item.m_nStyle = 4;
    m_item.m_nAlign = CRepItem_Date::ALIGN_CENTRE;
    EXPECT_EQ(HtmlOf(m_item), Div("center", "03 March 2009"));
    for (auto [nAlign, pszAlign] : {std::pair<int, const char*>(CRepItem_Date::ALIGN_RIGHT, "right"), {7, "left"}}) {
        m_item.m_nAlign = static_cast<BYTE>(nAlign);
        EXPECT_EQ(HtmlOf(m_item), Div(pszAlign, "03 March 2009"));
    }

    m_item.m_nAlign = 2;
    m_item.m_nSpaceBefore = -3;
    m_item.m_nSpaceAfter = 260;
    std::vector<BYTE> expected{16, 4, 2, 0xFD, 0xFF, 0x04, 0x01};
    Append(expected, DefaultFontBytes());
    EXPECT_EQ(BytesOf(m_item), expected);
    // The same bytes are read from an old file too: there is no version gate.
    CRepItem_Date back;
    LoadFrom(back, expected, 30);
    EXPECT_EQ(std::make_tuple(back.m_nStyle, back.m_nAlign, back.m_nSpaceBefore, back.m_nSpaceAfter),
              std::make_tuple(4, 2, -3, 260));
    // A style beyond the list from a damaged file prints as the long style.
    expected[1] = 9;
    LoadFrom(back, expected);
    back.m_pDoc = &m_doc;
    EXPECT_EQ(back.GetText(), "03 March 2009");
}

TEST_F(DateItemTest, CopyAndTheLeaguesDefaultFont)
{
    m_doc.GetDefaultFont(CRepItem_Date::DEFAULT_FONT)->m_bItalic = 1;
    m_item.ApplyDefaultFonts();
    EXPECT_EQ(m_item.m_font.m_bItalic, 1);
    m_item.m_nStyle = 2;
    m_item.m_nAlign = 1;
    m_item.m_nSpaceBefore = -4;
    m_item.m_nSpaceAfter = 8;
    ExpectCopyStoresTheSame(m_item);
}

TEST_F(DateItemTest, DialogShowsTodaysSampleAndTakesItsValues)
{
    m_item.m_nStyle = 1;
    CString today2 = FormatDateByStyle(2, CTime::GetCurrentTime());
    RegisterResources();
    CScriptedBackend ui;
    ui.OnDialog(IDD_DATE_SETUP)
        .Check([](CDialog& dlg) {
            EXPECT_EQ(dlg.GetDlgItemText(IDC_DATE_SAMPLE), FormatDateByStyle(1, CTime::GetCurrentTime()));
            auto* pStyle = static_cast<CComboBox*>(dlg.GetDlgItem(IDC_DATE_STYLE));
            EXPECT_EQ(std::make_pair(pStyle->GetCount(), pStyle->GetCurSel()), std::make_pair(5, 1));
            CString centre;
            static_cast<CComboBox*>(dlg.GetDlgItem(IDC_DATE_ALIGN))->GetLBText(1, centre);
            EXPECT_EQ(centre, "Centre");
        })
        .SetText(IDC_DATE_SPACE_BEFORE, "-1000")
        .Select(IDC_DATE_STYLE, 2)
        .Check([today2](CDialog& dlg) {
            EXPECT_EQ(dlg.GetDlgItemText(IDC_DATE_SAMPLE), today2);
            // The typed space survives the refresh of the sample.
            EXPECT_EQ(dlg.GetDlgItemText(IDC_DATE_SPACE_BEFORE), "-1000");
        })
        .SetText(IDC_DATE_SPACE_AFTER, "1000")
        .Select(IDC_DATE_ALIGN, 1)
        .OK();
    m_item.Edit();
    EXPECT_EQ(std::make_tuple(m_item.m_nStyle, m_item.m_nAlign, m_item.m_nSpaceBefore, m_item.m_nSpaceAfter),
              std::make_tuple(2, 1, -1000, 1000));
}

TEST_F(DateItemTest, DialogRefusesSpacesOutOfRangeAfterFirst)
{
    RegisterResources();
    CScriptedBackend ui;
    // Both are wrong: the space after is the one reported.
    ui.AnswerMessageBox(IDOK, "Please enter an integer between -1000 and 1000.");
    ui.AnswerMessageBox(IDOK, "Please enter an integer between -1000 and 1000.");
    ui.ChooseFont("Courier New", 120, FALSE, FALSE, FALSE, FALSE, RGB(0, 0, 0));
    ui.OnDialog(IDD_DATE_SETUP)
        .SetText(IDC_DATE_SPACE_BEFORE, "-1001")
        .SetText(IDC_DATE_SPACE_AFTER, "1001")
        .OK()
        .Check([](CDialog& dlg) {
            EXPECT_FALSE(dlg.IsEnded());
            EXPECT_EQ(dlg.GetFocusID(), IDC_DATE_SPACE_AFTER);
        })
        .SetText(IDC_DATE_SPACE_AFTER, "0")
        .OK()
        .Check([](CDialog& dlg) { EXPECT_EQ(dlg.GetFocusID(), IDC_DATE_SPACE_BEFORE); })
        .SetText(IDC_DATE_SPACE_BEFORE, "0")
        .Click(IDC_DATE_FONT)
        .Cancel();
    m_item.Edit();
    // Cancel keeps the font chosen meanwhile.
    EXPECT_EQ(std::make_tuple(ui.messages.size(), m_item.m_nSpaceBefore, m_item.m_font.m_strFaceName),
              std::make_tuple(size_t(2), 0, CString("Courier New")));
}
