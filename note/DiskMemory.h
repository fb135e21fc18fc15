#pragma once
// What a note last read from or wrote to one of its files. A note writes a file only when
// its content differs from that memory, so an idle note never touches the folder; and a file
// whose size or time no longer match was changed by someone else.

#include <windows.h>

#include <string>

// A file's size and last write time as the system reports them.
struct FileStamp {
    bool present = false; // false: no such file (or it could not be asked about)
    ULONGLONG size = 0;
    ULONGLONG written = 0; // last write time, FILETIME units
};

bool operator==(const FileStamp& a, const FileStamp& b);
inline bool operator!=(const FileStamp& a, const FileStamp& b)
{
    return !(a == b);
}

// The stamp of the file at `path` now.
FileStamp StampOf(const char* path);

class DiskMemory {
public:
    // After a successful read or write. `content` is the file's content in the note's own
    // terms (the note file's bytes, the settings file's keys); `stamp` the file as left.
    void Remember(std::string content, const FileStamp& stamp);
    // Nothing known any more: the next save writes whatever it has.
    void Forget();

    bool Known() const { return m_known; }
    const std::string& Content() const { return m_content; }
    const FileStamp& Stamp() const { return m_stamp; }

    // True when `content` has to be written: nothing is known, or it differs from what was
    // last read or written.
    bool NeedsWrite(const std::string& content) const;
    // True when the file, stamped `now`, is no longer the one last read or written: another
    // program wrote, replaced or deleted it. False while nothing is known.
    bool ChangedOnDisk(const FileStamp& now) const;

private:
    bool m_known = false;
    std::string m_content;
    FileStamp m_stamp;
};
