#include "note/NoteState.h"

char g_szNoteFile[kNoteFileSize];
char g_szSettingsFile[kSettingsFileSize];
RECT g_rcStored;
CString g_strNoteText;
std::string g_strWholeText;
BOOL g_bReadOnlyText = FALSE;
BOOL g_bInitPending = TRUE;
DiskMemory g_noteMemory;
DiskMemory g_settingsMemory;
