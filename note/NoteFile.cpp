#include "note/NoteFile.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// The line buffer of one number line; a longer line is read in pieces, as fgets does.
const int kLineSize = 4096;

// Wraps the stdio handle so that every early return closes it.
class InputFile {
public:
    explicit InputFile(const char* path) : m_file(fopen(path, "rb")) {}
    ~InputFile() {
        if (m_file) fclose(m_file);
    }
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;
    FILE* get() const { return m_file; }

private:
    FILE* m_file;
};

// Reads one number line; at the end of the file the number is 0.
LONG ReadNumberLine(FILE* file) {
    char line[kLineSize] = {};
    if (!fgets(line, sizeof line, file)) return 0;
    return atoi(line);
}

} // namespace

bool IsStoredRectPresent(const RECT& rc) {
    return rc.left != rc.right && rc.top != rc.bottom;
}

NoteFileRead ReadNoteFile(const char* path, StoredNote& note) {
    InputFile in(path);
    if (!in.get()) {
        // Told apart after the fact: a file that is there but locked must never count as absent.
        if (GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES) return NoteFileRead::Unreadable;
        DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND
                   ? NoteFileRead::Missing
                   : NoteFileRead::Unreadable;
    }
    note.rc.left = ReadNumberLine(in.get());
    note.rc.top = ReadNumberLine(in.get());
    note.rc.right = ReadNumberLine(in.get());
    note.rc.bottom = ReadNumberLine(in.get());

    char text[kMaxNoteText + 1] = {};
    size_t length = fread(text, 1, kMaxNoteText, in.get());
    if (ferror(in.get())) return NoteFileRead::Unreadable;
    note.text.assign(text, length);
    return NoteFileRead::Read;
}

std::string FormatNoteFile(const RECT& rc, const std::string& text) {
    char numbers[4 * 16];
    int length = snprintf(numbers, sizeof numbers, "%ld\r\n%ld\r\n%ld\r\n%ld\r\n", rc.left, rc.top,
                          rc.right, rc.bottom);
    std::string bytes(numbers, length);
    bytes.append(text, 0, kMaxNoteText);
    return bytes;
}
