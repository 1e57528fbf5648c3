// CMFCToolBarImages: a list of equally sized button images, loaded as strips from bitmap resources
// (several strips may be appended) and drawn transparently, grey when disabled.
#pragma once

#include "framework/core/Geometry.h"

#include <vector>

class CDC;

// What PrepareDrawImage sets up for a series of Draw calls, released by EndDrawImage.
struct CAfxDrawState
{
    HDC hdcMem = nullptr;
    CSize sizeDest;
};

class CMFCToolBarImages
{
public:
    CMFCToolBarImages();
    ~CMFCToolBarImages();
    CMFCToolBarImages(const CMFCToolBarImages&) = delete;
    CMFCToolBarImages& operator=(const CMFCToolBarImages&) = delete;

    // Loads the bitmap resource uiResID of hinstRes (the resource module when null) as a strip of
    // images of the current image size; bAdd appends it to the images already held, else replaces them.
    // The strip's light grey (the face), dark grey and light edge grey become the system's 3D colours.
    BOOL Load(UINT uiResID, HINSTANCE hinstRes = nullptr, BOOL bAdd = FALSE);
    // The size of one image; bUpdateCount recounts the held strips at the new size.
    void SetImageSize(SIZE sizeImage, BOOL bUpdateCount = FALSE);
    CSize GetImageSize() const { return m_sizeImage; }
    int GetCount() const;
    BOOL IsValid() const { return !m_strips.empty(); }
    void Clear();

    // The colour drawn as transparent (the button face by default); returns the previous one.
    COLORREF SetTransparentColor(COLORREF clrTransparent);

    BOOL PrepareDrawImage(CAfxDrawState& ds, CSize sizeImageDest = CSize(0, 0), BOOL bFadeInactive = FALSE);
    // Draws image iImage at (x, y); disabled images are drawn as a light grey relief.
    BOOL Draw(CDC* pDC, int x, int y, int iImage, BOOL bHilite = FALSE, BOOL bDisabled = FALSE,
              BOOL bIndeterminate = FALSE, BOOL bShadow = FALSE, BOOL bInactive = FALSE, BYTE alphaSrc = 255);
    void EndDrawImage(CAfxDrawState& ds);

    // Reloads every strip from its resource, so the system colours are mapped anew.
    void OnSysColorChange();

private:
    struct Strip
    {
        UINT uiResID = 0;
        HINSTANCE hinst = nullptr;
        HBITMAP hbm = nullptr;
        CSize size; // of the whole bitmap
    };
    static HBITMAP LoadStrip(HINSTANCE hinst, UINT uiResID, CSize& size);
    int StripCount(const Strip& strip) const;

    std::vector<Strip> m_strips;
    CSize m_sizeImage;
    COLORREF m_clrTransparent;
    BOOL m_bUserTransparent = FALSE;
};
