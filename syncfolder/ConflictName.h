#pragma once
// The names sync services give a note file when two PCs changed it at once, and the note
// name such a copy is adopted under. Names only; no file is touched here.

#include <string>

// What a conflict copy's name says.
struct ConflictCopy {
    std::string original;  // the copied file's name: "tkn4.tkn"
    std::string stem;      // the copy's name without its extension, shared by .tkn and .ini
    std::string extension; // as in the copy's name: "tkn", "ini"
};

// Recognises, for any extension:
//   tkn4.sync-conflict-20261209-101112-ABC1234.tkn   (Syncthing)
//   tkn4 (conflicted copy 2026-12-09).tkn            (Dropbox, Nextcloud; also "Jane's
//                                                     conflicted copy", "conflict copy")
//   tkn4_conflict-20261209-101112.tkn                (ownCloud)
//   tkn4-OFFICEPC.tkn                                (OneDrive: the PC's name appended)
// The last pattern fits many names; a caller adopts only files that hold a note, whose own
// name is no note name and whose original is one.
bool ParseConflictCopy(const std::string& name, ConflictCopy& copy);

// The base name ("tkn" and eight hex digits) a copy with that stem becomes a note under. It
// depends on nothing but the stem (in any letter case) and the attempt, so two PCs adopting
// the same copy pick the same name; a later attempt gives another name for a taken one.
std::string AdoptedBaseName(const std::string& stem, unsigned attempt);
