// CObList: a doubly linked list of CObject pointers, walked with POSITION values; it never owns them.
#pragma once

#include "framework/core/CObject.h"

// An opaque place in a list: valid until the entry it names is removed.
struct __POSITION
{
};
typedef __POSITION* POSITION;

class CObList : public CObject
{
    DECLARE_SERIAL(CObList)
public:
    // nBlockSize is the platform's allocation hint for list nodes; entries are allocated one by one here.
    explicit CObList(INT_PTR nBlockSize = 10);
    ~CObList() override;

    INT_PTR GetCount() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    CObject*& GetHead();
    CObject*& GetTail();
    POSITION GetHeadPosition() const { return reinterpret_cast<POSITION>(m_pHead); }
    POSITION GetTailPosition() const { return reinterpret_cast<POSITION>(m_pTail); }
    // Returns the element at rPosition and moves rPosition on (null after the tail).
    CObject*& GetNext(POSITION& rPosition);
    CObject*& GetAt(POSITION position);
    void SetAt(POSITION pos, CObject* newElement);

    POSITION AddHead(CObject* newElement);
    POSITION AddTail(CObject* newElement);
    POSITION InsertBefore(POSITION position, CObject* newElement);
    CObject* RemoveHead();
    CObject* RemoveTail();
    void RemoveAt(POSITION position);
    void RemoveAll();

    // Storing: the element count, then each element with its run-time class. Loading appends what it
    // reads; it stops at the first element the archive cannot deliver.
    void Serialize(CArchive& ar) override;

protected:
    // Serialize with a class every loaded element must be derived from (typed lists pass theirs).
    void SerializeElements(CArchive& ar, const CRuntimeClass* pElementClass);

private:
    struct CNode
    {
        CNode* pNext;
        CNode* pPrev;
        CObject* data;
    };
    static CNode* NodeOf(POSITION position) { return reinterpret_cast<CNode*>(position); }

    CNode* m_pHead = nullptr;
    CNode* m_pTail = nullptr;
    INT_PTR m_nCount = 0;
    INT_PTR m_nBlockSize;

    CObList(const CObList&) = delete;
    CObList& operator=(const CObList&) = delete;
};
