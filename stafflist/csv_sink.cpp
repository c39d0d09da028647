#include "stafflist/csv_sink.h"

#include "calc/german_quotes.h"

#include <filesystem>
#include <sstream>
#include <system_error>

namespace tarvolin {

namespace {

constexpr std::size_t flushAt = 1 << 16;

} // namespace

CsvSink::~CsvSink()
{
    if (file_.is_open()) {
        file_.close();
        std::error_code ignored;
        std::filesystem::remove(partPath(), ignored);
    }
}

std::string CsvSink::open()
{
    if (path_.empty())
        return {};
    file_.open(partPath(), std::ios::binary | std::ios::trunc);
    if (!file_)
        return "Die Datei " + inQuotes(path_) + " kann nicht geschrieben werden.";
    out_ = &file_;
    return {};
}

void CsvSink::flushIfFull()
{
    if (text_.size() >= flushAt)
        flush();
}

std::string CsvSink::finish()
{
    flush();
    out_->flush();
    if (!*out_)
        return path_.empty() ? "Die Standardausgabe kann nicht geschrieben werden."
                             : "Die Datei " + inQuotes(path_) + " kann nicht geschrieben werden.";
    if (path_.empty())
        return {};
    file_.close();
    std::error_code error;
    std::filesystem::rename(partPath(), path_, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(partPath(), ignored);
        return "Die Datei " + inQuotes(path_) + " kann nicht geschrieben werden: " + error.message();
    }
    return {};
}

void CsvSink::flush()
{
    out_->write(text_.data(), static_cast<std::streamsize>(text_.size()));
    text_.clear();
}

std::string writeCsvFile(const std::string& path, std::string text)
{
    std::ostringstream unused;
    CsvSink sink{unused, path};
    if (std::string e = sink.open(); !e.empty())
        return e;
    sink.text() = std::move(text);
    return sink.finish();
}

} // namespace tarvolin
