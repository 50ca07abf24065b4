#include "framework/core/String.h"
#include "framework/core/File.h"
#include "framework/core/TextEntry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

TEST(CString, FormatKeepsTheHalfSignByte)
{
    CString s;
    s.Format("%d%c", 1, '\xBD');
    ASSERT_EQ(s.GetLength(), 2);
    EXPECT_EQ(static_cast<unsigned char>(s[1]), 0xBD);
    EXPECT_EQ(s.ToUtf8(), "1\xC2\xBD");

    CString padded;
    padded.Format("%-6s|%5.1f|%03d", "Ann", 187.25, 7);
    EXPECT_EQ(padded, "Ann   |187.2|007");

    // Longer than the small buffer of the formatter.
    CString longer;
    longer.Format("%s-%s", std::string(300, 'a').c_str(), std::string(300, 'b').c_str());
    EXPECT_EQ(longer.GetLength(), 601);
    EXPECT_EQ(longer.Right(2), "bb");
}

TEST(CString, ExtractionAndSearchAtTheEdges)
{
    CString s("Smith, John");
    EXPECT_EQ((std::vector<CString>{s.Left(5), s.Left(0), s.Left(99), s.Mid(7), s.Mid(7, 2), s.Mid(50), s.Right(4),
                                    s.SpanExcluding(",")}),
              (std::vector<CString>{"Smith", "", s, "John", "Jo", "", "John", "Smith"}));
    EXPECT_EQ((std::vector<int>{s.Find(','), s.Find(',', 6), s.Find("John"), s.ReverseFind('h'), s.FindOneOf(" ,"), s.GetAt(100)}),
              (std::vector<int>{5, -1, 7, 9, 5, 0}));
}

TEST(CString, ChangesInPlace)
{
    CString s("  Mixed Case\t ");
    s.Trim();
    EXPECT_EQ(s, "Mixed Case");
    s.MakeUpper();
    EXPECT_EQ(s, "MIXED CASE");
    EXPECT_EQ(s.Replace("CASE", "up"), 1);
    EXPECT_EQ(s, "MIXED up");
    EXPECT_EQ(s.Remove('D'), 1);
    s.Insert(0, '>');
    s.Delete(1, 2);
    EXPECT_EQ(s, ">XE up");

    CString latin("\xC9" "cole");  // É in Windows-1252
    latin.MakeLower();
    EXPECT_EQ(latin, "\xE9" "cole");
    EXPECT_EQ(std::make_pair(CString("abc").CompareNoCase("ABD"), CString("\xE9").CompareNoCase("\xC9")), std::make_pair(-1, 0));
}

TEST(CString, Utf8RoundTripOfTheCodePage)
{
    std::string all;
    for (int c = 1; c < 256; ++c)
        all += static_cast<char>(c);
    CString s(all);
    EXPECT_EQ(CString::FromUtf8(s.ToUtf8()), s);
    EXPECT_EQ(CString("\x80").ToUtf8(), "\xE2\x82\xAC");  // the euro sign
    EXPECT_EQ(CString::FromUtf8("\xE4\xB8\xAD"), "?");     // not in the code page
}

TEST(CString, PairsAndTuplesCompareByText)
{
    // Built far apart so that pointer order and text order disagree somewhere.
    std::vector<std::pair<CString, int>> v;
    for (int i = 9; i >= 0; --i) {
        CString name;
        name.Format("Bowler %d", i);
        v.emplace_back(name, i);
    }
    std::sort(v.begin(), v.end());
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(v[static_cast<size_t>(i)].second, i);
    EXPECT_TRUE(std::make_pair(CString("Adams"), 2) < std::make_pair(CString("Baker"), 1));
    EXPECT_TRUE(CString("b") > "a");
}

TEST(TypedText, LettersTheTextCannotHoldBecomeTheirPlainLettersOrAreRefused)
{
    struct Case {
        const char* typed;  // UTF-8, as a person types it
        const char* kept;   // Windows-1252
        const char* changed;
        const char* refused;
    } cases[] = {
        {"M\xC3\xBCller \xE2\x82\xAC" "5 \xC2\xBD", "M\xFCller \x80" "5 \xBD", "", ""},  // all held: ü, €, ½
        {"\xC5\x81\xC3\xB3" "d\xC5\xBA", "L\xF3" "dz", "\xC5\x81 to L, \xC5\xBA to z", ""},      // Łódź
        {"\xC8\x98tefan \xC8\x9A" "ara \xC8\x99", "Stefan Tara s", "\xC8\x98 to S, \xC8\x9A to T, \xC8\x99 to s", ""},
        {"Nguy\xE1\xBB\x85n", "Nguyen", "\xE1\xBB\x85 to e", ""},                        // Nguyễn
        {"Pin \xE4\xB8\xAD Pals \xE2\x9C\x93\xE4\xB8\xAD", "Pin  Pals ", "", "\xE4\xB8\xAD \xE2\x9C\x93"},  // 中 ✓
        {"\xC5\x81\xC5\x81?", "LL?", "\xC5\x81 to L", ""},                                // a typed "?" stays
    };
    for (const Case& c : cases) {
        CTypedText t = AfxTextFromTyped(c.typed);
        EXPECT_EQ((std::vector<std::string>{t.text.str(), t.changed, t.refused}),
                  (std::vector<std::string>{c.kept, c.changed, c.refused}))
            << c.typed;
    }
    // A path is shown the same way, with "?" for what has no letter.
    EXPECT_EQ(AfxPathText("/ligues/\xC5\x81\xC3\xB3" "d\xC5\xBA \xE4\xB8\xAD.lgf"), "/ligues/L\xF3" "dz ?.lgf");
}
