// CSkinTasksPane: the tasks pane at the frame's left: today's date, spacers, "Sponsors" and the
// maker's task (command 1014).
#pragma once

#include "framework/bars/TasksPane.h"

class CSkinTasksPane : public CMFCTasksPane
{
    DECLARE_DYNAMIC(CSkinTasksPane)
public:
    // Task and label texts wrap instead of being cut.
    CSkinTasksPane();

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);

    DECLARE_MESSAGE_MAP()
};
