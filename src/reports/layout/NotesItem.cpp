#include "reports/layout/NotesItem.h"

#include "league/BowlingDoc.h"
#include "reports/layout/ItemFont.h"
#include "reports/layout/SecretaryNoteDlg.h"

IMPLEMENT_SERIAL(CRepItem_Notes, CRepItem, 1)

namespace {
constexpr int kTitleExtra = 5;
constexpr int kBodyExtra = 10;
} // namespace

CRepItem_Notes::CRepItem_Notes()
    : m_nTitleAlign(ALIGN_LEFT), m_strTitle("Title"), m_strBody("Text body."), m_bBodyCentred(0)
{
    m_nType = RIT_NOTES;
    m_nPage = 1;
}

void CRepItem_Notes::Serialize(CArchive& ar)
{
    CRepItem::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_strTitle << m_strBody;
        if (CBowlingDoc::GetFileVersion() > 35) {
            BYTE b = static_cast<BYTE>((m_nTitleAlign & 0x7F) | (m_bBodyCentred ? 0x80 : 0));
            ar << b;
            m_fontHeading.Serialize(ar);
            m_fontBody.Serialize(ar);
        }
    } else {
        ar >> m_strTitle >> m_strBody;
        if (CBowlingDoc::GetFileVersion() > 35) {
            BYTE b = 0;
            ar >> b;
            m_nTitleAlign = static_cast<BYTE>(b & 0x7F);
            m_bBodyCentred = (b & 0x80) ? 1 : 0;
            m_fontHeading.Serialize(ar);
            m_fontBody.Serialize(ar);
        } else {
            m_nTitleAlign = ALIGN_LEFT;
            m_bBodyCentred = 0;
            m_fontHeading = CFontData();
            m_fontBody = CFontData();
        }
    }
}

void CRepItem_Notes::CopyNote(const CRepItem_Notes& other)
{
    m_nTitleAlign = other.m_nTitleAlign;
    m_bBodyCentred = other.m_bBodyCentred;
    m_strTitle = other.m_strTitle;
    m_strBody = other.m_strBody;
    m_fontHeading.CopyFrom(other.m_fontHeading);
    m_fontBody.CopyFrom(other.m_fontBody);
}

void CRepItem_Notes::CopyFrom(const CRepItem& other)
{
    CRepItem::CopyFrom(other);
    if (const auto* p = dynamic_cast<const CRepItem_Notes*>(&other))
        CopyNote(*p);
}

void CRepItem_Notes::ApplyDefaultFonts()
{
    CopyDefaultFont(m_pDoc, HEADING_FONT, m_fontHeading);
    CopyDefaultFont(m_pDoc, BODY_FONT, m_fontBody);
}

std::vector<CString> CRepItem_Notes::SplitParagraphs(const CString& body)
{
    std::vector<CString> paragraphs;
    CString rest = body;
    for (;;) {
        int nCR = rest.Find('\r');
        if (nCR < 0) {
            paragraphs.push_back(rest);
            break;
        }
        paragraphs.push_back(rest.Left(nCR));
        // The line feed after the carriage return, when there is one.
        int nNext = nCR + 1;
        if (nNext < rest.GetLength() && rest[nNext] == '\n')
            ++nNext;
        rest = rest.Mid(nNext);
        if (rest.GetLength() < 3) {
            // A short last paragraph ("OK", initials) is shown; a trailing break adds nothing.
            CString tail = rest;
            tail.Remove('\r');
            tail.Remove('\n');
            if (!tail.IsEmpty())
                paragraphs.push_back(tail);
            break;
        }
    }
    return paragraphs;
}

int CRepItem_Notes::GetHeight(CDC* pDC)
{
    EnsureLineHeight(pDC, m_fontHeading);
    EnsureLineHeight(pDC, m_fontBody);
    int h = m_strTitle.IsEmpty() ? 0 : m_fontHeading.GetLineHeight(kTitleExtra);
    int nLine = m_fontBody.GetLineHeight(kBodyExtra);
    // The lines are counted in the body's own font.
    CItemDrawState state(pDC);
    CFont font;
    if (CreateItemFont(font, m_fontBody, nullptr))
        pDC->SelectObject(&font);
    for (const CString& para : SplitParagraphs(m_strBody)) {
        CPoint pt(PAGE_LEFT, 0);
        h += CountWrappedLines(pDC, &pt, para, PAGE_RIGHT, nLine) * nLine;
    }
    return h;
}

void CRepItem_Notes::Draw(CDC* pDC, const CPageInfo* /*pInfo*/)
{
    CItemDrawState state(pDC);
    int y = m_y;
    CFont fontHeading;
    if (!m_strTitle.IsEmpty()) {
        EnsureLineHeight(pDC, m_fontHeading);
        CreateItemFont(fontHeading, m_fontHeading, "System Error - Failed to create Hddr font in ri_notes");
        pDC->SelectObject(&fontHeading);
        pDC->SetTextColor(m_fontHeading.m_crColour);
        CPoint pt(PAGE_LEFT, y);
        if (m_nTitleAlign == ALIGN_CENTRE) {
            pt.x = PAGE_CENTRE - pDC->GetTextExtent(m_strTitle).cx / 2;
            DrawTextClipped(pDC, &pt, m_strTitle, 0);
        } else if (m_nTitleAlign == ALIGN_RIGHT) {
            pt.x = PAGE_RIGHT;
            DrawTextRightAligned(pDC, &pt, m_strTitle, 0);
        } else {
            DrawTextClipped(pDC, &pt, m_strTitle, 0);
        }
        y += m_fontHeading.GetLineHeight(kTitleExtra);
    }
    if (m_strBody.IsEmpty())
        return;
    EnsureLineHeight(pDC, m_fontBody);
    CFont fontBody;
    CreateItemFont(fontBody, m_fontBody, "System Error - Failed to create Body font in ri_notes");
    pDC->SelectObject(&fontBody);
    pDC->SetTextColor(m_fontBody.m_crColour);
    int nLine = m_fontBody.GetLineHeight(kBodyExtra);
    for (const CString& para : SplitParagraphs(m_strBody)) {
        CPoint pt(PAGE_LEFT, y);
        int nLines = m_bBodyCentred ? DrawWrappedTextCentred(pDC, &pt, para, PAGE_RIGHT, nLine)
                                    : DrawWrappedText(pDC, &pt, para, PAGE_RIGHT, nLine);
        y += nLines * nLine;
    }
}

void CRepItem_Notes::WriteHtml(CStdioFile& file)
{
    file.WriteString("<P>");
    if (m_nTitleAlign == ALIGN_CENTRE)
        HtmlDivCentre(&file, &m_fontHeading, m_strTitle);
    else if (m_nTitleAlign == ALIGN_RIGHT)
        HtmlDivRight(&file, &m_fontHeading, m_strTitle);
    else
        HtmlDivLeft(&file, &m_fontHeading, m_strTitle);
    file.WriteString("</P>");
    for (const CString& para : SplitParagraphs(m_strBody)) {
        file.WriteString("<BR>");
        HtmlDivLeft(&file, &m_fontBody, para);
    }
    file.WriteString("<BR>");
}

void CRepItem_Notes::Edit()
{
    CRepItem_Notes saved;
    saved.CopyNote(*this);
    CSecretaryNoteDlg dlg(this);
    if (dlg.DoModal() != IDOK)
        CopyNote(saved);
}
