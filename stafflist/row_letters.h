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
#include "output/printer.h"
#include "stafflist/list_platform.h"
#include "stafflist/row_typing.h"
#include "window/letter_details.h"

#include <cstddef>
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

// The rows of a selection, one letter each, for a writer that puts them on
// paper. `printAll` prints the letters in their order, each ended by
// printer.endDoc(); after it, leftOut() names the rows that gave no letter.
class LetterRun {
public:
    virtual ~LetterRun() = default;
    // The letterhead the letters carry; set before printAll.
    Letterhead letterhead;
    // False when the run was stopped before its end (the user cancelled).
    virtual bool printAll(Printer& printer) = 0;
    // "Zeile 7: Geburtstag fehlt (Zeile 7: 1001 Meier, Anna)" for each row
    // left out, in the order of the list.
    const std::vector<std::string>& leftOut() const { return leftOut_; }
    std::size_t letters() const { return letters_; }
    // The first failure an endDoc reported; the run stops there.
    const std::string& failure() const { return failure_; }
    // "Zeile 7: die Anschrift ist länger ..." for each letter whose address
    // had to be wrapped, drawn narrower or cut (addressIsFitted).
    const std::vector<std::string>& fittedAddresses() const { return fittedAddresses_; }

protected:
    // One row's letter, of the row in line `fileLine` of the table; false
    // when the run is to stop.
    bool printRow(RowLetterPrinter& rows, const TypedCase& typedCase, const Addressee& to, Printer& printer,
                  const std::string& leftOutText, std::int64_t fileLine);
    std::vector<std::string> leftOut_;
    std::vector<std::string> fittedAddresses_;
    std::size_t letters_ = 0;
    std::string failure_;
};

// The title of the page that lists the rows without a letter.
std::string leftOutHeading(std::size_t rows);

} // namespace tarvolin
