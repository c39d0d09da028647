// The year reports: only anniversaries that fall in the year and are reached,
// everyone whose retirement date falls in the year, sorted by date, then
// name (ä as a, ignoring case), first name and personnel number; rows that
// cannot be computed are named on standard error and give exit status 1.

#include "stafflist/command/list_command.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tarvolin {
namespace {

// Four people with their 25-year anniversary on 01.04.2027 (pay start
// 01.04.2002), one whose 40th on 01.04.2027 is not reached (retired before),
// one that cannot be computed, one who retires in 2027.
constexpr std::string_view staff = "Personalnummer;Name;Vorname;Geburtstag;Dienstbezüge ab;Ruhestandsalter\n"
                                   "10;Öztürk;Ayşe;01.01.1975;01.04.2002;\n"
                                   "9;ochs;Bernd;01.01.1976;01.04.2002;\n"
                                   "11;Ochs;Anna;01.01.1977;01.04.2002;\n"
                                   "2;Ochs;Anna;01.01.1978;01.04.2002;\n"
                                   "5;Alt;Otto;01.01.1960;01.04.1987;63/0\n"
                                   "7;Ohne;Datum;;01.04.2002;\n"
                                   "12;Bald;Berta;15.03.1961;01.04.1990;66/0\n";

struct ListRun {
    int status;
    std::string out, err;
};

ListRun list(const std::string& report)
{
    std::istringstream in{std::string{staff}};
    std::ostringstream out, err;
    const int status =
        runStaffListCommand({"--list", "-", "--today", "07.12.2026", report, "2027"}, {in, out, err, false}, {});
    return {status, out.str(), err.str()};
}

TEST(YearReports, AnniversariesReachedInTheYearInTheirOrder)
{
    const ListRun r = list("--anniversaries");
    EXPECT_EQ(r.status, listWithUncomputedRows);
    EXPECT_EQ(r.out, "\xEF\xBB\xBF"
                     "Datum;Jubiläum;Personalnummer;Name;Vorname;JDA-Beginn\r\n"
                     "01.04.2027;25;2;Ochs;Anna;01.04.2002\r\n"
                     "01.04.2027;25;11;Ochs;Anna;01.04.2002\r\n"
                     "01.04.2027;25;9;ochs;Bernd;01.04.2002\r\n"
                     "01.04.2027;25;10;Öztürk;Ayşe;01.04.2002\r\n");
    EXPECT_NE(r.err.find("Geburtstag fehlt; die Zeile wird nicht berechnet (Zeile 7: 7 Ohne, Datum)"), std::string::npos)
        << r.err;
}

TEST(YearReports, RetirementsInTheYear)
{
    const ListRun r = list("--retirements");
    // Otto Alt, born 01.01.1960, retires at 63/0 on 01.01.2023: not in 2027.
    EXPECT_EQ(r.out, "\xEF\xBB\xBF"
                     "Datum;Personalnummer;Name;Vorname;Geburtstag;Ruhestandsalter\r\n"
                     "15.03.2027;12;Bald;Berta;15.03.1961;66/0\r\n");
}

} // namespace
} // namespace tarvolin
