// Reading the lines of a script.

#include "script/script_command.h"

#include "window/control_table.h"

#include <gtest/gtest.h>

namespace tarvolin {
namespace {

using Status = ScriptLine::Status;

std::string controlOf(const ScriptLine& l)
{
    return l.slot < 0 ? "" : controlName(controlTable[static_cast<std::size_t>(l.slot)]);
}

TEST(ScriptLines, SkippedLines)
{
    for (const char* line : {"", "   ", "\t", "# a comment", "   # indented comment", "#start", "\r"})
        EXPECT_EQ(parseScriptLine(line).status, Status::Skip) << "[" << line << "]";
}

TEST(ScriptLines, Commands)
{
    struct Row {
        const char* line;
        ScriptCommand command;
        const char* control;
        std::string text;
        Key key = Key::Character;
        bool pressEnter = false;
    };
    const Row rows[] = {
        {"start", ScriptCommand::Start, "", ""},
        {"close", ScriptCommand::Close, "", ""},
        {"dump\r", ScriptCommand::Dump, "", ""},
        {"focus Datum(5)", ScriptCommand::Focus, "Datum(5)", ""},
        {"focus Eingabe(14)", ScriptCommand::Focus, "Eingabe(14)", ""},
        {"type Datum(7) 12/03/____", ScriptCommand::Type, "Datum(7)", "12/03/____"},
        {"type Datum(38) __/__/____", ScriptCommand::Type, "Datum(38)", "__/__/____"},
        {"type Datum(0) 31/02/2008", ScriptCommand::Type, "Datum(0)", "31/02/2008"},
        {"type Eingabe(3)  zwei  Blanks ", ScriptCommand::Type, "Eingabe(3)", " zwei  Blanks "},
        {"type Eingabe(3) ", ScriptCommand::Type, "Eingabe(3)", ""},
        {"type Eingabe(1) Grundwehrdienst in Köln", ScriptCommand::Type, "Eingabe(1)", "Grundwehrdienst in Köln"},
        {"key Eingabe(1) Enter", ScriptCommand::Key, "Eingabe(1)", "", Key::Enter},
        {"key Datum(4) Backspace", ScriptCommand::Key, "Datum(4)", "", Key::Backspace},
        {"key Eingabe(2) ä", ScriptCommand::Key, "Eingabe(2)", "ä"},
        {"key Eingabe(2)  ", ScriptCommand::Key, "Eingabe(2)", " "},
        {"enter Datum(0)", ScriptCommand::Key, "Datum(0)", "", Key::Enter},
        {"date 5 01/09/1980", ScriptCommand::Type, "Datum(5)", "01/09/1980", Key::Character, true},
        {"date 0 clear", ScriptCommand::Type, "Datum(0)", "__/__/____", Key::Character, true},
        {"date 38 10/12/2020", ScriptCommand::Type, "Datum(38)", "10/12/2020", Key::Character, true},
        {"click box(14)", ScriptCommand::Click, "box(14)", ""},
        {"click Opt(1)", ScriptCommand::Click, "Opt(1)", ""},
        {"click Label7", ScriptCommand::Click, "Label7", ""},
        {"click jünger", ScriptCommand::Click, "jünger", ""},
        {"click Schließen", ScriptCommand::Click, "Schließen", ""},
        {"click ab(13)", ScriptCommand::Click, "ab(13)", ""},
        {"click auf(2)", ScriptCommand::Click, "auf(2)", ""},
    };
    for (const Row& r : rows) {
        const ScriptLine l = parseScriptLine(r.line);
        ASSERT_EQ(l.status, Status::Command) << r.line << ": " << l.error;
        EXPECT_EQ(l.command, r.command) << r.line;
        EXPECT_EQ(controlOf(l), r.control) << r.line;
        EXPECT_EQ(l.text, r.text) << r.line;
        if (r.command == ScriptCommand::Key) {
            EXPECT_EQ(l.key, r.key) << r.line;
        }
        EXPECT_EQ(l.pressEnter, r.pressEnter) << r.line;
    }
}

TEST(ScriptLines, TodayAndAnswer)
{
    const ScriptLine today = parseScriptLine("today 29/02/2008");
    ASSERT_EQ(today.status, Status::Command);
    EXPECT_EQ(today.command, ScriptCommand::Today);
    EXPECT_EQ(today.day, *Date::fromYmd(2008, 2, 29));

    EXPECT_FALSE(parseScriptLine("answer no").yes);
    EXPECT_TRUE(parseScriptLine("answer yes").yes);
    EXPECT_EQ(parseScriptLine("answer yes").command, ScriptCommand::Answer);
}

TEST(ScriptLines, LinesThatCannotBeUnderstood)
{
    struct Row {
        const char* line;
        const char* says;
    };
    const Row rows[] = {
        {"drücke Drucken", "unbekannter Befehl „drücke“"},
        {"Start", "unbekannter Befehl „Start“"},
        {" start", "unbekannter Befehl „“"},
        {"start now", "falsch aufgebaute Zeile für „start“"},
        {"dump ", "falsch aufgebaute Zeile für „dump“"},
        {"focus", "falsch aufgebaute Zeile für „focus“"},
        {"click  Altern", "falsch aufgebaute Zeile für „click“"},
        {"date 5  01/09/1980", "falsch aufgebaute Zeile für „date“"},
        {"today 31/02/2008", "kein Kalendertag"},
        {"today 1/5/2008", "kein Kalendertag"},
        {"today __/__/____", "kein Kalendertag"},
        {"answer vielleicht", "yes oder no"},
        {"answer Yes", "yes oder no"},
        {"focus Label4", "„Label4“ nimmt „focus“ nicht an"},
        {"focus Drucken", "„Drucken“ nimmt „focus“ nicht an"},
        {"focus Tage(3)", "„Tage(3)“ nimmt „focus“ nicht an"},
        {"enter box(2)", "„box(2)“ nimmt „enter“ nicht an"},
        {"key Opt(1) Enter", "„Opt(1)“ nimmt „key“ nicht an"},
        {"click Datum(3)", "„Datum(3)“ nimmt „click“ nicht an"},
        {"click Eingabe(3)", "„Eingabe(3)“ nimmt „click“ nicht an"},
        {"click Label9", "„Label9“ nimmt „click“ nicht an"},
        {"click Image1", "„Image1“ nimmt „click“ nicht an"},
        {"type Drucken x", "„Drucken“ nimmt „type“ nicht an"},
        {"click ab(14)", "Index außerhalb des Bereichs: „ab(14)“"},
        {"click auf(1)", "Index außerhalb des Bereichs: „auf(1)“"},
        {"click box(0)", "Index außerhalb des Bereichs: „box(0)“"},
        {"click box(15)", "Index außerhalb des Bereichs: „box(15)“"},
        {"click Opt(2)", "Index außerhalb des Bereichs: „Opt(2)“"},
        {"focus Datum(-1)", "Index außerhalb des Bereichs: „Datum(-1)“"},
        {"focus Datum(999999)", "unbekanntes Steuerelement „Datum(999999)“"},
        {"date 39 01/01/2000", "Index außerhalb des Bereichs: „Datum(39)“"},
        {"date x 01/01/2000", "Nummer des Datumsfelds"},
        {"click Knopf", "unbekanntes Steuerelement „Knopf“"},
        {"click Datum(3", "unbekanntes Steuerelement „Datum(3“"},
        {"click box(a)", "unbekanntes Steuerelement „box(a)“"},
        {"click Datum", "„Datum“ braucht einen Index"},
        {"click Drucken(1)", "„Drucken“ ist kein Steuerelementfeld"},
        {"focus Datum(3) ", "überzählige Angaben"},
        {"enter Datum(3) x", "überzählige Angaben"},
        {"type Eingabe(1)", "„type“ braucht nach dem Steuerelement noch eine Angabe"},
        {"key Datum(1)", "„key“ braucht nach dem Steuerelement noch eine Angabe"},
        {"key Eingabe(1) Esc", "unbekannte Taste „Esc“"},
        {"key Eingabe(1) ab", "unbekannte Taste „ab“"},
        {"key Eingabe(1) enter", "unbekannte Taste „enter“"},
        {"type Datum(1) 1/4/1990", "„1/4/1990“ ist kein Datumstext"},
        {"type Datum(1) 01-04-1990", "ist kein Datumstext"},
        {"type Datum(1) 01/04/19900", "ist kein Datumstext"},
        {"type Datum(1) aa/bb/cccc", "ist kein Datumstext"},
        {"type Datum(1) ", "„“ ist kein Datumstext"},
        {"date 1 01/04/1990 x", "falsch aufgebaute Zeile für „date“"},
        {"date 1 leer", "„leer“ ist kein Datumstext"},
        {"type Eingabe(1) K\xF6ln", "kein gültiges UTF-8"},
    };
    for (const Row& r : rows) {
        const ScriptLine l = parseScriptLine(r.line);
        ASSERT_EQ(l.status, Status::Error) << r.line;
        EXPECT_NE(l.error.find(r.says), std::string::npos) << r.line << " says: " << l.error;
    }
}

TEST(ScriptLines, TypableDateTexts)
{
    struct Row {
        const char* text;
        bool typable;
    };
    const Row rows[] = {{"10/03/1955", true},  {"__/__/____", true},  {"12/03/____", true}, {"00/00/0000", true},
                        {"1_/0_/19__", true},  {"10.03.1955", false}, {"10/03/55", false},  {"10/03/1955 ", false},
                        {" 10/03/1955", false}, {"1a/03/1955", false}, {"", false}};
    for (const Row& r : rows)
        EXPECT_EQ(isTypableDateText(r.text), r.typable) << r.text;
}

} // namespace
} // namespace tarvolin
