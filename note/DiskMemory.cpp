#include "note/DiskMemory.h"

#include <utility>

bool operator==(const FileStamp& a, const FileStamp& b)
{
    return a.present == b.present && a.size == b.size && a.written == b.written;
}

FileStamp StampOf(const char* path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    FileStamp stamp;
    if (!GetFileAttributesExA(path, GetFileExInfoStandard, &data)) return stamp;
    stamp.present = true;
    stamp.size = (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    stamp.written = (static_cast<ULONGLONG>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                    data.ftLastWriteTime.dwLowDateTime;
    return stamp;
}

void DiskMemory::Remember(std::string content, const FileStamp& stamp)
{
    m_known = true;
    m_content = std::move(content);
    m_stamp = stamp;
}

void DiskMemory::Forget()
{
    m_known = false;
    m_content.clear();
    m_stamp = FileStamp{};
}

bool DiskMemory::NeedsWrite(const std::string& content) const
{
    return !m_known || content != m_content;
}

bool DiskMemory::ChangedOnDisk(const FileStamp& now) const
{
    return m_known && now != m_stamp;
}
