#pragma once
// JDA, the one window object of the program. It owns the calculation state and
// the model of the window's controls for the whole run, and every procedure and
// every handler of the program is one of its methods: a caller puts inputs into
// fields or controls, calls, and reads the results back from fields or controls.
//
// The methods are defined by area:
//   calc/      the calculation procedures (datumsdifferenz ... verarbeiten)
//   window/    the key, focus and click handlers, start-up and shut-down,
//              saving the case, the print and help buttons
// The letter, the entries file and the help addresses themselves are pure
// functions of output/ and help/, which know nothing of JDA. JDA knows nothing
// of any window toolkit; it reaches the platform only through the interfaces
// in Platform. A user's keys, clicks and focus moves reach its handlers
// through the Dispatcher (window/dispatcher.h).

#include "calc/clock.h"
#include "calc/state.h"
#include "help/shell.h"
#include "output/printer.h"
#include "output/saved_entries.h"
#include "window/controls.h"
#include "window/letter_details.h"
#include "window/message_box.h"
#include "window/window_host.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace tarvolin {

struct Platform {
    MessageBox& messages;
    Clock& clock;
    Printer& printer;
    Shell& shell;
    WindowHost& host;
    // The letterhead and the addressee of the letter; a platform that names
    // none prints the plain letter.
    LetterDetails& letter = LetterDetails::none();
};

class JDA : public CalculationState, public ControlModel {
public:
    explicit JDA(Platform platform);

    // --- Calculation procedures (calc/) ---------------------------------
    void datumsdifferenz();   // fromDateText..toDateText -> diffYears, diffMonths, diffDays
    void datumdiffneu();      // dayCounts(lastIndex)
    void plausibilität();     // checks Datum(lastIndex)
    void quartal();           // Datum(36), Datum(37) from Datum(31) and noticeMonths
    void jdasubtraktion();    // JDA begin, anniversaries, retirement date
    void inrente();           // retirement age in use := statutory age of the birth year
    void inrentei();          // statutory age; caption of Text(13)
    void allesleeren();       // clears all entries
    void verarbeiten();       // the recalculation after a confirmed date

    // --- Handlers (window/) ---------------------------------------------
    void Datum_KeyPress(std::int16_t index, std::int16_t& keyAscii);
    void Datum_GotFocus(std::int16_t index);
    void Datum_LostFocus(std::int16_t index);
    void Eingabe_KeyPress(std::int16_t index, std::int16_t& keyAscii);
    void Eingabe_LostFocus(std::int16_t index);
    void box_Click(std::int16_t index, std::int16_t value);
    void ab_Click(std::int16_t index);
    void auf_Click(std::int16_t index);
    void Altern_Click();
    void jünger_Click();
    void mehr_Click();
    void weniger_Click();
    void Opt_Click(std::int16_t index, std::int16_t value);
    void Label4_Click();
    void Label7_Click();
    void umschalter();

    void Form_Load();
    // Form_Load's reading of the entries file, for a file already chosen in
    // entriesPath (a case of the staff list in its own folder).
    void loadEntries();
    // The start-up after the entries file has been read: puts a saved case
    // into the controls (a record of zeros gives the blank start of an empty
    // folder), replays it and puts the focus into the birthday. Form_Load is
    // reading jda.txt and then this; a caller without a file starts here.
    void startWith(const SavedEntries& saved);
    void Form_Unload(std::int16_t& cancel);
    void Schließen_Click();

    // --- Saving, printing, help (window/save_case.cpp, print_button.cpp,
    //     help_buttons.cpp) ------------------------------------------------
    void dateispeichern();
    void Drucken_Click();
    void insinternet();
    void Hilfe_Click();
    void Hilfetexte_Click();
    void SSCommand1_Click();
    void SSCommand2_Click();

    // --- Window operations the handlers share (window/jda.cpp) -----------
    // Moves the input focus; the focus handlers of the control losing and of
    // the control receiving the focus run, as when the user clicks.
    void setFocus(Control& control);
    // A programmatic change of a row's tick; raises box_Click when it changes.
    void setBox(int row, bool ticked);
    // Selects an option button; raises Opt_Click.
    void selectOpt(int index);
    // A notice of the calculation: the text, the title "Tarvolin", OK only.
    void notice(std::string_view text, MessageKind kind = MessageKind::Notice);

    Platform& platform() { return platform_; }

    // --- The entries file ---------------------------------------------------
    std::filesystem::path entriesPath;          // fixed at start-up
    std::array<unsigned char, 58> reservedField{}; // written back exactly as read

private:
    Platform platform_;
};

} // namespace tarvolin
