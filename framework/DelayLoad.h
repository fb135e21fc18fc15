#pragma once
// Functions of system DLLs that most processes never call. Importing comdlg32 or shell32
// statically costs every note process megabytes and milliseconds at start-up (they pull in
// much of the shell), although only a dialog or the tray instance uses them; so they are
// looked up when first called. The DLL stays loaded for the rest of the process.

#include <windows.h>

template <typename Function>
Function DelayLoaded(const char* dllName, const char* functionName)
{
    HMODULE dll = GetModuleHandleA(dllName);
    if (!dll) dll = LoadLibraryA(dllName);
    if (!dll) return nullptr;
    // Through void*: FARPROC is a generic function pointer and must be cast to the real type.
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(dll, functionName)));
}
