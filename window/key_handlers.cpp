// The keys of the date fields and the description boxes, and the row ticks.
// Typing a date and pressing Enter is what drives the calculator: Enter in a
// date field empties a date that cannot be used, clears a row whose to-date
// was deleted, asks before a deleted birthday clears everything, and otherwise
// starts the recalculation, which moves the focus on.

#include "calc/date_text.h"
#include "calc/fixed_text.h"
#include "window/jda.h"
#include "window/keys.h"

#include <array>
#include <string>

namespace tarvolin {

namespace {

std::int16_t rowOf(std::int16_t index) { return index < 2 ? std::int16_t{0} : static_cast<std::int16_t>(index / 2); }

// A complete date in one of the typed fields 0 to 31 that names no real day
// (31/02/2008, 00/05/2008) or lies outside the field's permitted range is as
// unusable as a half-typed one.
bool isUnusableTypedDate(const Control& field, std::int16_t index)
{
    if (index > 31 || field.isEmptyDate())
        return false;
    const auto day = field.dateValue();
    return !day || !field.accepts(*day);
}

constexpr std::string_view deleteAllTitle = "Mit der kompletten Löschung einverstanden?";
constexpr std::string_view deleteAllText =
    "Mit dem Löschen des Geburtstags werden   a l l e   Daten gelöscht. Sei können es noch verhindern, indem Sie "
    "\"Nein\" anklicken und noch vor der nächsten Enter-Taste einen neuen Geburtstag eingeben.";

} // namespace

void JDA::Datum_KeyPress(std::int16_t index, std::int16_t& keyAscii)
{
    currentIndex = index;
    currentRow = rowOf(index);
    lastIndex = index;
    if (keyAscii != enterCode)
        return;

    Control& field = Datum(index);
    if (isIncompleteDate(field.text) || isUnusableTypedDate(field, index)) {
        field.text = std::string{emptyMask};
        return;
    }
    if (field.isEmptyDate()) {
        if (index == 0) {
            confirmAnswer = platform().messages.show(deleteAllText, deleteAllTitle, MessageButtons::YesNo,
                                                     MessageKind::Question);
            if (confirmAnswer != answerNo)
                allesleeren();
            return;
        }
        if (index % 2 == 1 && index >= 3 && index <= 29) {
            // The to-date of a row was deleted: the row goes with it. The
            // totals follow at the next recalculation.
            const int row = index / 2;
            field.text = std::string{emptyMask};
            Datum(index - 1).text = std::string{emptyMask};
            Tage(row).text = "0";
            Monat(row).text = "0";
            Jahr(row).text = "0";
            jdasubtraktion();
            return;
        }
    }
    if (index >= 32)
        return;
    if (index == 0) {
        inrente();
        inrentei();
    }
    verarbeiten();
}

void JDA::Eingabe_KeyPress(std::int16_t index, std::int16_t& keyAscii)
{
    Control& counter = Zähler(index);
    const int left = charactersLeft(Eingabe(index).text);
    counter.text = std::to_string(left);
    // A full box refuses every key. The count can even fall below 0 when a
    // character lands after trailing blanks of a nearly full box; such a box
    // is full as well, or the description would outgrow what can be saved.
    if (left <= 0)
        keyAscii = 0;
    if (keyAscii == enterCode && index < 14)
        setFocus(Datum(2 * index + 2));
}

void JDA::box_Click(std::int16_t index, std::int16_t)
{
    if (loadingFlag != False)
        return;
    // Both dates of the row are counted again under the new tick: a ticked
    // row counts from the birthday, an unticked one drops out (0).
    const auto saved = std::array{currentIndex, currentRow, lastIndex, workIndex};
    currentRow = index;
    for (int i : {2 * index, 2 * index + 1}) {
        lastIndex = static_cast<std::int16_t>(i);
        datumdiffneu();
    }
    currentIndex = saved[0];
    currentRow = saved[1];
    lastIndex = saved[2];
    workIndex = saved[3];

    // The row's to-date receives the Enter, as if typed; it is handled to the
    // end before the click is.
    Control& toDate = Datum(2 * index + 1);
    setFocus(toDate);
    std::int16_t enter = enterCode;
    Datum_KeyPress(toDate.design->index, enter);
}

} // namespace tarvolin
