// CFolderWatch: a folder's change notification (FindFirstChangeNotification), owned and
// asked without waiting, so that a window can look at it from a timer on its own thread.
#pragma once

#include <windows.h>

class CFolderWatch {
public:
    CFolderWatch() = default;
    ~CFolderWatch() { Close(); }
    CFolderWatch(const CFolderWatch&) = delete;
    CFolderWatch& operator=(const CFolderWatch&) = delete;

    // Watches names, sizes and write times of the files directly in `folder`. FALSE when the
    // system refuses (a network folder without notifications); Changed() then always answers
    // TRUE, so that a caller falls back to looking on every check.
    BOOL Open(LPCSTR folder);
    void Close();
    BOOL IsOpen() const { return m_handle != INVALID_HANDLE_VALUE; }

    // TRUE once after one or more changes since the last TRUE; never waits.
    BOOL Changed();

private:
    HANDLE m_handle = INVALID_HANDLE_VALUE;
};
