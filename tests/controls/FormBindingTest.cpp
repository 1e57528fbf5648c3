// The controls bound to the program's own form template by data exchange, as the main view binds
// them: a drawn button turns owner-drawn when bound and paints through the form, the list's cells are
// asked through the form, the browse edit gets its button, the sliders take ranges past 16 bits'
// packing, the link fits its text and the icon static shows its template icon.
#include <gtest/gtest.h>

#include "framework/window/DataExchange.h"
#include "framework/docview/Dialog.h"
#include "framework/controls/MFCEditBrowseCtrl.h"
#include "framework/controls/MFCLinkCtrl.h"
#include "framework/controls/MFCListCtrl.h"
#include "framework/controls/SliderCtrl.h"
#include "framework/controls/Static.h"
#include "res/resource.h"
#include "tests/controls/ControlTestSupport.h"

namespace
{
class CountingButton : public CMFCButton
{
public:
    int m_nDrawn = 0;
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override
    {
        ++m_nDrawn;
        CMFCButton::DrawItem(lpDIS);
    }
};

class CountingList : public CMFCListCtrl
{
public:
    int m_nCellsAsked = 0;
    COLORREF OnGetCellBkColor(int nRow, int nColumn) override
    {
        ++m_nCellsAsked;
        return CMFCListCtrl::OnGetCellBkColor(nRow, nColumn);
    }
};

class MainForm : public CDialog
{
public:
    CountingList m_list;
    CountingButton m_btnNew;
    CMFCLinkCtrl m_link;
    CStatic m_icon;
    CSliderCtrl m_sliderTime;
    CMFCEditBrowseCtrl m_editSound;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CDialog::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_SHORTCUT_LIST, m_list);
        DDX_Control(pDX, IDC_ABOUT_ICON, m_icon);
        DDX_Control(pDX, IDC_NEW, m_btnNew);
        DDX_Control(pDX, IDC_MAKER_LINK, m_link);
        DDX_Control(pDX, IDC_TIME_SLIDER, m_sliderTime);
        DDX_Control(pDX, IDC_SOUND_FILE, m_editSound);
    }
};
} // namespace

TEST(FormBinding, ControlsBoundToTheMainFormWork)
{
    HostWnd host;
    MainForm form;
    ASSERT_TRUE(form.Create(IDD_MAIN_FORM, &host));

    // Bound buttons draw themselves, reached through the form's reflection.
    EXPECT_EQ(static_cast<DWORD>(BS_OWNERDRAW), form.m_btnNew.GetStyle() & BS_TYPEMASK);
    form.m_btnNew.SetImage(::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(152)), TRUE, nullptr,
                           nullptr, FALSE);
    form.m_btnNew.SetTooltip(L"New");
    CRect rectButton;
    form.m_btnNew.GetClientRect(&rectButton);
    ControlCanvas canvas(rectButton.Width(), rectButton.Height(), RGB(1, 2, 3));
    form.m_btnNew.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc.GetSafeHdc()), PRF_CLIENT);
    EXPECT_EQ(1, form.m_btnNew.m_nDrawn);
    EXPECT_EQ(0, canvas.Count(rectButton, RGB(1, 2, 3)));
    EXPECT_EQ(static_cast<DWORD>(BS_OWNERDRAW), form.m_link.GetStyle() & BS_TYPEMASK);

    // The list's cells are asked for their colours while it paints inside the form.
    form.m_list.SetExtendedStyle(form.m_list.GetExtendedStyle() | LVS_EX_FULLROWSELECT | LVS_EX_CHECKBOXES);
    form.m_list.InsertColumn(0, L"", LVCFMT_FIXED_WIDTH, 20);
    form.m_list.InsertColumn(1, L"No.", LVCFMT_FIXED_WIDTH, 30);
    form.m_list.InsertItem(0, L"");
    form.m_list.SetItemText(0, 1, L"1");
    CRect rectList;
    form.m_list.GetClientRect(&rectList);
    ControlCanvas listCanvas(rectList.Width(), rectList.Height());
    form.m_list.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(listCanvas.dc.GetSafeHdc()), PRF_CLIENT);
    EXPECT_GE(form.m_list.m_nCellsAsked, 2);

    // The time slider's range 0..5000 and a position in it.
    form.m_sliderTime.SetRange(0, 5000, FALSE);
    form.m_sliderTime.SetPos(2500);
    EXPECT_EQ(0, form.m_sliderTime.GetRangeMin());
    EXPECT_EQ(5000, form.m_sliderTime.GetRangeMax());
    EXPECT_EQ(2500, form.m_sliderTime.GetPos());

    // The sound-file edit gives room to its browse button once asked for it.
    CRect before, after;
    form.m_editSound.GetClientRect(&before);
    form.m_editSound.EnableFileBrowseButton();
    form.m_editSound.GetClientRect(&after);
    EXPECT_LT(after.Width(), before.Width());

    // The link fits its text; the about icon comes from the template.
    const CSize size = form.m_link.SizeToContent(FALSE, FALSE);
    CRect rectLink;
    form.m_link.GetClientRect(&rectLink);
    EXPECT_EQ(size, rectLink.Size());
    EXPECT_NE(nullptr, form.m_icon.GetIcon());
    form.DestroyWindow();
}
