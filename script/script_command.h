#pragma once
// One line of a script, understood: which command, on which control, with
// which text. This only reads the line; whether the command can run now
// (is the window open?) is the runner's business.
//
// The lines, as the scripted window's users write them:
//   today 15/05/2008        answer yes | answer no      start     close    dump
//   focus Datum(5)          type Datum(5) 01/09/1980     type Eingabe(1) Wehrdienst
//   key Eingabe(1) Enter    key Eingabe(1) Backspace     key Eingabe(1) x
//   enter Datum(5)          date 5 01/09/1980            date 5 clear
//   click Altern            click box(3)                 click Opt(1)      click Label7

#include "calc/date.h"
#include "window/keys.h"

#include <string>
#include <string_view>

namespace tarvolin {

enum class ScriptCommand { Today, Answer, Start, Focus, Type, Key, Click, Close, Dump };

struct ScriptLine {
    enum class Status { Skip, Command, Error } status = Status::Skip;
    std::string error;          // Status::Error: what is wrong, in German

    ScriptCommand command = ScriptCommand::Start;
    int slot = -1;              // the control, as its place in the control table
    std::string text;           // Type: the text typed; Key/Character: the character
    Key key = Key::Character;
    bool pressEnter = false;    // Type: Enter follows (the command `date`)
    Date day;                   // Today
    bool yes = true;            // Answer
};

// Reads one line (without its line end; a trailing CR is ignored).
ScriptLine parseScriptLine(std::string_view line);

// Whether a text is a date text the script may type: ten characters
// dd/mm/yyyy of digits or "_", e.g. "12/03/____". It need not be a real day.
bool isTypableDateText(std::string_view text);

} // namespace tarvolin
