// Master volume and mute, through Core Audio (Vista and later) or the multimedia mixer (before).
// The four volume calls live alone in Volume.cpp, so that a test of their callers can link its own
// versions of exactly these four in their place; the helpers are in VolumeSupport.cpp.
#pragma once

#include <windows.h>

// 1 on Windows NT 6.0 (Vista) and later: Core Audio is there.
BOOL IsVistaOrLater();

// Rounds halves away from zero: 12.5 gives 13, -12.5 gives -13.
int RoundToInt(double x);

// The mixer's scale: a level of 0..1 as a control value of 0..65535 (rounded, the product taken in
// single precision) and back. The bounds that a mixer control reports are not consulted.
DWORD MixerValueFromLevel(float fLevel);
float MixerLevelFromValue(DWORD dwValue);

// Each call opens what it needs, does one read or write and releases everything again. bCoreAudio
// chooses the road (IsVistaOrLater's answer). The result is 1 when the road's steps succeeded; a getter
// writes its out value only as its road allows, so callers set it to 0 beforehand.
BOOL SetMasterMute(BOOL bMute, BOOL bCoreAudio);
BOOL GetMasterMute(BOOL* pbMute, BOOL bCoreAudio);
// The level runs from 0 to 1.
BOOL SetMasterVolume(float fLevel, BOOL bCoreAudio);
BOOL GetMasterVolume(float* pfLevel, BOOL bCoreAudio);
