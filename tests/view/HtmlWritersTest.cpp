// The six HTML writers, byte for byte.
#include "FileContents.h"
#include "TempDir.h"
#include "league/FontData.h"
#include "view/RepItem.h"

#include <gtest/gtest.h>


namespace {

using Writer = void (*)(CStdioFile*, const CFontData*, const char*);

std::string Written(Writer write, const CFontData& font, const char* text)
{
    TempDir dir;
    std::string path = dir.File("cell.htm");
    {
        CStdioFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
        write(&file, &font, text);
        file.Close();
    }
    return FileContents(path);
}

CFontData Font(int nPoints, bool bBold, COLORREF cr, const char* face = "Arial")
{
    CFontData f;
    f.m_nPointSize = static_cast<BYTE>(nPoints);
    f.m_bBold = bBold ? 1 : 0;
    f.m_crColour = cr;
    f.m_strFaceName = face;
    return f;
}

} // namespace

TEST(HtmlWriters, CellsAndDivisionsWithTheirFontTags)
{
    // Colour as RRGGBB, size as the difference from 10 points with its sign; none at ten points.
    const struct
    {
        Writer write;
        CFontData font;
        const char* text;
        const char* html;
    } cases[] = {
        {&CRepItem::HtmlCellLeft, Font(10, false, RGB(0, 0, 0)), "Pin Pals",
         "<td align=left><font face='Arial'><font color='#000000'>Pin Pals</font></font></td>\n"},
        {&CRepItem::HtmlCellRight, Font(10, false, RGB(0, 0, 0)), "1234",
         "<td align=right><font face='Arial'><font color='#000000'>1234</font></font></td>\n"},
        {&CRepItem::HtmlCellCentre, Font(10, false, RGB(0, 0, 0)), "v",
         "<td align=center><font face='Arial'><font color='#000000'>v</font></font></td\n>"},
        {&CRepItem::HtmlCellLeft, Font(12, true, RGB(255, 0, 0)), "Team",
         "<td align=left><b><font face='Arial'><font color='#FF0000'><font SIZE=+2>Team</font></font></font></b></td>\n"},
        {&CRepItem::HtmlCellCentre, Font(8, true, RGB(0, 0, 255)), "X",
         "<td align=center><b><font face='Arial'><font color='#0000FF'><font SIZE=-2>X</font></font></font></b>\n</td\n>"},
        {&CRepItem::HtmlCellRight, Font(11, true, RGB(0, 128, 128), "Times New Roman"), "201",
         "<td align=right><b><font face='Times New Roman'><font color='#008080'><font SIZE=+1>201</font>"
         "</font></font></b>\n</td>\n"},
        {&CRepItem::HtmlDivCentre, Font(14, true, RGB(0, 0, 128)), "Winter League",
         "<div align=center>\n<font face='Arial'><font color='#000080'><b>\n<font size=+4>Winter League</font>"
         "</font></font></b>\n</div>\n"},
        {&CRepItem::HtmlDivLeft, Font(10, false, RGB(128, 0, 0)), "note",
         "<div align=left>\n<font face='Arial'><font color='#800000'>note</font></font></div>\n"},
        {&CRepItem::HtmlDivRight, Font(9, false, RGB(192, 192, 192)), "p",
         "<div align=right>\n<font face='Arial'><font color='#C0C0C0'><font size=-1>p</font></font></font></div>\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Written(c.write, c.font, c.text), c.html) << c.text;
}

TEST(HtmlWriters, UserTextIsEscapedAndTheHalfSignKept)
{
    CFontData plain = Font(10, false, RGB(0, 0, 0), "O'Font");
    EXPECT_EQ(Written(&CRepItem::HtmlCellLeft, plain, "Smith & <Jones> 2\xBD"),
              "<td align=left><font face='O&#39;Font'><font color='#000000'>Smith &amp; &lt;Jones&gt; 2\xBD"
              "</font></font></td>\n");
    EXPECT_EQ(HtmlEscape("\"a\"'b'"), "&quot;a&quot;&#39;b&#39;");
}
