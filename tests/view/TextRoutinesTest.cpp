// The shared text and line routines, measured with the recording DC: with its stock font
// every character is 100 twips wide.
#include "RecordingDC.h"
#include "view/RepItem.h"

#include <gtest/gtest.h>

namespace {

struct Line
{
    int x, y;
    std::string text;
};

std::vector<Line> TextCalls(const CRecordingDC& dc)
{
    std::vector<Line> out;
    for (const DrawCall& c : dc.calls)
        if (c.kind == DrawCall::Text)
            out.push_back({c.x1, c.y1, c.text.str()});
    return out;
}

// Wraps text from x 720 with the right edge 1720: ten characters fit.
std::vector<Line> Wrap(const char* text, int* pnLines = nullptr)
{
    CRecordingDC dc;
    CPoint pt(720, -1000);
    int n = CRepItem::DrawWrappedText(&dc, &pt, text, 1720, -240);
    if (pnLines)
        *pnLines = n;
    return TextCalls(dc);
}

} // namespace

TEST(TextRoutines, ClippedDropsTrailingCharactersUntilTheTextFits)
{
    CRecordingDC dc;
    CPoint pt(720, -500);
    DrawTextClipped(&dc, &pt, "Stonebridge Rollers", 650);
    DrawTextClipped(&dc, &pt, "Stonebridge Rollers", 0);
    DrawTextClipped(&dc, &pt, "Hi", 50);  // nothing fits: an empty text, still at the point
    auto calls = TextCalls(dc);
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].text, "Stoneb");
    EXPECT_EQ(calls[0].x, 720);
    EXPECT_EQ(calls[0].y, -500);
    EXPECT_EQ(calls[1].text, "Stonebridge Rollers");
    EXPECT_EQ(calls[2].text, "");
}

TEST(TextRoutines, RightAlignedEndsAtXAndDropsLeadingCharacters)
{
    CRecordingDC dc;
    CPoint pt(10800, -500);
    DrawTextRightAligned(&dc, &pt, "12345", 0);
    DrawTextRightAligned(&dc, &pt, "1234567", 300);
    auto calls = TextCalls(dc);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].text, "12345");
    EXPECT_EQ(calls[0].x, 10800 - 500);
    EXPECT_EQ(calls[1].text, "567");
    EXPECT_EQ(calls[1].x, 10800 - 300);
}

TEST(TextRoutines, WrapCutsAtTheLastBlankAndDropsIt)
{
    int n = 0;
    auto lines = Wrap("the quick brown fox", &n);
    EXPECT_EQ(n, 2);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].text, "the quick");
    EXPECT_EQ(lines[0].y, -1000);
    EXPECT_EQ(lines[1].text, "brown fox");
    EXPECT_EQ(lines[1].y, -1240);
    EXPECT_EQ(lines[1].x, 720);
}

TEST(TextRoutines, WrapBlankHandling)
{
    // The blank that passes the edge is the cut and is dropped.
    auto a = Wrap("abcdefghij klm");
    ASSERT_EQ(a.size(), 2u);
    EXPECT_EQ(a[0].text, "abcdefghij");
    EXPECT_EQ(a[1].text, "klm");

    // Two blanks: the cut is at the last; the first stays on the line.
    auto b = Wrap("aaaa  bbbbbbbbb");
    ASSERT_EQ(b.size(), 2u);
    EXPECT_EQ(b[0].text, "aaaa ");
    EXPECT_EQ(b[1].text, "bbbbbbbbb");

    // A leading blank is never a cut: no blank from the second character on means n
    // characters, the one that passed the edge included.
    auto c = Wrap(" abcdefghijklm");
    ASSERT_EQ(c.size(), 2u);
    EXPECT_EQ(c[0].text, " abcdefghij");
    EXPECT_EQ(c[1].text, "klm");

    // No blank at all.
    auto d = Wrap("abcdefghijklmnop");
    ASSERT_EQ(d.size(), 2u);
    EXPECT_EQ(d[0].text, "abcdefghijk");
    EXPECT_EQ(d[1].text, "lmnop");

    // The last character passing the edge leaves the text on one line.
    auto e = Wrap("abcdefghijk");
    ASSERT_EQ(e.size(), 1u);
    EXPECT_EQ(e[0].text, "abcdefghijk");
}

TEST(TextRoutines, WrapOfAnEmptyTextCountsOneLineAndDrawsNothing)
{
    int n = 0;
    auto lines = Wrap("", &n);
    EXPECT_EQ(n, 1);
    EXPECT_TRUE(lines.empty());
    CRecordingDC dc;
    CPoint pt(720, 0);
    EXPECT_EQ(CountWrappedLines(&dc, &pt, "", 1720, -240), 1);
}

TEST(TextRoutines, CountMatchesTheDrawnLinesAndDrawsNothing)
{
    const char* note = "League fees are due at the start of every round.  Please bring the right money "
                       "and see the treasurer before the first game.";
    for (int right : {1720, 3000, 5000, 10800}) {
        CRecordingDC counted;
        CPoint pt(720, -720);
        int nCount = CountWrappedLines(&counted, &pt, note, right, -240);
        EXPECT_TRUE(counted.calls.empty());
        CRecordingDC drawn;
        int nDrawn = CRepItem::DrawWrappedText(&drawn, &pt, note, right, -240);
        EXPECT_EQ(nCount, nDrawn) << "right edge " << right;
        EXPECT_EQ(static_cast<int>(TextCalls(drawn).size()), nDrawn);
    }
}

TEST(TextRoutines, CentredWrapUsesTheSameBreaksCentredOn5760)
{
    CRecordingDC dc;
    CPoint pt(720, -1000);
    int n = CRepItem::DrawWrappedTextCentred(&dc, &pt, "the quick brown fox", 1720, -240);
    auto lines = TextCalls(dc);
    EXPECT_EQ(n, 2);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].text, "the quick");
    EXPECT_EQ(lines[0].x, 5760 - 450);
    EXPECT_EQ(lines[1].text, "brown fox");
    EXPECT_EQ(lines[1].x, 5760 - 450);
    EXPECT_EQ(lines[1].y, -1240);
}

TEST(TextRoutines, LineOrBox)
{
    CRecordingDC line;
    DrawLineOrBox(&line, 720, -1000, 5000, 0);
    ASSERT_EQ(line.calls.size(), 1u);
    EXPECT_EQ(line.calls[0].x1, 720);
    EXPECT_EQ(line.calls[0].y1, -1000);
    EXPECT_EQ(line.calls[0].x2, 5720);
    EXPECT_EQ(line.calls[0].y2, -1000);

    CRecordingDC box;
    DrawLineOrBox(&box, 720, -1000, 5000, 400);
    ASSERT_EQ(box.calls.size(), 4u);
    // top, right, bottom, left
    int expect[4][4] = {{720, -1000, 5720, -1000}, {5720, -1000, 5720, -1400},
                        {5720, -1400, 720, -1400}, {720, -1400, 720, -1000}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(box.calls[i].x1, expect[i][0]) << i;
        EXPECT_EQ(box.calls[i].y1, expect[i][1]) << i;
        EXPECT_EQ(box.calls[i].x2, expect[i][2]) << i;
        EXPECT_EQ(box.calls[i].y2, expect[i][3]) << i;
    }
}

TEST(TextRoutines, CaptionsAndMasks)
{
    EXPECT_STREQ(GetTeamStatCaption(3), "PinFall");
    EXPECT_STREQ(GetScoreBasisCaption(2), "> Avg");
    EXPECT_STREQ(GetPlayerStatCaption(4), "Games > Av");
    EXPECT_STREQ(GetPlayerStatCaption(10), "Game 4 ");
    EXPECT_STREQ(GetPlayerStatCaption(11), "");
    EXPECT_STREQ(GetCategoryAbbrev(3), "All");
    EXPECT_EQ(GetCategoryMask(0), 4);
    EXPECT_EQ(GetCategoryMask(1), 2);
    EXPECT_EQ(GetCategoryMask(2), 1);
    EXPECT_EQ(GetCategoryMask(7), 7);  // taken modulo 4

    EXPECT_EQ(CRepItem::GetTypeName(2), "Standings");
    EXPECT_EQ(CRepItem::GetTypeName(17), "Outstanding Matches");
    EXPECT_EQ(CRepItem::GetTypeName(22), "Average Busters");
    EXPECT_EQ(CRepItem::GetTypeName(1), "Unknown");
    EXPECT_EQ(CRepItem::GetTypeName(23), "Unknown");
}

TEST(TextRoutines, BaseItem)
{
    CRepItem item;
    CRecordingDC dc;
    EXPECT_EQ(item.GetHeight(&dc), -432);
    item.Draw(&dc, nullptr);
    EXPECT_TRUE(dc.calls.empty());

    // The base record is the type byte alone.
    item.m_nType = 16;
    std::vector<BYTE> bytes;
    {
        CArchive ar(&bytes, CArchive::store);
        item.Serialize(ar);
    }
    ASSERT_EQ(bytes.size(), 1u);
    EXPECT_EQ(bytes[0], 16);

    CRepItem copy;
    item.m_nPage = 3;
    item.m_nFlag = 9;
    item.m_x = 720;
    item.m_y = -4000;
    item.m_bTemporary = TEMP_SHOWING;
    copy.CopyFrom(item);
    EXPECT_EQ(copy.m_nType, 16);
    EXPECT_EQ(copy.m_nPage, 3);
    EXPECT_EQ(copy.m_nFlag, 9);
    EXPECT_EQ(copy.m_x, 720);
    EXPECT_EQ(copy.m_y, -4000);
    EXPECT_EQ(copy.m_bTemporary, TEMP_SHOWING);
}

TEST(TextRoutines, StockFontsFollowThePrintingFlag)
{
    CRecordingDC screen(false), printer(true);
    CStockFonts* s = GetStockFonts(&screen);
    CStockFonts* p = GetStockFonts(&printer);
    EXPECT_EQ(s->m_fontLargeBold.LogFont().lfHeight, -200);
    EXPECT_EQ(s->m_fontLargeBold.LogFont().lfWeight, FW_BOLD);
    EXPECT_EQ(s->m_fontSmall.LogFont().lfHeight, -172);
    EXPECT_EQ(p->m_fontSmall.LogFont().lfHeight, -160);
    EXPECT_EQ(p->m_fontLarge.LogFont().lfHeight, -200);
    EXPECT_EQ(p->m_fontSmallBold.LogFont().lfPitchAndFamily, 16);
    EXPECT_STREQ(p->m_fontSmallBold.LogFont().lfFaceName, "Arial");
}

