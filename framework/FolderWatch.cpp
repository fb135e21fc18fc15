#include "framework/FolderWatch.h"

BOOL CFolderWatch::Open(LPCSTR folder)
{
    Close();
    m_handle = ::FindFirstChangeNotificationA(
        folder, FALSE,
        FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_LAST_WRITE);
    return IsOpen();
}

void CFolderWatch::Close()
{
    if (IsOpen()) ::FindCloseChangeNotification(m_handle);
    m_handle = INVALID_HANDLE_VALUE;
}

BOOL CFolderWatch::Changed()
{
    if (!IsOpen()) return TRUE;
    if (::WaitForSingleObject(m_handle, 0) != WAIT_OBJECT_0) return FALSE;
    // Re-arms the handle; changes that come in between signal it again.
    if (!::FindNextChangeNotification(m_handle)) Close();
    return TRUE;
}
