#pragma once
// The page structure of a report: the page heading, a one-line title and the page break.
#include "view/RepItem.h"

// The heading at the top of every page: report title, league name, the program's name, the
// page number and the league's sanction. Its record is the type byte alone.
class CRepItem_Heading : public CRepItem
{
    DECLARE_SERIAL(CRepItem_Heading)
public:
    CRepItem_Heading();
    CString GetName() const override { return "League Heading"; }
    int GetHeight(CDC* pDC) override;
    void Draw(CDC* pDC, const CPageInfo* pInfo) override;

    // Entry 50 of the default fonts, the "Page 1 Title" font.
    static constexpr int PAGE1_TITLE_FONT = 50;
};

// One line in the report-title font: the title centred, the league name on the left, the
// program's name on the right. Made by the by-team fixture list; never stored.
class CRepItem_Title : public CRepItem
{
    DECLARE_SERIAL(CRepItem_Title)
public:
    CRepItem_Title();
    void CopyFrom(const CRepItem& other) override;
    int GetHeight(CDC* pDC) override;
    void Draw(CDC* pDC, const CPageInfo* pInfo) override;

    CString m_strTitle;
};

// A page break: taller than a page, so a new page always follows; draws nothing.
class CRepItem_Page : public CRepItem
{
    DECLARE_SERIAL(CRepItem_Page)
public:
    CRepItem_Page();
    CString GetName() const override { return "New Page"; }
    int GetHeight(CDC* pDC) override;
};
