// "Save..." writes the note's text through the system's save dialog, byte for byte.
#include "SavePrintDriver.h"

namespace {

using saveprint::CloseDialog;
using saveprint::MessageText;
using saveprint::WaitForDialog;

// A lambda can't be a 32-bit callback: the system calls it with the stdcall convention.
BOOL CALLBACK FindEdit(HWND child, LPARAM found)
{
    char cls[16] = "";
    GetClassNameA(child, cls, sizeof cls);
    if (lstrcmpiA(cls, "Edit") != 0) return TRUE;
    *reinterpret_cast<HWND*>(found) = child;
    return FALSE;
}

class Save : public saveprint::NoteOutput {
protected:
    // Picks "Save..." and waits for the system dialog.
    HWND OpenSaveDialog(HWND note)
    {
        if (!notes::PickMenuCommand(note, saveprint::kMenuX, saveprint::kMenuY, notes::kSave))
            return nullptr;
        return WaitForDialog(note, "Save As");
    }
    // Types `name` into the dialog's file name field.
    bool EnterName(HWND dlg, const std::string& name)
    {
        // The field is an edit inside the combo box inside the ComboBoxEx32 with id 1148.
        HWND edit = nullptr;
        EnumChildWindows(GetDlgItem(dlg, 1148), FindEdit, reinterpret_cast<LPARAM>(&edit));
        if (!edit) return false;
        SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
        return true;
    }
    // Types `name` and presses Save.
    bool SaveAs(HWND dlg, const std::string& name)
    {
        return EnterName(dlg, name) && CloseDialog(dlg, IDOK);
    }
};

std::string Big4095()
{
    // Lines with tabs and characters above 127, cut to exactly 4095 bytes.
    std::string text;
    for (int i = 0; text.size() < 4095; i++) {
        text += "line " + std::to_string(i) + "\tcaf\xe9 \xfc\xdf \xa9 \x80 \xff\r\n";
    }
    text.resize(4095);
    return text;
}

TEST_F(Save, WritesTheNotesBytesAsTheyAre)
{
    struct Case {
        const char* name;
        std::string text;
    } cases[] = {
        {"line break", "a\r\nb"},
        {"tabs and characters above 127", "Tab\there\r\n\tcaf\xe9 \xfc\xdf\r\n\xa9 \x80\r\n"},
        {"4095 bytes", Big4095()},
        {"only line breaks", "\r\n\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        e2e::Process note;
        HWND window = StartNote(note, c.text);
        ASSERT_NE(nullptr, window);
        ASSERT_EQ(c.text, notes::NoteText(window));
        Select(window, 1, 2);
        HWND dlg = OpenSaveDialog(window);
        ASSERT_NE(nullptr, dlg) << "no Save As dialog";
        if (c.text.size() == 4095) notes::Snapshot("save-as-dialog");
        // No extension typed: the dialog adds "txt".
        ASSERT_TRUE(SaveAs(dlg, dir.FilePath("saved")));
        EXPECT_TRUE(e2e::FileBecomes(dir, "saved.txt", c.text));
        EXPECT_EQ(std::make_pair(1, 2), notes::Selection(window));
        EXPECT_EQ(c.text, notes::NoteText(window));
        note.Kill();
        DeleteFileA(dir.FilePath("saved.txt").c_str());
    }
}

TEST_F(Save, OverwritesAnExistingFileWhenTheUserAgrees)
{
    dir.Write("old.txt", "a much longer old content that must not survive at its end");
    e2e::Process note;
    HWND window = StartNote(note, "new");
    ASSERT_NE(nullptr, window);
    HWND dlg = OpenSaveDialog(window);
    ASSERT_NE(nullptr, dlg);
    ASSERT_TRUE(EnterName(dlg, dir.FilePath("old.txt")));
    PostMessageA(dlg, WM_COMMAND, IDOK, 0);
    // The overwrite prompt: a message box over the save dialog (its caption is the system's).
    HWND confirm = nullptr;
    ASSERT_TRUE(e2e::WaitUntil(
        [&] {
            for (HWND w : e2e::TopLevelWindows(note.Id(), "#32770", nullptr)) {
                if (w != dlg && w != window && GetDlgItem(w, 0xFFFF)) confirm = w;
            }
            return confirm != nullptr;
        },
        5000))
        << "no overwrite prompt";
    notes::Snapshot("save-overwrite-prompt");
    PostMessageA(confirm, WM_COMMAND, IDYES, 0);
    EXPECT_TRUE(e2e::FileBecomes(dir, "old.txt", "new"));
}

// Pins: a file that could not be written was reported as nothing at all.
TEST_F(Save, AFileThatCannotBeWrittenIsReportedAndKeptAsItWas)
{
    const std::string old = "the old content stays";
    dir.Write("locked.txt", old);
    ASSERT_TRUE(SetFileAttributesA(dir.FilePath("locked.txt").c_str(), FILE_ATTRIBUTE_READONLY));
    e2e::Process note;
    HWND window = StartNote(note, "new");
    ASSERT_NE(nullptr, window);
    HWND dlg = OpenSaveDialog(window);
    ASSERT_NE(nullptr, dlg);
    ASSERT_TRUE(EnterName(dlg, dir.FilePath("locked.txt")));
    PostMessageA(dlg, WM_COMMAND, IDOK, 0);
    // The dialog may ask first whether to replace the file; the answer is yes.
    HWND report = nullptr;
    ASSERT_TRUE(e2e::WaitUntil(
        [&] {
            for (HWND w : e2e::TopLevelWindows(note.Id(), "#32770", nullptr)) {
                if (w == dlg || w == window || !GetDlgItem(w, 0xFFFF)) continue;
                if (e2e::WindowText(GetDlgItem(w, 0xFFFF)).find("could not save") !=
                    std::string::npos)
                    report = w;
                else if (GetDlgItem(w, IDYES))
                    PostMessageA(w, WM_COMMAND, IDYES, 0);
            }
            return report != nullptr;
        },
        8000))
        << "no message that the file was not saved";
    notes::Snapshot("save-failed");
    EXPECT_NE(std::string::npos,
              e2e::WindowText(GetDlgItem(report, 0xFFFF)).find("locked.txt"));
    PostMessageA(report, WM_COMMAND, IDOK, 0);
    SetFileAttributesA(dir.FilePath("locked.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(old, dir.Read("locked.txt"));
}

TEST_F(Save, CancelWritesNothingAndKeepsTheSelection)
{
    e2e::Process note;
    HWND window = StartNote(note, "keep this text");
    ASSERT_NE(nullptr, window);
    Select(window, 5, 9);
    HWND dlg = OpenSaveDialog(window);
    ASSERT_NE(nullptr, dlg);
    ASSERT_TRUE(CloseDialog(dlg, IDCANCEL));
    EXPECT_TRUE(e2e::WaitUntil([&] { return notes::Selection(window) == std::make_pair(5, 9); }));
    EXPECT_EQ("keep this text", notes::NoteText(window));
    for (const std::string& name : dir.List()) {
        EXPECT_TRUE(name == "tkn5.tkn" || name == "tkn5.ini") << "written: " << name;
    }
}

TEST_F(Save, EmptyNoteSaysThereIsNothingToSaveOrPrint)
{
    struct Case {
        int command;
        const char* message;
        const char* dialog;
    } cases[] = {
        {notes::kSave, "Nothing to save!", "Save As"},
        {notes::kPrint, "Nothing to print!", "Print"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        e2e::Process note;
        HWND window = StartNote(note, "");
        ASSERT_NE(nullptr, window);
        ASSERT_TRUE(notes::PickMenuCommand(window, saveprint::kMenuX, saveprint::kMenuY,
                                           c.command));
        HWND box = WaitForDialog(window, "Tacknote");
        ASSERT_NE(nullptr, box) << "no message";
        EXPECT_EQ(c.message, MessageText(box));
        EXPECT_EQ(nullptr, WaitForDialog(window, c.dialog, 0));
        ASSERT_TRUE(CloseDialog(box, IDOK));
        EXPECT_EQ(nullptr, WaitForDialog(window, c.dialog, 300));
        note.Kill();
    }
}

} // namespace
