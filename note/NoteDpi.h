#pragma once
// A note's files keep 96-dpi units; its window shows them at the dpi of its monitor. These
// convert at the edges: when the stored rectangle and settings are shown, and when saved.

#include <windows.h>

// The stored rectangle brought within reach (see ClampNoteRect and PlaceOnScreen), still in
// file units; the monitor it lands on decides the scale.
RECT PlaceStoredRect(const RECT& stored);

// The stored rectangle in pixels of the monitor it lands on.
RECT StoredRectToScreen(const RECT& stored);

// The note window's rectangle in file units, at the window's dpi.
RECT WindowRectToStored(HWND note, const RECT& windowRect);

// The note font as the window at `dpi` shows it, and back.
LOGFONTA NoteFontAtDpi(const LOGFONTA& lf, UINT dpi);
LOGFONTA NoteFontToFile(const LOGFONTA& lf, UINT dpi);
