#include "dpi/DpiCursor.h"

#include "dpi/DpiApi.h"

namespace {

#pragma pack(push, 2)
// A cursor group's header and its entries, as resources store them.
struct GroupHeader {
    WORD reserved;
    WORD type;
    WORD count;
};
struct GroupEntry {
    WORD width;
    WORD height; // twice the image's: the two masks
    WORD planes;
    WORD bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

} // namespace

std::vector<int> CursorResourceSizes(HMODULE module, LPCSTR resource)
{
    std::vector<int> sizes;
    HRSRC found = FindResourceA(module, resource, MAKEINTRESOURCEA(12)); // RT_GROUP_CURSOR
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const BYTE* bytes = loaded ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
    DWORD length = found ? SizeofResource(module, found) : 0;
    if (!bytes || length < sizeof(GroupHeader)) return sizes;
    const auto* header = reinterpret_cast<const GroupHeader*>(bytes);
    const auto* entries = reinterpret_cast<const GroupEntry*>(bytes + sizeof(GroupHeader));
    size_t room = (length - sizeof(GroupHeader)) / sizeof(GroupEntry);
    for (size_t i = 0; i < header->count && i < room; ++i)
        sizes.push_back(entries[i].width);
    return sizes;
}

int PickDrawnSize(const std::vector<int>& drawn, int wanted)
{
    int best = 0;
    int smallest = 0;
    for (int size : drawn) {
        if (size <= wanted && size > best) best = size;
        if (smallest == 0 || size < smallest) smallest = size;
    }
    return best ? best : smallest;
}

CDpiCursor::~CDpiCursor()
{
    if (m_cursor) DestroyCursor(m_cursor);
}

void CDpiCursor::Apply(HWND wnd, HINSTANCE instance, LPCSTR resource)
{
    UINT dpi = DpiForWindow(wnd);
    int size = PickDrawnSize(CursorResourceSizes(instance, resource),
                             SystemMetricForDpi(SM_CXCURSOR, dpi));
    if (size == 0 || (m_cursor && size == m_size)) return;
    auto cursor = static_cast<HCURSOR>(LoadImageA(instance, resource, IMAGE_CURSOR, size, size, 0));
    if (!cursor) return;
    if (m_cursor && GetCursor() == m_cursor) SetCursor(cursor);
    if (m_cursor) DestroyCursor(m_cursor);
    m_cursor = cursor;
    m_size = size;
}
