#include "note/OutsideChange.h"

#include <windows.h>

#include "note/NoteFile.h"

OutsideChange ClassifyOutsideChange(bool present, const std::string& onDisk,
                                    const std::string& remembered, bool unsaved)
{
    if (!present) return unsaved ? OutsideChange::CloseKeepText : OutsideChange::Close;
    if (onDisk == remembered) return OutsideChange::None;
    return unsaved ? OutsideChange::KeepBoth : OutsideChange::Take;
}

std::string TextOfNoteBytes(const std::string& bytes)
{
    RECT rc;
    size_t textStart = 0;
    ParseNumberLines(bytes, rc, textStart);
    return textStart < bytes.size() ? bytes.substr(textStart) : std::string();
}
