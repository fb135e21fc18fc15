#include "app/TrayIconLogic.h"

TrayIconAction RouteIconNotify(UINT uIconId, WPARAM wParam, LPARAM lParam) {
    if (wParam != uIconId) return TrayIconAction::None;
    switch (LOWORD(lParam)) {
    case WM_RBUTTONUP:
        return TrayIconAction::ShowMenu;
    case WM_LBUTTONDBLCLK:
        return TrayIconAction::RunDefault;
    default:
        return TrayIconAction::None;
    }
}

BOOL MarkDefaultItem(HMENU hPopup, const TrayDefaultItem& def) {
    if (hPopup == NULL) return FALSE;
    return SetMenuDefaultItem(hPopup, def.uItem, def.bByPosition);
}

UINT DefaultCommandId(HMENU hPopup, const TrayDefaultItem& def) {
    if (!def.bByPosition) return def.uItem;
    if (hPopup == NULL) return 0;
    // GetMenuItemID: -1 for a submenu or a missing position, 0 for a separator.
    UINT id = GetMenuItemID(hPopup, static_cast<int>(def.uItem));
    return id == static_cast<UINT>(-1) ? 0 : id;
}
