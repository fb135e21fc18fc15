#pragma once
// Registers the common-control window classes (up-down, tooltips, ...). comctl32 is loaded
// only here, by the processes that show such a control.

#include <windows.h>
#include <commctrl.h>

BOOL AfxInitCommonControls(DWORD dwClasses = ICC_WIN95_CLASSES);
