// The in-memory master volume that replaces the real one in this test executable.
#pragma once

#include <windows.h>

struct VolumeDouble
{
    float fLevel = 0.0f;
    BOOL bMute = FALSE;
    bool bFail = false; // reads and writes fail, reads leave their out values alone
    int nVolumeWrites = 0;
    int nMuteWrites = 0;
    BOOL bLastCoreAudio = -1;

    void Reset(float fNewLevel, BOOL bNewMute)
    {
        *this = VolumeDouble();
        fLevel = fNewLevel;
        bMute = bNewMute;
    }
};

extern VolumeDouble g_volume;
