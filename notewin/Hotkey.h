#pragma once
// The show/hide-all hotkey as a user writes it in tacknote.ini ("Win+Shift+K", "Ctrl+Alt+F9"):
// modifiers joined by "+" with one key last. Pure text handling; the tray registers it.

#include <windows.h>

#include <string>

// Windows itself and the common programs leave Win+Shift+K alone.
const char kDefaultHotkey[] = "Win+Shift+K";

// Where tacknote.ini keeps it: [Hotkeys] ShowHideAll=...
extern const char kHotkeySection[];
extern const char kHotkeyKey[];

struct Hotkey {
    UINT modifiers = 0; // MOD_ALT, MOD_CONTROL, MOD_SHIFT, MOD_WIN
    UINT vk = 0;        // 0: no hotkey
};

enum class HotkeyText { Key, None, Invalid };

// Case and blanks around the parts don't matter. "" or "None" is no hotkey. A key needs at
// least one modifier other than Shift, which would take a key from typing everywhere.
HotkeyText ParseHotkey(const std::string& text, Hotkey& hotkey);

// The canonical spelling, modifiers in the order Win, Ctrl, Alt, Shift; "" for none.
std::string FormatHotkey(const Hotkey& hotkey);

// The text in tacknote.ini at `path`, or the default when the key is absent.
std::string ReadHotkeyText(const char* path);
