#pragma once
// The show/hide-all hotkey registered for a window, for as long as this object lives.

#include <windows.h>

#include <string>

#include "notewin/Hotkey.h"

class HotkeyRegistration {
public:
    HotkeyRegistration() = default;
    ~HotkeyRegistration();
    HotkeyRegistration(const HotkeyRegistration&) = delete;
    HotkeyRegistration& operator=(const HotkeyRegistration&) = delete;

    // Registers the hotkey that `text` spells for `window` (WM_HOTKEY with `id`). False when
    // it is no key or the system refused it (another program holds it); `problem` then says
    // so in a few words for the icon's tip. "None" registers nothing and is no problem.
    bool Register(HWND window, int id, const std::string& text, std::string& problem);
    void Unregister();

    // The hotkey's spelling for a menu ("Win+Shift+K"); empty when none is registered.
    std::string MenuText() const;

private:
    HWND m_window = nullptr;
    int m_id = 0;
    Hotkey m_hotkey;
};
