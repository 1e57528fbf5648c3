// What the skin buttons that show only a label have in common (the category tabs and the links
// buttons): their size and their label colour.
#pragma once

#include "framework/bars/ToolBarButton.h"

class CMFCVisualManager;

// Measures the button's bold label into m_sizeText (+6 in width) and returns its size on the bar:
// (max(along-the-bar size, label width) + cxExtra, label height + cyExtra). Under another visual
// manager the class library's own size; an invisible button measures 0 x 0.
SIZE CalcSkinLabelButtonSize(CMFCToolBarButton& button, CDC* pDC, const CSize& sizeDefault, BOOL bHorz,
                             int cxExtra, int cyExtra);

// Sets the label's text colour from the visual manager for the button's state: highlighted when hot,
// else pressed when checked or pressed, else regular. Returns the manager (null when there is none).
CMFCVisualManager* SetSkinLabelTextColor(CMFCToolBarButton& button, CDC* pDC, BOOL bHighlight);
