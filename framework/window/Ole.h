// OLE start-up of the application: AfxOleInit and AfxEnableControlContainer.
#pragma once

#include <windows.h>

// Initialises OLE on the calling thread; the application uninitialises it at its end. FALSE on failure.
BOOL AfxOleInit();
// Our windows host no ActiveX controls: there is nothing to enable.
inline void AfxEnableControlContainer() {}
