// The GDI part of the class library in one include: objects, DCs, the double buffer, image lists and
// the global colours and fonts.
#pragma once

#include "framework/GdiObject.h"
#include "framework/DC.h"
#include "framework/WindowDC.h"
#include "framework/MemDC.h"
#include "framework/ImageList.h"
#include "framework/GlobalData.h"
