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
    // The text control's own commands, offered so that a mouse user can reach them.
    ID_NOTE_UNDO = 32840,
    ID_NOTE_CUT = 32841,
    ID_NOTE_COPY = 32842,
    ID_NOTE_PASTE = 32843,
    ID_NOTE_SELECTALL = 32844,
};

struct NoteMenuEntry {
    UINT nID; // 0 for a separator
    const char* pszText;
};

// Undo, Cut, Copy, Paste, Select All, -, Blank Paper, Print..., Save..., Alarm...,
// Options..., -, New Paper, -, About..., -, Minimize, Close. In the header, so that a test
// driving the menu from outside finds an entry by its id.
const int kNoteMenuSize = 18;
inline constexpr NoteMenuEntry kNoteMenu[kNoteMenuSize] = {
    {ID_NOTE_UNDO, "Undo\tCtrl+Z"},
    {ID_NOTE_CUT, "Cut\tCtrl+X"},
    {ID_NOTE_COPY, "Copy\tCtrl+C"},
    {ID_NOTE_PASTE, "Paste\tCtrl+V"},
    {ID_NOTE_SELECTALL, "Select All\tCtrl+A"},
    {0, nullptr},
    {ID_NOTE_BLANK, "Blank Paper"},  {ID_NOTE_PRINT, "Print..."},
    {ID_NOTE_SAVE, "Save..."},       {ID_NOTE_ALARM, "Alarm..."},
    {ID_NOTE_OPTIONS, "Options..."}, {0, nullptr},
    {ID_NOTE_NEWPAPER, "New Paper"}, {0, nullptr},
    {ID_NOTE_ABOUT, "About..."},     {0, nullptr},
    {ID_NOTE_MINIMIZE, "Minimize"},  {ID_NOTE_CLOSE, "Close"},
};

// The entry's position among the menu's commands, separators not counted (1 = the first);
// 0 when the menu has no such entry.
inline int NoteMenuCommandIndex(UINT nID) {
    int index = 0;
    for (const NoteMenuEntry& entry : kNoteMenu) {
        if (!entry.nID) continue;
        ++index;
        if (entry.nID == nID) return index;
    }
    return 0;
}

// What the edit commands depend on, read from the text control when the menu opens.
struct NoteEditState {
    bool canUndo;
    bool hasSelection;
    bool readOnly;
    bool clipboardHasText;
    bool hasText;
};

// Whether the menu entry `nID` can be chosen; the note's own commands always can.
bool IsNoteCommandEnabled(UINT nID, const NoteEditState& state);

