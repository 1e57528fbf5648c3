// CTypedPtrList: a type-safe face over CObList for pointers to one CObject-derived class.
#pragma once

#include "framework/core/CObList.h"

#include <type_traits>

// BASE_CLASS is CObList; TYPE is a pointer to a class with run-time class information.
template <class BASE_CLASS, class TYPE>
class CTypedPtrList : public BASE_CLASS
{
    using Element = std::remove_pointer_t<TYPE>;

public:
    explicit CTypedPtrList(INT_PTR nBlockSize = 10) : BASE_CLASS(nBlockSize) {}

    TYPE GetHead() { return static_cast<TYPE>(BASE_CLASS::GetHead()); }
    TYPE GetTail() { return static_cast<TYPE>(BASE_CLASS::GetTail()); }
    TYPE GetNext(POSITION& rPosition) { return static_cast<TYPE>(BASE_CLASS::GetNext(rPosition)); }
    TYPE GetAt(POSITION position) { return static_cast<TYPE>(BASE_CLASS::GetAt(position)); }
    void SetAt(POSITION pos, TYPE newElement) { BASE_CLASS::SetAt(pos, newElement); }

    POSITION AddHead(TYPE newElement) { return BASE_CLASS::AddHead(newElement); }
    POSITION AddTail(TYPE newElement) { return BASE_CLASS::AddTail(newElement); }
    POSITION InsertBefore(POSITION position, TYPE newElement)
    {
        return BASE_CLASS::InsertBefore(position, newElement);
    }
    TYPE RemoveHead() { return static_cast<TYPE>(BASE_CLASS::RemoveHead()); }
    TYPE RemoveTail() { return static_cast<TYPE>(BASE_CLASS::RemoveTail()); }

    // Same archive format as the base list; loading accepts only elements of TYPE's class (or derived),
    // so a damaged archive cannot slip an object of another class into the list.
    void Serialize(CArchive& ar) override { BASE_CLASS::SerializeElements(ar, Element::GetThisClass()); }
};
