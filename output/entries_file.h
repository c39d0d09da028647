#pragma once
// The entries file on disk: reading it at start-up and replacing it when the
// case is saved. It moves bytes only; the record's layout is saved_entries.h.
// Failures come back as values: a German sentence that says what failed and
// where, ready for a message box; nothing is thrown.

#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace tarvolin {

struct EntriesFileRead {
    std::vector<unsigned char> bytes; // at most the first 1292 bytes of the file
    std::string failure;              // "" when the file could be read or created
};

// Reads the start of the file, at most one record. A missing file is created
// empty, as the program's first start leaves it. Something that is not a
// regular file (a folder, a pipe) is not read and counts as a failure.
EntriesFileRead readEntriesFile(const std::filesystem::path& path);

// Replaces the file by these bytes so that it holds either its old contents or
// all the new ones, whatever happens: the bytes go to a new file in the same
// folder, are flushed to the disk, and that file is renamed over the old one.
// On failure the old file is untouched and no new file is left behind.
// Returns "" on success, else the German sentence.
std::string saveEntriesFile(const std::filesystem::path& path, std::span<const unsigned char> bytes);

} // namespace tarvolin
