// Temporary wrappers of handles that no object of ours owns (FromHandle of a DC, a font, an image
// list...): one wrapper per handle and type on the calling thread, all released (never the handles)
// when the thread's message loop goes idle (AfxDeleteTempMaps).
#pragma once

#include <windows.h>

class CObject;

namespace TempHandleMap
{
// Detaches the wrapper from its handle and deletes the wrapper.
using Release = void (*)(CObject* pWrapper);

CObject* Lookup(const void* typeTag, const void* handle);
void Add(const void* typeTag, const void* handle, CObject* pWrapper, Release release);
void DeleteTemporaries();
} // namespace TempHandleMap

// The temporary wrapper of type T for a handle (null for a null handle). T needs a default
// constructor, Attach and Detach.
template <class T, class THandle>
T* AfxTemporaryWrapper(THandle handle)
{
    if (handle == nullptr)
        return nullptr;
    static const char typeTag = 0; // one distinct address per wrapper type
    if (CObject* pFound = TempHandleMap::Lookup(&typeTag, handle))
        return static_cast<T*>(pFound);
    T* pWrapper = new T;
    pWrapper->Attach(handle);
    TempHandleMap::Add(&typeTag, handle, pWrapper,
                       [](CObject* p)
                       {
                           static_cast<T*>(p)->Detach();
                           delete p;
                       });
    return pWrapper;
}
