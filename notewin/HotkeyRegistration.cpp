#include "notewin/HotkeyRegistration.h"

HotkeyRegistration::~HotkeyRegistration() {
    Unregister();
}

bool HotkeyRegistration::Register(HWND window, int id, const std::string& text,
                                  std::string& problem) {
    Unregister();
    problem.clear();
    Hotkey hotkey;
    switch (ParseHotkey(text, hotkey)) {
    case HotkeyText::None:
        return true;
    case HotkeyText::Invalid:
        problem = "hotkey \"" + text + "\" is no key";
        return false;
    case HotkeyText::Key:
        break;
    }
    // MOD_NOREPEAT (newer systems) keeps a held key from toggling over and over; older ones
    // refuse the flag, so they get the plain registration.
    const UINT kNoRepeat = 0x4000;
    if (!RegisterHotKey(window, id, hotkey.modifiers | kNoRepeat, hotkey.vk) &&
        !RegisterHotKey(window, id, hotkey.modifiers, hotkey.vk)) {
        problem = FormatHotkey(hotkey) + " is taken";
        return false;
    }
    m_window = window;
    m_id = id;
    m_hotkey = hotkey;
    return true;
}

void HotkeyRegistration::Unregister() {
    if (m_window) UnregisterHotKey(m_window, m_id);
    m_window = nullptr;
    m_hotkey = Hotkey();
}

std::string HotkeyRegistration::MenuText() const {
    return FormatHotkey(m_hotkey);
}
