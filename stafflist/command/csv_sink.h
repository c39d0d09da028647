#pragma once
// Where the staff list's CSV text goes: standard output, or a file that
// appears under its name only when it is complete (it is written through a
// SafeFile: a temporary file next to it, renamed at the end; a sink given up
// on removes it).

#include "output/safe_file.h"

#include <optional>
#include <ostream>
#include <string>

namespace tarvolin {

class CsvSink {
public:
    // An empty path writes to `out`.
    CsvSink(std::ostream& out, std::string path) : out_{&out}, path_{std::move(path)} {}
    CsvSink(const CsvSink&) = delete;
    CsvSink& operator=(const CsvSink&) = delete;

    // Empty text, or why the file cannot be written.
    std::string open();
    // The text not yet written.
    std::string& text() { return text_; }
    // Writes the text out once it has grown large.
    void flushIfFull();
    // Writes the rest and puts the file in place. Empty text, or what failed.
    std::string finish();

private:
    void flush();
    std::string failed(const WriteFailure& failure) const;

    std::ostream* out_;
    std::string path_;
    std::optional<SafeFile> file_;
    std::string text_;
};

// A whole text (a CSV, a calendar file) into a file that appears under its
// name only when it is complete, by way of a CsvSink. Empty text, or what
// failed.
std::string writeTextFile(const std::string& path, std::string text);

} // namespace tarvolin
