// CMFCVisualManagerOffice2003: the Office XP look with bars shaded from a light tint of the button face
// at the top to the face itself at the bottom.
#pragma once

#include "framework/bars/VisualManagerOfficeXP.h"

class CMFCVisualManagerOffice2003 : public CMFCVisualManagerOfficeXP
{
    DECLARE_DYNCREATE(CMFCVisualManagerOffice2003)
public:
    CMFCVisualManagerOffice2003();
    ~CMFCVisualManagerOffice2003() override;

    void OnUpdateSystemColors() override;
    void OnFillBarBackground(CDC* pDC, CBasePane* pBar, CRect rectClient, CRect rectClip,
                             BOOL bNCArea = FALSE) override;

protected:
    COLORREF m_clrBarGradientLight = 0; // top of a bar's shading
};
