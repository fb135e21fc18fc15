// The records behind a message map and the macro that declares one in a class.
// BEGIN_MESSAGE_MAP / ON_xxx / END_MESSAGE_MAP live in framework/MessageMap.h.
#pragma once

#include <windows.h>

class CWnd;

#ifndef AFXAPI
#define AFXAPI __stdcall
#endif

// Marks a handler in a class declaration, as in MFC; it means nothing to the compiler.
#define afx_msg

// A child's own copy of a notification its parent received: message + WM_REFLECT_BASE.
#define WM_REFLECT_BASE 0xBC00

// The 16-bit colour request: every WM_CTLCOLORxxx is looked up under this one message.
#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR 0x0019
#endif
// Sent to a modal dialog while its loop is idle (wParam MSGF_DIALOGBOX, lParam idle count).
#ifndef WM_KICKIDLE
#define WM_KICKIDLE 0x036A
#endif

// The notification code of a menu or accelerator command (ON_COMMAND).
#define CN_COMMAND 0

// One message as a handler thunk sees it. For window messages nID and nCode are 0; for
// WM_COMMAND and WM_NOTIFY entries they are the control id and the notification code.
struct AFX_MSGCALL {
    UINT message;  // the message as sent (WM_CTLCOLOREDIT, not WM_CTLCOLOR)
    WPARAM wParam;
    LPARAM lParam;
    UINT nID;
    int nCode;
};

// pExtra of OnCmdMsg for a WM_NOTIFY entry.
struct AFX_NOTIFY {
    LRESULT* pResult;
    NMHDR* pNMHDR;
};
struct AFX_CMDHANDLERINFO;  // command-UI routing: not used here, kept for MFC's signature

// Decodes wParam/lParam for one handler signature and calls the handler. Returns FALSE when
// the handler declined the message (a NULL brush from CtlColor, FALSE from an _EX handler),
// so that the next candidate or the default processing gets it.
typedef BOOL (*AFX_MSGTHUNK)(CWnd* pTarget, const AFX_MSGCALL& call, LRESULT& lResult);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;  // WM_xxx; WM_COMMAND / WM_NOTIFY (+ WM_REFLECT_BASE) for control entries
    UINT nCode;     // notification code, 0 for window messages
    UINT nID;       // first control id, 0 for window messages
    UINT nLastID;   // last control id of a range
    AFX_MSGTHUNK pfnThunk;  // nullptr ends the table
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();  // nullptr for CWnd's own table
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// In the class body (it leaves the access at protected, as MFC's does).
#define DECLARE_MESSAGE_MAP()                                  \
protected:                                                     \
    static const AFX_MSGMAP* GetThisMessageMap();              \
    const AFX_MSGMAP* GetMessageMap() const override;

// MFC's runtime-class macros: our code needs no runtime class, so they expand to nothing.
#define DECLARE_DYNAMIC(class_name)
#define DECLARE_DYNCREATE(class_name)
#define IMPLEMENT_DYNAMIC(class_name, base_class_name)
#define IMPLEMENT_DYNCREATE(class_name, base_class_name)
