#include "note/NoteSize.h"

SIZE DefaultNoteSize(int screenWidth) {
    if (screenWidth <= 640) return SIZE{200, 150};
    if (screenWidth <= 800) return SIZE{250, 188};
    return SIZE{320, 240};
}
