// CMFCMenuImages: the small glyphs that tool-bar combo boxes draw (the drop-down arrow), drawn as shapes
// in one of four colours.
#pragma once

#include "framework/core/Geometry.h"

class CDC;

class CMFCMenuImages
{
public:
    enum IMAGES_IDS
    {
        IdArrowDown = 0,
    };
    enum IMAGE_STATE
    {
        ImageBlack = 0,
        ImageGray = 1,
        ImageLtGray = 2,
        ImageWhite = 3,
    };

    // The size of one glyph.
    static CSize Size() { return CSize(9, 9); }
    // Draws glyph id with its top-left at ptImage; sizeImage (0, 0) means Size().
    static void Draw(CDC* pDC, IMAGES_IDS id, const CPoint& ptImage, IMAGE_STATE state = ImageBlack,
                     const CSize& sizeImage = CSize(0, 0));
};
