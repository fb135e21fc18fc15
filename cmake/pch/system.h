// The system and library headers that nearly every source includes, precompiled once per tree
// (cmake/Precompile.cmake). Only headers whose meaning doesn't depend on what a source defines
// before them belong here.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>
