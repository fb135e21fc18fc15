#include "framework/DataExchange.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>

#include "framework/Wnd.h"

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd)
{
}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    HWND hWndCtrl = ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
    if (!hWndCtrl) {
        ::OutputDebugStringA("Tacknote: data exchange with a control that does not exist\n");
        throw CUserException();
    }
    m_hWndLastControl = hWndCtrl;
    m_bEditLastControl = FALSE;
    return hWndCtrl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
    HWND hWndCtrl = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return hWndCtrl;
}

void CDataExchange::Fail()
{
    // Back to the control that failed, its text selected so that it can be typed over.
    if (m_bSaveAndValidate && m_hWndLastControl) {
        ::SetFocus(m_hWndLastControl);
        if (m_bEditLastControl)
            ::SendMessageA(m_hWndLastControl, EM_SETSEL, 0, -1);
    }
    throw CUserException();
}

// ---- controls ------------------------------------------------------------------------------

void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd)
        return;  // bound by an earlier exchange
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (!rControl.SubclassWindow(hWndCtrl)) {
        ::OutputDebugStringA("Tacknote: DDX_Control could not subclass the control\n");
        pDX->Fail();
    }
}

// ---- text ----------------------------------------------------------------------------------

namespace {

CString WindowText(HWND hWnd)
{
    CString str;
    CWnd::FromHandle(hWnd)->GetWindowText(str);
    return str;
}

// Tells the user why the value cannot be taken and ends the exchange as failed.
[[noreturn]] void Refuse(CDataExchange* pDX, LPCSTR lpszPrompt)
{
    AfxMessageBox(lpszPrompt, MB_ICONEXCLAMATION);
    pDX->Fail();
}

// Whole decimal numbers only, blanks around them allowed.
bool ParseLong(const char* psz, bool bUnsigned, long long& value)
{
    while (*psz == ' ' || *psz == '\t')
        ++psz;
    if (*psz == '\0' || (bUnsigned && *psz == '-'))
        return false;
    char* pEnd = nullptr;
    errno = 0;
    value = std::strtoll(psz, &pEnd, 10);
    if (pEnd == psz || errno == ERANGE)
        return false;
    while (*pEnd == ' ' || *pEnd == '\t')
        ++pEnd;
    return *pEnd == '\0';
}

template <class T>
void ExchangeNumber(CDataExchange* pDX, int nIDC, T& value, long long minValue, long long maxValue,
                    LPCSTR lpszPrompt)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        long long parsed = 0;
        const CString text = WindowText(hWndCtrl);
        if (!ParseLong(text, minValue >= 0, parsed) || parsed < minValue || parsed > maxValue)
            Refuse(pDX, lpszPrompt);
        value = static_cast<T>(parsed);
    } else {
        char szBuffer[32];
        if (minValue < 0)
            std::snprintf(szBuffer, sizeof(szBuffer), "%lld", static_cast<long long>(value));
        else
            std::snprintf(szBuffer, sizeof(szBuffer), "%llu", static_cast<unsigned long long>(value));
        ::SetWindowTextA(hWndCtrl, szBuffer);
    }
}

}  // namespace

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = WindowText(hWndCtrl);
    else
        ::SetWindowTextA(hWndCtrl, value);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    ExchangeNumber(pDX, nIDC, value, INT_MIN, INT_MAX, "Please enter an integer.");
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, long& value)
{
    ExchangeNumber(pDX, nIDC, value, LONG_MIN, LONG_MAX, "Please enter an integer.");
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, UINT& value)
{
    ExchangeNumber(pDX, nIDC, value, 0, UINT_MAX, "Please enter a positive integer.");
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value)
{
    ExchangeNumber(pDX, nIDC, value, 0, ULONG_MAX, "Please enter a positive integer.");
}

// ---- buttons -------------------------------------------------------------------------------

void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        value = static_cast<int>(::SendMessageA(hWndCtrl, BM_GETCHECK, 0, 0));
    } else {
        // Only the three states a check box has; anything else would confuse the control.
        const int nCheck = (value >= BST_UNCHECKED && value <= BST_INDETERMINATE) ? value : BST_UNCHECKED;
        ::SendMessageA(hWndCtrl, BM_SETCHECK, nCheck, 0);
    }
}

void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = -1;
    int iButton = 0;
    do {
        if (::SendMessageA(hWndCtrl, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) {
            if (pDX->m_bSaveAndValidate) {
                if (value == -1 && ::SendMessageA(hWndCtrl, BM_GETCHECK, 0, 0) != BST_UNCHECKED)
                    value = iButton;
            } else {
                ::SendMessageA(hWndCtrl, BM_SETCHECK, iButton == value ? BST_CHECKED : BST_UNCHECKED, 0);
            }
            ++iButton;
        }
        hWndCtrl = ::GetWindow(hWndCtrl, GW_HWNDNEXT);
    } while (hWndCtrl && !(::GetWindowLongA(hWndCtrl, GWL_STYLE) & WS_GROUP));
}

// ---- lists ---------------------------------------------------------------------------------

namespace {

void ExchangeIndex(CDataExchange* pDX, int nIDC, int& index, UINT nGetMessage, UINT nSetMessage)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = static_cast<int>(::SendMessageA(hWndCtrl, nGetMessage, 0, 0));
    else
        ::SendMessageA(hWndCtrl, nSetMessage, index, 0);
}

}  // namespace

void AFXAPI DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    ExchangeIndex(pDX, nIDC, index, CB_GETCURSEL, CB_SETCURSEL);
}

void AFXAPI DDX_CBString(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        value = WindowText(hWndCtrl);
    } else if (::SendMessageA(hWndCtrl, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                              reinterpret_cast<LPARAM>(static_cast<LPCSTR>(value))) == CB_ERR) {
        ::SetWindowTextA(hWndCtrl, value);  // not in the list: the edit part shows it
    }
}

void AFXAPI DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    ExchangeIndex(pDX, nIDC, index, LB_GETCURSEL, LB_SETCURSEL);
}

// ---- validation ----------------------------------------------------------------------------

void AFXAPI DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal)
{
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal))
        return;
    CString strPrompt;
    strPrompt.Format("Please enter an integer between %d and %d.", minVal, maxVal);
    Refuse(pDX, strPrompt);
}

void AFXAPI DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal)
{
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal))
        return;
    CString strPrompt;
    strPrompt.Format("Please enter an integer between %u and %u.", minVal, maxVal);
    Refuse(pDX, strPrompt);
}

void AFXAPI DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars)
{
    if (pDX->m_bSaveAndValidate) {
        if (value.GetLength() > nChars) {
            CString strPrompt;
            strPrompt.Format("Please enter no more than %d characters.", nChars);
            Refuse(pDX, strPrompt);
        }
    } else if (pDX->m_hWndLastControl && pDX->m_bEditLastControl) {
        ::SendMessageA(pDX->m_hWndLastControl, EM_LIMITTEXT, nChars, 0);
    }
}
