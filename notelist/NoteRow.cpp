#include "notelist/NoteRow.h"

#include <stdlib.h>
#include <string.h>

#include "note/NoteFile.h"

namespace {

std::string Trim(const std::string& text, size_t begin, size_t end) {
    while (begin < end && (text[begin] == ' ' || text[begin] == '\t')) ++begin;
    while (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t' || text[end - 1] == '\r'))
        --end;
    return text.substr(begin, end - begin);
}

bool ReadSmallFile(const std::string& path, std::string& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE |
                              FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    char buffer[4096];
    DWORD read = 0;
    // A settings file is a few hundred bytes; the first 64 KiB hold every key we read.
    while (bytes.size() < 65536 && ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read)
        bytes.append(buffer, read);
    CloseHandle(file);
    return true;
}

} // namespace

std::string FirstLine(const std::string& text) {
    size_t begin = 0;
    while (begin < text.size()) {
        size_t end = text.find('\n', begin);
        if (end == std::string::npos) end = text.size();
        std::string line = Trim(text, begin, end);
        if (!line.empty()) return line;
        begin = end + 1;
    }
    return std::string();
}

bool IniValue(const std::string& ini, const char* section, const char* key, std::string& value) {
    bool inSection = false;
    size_t begin = 0;
    while (begin < ini.size()) {
        size_t end = ini.find('\n', begin);
        if (end == std::string::npos) end = ini.size();
        std::string line = Trim(ini, begin, end);
        begin = end + 1;
        if (line.empty() || line[0] == ';') continue;
        if (line[0] == '[') {
            size_t close = line.find(']');
            inSection = close != std::string::npos &&
                        _stricmp(Trim(line, 1, close).c_str(), section) == 0;
            continue;
        }
        size_t equals = line.find('=');
        if (!inSection || equals == std::string::npos) continue;
        if (_stricmp(Trim(line, 0, equals).c_str(), key) != 0) continue;
        value = Trim(line, equals + 1, line.size());
        return true;
    }
    return false;
}

bool IsAlarmMoment(const std::string& value) {
    static const char kShape[] = "dddd-dd-dd dd:dd";
    if (value.size() != sizeof kShape - 1) return false;
    for (size_t i = 0; i < value.size(); ++i) {
        bool digit = value[i] >= '0' && value[i] <= '9';
        if (kShape[i] == 'd' ? !digit : value[i] != kShape[i]) return false;
    }
    return true;
}

NoteRow ReadNoteRow(const NoteFileStamp& stamp, COLORREF defaultBack) {
    NoteRow row;
    row.stamp = stamp;
    row.back = defaultBack;
    StoredNote note;
    switch (ReadNoteFile(stamp.name.c_str(), note)) {
    case NoteFileRead::Read:
        if (note.numbers)
            row.text = note.whole.empty() ? note.text : note.whole;
        else
            row.problem = "(not a note file)";
        break;
    case NoteFileRead::Missing:
        row.problem = "(removed)";
        break;
    case NoteFileRead::Unreadable:
        row.problem = "(cannot be read)";
        break;
    }
    std::string ini;
    std::string settings = ".\\" + stamp.name.substr(0, stamp.name.rfind('.')) + ".ini";
    if (stamp.settingsWritten && ReadSmallFile(settings, ini)) {
        std::string value;
        // As the note reads it: hex, and only the low three bytes make a colour.
        if (IniValue(ini, "Settings", "BackgroundColor", value))
            row.back = static_cast<COLORREF>(strtoul(value.c_str(), nullptr, 16)) & 0x00FFFFFF;
        if (IniValue(ini, "Alarm", "Moment", value) && IsAlarmMoment(value)) row.alarm = value;
    }
    return row;
}
