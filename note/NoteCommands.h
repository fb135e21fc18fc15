#pragma once
// The note's context menu: its entries in order, and the command ids they send.

#include <windows.h>

enum NoteCommand : UINT {
    ID_NOTE_BLANK = 1000,
    ID_NOTE_PRINT = 1001,
    ID_NOTE_SAVE = 1002,
    ID_NOTE_NEWPAPER = 1003,
    ID_NOTE_OPTIONS = 1004,
    ID_NOTE_ABOUT = 1005,
    ID_NOTE_CLOSE = 1006,
    ID_NOTE_MINIMIZE = 1007,
    ID_NOTE_ALARM = 1008,
};

struct NoteMenuEntry {
    UINT nID; // 0 for a separator
    const char* pszText;
};

// Blank Paper, Print..., Save..., Alarm..., Options..., -, New Paper, -, About..., -,
// Minimize, Close.
extern const NoteMenuEntry kNoteMenu[12];
