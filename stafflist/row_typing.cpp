// The row computation of the staff list, and the only one there is.
//
// This is the point of the whole list: it never gives another result than the
// window gives for the same typing. Each employee is typed into a window object
// exactly as a clerk types the case into a fresh window, through the window's
// own handlers, in the order the scripted mode (script/scripted_window.cpp)
// raises them for `type`, `date`, `click`: focus, one key press per character,
// the text in the field, Enter; description characters at the box's cursor;
// the tick's click; the age buttons. No rule of the calculation is repeated
// here, and nothing is read from or written to jda.txt.
//
// The order of one case: the blank start; the birthday, Enter; the pay start,
// Enter; the reference date when given, Enter; then for k = 1 to 14, when the
// row has a from- or to-date: the from-date, Enter, the to-date, Enter, the
// description typed into its box (first 60 characters), one click on the
// row's tick when it is unticked; last, when given, the age buttons step to
// the retirement age.

#include "stafflist/row_typing.h"

#include "calc/date_text.h"
#include "calc/fixed_text.h"
#include "script/keys.h"

namespace tarvolin {

namespace {

constexpr std::size_t descriptionLength = 60;

// Byte offset of the character at a position (in characters) of a UTF-8 text.
std::size_t byteOffset(std::string_view text, std::size_t position)
{
    std::size_t at = 0;
    for (std::size_t seen = 0; at < text.size(); ++at) {
        const bool startsCharacter = (static_cast<unsigned char>(text[at]) & 0xC0) != 0x80;
        if (startsCharacter && seen++ == position)
            return at;
    }
    return at;
}

} // namespace

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

WindowTypist::WindowTypist(JDA& window) : w_{window} { followFocus(); }

bool WindowTypist::date(int index, Date day)
{
    Control& field = w_.Datum(index);
    const std::string text = dateText(day);
    type(field, text, true);
    return field.text == text;
}

void WindowTypist::describe(int row, std::string_view text)
{
    Control& box = w_.Eingabe(row);
    focus(box);
    const auto characters = splitCharacters(text);
    if (!characters)
        return;
    for (std::string_view character : *characters)
        descriptionKey(box, character);
}

void WindowTypist::clickTick(int row) { click(w_.box(row)); }

void WindowTypist::stepRetirementAgeTo(int years, int months)
{
    // Both ranges go round (70 years up is 55, 0 months down is 11); only the
    // age reached counts, so the shorter way round is taken.
    const int yearSteps = ((years - w_.retireAgeYears) % 16 + 16) % 16;
    for (int i = 0; i < (yearSteps <= 8 ? yearSteps : 16 - yearSteps); ++i)
        click(yearSteps <= 8 ? w_.Altern() : w_.jünger());
    const int monthSteps = ((months - w_.retireAgeMonths) % 12 + 12) % 12;
    for (int i = 0; i < (monthSteps <= 6 ? monthSteps : 12 - monthSteps); ++i)
        click(monthSteps <= 6 ? w_.mehr() : w_.weniger());
}

void WindowTypist::focus(Control& c)
{
    w_.setFocus(c);
    followFocus();
}

// As the scripted `type` of a date field: each key raises the handler, the
// field takes the characters into its mask, Enter follows.
void WindowTypist::type(Control& c, std::string_view text, bool withEnter)
{
    focus(c);
    for (char ch : text)
        dateKey(c, static_cast<std::int16_t>(static_cast<unsigned char>(ch)));
    c.text = std::string{text};
    if (withEnter)
        pressEnter(c);
}

void WindowTypist::pressEnter(Control& c)
{
    focus(c);
    dateKey(c, enterCode);
}

void WindowTypist::dateKey(Control& field, std::int16_t code)
{
    w_.Datum_KeyPress(field.design->index, code);
    followFocus();
}

// A character in a description box: the handler sees it first and may discard
// it (code 0); otherwise it goes in at the cursor, which moves past it.
void WindowTypist::descriptionKey(Control& box, std::string_view character)
{
    std::int16_t code = keyCodeOf(character);
    w_.Eingabe_KeyPress(box.design->index, code);
    followFocus();
    if (code == 0)
        return;
    const int slot = w_.slotOf(box);
    std::size_t position = cursor_.slot == slot ? cursor_.position : characterCount(trimmedRight(box.text));
    box.text.insert(byteOffset(box.text, position), character);
    ++position;
    if (cursor_.slot == slot) {
        cursor_.position = position;
        cursor_.knownText = box.text;
    }
}

// A click does not move the focus; only the handlers do.
void WindowTypist::click(Control& c)
{
    const ControlSpec& s = *c.design;
    if (s.name == "box") {
        c.value = !c.value;
        w_.box_Click(s.index, c.value ? True : False);
    } else if (s.name == "Altern") {
        w_.Altern_Click();
    } else if (s.name == "jünger") {
        w_.jünger_Click();
    } else if (s.name == "mehr") {
        w_.mehr_Click();
    } else if (s.name == "weniger") {
        w_.weniger_Click();
    }
    followFocus();
}

void WindowTypist::followFocus()
{
    Control* f = w_.focused();
    if (f == nullptr || f->design->kind != ControlKind::TextBox) {
        cursor_ = {};
        return;
    }
    const int slot = w_.slotOf(*f);
    if (slot != cursor_.slot || f->text != cursor_.knownText) {
        cursor_.slot = slot;
        cursor_.position = characterCount(trimmedRight(f->text));
        cursor_.knownText = f->text;
    }
}

} // namespace tarvolin
