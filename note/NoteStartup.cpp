#include "note/NoteStartup.h"

#include <cstring>
#include <utility>

#include "note/NoteFile.h"
#include "note/NoteSettings.h"
#include "note/NoteSize.h"
#include "note/NoteState.h"

bool PrepareNewNote(NameSystem& names, int screenWidth) {
    SIZE size = DefaultNoteSize(screenWidth);
    g_settings.nWidth = size.cx;
    g_settings.nHeight = size.cy;

    NoteNames chosen;
    if (!ChooseNoteName(names, chosen)) return false;
    strcpy(g_szNoteFile, chosen.szNoteFile);
    strcpy(g_szSettingsFile, chosen.szSettingsFile);
    g_rcStored = RECT{};
    g_strNoteText.Empty();
    g_strWholeText.clear();
    g_bReadOnlyText = FALSE;
    g_noteMemory.Forget();
    return true;
}

bool PrepareStoredNote(const char* tail) {
    char settings[kSettingsFileSize];
    if (RoleForTail(tail) != ProcessRole::StoredNote || !SettingsNameFor(tail, settings)) {
        return false;
    }
    StoredNote note{};
    if (ReadNoteFile(tail, note) != NoteFileRead::Read || !note.numbers) return false;

    strcpy(g_szNoteFile, tail);
    strcpy(g_szSettingsFile, settings);
    g_rcStored = note.rc;
    g_strNoteText = CString(note.text.data(), static_cast<int>(note.text.size()));
    g_bReadOnlyText = !note.whole.empty();
    // In the form a save writes, so that a note whose text and place stay never rewrites it.
    const std::string& kept = note.whole.empty() ? note.text : note.whole;
    g_noteMemory.Remember(FormatNumberLines(note.rc) + kept, StampOf(tail));
    g_strWholeText = std::move(note.whole);
    return true;
}
