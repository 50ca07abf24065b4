// The painter DC: the twips mapping, fonts from their descriptors, and what lands where.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>
#include <QPainter>

#include "framework/qt/PainterDC.h"

namespace {
// A letter page at 96 pixels to the inch: 1440 twips are 96 pixels.
struct Page {
    QImage img{816, 1056, QImage::Format_RGB32};
    QPainter p;
    std::unique_ptr<CPainterDC> dc;
    Page()
    {
        img.fill(Qt::white);
        p.begin(&img);
        dc = std::make_unique<CPainterDC>(&p, 96, 96, false);
        dc->SetMapMode(MM_TWIPS);
    }
    bool Dark(int x, int y) { return qGray(img.pixel(x, y)) < 128; }
    // Whether any pixel of the box is dark.
    bool AnyDark(int x0, int y0, int x1, int y1)
    {
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                if (Dark(x, y))
                    return true;
        return false;
    }
};
}  // namespace

TEST(PainterDC, TwipsRunDownTheScreenWithYNegative)
{
    Page pg;
    CRect r(1440, -1440, 2880, -2880);
    pg.dc->FillSolidRect(&r, RGB(255, 0, 0));
    pg.p.end();
    EXPECT_EQ((std::vector<QRgb>{pg.img.pixel(144, 144), pg.img.pixel(97, 97), pg.img.pixel(94, 144), pg.img.pixel(144, 194)}),
              (std::vector<QRgb>{qRgb(255, 0, 0), qRgb(255, 0, 0), qRgb(255, 255, 255), qRgb(255, 255, 255)}));
}

TEST(PainterDC, TheWindowOriginScrolls)
{
    Page pg;
    pg.dc->SetWindowOrg(0, -1440);  // scrolled down an inch
    CRect r(0, -1440, 1440, -2880);
    pg.dc->FillSolidRect(&r, RGB(0, 0, 255));
    pg.p.end();
    EXPECT_EQ(std::make_pair(pg.img.pixel(10, 10), pg.img.pixel(10, 100)), std::make_pair(qRgb(0, 0, 255), qRgb(255, 255, 255)));
}

TEST(PainterDC, ArialIsServedByLiberationSansAtItsTwipsHeight)
{
    Page pg;
    CFont font;
    font.CreateFont(-200, 0, 0, 0, FW_BOLD, 1, 0, 0, ANSI_CHARSET, 0, 0, 0, 0x10, "Arial");
    QFont q = pg.dc->MakeFont(font.LogFont());
    EXPECT_EQ(q.family(), "Liberation Sans");
    EXPECT_TRUE(QFontInfo(q).family().contains("Liberation Sans"));
    EXPECT_EQ(q.pixelSize(), 13);  // 200 twips at 96 dpi
    EXPECT_TRUE(q.bold() && q.italic());
    pg.dc->SelectObject(&font);
    CSize one = pg.dc->GetTextExtent("W");
    CSize four = pg.dc->GetTextExtent("WWWW");
    EXPECT_NEAR(four.cx, 4 * one.cx, 30);
    EXPECT_GE(four.cy, 200);
    EXPECT_LE(four.cy, 260);
    TEXTMETRIC tm;
    ASSERT_TRUE(pg.dc->GetTextMetrics(&tm));
    EXPECT_EQ(tm.tmHeight, tm.tmAscent + tm.tmDescent);
    EXPECT_GT(tm.tmAscent, tm.tmDescent);
}

TEST(PainterDC, TextHangsBelowItsTopLeftOrEndsAtItsRight)
{
    Page pg;
    CFont font;
    font.CreateFont(-400, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0x10, "Arial");
    pg.dc->SelectObject(&font);
    pg.dc->SetBkMode(TRANSPARENT);
    pg.dc->TextOut(1440, -1440, CString("HHH"));
    pg.dc->SetTextAlign(TA_RIGHT | TA_TOP);
    pg.dc->TextOut(5760, -2880, CString("HHH"));
    pg.p.end();
    // Top-left at (96, 96): the letters are below and right of it.
    EXPECT_TRUE(pg.AnyDark(96, 96, 150, 125));
    EXPECT_FALSE(pg.AnyDark(60, 80, 95, 96) || pg.AnyDark(96, 60, 150, 94));
    // Right-aligned at x = 384: ink ends there.
    EXPECT_TRUE(pg.AnyDark(330, 192, 384, 220));
    EXPECT_FALSE(pg.AnyDark(386, 192, 420, 220));
}

TEST(PainterDC, PensAndBoxes)
{
    Page pg;
    CPen red(PS_SOLID, 30, RGB(255, 0, 0));
    CPen* old = pg.dc->SelectObject(&red);
    pg.dc->MoveTo(0, -720);
    pg.dc->LineTo(1440, -720);
    EXPECT_EQ(pg.dc->GetCurrentPosition(), CPoint(1440, -720));
    CBrush null;
    null.CreateNullBrush();
    pg.dc->SelectObject(&null);
    pg.dc->SelectObject(old);
    pg.dc->Rectangle(1440, -1440, 2880, -2880);
    pg.p.end();
    EXPECT_EQ(qRed(pg.img.pixel(48, 48)), 255);
    EXPECT_LT(qGreen(pg.img.pixel(48, 48)), 80);
    EXPECT_TRUE(pg.AnyDark(95, 130, 98, 150));               // the box's left edge
    EXPECT_EQ(pg.img.pixel(144, 144), qRgb(255, 255, 255));  // hollow inside
}
