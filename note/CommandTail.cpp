#include "note/CommandTail.h"

#include <cstring>

#include <windows.h>

namespace {

bool IsNoteFileName(const char* name) {
    size_t length = strlen(name);
    if (length < 4 || length >= static_cast<size_t>(kSettingsFileSize)) return false;
    // Only the working directory: no folders, drives or wildcards.
    if (strpbrk(name, "\\/:*?\"<>|")) return false;
    const char* extension = name + length - 3;
    if (extension[-1] != '.' || strchr(extension, '.')) return false;
    // A note named "x.ini" would be its own settings file, and one of its saves would
    // overwrite the other (or the defaults file, for "tacknote.ini").
    return _stricmp(extension, "ini") != 0;
}

} // namespace

ProcessRole RoleForTail(const char* tail) {
    if (!tail || !*tail) return ProcessRole::Tray;
    if (strcmp(tail, kNewNoteTail) == 0) return ProcessRole::NewNote;
    return IsNoteFileName(tail) ? ProcessRole::StoredNote : ProcessRole::Refused;
}

bool SettingsNameFor(const char* noteFile, char (&settings)[kSettingsFileSize]) {
    settings[0] = '\0';
    if (!IsNoteFileName(noteFile)) return false;
    size_t length = strlen(noteFile);
    memcpy(settings, noteFile, length - 3);
    memcpy(settings + length - 3, "ini", 4);
    return true;
}

std::string NoteCommandLine(const std::string& tail) {
    return "tacknote.exe " + tail;
}

void StartNoteProcess(const std::string& tail) {
    WinExec(NoteCommandLine(tail).c_str(), SW_SHOW);
}
