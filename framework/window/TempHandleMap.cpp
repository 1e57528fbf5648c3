// The per-thread table of temporary handle wrappers.
#include "framework/window/TempHandleMap.h"
#include "framework/core/CObject.h"

#include <map>
#include <utility>

namespace
{
struct TempEntry
{
    CObject* pWrapper;
    TempHandleMap::Release release;
};

thread_local std::map<std::pair<const void*, const void*>, TempEntry> t_temporaries;
} // namespace

CObject* TempHandleMap::Lookup(const void* typeTag, const void* handle)
{
    auto it = t_temporaries.find({typeTag, handle});
    return it != t_temporaries.end() ? it->second.pWrapper : nullptr;
}

void TempHandleMap::Add(const void* typeTag, const void* handle, CObject* pWrapper, Release release)
{
    t_temporaries[{typeTag, handle}] = TempEntry{pWrapper, release};
}

void TempHandleMap::DeleteTemporaries()
{
    std::map<std::pair<const void*, const void*>, TempEntry> doomed;
    doomed.swap(t_temporaries);
    for (auto& entry : doomed)
        entry.second.release(entry.second.pWrapper);
}
