// Test helpers for the XML tree: a compact dump of a tree, and COM set up for the DOM loader.
#pragma once

#include "update/XML.h"

#include <objbase.h>
#include <string>

// name[attr=value,...]{text}(child child ...), with CR, LF and tab shown as \r, \n, \t.
std::wstring DumpTree(CXML& node);

// Builds a tree from the fallback parser over a text, as if read from a file of that encoding.
BOOL ParseFallback(CXML& node, const wchar_t* text, const wchar_t* startName = nullptr, UINT encoding = 3);

// COM for the current thread, as the program initialises OLE at start.
class ComScope
{
public:
    ComScope() : m_hr(CoInitialize(nullptr)) {}
    ~ComScope()
    {
        if (SUCCEEDED(m_hr))
            CoUninitialize();
    }

private:
    HRESULT m_hr;
};

// Levels of the tree below and including node (a lone node is 1).
int TreeDepth(CXML& node);
