#include "note/NoteFile.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace {

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

// Up to `limit` bytes from the file's current position; false on a read error.
bool ReadBytes(FILE* file, size_t limit, std::string& bytes) {
    char buffer[16384];
    while (bytes.size() < limit) {
        size_t want = std::min(sizeof buffer, limit - bytes.size());
        size_t got = fread(buffer, 1, want, file);
        bytes.append(buffer, got);
        if (got < want) break;
    }
    return !ferror(file);
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

bool IsStoredRectPresent(const RECT& rc) {
    return rc.left != rc.right && rc.top != rc.bottom;
}

bool ParseNumberLine(const std::string& line, LONG& value) {
    size_t i = 0, end = line.size();
    while (i < end && IsBlank(line[i]))
        ++i;
    while (end > i && IsBlank(line[end - 1]))
        --end;
    bool negative = i < end && line[i] == '-';
    if (i < end && (line[i] == '-' || line[i] == '+')) ++i;
    if (i == end) return false;
    long long magnitude = 0;
    for (; i < end; ++i) {
        if (line[i] < '0' || line[i] > '9') return false;
        // Held just past the 32-bit range, so that many digits can't overflow it.
        magnitude = std::min(magnitude * 10 + (line[i] - '0'), 1LL + LONG_MAX);
    }
    long long signedValue = negative ? -magnitude : magnitude;
    value = static_cast<LONG>(std::max<long long>(LONG_MIN, std::min<long long>(signedValue, LONG_MAX)));
    return true;
}

bool ParseNumberLines(const std::string& bytes, RECT& rc, size_t& textStart) {
    LONG* fields[] = {&rc.left, &rc.top, &rc.right, &rc.bottom};
    bool numbers = true;
    size_t pos = 0;
    for (LONG* field : fields) {
        *field = 0;
        if (pos >= bytes.size()) continue;
        size_t lineEnd = bytes.find('\n', pos);
        size_t next = lineEnd == std::string::npos ? bytes.size() : lineEnd + 1;
        std::string line = bytes.substr(pos, (lineEnd == std::string::npos ? next : lineEnd) - pos);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (next - pos > kMaxNumberLine || !ParseNumberLine(line, *field)) {
            numbers = false;
            *field = atoi(line.c_str());
        }
        pos = next;
    }
    textStart = pos;
    return numbers;
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
    // All of it: a note that can't show its whole text must still be able to write it back.
    std::string bytes;
    if (!ReadBytes(in.get(), SIZE_MAX, bytes)) return NoteFileRead::Unreadable;

    size_t textStart = 0;
    note.numbers = ParseNumberLines(bytes, note.rc, textStart);
    std::string text = bytes.substr(textStart);
    size_t shown = std::min(strnlen(text.c_str(), text.size()), static_cast<size_t>(kMaxNoteText));
    note.text = text.substr(0, shown);
    note.whole = shown < text.size() ? std::move(text) : std::string();
    return NoteFileRead::Read;
}

bool MayBeNoteFile(const char* path) {
    InputFile in(path);
    // One byte more than four number lines can take, so that an over-long fourth line shows.
    std::string head;
    if (!in.get() || !ReadBytes(in.get(), kNumberLinesHead + 1, head)) return true;
    RECT rc;
    size_t textStart = 0;
    return ParseNumberLines(head, rc, textStart);
}

std::string FormatNumberLines(const RECT& rc) {
    char numbers[4 * 16];
    int length = snprintf(numbers, sizeof numbers, "%ld\r\n%ld\r\n%ld\r\n%ld\r\n", rc.left, rc.top,
                          rc.right, rc.bottom);
    return std::string(numbers, length);
}

std::string FormatNoteFile(const RECT& rc, const std::string& text) {
    std::string bytes = FormatNumberLines(rc);
    bytes.append(text, 0, kMaxNoteText);
    return bytes;
}
