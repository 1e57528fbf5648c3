// CObList: a doubly linked list of CObject pointers, walked with POSITION values; it never owns them.
#include "framework/core/CObList.h"
#include "framework/core/CArchive.h"

IMPLEMENT_SERIAL(CObList, CObject, 0)

CObList::CObList(INT_PTR nBlockSize) : m_nBlockSize(nBlockSize > 0 ? nBlockSize : 10) {}

CObList::~CObList()
{
    RemoveAll();
}

CObject*& CObList::GetHead()
{
    return m_pHead->data;
}

CObject*& CObList::GetTail()
{
    return m_pTail->data;
}

CObject*& CObList::GetNext(POSITION& rPosition)
{
    CNode* node = NodeOf(rPosition);
    rPosition = reinterpret_cast<POSITION>(node->pNext);
    return node->data;
}

CObject*& CObList::GetAt(POSITION position)
{
    return NodeOf(position)->data;
}

void CObList::SetAt(POSITION pos, CObject* newElement)
{
    NodeOf(pos)->data = newElement;
}

POSITION CObList::AddHead(CObject* newElement)
{
    CNode* node = new CNode{m_pHead, nullptr, newElement};
    if (m_pHead != nullptr)
        m_pHead->pPrev = node;
    else
        m_pTail = node;
    m_pHead = node;
    ++m_nCount;
    return reinterpret_cast<POSITION>(node);
}

POSITION CObList::AddTail(CObject* newElement)
{
    CNode* node = new CNode{nullptr, m_pTail, newElement};
    if (m_pTail != nullptr)
        m_pTail->pNext = node;
    else
        m_pHead = node;
    m_pTail = node;
    ++m_nCount;
    return reinterpret_cast<POSITION>(node);
}

POSITION CObList::InsertBefore(POSITION position, CObject* newElement)
{
    if (position == nullptr)
        return AddHead(newElement);
    CNode* old = NodeOf(position);
    CNode* node = new CNode{old, old->pPrev, newElement};
    if (old->pPrev != nullptr)
        old->pPrev->pNext = node;
    else
        m_pHead = node;
    old->pPrev = node;
    ++m_nCount;
    return reinterpret_cast<POSITION>(node);
}

CObject* CObList::RemoveHead()
{
    CObject* data = m_pHead->data;
    RemoveAt(GetHeadPosition());
    return data;
}

CObject* CObList::RemoveTail()
{
    CObject* data = m_pTail->data;
    RemoveAt(GetTailPosition());
    return data;
}

void CObList::RemoveAt(POSITION position)
{
    CNode* node = NodeOf(position);
    if (node->pPrev != nullptr)
        node->pPrev->pNext = node->pNext;
    else
        m_pHead = node->pNext;
    if (node->pNext != nullptr)
        node->pNext->pPrev = node->pPrev;
    else
        m_pTail = node->pPrev;
    delete node;
    --m_nCount;
}

void CObList::RemoveAll()
{
    while (m_pHead != nullptr)
    {
        CNode* next = m_pHead->pNext;
        delete m_pHead;
        m_pHead = next;
    }
    m_pTail = nullptr;
    m_nCount = 0;
}

void CObList::Serialize(CArchive& ar)
{
    SerializeElements(ar, RUNTIME_CLASS(CObject));
}

void CObList::SerializeElements(CArchive& ar, const CRuntimeClass* pElementClass)
{
    if (ar.IsStoring())
    {
        ar.WriteCount(static_cast<DWORD_PTR>(m_nCount));
        for (CNode* node = m_pHead; node != nullptr; node = node->pNext)
            ar.WriteObject(node->data);
        return;
    }
    // The count comes from the archive: trust it only as far as objects actually arrive.
    for (DWORD_PTR n = ar.ReadCount(); n > 0 && !ar.IsFailed(); --n)
    {
        CObject* element = ar.ReadObject(pElementClass);
        if (ar.IsFailed())
            break;
        AddTail(element);
    }
}
