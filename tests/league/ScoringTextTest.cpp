// The texts of league points: half points, hundredths and the parse of a decimal text.
#include "league/BowlingDoc.h"
#include "league/PointsText.h"

#include <gtest/gtest.h>

namespace {

const CString Half(const char* psz) { return CString(psz); }

} // namespace

TEST(ScoringText, HalfPointsCarryTheHalfSignOrABlank)
{
    EXPECT_EQ(FormatHalfPoints(3), Half("1\xBD"));
    EXPECT_EQ(FormatHalfPoints(1), Half(" \xBD"));
    EXPECT_EQ(FormatHalfPoints(4), Half("2 "));
    EXPECT_EQ(FormatHalfPoints(0), Half("0 "));
    EXPECT_EQ(FormatHalfPoints(20), Half("10 "));
    EXPECT_EQ(FormatHalfPoints(251), Half("125\xBD"));
}

TEST(ScoringText, NegativeHalfPointsKeepSignAndHalf)
{
    EXPECT_EQ(FormatHalfPoints(-1), Half("-\xBD"));
    EXPECT_EQ(FormatHalfPoints(-3), Half("-1\xBD"));
    EXPECT_EQ(FormatHalfPoints(-4), Half("-2 "));
    char sz[POINTS_TEXT_SIZE];
    FormatSignedHalfPoints(-1, sz);
    EXPECT_STREQ(sz, "-\xBD");
    FormatSignedHalfPoints(1, sz);
    EXPECT_STREQ(sz, " \xBD");
}

TEST(ScoringText, AnalysisGridLeavesZeroEmpty)
{
    CString s("x");
    FormatHalfPointsString(0, s);
    EXPECT_TRUE(s.IsEmpty());
    FormatHalfPointsString(5, s);
    EXPECT_EQ(s, Half("2\xBD"));
}

TEST(ScoringText, HundredthsShowTwoDecimalsAndTheSign)
{
    EXPECT_EQ(FormatHundredths(1234), Half("12.34"));
    EXPECT_EQ(FormatHundredths(5), Half("0.05"));
    EXPECT_EQ(FormatHundredths(-50), Half("-0.50"));
    EXPECT_EQ(FormatHundredths(-150), Half("-1.50"));
    EXPECT_EQ(FormatHundredths(0), Half("0.00"));
}

TEST(ScoringText, ReportFormattersFollowThePinfallSwitches)
{
    CBowlingDoc doc;
    doc.m_bHandicapLeague = 1;
    doc.m_bScratchLeague = 1;
    char sz[POINTS_TEXT_SIZE];

    FormatPoints(&doc, 3, sz);
    EXPECT_STREQ(sz, "1\xBD");
    FormatScratchPoints(&doc, 3, sz);
    EXPECT_STREQ(sz, "1\xBD");

    // Pinfall points in the handicap system only: the handicap figures are hundredths, and in
    // a league of both systems the scratch figures are read the same way.
    doc.m_Petersen.m_bHandicap = 1;
    FormatPoints(&doc, 1234, sz);
    EXPECT_STREQ(sz, "12.34");
    FormatHandicapPoints(&doc, 1234, sz);
    EXPECT_STREQ(sz, "12.34");
    FormatScratchPoints(&doc, 1234, sz);
    EXPECT_STREQ(sz, "12.34");

    // A handicap-only league keeps its scratch figures in half points.
    doc.m_bScratchLeague = 0;
    FormatScratchPoints(&doc, 3, sz);
    EXPECT_STREQ(sz, "1\xBD");
    EXPECT_EQ(FormatPassPoints(&doc, PASS_HANDICAP, -50), Half("-0.50"));
    EXPECT_EQ(FormatPassPoints(nullptr, PASS_HANDICAP, 3), Half("1\xBD"));
}

TEST(ScoringText, ParsePointsHundredths)
{
    EXPECT_EQ(ParsePointsHundredths("1.5"), 150);
    EXPECT_EQ(ParsePointsHundredths("2"), 200);
    EXPECT_EQ(ParsePointsHundredths(".25"), 25);
    EXPECT_EQ(ParsePointsHundredths("1.234"), 123);
    EXPECT_EQ(ParsePointsHundredths("0.05"), 5);
    EXPECT_EQ(ParsePointsHundredths("-1.5"), -150);
    EXPECT_EQ(ParsePointsHundredths("-.5"), -50);
    EXPECT_EQ(ParsePointsHundredths("  7"), 700);
    EXPECT_EQ(ParsePointsHundredths("abc"), 0);
    EXPECT_EQ(ParsePointsHundredths(""), 0);
    EXPECT_EQ(ParsePointsHundredths("3x"), 300);
    EXPECT_EQ(ParsePointsHundredths("99999999999"), 2147483647);
    // Round trip with the hundredths text.
    for (long v : {0L, 5L, 150L, 1234L, -50L, -1234L})
        EXPECT_EQ(ParsePointsHundredths(FormatHundredths(v)), v);
}
