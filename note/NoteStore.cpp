#include "note/NoteStore.h"

#include <cstdio>

#include "note/AtomicFile.h"
#include "note/NoteFile.h"
#include "note/NoteSettings.h"
#include "note/NoteState.h"

const char kDefaultsFile[] = ".\\tacknote.ini";

namespace {

// The profile functions look for a bare name in the Windows folder; ".\" keeps it here.
std::string InWorkingDirectory(const char* name) {
    return std::string(".\\") + name;
}

} // namespace

void ReadNoteSettingsFile() {
    bool own =
        g_szSettingsFile[0] && GetFileAttributesA(g_szSettingsFile) != INVALID_FILE_ATTRIBUTES;
    ReadSettingsFile(own ? InWorkingDirectory(g_szSettingsFile).c_str() : kDefaultsFile,
                     g_settings);
}

void WriteNoteSettingsFile() {
    if (!g_szSettingsFile[0]) return;
    WriteSettingsFile(InWorkingDirectory(g_szSettingsFile).c_str(), g_settings);
}

bool SaveNoteFiles(const RECT& windowRect, const std::string& text) {
    if (!g_szNoteFile[0]) return true;
    WriteNoteSettingsFile();
    return ReplaceFileContents(g_szNoteFile, FormatNoteFile(windowRect, text));
}

void DeleteNoteFiles() {
    if (g_szNoteFile[0]) DeleteFileA(g_szNoteFile);
    g_szNoteFile[0] = '\0';
    if (g_szSettingsFile[0]) DeleteFileA(g_szSettingsFile);
    g_szSettingsFile[0] = '\0';
}
