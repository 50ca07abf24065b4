#include "framework/core/Collections.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <tuple>

namespace {

class CNode : public CObject
{
    DECLARE_SERIAL(CNode)
public:
    ~CNode() override { delete m_pChild; }
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring()) {
            ar << m_name << m_w << m_when;
            ar.WriteObject(m_pChild);
            ar.WriteObject(m_pPeer);
        } else {
            ar >> m_name >> m_w >> m_when;
            m_pChild = static_cast<CNode*>(ar.ReadObject(RUNTIME_CLASS(CNode)));
            m_pPeer = static_cast<CNode*>(ar.ReadObject(RUNTIME_CLASS(CNode)));
        }
    }
    CString m_name;
    WORD m_w = 0;
    CTime m_when;
    CNode* m_pChild = nullptr; // owned
    CNode* m_pPeer = nullptr;  // not owned
};
IMPLEMENT_SERIAL(CNode, CObject, 1)

class COther : public CObject
{
    DECLARE_SERIAL(COther)
public:
    void Serialize(CArchive&) override {}
};
IMPLEMENT_SERIAL(COther, CObject, 1)

std::vector<BYTE> StoreString(const CString& s)
{
    std::vector<BYTE> bytes;
    CArchive ar(&bytes, CArchive::store);
    ar << s;
    return bytes;
}

// A small archive with every kind of tag: new class, class reference, back-reference, null.
std::vector<BYTE> SampleArchive()
{
    CNode* root = new CNode;
    root->m_name = "Root";
    root->m_w = 0x1234;
    root->m_when = CTime(2027, 1, 5, 19, 0, 0);
    root->m_pChild = new CNode;
    root->m_pChild->m_name = CString('x', 300);
    root->m_pChild->m_pPeer = root;
    std::vector<BYTE> bytes;
    CArchive ar(&bytes, CArchive::store);
    ar.WriteObject(root);
    ar.WriteCount(70000);
    ar << 1.5 << static_cast<BYTE>(9);
    delete root;
    return bytes;
}

} // namespace

TEST(CArchive, StringLengthPrefixForms)
{
    auto at = [](size_t len) { return StoreString(CString('a', static_cast<int>(len))); };
    // The length prefix, and the whole size where it was checked.
    const struct
    {
        size_t len;
        std::vector<BYTE> prefix;
        size_t size;
    } forms[] = {
        {254, {254}, 1 + 254},
        {255, {0xFF, 0xFF, 0x00}, 3 + 255},
        {65533, {0xFF, 0xFD, 0xFF}, 0},
        {65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}, 0},
        {70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}, 7 + 70000},
    };
    for (const auto& f : forms) {
        const std::vector<BYTE> bytes = at(f.len);
        EXPECT_EQ((std::vector<BYTE>(bytes.begin(), bytes.begin() + static_cast<long>(f.prefix.size()))), f.prefix) << f.len;
        if (f.size) {
            EXPECT_EQ(bytes.size(), f.size) << f.len;
        }
    }

    for (size_t len : {0u, 254u, 255u, 65533u, 65534u, 65535u, 70000u}) {
        std::vector<BYTE> bytes = at(len);
        CArchive ar(&bytes, CArchive::load);
        CString back;
        ar >> back;
        EXPECT_EQ(back.GetLength(), static_cast<int>(len));
        EXPECT_TRUE(ar.IsBufferEmpty());
    }

    // 0xFFFE is the marker of a form we never write: refused, not misread.
    std::vector<BYTE> odd = {0xFF, 0xFE, 0xFF, 'a'};
    CArchive ar(&odd, CArchive::load);
    CString s;
    EXPECT_THROW(ar >> s, CArchiveException);
}

TEST(CArchive, ObjectTagsAndBackReferencesRoundTrip)
{
    std::vector<BYTE> bytes = SampleArchive();
    // The first object starts with the new-class tag, schema 1 and the name.
    EXPECT_EQ((std::vector<BYTE>(bytes.begin(), bytes.begin() + 11)),
              (std::vector<BYTE>{0xFF, 0xFF, 1, 0, 5, 0, 'C', 'N', 'o', 'd', 'e'}));
    CArchive ar(&bytes, CArchive::load);
    std::unique_ptr<CNode> root(static_cast<CNode*>(ar.ReadObject(RUNTIME_CLASS(CNode))));
    ASSERT_TRUE(root);
    EXPECT_EQ((std::vector<std::string>{root->m_name.str(), root->m_when.Format("%d %b %Y %H:%M").str()}),
              (std::vector<std::string>{"Root", "05 Jan 2027 19:00"}));
    EXPECT_EQ(root->m_w, 0x1234);
    ASSERT_TRUE(root->m_pChild);
    EXPECT_EQ(root->m_pChild->m_name.GetLength(), 300);
    EXPECT_EQ(std::make_pair(root->m_pChild->m_pPeer, root->m_pPeer), std::make_pair(root.get(), static_cast<CNode*>(nullptr)));
    WORD escape = 0;
    DWORD count = 0;
    double d = 0;
    BYTE b = 0;
    ar >> escape >> count >> d >> b;
    EXPECT_EQ(std::make_tuple(escape, count, d, b), std::make_tuple(WORD(0xFFFF), DWORD(70000), 1.5, BYTE(9)));
    EXPECT_TRUE(ar.IsBufferEmpty());

    // The long count form is read back when the bytes are there.
    std::vector<BYTE> counted = {0xFF, 0xFF, 3, 0, 0, 0, 1, 2, 3};
    CArchive ar2(&counted, CArchive::load);
    EXPECT_EQ(ar2.ReadCount(1), 3u);
}

// A reader may look at bytes either side of where it reads without moving; it is told how many
// class tags it has read whole and of the kind it asked for, not back-references nor null tags.
TEST(CArchive, PeekingLeavesTheReadWhereItIsAndClassTagsAreCounted)
{
    std::vector<BYTE> bytes = SampleArchive();
    CArchive ar(&bytes, CArchive::load);
    BYTE two[2] = {};
    EXPECT_EQ(ar.PeekAt(bytes.size() - 1, two, 2), 1u);
    EXPECT_EQ(two[0], 9);
    EXPECT_EQ(ar.PeekAt(bytes.size(), two, 2), 0u);
    std::unique_ptr<CNode> root(static_cast<CNode*>(ar.ReadObject(RUNTIME_CLASS(CNode))));
    const size_t nAfter = ar.GetPosition();
    BYTE tag[6] = {};
    ASSERT_EQ(ar.PeekAt(0, tag, sizeof tag), sizeof tag);
    EXPECT_EQ((std::vector<BYTE>(tag, tag + 6)), (std::vector<BYTE>{0xFF, 0xFF, 1, 0, 5, 0}));
    EXPECT_EQ(ar.GetPosition(), nAfter);
    // The root's new class and its child's class index; the peer's back-reference and the
    // child's null tags are no class tags.
    EXPECT_EQ(ar.GetClassTagsRead(), 2u);

    // A class of another kind than asked for is no sign that the read is in step.
    CArchive again(&bytes, CArchive::load);
    EXPECT_THROW(again.ReadObject(RUNTIME_CLASS(COther)), CArchiveException);
    EXPECT_EQ(again.GetClassTagsRead(), 0u);
}

TEST(CArchive, IndexesBeyondFifteenBitsUseTheBigTag)
{
    const int n = 0x8000;
    std::vector<std::unique_ptr<COther>> objects;
    std::vector<BYTE> bytes;
    {
        CArchive ar(&bytes, CArchive::store);
        for (int i = 0; i < n; ++i) {
            objects.push_back(std::make_unique<COther>());
            ar.WriteObject(objects.back().get());
        }
        ar.WriteObject(objects.back().get());
        ar.WriteObject(objects.front().get());
    }
    // Index of the last object is n + 1 (the class took index 1): written as 0x7FFF + DWORD.
    std::vector<BYTE> tail(bytes.end() - 8, bytes.end());
    EXPECT_EQ(tail, (std::vector<BYTE>{0xFF, 0x7F, 0x01, 0x80, 0x00, 0x00, 0x02, 0x00}));

    CArchive ar(&bytes, CArchive::load);
    std::vector<std::unique_ptr<CObject>> back;
    for (int i = 0; i < n; ++i)
        back.emplace_back(ar.ReadObject(nullptr));
    EXPECT_EQ(ar.ReadObject(nullptr), back.back().get());
    EXPECT_EQ(ar.ReadObject(nullptr), back.front().get());
}

TEST(CArchive, EveryTruncationEndsInTheException)
{
    std::vector<BYTE> whole = SampleArchive();
    for (size_t cut = 0; cut < whole.size(); ++cut) {
        std::vector<BYTE> part(whole.begin(), whole.begin() + static_cast<long>(cut));
        CArchive ar(&part, CArchive::load);
        EXPECT_THROW(
            {
                std::unique_ptr<CObject> p(ar.ReadObject(RUNTIME_CLASS(CNode)));
                WORD escape;
                DWORD count;
                double d;
                BYTE b;
                ar >> escape >> count >> d >> b;
            },
            CArchiveException)
            << "cut at " << cut;
    }
}

TEST(CArchive, CorruptStreamsNeverCrash)
{
    std::vector<BYTE> whole = SampleArchive();
    std::mt19937 rng(1234);
    int failures = 0;
    for (int round = 0; round < 2000; ++round) {
        std::vector<BYTE> bytes = whole;
        int flips = 1 + static_cast<int>(rng() % 4);
        for (int f = 0; f < flips; ++f)
            bytes[rng() % bytes.size()] = static_cast<BYTE>(rng());
        CArchive ar(&bytes, CArchive::load);
        try {
            std::unique_ptr<CObject> p(ar.ReadObject(RUNTIME_CLASS(CNode)));
        } catch (const CArchiveException&) {
            ++failures;
        }
    }
    EXPECT_GT(failures, 0);
}

TEST(CArchive, RefusesWhatItCannotTrust)
{
    auto expectThrow = [](std::vector<BYTE> bytes, const CRuntimeClass* wanted, int cause) {
        CArchive ar(&bytes, CArchive::load);
        try {
            std::unique_ptr<CObject> p(ar.ReadObject(wanted));
            ADD_FAILURE() << "no exception";
        } catch (const CArchiveException& e) {
            EXPECT_EQ(e.m_cause, cause) << e.m_strReason.GetString();
        }
    };
    // An unknown class name; a known class of the wrong schema; a class other than the one asked
    // for; references to nothing stored.
    expectThrow({0xFF, 0xFF, 1, 0, 4, 0, 'C', 'B', 'a', 'd'}, nullptr, CArchiveException::badClass);
    expectThrow({0xFF, 0xFF, 2, 0, 6, 0, 'C', 'O', 't', 'h', 'e', 'r'}, nullptr, CArchiveException::badSchema);
    expectThrow({0xFF, 0xFF, 1, 0, 6, 0, 'C', 'O', 't', 'h', 'e', 'r'}, RUNTIME_CLASS(CNode), CArchiveException::badClass);
    expectThrow({0x05, 0x00}, nullptr, CArchiveException::badIndex);
    expectThrow({0x03, 0x80}, nullptr, CArchiveException::badIndex);
    // Objects nested past any sensible depth.
    std::vector<BYTE> deep = {0xFF, 0xFF, 1, 0, 5, 0, 'C', 'N', 'o', 'd', 'e', 0, 0, 0, 0, 0, 0, 0};
    for (int i = 0; i < 400; ++i)
        deep.insert(deep.end(), {0x01, 0x80, 0, 0, 0, 0, 0, 0, 0});
    expectThrow(deep, nullptr, CArchiveException::badIndex);
}

TEST(CArchive, DatesPast2038AreNotStoredSilently)
{
    std::vector<BYTE> bytes;
    CArchive ar(&bytes, CArchive::store);
    EXPECT_THROW(ar << CTime(2040, 1, 1, 0, 0, 0), CArchiveException);
    ar << CTime(1999, 12, 31, 23, 0, 0);
    EXPECT_EQ(bytes.size(), 4u);
}
