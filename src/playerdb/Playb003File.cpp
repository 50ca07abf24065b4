#include "playerdb/Playb003File.h"

#include "playerdb/ByteOrder.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace
{
enum : size_t
{
    kOffKey = 0,
    kOffFirstName = 4,
    kOffSurname = 36,
    kOffAddress = 68,
    kOffPostcode = 228,
    kOffPhoneHome = 240,
    kOffPhoneWork = 264,
    kOffPhoneMobile = 288,
    kOffFlags = 312,
    kOffBirth = 314,
    kOffUser1 = 318,
    kOffUser2 = 350,
    kOffMembership = 382,
    kOffMembershipType = 402,
    kOffExpiry = 403,
    kOffStamp = 408,
    kOffTypedBy = 416,
    kOffEnd = 424
};
static_assert(kOffEnd <= CPlayb003File::kRecordLength);

void PutText(BYTE* p, size_t nWidth, const CString& str)
{
    size_t n = std::min(nWidth, static_cast<size_t>(str.GetLength()));
    std::memset(p, 0, nWidth);
    std::memcpy(p, str.GetString(), n);
}

void PutLE64(BYTE* p, ULONGLONG v)
{
    PutLE32(p, static_cast<DWORD>(v));
    PutLE32(p + 4, static_cast<DWORD>(v >> 32));
}

ULONGLONG GetLE64(const BYTE* p)
{
    return GetLE32(p) | static_cast<ULONGLONG>(GetLE32(p + 4)) << 32;
}

CString GetText(const BYTE* p, size_t nWidth)
{
    const char* psz = reinterpret_cast<const char*>(p);
    return CString(psz, static_cast<int>(strnlen(psz, nWidth)));
}

// A name as it orders in the indexes: upper case, no zero bytes.
void AppendName(std::string& key, const BYTE* p, size_t nWidth)
{
    CString str = GetText(p, nWidth);
    str.MakeUpper();
    key += str.str();
}

void KeyOfKey(const BYTE* p, std::string& key)
{
    AppendBE32(key, GetLE32(p + kOffKey));
}

// Both names in the order given, then the record key, which keeps namesakes apart.
void AppendNamesAndKey(std::string& key, const BYTE* p, size_t nFirstOff, size_t nSecondOff)
{
    AppendName(key, p + nFirstOff, CPlayb003File::kNameWidth);
    key += '\0';
    AppendName(key, p + nSecondOff, CPlayb003File::kNameWidth);
    key += '\0';
    AppendBE32(key, GetLE32(p + kOffKey));
}

void KeyOfFname(const BYTE* p, std::string& key)
{
    AppendNamesAndKey(key, p, kOffFirstName, kOffSurname);
}

void SearchOfFname(const BYTE* p, std::string& key)
{
    AppendName(key, p + kOffFirstName, CPlayb003File::kNameWidth);
}

void KeyOfNames(const BYTE* p, std::string& key)
{
    AppendNamesAndKey(key, p, kOffSurname, kOffFirstName);
}

void SearchOfSname(const BYTE* p, std::string& key)
{
    AppendName(key, p + kOffSurname, CPlayb003File::kNameWidth);
}

void SearchOfNames(const BYTE* p, std::string& key)
{
    AppendName(key, p + kOffSurname, CPlayb003File::kNameWidth);
    if (p[kOffFirstName] != 0)
    {
        key += '\0';
        AppendName(key, p + kOffFirstName, CPlayb003File::kNameWidth);
    }
}

std::vector<CIndexedFile::CIndexDef> PlayerIndexes()
{
    return {
        {"Key", TRUE, KeyOfKey, KeyOfKey},
        {"Fname", FALSE, KeyOfFname, SearchOfFname},
        {"Sname", FALSE, KeyOfNames, SearchOfSname},
        {"Names", FALSE, KeyOfNames, SearchOfNames},
    };
}
}  // namespace

CPlayb003File::CPlayb003File() : CIndexedFile(kRecordLength, PlayerIndexes())
{
    Clear();
}

void CPlayb003File::Clear()
{
    m_dwKey = 0;
    m_qwStamp = 0;
    m_nTypedBy = 0;
    static_cast<CSharedDetails&>(*this) = CSharedDetails();
}

int CPlayb003File::Add()
{
    MendDetails(*this);
    const int nResult = CIndexedFile::Add();
    if (nResult == 0) {
        m_read = *this;
        m_nReadTypedBy = m_nTypedBy;
    }
    return nResult;
}

int CPlayb003File::Rewrite()
{
    KeepSoundDetails(*this, m_read);
    m_nTypedBy = std::max(m_nTypedBy, m_nReadTypedBy);
    const int nResult = CIndexedFile::Rewrite();
    if (nResult == 0) {
        m_read = *this;
        m_nReadTypedBy = m_nTypedBy;
    }
    return nResult;
}

BOOL CPlayb003File::OpenIn(const char* pszDirectory, BOOL bMake)
{
    std::error_code ec;
    std::filesystem::path dir(pszDirectory ? pszDirectory : "");
    if (dir.empty())
    {
        Close();
        SetErrorText("No folder is set for the player database.");
        return FALSE;
    }
    if (bMake)
        std::filesystem::create_directories(dir, ec);
    if (bMake && (ec || !std::filesystem::is_directory(dir)))
    {
        Close();
        CString str;
        str.Format("The player database folder %s cannot be made: %s.", pszDirectory, ec.message().c_str());
        SetErrorText(str);
        return FALSE;
    }
    if (Open((dir / kDataName).string().c_str(), (dir / kIndexName).string().c_str(), bMake))
        return TRUE;
    if (IsAway())
    {
        CString str;
        if (std::filesystem::is_directory(dir, ec))
            str.Format("The player database folder %s does not hold the player database (%s is not there).",
                       pszDirectory, kDataName);
        else
            str.Format("The player database folder %s is not there.", pszDirectory);
        SetErrorText(str);
    }
    return FALSE;
}

DWORD CPlayb003File::NewKey()
{
    DWORD nAbove = 1;
    std::vector<BYTE> rec;
    if (PeekLast("Key", rec))
        nAbove = GetLE32(rec.data() + kOffKey) + 1;
    return TakeSequence(nAbove == 0 ? 1 : nAbove);
}

namespace
{
CString Trimmed(CString str)
{
    return str.Trim();
}

bool IsOfSurname(const CString& strStored, const CString& strSought, bool bPrefix)
{
    const CString strName = Trimmed(strStored);
    if (bPrefix)
        return strName.GetLength() >= strSought.GetLength() &&
               strName.Left(strSought.GetLength()).CompareNoCase(strSought) == 0;
    return strName.CompareNoCase(strSought) == 0;
}
}  // namespace

void CPlayb003File::ForEachOfSurname(const CString& strSurname, bool bPrefix, const std::function<bool()>& visit)
{
    const CString strSought = Trimmed(strSurname);
    if (strSought.IsEmpty() || SelectIndex("Sname") != 0)
        return;
    // The index orders the names as stored, upper case: every record whose stored surname begins
    // with the name sought stands together, those with blanks after it among them.
    CString strKey = strSought;
    strKey.MakeUpper();
    Clear();
    m_strSurname = strSought;
    int r = Find();
    if (r != 0)
        r = ReadCurrent();
    for (; r == 0; r = Next(1)) {
        CString strStored = m_strSurname;
        if (strStored.MakeUpper().Left(strKey.GetLength()) != strKey)
            break;
        if (IsOfSurname(m_strSurname, strSought, bPrefix) && !visit())
            return;
    }
    ForEachBlankLedSurname(strSought, bPrefix, visit);
}

bool CPlayb003File::ForEachBlankLedSurname(const CString& strSurname, bool bPrefix, const std::function<bool()>& visit)
{
    const CString strSought = Trimmed(strSurname);
    if (strSought.IsEmpty() || SelectIndex("Sname") != 0)
        return true;
    for (First(); Next(1) == 0;) {
        if (!m_strSurname.IsEmpty() && static_cast<unsigned char>(m_strSurname[0]) > ' ')
            break;
        if (IsOfSurname(m_strSurname, strSought, bPrefix) && !visit())
            return false;
    }
    return true;
}

void CPlayb003File::StoreFields(BYTE* p) const
{
    std::memset(p, 0, kRecordLength);
    PutLE32(p + kOffKey, m_dwKey);
    PutText(p + kOffFirstName, kNameWidth, m_strFirstName);
    PutText(p + kOffSurname, kNameWidth, m_strSurname);
    for (int i = 0; i < 4; ++i)
        PutText(p + kOffAddress + static_cast<size_t>(i) * kAddressWidth, kAddressWidth, m_strAddress[i]);
    PutText(p + kOffPostcode, kPostcodeWidth, m_strAddress[4]);
    PutText(p + kOffPhoneHome, kPhoneWidth, m_strPhoneHome);
    PutText(p + kOffPhoneWork, kPhoneWidth, m_strPhoneWork);
    PutText(p + kOffPhoneMobile, kPhoneWidth, m_strPhoneMobile);
    PutLE16(p + kOffFlags, m_wFlags);
    p[kOffBirth] = m_nBirthDay;
    p[kOffBirth + 1] = m_nBirthMonth;
    PutLE16(p + kOffBirth + 2, m_nBirthYear);
    PutText(p + kOffUser1, kUserWidth, m_strUserData1);
    PutText(p + kOffUser2, kUserWidth, m_strUserData2);
    PutText(p + kOffMembership, kMembershipWidth, m_strMembershipNo);
    p[kOffMembershipType] = m_nMembershipType;
    p[kOffExpiry] = m_nExpiryDay;
    p[kOffExpiry + 1] = m_nExpiryMonth;
    PutLE16(p + kOffExpiry + 3, m_nExpiryYear);
    PutLE64(p + kOffStamp, m_qwStamp);
    PutLE64(p + kOffTypedBy, static_cast<ULONGLONG>(m_nTypedBy));
}

void CPlayb003File::LoadFields(const BYTE* p)
{
    m_dwKey = GetLE32(p + kOffKey);
    m_strFirstName = GetText(p + kOffFirstName, kNameWidth);
    m_strSurname = GetText(p + kOffSurname, kNameWidth);
    for (int i = 0; i < 4; ++i)
        m_strAddress[i] = GetText(p + kOffAddress + static_cast<size_t>(i) * kAddressWidth, kAddressWidth);
    m_strAddress[4] = GetText(p + kOffPostcode, kPostcodeWidth);
    m_strPhoneHome = GetText(p + kOffPhoneHome, kPhoneWidth);
    m_strPhoneWork = GetText(p + kOffPhoneWork, kPhoneWidth);
    m_strPhoneMobile = GetText(p + kOffPhoneMobile, kPhoneWidth);
    m_wFlags = GetLE16(p + kOffFlags);
    m_nBirthDay = p[kOffBirth];
    m_nBirthMonth = p[kOffBirth + 1];
    m_nBirthYear = GetLE16(p + kOffBirth + 2);
    m_strUserData1 = GetText(p + kOffUser1, kUserWidth);
    m_strUserData2 = GetText(p + kOffUser2, kUserWidth);
    m_strMembershipNo = GetText(p + kOffMembership, kMembershipWidth);
    m_nMembershipType = p[kOffMembershipType];
    m_nExpiryDay = p[kOffExpiry];
    m_nExpiryMonth = p[kOffExpiry + 1];
    m_nExpiryYear = GetLE16(p + kOffExpiry + 3);
    m_qwStamp = GetLE64(p + kOffStamp);
    m_nTypedBy = static_cast<LONGLONG>(GetLE64(p + kOffTypedBy));
    m_read = *this;
    m_nReadTypedBy = m_nTypedBy;
}

BOOL CPlayb003File::GiveOwnKey(const BYTE* pKeeper, CString& strNotice)
{
    // The bowlers linked to the key were linked to the first record; the second is a person of
    // the database all the same, whose details are not to be lost.
    const DWORD dwShared = m_dwKey;
    const CString strKeeper = GetText(pKeeper + kOffFirstName, kNameWidth) + " " + GetText(pKeeper + kOffSurname, kNameWidth);
    const CString strSecond = m_strFirstName + " " + m_strSurname;
    m_dwKey = NewKey();
    if (m_dwKey != 0 && Rewrite() == 0)
    {
        strNotice.Format("Two records of the player database had the key %u: %s and %s. The first keeps the key, and "
                         "the bowlers linked to it stay linked to the first; the second now has the key %u. Both "
                         "records' details are kept.",
                         dwShared, strKeeper.GetString(), strSecond.GetString(), m_dwKey);
        return TRUE;
    }
    m_dwKey = dwShared;
    strNotice.Format("Two records of the player database have the key %u: %s and %s. The second could not be given "
                     "a key of its own (%s); the bowlers linked to the key are linked to the first.",
                     dwShared, strKeeper.GetString(), strSecond.GetString(), GetErrorText().GetString());
    return FALSE;
}
