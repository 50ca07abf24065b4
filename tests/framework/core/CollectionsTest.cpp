#include "framework/core/Collections.h"

#include <gtest/gtest.h>

namespace {

class CItem : public CObject
{
    DECLARE_SERIAL(CItem)
public:
    CItem() = default;
    explicit CItem(int v) : m_n(v) {}
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_n;
        else
            ar >> m_n;
    }
    int m_n = 0;
};
IMPLEMENT_SERIAL(CItem, CObject, 1)

std::vector<int> Values(const CTypedPtrList<CObList, CItem*>& list)
{
    std::vector<int> v;
    for (CItem* p : list)
        v.push_back(p->m_n);
    return v;
}

} // namespace

TEST(CObList, InsertRemoveAndWalkBothWays)
{
    CTypedPtrList<CObList, CItem*> list;
    CItem a(1), b(2), c(3), d(4);
    POSITION pa = list.AddTail(&a);
    list.AddTail(&c);
    list.InsertAfter(pa, &b);
    list.AddHead(&d);
    EXPECT_EQ(Values(list), (std::vector<int>{4, 1, 2, 3}));
    EXPECT_EQ(std::make_pair(list.GetAt(list.FindIndex(2))->m_n, list.FindIndex(4)), std::make_pair(2, POSITION(nullptr)));
    list.RemoveAt(list.Find(&d));
    list.RemoveAt(list.GetTailPosition());
    EXPECT_EQ(Values(list), (std::vector<int>{1, 2}));
    POSITION pos = list.GetTailPosition();
    EXPECT_EQ((std::vector<int>{list.GetPrev(pos)->m_n, list.GetPrev(pos)->m_n, list.GetCount()}), (std::vector<int>{2, 1, 2}));
    EXPECT_EQ(pos, nullptr);
    list.RemoveAll();
    EXPECT_TRUE(list.IsEmpty());
}

TEST(CObList, SerializesCountThenObjects)
{
    std::vector<BYTE> bytes;
    {
        CTypedPtrList<CObList, CItem*> list;
        CItem a(7), b(8);
        list.AddTail(&a);
        list.AddTail(&b);
        list.AddTail(&a);  // the same object twice is stored once and referred to
        CArchive ar(&bytes, CArchive::store);
        list.Serialize(ar);
    }
    // count 3; new class CItem (index 1), object a (2); class ref 0x8001, object b (3); ref to a.
    std::vector<BYTE> expected = {3, 0, 0xFF, 0xFF, 1, 0, 5, 0, 'C', 'I', 't', 'e', 'm', 7, 0, 0, 0,
                                  0x01, 0x80, 8, 0, 0, 0, 2, 0};
    EXPECT_EQ(bytes, expected);

    CTypedPtrList<CObList, CItem*> back;
    CArchive ar(&bytes, CArchive::load);
    back.Serialize(ar);
    ASSERT_EQ(back.GetCount(), 3);
    EXPECT_EQ(back.GetHead(), back.GetTail());
    EXPECT_EQ(Values(back), (std::vector<int>{7, 8, 7}));
    delete back.GetAt(back.FindIndex(1));
    delete back.GetHead();
}

TEST(CArray, IntegerArraysStoreTheirWidth)
{
    CWordArray words;
    words.Add(1);
    words.Add(0xBEEF);
    words.InsertAt(1, 5);
    std::vector<BYTE> bytes;
    {
        CArchive ar(&bytes, CArchive::store);
        words.Serialize(ar);
    }
    EXPECT_EQ(bytes, (std::vector<BYTE>{3, 0, 1, 0, 5, 0, 0xEF, 0xBE}));
    CWordArray back;
    CArchive ar(&bytes, CArchive::load);
    back.Serialize(ar);
    EXPECT_EQ(back, words);

    // A count larger than the bytes left is refused before anything is allocated.
    std::vector<BYTE> lying = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 1, 0};
    CArchive bad(&lying, CArchive::load);
    CDWordArray dw;
    EXPECT_THROW(dw.Serialize(bad), CArchiveException);

    words.RemoveAt(0, 10);
    EXPECT_TRUE(words.IsEmpty());
}

TEST(CObject, DynamicDowncastChecksTheClass)
{
    CItem item(3);
    CObList list;
    CObject* p = &item;
    EXPECT_EQ(DYNAMIC_DOWNCAST(CItem, p), &item);
    EXPECT_EQ(DYNAMIC_DOWNCAST(CObList, p), nullptr);
    EXPECT_EQ(DYNAMIC_DOWNCAST(CItem, static_cast<CObject*>(nullptr)), nullptr);
    EXPECT_EQ(DYNAMIC_DOWNCAST(CObList, static_cast<CObject*>(&list)), &list);
}
