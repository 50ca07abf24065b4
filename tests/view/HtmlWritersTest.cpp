// The six HTML writers, byte for byte.
#include "TempDir.h"
#include "league/FontData.h"
#include "view/RepItem.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

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
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
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

TEST(HtmlWriters, CellsAtTenPointsWriteNoSizeTag)
{
    CFontData plain = Font(10, false, RGB(0, 0, 0));
    EXPECT_EQ(Written(&CRepItem::HtmlCellLeft, plain, "Pin Pals"),
              "<td align=left><font face='Arial'><font color='#000000'>Pin Pals</font></font></td>\n");
    EXPECT_EQ(Written(&CRepItem::HtmlCellRight, plain, "1234"),
              "<td align=right><font face='Arial'><font color='#000000'>1234</font></font></td>\n");
    EXPECT_EQ(Written(&CRepItem::HtmlCellCentre, plain, "v"),
              "<td align=center><font face='Arial'><font color='#000000'>v</font></font></td\n>");
}

TEST(HtmlWriters, CellsBoldSizeAndColour)
{
    // Colour as RRGGBB, size as the difference from 10 points with its sign.
    CFontData big = Font(12, true, RGB(255, 0, 0));
    EXPECT_EQ(Written(&CRepItem::HtmlCellLeft, big, "Team"),
              "<td align=left><b><font face='Arial'><font color='#FF0000'><font SIZE=+2>Team</font></font></font>"
              "</b></td>\n");
    CFontData small = Font(8, true, RGB(0, 0, 255));
    EXPECT_EQ(Written(&CRepItem::HtmlCellCentre, small, "X"),
              "<td align=center><b><font face='Arial'><font color='#0000FF'><font SIZE=-2>X</font></font></font>"
              "</b>\n</td\n>");
    CFontData teal = Font(11, true, RGB(0, 128, 128), "Times New Roman");
    EXPECT_EQ(Written(&CRepItem::HtmlCellRight, teal, "201"),
              "<td align=right><b><font face='Times New Roman'><font color='#008080'><font SIZE=+1>201</font>"
              "</font></font></b>\n</td>\n");
}

TEST(HtmlWriters, Divisions)
{
    CFontData navy = Font(14, true, RGB(0, 0, 128));
    EXPECT_EQ(Written(&CRepItem::HtmlDivCentre, navy, "Winter League"),
              "<div align=center>\n<font face='Arial'><font color='#000080'><b>\n<font size=+4>Winter League</font>"
              "</font></font></b>\n</div>\n");
    CFontData plain = Font(10, false, RGB(128, 0, 0));
    EXPECT_EQ(Written(&CRepItem::HtmlDivLeft, plain, "note"),
              "<div align=left>\n<font face='Arial'><font color='#800000'>note</font></font></div>\n");
    CFontData small = Font(9, false, RGB(192, 192, 192));
    EXPECT_EQ(Written(&CRepItem::HtmlDivRight, small, "p"),
              "<div align=right>\n<font face='Arial'><font color='#C0C0C0'><font size=-1>p</font></font></font>"
              "</div>\n");
}

TEST(HtmlWriters, UserTextIsEscapedAndTheHalfSignKept)
{
    CFontData plain = Font(10, false, RGB(0, 0, 0), "O'Font");
    EXPECT_EQ(Written(&CRepItem::HtmlCellLeft, plain, "Smith & <Jones> 2\xBD"),
              "<td align=left><font face='O&#39;Font'><font color='#000000'>Smith &amp; &lt;Jones&gt; 2\xBD"
              "</font></font></td>\n");
    EXPECT_EQ(HtmlEscape("\"a\"'b'"), "&quot;a&quot;&#39;b&#39;");
}
