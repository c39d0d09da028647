#pragma once
// The two reports for planning a year: the 25-, 40- and 50-year anniversaries
// that fall in the year and are reached, and everyone who reaches the
// retirement age in use in the year. Only the report's lines are held, never
// the whole list; they come out sorted by date, then name, first name and
// personnel number (names compared without regard to case, ä as a, ß as ss).

#include "calc/date.h"
#include "stafflist/computation/staff_result.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvolin {

enum class ReportKind { Anniversaries, Retirements };

// One date of a report: whose, which, and when; for the calendar file and
// the printed months.
struct Occasion {
    Date day;
    int years = 0; // 25, 40 or 50 for an anniversary; 0 for the age limit
    std::string personnelNumber, name, firstName;
    std::optional<Date> birthday;
};

class YearReport {
public:
    // `with`: carried columns (their index in ResultLine::carried, and head)
    // that the report shows after the names.
    struct Extra {
        std::size_t carried;
        std::string header;
    };
    YearReport(ReportKind kind, int year, std::vector<Extra> with = {}) : kind_{kind}, year_{year}, with_{std::move(with)} {}

    ReportKind kind() const { return kind_; }
    int year() const { return year_; }

    // Takes what belongs to the report from one computed line of the list;
    // `source` names the line (the window's row), for sortedSources.
    void add(const ResultLine& line, std::size_t source = 0);

    std::string title() const;
    std::vector<std::string_view> header() const;
    // The lines in their order; each as many cells as header(): the date,
    // for anniversaries their years, then the columns of the result table
    // the report carries.
    std::vector<std::vector<ResultCell>> sortedLines() const;
    // The source of each line, in the same order.
    std::vector<std::size_t> sortedSources() const;
    // What each line stands for, in the same order.
    std::vector<Occasion> sortedOccasions() const;
    std::size_t size() const { return entries_.size(); }

private:
    struct Entry {
        std::size_t source;
        int dayNumber;
        std::string nameKey, firstNameKey, numberKey;
        std::vector<ResultCell> fields;
        Occasion occasion;
    };
    std::vector<const Entry*> order() const;

    ReportKind kind_;
    int year_;
    std::vector<Extra> with_;
    std::vector<Entry> entries_;
};

// A name as reports and the window sort it: lower case, ä as a,
// ß as ss ("Öztürk" gives "ozturk").
std::string nameKey(std::string_view name);

} // namespace tarvolin
