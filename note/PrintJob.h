#pragma once
// Printing a note's text on a printer DC: one document, as many pages as the text needs.

#include "framework/DC.h"

// Prints `length` bytes of `text` in 10-point "MS Sans Serif" on the whole printable area of
// `dc`'s pages, tabs expanded. True only when every page went out and the document ended;
// on any failure (StartDoc, StartPage, EndPage or EndDoc at 0 or less) the job is aborted,
// so that no half document stays queued, and false is returned.
bool PrintNoteText(CDC& dc, const char* text, int length);
