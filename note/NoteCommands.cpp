#include "note/NoteCommands.h"

const NoteMenuEntry kNoteMenu[12] = {
    {ID_NOTE_BLANK, "Blank Paper"},  {ID_NOTE_PRINT, "Print..."},
    {ID_NOTE_SAVE, "Save..."},       {ID_NOTE_ALARM, "Alarm..."},
    {ID_NOTE_OPTIONS, "Options..."}, {0, nullptr},
    {ID_NOTE_NEWPAPER, "New Paper"}, {0, nullptr},
    {ID_NOTE_ABOUT, "About..."},     {0, nullptr},
    {ID_NOTE_MINIMIZE, "Minimize"},  {ID_NOTE_CLOSE, "Close"},
};
