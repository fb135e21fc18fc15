#include "framework/Controls.h"

#include <vector>

namespace {

// STM_SETIMAGE / BM_SETIMAGE and their getters: the image handle rides in lParam and comes
// back as the result.
template <class Handle>
Handle SetImage(const CWnd& control, UINT message, WPARAM nType, Handle hImage)
{
    return reinterpret_cast<Handle>(
        control.SendMessage(message, nType, reinterpret_cast<LPARAM>(hImage)));
}

template <class Handle>
Handle GetImage(const CWnd& control, UINT message, WPARAM nType)
{
    return reinterpret_cast<Handle>(control.SendMessage(message, nType));
}

// The list messages that take a string in lParam and answer an index or an error.
int SendString(const CWnd& control, UINT message, WPARAM wParam, LPCSTR lpsz)
{
    return static_cast<int>(control.SendMessage(message, wParam, reinterpret_cast<LPARAM>(lpsz)));
}

// The text of list item nIndex, or "" when there is no such item.
CString ItemText(const CWnd& control, UINT nLengthMessage, UINT nTextMessage, int nIndex)
{
    const int nLength = static_cast<int>(control.SendMessage(nLengthMessage, nIndex));
    if (nLength < 0)  // CB_ERR, LB_ERR
        return CString();
    std::vector<char> buffer(nLength + 1, '\0');
    control.SendMessage(nTextMessage, nIndex, reinterpret_cast<LPARAM>(buffer.data()));
    return CString(buffer.data());
}

}  // namespace

// ---- CStatic -------------------------------------------------------------------------------

BOOL CStatic::Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("STATIC", lpszText, dwStyle, rect, pParentWnd, nID);
}

HBITMAP CStatic::SetBitmap(HBITMAP hBitmap)
{
    return SetImage(*this, STM_SETIMAGE, IMAGE_BITMAP, hBitmap);
}

HBITMAP CStatic::GetBitmap() const { return GetImage<HBITMAP>(*this, STM_GETIMAGE, IMAGE_BITMAP); }

HICON CStatic::SetIcon(HICON hIcon)
{
    return reinterpret_cast<HICON>(SendMessage(STM_SETICON, reinterpret_cast<WPARAM>(hIcon)));
}

HICON CStatic::GetIcon() const { return reinterpret_cast<HICON>(SendMessage(STM_GETICON)); }

HCURSOR CStatic::SetCursor(HCURSOR hCursor)
{
    return SetImage(*this, STM_SETIMAGE, IMAGE_CURSOR, hCursor);
}

HCURSOR CStatic::GetCursor() { return GetImage<HCURSOR>(*this, STM_GETIMAGE, IMAGE_CURSOR); }

// ---- CButton -------------------------------------------------------------------------------

BOOL CButton::Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("BUTTON", lpszCaption, dwStyle, rect, pParentWnd, nID);
}

HBITMAP CButton::SetBitmap(HBITMAP hBitmap)
{
    return SetImage(*this, BM_SETIMAGE, IMAGE_BITMAP, hBitmap);
}

HBITMAP CButton::GetBitmap() const { return GetImage<HBITMAP>(*this, BM_GETIMAGE, IMAGE_BITMAP); }
HICON CButton::SetIcon(HICON hIcon) { return SetImage(*this, BM_SETIMAGE, IMAGE_ICON, hIcon); }
HICON CButton::GetIcon() const { return GetImage<HICON>(*this, BM_GETIMAGE, IMAGE_ICON); }

void CButton::DrawItem(LPDRAWITEMSTRUCT) {}

BOOL CButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    // An owner-drawn button without a DrawItem entry in its map draws through the virtual.
    if (message == WM_DRAWITEM && !ReflectChildNotify(message, wParam, lParam, pResult)) {
        DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        if (pResult)
            *pResult = TRUE;
        return TRUE;
    }
    return CWnd::OnChildNotify(message, wParam, lParam, pResult);
}

// ---- CEdit ---------------------------------------------------------------------------------

BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("EDIT", nullptr, dwStyle, rect, pParentWnd, nID);
}

void CEdit::GetSel(int& nStartChar, int& nEndChar) const
{
    DWORD dwStart = 0;
    DWORD dwEnd = 0;
    SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart), reinterpret_cast<LPARAM>(&dwEnd));
    nStartChar = static_cast<int>(dwStart);
    nEndChar = static_cast<int>(dwEnd);
}

void CEdit::SetSel(DWORD dwSelection, BOOL bNoScroll)
{
    SendMessage(EM_SETSEL, LOWORD(dwSelection), HIWORD(dwSelection));
    if (!bNoScroll)
        SendMessage(EM_SCROLLCARET);
}

void CEdit::SetSel(int nStartChar, int nEndChar, BOOL bNoScroll)
{
    SendMessage(EM_SETSEL, nStartChar, nEndChar);
    if (!bNoScroll)
        SendMessage(EM_SCROLLCARET);
}

void CEdit::ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo)
{
    SendMessage(EM_REPLACESEL, bCanUndo, reinterpret_cast<LPARAM>(lpszNewText));
}

int CEdit::GetLine(int nIndex, LPTSTR lpszBuffer, int nMaxLength) const
{
    // EM_GETLINE reads the buffer's size from its first word.
    if (nMaxLength < static_cast<int>(sizeof(WORD))) {
        std::vector<char> small(sizeof(WORD) + 1, '\0');
        *reinterpret_cast<WORD*>(small.data()) = sizeof(WORD);
        const int n = SendString(*this, EM_GETLINE, nIndex, small.data());
        const int nCopy = n < nMaxLength ? n : nMaxLength;
        for (int i = 0; i < nCopy; ++i)
            lpszBuffer[i] = small[i];
        return nCopy;
    }
    *reinterpret_cast<WORD*>(lpszBuffer) = static_cast<WORD>(nMaxLength);
    return SendString(*this, EM_GETLINE, nIndex, lpszBuffer);
}

CPoint CEdit::PosFromChar(UINT nChar) const
{
    const LRESULT lResult = SendMessage(EM_POSFROMCHAR, nChar);
    return CPoint(static_cast<short>(LOWORD(lResult)), static_cast<short>(HIWORD(lResult)));
}

// ---- CComboBox -----------------------------------------------------------------------------

BOOL CComboBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("COMBOBOX", nullptr, dwStyle, rect, pParentWnd, nID);
}

int CComboBox::AddString(LPCTSTR lpszString)
{
    return SendString(*this, CB_ADDSTRING, 0, lpszString);
}

int CComboBox::InsertString(int nIndex, LPCTSTR lpszString)
{
    return SendString(*this, CB_INSERTSTRING, nIndex, lpszString);
}

int CComboBox::GetLBText(int nIndex, LPTSTR lpszText) const
{
    return SendString(*this, CB_GETLBTEXT, nIndex, lpszText);
}

void CComboBox::GetLBText(int nIndex, CString& rString) const
{
    rString = ItemText(*this, CB_GETLBTEXTLEN, CB_GETLBTEXT, nIndex);
}

int CComboBox::FindString(int nStartAfter, LPCTSTR lpszString) const
{
    return SendString(*this, CB_FINDSTRING, nStartAfter, lpszString);
}

int CComboBox::FindStringExact(int nIndexStart, LPCTSTR lpszFind) const
{
    return SendString(*this, CB_FINDSTRINGEXACT, nIndexStart, lpszFind);
}

int CComboBox::SelectString(int nStartAfter, LPCTSTR lpszString)
{
    return SendString(*this, CB_SELECTSTRING, nStartAfter, lpszString);
}

// ---- CListBox ------------------------------------------------------------------------------

BOOL CListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("LISTBOX", nullptr, dwStyle, rect, pParentWnd, nID);
}

int CListBox::AddString(LPCTSTR lpszItem) { return SendString(*this, LB_ADDSTRING, 0, lpszItem); }
int CListBox::InsertString(int nIndex, LPCTSTR lpszItem)
{
    return SendString(*this, LB_INSERTSTRING, nIndex, lpszItem);
}

void CListBox::GetText(int nIndex, CString& rString) const
{
    rString = ItemText(*this, LB_GETTEXTLEN, LB_GETTEXT, nIndex);
}

int CListBox::FindStringExact(int nIndexStart, LPCTSTR lpszFind) const
{
    return SendString(*this, LB_FINDSTRINGEXACT, nIndexStart, lpszFind);
}

int CListBox::SelectString(int nStartAfter, LPCTSTR lpszItem)
{
    return SendString(*this, LB_SELECTSTRING, nStartAfter, lpszItem);
}

// ---- CSpinButtonCtrl -----------------------------------------------------------------------

BOOL CSpinButtonCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(UPDOWN_CLASSA, nullptr, dwStyle, rect, pParentWnd, nID);
}

void CSpinButtonCtrl::GetRange(int& nLower, int& nUpper) const
{
    const DWORD dw = static_cast<DWORD>(SendMessage(UDM_GETRANGE));
    nLower = static_cast<short>(HIWORD(dw));
    nUpper = static_cast<short>(LOWORD(dw));
}

CWnd* CSpinButtonCtrl::SetBuddy(CWnd* pWndBuddy)
{
    return FromHandle(reinterpret_cast<HWND>(
        SendMessage(UDM_SETBUDDY, reinterpret_cast<WPARAM>(pWndBuddy->GetSafeHwnd()))));
}

CWnd* CSpinButtonCtrl::GetBuddy() const
{
    return FromHandle(reinterpret_cast<HWND>(SendMessage(UDM_GETBUDDY)));
}

// ---- CToolTipCtrl --------------------------------------------------------------------------

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle)
{
    return CreateEx(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | dwStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, pParentWnd->GetSafeHwnd(), nullptr);
}

void CToolTipCtrl::FillInToolInfo(TOOLINFOA& ti, CWnd* pWnd, UINT_PTR nIDTool) const
{
    ti = TOOLINFOA{};
    // The record without the fields of version 6: the common controls we load are older.
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    HWND hWnd = pWnd->GetSafeHwnd();
    if (nIDTool == 0) {
        ti.hwnd = ::GetParent(hWnd);
        ti.uFlags = TTF_IDISHWND;
        ti.uId = reinterpret_cast<UINT_PTR>(hWnd);
    } else {
        ti.hwnd = hWnd;
        ti.uId = nIDTool;
    }
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, LPCTSTR lpszText, LPCRECT lpRectTool, UINT_PTR nIDTool)
{
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    if (lpRectTool)
        ti.rect = *lpRectTool;
    // No TTF_SUBCLASS: the tool's owner relays its mouse messages (RelayEvent).
    ti.lpszText = const_cast<LPSTR>(lpszText);
    return static_cast<BOOL>(SendMessage(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti)));
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool, UINT_PTR nIDTool)
{
    CString strText;
    strText.LoadString(nIDText);
    return AddTool(pWnd, strText, lpRectTool, nIDTool);
}

void CToolTipCtrl::DelTool(CWnd* pWnd, UINT_PTR nIDTool)
{
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    SendMessage(TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
}

void CToolTipCtrl::UpdateTipText(LPCTSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool)
{
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    ti.lpszText = const_cast<LPSTR>(lpszText);
    SendMessage(TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&ti));
}

void CToolTipCtrl::SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect)
{
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    ti.rect = *lpRect;
    SendMessage(TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&ti));
}
