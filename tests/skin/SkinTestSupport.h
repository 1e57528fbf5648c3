// Helpers of the skin tests: the skin's visual manager installed as the current one for a test, and
// the pixel canvas and command sink of the bar tests.
#pragma once

#include "framework/bars/VisualManager.h"
#include "skin/SkinVisualManager.h"
#include "tests/bars/BarsTestSupport.h"

#include <cstdlib>

// Installs CSkinVisualManager for the life of the object and gives its instance; the plain manager
// is installed again afterwards.
class SkinManagerScope
{
public:
    SkinManagerScope() { CMFCVisualManager::SetDefaultManager(RUNTIME_CLASS(CSkinVisualManager)); }
    ~SkinManagerScope() { CMFCVisualManager::SetDefaultManager(nullptr); }
    SkinManagerScope(const SkinManagerScope&) = delete;
    SkinManagerScope& operator=(const SkinManagerScope&) = delete;

    CSkinVisualManager* Get() const
    {
        return DYNAMIC_DOWNCAST(CSkinVisualManager, CMFCVisualManager::GetInstance());
    }
};

// Each channel of a and b differs by at most tolerance.
inline bool NearColor(COLORREF a, COLORREF b, int tolerance = 1)
{
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance &&
           std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

// clr lightened toward white by nPercent.
inline COLORREF Lightened(COLORREF clr, int nPercent)
{
    auto channel = [nPercent](int c) { return c + (255 - c) * nPercent / 100; };
    return RGB(channel(GetRValue(clr)), channel(GetGValue(clr)), channel(GetBValue(clr)));
}
