#include "stafflist/computation/year_reports.h"


#include <algorithm>
#include <array>
#include <cctype>

namespace tarvolin {

// "Öztürk" and "oeztuerk" are not the same, but "Öztürk" sorts with "Oz...":
// lower case, umlauts as their base letters, ß as ss, anything else as it is.
std::string nameKey(std::string_view name)
{
    struct Fold {
        std::string_view from, to;
    };
    static constexpr Fold folds[] = {{"ä", "a"}, {"Ä", "a"}, {"ö", "o"}, {"Ö", "o"}, {"ü", "u"},
                                     {"Ü", "u"}, {"ß", "ss"}, {"é", "e"}, {"è", "e"}, {"É", "e"}};
    std::string key;
    for (std::size_t i = 0; i < name.size();) {
        bool folded = false;
        for (const Fold& f : folds)
            if (name.substr(i).starts_with(f.from)) {
                key += f.to;
                i += f.from.size();
                folded = true;
                break;
            }
        if (!folded)
            key.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(name[i++]))));
    }
    return key;
}

namespace {

// Personnel numbers of digits sort as numbers: 9 before 10.
std::string numberKey(std::string_view n)
{
    const bool digits = !n.empty() && n.size() < 30
                        && std::all_of(n.begin(), n.end(), [](char c) { return c >= '0' && c <= '9'; });
    return digits ? std::string(30 - n.size(), '0') + std::string{n} : "~" + nameKey(n);
}

constexpr std::array<ResultColumn, 3> anniversaryColumns{col25, col40, col50};
constexpr std::array<int, 3> anniversaryYears{25, 40, 50};

// The columns a report carries after its date (and the anniversary), in
// the order of the result table.
std::vector<std::size_t> reportColumns(ReportKind kind)
{
    const unsigned wanted = kind == ReportKind::Anniversaries ? inAnniversaries : inRetirements;
    std::vector<std::size_t> columns;
    for (const ResultColumnSpec& c : resultColumns)
        if ((c.reports & wanted) != 0)
            columns.push_back(c.id);
    return columns;
}

} // namespace

void YearReport::add(const ResultLine& line, std::size_t source)
{
    static const std::vector<std::size_t> anniversaryCarried = reportColumns(ReportKind::Anniversaries);
    static const std::vector<std::size_t> retirementCarried = reportColumns(ReportKind::Retirements);
    auto addEntry = [&](std::optional<Date> day, int years, std::vector<ResultCell> fields) {
        if (!day || day->year() != year_)
            return;
        for (std::size_t c : kind_ == ReportKind::Anniversaries ? anniversaryCarried : retirementCarried) {
            fields.push_back(line[c]);
            if (c == colFirstName)
                for (const Extra& e : with_)
                    fields.emplace_back(e.carried < line.carried.size() ? line.carried[e.carried] : std::string{});
        }
        const std::string& number = line.text(colPersonnelNumber);
        const std::string& name = line.text(colName);
        const std::string& firstName = line.text(colFirstName);
        Occasion occasion{*day, years, number, name, firstName, line.date(colBirthday)};
        entries_.push_back({source, day->serial(), nameKey(name), nameKey(firstName), numberKey(number),
                            std::move(fields), std::move(occasion)});
    };
    if (kind_ == ReportKind::Retirements) {
        const std::optional<Date> day = line.date(colRetirementDate);
        addEntry(day, 0, {line[colRetirementDate]});
        return;
    }
    for (std::size_t a = 0; a < anniversaryColumns.size(); ++a) {
        const ResultColumn c = anniversaryColumns[a];
        if (line[c + 1] != ResultCell{Reached::Yes})
            continue;
        addEntry(line.date(c), anniversaryYears[a], {line[c], Count{anniversaryYears[a]}});
    }
}

std::string YearReport::title() const
{
    return (kind_ == ReportKind::Anniversaries ? "Dienstjubiläen " : "Erreichen der Altersgrenze ")
           + std::to_string(year_);
}

std::vector<std::string_view> YearReport::header() const
{
    std::vector<std::string_view> heads{"Datum"};
    if (kind_ == ReportKind::Anniversaries)
        heads.emplace_back("Jubiläum");
    for (std::size_t c : reportColumns(kind_)) {
        heads.push_back(resultColumns[c].header);
        if (c == colFirstName)
            for (const Extra& e : with_)
                heads.emplace_back(e.header);
    }
    return heads;
}

std::vector<const YearReport::Entry*> YearReport::order() const
{
    std::vector<const Entry*> order;
    order.reserve(entries_.size());
    for (const Entry& e : entries_)
        order.push_back(&e);
    // Stable: two entries alike in all keys keep the order of the table.
    std::stable_sort(order.begin(), order.end(), [](const Entry* a, const Entry* b) {
        return std::tie(a->dayNumber, a->nameKey, a->firstNameKey, a->numberKey)
               < std::tie(b->dayNumber, b->nameKey, b->firstNameKey, b->numberKey);
    });
    return order;
}

std::vector<std::vector<ResultCell>> YearReport::sortedLines() const
{
    std::vector<std::vector<ResultCell>> lines;
    lines.reserve(entries_.size());
    for (const Entry* e : order())
        lines.push_back(e->fields);
    return lines;
}

std::vector<std::size_t> YearReport::sortedSources() const
{
    std::vector<std::size_t> sources;
    sources.reserve(entries_.size());
    for (const Entry* e : order())
        sources.push_back(e->source);
    return sources;
}

std::vector<Occasion> YearReport::sortedOccasions() const
{
    std::vector<Occasion> occasions;
    occasions.reserve(entries_.size());
    for (const Entry* e : order())
        occasions.push_back(e->occasion);
    return occasions;
}

} // namespace tarvolin
