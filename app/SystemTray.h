#pragma once

#include <windows.h>

#include <shellapi.h>

#include "app/TrayIconLogic.h"
#include "framework/Wnd.h"

// One notification-area icon with a tip. Its mouse notifications arrive in a hidden window
// of the component's own; a right-button release shows the popup of the menu resource whose
// id is the icon's id, a double-click runs the popup's default command. Commands go to the
// application's main window.
class CSystemTray : public CWnd {
    DECLARE_DYNAMIC(CSystemTray)
public:
    CSystemTray();
    ~CSystemTray() override;

    // Creates the hidden window and adds the icon. pParent, when it has a window, receives
    // the callback message instead of the hidden window. FALSE when there is no icon yet:
    // when the hidden window exists (GetSafeHwnd), the component keeps trying for a while,
    // since at logon the shell may not be ready. The icon is also added again whenever the
    // shell restarts (the "TaskbarCreated" message).
    BOOL AddIcon(CWnd* pParent, UINT uCallbackMessage, LPCSTR szTip, HICON hIcon, UINT uID);
    void DeleteIcon();
    BOOL IsIconShown() const { return m_bEnabled; }
    // Stores the popup's default item, by position or by command id.
    BOOL SetDefaultMenuItem(UINT uItem, BOOL bByPos);
    // Replaces the tip (63 characters at most), also for the icon's later re-additions.
    void SetTip(LPCSTR szTip);

    // The callback: wParam is the icon id, the low word of lParam the mouse message.
    virtual LRESULT OnIconNotify(WPARAM wParam, LPARAM lParam);

protected:
    // The callback message is the caller's choice at AddIcon, so no fixed message-table
    // entry can route it.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void ShowMenu(CWnd* pTarget);
    void RunDefault(CWnd* pTarget);
    // Adds the icon once more; FALSE when the shell refused it.
    BOOL TryAddIcon();
    // A new shell knows none of the old one's icons.
    void OnTaskbarCreated();
    void StartRetries();
    void OnRetryTimer();

    BOOL m_bEnabled;
    BOOL m_bWanted = FALSE; // between AddIcon and DeleteIcon: the icon should be shown
    int m_nRetriesLeft = 0;
    NOTIFYICONDATAA m_tnd;
    TrayDefaultItem m_default;
};
