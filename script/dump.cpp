#include "script/dump.h"

#include "calc/state_fields.h"

#include <cstdio>
#include <string_view>

namespace tarvolin {

namespace {

std::string boolText(bool b) { return b ? "True" : "False"; }

// Six upper-case hex digits, red, green, blue: RGB(255, 255, 192) is FFFFC0.
std::string colourText(std::uint32_t rgb)
{
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%06X", static_cast<unsigned>(rgb & 0xFFFFFFu));
    return buffer;
}

class DumpWriter {
public:
    void line(std::string_view name, std::string_view value)
    {
        text_.append(name);
        text_ += '=';
        text_.append(value);
        text_ += '\n';
    }
    void property(const Control& c, std::string_view property, std::string_view value)
    {
        text_.append(controlName(*c.design));
        text_ += '.';
        line(property, value);
    }
    std::string& text() { return text_; }

private:
    std::string text_;
};

void dumpControls(DumpWriter& out, JDA& w)
{
    for (int i = 0; i <= 38; ++i) {
        const Control& d = w.Datum(i);
        out.property(d, "Text", d.text);
        out.property(d, "BackColor", colourText(d.backColor));
        out.property(d, "FontBold", boolText(d.fontBold));
    }
    for (int k = 1; k <= 14; ++k)
        out.property(w.Eingabe(k), "Text", w.Eingabe(k).text);
    for (int k = 1; k <= 14; ++k)
        out.property(w.Zähler(k), "Caption", w.Zähler(k).text);
    for (int k = 1; k <= 14; ++k)
        out.property(w.box(k), "Value", boolText(w.box(k).value));
    for (int r = 1; r <= 17; ++r)
        out.property(w.Tage(r), "Caption", w.Tage(r).text);
    for (int r = 1; r <= 17; ++r)
        out.property(w.Monat(r), "Caption", w.Monat(r).text);
    for (int r = 1; r <= 17; ++r)
        out.property(w.Jahr(r), "Caption", w.Jahr(r).text);
    for (Control* c : {&w.Alter(), &w.month(), &w.Label9(), &w.Label12(), &w.Label14(), &w.Termin(), &w.Ziel(),
                       &w.Text(13)})
        out.property(*c, "Caption", c->text);
    for (Control* c : {&w.Text(5), &w.Text(6), &w.Text(7), &w.Aufkleber(), &w.Label10(), &w.Label11(),
                       &w.Label12(), &w.Termin(), &w.Ziel()})
        out.property(*c, "Visible", boolText(c->visible));
    for (int k = 0; k <= 6; ++k)
        out.property(w.Kündigung(k), "BackColor", colourText(w.Kündigung(k).backColor));
    for (int i = 0; i <= 1; ++i)
        out.property(w.Opt(i), "Value", boolText(w.Opt(i).value));
}

// A value of the calculation state as the dump shows it.
std::string stateValue(std::int16_t v, bool flag) { return flag ? boolText(v != False) : std::to_string(v); }
std::string stateValue(std::int32_t v, bool) { return std::to_string(v); }
std::string stateValue(const std::string& v, bool) { return v; }
template <std::size_t N>
std::string stateValue(const FixedText<N>& v, bool)
{
    return v.str();
}

// Every field of the calculation state, in the order of its declaration;
// arrays one line an element: dayCounts(0) to dayCounts(31).
void dumpState(DumpWriter& out, const CalculationState& s)
{
    forEachStateField([&](const auto& field) {
        const auto& value = s.*field.member;
        if constexpr (requires { value.size(); value[0]; } && !requires { value.c_str(); }) {
            for (std::size_t i = 0; i < value.size(); ++i)
                out.line(std::string{field.name} + "(" + std::to_string(i) + ")", stateValue(value[i], field.flag));
        } else {
            out.line(field.name, stateValue(value, field.flag));
        }
    });
}

std::string focusName(JDA& w)
{
    const Control* c = w.focused();
    return c == nullptr ? std::string{} : controlName(*c->design);
}

} // namespace

std::string dumpWindow(JDA& window)
{
    DumpWriter out;
    out.text() = "dump\n";
    dumpControls(out, window);
    dumpState(out, window);
    out.line("Form.Caption", window.formCaption);
    out.line("Focus", focusName(window));
    out.text() += "end\n";
    return std::move(out.text());
}

} // namespace tarvolin
