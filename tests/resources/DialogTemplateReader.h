// Reads an extended dialog template (DLGTEMPLATEEX) from the resources into plain values, with every
// read bounded by the resource's size, so the checks compare tables instead of walking raw bytes.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct DialogItem
{
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    DWORD id = 0;
    std::wstring windowClass; // a predefined class given by ordinal is returned by name ("Button"...)
    std::wstring text;        // an ordinal text (an icon's resource id) is returned as "#128"
};

struct DialogTemplate
{
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    std::wstring menu, windowClass, title;
    WORD pointSize = 0, weight = 0;
    BYTE italic = 0, charset = 0;
    std::wstring typeface;
    std::vector<DialogItem> items;
};

// False when the resource is missing, not an extended template or shorter than it claims to be.
bool ReadDialogTemplate(HMODULE module, UINT id, DialogTemplate& out);
