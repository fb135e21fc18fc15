// CFrameWnd: a top-level frame window of the framework's frame class "AfxFrameOrView42s"
// (CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, arrow cursor, window-colour background).
// Make frames with new: a frame deletes itself when its window is destroyed (PostNcDestroy).
// Destroying the application's main window ends the message loop.
#pragma once

#include <windows.h>

#include "framework/Wnd.h"

// Frame styles beside the window styles (kept in the style word, as MFC 4.2 does).
#define FWS_ADDTOTITLE 0x00008000L
#define FWS_PREFIXTITLE 0x00004000L
#define FWS_SNAPTOBARS 0x00002000L

class CFrameWnd : public CWnd {
public:
    CFrameWnd();
    ~CFrameWnd() override;

    static const CRect rectDefault;  // CW_USEDEFAULT position and size

    // lpszMenuName: a menu resource for the window's menu bar, or nullptr.
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName,
                        DWORD dwStyle = WS_OVERLAPPEDWINDOW, const RECT& rect = rectDefault,
                        CWnd* pParentWnd = nullptr, LPCTSTR lpszMenuName = nullptr,
                        DWORD dwExStyle = 0, CCreateContext* pContext = nullptr);
    // Creates the frame (hidden unless dwDefaultStyle has WS_VISIBLE) with the resources of
    // id nIDResource where they exist: the title from the string table, the menu bar, the
    // icon and the accelerator table. A missing resource is not an error.
    virtual BOOL LoadFrame(UINT nIDResource,
                           DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);

    BOOL PreTranslateMessage(MSG* pMsg) override;  // the accelerator table
    CString m_strTitle;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);  // creates the frame's parts: none here
    void PostNcDestroy() override;                        // delete this
    HACCEL m_hAccelTable = nullptr;

    DECLARE_MESSAGE_MAP()
};
