// CSkinMenuBar: the frame's menu bar, flat and without gripper or borders (the frame keeps it hidden).
#pragma once

#include "framework/bars/MenuBar.h"

class CSkinMenuBar : public CMFCMenuBar
{
    DECLARE_DYNCREATE(CSkinMenuBar)
public:
    CSkinMenuBar() = default;
    ~CSkinMenuBar() override = default;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);

    DECLARE_MESSAGE_MAP()
};
