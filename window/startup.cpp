// Start-up and shut-down of the window. Form_Load puts the case saved at the
// last Schließen back into the controls and replays every date through the
// recalculation, so that all results stand before the user types anything;
// Schließen saves the case and unloads; the close box saves nothing.

#include "calc/date_text.h"
#include "calc/fixed_text.h"
#include "calc/german_quotes.h"
#include "output/entries_file.h"
#include "output/saved_entries.h"
#include "window/jda.h"
#include "window/save_case.h"

#include <string>
#include <system_error>

namespace tarvolin {

namespace {

constexpr std::string_view anniversaryCaption = "Wann erhalte ich eine Jubiläumszuwendung?";
constexpr std::int16_t defaultAgeYears = 67;

std::filesystem::path entriesFileOfWorkingDirectory()
{
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::current_path(error);
    // A working folder that has been deleted has no name; the save will then
    // fail with a message instead of the start-up failing.
    return error ? std::filesystem::path{"jda.txt"} : folder / "jda.txt";
}

// A stored date text comes back only as the empty mask or as a real day
// dd/mm/yyyy that the field accepts. "31/02/2008", "14/03/1888" or bytes
// that merely have "/" in the right places come back empty, so a damaged
// birthday or pay start gives the blank start.
std::string restoredDateText(const std::string& stored, const Control& field)
{
    if (isEmptyDate(stored))
        return stored;
    const auto day = parseDateText(stored);
    return day && field.accepts(*day) ? stored : std::string{emptyMask};
}

std::int16_t inRangeOr(std::int16_t value, int low, int high, std::int16_t otherwise)
{
    return value >= low && value <= high ? value : otherwise;
}

void makeBlankStart(JDA& w)
{
    for (int i = 0; i <= 31; ++i)
        w.Datum(i).text = std::string{emptyMask};
    for (int k = 1; k <= 14; ++k) {
        w.Eingabe(k).text = std::string(savedDescriptionWidth, ' ');
        w.setBox(k, true);
        w.Zähler(k).text = std::to_string(descriptionLength);
    }
}

// The dates 2 to 31 with their day counts, then the rows. currentRow stays as
// it is (0 at start-up), so every date gets its count whatever its row's tick.
void restoreSavedCase(JDA& w, const SavedEntries& saved)
{
    for (int i = 2; i <= 31; ++i) {
        w.Datum(i).text = restoredDateText(saved.dates[static_cast<std::size_t>(i)], w.Datum(i));
        w.lastIndex = static_cast<std::int16_t>(i);
        w.datumdiffneu();
    }
    for (int k = 1; k <= 14; ++k) {
        const auto row = static_cast<std::size_t>(k - 1);
        // The box gets the stored text as it is: all the characters of the
        // field, trailing blanks included, or the characters before a zero
        // byte that ended it early ("Vor", zero, "Nach" gives "Vor"), not
        // padded. A short file's missing descriptions read as empty texts.
        w.Eingabe(k).text = saved.descriptions[row];
        w.setBox(k, saved.rowFlags[row] != 0);
        w.Zähler(k).text = std::to_string(charactersLeft(w.Eingabe(k).text));
    }
}

} // namespace

void JDA::Form_Load()
{
    // A file that cannot be read gives the blank start, as a new one does,
    // but the user is told: the next save keeps it as jda.txt.bak.
    entriesPath = entriesFileOfWorkingDirectory();
    loadEntries();
}

void JDA::loadEntries()
{
    const std::string recovered = recoverInterruptedSave(entriesPath);
    const EntriesFileRead read = readEntriesFile(entriesPath);
    startWith(readRecord(read.bytes));
    if (!read.unreadable.empty())
        notice("Der gespeicherte Fall in " + inQuotes(entriesPath.string()) + " konnte nicht gelesen werden (" +
               read.unreadable + "). Tarvolin beginnt mit einem leeren Fall; die Datei bleibt erhalten.",
               MessageKind::Failure);
    else if (!recovered.empty())
        notice(recovered, MessageKind::Notice);
}

void JDA::startWith(const SavedEntries& saved)
{
    loadingFlag = True;
    formCaption = std::string{anniversaryCaption};
    reservedField = saved.reserved;

    Datum(0).text = restoredDateText(saved.dates[0], Datum(0));
    Datum(1).text = restoredDateText(saved.dates[1], Datum(1));
    if (Datum(0).isEmptyDate() || Datum(1).isEmptyDate())
        makeBlankStart(*this);
    else
        restoreSavedCase(*this, saved);

    retireAgeYears = inRangeOr(saved.ageYears, 55, 70, defaultAgeYears);
    retireAgeMonths = inRangeOr(saved.ageMonths, 0, 11, 0);
    Alter().text = std::to_string(retireAgeYears);
    month().text = std::to_string(retireAgeMonths);
    loadingFlag = False;

    selectOpt(saved.choice == 1 ? 1 : 0);
    umschalter();

    loadingFlag = True;
    for (std::int16_t i = 0; i <= 31; ++i) {
        currentIndex = i;
        currentRow = static_cast<std::int16_t>(i / 2);
        lastIndex = i;
        verarbeiten();
    }
    loadingFlag = False;
    inrentei();
    setFocus(Datum(0));
}

void JDA::Form_Unload(std::int16_t&) {}

void JDA::Schließen_Click()
{
    // dateispeichern, and only a case that is safely on disk lets the window go.
    if (saveCase(*this))
        platform().host.unload();
}

} // namespace tarvolin
