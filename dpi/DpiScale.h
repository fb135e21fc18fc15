#pragma once
// Sizes and places in files are 96-dpi units, whatever the screen they were saved on; windows
// work in the pixels of their monitor. Values are rounded to the nearest, halves away from
// zero, so that a file value shown at 96 dpi or more and saved back is exactly what was read.

#include <windows.h>

const int kFileDpi = 96;

// `value` * `numerator` / `denominator`, rounded as above, in 64-bit arithmetic; 0 for a zero
// denominator.
int ScaleRounded(int value, int numerator, int denominator);

int FileToDevice(int value, int dpi);
int DeviceToFile(int value, int dpi);

// A rectangle's corner and its size are scaled apart, so that a note keeps the same size
// wherever it stands.
RECT FileRectToDevice(const RECT& rc, int dpi);
RECT DeviceRectToFile(const RECT& rc, int dpi);

// The whole factor a small pixel drawing is enlarged by at `dpi`: 1 up to 143 dpi, 2 from
// 144 (150%) up to 239, and so on; at least 1. Whole factors keep its pixels sharp.
int WholeFactorForDpi(int dpi);
