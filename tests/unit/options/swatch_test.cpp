// The swatch bitmaps read back pixel by pixel: border, fill, and where the sample text lies.
#include <gtest/gtest.h>

#include <string.h>

#include "note/OptionsSwatch.h"

namespace {

// A swatch painted for the screen, selected into a DC for reading.
class Swatch {
public:
    Swatch(int cx, int cy, const SwatchLook& look) {
        HDC screen = GetDC(NULL);
        m_bitmap = PaintSwatchBitmap(screen, cx, cy, look);
        ReleaseDC(NULL, screen);
        m_dc = CreateCompatibleDC(NULL);
        m_old = SelectObject(m_dc, m_bitmap.m_hObject);
    }
    ~Swatch() {
        SelectObject(m_dc, m_old);
        DeleteDC(m_dc);
    }
    bool Empty() const { return m_bitmap.m_hObject == nullptr; }
    COLORREF At(int x, int y) const { return GetPixel(m_dc, x, y); }
    SIZE Size() {
        BITMAP info = {};
        m_bitmap.GetBitmap(&info);
        SIZE size = {info.bmWidth, info.bmHeight};
        return size;
    }

private:
    CBitmap m_bitmap;
    HDC m_dc;
    HGDIOBJ m_old;
};

TEST(SwatchBitmap, BlackBorderAroundTheColour) {
    struct Case {
        int cx, cy;
        COLORREF fill;
    };
    const Case cases[] = {{57, 23, RGB(255, 0, 0)},
                          {57, 23, RGB(255, 255, 128)},
                          {3, 3, RGB(0, 0, 255)},
                          {57, 23, RGB(255, 255, 255)}};
    for (const Case& c : cases) {
        SwatchLook look;
        look.crFill = c.fill;
        Swatch s(c.cx, c.cy, look);
        ASSERT_FALSE(s.Empty());
        EXPECT_EQ(c.cx, s.Size().cx);
        EXPECT_EQ(c.cy, s.Size().cy);
        for (int x = 0; x < c.cx; ++x) {
            EXPECT_EQ(RGB(0, 0, 0), s.At(x, 0)) << "top " << x;
            EXPECT_EQ(RGB(0, 0, 0), s.At(x, c.cy - 1)) << "bottom " << x;
        }
        for (int y = 0; y < c.cy; ++y) {
            EXPECT_EQ(RGB(0, 0, 0), s.At(0, y)) << "left " << y;
            EXPECT_EQ(RGB(0, 0, 0), s.At(c.cx - 1, y)) << "right " << y;
        }
        for (int y = 1; y < c.cy - 1; ++y)
            for (int x = 1; x < c.cx - 1; ++x)
                ASSERT_EQ(c.fill, s.At(x, y)) << x << "," << y;
    }
}

TEST(SwatchBitmap, NothingForAnEmptySize) {
    SwatchLook look;
    EXPECT_TRUE(Swatch(0, 23, look).Empty());
    EXPECT_TRUE(Swatch(57, -1, look).Empty());
}

// A large font's sample was cut at the top and its descenders at the bottom edge.
TEST(SwatchBitmap, SampleShowsWholeInsideTheBorderInTheTextColour) {
    struct Case {
        const char* face;
        LONG height;
        LONG weight;
        BYTE italic;
    };
    const Case cases[] = {{"Arial", -24, FW_BOLD, 0},
                          {"Liberation Serif", -12, FW_NORMAL, 0},
                          {"Arial", -40, FW_NORMAL, 0},
                          {"Arial", -96, FW_BOLD, TRUE},
                          {"Liberation Serif", -8, FW_NORMAL, 0}};
    const int cx = 57, cy = 23;
    for (const Case& c : cases) {
        LOGFONTA lf = {};
        lf.lfHeight = c.height;
        lf.lfWeight = c.weight;
        lf.lfItalic = c.italic;
        lf.lfCharSet = DEFAULT_CHARSET;
        lf.lfQuality = NONANTIALIASED_QUALITY; // exact text-colour pixels to look for
        strcpy(lf.lfFaceName, c.face);
        SwatchLook look;
        look.crFill = RGB(255, 255, 128);
        look.plfSample = &lf;
        look.crText = RGB(255, 0, 0);
        Swatch s(cx, cy, look);
        ASSERT_FALSE(s.Empty());

        int top = cy, bottom = -1, left = cx, right = -1;
        for (int y = 0; y < cy; ++y)
            for (int x = 0; x < cx; ++x)
                if (s.At(x, y) == look.crText) {
                    top = y < top ? y : top;
                    bottom = y > bottom ? y : bottom;
                    left = x < left ? x : left;
                    right = x > right ? x : right;
                }
        ASSERT_GE(bottom, 0) << c.face << c.height << ": no text drawn";
        // The border stays whole, and the text does not touch it above or below: no letter
        // is cut there.
        for (int x = 0; x < cx; ++x) {
            EXPECT_EQ(RGB(0, 0, 0), s.At(x, 0)) << c.face << c.height << " top " << x;
            EXPECT_EQ(RGB(0, 0, 0), s.At(x, cy - 1)) << c.face << c.height << " bottom " << x;
        }
        EXPECT_GE(top, 2) << c.face << c.height;
        EXPECT_LE(bottom, cy - 2) << c.face << c.height;
        EXPECT_LE(left, 4) << c.face << c.height << ": the sample starts at the left edge";
        EXPECT_LE(right, cx - 2) << c.face << c.height;
        // A sample that fills the height: large fonts are drawn at the swatch's size.
        if (c.height <= -24) {
            EXPECT_GE(bottom - top, cy / 2) << c.face << c.height;
        }
    }
}

} // namespace
