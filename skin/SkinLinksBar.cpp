// CSkinLinksBar: run-time class of the links bar.
#include "skin/SkinLinksBar.h"

IMPLEMENT_DYNCREATE(CSkinLinksBar, CSkinToolBar)
