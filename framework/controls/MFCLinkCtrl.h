// CMFCLinkCtrl: a button shown as a hyperlink: its text in the link colour, underlined while the mouse
// is over it, a hand cursor; a click opens its URL (its text when no URL is set) with the shell.
#pragma once

#include "framework/gdi/GdiObject.h"
#include "framework/controls/MFCButton.h"

class CMFCLinkCtrl : public CMFCButton
{
    DECLARE_DYNAMIC(CMFCLinkCtrl)
public:
    void SetURL(const wchar_t* lpszURL);
    // Fits the window to its text (keeping its top-left corner, or its centre line when asked);
    // returns the new size.
    CSize SizeToContent(BOOL bVCenter = FALSE, BOOL bHCenter = FALSE);

protected:
    void OnFillBackground(CDC* pDC, const CRect& rectClient) override;
    void OnDrawBorder(CDC* pDC, CRect& rectClient, UINT uiState) override;
    void OnDraw(CDC* pDC, const CRect& rect, UINT uiState) override;
    void OnDrawFocusRect(CDC* pDC, const CRect& rectClient) override;

    BOOL OnClicked();
    LRESULT OnSetCursor(WPARAM wParam, LPARAM lParam);

    // What a click opens: the URL, or the text when there is none.
    CString GetTarget() const;

    CString m_strURL;

    DECLARE_MESSAGE_MAP()

private:
    // The control's font, underlined (made again when the control's font changes).
    HFONT UnderlinedFont();
    CFont m_fontUnderline;
    HFONT m_hFontUnderlinedFrom = nullptr;
};
