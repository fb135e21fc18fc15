// A fired alarm that the user did not see stays visible: the note's taskbar button flashes
// until the note is brought up. A window property on the note tells other processes (and
// tests) that the mark is on.
#pragma once

#include <windows.h>

class CAttentionMark {
public:
    CAttentionMark() = default;
    ~CAttentionMark() { Stop(); }
    CAttentionMark(const CAttentionMark&) = delete;
    CAttentionMark& operator=(const CAttentionMark&) = delete;

    // Marks hNote unless this process has the foreground: the user is looking at it already.
    void Start(HWND hNote);
    // Ends the mark; nothing when none is on.
    void Stop();
    bool IsOn() const { return m_hNote != nullptr; }
    static bool IsMarked(HWND hNote);

private:
    HWND m_hNote = nullptr;
};
