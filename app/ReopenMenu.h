#pragma once
// The tray menu's "Reopen Closed Note" submenu: the newest closed notes by their first line;
// choosing one brings the note back from the Closed folder and starts it.

#include <windows.h>

#include <string>
#include <vector>

class CReopenMenu {
public:
    // Fills the submenu inside the tray popup `popup` (found by its command ids) from the
    // Closed folder, and greys it when the folder holds no note. Nothing when `popup` holds
    // no such submenu.
    void Fill(HMENU popup);
    // Whether `id` is one of the submenu's commands.
    static bool IsReopenCommand(UINT id);
    // Brings back the note of command `id` under a free note name and starts it at its old
    // place. False when it could not be moved back; `started` gets the note file's name.
    bool Reopen(UINT id, std::string* started = nullptr);

private:
    std::vector<std::string> m_bases; // the listed notes, in menu order
};
