// CSkinLinksBar: a skin tool bar that remembers its selected link (the frame keeps four, never created).
#pragma once

#include "skin/SkinToolBar.h"

class CSkinLinksBar : public CSkinToolBar
{
    DECLARE_DYNCREATE(CSkinLinksBar)
public:
    CSkinLinksBar() = default;

    void SetSelectedId(UINT nId) { m_nSelectedId = nId; }
    UINT GetSelectedId() const { return m_nSelectedId; }

    UINT m_nSelectedId = 0;
};
