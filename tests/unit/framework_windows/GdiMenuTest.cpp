// Ownership of the GDI and menu wrappers: one owner per handle, freed exactly once.
#include <gtest/gtest.h>

#include <utility>

#include "ProbeDialog.h"

namespace {

bool IsGdiObject(HGDIOBJ h) { return ::GetObjectType(h) != 0; }

TEST(Gdi, OwnedObjectsMoveAndAreDeletedOnce)
{
    HGDIOBJ hBrush = nullptr;
    {
        CBrush a(RGB(1, 2, 3));
        hBrush = a.m_hObject;
        ASSERT_TRUE(IsGdiObject(hBrush));
        CBrush b(std::move(a));
        EXPECT_EQ(nullptr, a.m_hObject);
        EXPECT_EQ(hBrush, b.m_hObject);
        CBrush c;
        c = std::move(b);
        EXPECT_EQ(hBrush, c.GetSafeHandle());
        EXPECT_TRUE(IsGdiObject(hBrush));
    }
    EXPECT_FALSE(IsGdiObject(hBrush));
}

TEST(Gdi, RecreatingReplacesAndDeletesTheOldHandle)
{
    CPen pen;
    ASSERT_TRUE(pen.CreatePen(PS_SOLID, 1, RGB(0, 0, 0)));
    HGDIOBJ hFirst = pen.m_hObject;
    ASSERT_TRUE(pen.CreatePen(PS_DOT, 1, RGB(0, 0, 0)));
    EXPECT_FALSE(IsGdiObject(hFirst));
    EXPECT_TRUE(pen.DeleteObject());
    EXPECT_FALSE(pen.DeleteObject());
}

TEST(Gdi, WrappersOfForeignHandlesNeverDelete)
{
    HGDIOBJ hStock = ::GetStockObject(DEFAULT_GUI_FONT);
    CFont* pTemp = CFont::FromHandle(static_cast<HFONT>(hStock));
    ASSERT_NE(nullptr, pTemp);
    EXPECT_EQ(hStock, pTemp->m_hObject);
    AfxDeleteTempMaps();
    EXPECT_TRUE(IsGdiObject(hStock));

    HBRUSH hSys = nullptr;
    {
        CBrush sys;
        ASSERT_TRUE(sys.CreateSysColorBrush(COLOR_WINDOW));
        hSys = sys;
    }
    EXPECT_TRUE(IsGdiObject(hSys)) << "system colour brushes are not ours to delete";

    // Regression: DeleteObject on a temporary wrapper deleted the handle it only borrowed.
    CFont owned;
    ASSERT_TRUE(owned.CreatePointFont(100, "Arial"));
    EXPECT_TRUE(CFont::FromHandle(owned)->DeleteObject());
    EXPECT_TRUE(IsGdiObject(owned.m_hObject));
    AfxDeleteTempMaps();
}

TEST(Gdi, SelectionsComeBack)
{
    CClientDC screen(nullptr);
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(&screen));
    HGDIOBJ hOriginal = ::GetCurrentObject(dc, OBJ_FONT);
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(100, "Arial"));
    {
        CSelectedObject keep(dc, font);
        EXPECT_EQ(font.m_hObject, ::GetCurrentObject(dc, OBJ_FONT));
        EXPECT_EQ(hOriginal, keep.GetOldObject());
    }
    EXPECT_EQ(hOriginal, ::GetCurrentObject(dc, OBJ_FONT));

    CFont* pOld = dc.SelectObject(&font);
    ASSERT_NE(nullptr, pOld);
    EXPECT_EQ(hOriginal, pOld->m_hObject);
    dc.SelectObject(pOld);
    EXPECT_EQ(hOriginal, ::GetCurrentObject(dc, OBJ_FONT));
}

TEST(Gdi, TextMeasuresAndFillsOnAMemoryBitmap)
{
    CClientDC screen(nullptr);
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(&screen));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&screen, 20, 10));
    CSelectedObject keep(dc, bitmap);
    dc.FillSolidRect(CRect(0, 0, 20, 10), RGB(0, 0, 255));
    dc.Draw3dRect(CRect(0, 0, 20, 10), RGB(255, 0, 0), RGB(0, 255, 0));
    EXPECT_EQ(RGB(255, 0, 0), dc.GetPixel(0, 0));
    EXPECT_EQ(RGB(0, 255, 0), dc.GetPixel(19, 9));
    EXPECT_EQ(RGB(0, 0, 255), dc.GetPixel(10, 5));
    const CSize size = dc.GetTextExtent(CString("Wide text"));
    EXPECT_GT(size.cx, dc.GetTextExtent(CString("W")).cx);
}

TEST(Menu, OwnedMenusAndBorrowedSubmenus)
{
    HMENU hMenu = nullptr;
    HMENU hPopup = nullptr;
    {
        CMenu menu;
        ASSERT_TRUE(menu.LoadMenu(IDR_PROBE_MENU));
        hMenu = menu;
        CMenu* pPopup = menu.GetSubMenu(0);
        ASSERT_NE(nullptr, pPopup);
        hPopup = *pPopup;
        EXPECT_EQ(2u, pPopup->GetMenuItemCount());
        EXPECT_EQ(40002u, pPopup->GetMenuItemID(1));
        EXPECT_TRUE(pPopup->SetDefaultItem(0, TRUE));
        EXPECT_EQ(40001u, pPopup->GetDefaultItem(0, FALSE));
        AfxDeleteTempMaps();
        EXPECT_TRUE(::IsMenu(hPopup)) << "the borrowed submenu is not destroyed by its wrapper";

        CMenu moved(std::move(menu));
        EXPECT_EQ(nullptr, menu.m_hMenu);
        EXPECT_TRUE(::IsMenu(hMenu));
    }
    EXPECT_FALSE(::IsMenu(hMenu));
    EXPECT_FALSE(::IsMenu(hPopup));

    CMenu popup;
    ASSERT_TRUE(popup.CreatePopupMenu());
    EXPECT_TRUE(popup.AppendMenu(MF_STRING, 1000, "Blank Paper"));
    EXPECT_TRUE(popup.AppendMenu(MF_SEPARATOR));
    EXPECT_EQ(2u, popup.GetMenuItemCount());
    CString str;
    popup.GetMenuString(1000, str, MF_BYCOMMAND);
    EXPECT_EQ(CString("Blank Paper"), str);
}

}  // namespace
