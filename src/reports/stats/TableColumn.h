#pragma once
// What a column of the custom standings table and one of the custom player table have in
// common: the settings the league file keeps of it and its HTML cell.
#include "league/FontData.h"
#include "view/RepItem.h"

// Type, title, justification and width, in the order the file keeps them.
inline void SerializeTableColumn(CArchive& ar, BYTE& nColumnType, CString& strTitle, BYTE& nJustify, WORD& nWidth)
{
    if (ar.IsStoring())
        ar << nColumnType << strTitle << nJustify << nWidth;
    else
        ar >> nColumnType >> strTitle >> nJustify >> nWidth;
}

// nJustify as both column classes number it: 0 left, 1 centre, 2 right.
inline void WriteJustifiedHtmlCell(CStdioFile& file, const CFontData& font, const CString& text, BYTE nJustify)
{
    if (nJustify == 1)
        CRepItem::HtmlCellCentre(&file, &font, text);
    else if (nJustify == 2)
        CRepItem::HtmlCellRight(&file, &font, text);
    else
        CRepItem::HtmlCellLeft(&file, &font, text);
}
