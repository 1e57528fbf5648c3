// The handle map: HWND -> CWnd* for permanent (bound or attached) objects, process-wide; and the
// temporary wrappers of foreign windows, per thread, released when that thread's loop goes idle.
#pragma once

#include <windows.h>

class CWnd;

namespace WndHandleMap
{
CWnd* LookupPermanent(HWND hWnd);
// FALSE when the handle is already mapped to another object.
BOOL SetPermanent(HWND hWnd, CWnd* pWnd);
void RemovePermanent(HWND hWnd, CWnd* pWnd);

CWnd* LookupTemporary(HWND hWnd);
CWnd* AddTemporary(HWND hWnd);
void DeleteTemporaries();
} // namespace WndHandleMap
