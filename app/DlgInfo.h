// CDlgInfo: the small top-most information pop-up (shortcut name, volume level with a bar, the
// time on the hour, the update notice) that fades in and out through its layered-window opacity.
#pragma once

#include "app/StaticFocus.h"
#include "framework/docview/Dialog.h"
#include "framework/gdi/GdiObject.h"
#include "framework/controls/ProgressCtrl.h"

// Timers of the pop-up's own window (the view's timers with the same numbers are unrelated).
#define IDT_FADE_IN 1001
#define IDT_FADE_OUT 1002

class CDlgInfo : public CDialog
{
    DECLARE_DYNAMIC(CDlgInfo)
public:
    explicit CDlgInfo(CWnd* pParent = nullptr);
    ~CDlgInfo() override;

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

    // The opacity (percent) a fade-in ends at; a running fade uses it from its next step.
    void SetTransparency(int nPercent);
    // 0 volume (line, bar, empty line), 1 shortcut name, anything else the time or update notice.
    void SetMode(UINT nMode);
    // The caption in modes 1 and 2, the volume line in mode 0.
    void SetInfoText(const wchar_t* pszText);
    // Fills the volume mode: bar position, "name (percent%)" and the underlined font while muted.
    void ShowVolumeLevel(CString strName, int nPercent, BOOL bMute);
    // TRUE: fade in from 0 without taking the focus; FALSE: fade out from the target and hide.
    void ShowInfo(BOOL bShow);

    UINT GetMode() const { return m_nMode; }
    int GetTransparency() const { return m_nTransparency; }
    int GetCurrentOpacity() const { return m_nCurrentOpacity; }

    // The change of opacity per 50 ms tick: a fifth of the target, at least 1 so that a fade with a
    // target of 1 to 4 percent still ends.
    static int FadeStep(int nTarget);
    // The layered-window alpha of an opacity in percent.
    static BYTE OpacityToAlpha(int nPercent);

protected:
    void OnTimer(UINT_PTR nIDEvent);
    // The main window owns the pop-up, and the system hides an owner's pop-ups when it is minimised
    // (to the tray) and shows them again when it is restored: the pop-up ignores both. It is shown and
    // hidden by its fades alone, so one showing goes on fading and one that faded out stays hidden.
    void OnShowWindow(BOOL bShow, UINT nStatus);
    // Applies the current opacity through the main frame's SetLayeredWindowAttributes, if any.
    void ApplyOpacity();
    // The target opacity the fades work with, within 0 to 100: a hand-edited configuration file can
    // hold any number, and with a negative or a huge target the fades would step past it and never end.
    int FadeTarget() const;

    CFont* m_pFontNormal = nullptr;
    CFont* m_pFontUnderline = nullptr;
    CFont* m_pFontLarge = nullptr;
    CStaticFocus m_stcCaption;    // 1012: the one text of modes 1 and 2
    CStaticFocus m_stcBottomLine; // 1014: the empty line under the bar
    CStaticFocus m_stcVolumeText; // 1013: name and percentage
    UINT m_nMode = 1;
    BOOL m_bMute = FALSE;
    CProgressCtrl m_ctrlProgress; // 1021
    int m_nTransparency = 80;
    int m_nCurrentOpacity = 0;

    DECLARE_MESSAGE_MAP()
};
