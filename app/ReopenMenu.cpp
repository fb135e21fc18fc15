#include "app/ReopenMenu.h"

#include <cstring>

#include "closed/ClosedFolder.h"
#include "note/CommandTail.h"
#include "note/NoteFile.h"
#include "note/NoteName.h"
#include "res/resource.h"

namespace {

// The position of the submenu in `popup`: the item whose submenu starts with our first id.
int FindSubmenu(HMENU popup)
{
    for (int i = 0, count = GetMenuItemCount(popup); i < count; ++i) {
        HMENU sub = GetSubMenu(popup, i);
        if (sub && GetMenuItemID(sub, 0) == ID_TRAY_REOPEN_FIRST) return i;
    }
    return -1;
}

std::string LabelOf(const std::string& base)
{
    StoredNote note{};
    if (ReadNoteFile(ClosedPath(base, ".tkn").c_str(), note) != NoteFileRead::Read)
        return ClosedNoteLabel("");
    return ClosedNoteLabel(note.text);
}

// The note's own name when it is free again, else a new one.
bool NamesForReopen(const std::string& base, NoteNames& names)
{
    std::string note = base + ".tkn";
    char settings[kSettingsFileSize];
    NameSystem& system = SystemNames();
    if (RoleForTail(note.c_str()) == ProcessRole::StoredNote &&
        SettingsNameFor(note.c_str(), settings) && !system.Exists(note.c_str()) &&
        !system.Exists(settings)) {
        strcpy(names.szNoteFile, note.c_str());
        strcpy(names.szSettingsFile, settings);
        return true;
    }
    return ChooseNoteName(system, names);
}

} // namespace

void CReopenMenu::Fill(HMENU popup)
{
    int position = FindSubmenu(popup);
    if (position < 0) return;
    HMENU sub = GetSubMenu(popup, position);
    while (GetMenuItemCount(sub) > 0)
        DeleteMenu(sub, 0, MF_BYPOSITION);

    std::vector<ClosedNote> closed = NewestFirst(ListClosed());
    m_bases.clear();
    for (size_t i = 0; i < closed.size() && i < kClosedMenuSize; ++i) {
        m_bases.push_back(closed[i].base);
        AppendMenuA(sub, MF_STRING, ID_TRAY_REOPEN_FIRST + i, LabelOf(closed[i].base).c_str());
    }
    // The first id stays, so that the submenu is found again next time.
    if (m_bases.empty()) AppendMenuA(sub, MF_STRING | MF_GRAYED, ID_TRAY_REOPEN_FIRST, "(none)");
    EnableMenuItem(popup, position, MF_BYPOSITION | (m_bases.empty() ? MF_GRAYED : MF_ENABLED));
}

bool CReopenMenu::IsReopenCommand(UINT id)
{
    return id >= ID_TRAY_REOPEN_FIRST && id < ID_TRAY_REOPEN_FIRST + kClosedMenuSize;
}

bool CReopenMenu::Reopen(UINT id, std::string* started)
{
    size_t index = id - ID_TRAY_REOPEN_FIRST;
    if (!IsReopenCommand(id) || index >= m_bases.size()) return false;
    NoteNames names{};
    if (!NamesForReopen(m_bases[index], names) ||
        !MoveOutOfClosed(m_bases[index], names.szNoteFile, names.szSettingsFile)) {
        return false;
    }
    StartNoteProcess(names.szNoteFile);
    if (started) *started = names.szNoteFile;
    return true;
}
