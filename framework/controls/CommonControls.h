// Registration of the common-control window classes (list view, trackbar, progress bar, tool tips,
// header) that our control wrappers and dialog templates use; done once per process, at start-up and
// again (harmlessly) by the wrappers' Create.
#pragma once

void AfxInitCommonControls();
