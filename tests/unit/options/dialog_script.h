#pragma once
// Drives modal dialogs of this thread from inside their own message loops: each step waits
// until a visible, enabled window with its caption is up and then runs against it.

#include <windows.h>

#include <functional>
#include <string>

struct DialogStep {
    std::string caption;
    std::function<void(HWND)> action;
};

class DialogScript {
public:
    DialogScript(std::initializer_list<DialogStep> steps);
    ~DialogScript();
    DialogScript(const DialogScript&) = delete;
    DialogScript& operator=(const DialogScript&) = delete;

    // True when every step ran.
    bool Finished() const;
};

// Posts a button's click to its dialog, as a real click would arrive; a button that opens a
// dialog of its own must not block the step that pressed it.
void PressButton(HWND dlg, int id);
