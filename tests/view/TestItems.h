#pragma once
// Report items for the view's tests: a block of a given height that draws its text and a box,
// takes rounds, and can add temporary rows behind itself.
#include "view/RepItem.h"

class CTestBlockItem : public CRepItem
{
    DECLARE_SERIAL(CTestBlockItem)
public:
    CTestBlockItem() : CTestBlockItem(RIT_NOTES, -1000, "") {}
    CTestBlockItem(int nType, int nHeight, const char* pszText)
        : m_nHeight(nHeight), m_strText(pszText)
    {
        m_nType = static_cast<BYTE>(nType);
    }

    void Serialize(CArchive& ar) override
    {
        CRepItem::Serialize(ar);
        if (ar.IsStoring())
            ar << m_nHeight << m_strText << m_nRows;
        else
            ar >> m_nHeight >> m_strText >> m_nRows;
    }
    void CopyFrom(const CRepItem& other) override
    {
        CRepItem::CopyFrom(other);
        if (other.IsKindOf(RUNTIME_CLASS(CTestBlockItem))) {
            const auto& o = static_cast<const CTestBlockItem&>(other);
            m_nHeight = o.m_nHeight;
            m_strText = o.m_strText;
            m_nRows = o.m_nRows;
            m_bHandicap = o.m_bHandicap;
        }
    }
    int GetHeight(CDC*) override { return m_nHeight; }
    void Draw(CDC* pDC, const CPageInfo*) override
    {
        CPoint pt(m_x, m_y);
        DrawTextClipped(pDC, &pt, m_strText, 0);
        DrawLineOrBox(pDC, m_x, m_y, PAGE_RIGHT - PAGE_LEFT, -m_nHeight - 60);
    }
    void WriteHtml(CStdioFile& file) override
    {
        CString s;
        s.Format("<p>%s</p>\n", HtmlEscape(m_strText).GetString());
        file.WriteString(s);
    }
    void SetRound(int nRound) override { m_nRound = nRound; }
    BOOL UsesHandicapPoints() const override { return m_bHandicap; }
    void Expand(CObList& list) override
    {
        for (int i = 0; i < m_nRows; ++i) {
            CString text;
            text.Format("%s row %d", m_strText.GetString(), i + 1);
            // Left stored on purpose: the preparation must mark rows temporary itself.
            list.AddTail(new CTestBlockItem(m_nType, -300, text));
        }
    }

    int m_nHeight;
    CString m_strText;
    int m_nRows = 0;
    int m_nRound = -1;
    BOOL m_bHandicap = FALSE;
};
