#pragma once
// The letters of a selection of the staff list: for each row, the letter its
// case window prints. The row's case is typed into a window object as the
// case window opens it (the blank start, then the typing), the letter is
// chosen as the window's view chooses it (JDA letter or Beschäftigungszeit),
// and Drucken is pressed, with the office's letterhead and the row's
// addressee as the case window offers them. The letter goes to the printer
// given for it; nothing is computed for the letter that the window does not
// compute.

#include "calc/date.h"
#include "output/letter.h"
#include "output/letter_run.h"
#include "output/printer.h"
#include "stafflist/computation/list_platform.h"
#include "stafflist/computation/row_typing.h"
#include "window/letter_details.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tarvolin {

class RowLetterPrinter {
public:
    RowLetterPrinter(Date today, bool jdaLetter, Letterhead letterhead);
    RowLetterPrinter(const RowLetterPrinter&) = delete;
    RowLetterPrinter& operator=(const RowLetterPrinter&) = delete;

    struct Printed {
        bool printed = false; // false: the window printed nothing (it refused the case)
        std::string failure;  // what the printer's endDoc reported
    };
    // The letter of one case to one addressee, ended by printer.endDoc().
    Printed print(const TypedCase& typedCase, const Addressee& to, Printer& printer);

private:
    // Hands every operation to the printer of the letter being printed.
    class Forward final : public Printer {
    public:
        Printer* to = nullptr;
        int documents = 0;
        void setCopies(int copies) override { to->setCopies(copies); }
        void setFontName(std::string_view name) override { to->setFontName(name); }
        void setFontSize(int points) override { to->setFontSize(points); }
        void setBold(bool bold) override { to->setBold(bold); }
        void setX(int twips) override { to->setX(twips); }
        void print(std::string_view text) override { to->print(text); }
        void printLine(std::string_view text) override { to->printLine(text); }
        void newLine() override { to->newLine(); }
        std::string endDoc() override
        {
            ++documents;
            return to->endDoc();
        }
        void printCentredLine(int centreTwips, std::string_view text) override
        {
            to->printCentredLine(centreTwips, text);
        }
        void fitOnOnePage() override { to->fitOnOnePage(); }
    };
    // The office's letterhead and the row's addressee, as the case window
    // offers them; nothing is asked.
    class Details final : public LetterDetails {
    public:
        Letterhead head;
        Addressee to;
        Letterhead letterhead() override { return head; }
        std::optional<Addressee> askAddressee(const LetterCase&) override { return to; }
    };

    bool jdaLetter_;
    CollectingMessageBox messages_;
    FixedClock clock_;
    Forward printer_;
    NoShell shell_{false};
    NoHost host_;
    Details details_;
    JDA blank_;
    JDA window_;
};

// A run of letters (output/letter_run.h) of rows of the staff list, each
// printed by a RowLetterPrinter.
class RowLetterRun : public LetterRun {
protected:
    // One row's letter, of the row in line `fileLine` of the table; false
    // when the run is to stop. A row the window printed nothing for is left
    // out with `leftOutText`.
    bool printRow(RowLetterPrinter& rows, const TypedCase& typedCase, const Addressee& to, Printer& printer,
                  const std::string& leftOutText, std::int64_t fileLine);
};

} // namespace tarvolin
