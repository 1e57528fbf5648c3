// The program's other resources: tool bar, image strips, skin pictures, icons, menus, accelerators,
// strings, version and manifest, as the frame, the skin and the view load them.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlwapi.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <tuple>
#include <vector>

#include "res/resource.h"

namespace
{
HMODULE Self()
{
    return GetModuleHandleW(nullptr);
}

// The bytes of a resource, empty when it is missing.
std::vector<BYTE> ResourceBytes(LPCWSTR name, LPCWSTR type)
{
    HRSRC found = FindResourceW(Self(), name, type);
    if (!found)
        return {};
    const BYTE* data = static_cast<const BYTE*>(LockResource(LoadResource(Self(), found)));
    return data ? std::vector<BYTE>(data, data + SizeofResource(Self(), found)) : std::vector<BYTE>();
}

std::vector<int> MenuIds(HMENU menu)
{
    std::vector<int> ids;
    for (int i = 0; i < GetMenuItemCount(menu); ++i)
        ids.push_back(int(GetMenuItemID(menu, i)));
    return ids;
}

std::wstring MenuText(HMENU menu, int position)
{
    wchar_t text[128] = {};
    GetMenuStringW(menu, position, text, 128, MF_BYPOSITION);
    return text;
}
} // namespace

TEST(ResourceTable, ToolBarListsRunStopShortcutExitWithSeparators)
{
    std::vector<BYTE> bytes =
        ResourceBytes(MAKEINTRESOURCEW(IDR_MAINFRAME), MAKEINTRESOURCEW(RT_TOOLBAR_TYPE));
    ASSERT_EQ(20u, bytes.size());
    std::vector<WORD> words(bytes.size() / 2);
    std::memcpy(words.data(), bytes.data(), bytes.size());
    EXPECT_EQ(
        (std::vector<WORD>{1, 16, 16, 6, ID_TRAY_PLAY, ID_TOOL_STOP, 0, ID_TOOL_SHORTCUT, 0, ID_TOOL_EXIT}),
        words);
}

TEST(ResourceTable, ImageStripsHoldOneSixteenPixelImagePerButton)
{
    for (UINT id : {IDR_MAINFRAME, IDB_TOOLBAR_COLD, IDB_TOOLBAR_MENU, IDB_TOOLBAR_DISABLED, IDB_TOOLBAR_HOT,
                    IDB_TOOLBAR_PRESSED, IDB_TOOLBAR_MENU_LOW_COLOR})
    {
        SCOPED_TRACE(id);
        HBITMAP bmp = static_cast<HBITMAP>(
            LoadImageW(Self(), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        ASSERT_NE(nullptr, bmp);
        BITMAP info = {};
        GetObjectW(bmp, sizeof(info), &info);
        EXPECT_EQ(4 * 16, info.bmWidth);
        EXPECT_EQ(16, info.bmHeight);
        DeleteObject(bmp);
    }
}

TEST(ResourceTable, SkinPicturesAreNamedTwentyFourBitBitmapsWithoutColourTable)
{
    struct
    {
        const wchar_t* name;
        LONG width, height;
    } const pictures[] = {{L"IDB_SKIN_FRAME_BKGND", 392, 114}, {L"IDB_SKIN_CAPTION_BTNS", 216, 18}};
    for (const auto& picture : pictures)
    {
        SCOPED_TRACE(testing::Message() << picture.name);
        std::vector<BYTE> bytes = ResourceBytes(picture.name, MAKEINTRESOURCEW(2) /* RT_BITMAP */);
        ASSERT_GE(bytes.size(), sizeof(BITMAPINFOHEADER));
        BITMAPINFOHEADER header;
        std::memcpy(&header, bytes.data(), sizeof(header));
        EXPECT_EQ(40u, header.biSize);
        EXPECT_EQ(picture.width, header.biWidth);
        EXPECT_EQ(picture.height, header.biHeight);
        EXPECT_EQ(24, header.biBitCount);
        EXPECT_EQ(DWORD(BI_RGB), header.biCompression);
        EXPECT_EQ(0u, header.biClrUsed);
        size_t stride = (size_t(picture.width) * 3 + 3) & ~size_t(3);
        EXPECT_EQ(40 + stride * size_t(picture.height), bytes.size()); // pixels follow the header directly

        HANDLE loaded = LoadImageW(Self(), picture.name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
        EXPECT_NE(nullptr, loaded);
        DeleteObject(loaded);
    }
}

TEST(ResourceTable, CaptionButtonCellsStandOnTheMagentaMaskColour)
{
    HBITMAP strip = static_cast<HBITMAP>(LoadImageW(Self(), L"IDB_SKIN_CAPTION_BTNS", IMAGE_BITMAP, 0, 0, 0));
    ASSERT_NE(nullptr, strip);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, strip);
    for (int cell = 0; cell < 12; ++cell)
    {
        SCOPED_TRACE(cell);
        EXPECT_EQ(RGB(255, 0, 255), GetPixel(dc, cell * 18, 0)); // the corner shows the caption bar
        EXPECT_NE(RGB(255, 0, 255), GetPixel(dc, cell * 18 + 9, 9));
    }
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(strip);
}

TEST(ResourceTable, IconsLoadAtThirtyTwoPixelsAndTheProgramIconAlsoAtSixteen)
{
    std::vector<UINT> ids = {IDR_MAINFRAME};
    for (UINT id = IDI_NEW; id <= IDI_MOVE_UP_DISABLED; ++id)
        ids.push_back(id);
    for (UINT id : ids)
    {
        SCOPED_TRACE(id);
        HICON icon = static_cast<HICON>(LoadImageW(Self(), MAKEINTRESOURCEW(id), IMAGE_ICON, 32, 32, 0));
        ASSERT_NE(nullptr, icon);
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP colour = {};
        GetObjectW(info.hbmColor, sizeof(colour), &colour);
        EXPECT_EQ(32, colour.bmWidth);
        EXPECT_EQ(32, colour.bmHeight);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }

    // The tray and the caption bar ask for the small size: the group must hold a real 16 x 16 image.
    std::vector<BYTE> group =
        ResourceBytes(MAKEINTRESOURCEW(IDR_MAINFRAME), MAKEINTRESOURCEW(14) /* RT_GROUP_ICON */);
    ASSERT_FALSE(group.empty());
    int small = LookupIconIdFromDirectoryEx(group.data(), TRUE, 16, 16, LR_DEFAULTCOLOR);
    std::vector<BYTE> image = ResourceBytes(MAKEINTRESOURCEW(small), MAKEINTRESOURCEW(3) /* RT_ICON */);
    ASSERT_GE(image.size(), sizeof(BITMAPINFOHEADER));
    BITMAPINFOHEADER header;
    std::memcpy(&header, image.data(), sizeof(header));
    EXPECT_EQ(16, header.biWidth);
}

TEST(ResourceTable, MenusCarryTheCommandsTheFrameHandles)
{
    HMENU main = LoadMenuW(Self(), MAKEINTRESOURCEW(IDR_MAINFRAME));
    ASSERT_NE(nullptr, main);
    ASSERT_EQ(2, GetMenuItemCount(main));
    EXPECT_EQ(L"&File", MenuText(main, 0));
    EXPECT_EQ((std::vector<int>{ID_FILE_OPEN, 0, ID_FILE_PRINT, 0, ID_FILE_CLOSE, ID_EDIT_COPY, ID_EDIT_CUT,
                                ID_EDIT_PASTE, ID_EDIT_UNDO, ID_EDIT_REDO}),
              MenuIds(GetSubMenu(main, 0)));
    EXPECT_EQ(L"&Open...\tCtrl+O", MenuText(GetSubMenu(main, 0), 0));
    EXPECT_EQ(L"&Help", MenuText(main, 1));
    EXPECT_EQ((std::vector<int>{ID_APP_ABOUT}), MenuIds(GetSubMenu(main, 1)));
    DestroyMenu(main);

    HMENU tray = LoadMenuW(Self(), MAKEINTRESOURCEW(IDR_TRAY_MENU));
    ASSERT_NE(nullptr, tray);
    ASSERT_EQ(1, GetMenuItemCount(tray));
    HMENU popup = GetSubMenu(tray, 0);
    EXPECT_EQ((std::vector<int>{ID_TRAY_SHOW_WINDOW, 0, ID_TRAY_PLAY, ID_TRAY_STOP, 0, ID_TRAY_EXIT}),
              MenuIds(popup));
    EXPECT_EQ(L"Show Window", MenuText(popup, 0));
    EXPECT_EQ(L"Play", MenuText(popup, 2));
    EXPECT_EQ(L"Stop", MenuText(popup, 3));
    EXPECT_EQ(L"Exit", MenuText(popup, 5));
    DestroyMenu(tray);
}

TEST(ResourceTable, AcceleratorsBringTheClipboardKeysToTheFrame)
{
    HACCEL table = LoadAcceleratorsW(Self(), MAKEINTRESOURCEW(IDR_MAINFRAME));
    ASSERT_NE(nullptr, table);
    ACCEL entries[32];
    int count = CopyAcceleratorTableW(table, entries, 32);
    using Key = std::tuple<int, int, int>; // modifiers, virtual key, command
    std::vector<Key> got;
    for (int i = 0; i < count; ++i)
        got.emplace_back(entries[i].fVirt & (FVIRTKEY | FSHIFT | FCONTROL | FALT), entries[i].key,
                         entries[i].cmd);
    const int V = FVIRTKEY, C = FVIRTKEY | FCONTROL, S = FVIRTKEY | FSHIFT, A = FVIRTKEY | FALT;
    std::vector<Key> want = {
        {C, 'N', ID_FILE_NEW},        {C, 'O', ID_FILE_OPEN},      {C, 'S', ID_FILE_SAVE},
        {C, 'P', ID_FILE_PRINT},      {C, 'Z', ID_EDIT_UNDO},      {A, VK_BACK, ID_EDIT_UNDO},
        {C, 'X', ID_EDIT_CUT},        {S, VK_DELETE, ID_EDIT_CUT}, {C, 'C', ID_EDIT_COPY},
        {C, VK_INSERT, ID_EDIT_COPY}, {C, 'V', ID_EDIT_PASTE},     {S, VK_INSERT, ID_EDIT_PASTE},
        {V, VK_F6, ID_NEXT_PANE},     {S, VK_F6, ID_PREV_PANE},
    };
    std::sort(got.begin(), got.end());
    std::sort(want.begin(), want.end());
    EXPECT_EQ(want, got);
    DestroyAcceleratorTable(table);
}

TEST(ResourceTable, StringsGiveTheTitleCommandTextsAndAnOleMessage)
{
    auto text = [](UINT id)
    {
        wchar_t buffer[256] = {};
        LoadStringW(Self(), id, buffer, 256);
        return std::wstring(buffer);
    };
    EXPECT_EQ(L"Keystrider", text(IDR_MAINFRAME));
    EXPECT_FALSE(text(IDS_OLE_INIT_FAILED).empty());
    EXPECT_EQ(L"Run", text(ID_TRAY_PLAY));
    EXPECT_EQ(L"Stop", text(ID_TOOL_STOP));
    EXPECT_EQ(L"Shortcut", text(ID_TOOL_SHORTCUT));
    EXPECT_EQ(L"Exit", text(ID_TOOL_EXIT));
    EXPECT_EQ(L"Shortcut", text(ID_PAGE_SHORTCUT));
    EXPECT_EQ(L"Windows Default", text(ID_PAGE_WINDOWS_DEFAULT));
    EXPECT_EQ(L"Options", text(ID_PAGE_OPTIONS));
    EXPECT_EQ(L"About", text(ID_PAGE_ABOUT));
    EXPECT_EQ(L"Shortcut", text(ID_LINKS_FIRST));
    EXPECT_EQ(L"Windows Default", text(ID_LINKS_FIRST + 1));
    EXPECT_EQ(L"Options", text(ID_LINKS_FIRST + 2));
    EXPECT_EQ(L"About", text(ID_LINKS_LAST));
}

TEST(ResourceTable, VersionIsOneSixAndTheManifestAsksForCommonControlsSix)
{
    std::vector<BYTE> version = ResourceBytes(MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(16) /* RT_VERSION */);
    const DWORD signature = 0xFEEF04BD;
    auto at = std::search(version.begin(), version.end(), reinterpret_cast<const BYTE*>(&signature),
                          reinterpret_cast<const BYTE*>(&signature) + 4);
    ASSERT_LE(size_t(version.end() - at), version.size());
    ASSERT_GE(size_t(version.end() - at), sizeof(VS_FIXEDFILEINFO));
    VS_FIXEDFILEINFO fixed;
    std::memcpy(&fixed, &*at, sizeof(fixed));
    EXPECT_EQ(DWORD(MAKELONG(6, 1)), fixed.dwFileVersionMS);
    EXPECT_EQ(DWORD(MAKELONG(6, 1)), fixed.dwProductVersionMS);

    std::vector<BYTE> manifest = ResourceBytes(MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24) /* RT_MANIFEST */);
    std::string xml(manifest.begin(), manifest.end());
    EXPECT_NE(std::string::npos, xml.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""));
    EXPECT_NE(std::string::npos, xml.find(">false</dpiAware>"));

    // The manifest takes effect: this very process runs on the side-by-side version 6 controls, not on
    // the system folder's version 5 library.
    HMODULE comctl = GetModuleHandleW(L"comctl32.dll");
    ASSERT_NE(nullptr, comctl);
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(comctl, path, MAX_PATH);
    EXPECT_NE(nullptr, StrStrIW(path, L"\\winsxs\\")) << path;
}
