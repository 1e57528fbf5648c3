// A stand-in for the four master volume calls (no sound card here): a level and a mute state in memory,
// and a switch that makes the reads fail as they do without a playback device.
#include "tests/executor/VolumeDouble.h"

#include "engine/Volume.h"

VolumeDouble g_volume;

BOOL SetMasterMute(BOOL bMute, BOOL bCoreAudio)
{
    g_volume.bLastCoreAudio = bCoreAudio;
    ++g_volume.nMuteWrites;
    g_volume.bMute = bMute;
    return g_volume.bFail ? FALSE : TRUE;
}

BOOL GetMasterMute(BOOL* pbMute, BOOL bCoreAudio)
{
    g_volume.bLastCoreAudio = bCoreAudio;
    if (g_volume.bFail)
        return FALSE;
    *pbMute = g_volume.bMute;
    return TRUE;
}

BOOL SetMasterVolume(float fLevel, BOOL bCoreAudio)
{
    g_volume.bLastCoreAudio = bCoreAudio;
    ++g_volume.nVolumeWrites;
    g_volume.fLevel = fLevel;
    return g_volume.bFail ? FALSE : TRUE;
}

BOOL GetMasterVolume(float* pfLevel, BOOL bCoreAudio)
{
    g_volume.bLastCoreAudio = bCoreAudio;
    if (g_volume.bFail)
        return FALSE;
    *pfLevel = g_volume.fLevel;
    return TRUE;
}
