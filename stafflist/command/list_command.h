#pragma once
// tarvolin --list FILE: the command, its options and exit statuses.
//
//   tarvolin --list FILE|- [--reference-date TT.MM.JJJJ] [--today TT.MM.JJJJ]
//                          [--anniversaries JJJJ | --retirements JJJJ]
//                          [--output NAME.csv|NAME.pdf|NAME.ics]
//
// Exit status 0 when every row was computed; 1 when some rows could not be
// (the list is still written, those rows carry the reason); 2 when the
// command is wrong, the file cannot be read or has no usable header (a German
// message on standard error naming file and line; nothing is written).

#include "stafflist/command/list_writers.h"

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace tarvolin {

inline constexpr int listComplete = 0;
inline constexpr int listWithUncomputedRows = 1;
inline constexpr int listFailed = 2;

struct ListStreams {
    std::istream& in;   // the table when FILE is "-"
    std::ostream& out;  // the result when no --output is given
    std::ostream& err;
    bool errIsTerminal; // then a progress line is shown for long tables
};

// `arguments` are those after the program name, starting with "--list".
// `writers` are empty when the program was built without its window toolkit.
int runStaffListCommand(const std::vector<std::string>& arguments, ListStreams streams, const ListWriters& writers);

} // namespace tarvolin
