#pragma once
// The size of a new note, by the width of the screen in pixels.

#include <windows.h>

// Up to 640: 200 x 150; up to 800: 250 x 188; wider: 320 x 240.
SIZE DefaultNoteSize(int screenWidth);
