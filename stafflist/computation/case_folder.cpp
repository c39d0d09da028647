#include "stafflist/computation/case_folder.h"

#include <sys/stat.h>

namespace tarvolin {

namespace {

constexpr std::size_t longestName = 120;

// The text with every byte that a file name must not hold, or that a
// terminal or a file manager would act on, as "_".
std::string safeText(std::string_view text)
{
    std::string safe;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        safe += (byte < 0x20 || byte == 0x7F || c == '/' || c == '\\') ? '_' : c;
    }
    // Bidi overrides and isolates (U+202A..U+202E, U+2066..U+2069) would show
    // the name reversed; they become "_" too.
    struct Range {
        const char* lead; // the first two bytes of their UTF-8
        unsigned char first, last;
    };
    for (const Range r : {Range{"\xE2\x80", 0xAA, 0xAE}, Range{"\xE2\x81", 0xA6, 0xA9}}) {
        for (std::size_t at = 0; (at = safe.find(r.lead, at)) != std::string::npos;) {
            const auto third = at + 2 < safe.size() ? static_cast<unsigned char>(safe[at + 2]) : 0;
            if (third >= r.first && third <= r.last)
                safe.replace(at, 3, "_");
            else
                ++at;
        }
    }
    return safe;
}

std::string trimmed(std::string text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    text.erase(0, first);
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

// At most `limit` bytes, never cutting a UTF-8 character in two.
std::string cut(std::string text, std::size_t limit)
{
    if (text.size() <= limit)
        return text;
    std::size_t end = limit;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    text.resize(end);
    return text;
}

} // namespace

std::string caseFolderName(std::string_view personnelNumber, std::string_view name, std::string_view firstName,
                           std::string_view birthday)
{
    std::string folder = trimmed(safeText(personnelNumber));
    if (folder.empty()) {
        std::string parts;
        for (const std::string_view part : {name, firstName, birthday}) {
            const std::string p = trimmed(safeText(part));
            if (p.empty())
                continue;
            parts += (parts.empty() ? "" : ", ") + p;
        }
        folder = parts;
    }
    folder = cut(folder, longestName);
    while (!folder.empty() && (folder.front() == '.' || folder.front() == ' '))
        folder.erase(0, 1);
    folder = trimmed(folder);
    return folder.empty() ? std::string{"ohne Namen"} : folder;
}

std::filesystem::path caseFolderOf(const std::filesystem::path& cases, const ComputedList& list, std::size_t row)
{
    return cases / caseFolderName(list.text(row, colPersonnelNumber), list.text(row, colName),
                                  list.text(row, colFirstName), cellText(list.cell(row, colBirthday)));
}

bool hasSavedCase(const std::filesystem::path& folder)
{
    struct stat info{};
    return ::lstat((folder / "jda.txt").c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0;
}

} // namespace tarvolin
