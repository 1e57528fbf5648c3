// ShortCutItem: one shortcut (name, command, key combination, sound), its hotkey text, and the list.
#pragma once

#include "framework/core/CString.h"

#include <list>

// One row of the default shortcut table (g_DefaultShortCuts).
struct DefaultShortCutEntry
{
    ULONGLONG nNumber;
    const wchar_t* pszName;
    const wchar_t* pszCommand;
    const wchar_t* pszHotKey;
};

// Always on the heap, referred to by pointer; the store's list owns it. The three texts are the item's
// own _wcsdup copies (null when unset), released with free.
struct ShortCutItem
{
    ShortCutItem() = default;
    ~ShortCutItem() { Clear(); }
    ShortCutItem(const ShortCutItem&) = delete;
    ShortCutItem& operator=(const ShortCutItem&) = delete;

    // Frees the texts and clears the key combination; the play-sound flag and serial number stay.
    void Clear();
    // Valid: a non-empty name. Registrable: valid and a main key is set.
    bool IsValid() const;
    bool IsRegistrable() const;
    void InitFromDefault(const DefaultShortCutEntry& row);

    void SetSoundFile(const wchar_t* pszFile);
    CString GetSoundFile() const;
    void SetPlaySound(UINT bPlay) { m_bPlaySound = bPlay; }
    UINT GetPlaySound() const { return m_bPlaySound; }

    // Sets the modifier flags, key code and Win key from a hotkey text ("Ctrl + Alt + Delete").
    void ParseHotKey(const wchar_t* pszText);
    // The same for nLength characters of a text that need not end there (the configuration reader).
    void ParseHotKey(const wchar_t* pszText, size_t nLength);
    // The canonical text: "Win", "Shift", "Ctrl", "Alt" and the key's name joined by " + ".
    CString FormatHotKey() const;
    // The same text into a buffer (for writers of many items); returns its length.
    static const size_t HOTKEY_TEXT_SIZE = 64;
    size_t FormatHotKey(wchar_t (&szText)[HOTKEY_TEXT_SIZE]) const;

    UINT m_nSerial = 0;              // set only for items of the default set; nothing reads it back
    wchar_t* m_pszName = nullptr;    // owned
    wchar_t* m_pszCommand = nullptr; // owned; grammar of the command executor
    WORD m_wModifiers = 0;           // FSHIFT | FCONTROL | FALT, plus FVIRTKEY | FNOINVERT when a key is set
    WORD m_wVirtualKey = 0;          // the main key; 0 = none
    WORD m_wWinKey = 0;              // VK_LWIN (or VK_RWIN) when Win is part of the combination
    UINT m_bPlaySound = 1;
    wchar_t* m_pszSoundFile = nullptr; // owned
};

// The store's shortcuts in display, file and hotkey-id order.
using ShortCutList = std::list<ShortCutItem*>;

// Deletes every item of the list (null entries skipped) and empties it.
void FreeShortCutList(ShortCutList& list);
