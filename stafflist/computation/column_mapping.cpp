#include "stafflist/computation/column_mapping.h"

#include "stafflist/computation/input_columns.h"
#include "stafflist/tables/table_text.h"

namespace tarvolin {

std::optional<std::size_t> inputSlotNamed(std::string_view name)
{
    const auto match = matchHeader(name);
    if (!match || (perPeriod(inputColumns[match->column]) && match->period > periodRows))
        return std::nullopt;
    return slotOf(match->column, match->period);
}

ColumnMapping parseColumnMapping(std::string_view text, std::string& problem)
{
    ColumnMapping mapping;
    problem.clear();
    int number = 0;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        ++number;
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (number == 1 && line.starts_with("\xEF\xBB\xBF"))
            line.remove_prefix(3);
        line = trimmedField(line);
        if (line.empty() || line.starts_with('#'))
            continue;
        const auto equals = line.find('=');
        const std::string where = "Zeile " + std::to_string(number) + " " + inQuotes(line) + ": ";
        if (equals == std::string_view::npos) {
            problem = where + "es fehlt das Gleichheitszeichen (Eingabe = Spalte der Tabelle)";
            return {};
        }
        const std::string_view input = trimmedField(line.substr(0, equals));
        std::string_view header = trimmedField(line.substr(equals + 1));
        const auto slot = inputSlotNamed(input);
        if (!slot) {
            problem = where + inQuotes(input) + " ist keine Eingabe von Tarvolin (etwa Geburtstag, Dienstbezüge ab, "
                      + "Vorzeit 1 von)";
            return {};
        }
        if (header == notPresent)
            header = {};
        for (const ColumnChoice& c : mapping)
            if (c.slot == *slot) {
                problem = where + inQuotes(slotName(slotAt(*slot))) + " ist schon einmal zugeordnet";
                return {};
            }
        mapping.push_back({*slot, std::string{header}});
    }
    return mapping;
}

std::string columnMappingText(const ColumnMapping& mapping)
{
    std::string text;
    for (const ColumnChoice& c : mapping)
        text += slotName(slotAt(c.slot)) + " = " + (c.header.empty() ? std::string{notPresent} : c.header) + "\n";
    return text;
}

} // namespace tarvolin
