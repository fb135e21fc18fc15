// Message maps: the MFC macros, each entry calling a typed handler through a thunk that
// decodes wParam/lParam once for that handler's signature.
//
//   // Foo.h                                  // Foo.cpp
//   class CFoo : public CWnd {                 BEGIN_MESSAGE_MAP(CFoo, CWnd)
//       afx_msg void OnLButtonDown(UINT, CPoint);  ON_WM_LBUTTONDOWN()
//       afx_msg void OnOpen();                     ON_COMMAND(ID_OPEN, OnOpen)
//       DECLARE_MESSAGE_MAP()                  END_MESSAGE_MAP()
//   };
//
// Handlers are named without class or '&' (ON_COMMAND(ID_OPEN, OnOpen)), as in MFC 4.2. A
// handler of the wrong signature fails to compile with a message naming the expected one.
// The table of the derived class is searched first, then its base's, up to CWnd; the first
// matching entry wins, so a derived entry overrides the base's. A message no entry takes
// gets the default processing (DefWindowProc).
#pragma once

#include <windows.h>

#include <type_traits>

#include "framework/DC.h"
#include "framework/Geometry.h"
#include "framework/MessageMapTypes.h"
#include "framework/Wnd.h"

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                    \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                               \
    {                                                                             \
        /* unused when the table has no entries of its own */                     \
        using ThisClass [[maybe_unused]] = theClass;                              \
        using TheBaseClass = baseClass;                                           \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                         \
            {0, 0, 0, 0, nullptr}                                                 \
        };                                                                        \
        static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap,   \
                                              &_messageEntries[0]};               \
        return &messageMap;                                                       \
    }

namespace afxmsg {

// Splits a member-function pointer into its class and its signature.
template <class Pmf>
struct Member;
template <class C, class R, class... A>
struct Member<R (C::*)(A...)> {
    using Class = C;
    using Sig = R(A...);
};
template <auto Pfn, class Sig>
inline constexpr bool kHasSig = std::is_same_v<typename Member<decltype(Pfn)>::Sig, Sig>;
template <auto Pfn>
inline auto* Target(CWnd* pWnd)
{
    return static_cast<typename Member<decltype(Pfn)>::Class*>(pWnd);
}
inline CPoint PointOf(LPARAM lParam)  // signed: positions left of or above the window
{
    return CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
}
inline CWnd* WndOf(WPARAM h) { return CWnd::FromHandle(reinterpret_cast<HWND>(h)); }
inline CWnd* WndOf(LPARAM h) { return CWnd::FromHandle(reinterpret_cast<HWND>(h)); }
// WM_CTLCOLORxxx (or its reflection) as CTLCOLOR_EDIT, CTLCOLOR_STATIC ...
inline UINT CtlColorType(UINT message)
{
    return (message >= WM_REFLECT_BASE ? message - WM_REFLECT_BASE : message) -
           WM_CTLCOLORMSGBOX;
}

#define AFX_SIG_CHECK(sig) \
    static_assert(kHasSig<Pfn, sig>, "message-map handler must be " #sig)

// ---- window messages ---------------------------------------------------------------------
template <auto Pfn>  // void ()
BOOL Void(CWnd* w, const AFX_MSGCALL&, LRESULT& r)
{
    AFX_SIG_CHECK(void());
    (Target<Pfn>(w)->*Pfn)();
    r = 0;
    return TRUE;
}
template <auto Pfn>  // BOOL ()
BOOL BoolVoid(CWnd* w, const AFX_MSGCALL&, LRESULT& r)
{
    AFX_SIG_CHECK(BOOL());
    r = (Target<Pfn>(w)->*Pfn)();
    return TRUE;
}
template <auto Pfn>  // UINT ()
BOOL UintVoid(CWnd* w, const AFX_MSGCALL&, LRESULT& r)
{
    AFX_SIG_CHECK(UINT());
    r = (Target<Pfn>(w)->*Pfn)();
    return TRUE;
}
template <auto Pfn>  // HCURSOR ()
BOOL CursorVoid(CWnd* w, const AFX_MSGCALL&, LRESULT& r)
{
    AFX_SIG_CHECK(HCURSOR());
    r = reinterpret_cast<LRESULT>((Target<Pfn>(w)->*Pfn)());
    return TRUE;
}
template <auto Pfn>  // int (LPCREATESTRUCT)
BOOL Create(CWnd* w, const AFX_MSGCALL& c, LRESULT& r)
{
    AFX_SIG_CHECK(int(LPCREATESTRUCT));
    r = (Target<Pfn>(w)->*Pfn)(reinterpret_cast<LPCREATESTRUCT>(c.lParam));
    return TRUE;
}
template <auto Pfn>  // BOOL (CDC* pDC), pDC from wParam
BOOL BoolDC(CWnd* w, const AFX_MSGCALL& c, LRESULT& r)
{
    AFX_SIG_CHECK(BOOL(CDC*));
    CTempDC dc(reinterpret_cast<HDC>(c.wParam));
    r = (Target<Pfn>(w)->*Pfn)(&dc);
    return TRUE;
}
template <auto Pfn>  // void (UINT) from wParam
BOOL UintW(CWnd* w, const AFX_MSGCALL& c, LRESULT& r)
{
    AFX_SIG_CHECK(void(UINT));
    (Target<Pfn>(w)->*Pfn)(static_cast<UINT>(c.wParam));
    r = 0;
    return TRUE;
}
template <auto Pfn>  // void (UINT nFlags, CPoint point)
BOOL Mouse(CWnd* w, const AFX_MSGCALL& c, LRESULT& r)
{
    AFX_SIG_CHECK(void(UINT, CPoint));
    (Target<Pfn>(w)->*Pfn)(static_cast<UINT>(c.wParam), PointOf(c.lParam));
    r = 0;
    return TRUE;
}
template <auto Pfn>  // UINT (CPoint point)
BOOL HitTest(CWnd* w, const AFX_MSGCALL& c, LRESULT& r)
{
    AFX_SIG_CHECK(UINT(CPoint));
    r = (Target<Pfn>(w)->*Pfn)(PointOf(c.lParam));
    return TRUE;
}
template <auto Pfn>  // void (UINT nChar, UINT nRepCnt, UINT nFlags)
BOOL Key(CWnd* w, const AFX_MSGCALL& c, LRESULT& r)
{
    AFX_SIG_CHECK(void(UINT, UINT, UINT));
    (Target<Pfn>(w)->*Pfn)(static_cast<UINT>(c.wParam), LOWORD(c.lParam), HIWORD(c.lParam));
    r = 0;
    return TRUE;
}
template <auto Pfn>  // void (CWnd* pWnd, CPoint pos)
BOOL ContextMenu(CWnd* w, const AFX_MSGCALL& c, LRESULT& r)
{
    AFX_SIG_CHECK(void(CWnd*, CPoint));
    (Target<Pfn>(w)->*Pfn)(WndOf(c.wParam), PointOf(c.lParam));
    r = 0;
    return TRUE;
}
template <auto Pfn>  // BOOL (CWnd* pWnd, UINT nHitTest, UINT message)
BOOL SetCursor(CWnd* w, const AFX_MSGCALL& c, LRESULT& r)
{
    AFX_SIG_CHECK(BOOL(CWnd*, UINT, UINT));
    r = (Target<Pfn>(w)->*Pfn)(WndOf(c.wParam), LOWORD(c.lParam), HIWORD(c.lParam));
    return TRUE;
}
template <auto Pfn>  // int (CWnd* pDesktopWnd, UINT nHitTest, UINT message)
BOOL MouseActivate(CWnd* w, const AFX_MSGCALL& c, LRESULT& r)
{
    AFX_SIG_CHECK(int(CWnd*, UINT, UINT));
    r = (Target<Pfn>(w)->*Pfn)(WndOf(c.wParam), LOWORD(c.lParam), HIWORD(c.lParam));
    return TRUE;
}
template <auto Pfn>  // void (CWnd*) from wParam
BOOL WndW(CWnd* w, const AFX_MSGCALL& c, LRESULT& r)
{
    AFX_SIG_CHECK(void(CWnd*));
    (Target<Pfn>(w)->*Pfn)(WndOf(c.wParam));
    r = 0;
    return TRUE;
}
template <auto Pfn>  // void (CWnd*) from lParam
BOOL WndL(CWnd* w, const AFX_MSGCALL& c, LRESULT& r)
{
    AFX_SIG_CHECK(void(CWnd*));
    (Target<Pfn>(w)->*Pfn)(WndOf(c.lParam));
    r = 0;
    return TRUE;
}
template <auto Pfn>  // void (UINT nType, int cx, int cy)
BOOL Size(CWnd* w, const AFX_MSGCALL& c, LRESULT& r)
{
    AFX_SIG_CHECK(void(UINT, int, int));
    (Target<Pfn>(w)->*Pfn)(static_cast<UINT>(c.wParam), LOWORD(c.lParam), HIWORD(c.lParam));
    r = 0;
    return TRUE;
}
template <auto Pfn>  // void (int x, int y)
BOOL Move(CWnd* w, const AFX_MSGCALL& c, LRESULT& r)
{
    AFX_SIG_CHECK(void(int, int));
    (Target<Pfn>(w)->*Pfn)(static_cast<short>(LOWORD(c.lParam)),
                           static_cast<short>(HIWORD(c.lParam)));
    r = 0;
    return TRUE;
}
template <auto Pfn>  // void (BOOL bShow, UINT nStatus)
BOOL ShowWindow(CWnd* w, const AFX_MSGCALL& c, LRESULT& r)
{
    AFX_SIG_CHECK(void(BOOL, UINT));
    (Target<Pfn>(w)->*Pfn)(static_cast<BOOL>(c.wParam), static_cast<UINT>(c.lParam));
    r = 0;
    return TRUE;
}
template <auto Pfn>  // void (UINT nState, CWnd* pWndOther, BOOL bMinimized)
BOOL Activate(CWnd* w, const AFX_MSGCALL& c, LRESULT& r)
{
    AFX_SIG_CHECK(void(UINT, CWnd*, BOOL));
    (Target<Pfn>(w)->*Pfn)(LOWORD(c.wParam), WndOf(c.lParam), HIWORD(c.wParam) != 0);
    r = 0;
    return TRUE;
}
template <auto Pfn>  // void (BOOL bActive, DWORD dwThreadID)
BOOL ActivateApp(CWnd* w, const AFX_MSGCALL& c, LRESULT& r)
{
    AFX_SIG_CHECK(void(BOOL, DWORD));
    (Target<Pfn>(w)->*Pfn)(static_cast<BOOL>(c.wParam), static_cast<DWORD>(c.lParam));
    r = 0;
    return TRUE;
}
template <auto Pfn>  // void (UINT nID, LPARAM lParam)
BOOL SysCommand(CWnd* w, const AFX_MSGCALL& c, LRESULT& r)
{
    AFX_SIG_CHECK(void(UINT, LPARAM));
    (Target<Pfn>(w)->*Pfn)(static_cast<UINT>(c.wParam), c.lParam);
    r = 0;
    return TRUE;
}
template <auto Pfn, class T>  // void (T*) from lParam: MINMAXINFO*, WINDOWPOS*
BOOL PointerL(CWnd* w, const AFX_MSGCALL& c, LRESULT& r)
{
    AFX_SIG_CHECK(void(T*));
    (Target<Pfn>(w)->*Pfn)(reinterpret_cast<T*>(c.lParam));
    r = 0;
    return TRUE;
}
template <auto Pfn>  // void (UINT uFlags, LPCTSTR lpszSection)
BOOL SettingChange(CWnd* w, const AFX_MSGCALL& c, LRESULT& r)
{
    AFX_SIG_CHECK(void(UINT, LPCTSTR));
    (Target<Pfn>(w)->*Pfn)(static_cast<UINT>(c.wParam), reinterpret_cast<LPCTSTR>(c.lParam));
    r = 0;
    return TRUE;
}
template <auto Pfn>  // void (LPCTSTR lpszSection)
BOOL WinIniChange(CWnd* w, const AFX_MSGCALL& c, LRESULT& r)
{
    AFX_SIG_CHECK(void(LPCTSTR));
    (Target<Pfn>(w)->*Pfn)(reinterpret_cast<LPCTSTR>(c.lParam));
    r = 0;
    return TRUE;
}
template <auto Pfn>  // void (LPTSTR lpDeviceName)
BOOL DevModeChange(CWnd* w, const AFX_MSGCALL& c, LRESULT& r)
{
    AFX_SIG_CHECK(void(LPTSTR));
    (Target<Pfn>(w)->*Pfn)(reinterpret_cast<LPTSTR>(c.lParam));
    r = 0;
    return TRUE;
}
template <auto Pfn>  // void (HDROP)
BOOL DropFiles(CWnd* w, const AFX_MSGCALL& c, LRESULT& r)
{
    AFX_SIG_CHECK(void(HDROP));
    (Target<Pfn>(w)->*Pfn)(reinterpret_cast<HDROP>(c.wParam));
    r = 0;
    return TRUE;
}
template <auto Pfn>  // HBRUSH (CDC* pDC, CWnd* pWnd, UINT nCtlColor)
BOOL CtlColor(CWnd* w, const AFX_MSGCALL& c, LRESULT& r)
{
    AFX_SIG_CHECK(HBRUSH(CDC*, CWnd*, UINT));
    CTempDC dc(reinterpret_cast<HDC>(c.wParam));
    r = reinterpret_cast<LRESULT>(
        (Target<Pfn>(w)->*Pfn)(&dc, WndOf(c.lParam), CtlColorType(c.message)));
    return TRUE;
}
template <auto Pfn>  // HBRUSH (CDC* pDC, UINT nCtlColor), reflected; NULL lets the parent answer
BOOL CtlColorReflect(CWnd* w, const AFX_MSGCALL& c, LRESULT& r)
{
    AFX_SIG_CHECK(HBRUSH(CDC*, UINT));
    CTempDC dc(reinterpret_cast<HDC>(c.wParam));
    HBRUSH hbr = (Target<Pfn>(w)->*Pfn)(&dc, CtlColorType(c.message));
    r = reinterpret_cast<LRESULT>(hbr);
    return hbr != nullptr;
}
template <auto Pfn, class T>  // void (int nIDCtl, T*): owner-draw requests
BOOL OwnerDraw(CWnd* w, const AFX_MSGCALL& c, LRESULT& r)
{
    AFX_SIG_CHECK(void(int, T*));
    (Target<Pfn>(w)->*Pfn)(static_cast<int>(c.wParam), reinterpret_cast<T*>(c.lParam));
    r = TRUE;
    return TRUE;
}
template <auto Pfn, class T>  // void (T*): reflected owner-draw requests
BOOL OwnerDrawReflect(CWnd* w, const AFX_MSGCALL& c, LRESULT& r)
{
    AFX_SIG_CHECK(void(T*));
    (Target<Pfn>(w)->*Pfn)(reinterpret_cast<T*>(c.lParam));
    r = TRUE;
    return TRUE;
}
template <auto Pfn>  // LRESULT (WPARAM, LPARAM)
BOOL Message(CWnd* w, const AFX_MSGCALL& c, LRESULT& r)
{
    AFX_SIG_CHECK(LRESULT(WPARAM, LPARAM));
    r = (Target<Pfn>(w)->*Pfn)(c.wParam, c.lParam);
    return TRUE;
}

// ---- commands and notifications ----------------------------------------------------------
template <auto Pfn>  // BOOL (): FALSE passes the notification on (the _EX entries)
BOOL CommandEx(CWnd* w, const AFX_MSGCALL&, LRESULT& r)
{
    AFX_SIG_CHECK(BOOL());
    BOOL bHandled = (Target<Pfn>(w)->*Pfn)();
    r = bHandled;
    return bHandled;
}
template <auto Pfn>  // void (UINT nID): a range of ids
BOOL CommandRange(CWnd* w, const AFX_MSGCALL& c, LRESULT& r)
{
    AFX_SIG_CHECK(void(UINT));
    (Target<Pfn>(w)->*Pfn)(c.nID);
    r = 0;
    return TRUE;
}
template <auto Pfn>  // void (NMHDR* pNMHDR, LRESULT* pResult)
BOOL Notify(CWnd* w, const AFX_MSGCALL& c, LRESULT& r)
{
    AFX_SIG_CHECK(void(NMHDR*, LRESULT*));
    (Target<Pfn>(w)->*Pfn)(reinterpret_cast<NMHDR*>(c.lParam), &r);
    return TRUE;
}
template <auto Pfn>  // BOOL (NMHDR* pNMHDR, LRESULT* pResult): FALSE passes it on
BOOL NotifyEx(CWnd* w, const AFX_MSGCALL& c, LRESULT& r)
{
    AFX_SIG_CHECK(BOOL(NMHDR*, LRESULT*));
    return (Target<Pfn>(w)->*Pfn)(reinterpret_cast<NMHDR*>(c.lParam), &r);
}
template <auto Pfn>  // void (UINT nID, NMHDR* pNMHDR, LRESULT* pResult)
BOOL NotifyRange(CWnd* w, const AFX_MSGCALL& c, LRESULT& r)
{
    AFX_SIG_CHECK(void(UINT, NMHDR*, LRESULT*));
    (Target<Pfn>(w)->*Pfn)(c.nID, reinterpret_cast<NMHDR*>(c.lParam), &r);
    return TRUE;
}

#undef AFX_SIG_CHECK
}  // namespace afxmsg

#define AFX_MSG_ENTRY(message, thunk) {(UINT)(message), 0, 0, 0, thunk},

// ---- window messages: handler signature beside each ---------------------------------------
#define ON_WM_CREATE() AFX_MSG_ENTRY(WM_CREATE, &afxmsg::Create<&ThisClass::OnCreate>)  // int OnCreate(LPCREATESTRUCT)
#define ON_WM_DESTROY() AFX_MSG_ENTRY(WM_DESTROY, &afxmsg::Void<&ThisClass::OnDestroy>)  // void OnDestroy()
#define ON_WM_NCDESTROY() AFX_MSG_ENTRY(WM_NCDESTROY, &afxmsg::Void<&ThisClass::OnNcDestroy>)  // void OnNcDestroy()
#define ON_WM_PAINT() AFX_MSG_ENTRY(WM_PAINT, &afxmsg::Void<&ThisClass::OnPaint>)  // void OnPaint()
#define ON_WM_NCPAINT() AFX_MSG_ENTRY(WM_NCPAINT, &afxmsg::Void<&ThisClass::OnNcPaint>)  // void OnNcPaint()
#define ON_WM_ERASEBKGND() AFX_MSG_ENTRY(WM_ERASEBKGND, &afxmsg::BoolDC<&ThisClass::OnEraseBkgnd>)  // BOOL OnEraseBkgnd(CDC*)
#define ON_WM_ICONERASEBKGND() AFX_MSG_ENTRY(WM_ICONERASEBKGND, &afxmsg::BoolDC<&ThisClass::OnIconEraseBkgnd>)  // BOOL OnIconEraseBkgnd(CDC*)
#define ON_WM_TIMER() AFX_MSG_ENTRY(WM_TIMER, &afxmsg::UintW<&ThisClass::OnTimer>)  // void OnTimer(UINT nIDEvent)
#define ON_WM_CLOSE() AFX_MSG_ENTRY(WM_CLOSE, &afxmsg::Void<&ThisClass::OnClose>)  // void OnClose()
#define ON_WM_QUERYDRAGICON() AFX_MSG_ENTRY(WM_QUERYDRAGICON, &afxmsg::CursorVoid<&ThisClass::OnQueryDragIcon>)  // HCURSOR OnQueryDragIcon()
#define ON_WM_MOUSEMOVE() AFX_MSG_ENTRY(WM_MOUSEMOVE, &afxmsg::Mouse<&ThisClass::OnMouseMove>)  // void OnMouseMove(UINT nFlags, CPoint)
#define ON_WM_LBUTTONDOWN() AFX_MSG_ENTRY(WM_LBUTTONDOWN, &afxmsg::Mouse<&ThisClass::OnLButtonDown>)  // void OnLButtonDown(UINT nFlags, CPoint)
#define ON_WM_LBUTTONUP() AFX_MSG_ENTRY(WM_LBUTTONUP, &afxmsg::Mouse<&ThisClass::OnLButtonUp>)  // void OnLButtonUp(UINT nFlags, CPoint)
#define ON_WM_LBUTTONDBLCLK() AFX_MSG_ENTRY(WM_LBUTTONDBLCLK, &afxmsg::Mouse<&ThisClass::OnLButtonDblClk>)  // void OnLButtonDblClk(UINT nFlags, CPoint)
#define ON_WM_RBUTTONDOWN() AFX_MSG_ENTRY(WM_RBUTTONDOWN, &afxmsg::Mouse<&ThisClass::OnRButtonDown>)  // void OnRButtonDown(UINT nFlags, CPoint)
#define ON_WM_RBUTTONUP() AFX_MSG_ENTRY(WM_RBUTTONUP, &afxmsg::Mouse<&ThisClass::OnRButtonUp>)  // void OnRButtonUp(UINT nFlags, CPoint)
#define ON_WM_RBUTTONDBLCLK() AFX_MSG_ENTRY(WM_RBUTTONDBLCLK, &afxmsg::Mouse<&ThisClass::OnRButtonDblClk>)  // void OnRButtonDblClk(UINT nFlags, CPoint)
#define ON_WM_MBUTTONDOWN() AFX_MSG_ENTRY(WM_MBUTTONDOWN, &afxmsg::Mouse<&ThisClass::OnMButtonDown>)  // void OnMButtonDown(UINT nFlags, CPoint)
#define ON_WM_MBUTTONUP() AFX_MSG_ENTRY(WM_MBUTTONUP, &afxmsg::Mouse<&ThisClass::OnMButtonUp>)  // void OnMButtonUp(UINT nFlags, CPoint)
#define ON_WM_NCLBUTTONDOWN() AFX_MSG_ENTRY(WM_NCLBUTTONDOWN, &afxmsg::Mouse<&ThisClass::OnNcLButtonDown>)  // void OnNcLButtonDown(UINT nHitTest, CPoint screen)
#define ON_WM_NCRBUTTONDOWN() AFX_MSG_ENTRY(WM_NCRBUTTONDOWN, &afxmsg::Mouse<&ThisClass::OnNcRButtonDown>)  // void OnNcRButtonDown(UINT nHitTest, CPoint screen)
#define ON_WM_NCHITTEST() AFX_MSG_ENTRY(WM_NCHITTEST, &afxmsg::HitTest<&ThisClass::OnNcHitTest>)  // UINT OnNcHitTest(CPoint screen)
#define ON_WM_KEYDOWN() AFX_MSG_ENTRY(WM_KEYDOWN, &afxmsg::Key<&ThisClass::OnKeyDown>)  // void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
#define ON_WM_KEYUP() AFX_MSG_ENTRY(WM_KEYUP, &afxmsg::Key<&ThisClass::OnKeyUp>)  // void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
#define ON_WM_CHAR() AFX_MSG_ENTRY(WM_CHAR, &afxmsg::Key<&ThisClass::OnChar>)  // void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
#define ON_WM_SYSKEYDOWN() AFX_MSG_ENTRY(WM_SYSKEYDOWN, &afxmsg::Key<&ThisClass::OnSysKeyDown>)  // void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
#define ON_WM_SYSCHAR() AFX_MSG_ENTRY(WM_SYSCHAR, &afxmsg::Key<&ThisClass::OnSysChar>)  // void OnSysChar(UINT nChar, UINT nRepCnt, UINT nFlags)
#define ON_WM_CONTEXTMENU() AFX_MSG_ENTRY(WM_CONTEXTMENU, &afxmsg::ContextMenu<&ThisClass::OnContextMenu>)  // void OnContextMenu(CWnd* pWnd, CPoint screen)
#define ON_WM_SETCURSOR() AFX_MSG_ENTRY(WM_SETCURSOR, &afxmsg::SetCursor<&ThisClass::OnSetCursor>)  // BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
#define ON_WM_MOUSEACTIVATE() AFX_MSG_ENTRY(WM_MOUSEACTIVATE, &afxmsg::MouseActivate<&ThisClass::OnMouseActivate>)  // int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
#define ON_WM_KILLFOCUS() AFX_MSG_ENTRY(WM_KILLFOCUS, &afxmsg::WndW<&ThisClass::OnKillFocus>)  // void OnKillFocus(CWnd* pNewWnd)
#define ON_WM_SETFOCUS() AFX_MSG_ENTRY(WM_SETFOCUS, &afxmsg::WndW<&ThisClass::OnSetFocus>)  // void OnSetFocus(CWnd* pOldWnd)
#define ON_WM_CAPTURECHANGED() AFX_MSG_ENTRY(WM_CAPTURECHANGED, &afxmsg::WndL<&ThisClass::OnCaptureChanged>)  // void OnCaptureChanged(CWnd* pWnd)
#define ON_WM_CANCELMODE() AFX_MSG_ENTRY(WM_CANCELMODE, &afxmsg::Void<&ThisClass::OnCancelMode>)  // void OnCancelMode()
#define ON_WM_SIZE() AFX_MSG_ENTRY(WM_SIZE, &afxmsg::Size<&ThisClass::OnSize>)  // void OnSize(UINT nType, int cx, int cy)
#define ON_WM_MOVE() AFX_MSG_ENTRY(WM_MOVE, &afxmsg::Move<&ThisClass::OnMove>)  // void OnMove(int x, int y)
#define ON_WM_SHOWWINDOW() AFX_MSG_ENTRY(WM_SHOWWINDOW, &afxmsg::ShowWindow<&ThisClass::OnShowWindow>)  // void OnShowWindow(BOOL bShow, UINT nStatus)
#define ON_WM_ACTIVATE() AFX_MSG_ENTRY(WM_ACTIVATE, &afxmsg::Activate<&ThisClass::OnActivate>)  // void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
#define ON_WM_ACTIVATEAPP() AFX_MSG_ENTRY(WM_ACTIVATEAPP, &afxmsg::ActivateApp<&ThisClass::OnActivateApp>)  // void OnActivateApp(BOOL bActive, DWORD dwThreadID)
#define ON_WM_GETDLGCODE() AFX_MSG_ENTRY(WM_GETDLGCODE, &afxmsg::UintVoid<&ThisClass::OnGetDlgCode>)  // UINT OnGetDlgCode()
#define ON_WM_SYSCOMMAND() AFX_MSG_ENTRY(WM_SYSCOMMAND, &afxmsg::SysCommand<&ThisClass::OnSysCommand>)  // void OnSysCommand(UINT nID, LPARAM lParam)
#define ON_WM_GETMINMAXINFO() AFX_MSG_ENTRY(WM_GETMINMAXINFO, (&afxmsg::PointerL<&ThisClass::OnGetMinMaxInfo, MINMAXINFO>))  // void OnGetMinMaxInfo(MINMAXINFO*)
#define ON_WM_WINDOWPOSCHANGING() AFX_MSG_ENTRY(WM_WINDOWPOSCHANGING, (&afxmsg::PointerL<&ThisClass::OnWindowPosChanging, WINDOWPOS>))  // void OnWindowPosChanging(WINDOWPOS*)
#define ON_WM_WINDOWPOSCHANGED() AFX_MSG_ENTRY(WM_WINDOWPOSCHANGED, (&afxmsg::PointerL<&ThisClass::OnWindowPosChanged, WINDOWPOS>))  // void OnWindowPosChanged(WINDOWPOS*)
#define ON_WM_SYSCOLORCHANGE() AFX_MSG_ENTRY(WM_SYSCOLORCHANGE, &afxmsg::Void<&ThisClass::OnSysColorChange>)  // void OnSysColorChange()
#define ON_WM_SETTINGCHANGE() AFX_MSG_ENTRY(WM_SETTINGCHANGE, &afxmsg::SettingChange<&ThisClass::OnSettingChange>)  // void OnSettingChange(UINT uFlags, LPCTSTR lpszSection)
#define ON_WM_WININICHANGE() AFX_MSG_ENTRY(WM_WININICHANGE, &afxmsg::WinIniChange<&ThisClass::OnWinIniChange>)  // void OnWinIniChange(LPCTSTR lpszSection)
#define ON_WM_DEVMODECHANGE() AFX_MSG_ENTRY(WM_DEVMODECHANGE, &afxmsg::DevModeChange<&ThisClass::OnDevModeChange>)  // void OnDevModeChange(LPTSTR lpDeviceName)
#define ON_WM_FONTCHANGE() AFX_MSG_ENTRY(WM_FONTCHANGE, &afxmsg::Void<&ThisClass::OnFontChange>)  // void OnFontChange()
#define ON_WM_TIMECHANGE() AFX_MSG_ENTRY(WM_TIMECHANGE, &afxmsg::Void<&ThisClass::OnTimeChange>)  // void OnTimeChange()
#define ON_WM_PALETTECHANGED() AFX_MSG_ENTRY(WM_PALETTECHANGED, &afxmsg::WndW<&ThisClass::OnPaletteChanged>)  // void OnPaletteChanged(CWnd* pFocusWnd)
#define ON_WM_QUERYNEWPALETTE() AFX_MSG_ENTRY(WM_QUERYNEWPALETTE, &afxmsg::BoolVoid<&ThisClass::OnQueryNewPalette>)  // BOOL OnQueryNewPalette()
#define ON_WM_DROPFILES() AFX_MSG_ENTRY(WM_DROPFILES, &afxmsg::DropFiles<&ThisClass::OnDropFiles>)  // void OnDropFiles(HDROP)
// The parent's colour request for every WM_CTLCOLORxxx; nCtlColor is CTLCOLOR_EDIT, ...
#define ON_WM_CTLCOLOR() AFX_MSG_ENTRY(WM_CTLCOLOR, &afxmsg::CtlColor<&ThisClass::OnCtlColor>)  // HBRUSH OnCtlColor(CDC*, CWnd* pWnd, UINT nCtlColor)
#define ON_WM_DRAWITEM() AFX_MSG_ENTRY(WM_DRAWITEM, (&afxmsg::OwnerDraw<&ThisClass::OnDrawItem, DRAWITEMSTRUCT>))  // void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT)
#define ON_WM_MEASUREITEM() AFX_MSG_ENTRY(WM_MEASUREITEM, (&afxmsg::OwnerDraw<&ThisClass::OnMeasureItem, MEASUREITEMSTRUCT>))  // void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT)

// ---- reflected to the control's own object ------------------------------------------------
// The control answers its own colour request; returning NULL lets the parent answer it.
#define ON_WM_CTLCOLOR_REFLECT() AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_CTLCOLOR, &afxmsg::CtlColorReflect<&ThisClass::CtlColor>)  // HBRUSH CtlColor(CDC*, UINT nCtlColor)
#define ON_WM_DRAWITEM_REFLECT() AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_DRAWITEM, (&afxmsg::OwnerDrawReflect<&ThisClass::DrawItem, DRAWITEMSTRUCT>))  // void DrawItem(LPDRAWITEMSTRUCT)
#define ON_WM_MEASUREITEM_REFLECT() AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_MEASUREITEM, (&afxmsg::OwnerDrawReflect<&ThisClass::MeasureItem, MEASUREITEMSTRUCT>))  // void MeasureItem(LPMEASUREITEMSTRUCT)
// void memberFxn(): the control's own WM_COMMAND notification (EN_CHANGE, BN_CLICKED, ...)
#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn) {(UINT)(WM_REFLECT_BASE + WM_COMMAND), (UINT)(wNotifyCode), 0, 0, &afxmsg::Void<&ThisClass::memberFxn>},
// BOOL memberFxn(): FALSE lets the parent see the notification too
#define ON_CONTROL_REFLECT_EX(wNotifyCode, memberFxn) {(UINT)(WM_REFLECT_BASE + WM_COMMAND), (UINT)(wNotifyCode), 0, 0, &afxmsg::CommandEx<&ThisClass::memberFxn>},
// void memberFxn(NMHDR* pNMHDR, LRESULT* pResult)
#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn) {(UINT)(WM_REFLECT_BASE + WM_NOTIFY), (UINT)(wNotifyCode), 0, 0, &afxmsg::Notify<&ThisClass::memberFxn>},
// BOOL memberFxn(NMHDR* pNMHDR, LRESULT* pResult): FALSE lets the parent see it too
#define ON_NOTIFY_REFLECT_EX(wNotifyCode, memberFxn) {(UINT)(WM_REFLECT_BASE + WM_NOTIFY), (UINT)(wNotifyCode), 0, 0, &afxmsg::NotifyEx<&ThisClass::memberFxn>},

// ---- commands and notifications to the parent ---------------------------------------------
// void memberFxn(): a menu or accelerator command, or a button's BN_CLICKED (both code 0)
#define ON_COMMAND(id, memberFxn) {(UINT)WM_COMMAND, (UINT)CN_COMMAND, (UINT)(id), (UINT)(id), &afxmsg::Void<&ThisClass::memberFxn>},
// void memberFxn(UINT nID)
#define ON_COMMAND_RANGE(id, idLast, memberFxn) {(UINT)WM_COMMAND, (UINT)CN_COMMAND, (UINT)(id), (UINT)(idLast), &afxmsg::CommandRange<&ThisClass::memberFxn>},
// void memberFxn(): a control's WM_COMMAND notification
#define ON_CONTROL(wNotifyCode, id, memberFxn) {(UINT)WM_COMMAND, (UINT)(wNotifyCode), (UINT)(id), (UINT)(id), &afxmsg::Void<&ThisClass::memberFxn>},
// void memberFxn(UINT nID)
#define ON_CONTROL_RANGE(wNotifyCode, id, idLast, memberFxn) {(UINT)WM_COMMAND, (UINT)(wNotifyCode), (UINT)(id), (UINT)(idLast), &afxmsg::CommandRange<&ThisClass::memberFxn>},
// void memberFxn(NMHDR* pNMHDR, LRESULT* pResult)
#define ON_NOTIFY(wNotifyCode, id, memberFxn) {(UINT)WM_NOTIFY, (UINT)(wNotifyCode), (UINT)(id), (UINT)(id), &afxmsg::Notify<&ThisClass::memberFxn>},
// void memberFxn(UINT nID, NMHDR* pNMHDR, LRESULT* pResult)
#define ON_NOTIFY_RANGE(wNotifyCode, id, idLast, memberFxn) {(UINT)WM_NOTIFY, (UINT)(wNotifyCode), (UINT)(id), (UINT)(idLast), &afxmsg::NotifyRange<&ThisClass::memberFxn>},
// LRESULT memberFxn(WPARAM wParam, LPARAM lParam): any message, private ones included
#define ON_MESSAGE(message, memberFxn) AFX_MSG_ENTRY(message, &afxmsg::Message<&ThisClass::memberFxn>)

#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_BN_SETFOCUS(id, memberFxn) ON_CONTROL(BN_SETFOCUS, id, memberFxn)
#define ON_BN_KILLFOCUS(id, memberFxn) ON_CONTROL(BN_KILLFOCUS, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_MAXTEXT(id, memberFxn) ON_CONTROL(EN_MAXTEXT, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn) ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_STN_CLICKED(id, memberFxn) ON_CONTROL(STN_CLICKED, id, memberFxn)
#define ON_STN_DBLCLK(id, memberFxn) ON_CONTROL(STN_DBLCLK, id, memberFxn)
