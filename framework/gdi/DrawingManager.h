// CDrawingManager: the drawing helpers the visual managers share (banded gradients, lightening a
// rectangle toward a colour, drop shadows), working on the pixels of one device context.
#pragma once

#include "framework/core/Geometry.h"

class CDC;
class CBitmap;

class CDrawingManager
{
public:
    explicit CDrawingManager(CDC& dc);

    // 64 colour bands. bHorz TRUE: bands stacked top to bottom, clrStart along the bottom edge and
    // clrFinish along the top edge; FALSE: clrStart at the left edge, clrFinish at the right edge.
    // The flat percentages keep that share of the rectangle at the start / finish colour.
    void FillGradient(CRect rect, COLORREF clrStart, COLORREF clrFinish, BOOL bHorz = TRUE,
                      int nStartFlatPercentage = 0, int nEndFlatPercentage = 0);

    // Moves every pixel of rect toward clrBlend (white when -1) by nPercentage percent (10 when -1);
    // pixels within nTolerance of clrTransparent are left alone. FALSE when nothing could be read.
    BOOL HighlightRect(CRect rect, int nPercentage = -1, COLORREF clrTransparent = (COLORREF)-1,
                       int nTolerance = 0, COLORREF clrBlend = (COLORREF)-1);

    // Darkens a strip of nDepth pixels below rect (and right of it when bRightShadow), from
    // iMaxBrightness percent of the pixel next to rect to iMinBrightness at the outer edge, tinted
    // toward clrBase when given. A depth of 0 draws nothing and returns FALSE. The saved-bitmap
    // arguments are accepted for callers that pass them; nothing is saved.
    BOOL DrawShadow(CRect rect, int nDepth, int iMinBrightness = 100, int iMaxBrightness = 50,
                    CBitmap* pBmpSaveBottom = nullptr, CBitmap* pBmpSaveRight = nullptr,
                    COLORREF clrBase = (COLORREF)-1, BOOL bRightShadow = TRUE);

private:
    HDC m_hdc;
};
