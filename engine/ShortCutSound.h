// The sound a fired shortcut plays: which file (the sound-file rule) and playing it.
#pragma once

#include "engine/ShortCutConfig.h"

// The file to play after the item's command ran, or an empty text for no sound: nothing unless both
// GenPlaySound and the item's flag are on; the item's own file while GenAssignASound is on, else (or
// when that is blank) GenSoundAddress; quotes and blanks trimmed; a bare file name is taken from the
// program's folder.
CString GetShortCutSoundFile(CShortCutConfig& store, const ShortCutItem& item);

// Plays the file that GetShortCutSoundFile chose, asynchronously (a new sound cuts off the one playing);
// an empty text plays nothing. Failures are silent.
void PlayShortCutSoundFile(const CString& strFile, HMODULE hModule);

// The PlaySoundW that PlayShortCutSoundFile calls; tests replace it (there is no sound card to hear).
// The previous function is returned.
using PlaySoundFunc = BOOL(WINAPI*)(LPCWSTR pszSound, HMODULE hModule, DWORD fdwSound);
PlaySoundFunc SetPlaySoundFunc(PlaySoundFunc pfn);
