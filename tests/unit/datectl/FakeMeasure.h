// A text measure for tests: every character of a font is equally wide.
#pragma once

#include "datectl/CalendarMetrics.h"

struct FakeMeasure : CalendarTextMeasure {
    int cxChar[4] = {9, 8, 6, 7}; // header, weekday, day, special day
    int cyLine[4] = {15, 12, 13, 14};

    CSize Measure(CalendarFontRole role, const CString& text) override
    {
        return CSize(text.GetLength() * cxChar[role], cyLine[role]);
    }
};
