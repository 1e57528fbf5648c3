// The registered message numbers of in-place editing, fixed for the whole run.
#include "app/LabelMessages.h"

// Both are registered by static initialisation, before the application object is built, and in
// this order: one definition unit keeps the order defined.
const UINT WM_LABEL_KILLFOCUS = ::RegisterWindowMessageW(L"Label Kill Focus");
const UINT WM_LABEL_EDIT = ::RegisterWindowMessageW(L"Label Edit");
