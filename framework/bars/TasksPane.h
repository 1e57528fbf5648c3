// CMFCTasksPane: a pane docked at a side that lists groups of labels, separators and tasks (links that
// send a command to the frame when clicked). It is painted through the visual manager's tasks-pane
// hooks. CMFCTasksPaneTaskGroup and CMFCTasksPaneTask are its items.
#pragma once

#include "framework/bars/BasePane.h"

#include <vector>

class CMFCTasksPane;
class CMFCTasksPaneTaskGroup;

class CMFCTasksPaneTask : public CObject
{
    DECLARE_DYNAMIC(CMFCTasksPaneTask)
public:
    CMFCTasksPaneTask(CMFCTasksPaneTaskGroup* pGroup, const wchar_t* lpszName, int nIcon, UINT uiCommandID,
                      DWORD_PTR dwUserData = 0);

    // The pane wraps this item's text onto further lines (labels and tasks have separate switches).
    BOOL IsWrapped() const;
    BOOL IsLabel() const { return !m_bIsSeparator && m_uiCommandID == 0; }

    CMFCTasksPaneTaskGroup* m_pGroup;
    CString m_strName;
    int m_nIcon;
    UINT m_uiCommandID; // 0: a label
    DWORD_PTR m_dwUserData;
    BOOL m_bIsBold = FALSE;
    BOOL m_bIsSeparator = FALSE;
    BOOL m_bVisible = TRUE;
    CRect m_rect;                      // in the pane's client area, set by the layout
    COLORREF m_clrText = (COLORREF)-1; // -1: the visual manager's colour
    COLORREF m_clrTextHot = (COLORREF)-1;
};

class CMFCTasksPaneTaskGroup
{
public:
    CMFCTasksPaneTaskGroup(CMFCTasksPane* pPane, const wchar_t* lpszName, BOOL bIsBottom, BOOL bIsSpecial,
                           HICON hIcon);
    ~CMFCTasksPaneTaskGroup();
    CMFCTasksPaneTaskGroup(const CMFCTasksPaneTaskGroup&) = delete;
    CMFCTasksPaneTaskGroup& operator=(const CMFCTasksPaneTaskGroup&) = delete;

    CMFCTasksPane* m_pPane;
    CString m_strName;
    BOOL m_bIsBottom;
    BOOL m_bIsSpecial;
    HICON m_hIcon;
    std::vector<CMFCTasksPaneTask*> m_lstTasks; // owned
    CRect m_rectCaption;                        // empty when the group has no caption
    CRect m_rectGroup;                          // the area of its items
};

class CMFCTasksPane : public CPane
{
    DECLARE_DYNAMIC(CMFCTasksPane)
public:
    CMFCTasksPane();
    ~CMFCTasksPane() override;

    // Creates the pane's window; rect's size is the pane's size in the frame's layout (its width when
    // docked at a side).
    virtual BOOL Create(const wchar_t* lpszCaption, CWnd* pParentWnd, const RECT& rect, BOOL bHasGripper,
                        UINT nID,
                        DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | CBRS_LEFT,
                        DWORD dwTabbedStyle = 0, DWORD dwControlBarStyle = 0);

    // Each returns the new item's index, or -1 when the group does not exist.
    int AddGroup(const wchar_t* lpszGroupName, BOOL bBottomLocation = FALSE, BOOL bSpecial = FALSE,
                 HICON hIcon = nullptr);
    int AddTask(int nGroup, const wchar_t* lpszTaskName, int nTaskIcon = -1, UINT uiCommandID = 0,
                DWORD_PTR dwUserData = 0);
    int AddLabel(int nGroup, const wchar_t* lpszLabelName, int nTaskIcon = -1, BOOL bIsBold = FALSE);
    int AddSeparator(int nGroup);
    void RemoveAllGroups();

    int GetGroupCount() const { return static_cast<int>(m_lstTaskGroups.size()); }
    CMFCTasksPaneTaskGroup* GetTaskGroup(int nGroup) const;
    CMFCTasksPaneTask* GetTask(int nGroup, int nTask) const;
    // The task (with a command) under point, or null.
    CMFCTasksPaneTask* TaskHitTest(CPoint point) const;

    void SetWrapTasks(BOOL bWrap = TRUE);
    void SetWrapLabels(BOOL bWrap = TRUE);
    BOOL IsWrapTasks() const { return m_bWrapTasks; }
    BOOL IsWrapLabels() const { return m_bWrapLabels; }

    // Places groups and items in the client area.
    virtual void RecalcLayout(BOOL bRedraw = TRUE);
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void DoPaint(CDC* pDC) override;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnSize(UINT nType, int cx, int cy);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    BOOL OnEraseBkgnd(CDC* pDC);
    LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetCursor(WPARAM wParam, LPARAM lParam);

    // A click on a task: its command goes to the frame.
    virtual void OnClickTask(CMFCTasksPaneTask* pTask);

private:
    void SetHotTask(CMFCTasksPaneTask* pTask);
    int AddItem(int nGroup, CMFCTasksPaneTask* pTask);

    std::vector<CMFCTasksPaneTaskGroup*> m_lstTaskGroups; // owned
    CSize m_sizeDefault;
    BOOL m_bWrapTasks = FALSE;
    BOOL m_bWrapLabels = FALSE;
    CMFCTasksPaneTask* m_pHotTask = nullptr;
    CMFCTasksPaneTask* m_pClickedTask = nullptr;
    BOOL m_bTrackingLeave = FALSE;

    DECLARE_MESSAGE_MAP()
};
