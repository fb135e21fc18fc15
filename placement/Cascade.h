#pragma once
// Placing a window among others without hiding them: the cascade of new notes, and a window
// kept inside a work area. Pure logic over plain rectangles.

#include <windows.h>

#include <vector>

// Whether a window at `a` would stand on one at `b`: their top-left corners lie less than
// half a step apart, so that the one below shows no edge of its own.
bool CoversCorner(const RECT& a, const RECT& b, int step);

// `candidate` moved right and down by `step` until it stands on none of `others`; a move
// that would leave `work` on the right or at the bottom starts again at that side's other
// edge. When every place is taken, `candidate` itself.
RECT CascadePlace(const RECT& candidate, const std::vector<RECT>& others, const RECT& work,
                  int step);

// `rc` moved, never resized, so that it lies inside `work`; a window larger than the area
// keeps its top-left corner at the area's.
RECT KeepInside(const RECT& rc, const RECT& work);
