#pragma once
// What a running note does when its note file was changed by someone else (a sync service
// bringing the other PC's edit, a text editor). Nothing is asked and nothing is lost.

#include <string>

enum class OutsideChange {
    None,         // the file holds what the note last read or wrote
    Take,         // no unsaved change here: the window takes the file's text, place and look
    KeepBoth,     // an unsaved change here: it becomes a new note, the window takes the file
    Close,        // the file is gone (closed on the other PC): the window closes, writing nothing
    CloseKeepText // gone, with an unsaved change here: that text becomes a new note first
};

// `present`/`onDisk`: the note file now; `remembered`: its bytes as the note last read or
// wrote them; `unsaved`: the window holds text that differs from the remembered text.
OutsideChange ClassifyOutsideChange(bool present, const std::string& onDisk,
                                    const std::string& remembered, bool unsaved);

// The text part of a note file's bytes (after its four number lines).
std::string TextOfNoteBytes(const std::string& bytes);
