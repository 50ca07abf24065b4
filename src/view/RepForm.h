#pragma once
// CRepForm: a named report layout, the ordered list of its items (owned) and the title font.
// Only items whose temporary flag is 0 are stored; the flows add and remove the others.
#include "framework/core/Core.h"
#include "league/FontData.h"
#include "view/RepItem.h"

class CBowlingDoc;

class CRepForm : public CObject
{
    DECLARE_SERIAL(CRepForm)
public:
    CRepForm();
    ~CRepForm() override;
    CRepForm(const CRepForm&) = delete;
    CRepForm& operator=(const CRepForm&) = delete;

    // Stored: title, title font, the count of stored items and each item by class name.
    // Loading gives every item the archive's document; an item class that this program does
    // not hold ends the read with a message naming the layout and the item, and, read within
    // ReadNamingDamagedFont (a league, a layout file), a font whose damaged name length put the
    // read out of step ends it naming that font.
    void Serialize(CArchive& ar) override;

    // Replaces the items by copies of the other layout's stored items, each made through its
    // own class, and copies the title and its font.
    void CopyFrom(const CRepForm& other);

    void AddItem(CRepItem* pItem) { m_listItems.AddTail(pItem); }
    void DeleteItems();
    void DeleteTemporaryItems();
    int CountStoredItems() const;
    CRepItem* GetItem(POSITION& pos) const;
    // The layout as stored, for comparisons.
    std::vector<BYTE> GetStoredBytes() const;

    CString m_strTitle;      // "UnTitled"
    CFontData m_fontTitle;   // set by the editor's Font button; used by the officers item
    CObList m_listItems;     // CRepItem, owned
};

// Report layout files (".rep"): the file version byte, then the layout as in the league file.
// Export writes the stored items only; import gives back a new layout, or null with the reason.
// A layout whose damage the read mended comes with the notice that says what was mended (empty
// when nothing was); the secretary keeps the mends by saving the league it joins.
BOOL ExportRepForm(const CRepForm& form, const char* pszPath, CString& strError);
CRepForm* ImportRepForm(const char* pszPath, CBowlingDoc* pDoc, CString& strError, CString& strNotice);

// A file name from a title: the title and the extension, or the fallback name when the title
// is empty or holds a character that cannot stand in a file name.
CString SuggestFileName(const CString& strTitle, const char* pszExt, const char* pszFallback);
