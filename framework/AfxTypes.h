// Small types that MFC code takes for granted beside <windows.h>.
#pragma once

#include <windows.h>

// An opaque place in a collection, handed out by GetStartPosition and advanced by GetNext*.
struct tagAfxPosition {};
typedef tagAfxPosition* POSITION;

#define BEFORE_START_POSITION ((POSITION)-1L)
