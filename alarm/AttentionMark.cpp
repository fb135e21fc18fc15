#include "alarm/AttentionMark.h"

namespace {

const char kMarkProp[] = "Tacknote.Attention";

bool ForegroundIsOurs()
{
    DWORD pid = 0;
    HWND hForeground = ::GetForegroundWindow();
    return hForeground && ::GetWindowThreadProcessId(hForeground, &pid) &&
           pid == ::GetCurrentProcessId();
}

void Flash(HWND hWnd, DWORD dwFlags)
{
    FLASHWINFO info = {sizeof info, hWnd, dwFlags, 0, 0};
    ::FlashWindowEx(&info);
}

} // namespace

void CAttentionMark::Start(HWND hNote)
{
    Stop();
    if (!::IsWindow(hNote) || ForegroundIsOurs()) return;
    m_hNote = hNote;
    ::SetPropA(hNote, kMarkProp, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(1)));
    // Until the note comes to the foreground; WM_ACTIVATE ends it here as well.
    Flash(hNote, FLASHW_TRAY | FLASHW_TIMERNOFG);
}

void CAttentionMark::Stop()
{
    if (!m_hNote) return;
    if (::IsWindow(m_hNote)) {
        Flash(m_hNote, FLASHW_STOP);
        ::RemovePropA(m_hNote, kMarkProp);
    }
    m_hNote = nullptr;
}

bool CAttentionMark::IsMarked(HWND hNote)
{
    return ::GetPropA(hNote, kMarkProp) != nullptr;
}
