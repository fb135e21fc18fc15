#include "framework/WndBinding.h"

#include <commctrl.h>

#include <cctype>
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <unordered_map>

#include "framework/CommonControls.h"
#include "framework/DC.h"
#include "framework/Menu.h"
#include "framework/TempMap.h"
#include "framework/WinApp.h"
#include "framework/Wnd.h"

namespace {

// The registries live for the whole process and are never destroyed: window objects with
// static storage (and their destructors) may outlive any static map.
std::unordered_map<HWND, CWnd*>& PermanentMap()
{
    static auto* map = new std::unordered_map<HWND, CWnd*>;
    return *map;
}
CTempMap<HWND, CWnd> g_temporaries;

struct PendingCreation {
    CWnd* pWnd = nullptr;
    WNDPROC pfnSuper = nullptr;
};
PendingCreation g_pending;

MSG g_currentMsg{};
int g_nLoopDepth = 0;
HWND g_hLockoutNotifyWindow = nullptr;

// Superclasses of system classes, by the lower-case system name.
struct Superclass {
    std::string name;  // what we register: "Afx" + the system name
    WNDPROC pfnOriginal;
};
std::map<std::string, Superclass>& Superclasses()
{
    static auto* map = new std::map<std::string, Superclass>;
    return *map;
}
// Class names handed out by AfxRegisterWndClass; the set keeps each string at one address.
std::set<std::string>& RegisteredNames()
{
    static auto* names = new std::set<std::string>;
    return *names;
}

std::string Lower(LPCSTR psz)
{
    std::string s(psz);
    for (char& ch : s)
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return s;
}

// The answer to a message whose handler threw: a failed creation, a validated paint (or the
// paint would come back for ever), else 0.
LRESULT ResultAfterException(HWND hWnd, UINT message)
{
    ::OutputDebugStringA("Tacknote: exception in a window procedure\n");
    if (message == WM_CREATE)
        return -1;
    if (message == WM_PAINT)
        ::ValidateRect(hWnd, nullptr);
    return 0;  // also FALSE for WM_NCCREATE: the creation fails
}

LPCSTR RegisterOnce(LPCSTR lpszName, UINT nStyle, HCURSOR hCursor, HBRUSH hbr, HICON hIcon)
{
    HINSTANCE hInst = AfxGetInstanceHandle();
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    if (!::GetClassInfoExA(hInst, lpszName, &wc)) {
        wc = WNDCLASSEXA{};
        wc.cbSize = sizeof(wc);
        wc.style = nStyle;
        wc.lpfnWndProc = AfxWndProc;
        wc.hInstance = hInst;
        wc.hCursor = hCursor;
        wc.hbrBackground = hbr;
        wc.hIcon = hIcon;
        wc.lpszClassName = lpszName;
        if (!::RegisterClassExA(&wc))
            return nullptr;
    }
    return lpszName;
}

}  // namespace

// ---- maps ----------------------------------------------------------------------------------

CWnd* CWndBinding::Lookup(HWND hWnd)
{
    auto& map = PermanentMap();
    auto it = map.find(hWnd);
    return it == map.end() ? nullptr : it->second;
}

bool CWndBinding::Bind(HWND hWnd, CWnd* pWnd)
{
    if (!hWnd || !pWnd)
        return false;
    return PermanentMap().emplace(hWnd, pWnd).second;
}

void CWndBinding::Unbind(HWND hWnd) { PermanentMap().erase(hWnd); }

HWND CWndBinding::BoundWindowOf(const CWnd* pWnd)
{
    for (const auto& entry : PermanentMap())
        if (entry.second == pWnd)
            return entry.first;
    return nullptr;
}

CWnd* CWndBinding::Temporary(HWND hWnd)
{
    return g_temporaries.Get(hWnd, [](HWND h) {
        CWnd* pWnd = new CWnd;
        pWnd->m_hWnd = h;
        return pWnd;
    });
}

void CWndBinding::DeleteTemporaries()
{
    g_temporaries.Clear([](CWnd* pWnd) { pWnd->m_hWnd = nullptr; });  // not ours to destroy
}

void AFXAPI AfxDeleteTempMaps()
{
    CWndBinding::DeleteTemporaries();
    AfxDeleteTempMenus();
    AfxDeleteTempDCs();
    AfxDeleteTempGdiObjects();
}

// ---- creation handshake --------------------------------------------------------------------

void CWndBinding::ExpectCreation(CWnd* pWnd, WNDPROC pfnSuper) { g_pending = {pWnd, pfnSuper}; }

bool CWndBinding::EndCreation()
{
    const bool bUnused = g_pending.pWnd != nullptr;
    g_pending = {};
    return bUnused;
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = CWndBinding::Lookup(hWnd);
    if (!pWnd && g_pending.pWnd && (message == WM_NCCREATE || message == WM_GETMINMAXINFO)) {
        pWnd = g_pending.pWnd;
        pWnd->m_hWnd = hWnd;
        pWnd->m_pfnSuper = g_pending.pfnSuper;
        CWndBinding::Bind(hWnd, pWnd);
        g_pending = {};
    }
    if (!pWnd)
        return ::CallWindowProcA(CWndBinding::ClassDefaultProc(hWnd), hWnd, message, wParam, lParam);
    return CWndBinding::Call(pWnd, hWnd, message, wParam, lParam);
}

WNDPROC AFXAPI AfxGetAfxWndProc() { return AfxWndProc; }

// ---- the message being handled -------------------------------------------------------------

const MSG& CWndBinding::CurrentMessage() { return g_currentMsg; }

LRESULT CWndBinding::Call(CWnd* pWnd, HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    const MSG saved = g_currentMsg;
    g_currentMsg = MSG{hWnd, message, wParam, lParam, 0, {0, 0}};
    LRESULT lResult = 0;
    try {
        lResult = pWnd->WindowProc(message, wParam, lParam);
    } catch (...) {
        lResult = ResultAfterException(hWnd, message);
    }

    // The last message: unbind whatever the handlers did, so no object keeps a dead handle.
    if (message == WM_NCDESTROY && Lookup(hWnd) == pWnd) {
        if (CWinApp* pApp = AfxGetApp(); pApp && pApp->m_pMainWnd == pWnd) {
            pApp->m_pMainWnd = nullptr;
            ::PostQuitMessage(0);
        }
        if (pWnd->m_nFlags & CWnd::WF_CONTINUEMODAL)
            pWnd->EndModalLoop(IDABORT);
        if (pWnd->m_pfnSuper &&
            reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(hWnd, GWLP_WNDPROC)) == AfxWndProc)
            ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pWnd->m_pfnSuper));
        Unbind(hWnd);
        pWnd->m_hWnd = nullptr;
        pWnd->m_pfnSuper = nullptr;
        try {
            pWnd->PostNcDestroy();  // may delete pWnd
        } catch (...) {
            ::OutputDebugStringA("Tacknote: exception in PostNcDestroy\n");
        }
    }
    g_currentMsg = saved;
    return lResult;
}

// ---- window classes ------------------------------------------------------------------------

LPCTSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground,
                                   HICON hIcon)
{
    char szName[96];
    // Handles as plain hexadecimal numbers: %p spells them differently per C runtime.
    const auto hex = [](const void* handle) { return reinterpret_cast<uintptr_t>(handle); };
    std::snprintf(szName, sizeof(szName), "Afx:%" PRIxPTR ":%x:%" PRIxPTR ":%" PRIxPTR ":%" PRIxPTR,
                  hex(AfxGetInstanceHandle()), nClassStyle, hex(hCursor), hex(hbrBackground),
                  hex(hIcon));
    auto& names = RegisteredNames();
    auto it = names.find(szName);
    if (it != names.end())
        return it->c_str();
    if (!RegisterOnce(szName, nClassStyle, hCursor, hbrBackground, hIcon))
        return nullptr;
    return names.insert(szName).first->c_str();
}

LPCSTR CWndBinding::ChildClass()
{
    return RegisterOnce("AfxWnd42s", CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW,
                        ::LoadCursorA(nullptr, IDC_ARROW), nullptr, nullptr);
}

LPCSTR CWndBinding::FrameClass()
{
    return RegisterOnce("AfxFrameOrView42s", CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW,
                        ::LoadCursorA(nullptr, IDC_ARROW),
                        reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1),
                        ::LoadIconA(nullptr, IDI_APPLICATION));
}

LPCSTR CWndBinding::ResolveClass(LPCSTR lpszClassName, WNDPROC* ppfnSuper)
{
    *ppfnSuper = ::DefWindowProcA;
    if (!lpszClassName)
        return nullptr;
    // An atom: only our own classes can be bound at creation; others are subclassed later.
    if (HIWORD(reinterpret_cast<ULONG_PTR>(lpszClassName)) == 0)
        return lpszClassName;

    HINSTANCE hInst = AfxGetInstanceHandle();
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    if (::GetClassInfoExA(hInst, lpszClassName, &wc) && wc.lpfnWndProc == AfxWndProc)
        return lpszClassName;

    auto& supers = Superclasses();
    const std::string key = Lower(lpszClassName);
    auto it = supers.find(key);
    if (it != supers.end()) {
        *ppfnSuper = it->second.pfnOriginal;
        return it->second.name.c_str();
    }

    bool bFound = ::GetClassInfoExA(hInst, lpszClassName, &wc) ||
                  ::GetClassInfoExA(nullptr, lpszClassName, &wc);
    if (!bFound) {  // the common controls register their classes on first use
        AfxInitCommonControls();
        bFound = ::GetClassInfoExA(nullptr, lpszClassName, &wc);
    }
    if (!bFound)
        return nullptr;

    Superclass super{"Afx" + std::string(lpszClassName), wc.lpfnWndProc};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = AfxWndProc;
    wc.hInstance = hInst;
    wc.style &= ~CS_GLOBALCLASS;
    wc.lpszClassName = super.name.c_str();
    if (!::RegisterClassExA(&wc))
        return nullptr;
    it = supers.emplace(key, std::move(super)).first;
    *ppfnSuper = it->second.pfnOriginal;
    return it->second.name.c_str();
}

WNDPROC CWndBinding::ClassDefaultProc(HWND hWnd)
{
    char szClass[128] = "";
    ::GetClassNameA(hWnd, szClass, sizeof(szClass));
    for (const auto& entry : Superclasses())
        if (::lstrcmpiA(entry.second.name.c_str(), szClass) == 0)
            return entry.second.pfnOriginal;
    return ::DefWindowProcA;
}

// ---- loops ---------------------------------------------------------------------------------

void CWndBinding::EnterLoop() { ++g_nLoopDepth; }
void CWndBinding::LeaveLoop() { --g_nLoopDepth; }
bool CWndBinding::IsOutermostLoop() { return g_nLoopDepth <= 1; }
HWND& CWndBinding::LockoutNotifyWindow() { return g_hLockoutNotifyWindow; }

BOOL AfxIsIdleMessage(const MSG* pMsg)
{
    // Mouse moves that do not move (the caret's blinking makes them) and paints do not
    // count as activity.
    static POINT s_ptLast = {-1, -1};
    static UINT s_nLastMsg = 0;
    if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE) {
        if (pMsg->message == s_nLastMsg && pMsg->pt.x == s_ptLast.x && pMsg->pt.y == s_ptLast.y)
            return FALSE;
        s_ptLast = pMsg->pt;
        s_nLastMsg = pMsg->message;
        return TRUE;
    }
    return pMsg->message != WM_PAINT && pMsg->message != WM_SYSTIMER;
}
