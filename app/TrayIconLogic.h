#pragma once

#include <windows.h>

// What a notification from the tray icon asks the component to do.
enum class TrayIconAction { None, ShowMenu, RunDefault };

// The icon's callback carries the icon id in wParam and the mouse message in the low word
// of lParam. Notifications for another icon, moves and other buttons ask for nothing.
TrayIconAction RouteIconNotify(UINT uIconId, WPARAM wParam, LPARAM lParam);

// The popup's default item, kept either as a position or as a command id.
struct TrayDefaultItem {
    UINT uItem = 0;
    BOOL bByPosition = TRUE;
};

// Marks the default item on the popup so that it is drawn in bold. FALSE when the popup
// has no such item.
BOOL MarkDefaultItem(HMENU hPopup, const TrayDefaultItem& def);

// The command that a double-click runs, or 0 when there is none: a position that holds a
// separator, a submenu or nothing yields no command rather than a bogus WM_COMMAND.
UINT DefaultCommandId(HMENU hPopup, const TrayDefaultItem& def);
