// The size of a skin button that shows only a bold label (the category tabs and the links buttons).
#pragma once

#include "framework/ToolBarButton.h"

// Measures the button's bold label into m_sizeText (+6 in width) and returns its size on the bar:
// (max(along-the-bar size, label width) + cxExtra, label height + cyExtra). Under another visual
// manager the class library's own size; an invisible button measures 0 x 0.
SIZE CalcSkinLabelButtonSize(CMFCToolBarButton& button, CDC* pDC, const CSize& sizeDefault, BOOL bHorz,
                             int cxExtra, int cyExtra);
