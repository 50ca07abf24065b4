#pragma once
// The texts of league points. Points are half points (two units to a point), or hundredths of
// a point while pinfall points are on for a system. The half sign is 0xBD (Windows-1252).
//
// The char* forms write at most POINTS_TEXT_SIZE bytes, the terminating zero included.
#include "framework/core/String.h"
#include "framework/core/Types.h"

class CBowlingDoc;

constexpr int POINTS_TEXT_SIZE = 24;
constexpr char HALF_SIGN = '\xBD';

// "%d" of the whole points and the half sign when odd, a blank when even: 3 "1½", 4 "2 ",
// 0 "0 ". Half a point alone reads " ½"; a negative value keeps its sign and half: -1 "-½",
// -3 "-1½".
void FormatHalfPoints(long nHalfPoints, char* pszOut);
CString FormatHalfPoints(long nHalfPoints);
// The same text; the name the report items use.
void FormatSignedHalfPoints(long nHalfPoints, char* pszOut);
// The points analysis grid's variant: 0 is an empty cell, anything else as FormatHalfPoints.
void FormatHalfPointsString(int nHalfPoints, CString& strText);
// Hundredths with two decimals: 1234 "12.34", -50 "-0.50".
void FormatHundredths(long nHundredths, char* pszOut);
CString FormatHundredths(long nHundredths);

// The report items' points texts (their CRepItem members call these). FormatPoints uses
// hundredths while either system has pinfall points; FormatScratchPoints while the scratch
// system has them, or the handicap system has them in a league of both systems;
// FormatHandicapPoints the same with the systems exchanged. A null document means half points.
void FormatPoints(const CBowlingDoc* pDoc, long nValue, char* pszOut);
void FormatScratchPoints(const CBowlingDoc* pDoc, long nValue, char* pszOut);
void FormatHandicapPoints(const CBowlingDoc* pDoc, long nValue, char* pszOut);
// The match points of one pass (0 scratch, 1 handicap) in that pass's unit.
CString FormatPassPoints(const CBowlingDoc* pDoc, int nPass, long nValue);

// A decimal text as hundredths: "1.5" 150, "2" 200, ".25" 25, "1.234" 123, "-1.5" -150.
// Leading blanks are skipped; text that is no number reads 0; the result is clamped to 32 bits.
LONG ParsePointsHundredths(const CString& strText);
