// The program's version text and the comparison of dotted version texts.
#pragma once

#include "framework/core/CString.h"

// The version the update check compares a published one with (the about page shows the same text).
#define KEYSTRIDER_VERSION_TEXT L"1.6"

// 1 when a is newer than b, -1 when older, 0 when equal or when one of them runs out of components
// first: "1.6.1" against "1.6" is 0, "1.10" is 1, "1.5.9" is -1. An empty component also ends with 0.
int CompareVersions(CString a, CString b);
