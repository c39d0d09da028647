#pragma once
// The two reports for planning a year: the 25-, 40- and 50-year anniversaries
// that fall in the year and are reached, and everyone who reaches the
// retirement age in use in the year. Only the report's lines are held, never
// the whole list; they come out sorted by date, then name, first name and
// personnel number (names compared without regard to case, ä as a, ß as ss).

#include "stafflist/staff_result.h"

#include <string>
#include <string_view>
#include <vector>

namespace tarvolin {

enum class ReportKind { Anniversaries, Retirements };

class YearReport {
public:
    YearReport(ReportKind kind, int year) : kind_{kind}, year_{year} {}

    // Takes what belongs to the report from one computed line of the list.
    void add(const ResultLine& line);

    std::string title() const;
    std::vector<std::string_view> header() const;
    // The lines in their order; each as many fields as header().
    std::vector<std::vector<std::string>> sortedLines() const;

private:
    struct Entry {
        int dayNumber;
        std::string nameKey, firstNameKey, numberKey;
        std::vector<std::string> fields;
    };
    ReportKind kind_;
    int year_;
    std::vector<Entry> entries_;
};

} // namespace tarvolin
