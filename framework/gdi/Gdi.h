// The GDI part of the class library in one include: objects, DCs, the double buffer, image lists and
// the global colours and fonts.
#pragma once

#include "framework/gdi/GdiObject.h"
#include "framework/gdi/DC.h"
#include "framework/gdi/WindowDC.h"
#include "framework/gdi/MemDC.h"
#include "framework/gdi/ImageList.h"
#include "framework/gdi/GlobalData.h"
