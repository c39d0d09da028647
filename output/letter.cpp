// The letter printed by the button Drucken: from the personnel office to the
// employee, either fixing the begin of the Jubiläumsdienstalter (Opt(0)) or
// stating the Beschäftigungszeit reached on the reference date (Opt(1)).
// Every value is read from the window as it shows it; nothing is computed.
// The lines are laid out top down; only the printer's line ends move down, so
// every empty line below is part of the layout.

#include "output/letter.h"

#include "calc/date_text.h"
#include "window/jda.h"

#include <string>

namespace tarvolin {

namespace {

using namespace letter;

// Prints the three sum columns T, M, J of a row and ends the line.
void printPeriod(Printer& p, const Control& days, const Control& months, const Control& years)
{
    p.setX(daysX);
    p.print(days.text);
    p.setX(monthsX);
    p.print(months.text);
    p.setX(yearsX);
    p.printLine(years.text);
}

// A text, then a date field's text in the value column; ends the line.
void printWithValue(Printer& p, std::string_view text, const Control& date)
{
    p.print(text);
    p.setX(valueX);
    p.printLine(date.text);
}

void emptyLines(Printer& p, int count)
{
    for (int i = 0; i < count; ++i)
        p.newLine();
}

} // namespace

void JDA::Drucken_Click()
{
    // Without the birthday and the pay start there is no letter to write.
    if (Datum(0).isEmptyDate() || Datum(1).isEmptyDate()) {
        platform().messages.show(noDataText, noDataTitle, MessageButtons::Ok);
        setFocus(Datum(0));
        return;
    }

    Printer& p = platform().printer;
    const bool jdaLetter = Opt(0).value;

    // Set-up: one copy, bold, 12-point Arial.
    p.setCopies(1);
    p.setBold(true);
    p.setFontName(fontName);
    p.setFontSize(fontPoints);

    // Head: sender and date, room for the addressee, the title.
    emptyLines(p, 3);
    p.print(indented(8, "Mein Arbeitgeber"));
    p.setX(valueX);
    p.printLine(germanDateText(platform().clock.today()));
    p.printLine(indented(8, "Personalstelle"));
    p.newLine();
    p.setBold(false);
    emptyLines(p, 6);
    p.printLine(indented(12, "Herrn / Frau"));
    emptyLines(p, 6);
    p.setFontSize(fontPoints);
    p.setBold(true);
    emptyLines(p, 2);
    p.printLine(indented(8, jdaLetter ? "Festsetzung Ihres Jubiläumsdienstalters" : "Berechnung der Beschäftigungszeit"));
    p.newLine();

    // The decision.
    p.setBold(false);
    if (jdaLetter) {
        printWithValue(p, indented(12, "Ihr Jubiläumsdienstalter (JDA) wird mit Wirkung ab "), Datum(1));
        p.print(indented(12, "festgesetzt auf"));
        p.setX(valueX);
        p.setBold(true);
        p.print(Datum(32).text);
        p.setBold(false);
        p.printLine(".");
    } else {
        p.printLine(indented(12, "Sie werden voraussichtlich bis zum " + Datum(31).text +
                                     " folgende Beschäftigungszeit erreichen:"));
        p.setBold(true);
        p.printLine(indented(12, Jahr(17).text + " Jahre, " + Monat(17).text + " Monate und " + Tage(17).text +
                                     " Tage."));
    }

    // The justification.
    emptyLines(p, 2);
    p.setBold(true);
    p.printLine(indented(8, "Begründung"));
    p.setBold(false);
    p.newLine();
    if (jdaLetter) {
        p.printLine(indented(12, "Das JDA wurde wie folgt berechnet:"));
        p.newLine();
        printWithValue(p, indented(12, "1. Geburtstag:"), Datum(0));
        p.newLine();
        printWithValue(p, indented(12, "2. Tag, ab dem Ihnen Dienstbezüge zustehen:"), Datum(1));
        p.newLine();
    }

    // The table of the prior periods: only ticked rows with a from-date.
    p.print(indented(12, jdaLetter ? "3. Abzusetzende Zeiten" : "Berechnung der anrechenbaren Vordienstzeiten:"));
    p.setX(daysX);
    p.print("T");
    p.setX(monthsX);
    p.print("M");
    p.setX(yearsX);
    p.printLine("J");
    p.newLine();
    periodRow = 0;
    for (workIndex = 1; workIndex <= 14; ++workIndex) {
        const int k = workIndex;
        if (Datum(2 * k).isEmptyDate() || !box(k).value)
            continue;
        p.setX(rowFromX);
        p.print(Datum(2 * k).text + "  -");
        p.setX(rowToX);
        p.print(Datum(2 * k + 1).text);
        p.setX(rowTextX);
        p.print(Eingabe(k).text);
        printPeriod(p, Tage(k), Monat(k), Jahr(k));
        periodRow = 1;
    }
    if (periodRow == 1) {
        p.setX(daysX);
        p.printLine("_________");
    }
    printPeriod(p, Tage(16), Monat(16), Jahr(16));
    p.newLine();

    if (jdaLetter) {
        printWithValue(p, indented(12, "4. Beginn des Jubiläumsdienstalters"), Datum(32));
        p.newLine();
        printWithValue(p, indented(12, "5. " + Text(13).text), Datum(38));
        p.setX(rowFromX);
        p.printLine(indented(12, "im Alter von " + std::to_string(retireAgeYears) + " Jahren und " +
                                     std::to_string(retireAgeMonths) + (retireAgeMonths == 1 ? " Monat" : " Monaten")));
        p.newLine();
        p.printLine(indented(12, "6. Nachrichtlich und vorbehaltlich zu berücksichtigender künftiger Umstände:"));
        const char* const anniversaries[] = {"25-jähriges Dienstjubiläum", "40-jähriges Dienstjubiläum",
                                             "50-jähriges Dienstjubiläum"};
        for (int i = 0; i < 3; ++i) {
            p.setX(rowFromX);
            std::string caption = anniversaries[i];
            if (Text(5 + i).visible)
                caption += " (wird nicht erreicht) ";
            printWithValue(p, caption, Datum(33 + i));
        }
    } else {
        p.print(indented(12, "+ aktuelle Beschäftigungszeit bei uns vom " + Datum(1).text + " bis " + Datum(31).text));
        printPeriod(p, Tage(15), Monat(15), Jahr(15));
        p.setX(daysX);
        p.printLine("_________");
        p.print(indented(12, "= anrechenbare Beschäftigungszeiten insgesamt"));
        printPeriod(p, Tage(17), Monat(17), Jahr(17));
        p.setX(daysX);
        p.printLine("=========");
    }

    // Foot: the two signatures.
    p.setFontSize(fontPoints);
    p.setBold(false);
    emptyLines(p, 2);
    p.printLine(indented(9, "Sachlich und rechnerisch richtig: " + std::string(23, ' ') + "Festgestellt:"));
    emptyLines(p, 2);
    p.printLine(indented(9, std::string(25, '_') + std::string(26, ' ') + std::string(25, '_')));

    // A failed job changes nothing in the window; the user learns why.
    if (const std::string failure = p.endDoc(); !failure.empty())
        notice(failure);
}

} // namespace tarvolin
