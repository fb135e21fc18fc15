#include "note/NoteDpi.h"

#include "dpi/DpiApi.h"
#include "dpi/DpiScale.h"
#include "note/Monitors.h"
#include "note/NoteBounds.h"

namespace {

// Before the window is there, the monitor is found where the system dpi would put the rect.
int DpiForStoredRect(const RECT& stored)
{
    return static_cast<int>(DpiForRect(FileRectToDevice(stored, static_cast<int>(SystemDpi()))));
}

} // namespace

RECT PlaceStoredRect(const RECT& stored)
{
    RECT clamped = ClampNoteRect(stored);
    int dpi = DpiForStoredRect(clamped);
    return DeviceRectToFile(PlaceOnScreen(FileRectToDevice(clamped, dpi)), dpi);
}

RECT StoredRectToScreen(const RECT& stored)
{
    return FileRectToDevice(stored, DpiForStoredRect(stored));
}

RECT WindowRectToStored(HWND note, const RECT& windowRect)
{
    return DeviceRectToFile(windowRect, static_cast<int>(DpiForWindow(note)));
}

LOGFONTA NoteFontAtDpi(const LOGFONTA& lf, UINT dpi)
{
    LOGFONTA scaled = lf;
    scaled.lfHeight = FileToDevice(lf.lfHeight, static_cast<int>(dpi));
    scaled.lfWidth = FileToDevice(lf.lfWidth, static_cast<int>(dpi));
    return scaled;
}

LOGFONTA NoteFontToFile(const LOGFONTA& lf, UINT dpi)
{
    LOGFONTA scaled = lf;
    scaled.lfHeight = DeviceToFile(lf.lfHeight, static_cast<int>(dpi));
    scaled.lfWidth = DeviceToFile(lf.lfWidth, static_cast<int>(dpi));
    return scaled;
}
