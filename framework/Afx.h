// Umbrella header of the framework layer: include this to write code the MFC way.
#pragma once

#include <windows.h>

#include "framework/AfxTypes.h"
#include "framework/String.h"
#include "framework/StringMap.h"
#include "framework/Geometry.h"
#include "framework/DateTime.h"
#include "framework/Clock.h"

// Windows, dialogs, controls, menus and GDI.
#include "framework/MessageMap.h"
#include "framework/Wnd.h"
#include "framework/WinApp.h"
#include "framework/FrameWnd.h"
#include "framework/Dialog.h"
#include "framework/DataExchange.h"
#include "framework/Controls.h"
#include "framework/Menu.h"
#include "framework/Gdi.h"
