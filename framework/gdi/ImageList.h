// CImageList: an owning wrapper of a common-controls image list (deleted with the object unless it
// was detached; FromHandle wraps a foreign list without owning it).
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "framework/core/CObject.h"

class CBitmap;
class CDC;

class CImageList : public CObject
{
public:
    CImageList() = default;
    ~CImageList() override;
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    HIMAGELIST m_hImageList = nullptr;

    HIMAGELIST GetSafeHandle() const { return m_hImageList; }
    operator HIMAGELIST() const { return m_hImageList; }

    static CImageList* FromHandle(HIMAGELIST hImageList);
    BOOL Attach(HIMAGELIST hImageList); // takes ownership
    HIMAGELIST Detach();

    // FALSE when this object already holds a list.
    BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
    // From a bitmap resource of the program: cells cx wide, the mask from crMask.
    BOOL Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask);
    BOOL DeleteImageList();

    int GetImageCount() const;
    // The bitmap's cells with the pixels of crMask transparent; the index of the first, -1 on failure.
    int Add(CBitmap* pbmImage, COLORREF crMask);
    int Add(CBitmap* pbmImage, CBitmap* pbmMask);
    int Add(HICON hIcon);
    BOOL Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle);
};
