// Inside the framework only: the HWND -> CWnd maps, the window procedure's entry, the
// message being handled, and the window classes the framework registers.
#pragma once

#include <windows.h>

class CWnd;

// The system's own timer message (the caret's blinking); <winuser.h> does not name it.
#ifndef WM_SYSTIMER
#define WM_SYSTIMER 0x0118
#endif

class CWndBinding {
public:
    // --- the permanent map: filled only when a window is bound --------------------------
    static CWnd* Lookup(HWND hWnd);
    // FALSE when hWnd is already bound (to this or another object).
    static bool Bind(HWND hWnd, CWnd* pWnd);
    static void Unbind(HWND hWnd);
    // The window bound to pWnd, found by searching: for failure paths only.
    static HWND BoundWindowOf(const CWnd* pWnd);

    // --- temporary wrappers of FromHandle -----------------------------------------------
    static CWnd* Temporary(HWND hWnd);
    static void DeleteTemporaries();

    // --- creation handshake -------------------------------------------------------------
    // CreateEx names the object before CreateWindowEx; the window procedure binds it at the
    // new window's first message (WM_GETMINMAXINFO or WM_NCCREATE).
    static void ExpectCreation(CWnd* pWnd, WNDPROC pfnSuper);
    // TRUE when the expected object was not bound (the window never got a message).
    static bool EndCreation();

    // --- the message being handled (Default, GetCurrentMessage) -------------------------
    static const MSG& CurrentMessage();
    // Runs pWnd->WindowProc as the handling of one message: records it as the current one,
    // catches every exception (none may unwind through the system's frames), and after
    // WM_NCDESTROY unbinds the object and runs PostNcDestroy.
    static LRESULT Call(CWnd* pWnd, HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    // --- window classes -----------------------------------------------------------------
    // The class to create a window of lpszClassName with, and the procedure that does its
    // default processing: our classes as they are (DefWindowProc), other classes through a
    // superclass of ours whose procedure is AfxWndProc. nullptr when the class is unknown.
    static LPCSTR ResolveClass(LPCSTR lpszClassName, WNDPROC* ppfnSuper);
    // The default procedure of a window whose class procedure is AfxWndProc.
    static WNDPROC ClassDefaultProc(HWND hWnd);
    static LPCSTR ChildClass();  // "AfxWnd42s"
    static LPCSTR FrameClass();  // "AfxFrameOrView42s"

    // --- loops --------------------------------------------------------------------------
    // Message loops nest (a modal dialog inside the application's loop); temporaries are
    // freed only by the outermost, where no handler can still hold one.
    static void EnterLoop();
    static void LeaveLoop();
    static bool IsOutermostLoop();
    // While a dialog's UpdateData runs, control notifications to it are dropped.
    static HWND& LockoutNotifyWindow();
};

// TRUE for messages after which idle processing should start again.
BOOL AfxIsIdleMessage(const MSG* pMsg);
