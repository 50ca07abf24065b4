#pragma once
// The secretary's notes: a title line in its own font and alignment, then paragraphs
// word-wrapped to the page in the body font, left-aligned or centred.
#include "league/FontData.h"
#include "view/RepItem.h"

#include <vector>

class CRepItem_Notes : public CRepItem
{
    DECLARE_SERIAL(CRepItem_Notes)
public:
    enum { ALIGN_LEFT = 0, ALIGN_CENTRE = 1, ALIGN_RIGHT = 2 };
    // The default fonts of a new note: heading and body.
    static constexpr int HEADING_FONT = 26;
    static constexpr int BODY_FONT = 27;

    CRepItem_Notes();
    // Type, title, body; from version 36 on also the alignment byte (bit 7: body centred)
    // and the two fonts.
    void Serialize(CArchive& ar) override;
    void CopyFrom(const CRepItem& other) override;
    CString GetName() const override { return "Secretary's Notes"; }
    int GetHeight(CDC* pDC) override;
    void WriteHtml(CStdioFile& file) override;
    void Draw(CDC* pDC, const CPageInfo* pInfo) override;
    // The Secretary's Note dialog; Cancel leaves the note as it was, fonts included.
    void Edit() override;
    void ApplyDefaultFonts() override;

    // The body's paragraphs: split at each carriage return and line feed; a break at the end
    // of the body makes no empty paragraph.
    static std::vector<CString> SplitParagraphs(const CString& body);

    BYTE m_nTitleAlign;
    CString m_strTitle;
    CString m_strBody;
    CFontData m_fontHeading;
    CFontData m_fontBody;
    DWORD m_bBodyCentred;

private:
    void CopyNote(const CRepItem_Notes& other);
};
