// The texts of league points: half points, hundredths and the parse of a decimal text.
#include "league/BowlingDoc.h"
#include "league/PointsText.h"

#include <gtest/gtest.h>

namespace {

const CString Half(const char* psz) { return CString(psz); }

} // namespace

TEST(ScoringText, HalfPointsCarryTheHalfSignOrABlank)
{
    // Negative ones keep the sign and the half.
    const struct { int n; const char* psz; } cases[] = {{3, "1\xBD"}, {1, " \xBD"}, {4, "2 "}, {0, "0 "}, {20, "10 "},
                                                     {251, "125\xBD"}, {-1, "-\xBD"}, {-3, "-1\xBD"}, {-4, "-2 "}};
    for (const auto& c : cases)
        EXPECT_EQ(FormatHalfPoints(c.n), Half(c.psz)) << c.n;
}

TEST(ScoringText, SignedHalfPoints)
{
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
    const struct {
        long n;
        const char* psz;
    } cases[] = {{1234, "12.34"}, {5, "0.05"}, {-50, "-0.50"}, {-150, "-1.50"}, {0, "0.00"}};
    for (const auto& c : cases)
        EXPECT_EQ(FormatHundredths(c.n), Half(c.psz)) << c.n;
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
    const struct { const char* psz; long n; } cases[] = {
        {"1.5", 150}, {"2", 200}, {".25", 25}, {"1.234", 123}, {"0.05", 5},  {"-1.5", -150},
        {"-.5", -50}, {"  7", 700}, {"abc", 0}, {"", 0},        {"3x", 300}, {"99999999999", 2147483647}};
    for (const auto& c : cases)
        EXPECT_EQ(ParsePointsHundredths(c.psz), c.n) << c.psz;
    // Round trip with the hundredths text.
    for (long v : {0L, 5L, 150L, 1234L, -50L, -1234L})
        EXPECT_EQ(ParsePointsHundredths(FormatHundredths(v)), v);
}
