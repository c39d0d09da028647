#pragma once
// The entries file on disk: reading it at start-up, clearing away what an
// interrupted save left behind, and replacing it when the case is saved, with
// the previous file kept as jda.txt.bak. It moves bytes only; the record's
// layout is saved_entries.h, and each new file is written by SafeFile
// (safe_file.h). Failures come back as values: a German reason or sentence,
// ready for a message box; nothing is thrown.
//
// The file holds personal data: a new one is readable by its owner only
// (0600), a saved one keeps the permission bits of the file it replaces but
// never setuid, setgid, sticky or execute bits (a 0400 file stays 0400).
// A symbolic link of that name
// is never read, never written through, and nothing is created where it points.

#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace tarvolin {

struct EntriesFileRead {
    std::vector<unsigned char> bytes; // at most the first 1292 bytes of the file
    // Why a file of that name is there but could not be read, in German
    // ("keine Berechtigung"); "" when it was read. A missing file is created
    // empty; when even that fails there is no case to lose and this stays "".
    std::string unreadable;
};

// Reads the start of the file, at most one record. A missing file is created
// empty (0600), as the program's first start leaves it. A symbolic link, a
// folder, a pipe or a file without read permission is not read.
EntriesFileRead readEntriesFile(const std::filesystem::path& path);

// Removes the temporary files that saves into this folder left behind when
// their process was killed: ".jda.txt.<process>.<random>.neu" and
// ".jda.txt.bak.<process>.<random>.neu" (a copy on its way to becoming the
// backup), owned by this user, whose process no longer runs. Anything else
// stays.
void removeLeftoverFiles(const std::filesystem::path& path);

// At start-up, before reading: what saves that were killed left behind. A
// complete case (one whole record) that such a save left while jda.txt is
// missing or empty, or that is newer than jda.txt, is what the user last
// saved: it is put in place by a save of its own (so that jda.txt, if there
// is one, becomes jda.txt.bak). Then the leftovers are removed: each one is
// now incomplete, older than jda.txt, or put back. Returns the German
// sentence that tells the user a case was put back, or "".
std::string recoverInterruptedSave(const std::filesystem::path& path);

// The steps of a save, in their order. Keeping the previous file tries a
// hard link first, then a copy of its bytes, and moves the file itself into
// place when it can be neither linked nor read.
enum class SaveStep {
    CreateTemporary, // a new file with an unpredictable name next to jda.txt
    SetMode,         // its permission bits
    Write,
    Flush,           // to the disk
    Close,
    LinkPrevious,    // a second name for the previous jda.txt
    CopyPrevious,    // reading it, when the link was refused
    PlaceBackup,     // that name (or the file itself) becomes jda.txt.bak
    Replace,         // the new file becomes jda.txt
};
// Called before each step; a non-zero errno makes that step fail with it.
// Lets tests make faults that the machine cannot make on demand.
using SaveStepHook = std::function<int(SaveStep)>;

// Replaces the file by these bytes so that it holds either its old contents or
// all the new ones, whatever happens: the bytes go to a new file in the same
// folder, are flushed to the disk, the previous file becomes jda.txt.bak
// (replacing the older one in one step), and the new file is renamed over
// jda.txt. A missing or empty jda.txt holds no case, and the older backup then
// stays. On failure jda.txt is untouched and no new file is left behind.
// Saves into one folder never run at the same time: each holds a lock on the
// folder (flock) from the backup to the replacement, and a save that cannot
// have it within a few seconds says that the case is being saved elsewhere.
// Returns "" on success, else the German sentence.
std::string saveEntriesFile(const std::filesystem::path& path, std::span<const unsigned char> bytes,
                            const SaveStepHook& beforeStep = {});

// Where the previous file is kept: the name with ".bak" added.
std::filesystem::path backupPath(const std::filesystem::path& path);

} // namespace tarvolin
