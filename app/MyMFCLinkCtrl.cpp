// CMyMFCLinkCtrl: a link button that draws no focus rectangle.
#include "app/MyMFCLinkCtrl.h"

IMPLEMENT_DYNAMIC(CMyMFCLinkCtrl, CMFCLinkCtrl)

void CMyMFCLinkCtrl::OnDrawFocusRect(CDC*, const CRect&) {}
