#include "note/NoteState.h"

char g_szNoteFile[kNoteFileSize];
char g_szSettingsFile[kSettingsFileSize];
RECT g_rcStored;
CString g_strNoteText;
BOOL g_bInitPending = TRUE;
