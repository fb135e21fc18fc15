#include "note/NoteCommands.h"

bool IsNoteCommandEnabled(UINT nID, const NoteEditState& state) {
    switch (nID) {
    case ID_NOTE_UNDO:
        return state.canUndo && !state.readOnly;
    case ID_NOTE_CUT:
        return state.hasSelection && !state.readOnly;
    case ID_NOTE_COPY:
        return state.hasSelection;
    case ID_NOTE_PASTE:
        return state.clipboardHasText && !state.readOnly;
    case ID_NOTE_SELECTALL:
        return state.hasText;
    default:
        return true;
    }
}
