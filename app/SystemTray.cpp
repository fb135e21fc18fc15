#include "app/SystemTray.h"

#include <string.h>

#include "framework/DelayLoad.h"
#include "framework/Menu.h"
#include "framework/WinApp.h"

IMPLEMENT_DYNAMIC(CSystemTray, CWnd)

namespace {

// Only the tray instance needs the shell; note processes run the same program without it.
BOOL NotifyIcon(DWORD dwMessage, NOTIFYICONDATAA* pData) {
    auto notify = DelayLoaded<BOOL(WINAPI*)(DWORD, NOTIFYICONDATAA*)>("shell32.dll",
                                                                     "Shell_NotifyIconA");
    return notify && notify(dwMessage, pData);
}

// The size of the record that shells of every version accept (the version 4 layout).
const DWORD kNotifyIconDataSize = NOTIFYICONDATAA_V1_SIZE;

// Broadcast to every top-level window when the shell has started again with an empty
// notification area.
UINT TaskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageA("TaskbarCreated");
    return message;
}

// At logon the shell may come up well after the programs that start with it: every 2 s for
// about two minutes. A shell that comes later still announces itself with TaskbarCreated.
const UINT_PTR kRetryTimerId = 1;
const UINT kRetryMs = 2000;
const int kRetries = 60;

} // namespace

CSystemTray::CSystemTray() : m_bEnabled(FALSE) {
    memset(&m_tnd, 0, sizeof m_tnd);
}

CSystemTray::~CSystemTray() {
    DeleteIcon();
    DestroyWindow();
}

BOOL CSystemTray::AddIcon(CWnd* pParent, UINT uCallbackMessage, LPCSTR szTip, HICON hIcon,
                          UINT uID) {
    // Notification-area icons came with version 4 of the system.
    if (LOBYTE(LOWORD(GetVersion())) < 4) {
        m_bEnabled = FALSE;
        return FALSE;
    }
    if (!CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP, 0, 0, 10, 10, NULL, NULL)) return FALSE;

    m_tnd.cbSize = kNotifyIconDataSize;
    m_tnd.hWnd = pParent && pParent->GetSafeHwnd() ? pParent->GetSafeHwnd() : m_hWnd;
    m_tnd.uID = uID;
    m_tnd.uCallbackMessage = uCallbackMessage;
    m_tnd.hIcon = hIcon;
    // The version 4 record holds 63 characters of tip and the terminator.
    lstrcpynA(m_tnd.szTip, szTip ? szTip : "", 64);

    m_bWanted = TRUE;
    TaskbarCreatedMessage(); // registered before the shell can send it
    if (!TryAddIcon()) StartRetries();
    return m_bEnabled;
}

BOOL CSystemTray::TryAddIcon() {
    m_tnd.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    m_bEnabled = NotifyIcon(NIM_ADD, &m_tnd);
    // A shell that kept the icon refuses to add it twice; it only needs to be current.
    if (!m_bEnabled) m_bEnabled = NotifyIcon(NIM_MODIFY, &m_tnd);
    return m_bEnabled;
}

void CSystemTray::StartRetries() {
    m_nRetriesLeft = kRetries;
    SetTimer(kRetryTimerId, kRetryMs);
}

void CSystemTray::OnRetryTimer() {
    if (TryAddIcon() || --m_nRetriesLeft <= 0) KillTimer(kRetryTimerId);
}

void CSystemTray::OnTaskbarCreated() {
    if (!m_bWanted) return;
    KillTimer(kRetryTimerId);
    if (!TryAddIcon()) StartRetries();
}

void CSystemTray::DeleteIcon() {
    m_bWanted = FALSE;
    if (GetSafeHwnd()) KillTimer(kRetryTimerId);
    if (!m_bEnabled) return;
    m_tnd.uFlags = 0;
    NotifyIcon(NIM_DELETE, &m_tnd);
    m_bEnabled = FALSE;
}

void CSystemTray::SetTip(LPCSTR szTip) {
    lstrcpynA(m_tnd.szTip, szTip ? szTip : "", 64);
    if (!m_bEnabled) return;
    m_tnd.uFlags = NIF_TIP;
    NotifyIcon(NIM_MODIFY, &m_tnd);
}

BOOL CSystemTray::SetDefaultMenuItem(UINT uItem, BOOL bByPos) {
    if (m_default.uItem == uItem && m_default.bByPosition == bByPos) return TRUE;
    m_default.uItem = uItem;
    m_default.bByPosition = bByPos;

    CMenu menu;
    if (!menu.LoadMenu(m_tnd.uID)) return FALSE;
    // The stored item is marked again each time the popup is shown; this only checks it.
    return MarkDefaultItem(::GetSubMenu(menu.m_hMenu, 0), m_default);
}

LRESULT CSystemTray::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_tnd.uCallbackMessage != 0 && message == m_tnd.uCallbackMessage)
        return OnIconNotify(wParam, lParam);
    // Registered messages have no fixed message-table entry either.
    UINT taskbarCreated = TaskbarCreatedMessage();
    if (taskbarCreated != 0 && message == taskbarCreated) {
        OnTaskbarCreated();
        return 0;
    }
    if (message == WM_TIMER && wParam == kRetryTimerId) {
        OnRetryTimer();
        return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

LRESULT CSystemTray::OnIconNotify(WPARAM wParam, LPARAM lParam) {
    if (wParam != m_tnd.uID) return 0;
    TrayIconAction action = RouteIconNotify(m_tnd.uID, wParam, lParam);
    // Commands go to the main window; before it is set there is nobody to run them.
    CWnd* pTarget = AfxGetMainWnd();
    if (action == TrayIconAction::None || pTarget == NULL || pTarget->GetSafeHwnd() == NULL)
        return 1;
    // While a modal dialog of the main window runs (the tray's Options...), the icon brings
    // that dialog back instead of starting a second one behind it.
    if (!pTarget->IsWindowEnabled()) {
        CWnd* pPopup = pTarget->GetLastActivePopup();
        if (pPopup) pPopup->SetForegroundWindow();
        return 1;
    }
    if (action == TrayIconAction::ShowMenu)
        ShowMenu(pTarget);
    else
        RunDefault(pTarget);
    return 1;
}

void CSystemTray::ShowMenu(CWnd* pTarget) {
    CMenu menu;
    if (!menu.LoadMenu(m_tnd.uID)) return;
    HMENU hPopup = ::GetSubMenu(menu.m_hMenu, 0);
    if (hPopup == NULL) return;
    MarkDefaultItem(hPopup, m_default);
    POINT pos;
    GetCursorPos(&pos);
    // Without the foreground the menu would not close when the user clicks elsewhere, and
    // the posted WM_NULL lets a second click on the icon open it again.
    pTarget->SetForegroundWindow();
    ::TrackPopupMenu(hPopup, 0, pos.x, pos.y, 0, pTarget->GetSafeHwnd(), NULL);
    pTarget->PostMessage(WM_NULL, 0, 0);
}

void CSystemTray::RunDefault(CWnd* pTarget) {
    pTarget->SetForegroundWindow();
    UINT id = m_default.uItem;
    if (m_default.bByPosition) {
        CMenu menu;
        if (!menu.LoadMenu(m_tnd.uID)) return;
        id = DefaultCommandId(::GetSubMenu(menu.m_hMenu, 0), m_default);
    }
    if (id != 0) pTarget->SendMessage(WM_COMMAND, id, 0);
}
