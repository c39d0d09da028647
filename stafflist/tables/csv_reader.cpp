#include "stafflist/tables/csv_reader.h"

#include "output/windows1252.h"

#include <algorithm>
#include <array>
#include <span>

namespace tarvolin {

namespace {

constexpr std::size_t bufferSize = 1 << 16;
// A quoted field that runs on over this many bytes is taken as a quote that
// was never closed: no staff table holds such a field, and the record must
// not swallow the rest of the table.
constexpr std::size_t longestQuotedField = 1 << 20;

// The longest line read: 1 MiB, some thousand times a real staff row.
constexpr std::size_t longestLine = 1 << 20;

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view lineTooLong = "Zeile länger als 1 MiB; der Rest der Zeile wurde übergangen";
constexpr std::string_view unclosedQuote = "Anführungszeichen ohne schließendes Gegenstück";
constexpr std::string_view textAfterQuote = "Text nach dem schließenden Anführungszeichen";

// How many bytes the UTF-8 sequence starting at text[at] has, 0 when it is no
// valid sequence (overlong forms, surrogates and code points past U+10FFFF
// are not).
std::size_t sequenceLength(std::string_view text, std::size_t at)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char b = byte(at);
    if (b < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned low = 0x80;
    unsigned high = 0xBF;
    if (b >= 0xC2 && b <= 0xDF) {
        length = 2;
    } else if (b >= 0xE0 && b <= 0xEF) {
        length = 3;
        if (b == 0xE0)
            low = 0xA0;
        if (b == 0xED)
            high = 0x9F;
    } else if (b >= 0xF0 && b <= 0xF4) {
        length = 4;
        if (b == 0xF0)
            low = 0x90;
        if (b == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (at + length > text.size())
        return 0;
    if (byte(at + 1) < low || byte(at + 1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (byte(at + i) < 0x80 || byte(at + i) > 0xBF)
            return 0;
    return length;
}

// The separator that occurs most often in the header line outside quotes;
// 0 when none does. On a tie ";" goes before TAB before ",".
char separatorOf(std::string_view header)
{
    std::array<std::size_t, 3> counts{};
    constexpr std::array<char, 3> candidates{';', '\t', ','};
    bool quoted = false;
    for (char c : header) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted)
            for (std::size_t i = 0; i < candidates.size(); ++i)
                if (c == candidates[i])
                    ++counts[i];
    }
    const auto best = std::max_element(counts.begin(), counts.end());
    return *best == 0 ? '\0' : candidates[static_cast<std::size_t>(best - counts.begin())];
}

bool allEmpty(const std::vector<std::string>& fields)
{
    return std::all_of(fields.begin(), fields.end(),
                       [](const std::string& f) { return f.find_first_not_of(" \t") == std::string::npos; });
}

} // namespace

bool isValidUtf8(std::string_view bytes)
{
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t n = sequenceLength(bytes, at);
        if (n == 0)
            return false;
        at += n;
    }
    return true;
}

CsvReader::CsvReader(std::istream& in) : in_{in}, buffer_(bufferSize) {}

// One line of raw bytes without its line end.
bool CsvReader::rawLine(std::string& line)
{
    line.clear();
    bool got = false;
    for (;;) {
        if (bufferAt_ == bufferEnd_) {
            if (atEnd_)
                return got;
            in_.read(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
            bufferEnd_ = static_cast<std::size_t>(in_.gcount());
            bufferAt_ = 0;
            bytesRead_ += bufferEnd_;
            if (bufferEnd_ == 0) {
                atEnd_ = true;
                return got;
            }
        }
        if (pendingCr_) {
            pendingCr_ = false;
            if (buffer_[bufferAt_] == '\n')
                ++bufferAt_;
            continue;
        }
        const char* begin = buffer_.data() + bufferAt_;
        const char* end = buffer_.data() + bufferEnd_;
        const char* stop = std::find_if(begin, end, [](char c) { return c == '\n' || c == '\r'; });
        // A line longer than any staff table has is cut: its memory (some
        // times its size while it is split and typed) stays bounded, and the
        // record says so.
        line.append(begin, begin + std::min<std::size_t>(static_cast<std::size_t>(stop - begin),
                                                         longestLine - std::min(longestLine, line.size())));
        if (static_cast<std::size_t>(stop - begin) > 0 && line.size() >= longestLine)
            lineCut_ = true;
        got = true;
        if (stop == end) {
            bufferAt_ = bufferEnd_;
            continue;
        }
        bufferAt_ = static_cast<std::size_t>(stop - buffer_.data()) + 1;
        if (*stop == '\r') {
            if (bufferAt_ < bufferEnd_) {
                if (buffer_[bufferAt_] == '\n')
                    ++bufferAt_;
            } else {
                pendingCr_ = true;
            }
        }
        return true;
    }
}

// The next line as UTF-8, with its number.
bool CsvReader::nextLine(std::string& text, std::int64_t& number)
{
    if (!readAgain_.empty()) {
        number = readAgain_.front().first;
        text = std::move(readAgain_.front().second);
        readAgain_.pop_front();
        return true;
    }
    std::string raw;
    if (!rawLine(raw))
        return false;
    number = ++lineNumber_;
    if (number == 1 && std::string_view{raw}.starts_with(byteOrderMark))
        raw.erase(0, byteOrderMark.size());
    if (isValidUtf8(raw)) {
        text = std::move(raw);
    } else {
        windows1252_ = true;
        text = fromWindows1252(std::span{reinterpret_cast<const unsigned char*>(raw.data()), raw.size()});
    }
    return true;
}

// UTF-16 and UTF-32, told by their byte-order marks, or without one by the
// zero bytes that their ASCII letters bring ("P\0e\0" is UTF-16 LE).
CsvReader::Header CsvReader::encodingOfStart() const
{
    const auto byte = [&](std::size_t i) { return i < bufferEnd_ ? static_cast<unsigned char>(buffer_[i]) : 0x100u; };
    const unsigned b0 = byte(0), b1 = byte(1), b2 = byte(2), b3 = byte(3);
    if ((b0 == 0xFF && b1 == 0xFE && b2 == 0 && b3 == 0) || (b0 == 0 && b1 == 0 && b2 == 0xFE && b3 == 0xFF))
        return Header::Utf32;
    if ((b0 == 0xFF && b1 == 0xFE) || (b0 == 0xFE && b1 == 0xFF))
        return Header::Utf16;
    if (bufferEnd_ < 4)
        return Header::Read;
    if ((b0 != 0 && b1 == 0 && b2 == 0 && b3 == 0) || (b0 == 0 && b1 == 0 && b2 == 0 && b3 != 0))
        return Header::Utf32;
    if ((b0 != 0 && b1 == 0 && b2 != 0 && b3 == 0) || (b0 == 0 && b1 != 0 && b2 == 0 && b3 != 0))
        return Header::Utf16;
    return Header::Read;
}

CsvReader::Header CsvReader::readHeader(TableRecord& header)
{
    // The byte-order marks of UTF-16 (FF FE, FE FF) come first in the buffer.
    in_.read(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    bufferEnd_ = static_cast<std::size_t>(in_.gcount());
    bytesRead_ = bufferEnd_;
    atEnd_ = bufferEnd_ == 0;
    if (const Header wide = encodingOfStart(); wide != Header::Read)
        return wide;
    std::string first;
    std::int64_t number = 0;
    do {
        if (!nextLine(first, number))
            return Header::Empty;
    } while (first.find_first_not_of(" \t") == std::string::npos);
    if (std::string_view{first}.starts_with(byteOrderMark))
        return Header::DoubleByteOrderMark;
    // A header never runs over several lines: a quote left open in it is one
    // that was never closed, and it would hide the separators.
    if (std::count(first.begin(), first.end(), '"') % 2 != 0) {
        header.line = number;
        return Header::UnclosedQuote;
    }
    // Spreadsheets may put their separator into a first line of its own: "sep=;".
    if (first.size() == 5 && first.starts_with("sep=") && (first[4] == ';' || first[4] == ',' || first[4] == '\t')) {
        separator_ = first[4];
        if (!nextLine(first, number))
            return Header::Empty;
    } else {
        separator_ = separatorOf(first);
    }
    if (separator_ == '\0')
        return Header::NoSeparator;
    parseRecord(std::move(first), number, header);
    return Header::Read;
}

bool CsvReader::next(TableRecord& record)
{
    std::string first;
    std::int64_t number = 0;
    for (;;) {
        lineCut_ = false;
        if (!nextLine(first, number))
            return false;
        parseRecord(std::move(first), number, record);
        if (lineCut_ && record.problem.empty())
            record.problem = lineTooLong;
        if (!record.problem.empty() || !allEmpty(record.fields))
            return true;
    }
}

// Reads one field from text[at]; returns where the field ended (at the
// separator or the end of the text). A quoted field that is still open at
// the end of the text leaves `open` set.
std::size_t CsvReader::parseField(const std::string& text, std::size_t at, std::string& field, bool& open,
                                  std::string& problem)
{
    if (!open) {
        if (at < text.size() && text[at] == '"') {
            open = true;
            ++at;
        } else {
            const std::size_t end = std::min(text.find(separator_, at), text.size());
            field.append(text, at, end - at);
            return end;
        }
    }
    for (;;) {
        const std::size_t quote = text.find('"', at);
        if (quote == std::string::npos) {
            field.append(text, at, std::string::npos);
            return text.size();
        }
        field.append(text, at, quote - at);
        if (quote + 1 < text.size() && text[quote + 1] == '"') {
            field.push_back('"');
            at = quote + 2;
            continue;
        }
        open = false;
        at = quote + 1;
        break;
    }
    if (at < text.size() && text[at] != separator_) {
        // "abc"def: the rest up to the separator is kept as it stands.
        problem = textAfterQuote;
        const std::size_t end = std::min(text.find(separator_, at), text.size());
        field.append(text, at, end - at);
        at = end;
    }
    return at;
}

void CsvReader::parseRecord(std::string first, std::int64_t number, TableRecord& record)
{
    record.line = number;
    record.fields.clear();
    record.problem.clear();
    record.notes.clear();

    std::vector<std::pair<std::int64_t, std::string>> continued; // lines taken into a quoted field
    std::size_t continuedBytes = 0;
    std::string text = first;
    std::size_t at = 0;
    std::string field;
    bool open = false;
    for (;;) {
        at = parseField(text, at, field, open, record.problem);
        if (open) {
            std::string nextText;
            std::int64_t nextNumber = 0;
            if (continuedBytes <= longestQuotedField && nextLine(nextText, nextNumber)) {
                continuedBytes += nextText.size() + 1;
                field.push_back('\n');
                continued.emplace_back(nextNumber, nextText);
                text = std::move(nextText);
                at = 0;
                continue;
            }
            // The quote is never closed: the record is its first line alone,
            // the open field runs to that line's end, and the lines after it
            // are records of their own again.
            for (auto it = continued.rbegin(); it != continued.rend(); ++it)
                readAgain_.push_front(std::move(*it));
            record.fields.clear();
            record.problem = unclosedQuote;
            text = std::move(first);
            at = 0;
            field.clear();
            open = false;
            for (;;) {
                if (at < text.size() && text[at] == '"') {
                    std::string ignored;
                    bool stillOpen = false;
                    at = parseField(text, at, field, stillOpen, ignored);
                } else {
                    at = parseField(text, at, field, open, record.problem);
                }
                record.fields.push_back(std::move(field));
                field.clear();
                if (at >= text.size())
                    return;
                ++at;
            }
        }
        record.fields.push_back(std::move(field));
        field.clear();
        if (at >= text.size())
            return;
        ++at; // past the separator
        if (at == text.size()) {
            record.fields.emplace_back();
            return;
        }
    }
}

} // namespace tarvolin
