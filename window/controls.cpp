#include "window/controls.h"

#include "calc/date_text.h"

#include <stdexcept>

namespace tarvolin {

std::optional<Date> Control::dateValue() const { return parseDateText(text); }

std::int32_t Control::serialValue() const
{
    const auto d = dateValue();
    return d ? d->serial() : 0;
}

void Control::setDateValue(Date d) { text = dateText(d); }

bool Control::isEmptyDate() const { return tarvolin::isEmptyDate(text); }

bool Control::accepts(Date d) const
{
    const auto first = Date::fromYmd(design->range.first.year, static_cast<unsigned>(design->range.first.month),
                                     static_cast<unsigned>(design->range.first.day));
    const auto last = Date::fromYmd(design->range.last.year, static_cast<unsigned>(design->range.last.month),
                                    static_cast<unsigned>(design->range.last.day));
    return first && last && *first <= d && d <= *last;
}

ControlModel::ControlModel()
{
    controls_.reserve(controlTable.size());
    for (const ControlDesign& design : controlTable) {
        Control c;
        c.design = &design;
        c.text = std::string{design.caption};
        if (design.kind == ControlKind::DateField)
            c.text = std::string{emptyMask};
        controls_.push_back(std::move(c));
    }
    const auto base = [](std::string_view name, int first) { return controlSlot(name, first); };
    datumBase_ = base("Datum", 0);
    eingabeBase_ = base("Eingabe", 1);
    abBase_ = base("ab", 1);
    aufBase_ = base("auf", 2);
    zählerBase_ = base("Zähler", 1);
    boxBase_ = base("box", 1);
    tageBase_ = base("Tage", 1);
    monatBase_ = base("Monat", 1);
    jahrBase_ = base("Jahr", 1);
    kündigungBase_ = base("Kündigung", 0);
    textBase_ = base("Text", 0);
    label5Base_ = base("Label5", 1);
    optBase_ = base("Opt", 0);
    line1Base_ = base("Line1", 0);
    // The anniversary marks start hidden; the first option is the chosen one.
    for (int k = 5; k <= 7; ++k)
        Text(k).visible = false;
    Opt(0).value = true;
}

Control* ControlModel::find(std::string_view name, int index)
{
    const int slot = controlSlot(name, index);
    return slot < 0 ? nullptr : &at(slot);
}

Control& ControlModel::element(int base, int first, int last, int index)
{
    if (index < first || index > last)
        throw std::out_of_range("control index out of range");
    return at(base + index - first);
}

} // namespace tarvolin
