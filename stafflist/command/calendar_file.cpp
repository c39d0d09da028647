#include "stafflist/command/calendar_file.h"

#include "calc/date_text.h"

#include <cstdint>
#include <cstdio>

namespace tarvolin {

namespace ical {

std::string escaped(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        switch (c) {
        case '\\': out += "\\\\"; break;
        case ';': out += "\\;"; break;
        case ',': out += "\\,"; break;
        case '\n': out += "\\n"; break;
        case '\r':
            if (i + 1 < text.size() && text[i + 1] == '\n')
                break;
            out += "\\n";
            break;
        default:
            // A control character (a tab inside a name) is no part of a TEXT
            // value; a blank keeps the words it separates apart.
            out += static_cast<unsigned char>(c) >= 0x20 && c != 0x7F ? c : ' ';
        }
    }
    return out;
}

std::string folded(std::string_view line)
{
    constexpr std::size_t most = 75;
    std::string out;
    std::size_t width = most; // octets the first line may hold; a continuation's blank takes one
    while (line.size() > width) {
        std::size_t cut = width;
        // Back to the first octet of a character: never between the octets of one.
        while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80)
            --cut;
        out.append(line.substr(0, cut));
        out += "\r\n ";
        line.remove_prefix(cut);
        width = most - 1;
    }
    out.append(line);
    out += "\r\n";
    return out;
}

namespace {

// 64-bit FNV-1a: the same text always gives the same number.
std::uint64_t fingerprint(std::string_view text)
{
    std::uint64_t h = 14695981039346656037ull;
    for (const char c : text) {
        h ^= static_cast<unsigned char>(c);
        h *= 1099511628211ull;
    }
    return h;
}

// Letters, digits and "-" as they are, any other octet as "_" and its hex.
std::string uidPart(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if ((b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || b == '-') {
            out += c;
        } else {
            char hex[4];
            std::snprintf(hex, sizeof hex, "_%02X", b);
            out += hex;
        }
    }
    return out;
}

std::string basicDate(Date d)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02u%02u", d.year(), d.month(), d.day());
    return text;
}

std::string utcStamp(std::time_t t)
{
    std::tm parts{};
    gmtime_r(&t, &parts);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%dT%H%M%SZ", &parts);
    return text;
}

// TT.MM.JJJJ, or "" without a birthday.
std::string birthdayText(const Occasion& o) { return o.birthday ? germanDateText(*o.birthday) : std::string{}; }

std::string fullName(const Occasion& o)
{
    if (o.firstName.empty())
        return o.name;
    return o.name.empty() ? o.firstName : o.firstName + " " + o.name;
}

} // namespace

std::string uid(const Occasion& o)
{
    const std::string occasion = o.years == 0 ? "altersgrenze" : "jubilaeum-" + std::to_string(o.years);
    std::string person;
    if (!o.personnelNumber.empty()) {
        person = "pn-" + uidPart(o.personnelNumber);
    } else {
        char hex[20];
        const std::uint64_t f = fingerprint(o.name + '\x1F' + o.firstName + '\x1F' + birthdayText(o));
        std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(f));
        person = std::string{"p-"} + hex;
    }
    return occasion + "-" + person + "@tarvolin.de";
}

std::string summary(const Occasion& o)
{
    std::string text = o.years == 0 ? "Altersgrenze: " : std::to_string(o.years) + "-jähriges Dienstjubiläum: ";
    text += fullName(o);
    if (!o.personnelNumber.empty())
        text += " (" + o.personnelNumber + ")";
    return text;
}

} // namespace ical

namespace {

void contentLine(std::string& out, std::string_view name, std::string_view value)
{
    out += ical::folded(std::string{name} + ":" + std::string{value});
}

} // namespace

std::string calendarFile(const YearReport& report, std::time_t stamp)
{
    using namespace ical;
    const std::string now = utcStamp(stamp);
    std::string out;
    contentLine(out, "BEGIN", "VCALENDAR");
    contentLine(out, "VERSION", "2.0");
    contentLine(out, "PRODID", "-//Tarvolin//Personalliste//DE");
    contentLine(out, "CALSCALE", "GREGORIAN");
    contentLine(out, "METHOD", "PUBLISH");
    contentLine(out, "X-WR-CALNAME", escaped(report.title()));
    for (const Occasion& o : report.sortedOccasions()) {
        contentLine(out, "BEGIN", "VEVENT");
        contentLine(out, "UID", uid(o));
        contentLine(out, "DTSTAMP", now);
        contentLine(out, "DTSTART;VALUE=DATE", basicDate(o.day));
        contentLine(out, "DTEND;VALUE=DATE", basicDate(o.day.addDays(1)));
        contentLine(out, "SUMMARY", escaped(summary(o)));
        if (o.years == 0 && o.birthday)
            contentLine(out, "DESCRIPTION", escaped("Geburtstag " + germanDateText(*o.birthday)));
        contentLine(out, "TRANSP", "TRANSPARENT");
        contentLine(out, "END", "VEVENT");
    }
    contentLine(out, "END", "VCALENDAR");
    return out;
}

} // namespace tarvolin
