// The shared text and line routines, measured with the recording DC: with its stock font
// every character is 100 twips wide.
#include "RecordingDC.h"
#include "view/RepItem.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>

namespace {

struct Line
{
    int x, y;
    std::string text;
    bool operator==(const Line&) const = default;
};

void PrintTo(const Line& l, std::ostream* os) { *os << "(" << l.x << ", " << l.y << ", \"" << l.text << "\")"; }

std::vector<std::string> TextsOf(const std::vector<Line>& lines)
{
    std::vector<std::string> out;
    for (const Line& l : lines)
        out.push_back(l.text);
    return out;
}

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
    EXPECT_EQ(TextsOf(calls), (std::vector<std::string>{"Stoneb", "Stonebridge Rollers", ""}));
    EXPECT_EQ(calls[0], (Line{720, -500, "Stoneb"}));
}

TEST(TextRoutines, RightAlignedEndsAtXAndDropsLeadingCharacters)
{
    CRecordingDC dc;
    CPoint pt(10800, -500);
    DrawTextRightAligned(&dc, &pt, "12345", 0);
    DrawTextRightAligned(&dc, &pt, "1234567", 300);
    EXPECT_EQ(TextCalls(dc), (std::vector<Line>{{10800 - 500, -500, "12345"}, {10800 - 300, -500, "567"}}));
}

TEST(TextRoutines, WrapCutsAtTheLastBlankAndDropsIt)
{
    int n = 0;
    auto lines = Wrap("the quick brown fox", &n);
    EXPECT_EQ(n, 2);
    EXPECT_EQ(lines, (std::vector<Line>{{720, -1000, "the quick"}, {720, -1240, "brown fox"}}));
}

TEST(TextRoutines, WrapBlankHandling)
{
    const struct
    {
        const char* text;
        std::vector<std::string> lines;
    } cases[] = {
        // The blank that passes the edge is the cut and is dropped.
        {"abcdefghij klm", {"abcdefghij", "klm"}},
        // Two blanks: the cut is at the last; the first stays on the line.
        {"aaaa  bbbbbbbbb", {"aaaa ", "bbbbbbbbb"}},
        // A leading blank is never a cut: no blank from the second character on means n
        // characters, the one that passed the edge included.
        {" abcdefghijklm", {" abcdefghij", "klm"}},
        {"abcdefghijklmnop", {"abcdefghijk", "lmnop"}},
        // The last character passing the edge leaves the text on one line.
        {"abcdefghijk", {"abcdefghijk"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TextsOf(Wrap(c.text)), c.lines) << c.text;
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
    EXPECT_EQ(lines, (std::vector<Line>{{5760 - 450, -1000, "the quick"}, {5760 - 450, -1240, "brown fox"}}));
}

TEST(TextRoutines, LineOrBox)
{
    auto ends = [](const CRecordingDC& dc) {
        std::vector<std::array<int, 4>> out;
        for (const DrawCall& c : dc.calls)
            out.push_back({c.x1, c.y1, c.x2, c.y2});
        return out;
    };
    CRecordingDC line, box;
    DrawLineOrBox(&line, 720, -1000, 5000, 0);
    EXPECT_EQ(ends(line), (std::vector<std::array<int, 4>>{{720, -1000, 5720, -1000}}));
    // top, right, bottom, left
    DrawLineOrBox(&box, 720, -1000, 5000, 400);
    EXPECT_EQ(ends(box), (std::vector<std::array<int, 4>>{{720, -1000, 5720, -1000}, {5720, -1000, 5720, -1400},
                                                          {5720, -1400, 720, -1400}, {720, -1400, 720, -1000}}));
}

TEST(TextRoutines, CaptionsAndMasks)
{
    EXPECT_EQ((std::vector<std::string>{GetTeamStatCaption(3), GetScoreBasisCaption(2), GetPlayerStatCaption(4),
                                        GetPlayerStatCaption(10), GetPlayerStatCaption(11), GetCategoryAbbrev(3)}),
              (std::vector<std::string>{"PinFall", "> Avg", "Games > Av", "Game 4 ", "", "All"}));
    // 7 is taken modulo 4
    EXPECT_EQ((std::vector<int>{GetCategoryMask(0), GetCategoryMask(1), GetCategoryMask(2), GetCategoryMask(7)}),
              (std::vector<int>{4, 2, 1, 7}));
    std::vector<std::string> names;
    for (int n : {2, 17, 22, 1, 23})
        names.push_back(std::string(CRepItem::GetTypeName(n)));
    EXPECT_EQ(names, (std::vector<std::string>{"Standings", "Outstanding Matches", "Average Busters", "Unknown",
                                               "Unknown"}));
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
    EXPECT_EQ(bytes, std::vector<BYTE>{16});

    CRepItem copy;
    item.m_nPage = 3, item.m_nFlag = 9, item.m_x = 720, item.m_y = -4000, item.m_bTemporary = TEMP_SHOWING;
    copy.CopyFrom(item);
    EXPECT_EQ((std::vector<int>{copy.m_nType, copy.m_nPage, copy.m_nFlag, copy.m_x, copy.m_y, static_cast<int>(copy.m_bTemporary)}),
              (std::vector<int>{16, 3, 9, 720, -4000, TEMP_SHOWING}));
}

TEST(TextRoutines, StockFontsFollowThePrintingFlag)
{
    CRecordingDC screen(false), printer(true);
    CStockFonts* s = GetStockFonts(&screen);
    CStockFonts* p = GetStockFonts(&printer);
    EXPECT_EQ((std::vector<int>{s->m_fontLargeBold.LogFont().lfHeight, s->m_fontLargeBold.LogFont().lfWeight,
                                s->m_fontSmall.LogFont().lfHeight, p->m_fontSmall.LogFont().lfHeight,
                                p->m_fontLarge.LogFont().lfHeight, p->m_fontSmallBold.LogFont().lfPitchAndFamily}),
              (std::vector<int>{-200, FW_BOLD, -172, -160, -200, 16}));
    EXPECT_STREQ(p->m_fontSmallBold.LogFont().lfFaceName, "Arial");
}

