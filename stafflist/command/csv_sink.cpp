#include "stafflist/command/csv_sink.h"

#include "calc/german_quotes.h"

#include <sstream>

namespace tarvolin {

namespace {

constexpr std::size_t flushAt = 1 << 16;

} // namespace

std::string CsvSink::failed(const WriteFailure& failure) const
{
    return "Die Datei " + inQuotes(path_) + " kann nicht geschrieben werden. " + failure.sentence();
}

std::string CsvSink::open()
{
    if (path_.empty())
        return {};
    file_.emplace(path_, FileOptions{.refuseReadOnly = true});
    if (!file_->ok())
        return failed(*file_->failure());
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
    if (!file_) {
        out_->flush();
        return *out_ ? std::string{} : "Die Standardausgabe kann nicht geschrieben werden.";
    }
    if (const WriteResult written = file_->commit(); !written)
        return failed(*written.failure);
    return {};
}

void CsvSink::flush()
{
    if (file_)
        file_->write(text_);
    else
        out_->write(text_.data(), static_cast<std::streamsize>(text_.size()));
    text_.clear();
}

std::string writeTextFile(const std::string& path, std::string text)
{
    std::ostringstream unused;
    CsvSink sink{unused, path};
    if (std::string e = sink.open(); !e.empty())
        return e;
    sink.text() = std::move(text);
    return sink.finish();
}

} // namespace tarvolin
