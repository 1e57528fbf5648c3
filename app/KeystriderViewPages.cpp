// CKeystriderView's pages: which controls each page shows and where the list stands.
#include "app/KeystriderView.h"

#include "res/resource.h"

namespace
{
const UINT kRowButtons[] = {IDC_NEW,
                            IDC_DELETE,
                            IDC_MOVE_UP,
                            IDC_MOVE_DOWN,
                            IDC_EMPTY_KEY,
                            IDC_RESET_TO_DEFAULT,
                            IDC_EXPORT_CONFIGURATION,
                            IDC_IMPORT_CONFIGURATION};

const UINT kOptionControls[] = {IDC_STARTUP_WITH_WINDOWS,
                                IDC_HIDE_TO_TRAY_AT_START,
                                IDC_CLOSE_TO_TRAY,
                                IDC_PROMPT_ON_THE_HOUR,
                                IDC_PROMPT_NAME,
                                IDC_CHECK_VERSION_GROUP,
                                IDC_CHECK_NEVER,
                                IDC_CHECK_EVERY_DAY,
                                IDC_CHECK_EVERY_WEEK,
                                IDC_CHECK_NOW,
                                IDC_UPDATE_LINK,
                                IDC_PROMPT_DIALOG_GROUP,
                                IDC_TRANSPARENT_LABEL,
                                IDC_TIME_LABEL,
                                IDC_TRANSPARENT_VALUE,
                                IDC_TIME_VALUE,
                                IDC_PERCENT_LABEL,
                                IDC_MS_LABEL,
                                IDC_TRANSPARENT_SLIDER,
                                IDC_TIME_SLIDER,
                                IDC_SOUND_GROUP,
                                IDC_PLAY_SOUND,
                                IDC_ASSIGN_DIFFERENT_SOUND,
                                IDC_SOUND_FILE};

const UINT kAboutControls[] = {IDC_ABOUT_ICON, IDC_MAKER_LINK, IDC_BUILD_TIME, IDC_VERSION_TEXT,
                               IDC_LEGAL_NOTICE};

// Top edge of the list: below the button row on the shortcut page, near the top on Windows Default.
const int kListTopWithButtons = 65;
const int kListTopAlone = 10;

template <size_t N>
void ShowControls(CWnd& form, const UINT (&ids)[N], int nCmdShow)
{
    for (UINT nID : ids)
    {
        CWnd* pControl = form.GetDlgItem(nID);
        if (pControl != nullptr)
            pControl->ShowWindow(nCmdShow);
    }
}

void ShowControl(CWnd& form, UINT nID, int nCmdShow)
{
    CWnd* pControl = form.GetDlgItem(nID);
    if (pControl != nullptr)
        pControl->ShowWindow(nCmdShow);
}
} // namespace

void CKeystriderView::ShowPage(int nPage)
{
    if (nPage < 0 || nPage > 3)
        return;

    if (nPage == 0 || nPage == 1)
    {
        ShowControls(*this, kRowButtons, nPage == 0 ? SW_SHOW : SW_HIDE);

        CRect rcList;
        m_wndList.GetWindowRect(&rcList);
        ScreenToClient(&rcList);
        rcList.top = nPage == 0 ? kListTopWithButtons : kListTopAlone;
        m_wndList.MoveWindow(&rcList, TRUE);

        m_wndList.ShowWindow(SW_SHOW);
        ShowControl(*this, IDC_PAGE_FRAME, SW_HIDE);
        ShowControls(*this, kOptionControls, SW_HIDE);
        ShowControls(*this, kAboutControls, SW_HIDE);
        FillList(nPage == 1 ? 1 : 0);
        return;
    }

    m_wndList.ShowWindow(SW_HIDE);
    ShowControls(*this, kRowButtons, SW_HIDE);
    SetDlgItemText(IDC_PAGE_FRAME, nPage == 2 ? L"Options" : L"About");
    ShowControl(*this, IDC_PAGE_FRAME, SW_SHOW);
    ShowControls(*this, kOptionControls, nPage == 2 ? SW_SHOW : SW_HIDE);
    ShowControls(*this, kAboutControls, nPage == 3 ? SW_SHOW : SW_HIDE);
}
