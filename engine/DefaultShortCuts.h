// The default shortcut set (g_DefaultShortCuts), used at first start and by "Reset to Default".
#pragma once

#include "engine/ShortCutItem.h"

const size_t DEFAULT_SHORTCUT_COUNT = 11;
extern const DefaultShortCutEntry g_DefaultShortCuts[DEFAULT_SHORTCUT_COUNT];
