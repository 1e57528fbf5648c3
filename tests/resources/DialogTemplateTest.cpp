// The two dialog templates: every control the view and the pop-up bind to, in tab order, with the
// styles their code relies on; and both templates create real windows from this module.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "res/resource.h"
#include "tests/resources/DialogTemplateReader.h"

namespace
{
struct ExpectedItem
{
    DWORD id;
    const wchar_t* windowClass;
    DWORD style; // beyond WS_CHILD and WS_VISIBLE
    DWORD exStyle;
    short x, y, cx, cy;
    const wchar_t* text;
};

const DWORD kCheck = WS_TABSTOP | BS_AUTOCHECKBOX;
const DWORD kValueEdit = WS_BORDER | WS_TABSTOP | ES_READONLY | ES_AUTOHSCROLL;
const DWORD kSlider = WS_TABSTOP | TBS_NOTICKS | TBS_BOTH;

const ExpectedItem kMainForm[] = {
    {1007, L"Button", WS_TABSTOP, 0, 7, 7, 32, 28, L""},
    {1008, L"Button", WS_TABSTOP, 0, 41, 7, 32, 28, L""},
    {1009, L"Button", WS_TABSTOP, 0, 75, 7, 32, 28, L""},
    {1010, L"Button", WS_TABSTOP, 0, 109, 7, 32, 28, L""},
    {1026, L"Button", WS_TABSTOP, 0, 143, 7, 32, 28, L""},
    {1017, L"Button", WS_TABSTOP, 0, 280, 7, 32, 28, L""},
    {1019, L"Button", WS_TABSTOP, 0, 315, 7, 32, 28, L""},
    {1016, L"Button", WS_TABSTOP, 0, 350, 7, 32, 28, L""},
    {1005, L"Button", kCheck, 0, 32, 22, 122, 16, L"Startup with Windows start"},
    {1006, L"Button", kCheck, 0, 32, 44, 122, 16, L"Hide to tray when start"},
    {1020, L"Button", kCheck, 0, 32, 66, 122, 16, L"Click \"Close\" to tray"},
    {1021, L"Button", kCheck, 0, 32, 88, 122, 16, L"Prompt on the hour"},
    {1042, L"Button", kCheck, 0, 32, 110, 122, 16, L"Prompt name of shortcut"},
    {1014, L"Static", SS_ICON, 0, 33, 34, 20, 20, L"#128"},
    {1023, L"Static", WS_GROUP, 0, 71, 32, 113, 11, nullptr},
    {1024, L"Static", WS_GROUP, 0, 71, 48, 113, 11, L"build time"},
    {1015, L"Button", BS_GROUPBOX, WS_EX_TRANSPARENT, 7, 7, 211, 126, L"Setting"},
    {1025, L"Static", WS_GROUP, 0, 35, 90, 88, 20, nullptr},
    {1022, L"Button", WS_TABSTOP, 0, 124, 88, 66, 11, L"Velmo Software"},
    {1036, L"Button", BS_GROUPBOX, WS_EX_TRANSPARENT, 8, 141, 210, 62, L"Prompt Dialog"},
    {1038, L"Static", WS_GROUP, 0, 18, 160, 48, 13, L"Transparent :"},
    {1033, L"Edit", kValueEdit, 0, 70, 157, 28, 13, L""},
    {1040, L"Static", WS_GROUP, 0, 102, 158, 13, 11, L"%"},
    {1032, L"msctls_trackbar32", kSlider, 0, 120, 159, 93, 12, L""},
    {1039, L"Static", WS_GROUP, 0, 18, 179, 48, 13, L"Time :"},
    {1035, L"Edit", kValueEdit, 0, 70, 178, 28, 13, L""},
    {1041, L"Static", WS_GROUP, 0, 102, 179, 13, 11, L"ms"},
    {1034, L"msctls_trackbar32", kSlider, 0, 120, 180, 93, 12, L""},
    {1004, L"SysListView32",
     WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_ALIGNLEFT, 0, 7, 215, 375,
     49, L""},
    {1037, L"Button", BS_GROUPBOX, WS_EX_TRANSPARENT, 227, 7, 155, 65, L"Check New Version"},
    {1028, L"Button", WS_GROUP | BS_AUTORADIOBUTTON, 0, 237, 22, 33, 13, L"Never"},
    {1029, L"Button", BS_AUTORADIOBUTTON, 0, 237, 38, 51, 13, L"Every Day"},
    {1030, L"Button", BS_AUTORADIOBUTTON, 0, 237, 54, 55, 13, L"Every Week"},
    {1031, L"Button", WS_TABSTOP, 0, 249, 160, 71, 16, L"Check Now"},
    {1027, L"Button", WS_TABSTOP, 0, 250, 180, 85, 11, L"Download New Version"},
    {1045, L"Button", kCheck, 0, 236, 87, 124, 16, L"Play sound when press a shortcut"},
    {1044, L"Button", BS_GROUPBOX, WS_EX_TRANSPARENT, 227, 76, 155, 67, L"Sound"},
    {1047, L"Edit", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 0, 236, 123, 130, 12, L""},
    {1046, L"Button", kCheck, 0, 236, 102, 126, 16, L"Assign different sound for shortcut"},
};

// The pop-up's styles are complete values: two of its statics start hidden.
const ExpectedItem kInfoPopup[] = {
    {1012, L"Static", 0x50020201, 0, 1, 0, 257, 54, L"Static"},
    {1013, L"Static", 0x40020201, WS_EX_TRANSPARENT, 0, 0, 258, 22, L"Static"},
    {1021, L"msctls_progress32", 0x50000001, WS_EX_TRANSPARENT, 0, 20, 258, 21, L""},
    {1014, L"Static", 0x40020201, WS_EX_TRANSPARENT, 0, 41, 258, 13, L"Static"},
};

void ExpectItems(const DialogTemplate& dlg, const ExpectedItem* expected, size_t count, DWORD implied)
{
    ASSERT_EQ(count, dlg.items.size());
    for (size_t i = 0; i < count; ++i)
    {
        const DialogItem& got = dlg.items[i];
        const ExpectedItem& want = expected[i];
        SCOPED_TRACE(testing::Message() << "control #" << i << " id " << want.id);
        EXPECT_EQ(want.id, got.id);
        EXPECT_EQ(0, _wcsicmp(want.windowClass, got.windowClass.c_str())) << got.windowClass.size();
        EXPECT_EQ(implied | want.style, got.style) << std::hex << got.style;
        EXPECT_EQ(want.exStyle, got.exStyle);
        EXPECT_EQ(want.x, got.x);
        EXPECT_EQ(want.y, got.y);
        EXPECT_EQ(want.cx, got.cx);
        EXPECT_EQ(want.cy, got.cy);
        if (want.text)
        {
            EXPECT_EQ(std::wstring(want.text), got.text);
        }
    }
}

// Ids of the child windows in creation (and tab) order.
std::vector<int> ChildIds(HWND parent)
{
    std::vector<int> ids;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        ids.push_back(GetDlgCtrlID(child));
    return ids;
}

INT_PTR CALLBACK QuietDialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

HWND CreateFromTemplate(UINT id, HWND parent)
{
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(5) /* RT_DIALOG */);
    if (!found)
        return nullptr;
    auto* dlg = static_cast<LPCDLGTEMPLATEW>(LockResource(LoadResource(module, found)));
    return CreateDialogIndirectParamW(module, dlg, parent, QuietDialogProc, 0);
}

class DialogTemplates : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_PROGRESS_CLASS};
        InitCommonControlsEx(&icc);
    }
};
} // namespace

TEST_F(DialogTemplates, MainFormHasItsHeaderAndAllControlsInTabOrder)
{
    DialogTemplate dlg;
    ASSERT_TRUE(ReadDialogTemplate(GetModuleHandleW(nullptr), IDD_MAIN_FORM, dlg));
    EXPECT_EQ(DWORD(WS_CHILD | WS_CLIPCHILDREN | DS_SETFONT | DS_FIXEDSYS), dlg.style);
    EXPECT_EQ(0u, dlg.exStyle);
    EXPECT_EQ(385, dlg.cx);
    EXPECT_EQ(271, dlg.cy);
    EXPECT_TRUE(dlg.menu.empty() && dlg.windowClass.empty() && dlg.title.empty());
    EXPECT_EQ(L"MS Shell Dlg", dlg.typeface);
    EXPECT_EQ(8, dlg.pointSize);
    EXPECT_EQ(0, dlg.weight);
    EXPECT_EQ(0, dlg.italic);
    EXPECT_EQ(0, dlg.charset);
    ExpectItems(dlg, kMainForm, sizeof(kMainForm) / sizeof(kMainForm[0]), WS_CHILD | WS_VISIBLE);
}

TEST_F(DialogTemplates, InfoPopupHasItsHeaderAndFourControls)
{
    DialogTemplate dlg;
    ASSERT_TRUE(ReadDialogTemplate(GetModuleHandleW(nullptr), IDD_DLG_INFO, dlg));
    EXPECT_EQ(0x84080048u, dlg.style);
    EXPECT_EQ(0u, dlg.exStyle);
    EXPECT_EQ(0, dlg.x);
    EXPECT_EQ(0, dlg.y);
    EXPECT_EQ(258, dlg.cx);
    EXPECT_EQ(54, dlg.cy);
    EXPECT_EQ(L"MS Shell Dlg", dlg.typeface);
    EXPECT_EQ(8, dlg.pointSize);
    EXPECT_EQ(400, dlg.weight);
    EXPECT_EQ(1, dlg.charset);
    ExpectItems(dlg, kInfoPopup, sizeof(kInfoPopup) / sizeof(kInfoPopup[0]), 0);
}

TEST_F(DialogTemplates, MainFormCreatesEveryControlWithTheProgramIcon)
{
    HWND host = CreateWindowExW(0, L"Static", L"host", WS_POPUP, 0, 0, 800, 600, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(nullptr, host);
    HWND form = CreateFromTemplate(IDD_MAIN_FORM, host);
    ASSERT_NE(nullptr, form) << GetLastError();

    std::vector<int> expected;
    for (const ExpectedItem& item : kMainForm)
        expected.push_back(int(item.id));
    EXPECT_EQ(expected, ChildIds(form));
    wchar_t name[64] = {};
    GetClassNameW(GetDlgItem(form, IDC_SHORTCUT_LIST), name, 64);
    EXPECT_EQ(0, _wcsicmp(L"SysListView32", name));
    EXPECT_NE(0, SendDlgItemMessageW(form, IDC_ABOUT_ICON, STM_GETICON, 0, 0));

    // 385 x 271 dialog units in the form's own font.
    RECT units = {0, 0, 385, 271};
    MapDialogRect(form, &units);
    RECT client = {};
    GetClientRect(form, &client);
    EXPECT_EQ(units.right, client.right);
    EXPECT_EQ(units.bottom, client.bottom);
    DestroyWindow(host);
}

TEST_F(DialogTemplates, InfoPopupCreatesHiddenWithItsVolumeLinesHidden)
{
    HWND popup = CreateFromTemplate(IDD_DLG_INFO, nullptr);
    ASSERT_NE(nullptr, popup) << GetLastError();
    EXPECT_FALSE(IsWindowVisible(popup));
    EXPECT_EQ((std::vector<int>{1012, 1013, 1021, 1014}), ChildIds(popup));
    auto visibleStyle = [&](int id)
    { return (GetWindowLongW(GetDlgItem(popup, id), GWL_STYLE) & WS_VISIBLE) != 0; };
    EXPECT_TRUE(visibleStyle(IDC_INFO_CAPTION));
    EXPECT_FALSE(visibleStyle(IDC_INFO_VOLUME_TEXT));
    EXPECT_TRUE(visibleStyle(IDC_INFO_PROGRESS));
    EXPECT_FALSE(visibleStyle(IDC_INFO_BOTTOM_LINE));
    DestroyWindow(popup);
}
