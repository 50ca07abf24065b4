#pragma once
// The junior reports (display mode 16), made of text lines in the document's junior report
// list: the admin report (every junior with age figure, name, birthday and category) and the
// detail report (each category's best juniors in up to four high-score tables). Never stored.
#include "framework/core/Core.h"

#include <vector>

class CBowlingDoc;
class CPlayer;
class CStdioFile;

// Deletes the list's items and builds the report of the kind chosen (1 admin, 2 detail).
void BuildJuniorReport(CBowlingDoc* pDoc);
// Numbers the juniors of the admin report (1, 2, ... in each bowler's junior report position,
// 0 for everybody else) by age or by name, as the league's setting says; returns them in order.
std::vector<CPlayer*> NumberJuniors(CBowlingDoc* pDoc);
// The report as the body of an HTML page: its titles as divisions, its columns as tables.
void WriteJuniorReportHtml(CBowlingDoc* pDoc, CStdioFile& file);
// Juniors > Reports > Fonts: the fonts dialog on the league's settings; the league is marked
// modified and the report made again in its new fonts.
void JuniorReportFonts(CBowlingDoc* pDoc);
