#include "framework/Menu.h"

#include <utility>
#include <vector>

#include "framework/PossiblyNull.h"
#include "framework/TempMap.h"
#include "framework/Wnd.h"

namespace {
CTempMap<HMENU, CMenu> g_tempMenus;
}

CMenu::~CMenu() { DestroyMenu(); }

CMenu::CMenu(CMenu&& other) noexcept
    : m_hMenu(std::exchange(other.m_hMenu, nullptr)), m_bOwned(other.m_bOwned)
{
}

CMenu& CMenu::operator=(CMenu&& other) noexcept
{
    if (this != &other) {
        DestroyMenu();
        m_hMenu = std::exchange(other.m_hMenu, nullptr);
        m_bOwned = other.m_bOwned;
    }
    return *this;
}

HMENU CMenu::GetSafeHmenu() const
{
    const CMenu* self = AfxPossiblyNull(this);
    return self ? self->m_hMenu : nullptr;
}

CMenu* CMenu::FromHandle(HMENU hMenu)
{
    if (!hMenu)
        return nullptr;
    return g_tempMenus.Get(hMenu, [](HMENU h) {
        CMenu* p = new CMenu;
        p->m_hMenu = h;
        p->m_bOwned = false;
        return p;
    });
}

void AfxDeleteTempMenus()
{
    g_tempMenus.Clear([](CMenu* p) { p->m_hMenu = nullptr; });
}

BOOL CMenu::Attach(HMENU hMenu)
{
    if (m_hMenu || !hMenu)
        return FALSE;
    m_hMenu = hMenu;
    m_bOwned = true;
    return TRUE;
}

HMENU CMenu::Detach()
{
    HMENU hMenu = m_hMenu;
    m_hMenu = nullptr;
    m_bOwned = true;
    return hMenu;
}

BOOL CMenu::CreateMenu()
{
    DestroyMenu();
    return Attach(::CreateMenu());
}

BOOL CMenu::CreatePopupMenu()
{
    DestroyMenu();
    return Attach(::CreatePopupMenu());
}

BOOL CMenu::LoadMenu(LPCTSTR lpszResourceName)
{
    DestroyMenu();
    return Attach(::LoadMenuA(::GetModuleHandleA(nullptr), lpszResourceName));
}

BOOL CMenu::LoadMenuIndirect(const void* lpMenuTemplate)
{
    DestroyMenu();
    return Attach(::LoadMenuIndirectA(lpMenuTemplate));
}

BOOL CMenu::DestroyMenu()
{
    if (!m_hMenu)
        return FALSE;
    const bool bOwned = m_bOwned;
    HMENU hMenu = Detach();
    return bOwned ? ::DestroyMenu(hMenu) : TRUE;
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem)
{
    return ::AppendMenuA(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem)
{
    return ::InsertMenuA(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem)
{
    return ::ModifyMenuA(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::CheckMenuRadioItem(UINT nIDFirst, UINT nIDLast, UINT nIDItem, UINT nFlags)
{
    return ::CheckMenuRadioItem(m_hMenu, nIDFirst, nIDLast, nIDItem, nFlags);
}

int CMenu::GetMenuString(UINT nIDItem, LPTSTR lpString, int nMaxCount, UINT nFlags) const
{
    return ::GetMenuStringA(m_hMenu, nIDItem, lpString, nMaxCount, nFlags);
}

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const
{
    const int nLen = ::GetMenuStringA(m_hMenu, nIDItem, nullptr, 0, nFlags);
    std::vector<char> buffer(nLen > 0 ? nLen + 1 : 1, '\0');
    if (nLen > 0)
        ::GetMenuStringA(m_hMenu, nIDItem, buffer.data(), nLen + 1, nFlags);
    rString = buffer.data();
    return rString.GetLength();
}

CMenu* CMenu::GetSubMenu(int nPos) const { return FromHandle(::GetSubMenu(m_hMenu, nPos)); }

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect)
{
    return ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, pWnd->GetSafeHwnd(), lpRect);
}
