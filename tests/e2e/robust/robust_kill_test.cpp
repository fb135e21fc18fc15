// A note killed at any moment of a save leaves its files whole: the note file holds one
// complete version of the note, never a mix of two and never nothing.
#include <atomic>
#include <mutex>
#include <random>
#include <set>
#include <thread>

#include "NoteDriver.h"

namespace {

class KillWhileSaving : public e2e::TacknoteTest {};

// Several notes at a time, so that the rounds don't wait for one process start after
// another; every note process is killed once.
const int kBatches = 20;
const int kNotesPerBatch = 5;

RECT PlaceOf(int slot) {
    LONG left = 10 + slot * 250;
    return RECT{left, 200, left + 240, 400};
}

// Texts of different lengths, so that a file mixing two of them can't pass for either.
std::string TextFor(int slot, int i) {
    return std::string(20 + (i * 389) % 3000, static_cast<char>('a' + (i + slot) % 26)) + "#" +
           std::to_string(i);
}

// Sets a new text and makes the note save it, as fast as the note answers, until the note
// is gone. WM_ENDSESSION saves at once, like a focus change, without moving the focus
// between the notes that run side by side.
class Saver {
public:
    Saver(HWND note, int slot) : m_note(note), m_slot(slot) {
        m_thread = std::thread([this] { Run(); });
    }
    ~Saver() { m_thread.join(); }
    // The texts sent so far; the file may hold any of them.
    std::set<std::string> Sent() {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_sent;
    }
    int Saves() const { return m_saves; }

private:
    void Run() {
        HWND edit = notes::EditOf(m_note);
        for (int i = 0;; ++i) {
            std::string text = TextFor(m_slot, i);
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                m_sent.insert(text);
            }
            DWORD_PTR result = 0;
            if (!SendMessageTimeoutA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                                     SMTO_ABORTIFHUNG, 2000, &result) ||
                !SendMessageTimeoutA(m_note, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF,
                                     SMTO_ABORTIFHUNG, 2000, &result)) {
                return; // the note is gone
            }
            ++m_saves;
        }
    }

    HWND m_note;
    int m_slot;
    std::mutex m_mutex;
    std::set<std::string> m_sent;
    std::atomic<int> m_saves{0};
    std::thread m_thread;
};

TEST_F(KillWhileSaving, NoteFileIsAlwaysOneWholeVersion) {
    std::mt19937 random(20240614);
    std::uniform_int_distribution<int> pause(0, 40);
    int kills = 0, savesBeforeKills = 0;
    for (int batch = 0; batch < kBatches; ++batch) {
        e2e::Process note[kNotesPerBatch];
        HWND window[kNotesPerBatch] = {};
        for (int slot = 0; slot < kNotesPerBatch; ++slot) {
            std::string name = "tkn" + std::to_string(slot + 1) + ".tkn";
            if (batch == 0) dir.Write(name, e2e::NoteFileBytes(PlaceOf(slot), "first"));
            note[slot] = Start(name);
        }
        for (int slot = 0; slot < kNotesPerBatch; ++slot) {
            window[slot] = notes::WaitForNote(note[slot]);
            ASSERT_NE(nullptr, window[slot]) << "batch " << batch << " note " << slot;
        }
        for (int slot = 0; slot < kNotesPerBatch; ++slot) {
            std::string name = "tkn" + std::to_string(slot + 1);
            // Whatever the file held when this process read it is a version it may keep.
            std::string before = dir.Read(name + ".tkn");
            std::set<std::string> sent;
            int saves = 0;
            {
                Saver saver(window[slot], slot);
                // From the first save on, the kill falls anywhere in the saves that follow.
                e2e::WaitUntil([&] { return saver.Saves() > 0; }, 5000);
                Sleep(pause(random));
                note[slot].Kill();
                ++kills;
                saves = saver.Saves();
                sent = saver.Sent();
            }
            savesBeforeKills += saves;
            std::string after = dir.Read(name + ".tkn");
            bool whole = after == before;
            for (const std::string& text : sent)
                whole = whole || after == e2e::NoteFileBytes(PlaceOf(slot), text);
            ASSERT_TRUE(whole) << "batch " << batch << " note " << slot << " after " << saves
                               << " saves: " << after.size() << " bytes: " << after.substr(0, 60);
            // The settings never change, so every version of that file is the same; it is
            // missing only until the note's first save.
            std::string ini = dir.Read(name + ".ini");
            ASSERT_TRUE(ini.empty() || ini == notes::BuiltInSettingsBytes(320, 240))
                << "batch " << batch << " note " << slot << ": " << ini;
        }
    }
    EXPECT_EQ(kBatches * kNotesPerBatch, kills);
    // Kills that came before the first save would prove nothing.
    EXPECT_GT(savesBeforeKills, kills) << "saves: " << savesBeforeKills;
    // Killed saves may leave their temporary files, but never another note file.
    for (const std::string& name : dir.List("*.tkn"))
        EXPECT_EQ(8u, name.size()) << name;
}

} // namespace
