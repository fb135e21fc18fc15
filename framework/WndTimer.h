// CWndTimer: a window timer owned by an object. It is killed when the owner resets it or
// goes, so a timer never outlives the state it drives; it moves, never copies.
#pragma once

#include <windows.h>

#include <utility>

#include "framework/Wnd.h"

class CWndTimer {
public:
    CWndTimer() = default;
    ~CWndTimer() { Kill(); }
    CWndTimer(const CWndTimer&) = delete;
    CWndTimer& operator=(const CWndTimer&) = delete;
    CWndTimer(CWndTimer&& other) noexcept
        : m_pWnd(std::exchange(other.m_pWnd, nullptr)),
          m_nIDEvent(std::exchange(other.m_nIDEvent, 0))
    {
    }
    CWndTimer& operator=(CWndTimer&& other) noexcept
    {
        if (this != &other) {
            Kill();
            m_pWnd = std::exchange(other.m_pWnd, nullptr);
            m_nIDEvent = std::exchange(other.m_nIDEvent, 0);
        }
        return *this;
    }

    // Starts timer nIDEvent of pWnd (WM_TIMER every nElapse ms), killing the one held before.
    // FALSE, and nothing held, when the window has no handle or the system refuses.
    BOOL Set(CWnd* pWnd, UINT_PTR nIDEvent, UINT nElapse)
    {
        Kill();
        if (!pWnd || !pWnd->m_hWnd || pWnd->SetTimer(nIDEvent, nElapse) == 0)
            return FALSE;
        m_pWnd = pWnd;
        m_nIDEvent = nIDEvent;
        return TRUE;
    }

    // The window is held rather than its handle: once the window is gone (m_hWnd null) the
    // system has dropped its timers, and a handle kept from before may name another window.
    void Kill()
    {
        if (m_pWnd && m_pWnd->m_hWnd)
            m_pWnd->KillTimer(m_nIDEvent);
        m_pWnd = nullptr;
        m_nIDEvent = 0;
    }

    BOOL IsSet() const { return m_pWnd != nullptr; }
    // TRUE when a WM_TIMER's nIDEvent names this running timer.
    BOOL IsEvent(UINT_PTR nIDEvent) const { return m_pWnd != nullptr && nIDEvent == m_nIDEvent; }

private:
    CWnd* m_pWnd = nullptr;
    UINT_PTR m_nIDEvent = 0;
};
