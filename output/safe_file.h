#pragma once
// SafeFile: the one way this program writes a file. The bytes go to a new
// file of an unpredictable name in the target's folder
// (".NAME.<process>.<random>.neu"), created exclusively and never through a
// symbolic link, readable by its owner only; they are flushed to the disk,
// and only then does the file take the target's name by a rename, so that
// the name always holds either the old file whole or the new one whole. The
// old file is never deleted first. Whatever fails, the temporary file goes
// away and the caller gets a value that says which step failed, with the
// German reason; nothing is thrown. SIGTERM and SIGINT remove the temporary
// files of writes in progress before they end the program, and a write
// clears away what killed writes of the same target left behind.
//
// Two ways to fill it: write() streams bytes through it; a library that
// insists on opening a file by name (a PDF writer, a printer, a spreadsheet
// writer) is given temporaryPath() (or descriptor()), and the caller commits
// once the library is done, or calls fail() when the library reported one.
//
//   SafeFile file{"liste.csv"};
//   file.write(header); file.write(rows);
//   if (const WriteResult r = file.commit(); !r) show(r.failure->sentence());

#include <sys/types.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarvolin {

// The steps of writing a file, in their order.
enum class WriteStep {
    CheckTarget,     // an existing read-only target is refused (only when asked for)
    CreateTemporary, // the new file next to the target (once per name tried)
    SetMode,         // its permission bits
    Write,           // once per write()
    Flush,           // to the disk
    Close,
    Replace,         // the new file takes the target's name
};

// Called before each step; a non-zero errno makes that step fail with it.
// Lets tests make faults that the machine cannot make on demand.
using WriteStepHook = std::function<int(WriteStep)>;

struct FileOptions {
    // The permission bits of a new file. A file that replaces a regular file
    // takes over that one's read and write bits instead (never its execute,
    // setuid, setgid or sticky bits): replacing never opens a file to more
    // people than before.
    mode_t newMode = 0600;
    // False: the file gets newMode whatever it replaces.
    bool keepTargetMode = true;
    // True: a target that its owner may not write (0444) is not replaced;
    // the failure says so. The user chose a file name; a read-only file
    // there was made so on purpose.
    bool refuseReadOnly = false;
    WriteStepHook beforeStep = {};
};

// What failed; the target is exactly as it was before.
struct WriteFailure {
    WriteStep step = WriteStep::CreateTemporary;
    int error = 0; // the errno of the failure
    std::filesystem::path target;
    std::filesystem::path temporary;

    // What failed, as a German sentence without its end:
    // "Die neue Datei „/a/.b.csv.17.3f.neu“ ließ sich nicht schreiben".
    std::string what() const;
    // Why, in German: "der Datenträger ist voll".
    std::string reason() const;
    // Both: "<what> (<reason>)."
    std::string sentence() const;
};

// What a commit did: the target holds the new bytes, in a new file or in
// place of an earlier one; or it failed, and the target is untouched.
struct WriteResult {
    std::optional<WriteFailure> failure;
    bool replaced = false; // an earlier file of the target's name was replaced
    explicit operator bool() const { return !failure; }
};

class SafeFile {
public:
    // Creates the temporary file at once; failure() tells when that failed.
    explicit SafeFile(std::filesystem::path target, FileOptions options = {});
    // A temporary file that was not committed is removed.
    ~SafeFile();
    SafeFile(const SafeFile&) = delete;
    SafeFile& operator=(const SafeFile&) = delete;

    // False once anything has failed; failure() then says what.
    bool ok() const { return !failure_; }
    const std::optional<WriteFailure>& failure() const { return failure_; }
    const std::filesystem::path& target() const { return target_; }
    // Where a library may write by name until the commit.
    const std::filesystem::path& temporaryPath() const { return temporary_; }
    // The open temporary file, for a library that writes to a descriptor;
    // -1 after a failure or once sealed. It stays owned by this object.
    int descriptor() const { return fd_; }

    // Appends the bytes; false once anything has failed.
    bool write(std::span<const unsigned char> bytes);
    bool write(std::string_view text);
    // A library writing through the path or the descriptor reported a
    // failure: the file will not be committed. `error` is the errno if known.
    void fail(WriteStep step, int error);

    // Flushes the file to the disk and closes it; it is complete under its
    // temporary name. commit() does this itself.
    bool seal();
    // Seals, then renames the file over the target and flushes the folder.
    WriteResult commit();
    // Seals, then gives the file the name `name` (in the same folder) only if
    // nothing of that name exists. When something does, the failure's error
    // is EEXIST and the file stays, so that another name can be tried.
    WriteResult commitNew(const std::filesystem::path& name);
    // Removes the temporary file; nothing will be written.
    void discard();

private:
    bool step(WriteStep step, const std::function<bool()>& call);
    void failWith(WriteStep step, int error);

    std::filesystem::path target_;
    std::filesystem::path temporary_;
    FileOptions options_;
    mode_t mode_ = 0600;
    int fd_ = -1;
    int slot_ = -1; // among the writes in progress that a signal cleans up
    bool sealed_ = false;
    bool committed_ = false;
    std::optional<WriteFailure> failure_;
};

// The whole text into a file by way of a SafeFile.
WriteResult writeFileSafely(const std::filesystem::path& target, std::span<const unsigned char> bytes,
                            FileOptions options = {});

// Removes what writes of this target left behind when their process was
// killed: ".NAME.<process>.<random>.neu", owned by this user, whose process
// no longer runs. Anything else stays.
void removeLeftoverTemporaries(const std::filesystem::path& target);

// What killed writes of this target left behind: ".NAME.<process>.<random>.neu"
// files owned by this user whose process no longer runs.
std::vector<std::filesystem::path> leftoverTemporaries(const std::filesystem::path& target);

// The name of a new temporary file of this process for the target:
// ".NAME.4711.9f3c07a1b2d4e5f6.neu" in the target's folder.
std::filesystem::path temporaryPathFor(const std::filesystem::path& target);

// Whether the two names lead to the same file, also through links; false
// when either cannot be looked at.
bool isSameFile(const std::filesystem::path& a, const std::filesystem::path& b);

// Makes the folder and any missing folder above it, each one made here
// readable by its owner only (0700), whatever the umask; folders that exist
// keep their bits. 0, or the errno of the failure.
int makePrivateFolders(const std::filesystem::path& folder);

// Creates the file empty for its owner only (0600) when it is missing, so
// that a library writing it later (a settings file) keeps those bits; an
// existing file, or a link of that name, is left alone. Its folders are made
// as makePrivateFolders makes them.
void makePrivateFile(const std::filesystem::path& file);

// The target's folder ("." for a bare name).
std::filesystem::path folderOf(const std::filesystem::path& target);

} // namespace tarvolin
