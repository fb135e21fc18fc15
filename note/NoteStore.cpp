#include "note/NoteStore.h"

#include <cstdio>
#include <utility>

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
    // Without a file of its own the note has nothing on disk yet: its first save writes one.
    if (own) {
        g_settingsMemory.Remember(FormatSettingsKeys(g_settings), StampOf(g_szSettingsFile));
    } else {
        g_settingsMemory.Forget();
    }
}

bool WriteNoteSettingsFile(SaveFailure* failure) {
    if (!g_szSettingsFile[0]) return true;
    std::string keys = FormatSettingsKeys(g_settings);
    if (!g_settingsMemory.NeedsWrite(keys)) return true;
    DWORD error = 0;
    if (WriteSettingsFile(InWorkingDirectory(g_szSettingsFile).c_str(), g_settings, &error)) {
        g_settingsMemory.Remember(std::move(keys), StampOf(g_szSettingsFile));
        return true;
    }
    if (failure) *failure = SaveFailure{g_szSettingsFile, error};
    return false;
}

bool SaveNoteFiles(const RECT& windowRect, const std::string& text, SaveFailure* failure) {
    if (!g_szNoteFile[0]) return true;
    bool settingsSaved = WriteNoteSettingsFile(failure);
    // A note never cuts its own file: text it could not show is written back as it was read.
    std::string bytes = g_bReadOnlyText ? FormatNumberLines(windowRect) + g_strWholeText
                                        : FormatNoteFile(windowRect, text);
    if (!g_noteMemory.NeedsWrite(bytes)) return settingsSaved;
    // Changed from outside since the note last read or wrote it (the other PC's edit came
    // in): never written over. The note takes it within a second, keeping its own text too.
    FileStamp onDisk = StampOf(g_szNoteFile);
    if (onDisk.present && g_noteMemory.ChangedOnDisk(onDisk)) return settingsSaved;
    DWORD error = 0;
    if (!ReplaceFileContents(g_szNoteFile, bytes, &error)) {
        if (failure) *failure = SaveFailure{g_szNoteFile, error};
        return false;
    }
    g_noteMemory.Remember(std::move(bytes), StampOf(g_szNoteFile));
    return settingsSaved;
}

void DeleteNoteFiles() {
    if (g_szNoteFile[0]) DeleteFileA(g_szNoteFile);
    if (g_szSettingsFile[0]) DeleteFileA(g_szSettingsFile);
    ForgetNoteFiles();
}

void ForgetNoteFiles() {
    g_szNoteFile[0] = '\0';
    g_szSettingsFile[0] = '\0';
    g_noteMemory.Forget();
    g_settingsMemory.Forget();
}
