#pragma once
// The exports: the HTML page of the report layout or of the results display, and the
// players' text file.
#include "framework/core/Core.h"

class CBowlingDoc;
class CPlayer;

// The HTML page of the display shown (report layout, mode 7, or results, mode 6). Runs the
// layout's flow first so that every item has its rounds and rows. FALSE with the reason when
// the file cannot be written or the display has no page.
BOOL WriteHtmlReport(CBowlingDoc* pDoc, const char* pszPath, CString& strError);
// The same into an open file.
void WriteHtmlReport(CBowlingDoc* pDoc, CStdioFile& file);
// Which displays have an HTML page.
BOOL HasHtmlReport(int nDisplayMode);

// The players' text file: one line per real bowler in list order, the chosen fields separated
// by commas, each in double quotes when bDoubleQuotes (a field holding a comma or a quote is
// always quoted), lines ended by CR LF.
constexpr int EXPORT_FIELD_COUNT = 33;
constexpr int EXPORT_DATABASE_FIELD_COUNT = 21;
extern const char* const g_szExportFieldNames[EXPORT_FIELD_COUNT];
CString GetPlayerExportField(const CBowlingDoc* pDoc, const CPlayer* pPlayer, int nField);
BOOL WritePlayersExport(const CBowlingDoc* pDoc, const char* pszPath, const int* pFields, int nFields,
                        BOOL bDoubleQuotes, CString& strError);
// The player database's text file: the chosen fields of every record, in surname order; only
// the record's own fields (those below EXPORT_DATABASE_FIELD_COUNT) are written, others empty.
// A database that cannot be reached (tried again when lost) leaves the file untouched: FALSE.
BOOL WriteDatabaseExport(CBowlingDoc* pDoc, const char* pszPath, const int* pFields, int nFields,
                         BOOL bDoubleQuotes, CString& strError);
