#pragma once
// Lists and arrays. None of them owns the objects it points to: the owner deletes them.
#include "framework/core/Archive.h"
#include "framework/core/Object.h"
#include "framework/core/String.h"

#include <algorithm>
#include <utility>
#include <vector>

// ---------------------------------------------------------------- arrays

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray : public CObject
{
public:
    int GetSize() const { return static_cast<int>(m_data.size()); }
    int GetCount() const { return GetSize(); }
    int GetUpperBound() const { return GetSize() - 1; }
    bool IsEmpty() const { return m_data.empty(); }
    void SetSize(int nNewSize, int /*nGrowBy*/ = -1) { m_data.resize(static_cast<size_t>(std::max(nNewSize, 0))); }
    void RemoveAll() { m_data.clear(); }
    void FreeExtra() { m_data.shrink_to_fit(); }

    const TYPE& GetAt(int i) const { return m_data.at(static_cast<size_t>(i)); }
    TYPE& ElementAt(int i) { return m_data.at(static_cast<size_t>(i)); }
    void SetAt(int i, ARG_TYPE v) { m_data.at(static_cast<size_t>(i)) = v; }
    void SetAtGrow(int i, ARG_TYPE v)
    {
        if (i >= GetSize())
            SetSize(i + 1);
        m_data[static_cast<size_t>(i)] = v;
    }
    const TYPE& operator[](int i) const { return GetAt(i); }
    TYPE& operator[](int i) { return ElementAt(i); }
    TYPE* GetData() { return m_data.data(); }
    const TYPE* GetData() const { return m_data.data(); }

    int Add(ARG_TYPE v) { m_data.push_back(v); return GetUpperBound(); }
    int Append(const CArray& src) { int n = GetSize(); m_data.insert(m_data.end(), src.m_data.begin(), src.m_data.end()); return n; }
    void Copy(const CArray& src) { m_data = src.m_data; }
    void InsertAt(int i, ARG_TYPE v, int nCount = 1)
    {
        if (i > GetSize())
            SetSize(i);
        m_data.insert(m_data.begin() + i, static_cast<size_t>(nCount), v);
    }
    void RemoveAt(int i, int nCount = 1)
    {
        if (i < 0 || i >= GetSize() || nCount <= 0)
            return;
        m_data.erase(m_data.begin() + i, m_data.begin() + std::min(GetSize(), i + nCount));
    }

    auto begin() { return m_data.begin(); }
    auto end() { return m_data.end(); }
    auto begin() const { return m_data.begin(); }
    auto end() const { return m_data.end(); }
    std::vector<TYPE>& vec() { return m_data; }
    const std::vector<TYPE>& vec() const { return m_data; }

    friend bool operator==(const CArray& a, const CArray& b) { return a.m_data == b.m_data; }

protected:
    std::vector<TYPE> m_data;
};

// Arrays of plain integers store a count and then each element at its own width.
template <class TYPE>
class CIntegerArray : public CArray<TYPE, TYPE>
{
public:
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring()) {
            ar.WriteCount(static_cast<DWORD>(this->m_data.size()));
            for (TYPE v : this->m_data)
                ar << v;
        } else {
            DWORD n = ar.ReadCount(sizeof(TYPE));
            this->m_data.assign(n, TYPE());
            for (TYPE& v : this->m_data)
                ar >> v;
        }
    }
};

class CByteArray : public CIntegerArray<BYTE> {};
class CWordArray : public CIntegerArray<WORD> {};
class CDWordArray : public CIntegerArray<DWORD> {};
class CUIntArray : public CIntegerArray<UINT> {};

class CStringArray : public CArray<CString, const char*>
{
public:
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring()) {
            ar.WriteCount(static_cast<DWORD>(m_data.size()));
            for (const CString& s : m_data)
                ar << s;
        } else {
            DWORD n = ar.ReadCount(1);
            m_data.assign(n, CString());
            for (CString& s : m_data)
                ar >> s;
        }
    }
};

class CPtrArray : public CArray<void*, void*> {};

class CObArray : public CArray<CObject*, CObject*>
{
public:
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring()) {
            ar.WriteCount(static_cast<DWORD>(m_data.size()));
            for (CObject* p : m_data)
                ar.WriteObject(p);
        } else {
            DWORD n = ar.ReadCount(2);
            m_data.clear();
            m_data.reserve(n);
            for (DWORD i = 0; i < n; ++i)
                m_data.push_back(ar.ReadObject(nullptr));
        }
    }
};

template <class BASE_CLASS, class TYPE>
class CTypedPtrArray : public BASE_CLASS
{
public:
    TYPE GetAt(int i) const { return static_cast<TYPE>(BASE_CLASS::GetAt(i)); }
    TYPE operator[](int i) const { return GetAt(i); }
    TYPE& ElementAt(int i) { return reinterpret_cast<TYPE&>(BASE_CLASS::ElementAt(i)); }
    TYPE& operator[](int i) { return ElementAt(i); }
    void SetAt(int i, TYPE p) { BASE_CLASS::SetAt(i, p); }
    int Add(TYPE p) { return BASE_CLASS::Add(p); }
    void InsertAt(int i, TYPE p, int nCount = 1) { BASE_CLASS::InsertAt(i, p, nCount); }
};

// ---------------------------------------------------------------- the object list

class CObList : public CObject
{
    DECLARE_SERIAL(CObList)
public:
    CObList() = default;
    ~CObList() override { RemoveAll(); }
    CObList(const CObList&) = delete;
    CObList& operator=(const CObList&) = delete;

    int GetCount() const { return m_nCount; }
    int GetSize() const { return m_nCount; }
    bool IsEmpty() const { return m_nCount == 0; }

    CObject*& GetHead();
    CObject* GetHead() const;
    CObject*& GetTail();
    CObject* GetTail() const;
    CObject* RemoveHead();
    CObject* RemoveTail();
    POSITION AddHead(CObject* p);
    POSITION AddTail(CObject* p);
    void AddHead(CObList* pList);
    void AddTail(CObList* pList);
    void RemoveAll();

    POSITION GetHeadPosition() const { return ToPos(m_pHead); }
    POSITION GetTailPosition() const { return ToPos(m_pTail); }
    CObject*& GetNext(POSITION& pos);
    CObject* GetNext(POSITION& pos) const;
    CObject*& GetPrev(POSITION& pos);
    CObject* GetPrev(POSITION& pos) const;
    CObject*& GetAt(POSITION pos);
    CObject* GetAt(POSITION pos) const;
    void SetAt(POSITION pos, CObject* p) { Node(pos)->data = p; }
    void RemoveAt(POSITION pos);
    POSITION InsertBefore(POSITION pos, CObject* p);
    POSITION InsertAfter(POSITION pos, CObject* p);

    POSITION Find(const CObject* p, POSITION startAfter = nullptr) const;
    POSITION FindIndex(int nIndex) const;

    void Serialize(CArchive& ar) override;

private:
    struct CNode
    {
        CNode* pNext;
        CNode* pPrev;
        CObject* data;
    };
    static POSITION ToPos(CNode* p) { return reinterpret_cast<POSITION>(p); }
    static CNode* Node(POSITION pos)
    {
        ASSERT(pos != nullptr);
        return reinterpret_cast<CNode*>(pos);
    }

    CNode* m_pHead = nullptr;
    CNode* m_pTail = nullptr;
    int m_nCount = 0;
};

template <class BASE_CLASS, class TYPE>
class CTypedPtrList : public BASE_CLASS
{
public:
    TYPE& GetHead() { return reinterpret_cast<TYPE&>(BASE_CLASS::GetHead()); }
    TYPE GetHead() const { return static_cast<TYPE>(BASE_CLASS::GetHead()); }
    TYPE& GetTail() { return reinterpret_cast<TYPE&>(BASE_CLASS::GetTail()); }
    TYPE GetTail() const { return static_cast<TYPE>(BASE_CLASS::GetTail()); }
    TYPE RemoveHead() { return static_cast<TYPE>(BASE_CLASS::RemoveHead()); }
    TYPE RemoveTail() { return static_cast<TYPE>(BASE_CLASS::RemoveTail()); }
    TYPE& GetNext(POSITION& pos) { return reinterpret_cast<TYPE&>(BASE_CLASS::GetNext(pos)); }
    TYPE GetNext(POSITION& pos) const { return static_cast<TYPE>(BASE_CLASS::GetNext(pos)); }
    TYPE& GetPrev(POSITION& pos) { return reinterpret_cast<TYPE&>(BASE_CLASS::GetPrev(pos)); }
    TYPE GetPrev(POSITION& pos) const { return static_cast<TYPE>(BASE_CLASS::GetPrev(pos)); }
    TYPE& GetAt(POSITION pos) { return reinterpret_cast<TYPE&>(BASE_CLASS::GetAt(pos)); }
    TYPE GetAt(POSITION pos) const { return static_cast<TYPE>(BASE_CLASS::GetAt(pos)); }
    POSITION AddHead(TYPE p) { return BASE_CLASS::AddHead(p); }
    POSITION AddTail(TYPE p) { return BASE_CLASS::AddTail(p); }
    POSITION InsertBefore(POSITION pos, TYPE p) { return BASE_CLASS::InsertBefore(pos, p); }
    POSITION InsertAfter(POSITION pos, TYPE p) { return BASE_CLASS::InsertAfter(pos, p); }
    void SetAt(POSITION pos, TYPE p) { BASE_CLASS::SetAt(pos, p); }

    // Range-for over the elements, in order.
    class iterator
    {
    public:
        explicit iterator(const CTypedPtrList* l, POSITION p) : m_list(l), m_pos(p) {}
        TYPE operator*() const { return m_list->GetAt(m_pos); }
        iterator& operator++()
        {
            m_list->GetNext(m_pos);
            return *this;
        }
        bool operator!=(const iterator& o) const { return m_pos != o.m_pos; }

    private:
        const CTypedPtrList* m_list;
        POSITION m_pos;
    };
    iterator begin() const { return iterator(this, BASE_CLASS::GetHeadPosition()); }
    iterator end() const { return iterator(this, nullptr); }

    // Deletes every element, then empties the list.
    void DeleteAll()
    {
        while (!BASE_CLASS::IsEmpty())
            delete RemoveHead();
    }
};
