#include "window/spoken_control.h"

#include <algorithm>

namespace tarvolin {

namespace {

constexpr std::string_view empty = "leer";

bool isResultPanel(const ControlDesign& d)
{
    return d.kind == ControlKind::Panel && d.name != "Aufkleber";
}

// The labels that show a value the calculation wrote (Termin, Ziel, the
// employment period's dates) or a count (Zähler): their table name says
// what the value is.
bool isValueLabel(const ControlDesign& d) { return d.kind == ControlKind::Label && !d.accessibleName.view().empty(); }

bool isResultDate(const ControlDesign& d) { return d.kind == ControlKind::DateField && d.index >= 30; }

// Label14 shows the reference date as the field has it, "15/05/2008".
bool isFieldDate(std::string_view text) { return text.size() == 10 && text[2] == '/' && text[5] == '/'; }

std::string withValue(std::string_view name, std::string_view shown)
{
    std::string spoken{name};
    spoken.append(": ").append(shown.empty() ? empty : isFieldDate(shown) ? spokenDate(shown) : std::string{shown});
    return spoken;
}

// Datum(33) to Datum(35) beside Text(5) to Text(7).
bool anniversaryNotReached(const ControlModel& model, const ControlDesign& d)
{
    if (d.name != "Datum" || d.index < 33 || d.index > 35)
        return false;
    return model.at(controlSlot("Text", d.index - 28)).visible;
}

SpokenControl spokenDateField(const ControlModel& model, const Control& c)
{
    const ControlDesign& d = *c.design;
    SpokenControl s{std::string{d.accessibleName.view()}, spokenDate(c.text), false, isResultDate(d)};
    if (anniversaryNotReached(model, d))
        s.name.append(" ").append(model.at(controlSlot("Text", d.index - 28)).text);
    return s;
}

SpokenControl spokenTier(const Control& c)
{
    const bool applies = c.backColor == tierMarked;
    std::string name{c.design->accessibleName.view()};
    if (applies)
        name.append(" (zutreffend)");
    return {withValue(name, singleBlanks(c.text)), {}, applies, true};
}

} // namespace

std::string spokenDate(std::string_view fieldText)
{
    std::string spoken{fieldText};
    std::replace(spoken.begin(), spoken.end(), '/', '.');
    std::replace(spoken.begin(), spoken.end(), '_', ' ');
    while (!spoken.empty() && (spoken.back() == ' ' || spoken.back() == '.'))
        spoken.pop_back();
    const bool hasDigit = std::any_of(spoken.begin(), spoken.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
    return hasDigit ? spoken : std::string{empty};
}

std::string singleBlanks(std::string_view text)
{
    std::string single;
    for (char ch : text)
        if (ch != ' ' || (!single.empty() && single.back() != ' '))
            single.push_back(ch);
    while (!single.empty() && single.back() == ' ')
        single.pop_back();
    return single;
}

SpokenControl spokenControl(const ControlModel& model, int slot)
{
    const Control& c = model.at(slot);
    const ControlDesign& d = *c.design;
    const std::string_view name = d.accessibleName.view();
    if (d.kind == ControlKind::DateField)
        return spokenDateField(model, c);
    if (d.name == "Kündigung")
        return spokenTier(c);
    if (isResultPanel(d))
        return {withValue(name, c.text), {}, false, true};
    if (isValueLabel(d))
        return {withValue(name, c.text), {}, false, d.name != "Zähler"};
    const bool ticks = d.kind == ControlKind::Check || d.kind == ControlKind::Option;
    return {std::string{name}, {}, ticks && c.value, false};
}

} // namespace tarvolin
