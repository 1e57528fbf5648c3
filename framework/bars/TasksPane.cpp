// CMFCTasksPane: groups of labels and tasks, their layout, painting and clicks.
#include "framework/bars/TasksPane.h"
#include "framework/bars/VisualManager.h"
#include "framework/gdi/Gdi.h"
#include "framework/window/WndMessageMap.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CMFCTasksPaneTask, CObject)
IMPLEMENT_DYNAMIC(CMFCTasksPane, CPane)

BEGIN_MESSAGE_MAP(CMFCTasksPane, CPane)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_ERASEBKGND()
ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
ON_MESSAGE(WM_SETCURSOR, OnSetCursor)
END_MESSAGE_MAP()

namespace
{
const int kMargin = 8;        // around the groups and inside them
const int kGroupSpacing = 10; // between two groups
const int kItemSpacing = 2;   // between two items of a group
const int kSeparatorHeight = 9;
} // namespace

// --- items ---

CMFCTasksPaneTask::CMFCTasksPaneTask(CMFCTasksPaneTaskGroup* pGroup, const wchar_t* lpszName, int nIcon,
                                     UINT uiCommandID, DWORD_PTR dwUserData)
    : m_pGroup(pGroup), m_strName(lpszName != nullptr ? lpszName : L""), m_nIcon(nIcon),
      m_uiCommandID(uiCommandID), m_dwUserData(dwUserData)
{
}

BOOL CMFCTasksPaneTask::IsWrapped() const
{
    if (m_pGroup == nullptr || m_pGroup->m_pPane == nullptr)
        return FALSE;
    return IsLabel() ? m_pGroup->m_pPane->IsWrapLabels() : m_pGroup->m_pPane->IsWrapTasks();
}

CMFCTasksPaneTaskGroup::CMFCTasksPaneTaskGroup(CMFCTasksPane* pPane, const wchar_t* lpszName, BOOL bIsBottom,
                                               BOOL bIsSpecial, HICON hIcon)
    : m_pPane(pPane), m_strName(lpszName != nullptr ? lpszName : L""), m_bIsBottom(bIsBottom),
      m_bIsSpecial(bIsSpecial), m_hIcon(hIcon)
{
}

CMFCTasksPaneTaskGroup::~CMFCTasksPaneTaskGroup()
{
    for (CMFCTasksPaneTask* pTask : m_lstTasks)
        delete pTask;
}

// --- the pane ---

CMFCTasksPane::CMFCTasksPane() = default;

CMFCTasksPane::~CMFCTasksPane()
{
    RemoveAllGroups();
}

BOOL CMFCTasksPane::Create(const wchar_t* lpszCaption, CWnd* pParentWnd, const RECT& rect,
                           BOOL /*bHasGripper*/, UINT nID, DWORD dwStyle, DWORD /*dwTabbedStyle*/,
                           DWORD /*dwControlBarStyle*/)
{
    if (pParentWnd == nullptr || pParentWnd->GetSafeHwnd() == nullptr)
        return FALSE;
    m_sizeDefault = CSize(rect.right - rect.left, rect.bottom - rect.top);
    SetPaneStyle(dwStyle & CBRS_ALL);
    const wchar_t* lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW));
    return CWnd::CreateEx(0, lpszClass, lpszCaption, (dwStyle & ~static_cast<DWORD>(CBRS_ALL)), rect,
                          pParentWnd, nID);
}

int CMFCTasksPane::OnCreate(LPCREATESTRUCT /*lpCreateStruct*/)
{
    return 0;
}

CMFCTasksPaneTaskGroup* CMFCTasksPane::GetTaskGroup(int nGroup) const
{
    if (nGroup < 0 || nGroup >= GetGroupCount())
        return nullptr;
    return m_lstTaskGroups[static_cast<size_t>(nGroup)];
}

CMFCTasksPaneTask* CMFCTasksPane::GetTask(int nGroup, int nTask) const
{
    CMFCTasksPaneTaskGroup* pGroup = GetTaskGroup(nGroup);
    if (pGroup == nullptr || nTask < 0 || nTask >= static_cast<int>(pGroup->m_lstTasks.size()))
        return nullptr;
    return pGroup->m_lstTasks[static_cast<size_t>(nTask)];
}

int CMFCTasksPane::AddGroup(const wchar_t* lpszGroupName, BOOL bBottomLocation, BOOL bSpecial, HICON hIcon)
{
    m_lstTaskGroups.push_back(
        new CMFCTasksPaneTaskGroup(this, lpszGroupName, bBottomLocation, bSpecial, hIcon));
    RecalcLayout();
    return GetGroupCount() - 1;
}

int CMFCTasksPane::AddItem(int nGroup, CMFCTasksPaneTask* pTask)
{
    CMFCTasksPaneTaskGroup* pGroup = GetTaskGroup(nGroup);
    if (pGroup == nullptr)
    {
        delete pTask;
        return -1;
    }
    pTask->m_pGroup = pGroup;
    pGroup->m_lstTasks.push_back(pTask);
    RecalcLayout();
    return static_cast<int>(pGroup->m_lstTasks.size()) - 1;
}

int CMFCTasksPane::AddTask(int nGroup, const wchar_t* lpszTaskName, int nTaskIcon, UINT uiCommandID,
                           DWORD_PTR dwUserData)
{
    return AddItem(nGroup, new CMFCTasksPaneTask(nullptr, lpszTaskName, nTaskIcon, uiCommandID, dwUserData));
}

int CMFCTasksPane::AddLabel(int nGroup, const wchar_t* lpszLabelName, int nTaskIcon, BOOL bIsBold)
{
    auto* pTask = new CMFCTasksPaneTask(nullptr, lpszLabelName, nTaskIcon, 0);
    pTask->m_bIsBold = bIsBold;
    return AddItem(nGroup, pTask);
}

int CMFCTasksPane::AddSeparator(int nGroup)
{
    auto* pTask = new CMFCTasksPaneTask(nullptr, L"", -1, 0);
    pTask->m_bIsSeparator = TRUE;
    return AddItem(nGroup, pTask);
}

void CMFCTasksPane::RemoveAllGroups()
{
    m_pHotTask = nullptr;
    m_pClickedTask = nullptr;
    for (CMFCTasksPaneTaskGroup* pGroup : m_lstTaskGroups)
        delete pGroup;
    m_lstTaskGroups.clear();
    RecalcLayout();
}

void CMFCTasksPane::SetWrapTasks(BOOL bWrap)
{
    m_bWrapTasks = bWrap;
    RecalcLayout();
}

void CMFCTasksPane::SetWrapLabels(BOOL bWrap)
{
    m_bWrapLabels = bWrap;
    RecalcLayout();
}

// --- layout ---

CSize CMFCTasksPane::CalcFixedLayout(BOOL /*bStretch*/, BOOL /*bHorz*/)
{
    return m_sizeDefault;
}

void CMFCTasksPane::RecalcLayout(BOOL bRedraw)
{
    if (m_hWnd == nullptr)
        return;
    CRect rectClient;
    GetClientRect(&rectClient);
    HDC hdc = ::GetDC(m_hWnd);
    if (hdc == nullptr)
        return;
    HGDIOBJ hOldFont = ::SelectObject(hdc, afxGlobalData.fontRegular.GetSafeHandle());

    // The height of an item's text in the width it gets (wrapped, or one line).
    auto textHeight = [&](const CMFCTasksPaneTask* pTask, int width)
    {
        ::SelectObject(hdc, pTask->m_bIsBold ? afxGlobalData.fontBold.GetSafeHandle()
                                             : afxGlobalData.fontRegular.GetSafeHandle());
        CRect rect(0, 0, std::max(width, 1), 0);
        const CString text = pTask->m_strName.IsEmpty() ? CString(L" ") : pTask->m_strName;
        const UINT format = DT_CALCRECT | DT_NOPREFIX | (pTask->IsWrapped() ? DT_WORDBREAK : DT_SINGLELINE);
        ::DrawTextW(hdc, text, text.GetLength(), &rect, format);
        return rect.Height();
    };

    int y = kMargin;
    const int left = rectClient.left + kMargin;
    const int right = std::max<int>(left + 1, rectClient.right - kMargin);
    for (CMFCTasksPaneTaskGroup* pGroup : m_lstTaskGroups)
    {
        pGroup->m_rectCaption.SetRectEmpty();
        if (!pGroup->m_strName.IsEmpty())
        {
            CMFCTasksPaneTask caption(pGroup, pGroup->m_strName, -1, 0);
            caption.m_bIsBold = TRUE;
            const int h = textHeight(&caption, right - left) + 6;
            pGroup->m_rectCaption = CRect(left, y, right, y + h);
            y += h;
        }
        const int top = y;
        y += kMargin / 2;
        for (CMFCTasksPaneTask* pTask : pGroup->m_lstTasks)
        {
            if (!pTask->m_bVisible)
            {
                pTask->m_rect.SetRectEmpty();
                continue;
            }
            const int h =
                pTask->m_bIsSeparator ? kSeparatorHeight : textHeight(pTask, right - left - 2 * kMargin);
            pTask->m_rect = CRect(left + kMargin, y, right - kMargin, y + h);
            y += h + kItemSpacing;
        }
        y += kMargin / 2;
        pGroup->m_rectGroup = CRect(left, top, right, y);
        y += kGroupSpacing;
    }
    ::SelectObject(hdc, hOldFont);
    ::ReleaseDC(m_hWnd, hdc);
    if (bRedraw)
        Invalidate(TRUE);
}

void CMFCTasksPane::OnSize(UINT nType, int cx, int cy)
{
    CPane::OnSize(nType, cx, cy);
    RecalcLayout();
}

// --- painting ---

BOOL CMFCTasksPane::OnEraseBkgnd(CDC* /*pDC*/)
{
    return TRUE; // DoPaint fills the whole background
}

void CMFCTasksPane::DoPaint(CDC* pDCPaint)
{
    // Drawn into a buffer first, so hovering over tasks does not flicker.
    CMemDC memDC(pDCPaint, this);
    CDC* pDC = &memDC.GetDC();
    CMFCVisualManager* pManager = CMFCVisualManager::GetInstance();
    CRect rectClient;
    GetClientRect(&rectClient);
    pManager->OnFillTasksPaneBackground(pDC, rectClient);
    for (CMFCTasksPaneTaskGroup* pGroup : m_lstTaskGroups)
    {
        if (!pGroup->m_rectCaption.IsRectEmpty())
            pManager->OnDrawTasksGroupCaption(pDC, pGroup->m_strName, pGroup->m_rectCaption);
        pManager->OnFillTasksGroupInterior(pDC, pGroup->m_rectGroup, pGroup->m_bIsSpecial);
        pManager->OnDrawTasksGroupAreaBorder(pDC, pGroup->m_rectGroup, pGroup->m_bIsSpecial,
                                             pGroup->m_strName.IsEmpty());
        for (CMFCTasksPaneTask* pTask : pGroup->m_lstTasks)
        {
            if (pTask->m_bVisible)
                pManager->OnDrawTask(pDC, pTask, nullptr, pTask == m_pHotTask, FALSE);
        }
    }
}

// --- mouse ---

CMFCTasksPaneTask* CMFCTasksPane::TaskHitTest(CPoint point) const
{
    for (CMFCTasksPaneTaskGroup* pGroup : m_lstTaskGroups)
    {
        for (CMFCTasksPaneTask* pTask : pGroup->m_lstTasks)
        {
            if (pTask->m_bVisible && !pTask->m_bIsSeparator && pTask->m_uiCommandID != 0 &&
                pTask->m_rect.PtInRect(point))
                return pTask;
        }
    }
    return nullptr;
}

void CMFCTasksPane::SetHotTask(CMFCTasksPaneTask* pTask)
{
    if (pTask == m_pHotTask)
        return;
    if (m_pHotTask != nullptr)
        InvalidateRect(&m_pHotTask->m_rect, TRUE);
    m_pHotTask = pTask;
    if (m_pHotTask != nullptr)
        InvalidateRect(&m_pHotTask->m_rect, TRUE);
}

void CMFCTasksPane::OnMouseMove(UINT /*nFlags*/, CPoint point)
{
    if (!m_bTrackingLeave)
    {
        TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE, m_hWnd, 0};
        m_bTrackingLeave = ::TrackMouseEvent(&tme);
    }
    SetHotTask(TaskHitTest(point));
}

LRESULT CMFCTasksPane::OnMouseLeave(WPARAM, LPARAM)
{
    m_bTrackingLeave = FALSE;
    SetHotTask(nullptr);
    return 0;
}

LRESULT CMFCTasksPane::OnSetCursor(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(lParam) == HTCLIENT && m_pHotTask != nullptr)
    {
        ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
    }
    return DefWindowProc(WM_SETCURSOR, wParam, lParam);
}

void CMFCTasksPane::OnLButtonDown(UINT /*nFlags*/, CPoint point)
{
    m_pClickedTask = TaskHitTest(point);
}

void CMFCTasksPane::OnLButtonUp(UINT /*nFlags*/, CPoint point)
{
    CMFCTasksPaneTask* pTask = TaskHitTest(point);
    const BOOL bClick = pTask != nullptr && pTask == m_pClickedTask;
    m_pClickedTask = nullptr;
    if (bClick)
        OnClickTask(pTask);
}

void CMFCTasksPane::OnClickTask(CMFCTasksPaneTask* pTask)
{
    HWND hWndTarget = ::GetParent(m_hWnd);
    if (pTask == nullptr || pTask->m_uiCommandID == 0 || hWndTarget == nullptr)
        return;
    // Posted: the command may open a browser or close the frame; the pane finishes its message first.
    ::PostMessageW(hWndTarget, WM_COMMAND, MAKEWPARAM(pTask->m_uiCommandID, 0), 0);
}
