// The row computation of the staff list, and the only one there is.
//
// This is the point of the whole list: it never gives another result than the
// window gives for the same typing. Each employee is typed into a window object
// exactly as a clerk types the case into a fresh window: through the same
// dispatcher (window/dispatcher.h) by which the visible window and the
// scripted mode raise the window's own handlers: focus, one key press per
// character, the text in the field, Enter; description characters at the
// box's cursor; the tick's click; the age buttons. No rule of the calculation
// is repeated here, and nothing is read from or written to jda.txt.
//
// The order of one case: the blank start; the birthday, Enter; the pay start,
// Enter; the reference date when given, Enter; then for k = 1 to 14, when the
// row has a from- or to-date: the from-date, Enter, the to-date, Enter, the
// description typed into its box (first 60 characters), one click on the
// row's tick when it is unticked; last, when given, the age buttons step to
// the retirement age.

#include "stafflist/computation/row_typing.h"

#include "calc/date_text.h"
#include "calc/fixed_text.h"

namespace tarvolin {

void startBlank(JDA& window) { window.startWith(SavedEntries{}); }

void copyWindowState(JDA& to, const JDA& from)
{
    static_cast<CalculationState&>(to) = from;
    static_cast<ControlModel&>(to) = from;
    to.entriesPath = from.entriesPath;
    to.reservedField = from.reservedField;
}

TypingOutcome typeCase(JDA& window, const TypedCase& c)
{
    WindowTypist typist{window};
    TypingOutcome outcome;
    auto typeDate = [&](int index, Date day) {
        const bool kept = typist.date(index, day);
        if (!kept)
            outcome.refused.push_back({index, day});
        return kept;
    };

    if (!typeDate(0, c.birthday) || !typeDate(1, c.payStart)) {
        outcome.computed = false;
        return outcome;
    }
    if (c.referenceDate)
        typeDate(31, *c.referenceDate);
    for (int k = 1; k <= 14; ++k) {
        const auto& period = c.periods[static_cast<std::size_t>(k - 1)];
        if (!period || (!period->from && !period->to))
            continue;
        if (period->from)
            typeDate(2 * k, *period->from);
        if (period->to)
            typeDate(2 * k + 1, *period->to);
        if (!period->description.empty())
            typist.describe(k, firstCharacters(period->description, descriptionLength));
        if (!period->counted)
            typist.clickTick(k);
    }
    if (c.retirementAge)
        typist.stepRetirementAgeTo(c.retirementAge->years, c.retirementAge->months);
    return outcome;
}

TypingOutcome openCase(JDA& window, const std::filesystem::path& folder, const TypedCase& c)
{
    window.entriesPath = folder / "jda.txt";
    startBlank(window);
    return typeCase(window, c);
}

void openSavedCase(JDA& window, const std::filesystem::path& folder)
{
    window.entriesPath = folder / "jda.txt";
    window.loadEntries();
}

WindowTypist::WindowTypist(JDA& window) : w_{window}, d_{window} {}

bool WindowTypist::date(int index, Date day)
{
    Control& field = w_.Datum(index);
    const std::string text = dateText(day);
    d_.type(field, text);
    d_.key(field, Key::Enter);
    return field.text == text;
}

void WindowTypist::describe(int row, std::string_view text) { d_.type(w_.Eingabe(row), text); }

void WindowTypist::clickTick(int row) { d_.click(w_.box(row)); }

void WindowTypist::stepRetirementAgeTo(int years, int months)
{
    // Both ranges go round (70 years up is 55, 0 months down is 11); only the
    // age reached counts, so the shorter way round is taken.
    const int yearSteps = ((years - w_.retireAgeYears) % 16 + 16) % 16;
    for (int i = 0; i < (yearSteps <= 8 ? yearSteps : 16 - yearSteps); ++i)
        d_.click(yearSteps <= 8 ? w_.Altern() : w_.jünger());
    const int monthSteps = ((months - w_.retireAgeMonths) % 12 + 12) % 12;
    for (int i = 0; i < (monthSteps <= 6 ? monthSteps : 12 - monthSteps); ++i)
        d_.click(monthSteps <= 6 ? w_.mehr() : w_.weniger());
}

} // namespace tarvolin
