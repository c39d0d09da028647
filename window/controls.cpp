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
        c.visible = !design.working;
        controls_.push_back(std::move(c));
    }
    // The anniversary marks start hidden (the working fields are never
    // shown); the first option is the chosen one.
    for (int k = 5; k <= 7; ++k)
        Text(k).visible = false;
    Opt(0).value = true;
}

Control* ControlModel::find(std::string_view name, int index)
{
    const int slot = controlSlot(name, index);
    return slot < 0 ? nullptr : &at(slot);
}

} // namespace tarvolin
