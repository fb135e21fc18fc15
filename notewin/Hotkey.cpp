#include "notewin/Hotkey.h"

#include <string.h>

#include <vector>

const char kHotkeySection[] = "Hotkeys";
const char kHotkeyKey[] = "ShowHideAll";

namespace {

struct Modifier {
    const char* name;
    UINT flag;
};
const Modifier kModifiers[] = {
    {"Win", MOD_WIN}, {"Ctrl", MOD_CONTROL}, {"Alt", MOD_ALT}, {"Shift", MOD_SHIFT}};

struct NamedKey {
    const char* name;
    UINT vk;
};
const NamedKey kNamedKeys[] = {
    {"Space", VK_SPACE},   {"Insert", VK_INSERT},  {"Delete", VK_DELETE}, {"Home", VK_HOME},
    {"End", VK_END},       {"PageUp", VK_PRIOR},   {"PageDown", VK_NEXT}, {"Up", VK_UP},
    {"Down", VK_DOWN},     {"Left", VK_LEFT},      {"Right", VK_RIGHT},   {"Pause", VK_PAUSE},
    {"Tab", VK_TAB},       {"Enter", VK_RETURN},   {"Esc", VK_ESCAPE},    {"Backspace", VK_BACK},
};

std::string Trim(const std::string& text) {
    size_t begin = text.find_first_not_of(" \t");
    if (begin == std::string::npos) return std::string();
    size_t end = text.find_last_not_of(" \t");
    return text.substr(begin, end - begin + 1);
}

bool Same(const std::string& a, const char* b) {
    return _stricmp(a.c_str(), b) == 0;
}

UINT KeyFromName(const std::string& name) {
    if (name.size() == 1) {
        char c = name[0];
        if (c >= 'a' && c <= 'z') return c - 'a' + 'A';
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return static_cast<UINT>(c);
        return 0;
    }
    if ((name[0] == 'F' || name[0] == 'f') && name.size() <= 3) {
        int number = 0;
        for (size_t i = 1; i < name.size(); ++i) {
            if (name[i] < '0' || name[i] > '9') return 0;
            number = number * 10 + (name[i] - '0');
        }
        if (number >= 1 && number <= 24) return VK_F1 + number - 1;
        return 0;
    }
    for (const NamedKey& key : kNamedKeys) {
        if (Same(name, key.name)) return key.vk;
    }
    return 0;
}

std::string NameOfKey(UINT vk) {
    if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) return std::string(1, char(vk));
    if (vk >= VK_F1 && vk <= VK_F24) return "F" + std::to_string(vk - VK_F1 + 1);
    for (const NamedKey& key : kNamedKeys) {
        if (key.vk == vk) return key.name;
    }
    return std::string();
}

} // namespace

HotkeyText ParseHotkey(const std::string& text, Hotkey& hotkey) {
    hotkey = Hotkey();
    std::string whole = Trim(text);
    if (whole.empty() || Same(whole, "None")) return HotkeyText::None;
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        size_t plus = whole.find('+', start);
        parts.push_back(Trim(whole.substr(start, plus - start)));
        if (plus == std::string::npos) break;
        start = plus + 1;
    }
    Hotkey parsed;
    for (size_t i = 0; i + 1 < parts.size(); ++i) {
        UINT flag = 0;
        for (const Modifier& modifier : kModifiers) {
            if (Same(parts[i], modifier.name)) flag = modifier.flag;
        }
        if (Same(parts[i], "Control")) flag = MOD_CONTROL;
        if (flag == 0 || (parsed.modifiers & flag)) return HotkeyText::Invalid;
        parsed.modifiers |= flag;
    }
    if (parts.back().empty()) return HotkeyText::Invalid;
    parsed.vk = KeyFromName(parts.back());
    if (parsed.vk == 0 || (parsed.modifiers & ~MOD_SHIFT) == 0) return HotkeyText::Invalid;
    hotkey = parsed;
    return HotkeyText::Key;
}

std::string FormatHotkey(const Hotkey& hotkey) {
    if (hotkey.vk == 0) return std::string();
    std::string text;
    for (const Modifier& modifier : kModifiers) {
        if (hotkey.modifiers & modifier.flag) text += std::string(modifier.name) + "+";
    }
    return text + NameOfKey(hotkey.vk);
}

std::string ReadHotkeyText(const char* path) {
    char text[80];
    GetPrivateProfileStringA(kHotkeySection, kHotkeyKey, kDefaultHotkey, text, sizeof text, path);
    return text;
}
