// The bounded reader of extended dialog templates used by the resource checks.
#include "tests/resources/DialogTemplateReader.h"

#include <cstring>

namespace
{
class Cursor
{
public:
    Cursor(const BYTE* data, size_t size) : m_data(data), m_size(size) {}

    bool ok() const { return m_ok; }
    size_t offset() const { return m_pos; }

    template <typename T>
    T read()
    {
        T value{};
        if (m_pos + sizeof(T) > m_size)
        {
            m_ok = false;
            return value;
        }
        std::memcpy(&value, m_data + m_pos, sizeof(T));
        m_pos += sizeof(T);
        return value;
    }

    void align(size_t to)
    {
        m_pos = (m_pos + to - 1) / to * to;
        if (m_pos > m_size)
            m_ok = false;
    }

    void skip(size_t n)
    {
        if (m_pos + n > m_size)
            m_ok = false;
        else
            m_pos += n;
    }

    std::wstring string()
    {
        std::wstring s;
        for (;;)
        {
            wchar_t c = read<wchar_t>();
            if (!m_ok || c == 0)
                return s;
            s += c;
        }
    }

    // A name-or-ordinal field: 0 for none, 0xFFFF and an ordinal, or a string.
    std::wstring nameOrOrdinal(bool classField)
    {
        WORD first = read<WORD>();
        if (!m_ok || first == 0)
            return std::wstring();
        if (first == 0xFFFF)
        {
            WORD ordinal = read<WORD>();
            if (classField)
            {
                static const wchar_t* const names[] = {L"Button",  L"Edit",      L"Static",
                                                       L"ListBox", L"ScrollBar", L"ComboBox"};
                if (ordinal >= 0x80 && ordinal <= 0x85)
                    return names[ordinal - 0x80];
            }
            return L"#" + std::to_wstring(ordinal);
        }
        m_pos -= sizeof(WORD);
        return string();
    }

private:
    const BYTE* m_data;
    size_t m_size;
    size_t m_pos = 0;
    bool m_ok = true;
};
} // namespace

bool ReadDialogTemplate(HMODULE module, UINT id, DialogTemplate& out)
{
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(5) /* RT_DIALOG */);
    if (!found)
        return false;
    HGLOBAL loaded = LoadResource(module, found);
    const BYTE* data = loaded ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
    if (!data)
        return false;
    Cursor in(data, SizeofResource(module, found));

    if (in.read<WORD>() != 1 || in.read<WORD>() != 0xFFFF)
        return false;
    in.read<DWORD>(); // help id
    out.exStyle = in.read<DWORD>();
    out.style = in.read<DWORD>();
    WORD count = in.read<WORD>();
    out.x = in.read<short>();
    out.y = in.read<short>();
    out.cx = in.read<short>();
    out.cy = in.read<short>();
    out.menu = in.nameOrOrdinal(false);
    out.windowClass = in.nameOrOrdinal(false);
    out.title = in.string();
    if (out.style & (DS_SETFONT | DS_SHELLFONT))
    {
        out.pointSize = in.read<WORD>();
        out.weight = in.read<WORD>();
        out.italic = in.read<BYTE>();
        out.charset = in.read<BYTE>();
        out.typeface = in.string();
    }
    out.items.clear();
    for (WORD i = 0; i < count && in.ok(); ++i)
    {
        in.align(4);
        DialogItem item;
        in.read<DWORD>(); // help id
        item.exStyle = in.read<DWORD>();
        item.style = in.read<DWORD>();
        item.x = in.read<short>();
        item.y = in.read<short>();
        item.cx = in.read<short>();
        item.cy = in.read<short>();
        item.id = in.read<DWORD>();
        item.windowClass = in.nameOrOrdinal(true);
        item.text = in.nameOrOrdinal(false);
        in.skip(in.read<WORD>()); // creation data
        out.items.push_back(item);
    }
    return in.ok() && out.items.size() == count;
}
