#include "script/dump.h"

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
    void number(std::string_view name, long value) { line(name, std::to_string(value)); }
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

// Every field of the calculation state, in the order of its declaration.

void dumpState(DumpWriter& out, const CalculationState& s)
{
    out.number("currentIndex", s.currentIndex);
    out.number("currentRow", s.currentRow);
    out.number("lastIndex", s.lastIndex);
    out.number("workIndex", s.workIndex);
    out.line("loadingFlag", boolText(s.loadingFlag != False));
    out.number("confirmAnswer", s.confirmAnswer);
    out.number("viewMode", s.viewMode);
    for (std::size_t i = 0; i < s.dayCounts.size(); ++i)
        out.number("dayCounts(" + std::to_string(i) + ")", s.dayCounts[i]);
    out.number("retireAgeYears", s.retireAgeYears);
    out.number("retireAgeMonths", s.retireAgeMonths);
    out.number("statutoryAgeYears", s.statutoryAgeYears);
    out.number("statutoryAgeMonths", s.statutoryAgeMonths);
    out.line("fromDateText", s.fromDateText);
    out.line("toDateText", s.toDateText);
    out.number("fromDay", s.fromDay);
    out.number("toDay", s.toDay);
    out.number("fromMonth", s.fromMonth);
    out.number("toMonth", s.toMonth);
    out.number("fromYear", s.fromYear);
    out.number("februaryFill", s.februaryFill);
    out.number("diffYears", s.diffYears);
    out.number("diffMonths", s.diffMonths);
    out.number("diffDays", s.diffDays);
    out.number("sumYears", s.sumYears);
    out.number("sumMonths", s.sumMonths);
    out.number("sumDays", s.sumDays);
    out.number("noticeMonths", s.noticeMonths);
    out.number("periodRow", s.periodRow);
    out.line("workDateText", s.workDateText);
    out.line("swapFromText", s.swapFromText);
    out.line("swapToText", s.swapToText);
    out.line("swapDescription", s.swapDescription);
    out.number("swapCharsLeft", s.swapCharsLeft);
    out.number("swapInService", s.swapInService);
    out.number("swapDays", s.swapDays);
    out.number("swapMonths", s.swapMonths);
    out.number("swapYears", s.swapYears);
    out.number("swapFromCount", s.swapFromCount);
    out.number("swapToCount", s.swapToCount);
    out.line("linkCode", s.linkCode);
    out.line("linkPage", s.linkPage);
    out.line("linkPrefix", s.linkPrefix);
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
