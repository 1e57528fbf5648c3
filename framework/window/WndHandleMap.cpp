// The handle map of window objects.
#include "framework/window/WndHandleMap.h"
#include "framework/window/Wnd.h"
#include "framework/window/TempHandleMap.h"

#include <mutex>
#include <unordered_map>

namespace
{
// The map and its lock live until the process ends (never destroyed): window objects with static
// storage (CWnd::wndTopMost, members of the application object) still look into it while the
// process's static objects are being destroyed.
std::mutex& Lock()
{
    static auto* lock = new std::mutex;
    return *lock;
}
std::unordered_map<HWND, CWnd*>& Permanent()
{
    static auto* map = new std::unordered_map<HWND, CWnd*>;
    return *map;
}
// Wrappers belong to the thread that asked for them; its idle time releases them. A plain pointer:
// thread-local objects with destructors hang the process's exit with this runtime.
using TempMap = std::unordered_map<HWND, CWnd*>;
thread_local TempMap* t_temporary = nullptr;
} // namespace

CWnd* WndHandleMap::LookupPermanent(HWND hWnd)
{
    std::lock_guard<std::mutex> guard(Lock());
    auto it = Permanent().find(hWnd);
    return it != Permanent().end() ? it->second : nullptr;
}

BOOL WndHandleMap::SetPermanent(HWND hWnd, CWnd* pWnd)
{
    std::lock_guard<std::mutex> guard(Lock());
    auto result = Permanent().emplace(hWnd, pWnd);
    return result.second || result.first->second == pWnd;
}

void WndHandleMap::RemovePermanent(HWND hWnd, CWnd* pWnd)
{
    std::lock_guard<std::mutex> guard(Lock());
    auto it = Permanent().find(hWnd);
    if (it != Permanent().end() && it->second == pWnd)
        Permanent().erase(it);
}

CWnd* WndHandleMap::LookupTemporary(HWND hWnd)
{
    if (t_temporary == nullptr)
        return nullptr;
    auto it = t_temporary->find(hWnd);
    return it != t_temporary->end() ? it->second : nullptr;
}

CWnd* WndHandleMap::AddTemporary(HWND hWnd)
{
    if (t_temporary == nullptr)
        t_temporary = new TempMap;
    CWnd*& slot = (*t_temporary)[hWnd];
    if (slot == nullptr)
    {
        slot = new CWnd;
        slot->m_hWnd = hWnd; // a wrapper only: not mapped, not subclassed, never destroys the window
    }
    return slot;
}

void WndHandleMap::DeleteTemporaries()
{
    TempMap* doomed = t_temporary;
    t_temporary = nullptr;
    if (doomed == nullptr)
        return;
    for (auto& entry : *doomed)
    {
        entry.second->m_hWnd = nullptr;
        delete entry.second;
    }
    delete doomed;
}

void AfxDeleteTempMaps()
{
    WndHandleMap::DeleteTemporaries();
    TempHandleMap::DeleteTemporaries(); // DCs, GDI objects, image lists, menus
}
