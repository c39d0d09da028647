#include "script/script_command.h"

#include "calc/date_text.h"
#include "calc/german_quotes.h"
#include "window/control_table.h"
#include "window/dispatcher.h"
#include "window/keys.h"

#include <optional>
#include <vector>

namespace tarvolin {

namespace {

ScriptLine failure(std::string message)
{
    ScriptLine l;
    l.status = ScriptLine::Status::Error;
    l.error = std::move(message);
    return l;
}

ScriptLine command(ScriptCommand c)
{
    ScriptLine l;
    l.status = ScriptLine::Status::Command;
    l.command = c;
    return l;
}

bool isBlankOrComment(std::string_view line)
{
    const auto first = line.find_first_not_of(" \t");
    return first == std::string_view::npos || line[first] == '#';
}

// A decimal index of at most five digits, optionally negative.
std::optional<int> parseIndex(std::string_view s)
{
    const bool negative = !s.empty() && s[0] == '-';
    if (negative)
        s.remove_prefix(1);
    if (s.empty() || s.size() > 5)
        return std::nullopt;
    int value = 0;
    for (char c : s) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

bool isArrayName(std::string_view name)
{
    for (const ControlDesign& s : controlTable)
        if (s.name == name)
            return s.index >= 0;
    return false;
}

bool isControlName(std::string_view name)
{
    for (const ControlDesign& s : controlTable)
        if (s.name == name)
            return true;
    return false;
}

// "Datum(5)" or "Drucken": the control's place in the table, or an error.
struct ControlLookup {
    int slot = -1;
    std::string error;
};

ControlLookup lookUpControl(std::string_view word)
{
    std::string_view name = word;
    int index = -1;
    const bool indexed = word.find('(') != std::string_view::npos;
    if (const auto open = word.find('('); open != std::string_view::npos) {
        name = word.substr(0, open);
        const auto inner = word.substr(open + 1);
        const auto parsed = inner.empty() || inner.back() != ')' ? std::nullopt
                                                                   : parseIndex(inner.substr(0, inner.size() - 1));
        if (!parsed)
            return {-1, "unbekanntes Steuerelement " + inQuotes(word)};
        index = *parsed;
    }
    if (!isControlName(name))
        return {-1, "unbekanntes Steuerelement " + inQuotes(word)};
    const int slot = indexed && index < 0 ? -1 : controlSlot(name, index);
    if (slot >= 0)
        return {slot, {}};
    if (isArrayName(name))
        return {-1, !indexed ? inQuotes(name) + " braucht einen Index, z. B. " + inQuotes(std::string{name} + "(1)")
                              : "Index außerhalb des Bereichs: " + inQuotes(word)};
    return {-1, inQuotes(name) + " ist kein Steuerelementfeld: " + inQuotes(word)};
}

std::string refusal(const ControlDesign& s, std::string_view verb)
{
    return inQuotes(controlName(s)) + " nimmt " + inQuotes(verb) + " nicht an";
}

// The text typed into a control: a date text for a date field, any UTF-8
// text for a description box.
std::string checkTypedText(const ControlDesign& s, std::string_view text)
{
    if (s.kind == ControlKind::DateField) {
        if (!isTypableDateText(text))
            return inQuotes(text) + " ist kein Datumstext der Form TT/MM/JJJJ (Ziffern oder _)";
    } else if (!splitCharacters(text)) {
        return "der Text ist kein gültiges UTF-8";
    }
    return {};
}

std::vector<std::string_view> words(std::string_view line)
{
    std::vector<std::string_view> out;
    std::size_t pos = 0;
    while (true) {
        const auto blank = line.find(' ', pos);
        out.push_back(line.substr(pos, blank == std::string_view::npos ? std::string_view::npos : blank - pos));
        if (blank == std::string_view::npos)
            return out;
        pos = blank + 1;
    }
}

ScriptLine parseToday(std::string_view text)
{
    const auto day = parseDateText(text);
    if (!day)
        return failure(inQuotes(text) + " ist kein Kalendertag der Form TT/MM/JJJJ");
    ScriptLine l = command(ScriptCommand::Today);
    l.day = *day;
    return l;
}

ScriptLine parseAnswer(std::string_view text)
{
    if (text != "yes" && text != "no")
        return failure("nach „answer“ steht yes oder no, nicht " + inQuotes(text));
    ScriptLine l = command(ScriptCommand::Answer);
    l.yes = text == "yes";
    return l;
}

ScriptLine parseKey(int slot, std::string_view key)
{
    ScriptLine l = command(ScriptCommand::Key);
    l.slot = slot;
    if (key == "Enter") {
        l.key = Key::Enter;
    } else if (key == "Backspace") {
        l.key = Key::Backspace;
    } else {
        const auto characters = splitCharacters(key);
        if (!characters || characters->size() != 1)
            return failure("unbekannte Taste " + inQuotes(key) + " (Enter, Backspace oder ein Zeichen)");
        l.key = Key::Character;
        l.text = std::string{key};
    }
    return l;
}

ScriptLine parseDate(std::string_view number, std::string_view text)
{
    const auto index = parseIndex(number);
    if (!index)
        return failure("nach „date“ steht die Nummer des Datumsfelds, nicht " + inQuotes(number));
    const int slot = controlSlot("Datum", *index);
    if (slot < 0)
        return failure("Index außerhalb des Bereichs: " + inQuotes("Datum(" + std::string{number} + ")"));
    if (text == "clear")
        text = emptyMask;
    if (auto problem = checkTypedText(controlTable[static_cast<std::size_t>(slot)], text); !problem.empty())
        return failure(problem);
    ScriptLine l = command(ScriptCommand::Type);
    l.slot = slot;
    l.text = std::string{text};
    l.pressEnter = true;
    return l;
}

// The commands on one control: focus, type, key, enter, click.
ScriptLine parseControlCommand(std::string_view verb, std::string_view line, std::string_view controlText)
{
    const ControlLookup found = lookUpControl(controlText);
    if (found.slot < 0)
        return failure(found.error);
    const ControlDesign& design = controlTable[static_cast<std::size_t>(found.slot)];
    const bool keyed = verb != "click";
    if (keyed ? !Dispatcher::takesKeys(design) : !Dispatcher::takesClick(design))
        return failure(refusal(design, verb));

    // What follows the control after its one blank, verbatim.
    const std::size_t restAt = verb.size() + 1 + controlText.size();
    const bool hasRest = line.size() > restAt;
    const std::string_view rest = hasRest ? line.substr(restAt + 1) : std::string_view{};
    const bool needsRest = verb == "type" || verb == "key";
    if (hasRest != needsRest)
        return failure(needsRest ? inQuotes(verb) + " braucht nach dem Steuerelement noch eine Angabe"
                                 : "überzählige Angaben nach " + inQuotes(controlText));

    ScriptLine l = command(ScriptCommand::Focus);
    l.slot = found.slot;
    if (verb == "type") {
        if (auto problem = checkTypedText(design, rest); !problem.empty())
            return failure(problem);
        l.command = ScriptCommand::Type;
        l.text = std::string{rest};
    } else if (verb == "key") {
        return parseKey(found.slot, rest);
    } else if (verb == "enter") {
        l.command = ScriptCommand::Key;
        l.key = Key::Enter;
    } else if (verb == "click") {
        l.command = ScriptCommand::Click;
    }
    return l;
}

} // namespace

bool isTypableDateText(std::string_view t)
{
    if (t.size() != 10 || t[2] != '/' || t[5] != '/')
        return false;
    for (std::size_t i : {0u, 1u, 3u, 4u, 6u, 7u, 8u, 9u})
        if (!((t[i] >= '0' && t[i] <= '9') || t[i] == '_'))
            return false;
    return true;
}

ScriptLine parseScriptLine(std::string_view line)
{
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    if (isBlankOrComment(line))
        return {};
    const auto w = words(line);
    const std::string_view verb = w[0];
    const auto expectWords = [&](std::size_t n) { return w.size() == n; };
    const auto wrongShape = [&] { return failure("falsch aufgebaute Zeile für " + inQuotes(verb)); };

    if (verb == "start" || verb == "close" || verb == "dump") {
        if (!expectWords(1))
            return wrongShape();
        return command(verb == "start" ? ScriptCommand::Start
                                       : verb == "close" ? ScriptCommand::Close : ScriptCommand::Dump);
    }
    if (verb == "today")
        return expectWords(2) ? parseToday(w[1]) : wrongShape();
    if (verb == "answer")
        return expectWords(2) ? parseAnswer(w[1]) : wrongShape();
    if (verb == "date")
        return expectWords(3) ? parseDate(w[1], w[2]) : wrongShape();
    if (verb == "focus" || verb == "type" || verb == "key" || verb == "enter" || verb == "click") {
        if (w.size() < 2 || w[1].empty())
            return wrongShape();
        return parseControlCommand(verb, line, w[1]);
    }
    return failure("unbekannter Befehl " + inQuotes(verb));
}

} // namespace tarvolin
