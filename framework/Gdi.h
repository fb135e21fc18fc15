// GDI wrappers with MFC's names: the owning objects (CPen, CBrush, CFont, CBitmap, CRgn) and
// the device contexts (CDC, CPaintDC, CClientDC, CWindowDC).
#pragma once

#include "framework/DC.h"
#include "framework/GdiObjects.h"
