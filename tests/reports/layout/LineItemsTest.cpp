// The line and the text line: what they draw, their heights, the rule in HTML, the stored
// record and the Edit line details dialog.
#include "RecordingDC.h"
#include "ReportTestHelpers.h"
#include "ScriptedBackend.h"
#include "reports/layout/LineItems.h"
#include "resources/Resource.h"
#include "resources/dialogs/ReportDialogs.h"

#include <gtest/gtest.h>

namespace {

std::vector<DrawCall> Lines(const CRecordingDC& dc)
{
    std::vector<DrawCall> v;
    for (const DrawCall& c : dc.calls)
        if (c.kind == DrawCall::Line)
            v.push_back(c);
    return v;
}

} // namespace

TEST(LineItem, DefaultRuleIsCentredThreeQuartersOfThePage)
{
    CRepItem_line line;
    line.m_y = -1000;
    EXPECT_EQ(line.GetHeight(nullptr), -216);
    CRecordingDC dc;
    line.Draw(&dc, nullptr);
    auto lines = Lines(dc);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(std::make_tuple(lines[0].x1, lines[0].x2, lines[0].y1, lines[0].y2, lines[0].color),
              std::make_tuple(1980, 1980 + 7560, -1072, -1072, RGB(0, 0, 0)));
    EXPECT_EQ(HtmlOf(line), "<HR SIZE=1 WIDTH=75%></P></CENTER>\n");
}

TEST(LineItem, ThicknessWidthAndSpacing)
{
    CRepItem_line line;
    line.m_nSpaceAbove = 250;
    line.m_nSpaceBelow = 250;
    EXPECT_EQ(line.GetHeight(nullptr), -7272);

    line.m_nWidth = 50;
    line.m_nThickness = 3;
    line.m_nSpaceAbove = 10;
    line.m_y = -720;
    CRecordingDC dc;
    CPen* pBefore = dc.GetCurrentPen();
    line.Draw(&dc, nullptr);
    auto lines = Lines(dc);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(std::make_tuple(lines[0].x1, lines[0].x2, lines[0].y1, dc.GetCurrentPen()),
              std::make_tuple(5760 - 2520, 5760 + 2520, -720 - 144, pBefore));
    EXPECT_EQ(HtmlOf(line), "<HR SIZE=3 WIDTH=50%></P></CENTER>\n");

    // No rule at width 0, yet the page still gets the narrowest one; odd values are tamed.
    line.m_nWidth = 0;
    CRecordingDC dc2;
    line.Draw(&dc2, nullptr);
    EXPECT_TRUE(Lines(dc2).empty());
    EXPECT_EQ(HtmlOf(line), "<HR SIZE=3 WIDTH=1%></P></CENTER>\n");
    line.m_nWidth = 180;
    line.m_nThickness = 9;
    EXPECT_EQ(HtmlOf(line), "<HR SIZE=1 WIDTH=100%></P></CENTER>\n");
}

TEST(LineItem, StoredRecordAndCopy)
{
    CRepItem_line line;
    line.m_nWidth = 60;
    line.m_nThickness = 2;
    line.m_nSpaceAbove = 300;
    line.m_nSpaceBelow = 7;
    std::vector<BYTE> bytes = BytesOf(line);
    EXPECT_EQ(bytes, (std::vector<BYTE>{9, 60, 2, 0x2C, 0x01, 7, 0}));

    CRepItem_line loaded;
    LoadFrom(loaded, bytes);
    EXPECT_EQ(BytesOf(loaded), bytes);
    ExpectCopyStoresTheSame(line);

    // A short record ends in an archive error, not in a half-read line.
    bytes.pop_back();
    CRepItem_line broken;
    EXPECT_THROW(LoadFrom(broken, bytes), CArchiveException);
}

TEST(LineItem, EditLineDetailsDialog)
{
    RegisterResources();
    CScriptedBackend ui;
    CRepItem_line line;
    line.m_nWidth = 150;   // more than the page: the dialog opens on 100
    line.m_nThickness = 0;
    ui.OnDialog(IDD_EDIT_LINE)
        .Check([](CDialog& dlg) {
            EXPECT_EQ(dlg.GetDlgItemText(IDC_LINE_WIDTH) + "|" + dlg.GetDlgItemText(IDC_LINE_THICKNESS), "100|1");
        })
        .SetText(IDC_LINE_SPACE_BEFORE, "20")
        .SetText(IDC_LINE_WIDTH, "40")
        .SetText(IDC_LINE_SPACE_AFTER, "30")
        .SetText(IDC_LINE_THICKNESS, "4")
        .OK();
    line.Edit();
    EXPECT_EQ(std::make_tuple(line.m_nSpaceAbove, line.m_nWidth, line.m_nSpaceBelow, line.m_nThickness),
              std::make_tuple(20, 40, 30, 4));
}

TEST(LineItem, EditLineDetailsRefusesOutOfRangeValues)
{
    RegisterResources();
    CScriptedBackend ui;
    CRepItem_line line;
    ui.OnDialog(IDD_EDIT_LINE).SetText(IDC_LINE_THICKNESS, "5").OK().SetText(IDC_LINE_SPACE_AFTER, "251").OK().Cancel();
    ui.AnswerMessageBox(IDOK, "between 1 and 4");
    ui.AnswerMessageBox(IDOK, "between 0 and 250");
    line.Edit();
    EXPECT_EQ(std::make_tuple(line.m_nThickness, line.m_nSpaceBelow), std::make_tuple(1, 5));
}

TEST(TextLine, AlignmentsAndAdvance)
{
    CRepItem_TextLine a;
    a.m_strText = "Juniors";
    a.m_y = -2000;
    EXPECT_EQ(a.GetHeight(nullptr), 0);
    a.m_bAdvance = 1;
    CRecordingDC dc;
    EXPECT_EQ(a.GetHeight(&dc), -200);

    // Two lines with the advance flag clear share one line.
    CRepItem_TextLine left, right;
    left.m_strText = "Name";
    right.m_strText = "Avg";
    right.m_nX = 9000;
    right.m_nAlign = CRepItem_TextLine::ALIGN_RIGHT;
    right.m_font.m_crColour = RGB(0, 0, 255);
    left.m_y = right.m_y = -3000;
    CRecordingDC dc2;
    left.Draw(&dc2, nullptr);
    right.Draw(&dc2, nullptr);
    ASSERT_EQ(dc2.calls.size(), 2u);
    EXPECT_EQ(std::make_tuple(dc2.calls[0].x1, dc2.calls[1].x1, dc2.calls[0].y1, dc2.calls[1].color),
              std::make_tuple(720, 9000 - 300, dc2.calls[1].y1, RGB(0, 0, 255)));

    CRepItem_TextLine centred;
    centred.CopyFrom(right);
    centred.m_nAlign = CRepItem_TextLine::ALIGN_CENTRE;
    EXPECT_EQ(centred.m_nX, 9000);
    CRecordingDC dc3;
    centred.Draw(&dc3, nullptr);
    EXPECT_EQ(dc3.calls.at(0).x1, 9000 - 150);

    CRepItem_TextLine empty;
    CRecordingDC dc4;
    empty.Draw(&dc4, nullptr);
    EXPECT_TRUE(dc4.calls.empty());
}
