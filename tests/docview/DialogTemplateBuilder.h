// Builds an extended dialog template (DLGTEMPLATEEX) in memory, so that window tests need no
// resource script.
#pragma once

#include <windows.h>

#include <vector>

class DialogTemplateBuilder
{
public:
    DialogTemplateBuilder(DWORD style, short cx, short cy, const wchar_t* title = L"")
    {
        style |= DS_SETFONT;
        Word(1);
        Word(0xFFFF);
        Dword(0); // help id
        Dword(0); // extended style
        Dword(style);
        m_countIndex = m_words.size();
        Word(0); // item count, filled by Add
        Word(0);
        Word(0);
        Word(static_cast<WORD>(cx));
        Word(static_cast<WORD>(cy));
        Word(0); // no menu
        Word(0); // default class
        Text(title);
        Word(8);   // point size
        Word(400); // weight
        Word(0);   // italic 0, character set 0
        Text(L"MS Shell Dlg");
    }

    // A control of a system class given by its atom (0x80 button, 0x81 edit, 0x82 static).
    DialogTemplateBuilder& Add(WORD classAtom, int id, DWORD style, short x, short y, short cx, short cy,
                               const wchar_t* text = L"")
    {
        if (m_words.size() % 2 != 0)
            Word(0); // items start on a DWORD boundary
        Dword(0);    // help id
        Dword(0);    // extended style
        Dword(style | WS_CHILD | WS_VISIBLE);
        Word(static_cast<WORD>(x));
        Word(static_cast<WORD>(y));
        Word(static_cast<WORD>(cx));
        Word(static_cast<WORD>(cy));
        Dword(static_cast<DWORD>(id));
        Word(0xFFFF);
        Word(classAtom);
        Text(text);
        Word(0); // no creation data
        ++m_words[m_countIndex];
        return *this;
    }

    LPCDLGTEMPLATE Get() const { return reinterpret_cast<LPCDLGTEMPLATE>(m_words.data()); }

private:
    std::vector<WORD> m_words;
    size_t m_countIndex = 0;

    void Word(WORD w) { m_words.push_back(w); }
    void Dword(DWORD d)
    {
        Word(LOWORD(d));
        Word(HIWORD(d));
    }
    void Text(const wchar_t* s)
    {
        for (; *s != 0; ++s)
            Word(static_cast<WORD>(*s));
        Word(0);
    }
};
