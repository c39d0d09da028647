#pragma once
// The options of tarvolin --list, read from the command line, and the help
// text of the whole program.

#include "calc/date.h"
#include "stafflist/year_reports.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvolin {

inline constexpr std::string_view listUsage =
    "Aufruf: tarvolin --list DATEI [--reference-date TT.MM.JJJJ] [--today TT.MM.JJJJ]\n"
    "                       [--anniversaries JJJJ | --retirements JJJJ] [--output NAME.csv|NAME.pdf|NAME.ics]\n"
    "        tarvolin --list DATEI --letters [--letter jda|beschaeftigungszeit] [--anniversaries JJJJ |\n"
    "                       --retirements JJJJ] --output NAME.pdf\n"
    "        (DATEI \"-\" liest die Standardeingabe; tarvolin --help erklärt alles)\n";

// The years a report may be asked for.
inline constexpr int firstReportYear = 1930;
inline constexpr int lastReportYear = 2060;

struct ListOptions {
    std::string input;                  // "-" for standard input
    std::optional<Date> referenceDate;
    std::optional<Date> today;
    std::optional<ReportKind> report;
    int year = 0;                       // of the report
    std::string output;                 // empty: standard output
    bool pdf = false;
    bool ics = false;                   // a report's dates as a calendar file
    bool letters = false;               // a letter for each row instead of a table
    bool jdaLetters = true;             // the JDA letter; else the Beschäftigungszeit
};

// `args` start with "--list". `error` is empty when they are understood, else
// says in German what is wrong.
ListOptions parseListOptions(const std::vector<std::string>& args, std::string& error);

// The German help text of `tarvolin --help`: every mode of the program.
std::string programHelp();

} // namespace tarvolin
