#pragma once
// The letter printed by the button Drucken, from the personnel office to the
// employee: either fixing the begin of the Jubiläumsdienstalter or stating
// the Beschäftigungszeit reached on the reference date. printLetter prints
// what a LetterInput holds, as the window showed it; it computes nothing and
// knows no window (JDA::Drucken_Click gathers the input).
//
// The office's letterhead and the addressee are optional parts. Without them
// the letter is the plain one it has always been. With either, the letterhead
// fills the lines under the sender that the plain letter leaves empty, the
// addressee the room under "Herrn / Frau" (so the address stays where a
// window envelope shows it), the signer stands under the signature line, and
// the letter asks the printer for one page.

#include "calc/date.h"
#include "output/printer.h"

#include <array>
#include <string>
#include <string_view>

namespace tarvolin {

namespace letter {

// Horizontal positions in twips from the left of the printable area.
inline constexpr int rowFromX = 1500;   // from-date of a row; anniversary captions; the age line
inline constexpr int rowToX = 3000;     // to-date of a row
inline constexpr int rowTextX = 4500;   // description of a row
inline constexpr int valueX = 7000;     // the column of dates after the texts
inline constexpr int daysX = 9500;      // "T", underlines of the sums
inline constexpr int monthsX = 10000;   // "M"
inline constexpr int yearsX = 10500;    // "J"
// The middle of the right signature line of the foot ("Festgestellt:"): nine
// blanks, 25 underscores and 26 blanks of 12-point Arial (a blank is 66.7
// twips, an underscore 133.5) put it at x 5672 to 9008.
inline constexpr int signerCentreX = 7340;
// The right end of the address: the address field of a window envelope is
// 85 mm wide from the address's indent of twelve blanks (800 twips). A line
// that would reach past it is drawn narrower (document_layout.h).
inline constexpr int addressEndX = 5600;
// The characters of 12-point Arial that fill that width in an ordinary
// name; a longer part of the address is wrapped at its blanks onto the
// empty lines of the room, and what the room cannot take is cut with "…".
inline constexpr std::size_t addressLineCharacters = 42;

inline constexpr std::string_view fontName = "arial";
inline constexpr int fontPoints = 12;

// Shown instead of printing when the birthday or the pay start is missing.
inline constexpr std::string_view noDataText = "Bitte vorher Daten eingeben";
inline constexpr std::string_view noDataTitle = "Dateneingabe fehlt";

// A blank indent of n: n blanks of the current font in front of the text.
inline std::string indented(int blanks, std::string_view text)
{
    return std::string(static_cast<std::size_t>(blanks), ' ').append(text);
}

} // namespace letter

// A period as its three panels show it: days, months, years.
struct LetterPeriod {
    std::string days;
    std::string months;
    std::string years;
};

// One of the fourteen rows of prior periods. Only ticked rows with a
// from-date are printed.
struct LetterRow {
    std::string fromDate; // date texts as the fields show them, "__/__/____" when empty
    std::string toDate;
    std::string description;
    bool ticked = false;
    LetterPeriod period;
};

// The office's letterhead, set once on the desktop; every field may be empty.
// Its fields are all texts, so a list in declaration order would still
// compile after a reordering and fill the wrong lines: name them
// (Letterhead{.employer = "Stadt Musterstadt", .signerName = "Erika Mustermann"}).
// The desktop keeps and edits them through one table (qt/letter/letterhead_fields.h).
struct Letterhead {
    std::string employer;       // instead of "Mein Arbeitgeber"
    std::string office;         // instead of "Personalstelle"
    std::string senderLine1;    // under the office: address,
    std::string senderLine2;    // telephone,
    std::string senderLine3;    // e-mail
    std::string fileReference;  // the Aktenzeichen, a line of its own under the sender
    std::string signerName;     // centred under the signature line
    std::string signerFunction; // under the signer's name

    bool empty() const { return *this == Letterhead{}; }
    friend bool operator==(const Letterhead&, const Letterhead&) = default;
};

// The addressee of one letter. It counts only with a name.
struct Addressee {
    std::string salutation; // "Frau", "Herrn" or empty
    std::string name;
    std::string street;     // street and house number
    std::string town;       // postcode and town

    bool empty() const { return name.empty(); }
};

// Whether the letter prints this address otherwise than as one line a part:
// wrapped, drawn narrower or cut, because a part is longer than
// letter::addressLineCharacters. The list of letters says so for the row.
bool addressIsFitted(const Addressee& to);

struct LetterAnniversary {
    std::string date;
    bool notReached = false; // beyond the retirement age: "(wird nicht erreicht)"
};

struct LetterInput {
    bool jdaLetter = true;            // Opt(0): the JDA letter; else the Beschäftigungszeit
    Date today;                       // the letter's date
    std::string birthday;             // Datum(0)
    std::string payStart;             // Datum(1)
    std::string referenceDate;        // Datum(31)
    std::string jdaBegin;             // Datum(32)
    std::string retirementDate;       // Datum(38)
    std::string retirementCaption;    // Text(13)
    int retireAgeYears = 0;
    int retireAgeMonths = 0;
    std::array<LetterRow, 14> rows;
    LetterPeriod employment;          // row 15
    LetterPeriod priorPeriods;        // row 16, the sum of the rows
    LetterPeriod total;               // row 17
    std::array<LetterAnniversary, 3> anniversaries; // 25, 40, 50 years
    Letterhead letterhead;            // empty: the plain sender
    Addressee addressee;              // empty: "Herrn / Frau" and room to write
};

struct LetterPrinted {
    bool rowsListed = false; // at least one row of prior periods was printed
    std::string failure;     // what Printer::endDoc reported; "" when the job went out
    DocumentFate fate = DocumentFate::Delivered; // withdrawn or sent back from a preview
};

// Prints the whole letter and ends the document.
LetterPrinted printLetter(const LetterInput& letter, Printer& printer);

} // namespace tarvolin
