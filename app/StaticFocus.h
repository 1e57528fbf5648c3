// CStaticFocus: a static control that paints its own grey border, background and centred text
// (the text fields of the information pop-up).
#pragma once

#include "framework/controls/Static.h"

class CStaticFocus : public CStatic
{
    DECLARE_DYNAMIC(CStaticFocus)
public:
    CStaticFocus() = default;

    // Written directly by the owner; used at the next paint.
    COLORREF m_clrText = 0;
    COLORREF m_clrBack = 0xE6E6E6;

protected:
    void OnPaint();

    DECLARE_MESSAGE_MAP()
};
