// CImageList.
#include "framework/gdi/ImageList.h"
#include "framework/gdi/DC.h"
#include "framework/window/TempHandleMap.h"
#include "framework/window/WinApp.h"

CImageList::~CImageList()
{
    DeleteImageList();
}

CImageList* CImageList::FromHandle(HIMAGELIST hImageList)
{
    return AfxTemporaryWrapper<CImageList>(hImageList);
}

BOOL CImageList::Attach(HIMAGELIST hImageList)
{
    if (hImageList == nullptr || m_hImageList != nullptr)
        return FALSE;
    m_hImageList = hImageList;
    return TRUE;
}

HIMAGELIST CImageList::Detach()
{
    HIMAGELIST hImageList = m_hImageList;
    m_hImageList = nullptr;
    return hImageList;
}

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow)
{
    if (m_hImageList != nullptr)
        return FALSE;
    return Attach(::ImageList_Create(cx, cy, nFlags, nInitial, nGrow));
}

BOOL CImageList::Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask)
{
    if (m_hImageList != nullptr)
        return FALSE;
    return Attach(::ImageList_LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nBitmapID), cx, nGrow,
                                         crMask, IMAGE_BITMAP, LR_CREATEDIBSECTION));
}

BOOL CImageList::DeleteImageList()
{
    if (m_hImageList == nullptr)
        return FALSE;
    return ::ImageList_Destroy(Detach());
}

int CImageList::GetImageCount() const
{
    return m_hImageList != nullptr ? ::ImageList_GetImageCount(m_hImageList) : 0;
}

int CImageList::Add(CBitmap* pbmImage, COLORREF crMask)
{
    if (m_hImageList == nullptr || pbmImage == nullptr || pbmImage->m_hObject == nullptr)
        return -1;
    return ::ImageList_AddMasked(m_hImageList, static_cast<HBITMAP>(pbmImage->m_hObject), crMask);
}

int CImageList::Add(CBitmap* pbmImage, CBitmap* pbmMask)
{
    if (m_hImageList == nullptr || pbmImage == nullptr || pbmImage->m_hObject == nullptr)
        return -1;
    return ::ImageList_Add(m_hImageList, static_cast<HBITMAP>(pbmImage->m_hObject),
                           pbmMask != nullptr ? static_cast<HBITMAP>(pbmMask->m_hObject) : nullptr);
}

int CImageList::Add(HICON hIcon)
{
    if (m_hImageList == nullptr || hIcon == nullptr)
        return -1;
    return ::ImageList_AddIcon(m_hImageList, hIcon);
}

BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle)
{
    if (m_hImageList == nullptr || pDC == nullptr)
        return FALSE;
    return ::ImageList_Draw(m_hImageList, nImage, pDC->GetSafeHdc(), pt.x, pt.y, nStyle);
}
