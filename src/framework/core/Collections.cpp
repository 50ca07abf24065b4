#include "framework/core/Collections.h"

IMPLEMENT_SERIAL(CObList, CObject, 1)

CObject*& CObList::GetHead()
{
    ASSERT(m_pHead);
    return m_pHead->data;
}

CObject* CObList::GetHead() const
{
    return m_pHead ? m_pHead->data : nullptr;
}

CObject*& CObList::GetTail()
{
    ASSERT(m_pTail);
    return m_pTail->data;
}

CObject* CObList::GetTail() const
{
    return m_pTail ? m_pTail->data : nullptr;
}

CObject* CObList::RemoveHead()
{
    if (!m_pHead)
        return nullptr;
    CObject* p = m_pHead->data;
    RemoveAt(ToPos(m_pHead));
    return p;
}

CObject* CObList::RemoveTail()
{
    if (!m_pTail)
        return nullptr;
    CObject* p = m_pTail->data;
    RemoveAt(ToPos(m_pTail));
    return p;
}

POSITION CObList::AddHead(CObject* p)
{
    CNode* n = new CNode{m_pHead, nullptr, p};
    if (m_pHead)
        m_pHead->pPrev = n;
    else
        m_pTail = n;
    m_pHead = n;
    ++m_nCount;
    return ToPos(n);
}

POSITION CObList::AddTail(CObject* p)
{
    CNode* n = new CNode{nullptr, m_pTail, p};
    if (m_pTail)
        m_pTail->pNext = n;
    else
        m_pHead = n;
    m_pTail = n;
    ++m_nCount;
    return ToPos(n);
}

void CObList::AddHead(CObList* pList)
{
    if (!pList)
        return;
    for (POSITION pos = pList->GetTailPosition(); pos;)
        AddHead(pList->GetPrev(pos));
}

void CObList::AddTail(CObList* pList)
{
    if (!pList)
        return;
    for (POSITION pos = pList->GetHeadPosition(); pos;)
        AddTail(pList->GetNext(pos));
}

void CObList::RemoveAll()
{
    CNode* n = m_pHead;
    while (n) {
        CNode* next = n->pNext;
        delete n;
        n = next;
    }
    m_pHead = m_pTail = nullptr;
    m_nCount = 0;
}

CObject*& CObList::GetNext(POSITION& pos)
{
    CNode* n = Node(pos);
    pos = ToPos(n->pNext);
    return n->data;
}

CObject* CObList::GetNext(POSITION& pos) const
{
    CNode* n = Node(pos);
    pos = ToPos(n->pNext);
    return n->data;
}

CObject*& CObList::GetPrev(POSITION& pos)
{
    CNode* n = Node(pos);
    pos = ToPos(n->pPrev);
    return n->data;
}

CObject* CObList::GetPrev(POSITION& pos) const
{
    CNode* n = Node(pos);
    pos = ToPos(n->pPrev);
    return n->data;
}

CObject*& CObList::GetAt(POSITION pos)
{
    return Node(pos)->data;
}

CObject* CObList::GetAt(POSITION pos) const
{
    return Node(pos)->data;
}

void CObList::RemoveAt(POSITION pos)
{
    CNode* n = Node(pos);
    if (n->pPrev)
        n->pPrev->pNext = n->pNext;
    else
        m_pHead = n->pNext;
    if (n->pNext)
        n->pNext->pPrev = n->pPrev;
    else
        m_pTail = n->pPrev;
    delete n;
    --m_nCount;
}

POSITION CObList::InsertBefore(POSITION pos, CObject* p)
{
    if (!pos)
        return AddHead(p);
    CNode* at = Node(pos);
    CNode* n = new CNode{at, at->pPrev, p};
    if (at->pPrev)
        at->pPrev->pNext = n;
    else
        m_pHead = n;
    at->pPrev = n;
    ++m_nCount;
    return ToPos(n);
}

POSITION CObList::InsertAfter(POSITION pos, CObject* p)
{
    if (!pos)
        return AddTail(p);
    CNode* at = Node(pos);
    CNode* n = new CNode{at->pNext, at, p};
    if (at->pNext)
        at->pNext->pPrev = n;
    else
        m_pTail = n;
    at->pNext = n;
    ++m_nCount;
    return ToPos(n);
}

POSITION CObList::Find(const CObject* p, POSITION startAfter) const
{
    CNode* n = startAfter ? Node(startAfter)->pNext : m_pHead;
    for (; n; n = n->pNext)
        if (n->data == p)
            return ToPos(n);
    return nullptr;
}

POSITION CObList::FindIndex(int nIndex) const
{
    if (nIndex < 0 || nIndex >= m_nCount)
        return nullptr;
    CNode* n = m_pHead;
    while (nIndex-- > 0)
        n = n->pNext;
    return ToPos(n);
}

void CObList::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<DWORD>(m_nCount));
        for (CNode* n = m_pHead; n; n = n->pNext)
            ar.WriteObject(n->data);
    } else {
        DWORD count = ar.ReadCount(2);
        for (DWORD i = 0; i < count; ++i)
            AddTail(ar.ReadObject(nullptr));
    }
}
