#include "view/RepForm.h"

#include "league/BowlingDoc.h"
#include "league/FileCheck.h"
#include "league/FontData.h"
#include "view/RepItem.h"

#include <memory>

IMPLEMENT_SERIAL(CRepForm, CObject, 1)

CRepForm::CRepForm() : m_strTitle("UnTitled") {}

CRepForm::~CRepForm()
{
    DeleteItems();
}

void CRepForm::DeleteItems()
{
    POSITION pos = m_listItems.GetHeadPosition();
    while (pos)
        delete m_listItems.GetNext(pos);
    m_listItems.RemoveAll();
}

void CRepForm::DeleteTemporaryItems()
{
    POSITION pos = m_listItems.GetHeadPosition();
    while (pos) {
        POSITION here = pos;
        CRepItem* pItem = GetItem(pos);
        if (pItem->IsTemporary()) {
            m_listItems.RemoveAt(here);
            delete pItem;
        }
    }
}

CRepItem* CRepForm::GetItem(POSITION& pos) const
{
    return static_cast<CRepItem*>(m_listItems.GetNext(pos));
}

int CRepForm::CountStoredItems() const
{
    int n = 0;
    for (POSITION pos = m_listItems.GetHeadPosition(); pos;)
        if (!GetItem(pos)->IsTemporary())
            ++n;
    return n;
}

namespace {

// The name a person knows an item class by: its type name, or the class name without its
// prefix.
CString DescribeItemClass(const RepItemClassInfo& info)
{
    if (info.nType >= RIT_STANDINGS && info.nType <= RIT_LAST_PLACEABLE)
        return CRepItem::GetTypeName(info.nType);
    if (info.nType == RIT_HEADING)
        return "League Heading";
    CString name = info.pszClassName;
    return name.Mid(9);
}

} // namespace

void CRepForm::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << m_strTitle;
        m_fontTitle.Serialize(ar);
        ar.WriteCount(static_cast<DWORD>(CountStoredItems()));
        for (POSITION pos = m_listItems.GetHeadPosition(); pos;) {
            CRepItem* pItem = GetItem(pos);
            if (!pItem->IsTemporary())
                ar.WriteObject(pItem);
        }
        return;
    }

    DeleteItems();
    ar >> m_strTitle;
    // A mended or refused font names its layout and item.
    CString place = GetReadPlace();
    place = place.IsEmpty() ? "report layout \"" + m_strTitle + "\"" : place + " (\"" + m_strTitle + "\")";
    SerializeFontAt(ar, m_fontTitle, place + ", its title");
    CBowlingDoc* pDoc = (ar.m_pDocument && ar.m_pDocument->IsKindOf(RUNTIME_CLASS(CBowlingDoc)) ? static_cast<CBowlingDoc*>(ar.m_pDocument) : nullptr);
    // Every stored object takes at least its two-byte tag.
    DWORD nCount = ar.ReadCount(2);
    for (DWORD i = 0; i < nCount; ++i) {
        CObject* pOb = nullptr;
        CString item;
        item.Format("%s, item %u", place.GetString(), i + 1);
        SetReadPlace(item);
        try {
            pOb = ar.ReadOwnedObject(RUNTIME_CLASS(CRepItem));
        } catch (const CArchiveException& e) {
            if (e.m_cause != CArchiveException::badClass)
                throw;
            int nClasses = 0;
            const RepItemClassInfo* pTable = GetRepItemClassTable(&nClasses);
            for (int c = 0; c < nClasses; ++c) {
                CString quoted;
                quoted.Format("\"%s\"", pTable[c].pszClassName);
                if (e.m_strReason.Find(quoted) >= 0) {
                    CString reason;
                    reason.Format("The report layout \"%s\" holds a \"%s\" item, which this version of the "
                                  "program cannot read.",
                                  m_strTitle.GetString(), DescribeItemClass(pTable[c]).GetString());
                    throw CArchiveException(CArchiveException::badClass, reason);
                }
            }
            throw;
        }
        CRepItem* pItem = static_cast<CRepItem*>(pOb);
        if (!pItem)
            CArchive::ThrowCorrupt("A report layout in the file holds an empty item.");
        // A shared object would be owned twice; the layouts never write one.
        if (m_listItems.Find(pItem))
            CArchive::ThrowCorrupt("A report layout in the file holds the same item twice.");
        pItem->m_pDoc = pDoc;
        pItem->m_bTemporary = TEMP_STORED;
        m_listItems.AddTail(pItem);
    }
    SetReadPlace(CString());
}

void CRepForm::CopyFrom(const CRepForm& other)
{
    if (&other == this)
        return;
    DeleteItems();
    m_strTitle = other.m_strTitle;
    m_fontTitle.CopyFrom(other.m_fontTitle);
    for (POSITION pos = other.m_listItems.GetHeadPosition(); pos;) {
        const CRepItem* pSource = other.GetItem(pos);
        if (pSource->IsTemporary())
            continue;
        if (CRepItem* pCopy = pSource->Clone())
            m_listItems.AddTail(pCopy);
    }
}

std::vector<BYTE> CRepForm::GetStoredBytes() const
{
    std::vector<BYTE> bytes;
    CArchive ar(&bytes, CArchive::store);
    ar.SetFileVersion(LEAGUE_FILE_VERSION);
    const_cast<CRepForm*>(this)->Serialize(ar);
    ar.Close();
    return bytes;
}

// --- report layout files ------------------------------------------------------------------

BOOL ExportRepForm(const CRepForm& form, const char* pszPath, CString& strError)
{
    std::vector<BYTE> bytes;
    try {
        BYTE nOldVersion = CBowlingDoc::GetFileVersion();
        CBowlingDoc::SetFileVersion(LEAGUE_FILE_VERSION);
        CArchive ar(&bytes, CArchive::store);
        ar.SetFileVersion(LEAGUE_FILE_VERSION);
        ar << LEAGUE_FILE_VERSION;
        try {
            ar.WriteObject(&form);
        } catch (...) {
            CBowlingDoc::SetFileVersion(nOldVersion);
            throw;
        }
        CBowlingDoc::SetFileVersion(nOldVersion);
        ar.Close();
        CFile file;
        CFileException fe;
        if (!file.Open(pszPath, CFile::modeCreate | CFile::modeWrite, &fe)) {
            strError = fe.GetErrorMessage();
            return FALSE;
        }
        file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
        file.Close();
    } catch (const CFileException& e) {
        strError = e.GetErrorMessage();
        return FALSE;
    } catch (const CArchiveException& e) {
        strError = e.m_strReason;
        return FALSE;
    }
    return TRUE;
}

CRepForm* ImportRepForm(const char* pszPath, CBowlingDoc* pDoc, CString& strError, CString& strNotice)
{
    strNotice.Empty();
    std::vector<BYTE> bytes;
    try {
        CFile file;
        CFileException fe;
        if (!file.Open(pszPath, CFile::modeRead, &fe)) {
            strError = fe.GetErrorMessage();
            return nullptr;
        }
        ULONGLONG nLen = file.GetLength();
        if (nLen > 64u * 1024u * 1024u) {
            strError = "This file is too large to be a report layout.";
            return nullptr;
        }
        bytes.resize(static_cast<size_t>(nLen));
        UINT nRead = nLen ? file.Read(bytes.data(), static_cast<UINT>(nLen)) : 0;
        bytes.resize(nRead);
        file.Close();
    } catch (const CFileException& e) {
        strError = e.GetErrorMessage();
        return nullptr;
    }

    BYTE nOldVersion = CBowlingDoc::GetFileVersion();
    std::unique_ptr<CRepForm> pForm;
    // Its refusal and its notice name only places of this file.
    const CFileReadScope scope;
    try {
        CArchive ar(&bytes, CArchive::load);
        ar.m_pDocument = pDoc;
        BYTE nVersion = 0;
        ar >> nVersion;
        if (nVersion == 0 || nVersion > LEAGUE_FILE_VERSION) {
            strError = "This is not a report layout file that this version of the program can read.";
            return nullptr;
        }
        ar.SetFileVersion(nVersion);
        CBowlingDoc::SetFileVersion(nVersion);
        bool bMore = false;
        ReadNamingDamagedFont(ar, [&] {
            pForm.reset(static_cast<CRepForm*>(ar.ReadOwnedObject(RUNTIME_CLASS(CRepForm))));
            // Bytes after the layout: its last font's name cut short ends it early, else more follows.
            if (pForm && !ar.IsBufferEmpty()) {
                EndFontRecord(ar, bytes.size(), false);
                bMore = true;
            }
        });
        CBowlingDoc::SetFileVersion(nOldVersion);
        if (!pForm) {
            strError = "The file holds no report layout.";
            return nullptr;
        }
        if (bMore) {
            strError = "The report layout file holds more than one layout; it is damaged.";
            return nullptr;
        }
        const CString mends = MakeReadNotice();
        if (!mends.IsEmpty())
            strNotice = "In the report layout file \"" + AfxPathText(pszPath) + "\" " + mends;
    } catch (const CArchiveException& e) {
        CBowlingDoc::SetFileVersion(nOldVersion);
        strError = e.m_strReason;
        return nullptr;
    }
    return pForm.release();
}

CString SuggestFileName(const CString& strTitle, const char* pszExt, const char* pszFallback)
{
    CString name = strTitle;
    name.Trim();
    bool bUsable = !name.IsEmpty() && name != "." && name != "..";
    for (int i = 0; bUsable && i < name.GetLength(); ++i) {
        unsigned char ch = static_cast<unsigned char>(name[i]);
        if (ch < 32 || ch == 127 || CString("\\/:*?\"<>|").Find(static_cast<char>(ch)) >= 0)
            bUsable = false;
    }
    if (!bUsable)
        return pszFallback;
    return CString((name + pszExt).ToUtf8().c_str());  // a path: the system's bytes
}
