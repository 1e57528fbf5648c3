// The volume calls' helpers: the choice of road, rounding and the mixer's scale.
#include "engine/Volume.h"

BOOL IsVistaOrLater()
{
    OSVERSIONINFOEXW osvi = {};
    osvi.dwOSVersionInfoSize = sizeof(osvi);
    if (!GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&osvi)))
        return FALSE;
    return osvi.dwPlatformId == VER_PLATFORM_WIN32_NT && osvi.dwMajorVersion >= 6;
}

int RoundToInt(double x)
{
    return static_cast<int>(x >= 0 ? x + 0.5 : x - 0.5);
}

DWORD MixerValueFromLevel(float fLevel)
{
    float fValue = 65535.0f * fLevel;
    return static_cast<DWORD>(RoundToInt(fValue));
}

float MixerLevelFromValue(DWORD dwValue)
{
    return static_cast<float>(dwValue / 65535.0);
}
