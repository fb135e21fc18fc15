#include "dialog_script.h"

#include <deque>

namespace {

std::deque<DialogStep> g_steps;
UINT_PTR g_timer = 0;
DWORD g_started = 0;
bool g_timedOut = false;
const DWORD kPatienceMs = 10000;

BOOL CALLBACK CancelOwnDialog(HWND window, LPARAM) {
    char name[16] = "";
    GetClassNameA(window, name, sizeof name);
    if (lstrcmpA(name, "#32770") == 0 && IsWindowEnabled(window))
        PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    return TRUE;
}

HWND FindOwnDialog(const std::string& caption) {
    HWND found = FindWindowExA(NULL, NULL, "#32770", caption.c_str());
    while (found) {
        if (GetWindowThreadProcessId(found, NULL) == GetCurrentThreadId() &&
            IsWindowVisible(found) && IsWindowEnabled(found))
            return found;
        found = FindWindowExA(NULL, found, "#32770", caption.c_str());
    }
    return NULL;
}

void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD) {
    if (g_steps.empty()) return;
    // A step that never finds its dialog must not leave the test hanging in a modal loop.
    if (GetTickCount() - g_started > kPatienceMs) {
        g_timedOut = true;
        g_steps.clear();
        EnumThreadWindows(GetCurrentThreadId(), CancelOwnDialog, 0);
        return;
    }
    HWND dlg = FindOwnDialog(g_steps.front().caption);
    if (!dlg) return;
    // Taken off first: the action may run a nested modal loop in which this timer ticks on.
    DialogStep step = g_steps.front();
    g_steps.pop_front();
    step.action(dlg);
}

} // namespace

DialogScript::DialogScript(std::initializer_list<DialogStep> steps) {
    g_steps.assign(steps.begin(), steps.end());
    g_started = GetTickCount();
    g_timedOut = false;
    g_timer = SetTimer(NULL, 0, 20, OnTick);
}

DialogScript::~DialogScript() {
    KillTimer(NULL, g_timer);
    g_steps.clear();
}

bool DialogScript::Finished() const {
    return g_steps.empty() && !g_timedOut;
}

void PressButton(HWND dlg, int id) {
    PostMessageA(dlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dlg, id)));
}
