// The secretary's notes: paragraphs, word wrap and alignment, height, HTML, the stored record
// across the version gate, and the Secretary's Note dialog.
#include "RecordingDC.h"
#include "ReportTestHelpers.h"
#include "ScriptedBackend.h"
#include "reports/layout/NotesItem.h"
#include "resources/Resource.h"
#include "resources/dialogs/ReportDialogs.h"

#include <gtest/gtest.h>

namespace {

using Paras = std::vector<CString>;

// Words of four letters: thirty are 149 characters, 100 of which fit between 720 and 10800.
CString Words(int n)
{
    CString s;
    for (int i = 0; i < n; ++i)
        s += i ? " word" : "word";
    return s;
}

} // namespace

TEST(Notes, ParagraphSplit)
{
    EXPECT_EQ(CRepItem_Notes::SplitParagraphs("one\r\ntwo"), (Paras{"one", "two"}));
    // A break at the end gives no empty paragraph; a blank line between paragraphs is kept.
    EXPECT_EQ(CRepItem_Notes::SplitParagraphs("one\r\n"), (Paras{"one"}));
    EXPECT_EQ(CRepItem_Notes::SplitParagraphs("one\r\n\r\nthree"), (Paras{"one", "", "three"}));
    // A short closing paragraph (initials) is shown, not dropped.
    EXPECT_EQ(CRepItem_Notes::SplitParagraphs("Bring fees\r\nJB"), (Paras{"Bring fees", "JB"}));
    // A carriage return as the very last character.
    EXPECT_EQ(CRepItem_Notes::SplitParagraphs("end\r"), (Paras{"end"}));
    EXPECT_EQ(CRepItem_Notes::SplitParagraphs(""), (Paras{""}));
    // Many paragraphs are all kept.
    CString many;
    for (int i = 0; i < 25; ++i)
        many.AppendFormat("para %d\r\n", i);
    EXPECT_EQ(CRepItem_Notes::SplitParagraphs(many).size(), 25u);
}

TEST(Notes, WrappedLeftAlignedBody)
{
    CRepItem_Notes note;
    note.m_strTitle = "Notice";
    note.m_strBody = Words(30) + "\r\nLast one";
    note.m_y = -1000;
    CRecordingDC dc;
    // Title line, then two wrapped lines and one more paragraph, 200 twips each.
    EXPECT_EQ(note.GetHeight(&dc), -200 - 3 * 200);
    note.Draw(&dc, nullptr);
    ASSERT_EQ(dc.Texts(), (std::vector<std::string>{"Notice", Words(20).GetString(), Words(10).GetString(),
                                                    "Last one"}))
        << dc.Dump();
    EXPECT_EQ(std::make_tuple(dc.calls[0].x1, dc.calls[0].y1, dc.calls[1].x1, dc.calls[1].y1, dc.calls[2].y1,
                              dc.calls[3].y1),
              std::make_tuple(720, -1000, 720, -1200, -1400, -1600));
}

TEST(Notes, CentredBodyAndTitleAlignments)
{
    CRepItem_Notes note;
    note.m_strTitle = "Notice";
    note.m_nTitleAlign = CRepItem_Notes::ALIGN_RIGHT;
    note.m_bBodyCentred = 1;
    note.m_strBody = Words(30);
    note.m_fontBody.m_crColour = RGB(128, 0, 0);
    note.m_y = -720;
    CRecordingDC dc;
    note.Draw(&dc, nullptr);
    ASSERT_EQ(dc.calls.size(), 3u) << dc.Dump();
    // Each line centred on 5760: 99 and 49 characters.
    EXPECT_EQ(std::make_tuple(dc.calls[0].x1, dc.calls[1].x1, dc.calls[2].x1, dc.calls[2].color),
              std::make_tuple(10800 - 600, 5760 - 9900 / 2, 5760 - 4900 / 2, RGB(128, 0, 0)));

    note.m_nTitleAlign = CRepItem_Notes::ALIGN_CENTRE;
    CRecordingDC dc2;
    note.Draw(&dc2, nullptr);
    EXPECT_EQ(dc2.calls[0].x1, 5760 - 300);
}

TEST(Notes, EmptyTitleAndEmptyBody)
{
    CRepItem_Notes note;
    note.m_strTitle.Empty();
    note.m_strBody.Empty();
    CRecordingDC dc;
    // No title line; the empty body still counts one line.
    EXPECT_EQ(note.GetHeight(&dc), -200);
    note.Draw(&dc, nullptr);
    EXPECT_TRUE(dc.calls.empty());

    // A larger body font steps by its own line height.
    note.m_strBody = "a\r\nb";
    note.m_fontBody.m_nPrinterHeight = -300;
    note.m_fontBody.m_nLineHeight = 0;
    CRecordingDC dc2;
    EXPECT_EQ(note.GetHeight(&dc2), -600);
}

TEST(Notes, Html)
{
    CRepItem_Notes note;
    note.m_strTitle = "League <Notes>";
    note.m_nTitleAlign = CRepItem_Notes::ALIGN_CENTRE;
    note.m_strBody = "Fees due & payable\r\nThanks";
    note.m_bBodyCentred = 1;   // paper only
    EXPECT_EQ(HtmlOf(note),
              "<P><div align=center>\n<font face='Arial'><font color='#000000'>League &lt;Notes&gt;</font></font>"
              "</div>\n</P>"
              "<BR><div align=left>\n<font face='Arial'><font color='#000000'>Fees due &amp; payable</font></font>"
              "</div>\n"
              "<BR><div align=left>\n<font face='Arial'><font color='#000000'>Thanks</font></font></div>\n"
              "<BR>");

    note.m_strTitle.Empty();
    note.m_nTitleAlign = CRepItem_Notes::ALIGN_LEFT;
    note.m_strBody = "x";
    EXPECT_EQ(HtmlOf(note),
              "<P><div align=left>\n<font face='Arial'><font color='#000000'></font></font></div>\n</P>"
              "<BR><div align=left>\n<font face='Arial'><font color='#000000'>x</font></font></div>\n<BR>");
}

TEST(Notes, StoredRecordAndVersionGate)
{
    CRepItem_Notes note;
    note.m_strTitle = "T";
    note.m_strBody = "Body";
    note.m_nTitleAlign = CRepItem_Notes::ALIGN_RIGHT;
    note.m_bBodyCentred = 1;
    note.m_fontHeading.m_bBold = 1;
    note.m_fontHeading.m_strFaceName = "Times New Roman";
    note.m_fontBody.m_nPrinterHeight = -240;

    // Version 35 and older hold type, title and body only.
    std::vector<BYTE> old{7};
    Append(old, StringBytes("T"));
    Append(old, StringBytes("Body"));
    std::vector<BYTE> expected = old;
    expected.push_back(0x82);
    Append(expected, BytesOf(note.m_fontHeading));
    Append(expected, BytesOf(note.m_fontBody));
    std::vector<BYTE> bytes = BytesOf(note);
    EXPECT_EQ(bytes, expected);

    CRepItem_Notes loaded;
    LoadFrom(loaded, bytes);
    EXPECT_EQ(BytesOf(loaded), bytes);

    EXPECT_EQ(BytesOf(note, 35), old);
    CRepItem_Notes fromOld;
    fromOld.m_nTitleAlign = CRepItem_Notes::ALIGN_CENTRE;   // whatever was there before
    fromOld.m_bBodyCentred = 1;
    fromOld.m_fontBody.m_bItalic = 1;
    LoadFrom(fromOld, old, 35);
    EXPECT_EQ(std::make_tuple(fromOld.m_strTitle, fromOld.m_strBody, fromOld.m_nTitleAlign, fromOld.m_bBodyCentred),
              std::make_tuple(CString("T"), CString("Body"), BYTE(CRepItem_Notes::ALIGN_LEFT), 0u));
    EXPECT_TRUE(fromOld.m_fontHeading == CFontData() && fromOld.m_fontBody == CFontData());
}

TEST(Notes, DefaultsAndCopy)
{
    CBowlingDoc doc;
    doc.GetDefaultFont(CRepItem_Notes::HEADING_FONT)->m_bBold = 1;
    doc.GetDefaultFont(CRepItem_Notes::BODY_FONT)->m_strFaceName = "Courier New";
    CRepItem_Notes note;
    note.m_pDoc = &doc;
    note.ApplyDefaultFonts();
    EXPECT_EQ(std::tie(note.m_strTitle, note.m_strBody, note.m_fontHeading.m_bBold, note.m_fontBody.m_strFaceName),
              std::make_tuple(CString("Title"), CString("Text body."), 1, CString("Courier New")));

    note.m_nTitleAlign = 2;
    note.m_bBodyCentred = 1;
    ExpectCopyStoresTheSame(note);
}

TEST(Notes, DialogEditsTheNote)
{
    RegisterResources();
    CScriptedBackend ui;
    CRepItem_Notes note;
    ui.OnDialog(IDD_SECRETARY_NOTE)
        .Check([](CDialog& dlg) {
            EXPECT_EQ(dlg.GetDlgItemText(IDC_NOTE_TITLE) + "|" + dlg.GetDlgItemText(IDC_NOTE_BODY) + "|" +
                          dlg.GetDlgItemText(IDC_NOTE_HEADING_FONT_DESC),
                      "Title|Text body.|Black  Arial  10 Pt. ");
        })
        .SetText(IDC_NOTE_TITLE, "Week 5")
        .SelectString(IDC_NOTE_TITLE_ALIGN, "Centre")
        .SetText(IDC_NOTE_BODY, "Line one\r\nLine two")
        .Click(IDC_NOTE_CENTRE_BODY)
        .Click(IDC_NOTE_BODY_FONT)
        .OK();
    ui.ChooseFont("Verdana", 120, TRUE, FALSE, FALSE, FALSE, RGB(0, 0, 128));
    note.Edit();
    EXPECT_EQ(std::make_tuple(note.m_strTitle, note.m_nTitleAlign, note.m_strBody, note.m_bBodyCentred,
                              note.m_fontBody.m_strFaceName, note.m_fontBody.m_nPrinterHeight),
              std::make_tuple(CString("Week 5"), BYTE(CRepItem_Notes::ALIGN_CENTRE),
                              CString("Line one\r\nLine two"), 1u, CString("Verdana"), -240));
}

TEST(Notes, CancelLeavesTheNoteAsItWas)
{
    RegisterResources();
    CScriptedBackend ui;
    CRepItem_Notes note;
    ui.OnDialog(IDD_SECRETARY_NOTE)
        .SetText(IDC_NOTE_TITLE, "Changed")
        .SelectString(IDC_NOTE_TITLE_ALIGN, "Right")
        .Click(IDC_NOTE_HEADING_FONT)
        .Check([](CDialog& dlg) {
            EXPECT_EQ(dlg.GetDlgItemText(IDC_NOTE_HEADING_FONT_DESC), "Red  Verdana Bold  12 Pt. ");
        })
        .Cancel();
    ui.ChooseFont("Verdana", 120, TRUE, FALSE, FALSE, FALSE, RGB(255, 0, 0));
    note.Edit();
    EXPECT_EQ(std::make_tuple(note.m_strTitle, note.m_nTitleAlign),
              std::make_tuple(CString("Title"), BYTE(CRepItem_Notes::ALIGN_LEFT)));
    EXPECT_TRUE(note.m_fontHeading == CFontData());
}

TEST(Notes, DialogLimitsTheTitle)
{
    RegisterResources();
    CScriptedBackend ui;
    CRepItem_Notes note;
    // The edit takes no more than 100 characters.
    ui.OnDialog(IDD_SECRETARY_NOTE).SetText(IDC_NOTE_TITLE, CString('x', 101)).OK();
    note.Edit();
    EXPECT_EQ(note.m_strTitle, CString('x', 100));
}
