#include "league/PointsText.h"

#include "league/BowlingDoc.h"

#include <climits>
#include <cstdio>
#include <cstdlib>

void FormatHalfPoints(long nHalfPoints, char* pszOut)
{
    // Work on the magnitude: "%d" of a truncated negative half would lose the sign (-1 / 2 is 0).
    const bool bNegative = nHalfPoints < 0;
    const unsigned long nAbs = bNegative ? 0ul - static_cast<unsigned long>(nHalfPoints)
                                         : static_cast<unsigned long>(nHalfPoints);
    const unsigned long nWhole = nAbs / 2;
    const char chHalf = (nAbs & 1) ? HALF_SIGN : ' ';
    if (nAbs == 1)
        std::snprintf(pszOut, POINTS_TEXT_SIZE, "%s%c", bNegative ? "-" : " ", chHalf);
    else
        std::snprintf(pszOut, POINTS_TEXT_SIZE, "%s%lu%c", bNegative ? "-" : "", nWhole, chHalf);
}

CString FormatHalfPoints(long nHalfPoints)
{
    char sz[POINTS_TEXT_SIZE];
    FormatHalfPoints(nHalfPoints, sz);
    return CString(sz);
}

void FormatSignedHalfPoints(long nHalfPoints, char* pszOut)
{
    FormatHalfPoints(nHalfPoints, pszOut);
}

void FormatHalfPointsString(int nHalfPoints, CString& strText)
{
    strText = nHalfPoints == 0 ? CString() : FormatHalfPoints(nHalfPoints);
}

void FormatHundredths(long nHundredths, char* pszOut)
{
    const bool bNegative = nHundredths < 0;
    const unsigned long nAbs = bNegative ? 0ul - static_cast<unsigned long>(nHundredths)
                                         : static_cast<unsigned long>(nHundredths);
    std::snprintf(pszOut, POINTS_TEXT_SIZE, "%s%lu.%02lu", bNegative ? "-" : "", nAbs / 100, nAbs % 100);
}

CString FormatHundredths(long nHundredths)
{
    char sz[POINTS_TEXT_SIZE];
    FormatHundredths(nHundredths, sz);
    return CString(sz);
}

void FormatPoints(const CBowlingDoc* pDoc, long nValue, char* pszOut)
{
    if (pDoc && (pDoc->m_Petersen.m_bScratch || pDoc->m_Petersen.m_bHandicap))
        FormatHundredths(nValue, pszOut);
    else
        FormatHalfPoints(nValue, pszOut);
}

void FormatScratchPoints(const CBowlingDoc* pDoc, long nValue, char* pszOut)
{
    if (pDoc && (pDoc->m_Petersen.m_bScratch || (pDoc->HasBothScoringSystems() && pDoc->m_Petersen.m_bHandicap)))
        FormatHundredths(nValue, pszOut);
    else
        FormatHalfPoints(nValue, pszOut);
}

void FormatHandicapPoints(const CBowlingDoc* pDoc, long nValue, char* pszOut)
{
    if (pDoc && (pDoc->m_Petersen.m_bHandicap || (pDoc->HasBothScoringSystems() && pDoc->m_Petersen.m_bScratch)))
        FormatHundredths(nValue, pszOut);
    else
        FormatHalfPoints(nValue, pszOut);
}

CString FormatPassPoints(const CBowlingDoc* pDoc, int nPass, long nValue)
{
    char sz[POINTS_TEXT_SIZE];
    if (nPass == PASS_HANDICAP)
        FormatHandicapPoints(pDoc, nValue, sz);
    else
        FormatScratchPoints(pDoc, nValue, sz);
    return CString(sz);
}

namespace {

// The leading digits of p as a number (saturating), and where they end.
long long LeadingDigits(const char*& p)
{
    long long n = 0;
    while (*p >= '0' && *p <= '9') {
        if (n < 100000000000LL)
            n = n * 10 + (*p - '0');
        ++p;
    }
    return n;
}

} // namespace

LONG ParsePointsHundredths(const CString& strText)
{
    const char* p = strText;
    while (*p == ' ' || *p == '\t')
        ++p;
    bool bNegative = false;
    if (*p == '-' || *p == '+') {
        bNegative = *p == '-';
        ++p;
    }
    long long n = LeadingDigits(p) * 100;
    if (*p == '.') {
        ++p;
        // Two places; one digit counts as tenths.
        if (*p >= '0' && *p <= '9') {
            n += (*p - '0') * 10;
            ++p;
            if (*p >= '0' && *p <= '9')
                n += *p - '0';
        }
    }
    if (bNegative)
        n = -n;
    if (n > INT_MAX)
        return INT_MAX;
    if (n < INT_MIN)
        return INT_MIN;
    return static_cast<LONG>(n);
}
