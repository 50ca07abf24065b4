#include "framework/core/Time.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace {

// Day and month names must not follow the machine's locale.
class AnyLocale : public ::testing::TestWithParam<const char*>
{
protected:
    void SetUp() override { setlocale(LC_ALL, GetParam()); }
    void TearDown() override { setlocale(LC_ALL, "C"); }
};

} // namespace

TEST_P(AnyLocale, FormatsTheLeagueDateForms)
{
    const CTime t(2026, 12, 6, 20, 5, 9), noon(2027, 1, 4, 12, 0, 0), midnight(2027, 1, 4, 0, 30, 0);
    EXPECT_EQ((std::vector<CString>{t.Format("%a %d %b %Y"), t.Format("%a %b %d %Y %I:%M %p"), t.Format("%d %b %Y"),
                                    t.Format("%A %#d %B %y, %H:%M:%S %%"), noon.Format("%a %d %b %y at %I:%M %p"),
                                    midnight.Format("%I:%M %p")}),
              (std::vector<CString>{"Sun 06 Dec 2026", "Sun Dec 06 2026 08:05 PM", "06 Dec 2026",
                                    "Sunday 6 December 26, 20:05:09 %", "Mon 04 Jan 27 at 12:00 PM", "12:30 AM"}));
}

INSTANTIATE_TEST_SUITE_P(Locales, AnyLocale, ::testing::Values("C", "de_DE.UTF-8", "fr_FR.UTF-8"));

TEST(CTime, PartsAndArithmetic)
{
    CTime a(2027, 2, 26, 19, 30, 0);
    // a Friday
    EXPECT_EQ((std::vector<int>{a.GetYear(), a.GetMonth(), a.GetDay(), a.GetDayOfWeek()}), (std::vector<int>{2027, 2, 26, 6}));
    CTime b = a + CTimeSpan(7, 0, 0, 0);
    EXPECT_EQ(b.Format("%d %b %Y"), "05 Mar 2027");
    EXPECT_EQ((b - a).GetDays(), 7);
    // Across the change to summer time the wall clock stays put when built from parts.
    setenv("TZ", "Europe/London", 1);
    tzset();
    CTime spring(2027, 3, 26, 19, 30, 0);
    CTime after(2027, 4, 2, 19, 30, 0);
    EXPECT_EQ((after - spring).GetTotalHours(), 7 * 24 - 1);
}

TEST(CTime, StorableRangeEndsIn2038)
{
    EXPECT_EQ((std::vector<bool>{CTime(2038, 1, 18, 0, 0, 0).IsStorable(), CTime(2038, 1, 20, 0, 0, 0).IsStorable(),
                                 CTime::MaxStorable().IsStorable(), (CTime::MaxStorable() + CTimeSpan(1)).IsStorable()}),
              (std::vector<bool>{true, false, true, false}));
}
