#pragma once
// The junior reports as the view sees them (display mode 16). The report items build them; the
// view lays them out, draws, prints and writes them through these hooks, null where the items
// are not part of the program.
#include "framework/core/Core.h"

class CBowlingDoc;
class CStdioFile;

// Makes the document's junior report list again for the report kind chosen (1 admin, 2 detail).
inline void (*g_pfnBuildJuniorReport)(CBowlingDoc* pDoc) = nullptr;
// Juniors > Reports > Fonts: the fonts dialog on the league's junior report settings.
inline void (*g_pfnJuniorReportFonts)(CBowlingDoc* pDoc) = nullptr;
// The junior report list as the body of an HTML page.
inline void (*g_pfnWriteJuniorReportHtml)(CBowlingDoc* pDoc, CStdioFile& file) = nullptr;
