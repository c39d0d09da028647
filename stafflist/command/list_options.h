#pragma once
// The options of tarvolin --list, read from the command line, and the help
// text of the whole program.

#include "calc/date.h"
#include "stafflist/computation/year_reports.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvolin {

inline constexpr std::string_view listUsage =
    "Aufruf: tarvolin --list DATEI [--sheet BLATT] [--columns ZUORDNUNG] [--reference-date TT.MM.JJJJ]\n"
    "                       [--today TT.MM.JJJJ] [--anniversaries JJJJ | --retirements JJJJ] [--with SPALTE]\n"
    "                       [--output NAME.csv|NAME.xlsx|NAME.pdf|NAME.ics]\n"
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
    bool xlsx = false;
    std::string sheet;                  // of a workbook; empty: the first
    std::string columns;                // the mapping file; empty: none
    std::vector<std::string> with;      // carried columns the report shows
};

// `args` start with "--list". `error` is empty when they are understood, else
// says in German what is wrong.
ListOptions parseListOptions(const std::vector<std::string>& args, std::string& error);

// The German help text of `tarvolin --help`: every mode of the program.
std::string programHelp();

} // namespace tarvolin
