#include "window/dispatcher.h"

#include "calc/fixed_text.h"
#include "window/click_table.h"
#include "window/refused_date.h"

#include <array>
#include <utility>

namespace tarvolin {

namespace {

std::int16_t codeOf(Key key, std::string_view character)
{
    return key == Key::Enter ? enterCode : key == Key::Backspace ? backspaceCode : keyCodeOf(character);
}

// Byte offset of the character at a position (in characters) of a UTF-8 text;
// the text's length when it has fewer characters. Counted in place: a
// description typed key by key asks this for every key.
std::size_t byteOffset(std::string_view text, std::size_t position)
{
    std::size_t seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool startsCharacter = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
        if (startsCharacter && seen++ == position)
            return i;
    }
    return text.size();
}

// The date fields a user types and that can therefore be pending: the
// birthday, the pay start, the period dates and the reference date; never
// the pay-start copy 30 or the results 32 to 38.
bool isTypedDate(const Control& c)
{
    return c.design->kind == ControlKind::DateField && (c.design->index <= 29 || c.design->index == 31);
}

// Whether Enter in the field would keep its text: a real day inside the
// field's range, or an emptied field other than the birthday and the pay
// start (emptying either of those clears everything and needs Enter).
bool enterTakes(const Control& field)
{
    if (field.isEmptyDate())
        return field.design->index > 1;
    const auto day = field.dateValue();
    return day && field.accepts(*day);
}

} // namespace

Dispatcher::Dispatcher(JDA& window) : window_{window} {}

bool Dispatcher::takesKeys(const ControlDesign& design)
{
    return design.kind == ControlKind::DateField || design.kind == ControlKind::TextBox;
}

bool Dispatcher::takesClick(const ControlDesign& design) { return design.clickable; }

bool Dispatcher::takesUserFocus(const ControlDesign& design) { return takesKeys(design) && !design.working; }

void Dispatcher::windowUnloaded()
{
    open_ = false;
    cursor_ = {};
    pending_ = {};
}

void Dispatcher::focus(Control& control)
{
    if (!open_)
        return;
    if (pending_.slot >= 0 && pending_.slot != window_.slotOf(control))
        settle();
    window_.setFocus(control);
    followFocus();
}

void Dispatcher::click(Control& control)
{
    if (!open_)
        return;
    // The pending date first, then the control reacts (a check box before
    // its tick changes).
    settle();
    if (const ClickRow* row = clickTable.find(control.design->name))
        row->run(window_, control);
    followFocus();
}

std::int16_t Dispatcher::keyPress(Control& control, std::int16_t code)
{
    if (!open_ || !takesKeys(*control.design))
        return 0;
    focus(control);
    return handleKey(control, code);
}

void Dispatcher::type(Control& control, std::string_view text)
{
    if (!open_ || !takesKeys(*control.design))
        return;
    focus(control);
    if (control.design->kind == ControlKind::DateField) {
        // Each key raises the handler; the field itself takes the characters
        // into its mask, so that afterwards it shows the text typed.
        for (const char c : text) {
            handleKey(control, static_cast<std::int16_t>(static_cast<unsigned char>(c)));
            if (!open_)
                return;
        }
        typed(control, text);
        return;
    }
    const auto characters = splitCharacters(text);
    if (!characters)
        return;
    for (const std::string_view character : *characters) {
        descriptionKey(control, Key::Character, character);
        if (!open_)
            return;
    }
}

void Dispatcher::key(Control& control, Key key, std::string_view character)
{
    if (!open_ || !takesKeys(*control.design))
        return;
    focus(control);
    if (control.design->kind == ControlKind::DateField)
        handleKey(control, codeOf(key, character));
    else
        descriptionKey(control, key, character);
}

void Dispatcher::edited(Control& field, std::string_view text)
{
    if (!open_ || field.design->kind != ControlKind::DateField)
        return;
    focus(field);
    typed(field, text);
}

bool Dispatcher::hasPendingDate() const
{
    return pending_.slot >= 0 && window_.at(pending_.slot).text != pending_.previous;
}

// The field shows the typed text; typing that changes it makes it pending,
// keeping the text it had before the typing began.
void Dispatcher::typed(Control& field, std::string_view text)
{
    const int slot = window_.slotOf(field);
    if (isTypedDate(field) && pending_.slot != slot && field.text != text)
        pending_ = {slot, field.text};
    field.text = std::string{text};
}

// A date left without Enter: taken as by Enter when Enter would take it,
// otherwise given its previous text back, and the listener hears why.
void Dispatcher::settle()
{
    if (pending_.slot < 0 || !open_)
        return;
    const Pending p = std::exchange(pending_, {});
    Control& field = window_.at(p.slot);
    if (field.text == p.previous)
        return;
    const std::string typedText = field.text;
    if (std::string full = completedShortYear(typedText, field.design->range); !full.empty())
        field.text = std::move(full);
    if (enterTakes(field)) {
        handleKey(field, enterCode);
        return;
    }
    field.text = p.previous;
    if (refused_)
        refused_(field, givenBackReason(typedText, p.previous, field.design->range, field.design->index <= 1));
}

std::int16_t Dispatcher::handleKey(Control& control, std::int16_t code)
{
    if (control.design->kind != ControlKind::DateField)
        window_.Eingabe_KeyPress(control.design->index, code);
    else if (code == enterCode)
        enterDate(control, code);
    else
        window_.Datum_KeyPress(control.design->index, code);
    followFocus();
    return code;
}

// Enter in a date field ends its pending state. A two-digit year is
// completed first when the field's range leaves one century for it; a date
// that Enter empties is reported with the reason.
void Dispatcher::enterDate(Control& field, std::int16_t& code)
{
    if (pending_.slot == window_.slotOf(field))
        pending_ = {};
    std::string reason;
    if (isTypedDate(field) && hasShortYear(field.text)) {
        std::string full = completedShortYear(field.text, field.design->range);
        if (full.empty())
            reason = fourDigitYearReason;
        else
            field.text = std::move(full);
    } else {
        reason = refusedDateReason(field.text, field.design->range);
    }
    window_.Datum_KeyPress(field.design->index, code);
    if (!reason.empty() && field.isEmptyDate() && refused_)
        refused_(field, reason);
}

// A key in a description box: the handler sees it first and may discard it
// (code 0); otherwise a character goes in at the cursor and Backspace takes
// the character before the cursor away. Enter puts nothing into the
// single-line box.
void Dispatcher::descriptionKey(Control& box, Key key, std::string_view character)
{
    const std::int16_t code = handleKey(box, codeOf(key, character));
    if (code == 0 || key == Key::Enter || !open_)
        return;

    const int slot = window_.slotOf(box);
    // A box that lost the focus to the handler keeps no cursor of ours; the
    // key lands where a newly focused box would put it. A cursor of ours
    // knows its byte offset in the text, which is then the box's text.
    const bool known = cursor_.slot == slot;
    std::size_t position = known ? cursor_.position : typingPlace(box.text);
    std::size_t at = known ? cursor_.byte : byteOffset(box.text, position);
    if (key == Key::Backspace) {
        if (position == 0)
            return;
        std::size_t from = at - 1;
        while (from > 0 && (static_cast<unsigned char>(box.text[from]) & 0xC0) == 0x80)
            --from;
        box.text.erase(from, at - from);
        at = from;
        --position;
    } else {
        box.text.insert(at, character);
        at += character.size();
        ++position;
    }
    if (known) {
        // In place: the known text keeps its buffer from key to key.
        cursor_.position = position;
        cursor_.byte = at;
        cursor_.knownText = box.text;
    }
}

void Dispatcher::followFocus()
{
    Control* f = open_ ? window_.focused() : nullptr;
    if (f == nullptr || f->design->kind != ControlKind::TextBox) {
        cursor_ = {};
        return;
    }
    const int slot = window_.slotOf(*f);
    if (slot != cursor_.slot || f->text != cursor_.knownText) {
        cursor_.slot = slot;
        cursor_.position = typingPlace(f->text);
        cursor_.byte = byteOffset(f->text, cursor_.position);
        cursor_.knownText = f->text;
    }
}

} // namespace tarvolin
