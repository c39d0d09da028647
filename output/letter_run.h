#pragma once
// A run of letters, one a case, for a writer that puts them on paper (one
// PDF file, one print job): it prints the letters in their order, each ended
// by printer.endDoc(), and afterwards names the cases that gave no letter.
// The staff list makes such runs of its rows; the window's binding paints
// them.

#include "output/letter.h"
#include "output/printer.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tarvolin {

class LetterRun {
public:
    virtual ~LetterRun() = default;
    // The letterhead the letters carry; set before printAll.
    Letterhead letterhead;
    // False when the run was stopped before its end (the user cancelled).
    virtual bool printAll(Printer& printer) = 0;
    // "Zeile 7: Geburtstag fehlt (Zeile 7: 1001 Meier, Anna)" for each case
    // left out, in the order of the run.
    const std::vector<std::string>& leftOut() const { return leftOut_; }
    std::size_t letters() const { return letters_; }
    // The first failure an endDoc reported; the run stops there.
    const std::string& failure() const { return failure_; }
    // "Zeile 7: die Anschrift ist länger ..." for each letter whose address
    // had to be wrapped, drawn narrower or cut (addressIsFitted).
    const std::vector<std::string>& fittedAddresses() const { return fittedAddresses_; }

protected:
    std::vector<std::string> leftOut_;
    std::vector<std::string> fittedAddresses_;
    std::size_t letters_ = 0;
    std::string failure_;
};

// The title of the page that lists the cases without a letter.
std::string leftOutHeading(std::size_t rows);

// What a run without a letter answers; no file is written for it.
inline constexpr std::string_view noLetterText =
    "Die Auswahl enthält keine Zeile, für die ein Brief geschrieben werden kann; es wurde keine Datei geschrieben.";

} // namespace tarvolin
