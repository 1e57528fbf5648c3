// CMyMFCLinkCtrl: the main view's hyperlink buttons (maker's site, update link), without a focus
// rectangle.
#pragma once

#include "framework/controls/MFCLinkCtrl.h"

class CMyMFCLinkCtrl : public CMFCLinkCtrl
{
    DECLARE_DYNAMIC(CMyMFCLinkCtrl)
public:
    CMyMFCLinkCtrl() = default;
    ~CMyMFCLinkCtrl() override = default;

protected:
    // A link never shows a focus rectangle.
    void OnDrawFocusRect(CDC* pDC, const CRect& rectClient) override;
};
