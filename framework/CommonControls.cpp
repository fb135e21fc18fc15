#include "framework/CommonControls.h"

#include "framework/DelayLoad.h"

BOOL AfxInitCommonControls(DWORD dwClasses) {
    auto init = DelayLoaded<BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*)>("comctl32.dll",
                                                                        "InitCommonControlsEx");
    INITCOMMONCONTROLSEX icc{sizeof icc, dwClasses};
    return init && init(&icc);
}
