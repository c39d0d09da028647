// The letter, laid out top down in its parts: set-up, head, decision,
// justification, the table of prior periods, the results and the foot. Only
// the printer's line ends move down, so every empty line below is part of
// the layout.

#include "output/letter.h"

#include "calc/date_text.h"

#include <string>

namespace tarvolin {

namespace {

using namespace letter;

// Prints the three sum columns T, M, J of a period and ends the line.
void printPeriod(Printer& p, const LetterPeriod& period)
{
    p.setX(daysX);
    p.print(period.days);
    p.setX(monthsX);
    p.print(period.months);
    p.setX(yearsX);
    p.printLine(period.years);
}

// A text, then a date text in the value column; ends the line.
void printWithValue(Printer& p, std::string_view text, std::string_view date)
{
    p.print(text);
    p.setX(valueX);
    p.printLine(date);
}

void emptyLines(Printer& p, int count)
{
    for (int i = 0; i < count; ++i)
        p.newLine();
}

// One copy, bold, 12-point Arial.
void setUp(Printer& p)
{
    p.setCopies(1);
    p.setBold(true);
    p.setFontName(fontName);
    p.setFontSize(fontPoints);
}

// Sender and date, room for the addressee, the title.
void printHead(Printer& p, const LetterInput& l)
{
    emptyLines(p, 3);
    p.print(indented(8, "Mein Arbeitgeber"));
    p.setX(valueX);
    p.printLine(germanDateText(l.today));
    p.printLine(indented(8, "Personalstelle"));
    p.newLine();
    p.setBold(false);
    emptyLines(p, 6);
    p.printLine(indented(12, "Herrn / Frau"));
    emptyLines(p, 6);
    p.setFontSize(fontPoints);
    p.setBold(true);
    emptyLines(p, 2);
    p.printLine(indented(8, l.jdaLetter ? "Festsetzung Ihres Jubiläumsdienstalters" : "Berechnung der Beschäftigungszeit"));
    p.newLine();
}

void printDecision(Printer& p, const LetterInput& l)
{
    p.setBold(false);
    if (l.jdaLetter) {
        printWithValue(p, indented(12, "Ihr Jubiläumsdienstalter (JDA) wird mit Wirkung ab "), l.payStart);
        p.print(indented(12, "festgesetzt auf"));
        p.setX(valueX);
        p.setBold(true);
        p.print(l.jdaBegin);
        p.setBold(false);
        p.printLine(".");
    } else {
        p.printLine(indented(12, "Sie werden voraussichtlich bis zum " + l.referenceDate +
                                     " folgende Beschäftigungszeit erreichen:"));
        p.setBold(true);
        p.printLine(indented(12, l.total.years + " Jahre, " + l.total.months + " Monate und " + l.total.days +
                                     " Tage."));
    }
}

void printJustification(Printer& p, const LetterInput& l)
{
    emptyLines(p, 2);
    p.setBold(true);
    p.printLine(indented(8, "Begründung"));
    p.setBold(false);
    p.newLine();
    if (l.jdaLetter) {
        p.printLine(indented(12, "Das JDA wurde wie folgt berechnet:"));
        p.newLine();
        printWithValue(p, indented(12, "1. Geburtstag:"), l.birthday);
        p.newLine();
        printWithValue(p, indented(12, "2. Tag, ab dem Ihnen Dienstbezüge zustehen:"), l.payStart);
        p.newLine();
    }
}

// The table of the prior periods: only ticked rows with a from-date, then
// their sum. Returns whether a row was printed.
bool printPeriods(Printer& p, const LetterInput& l)
{
    p.print(indented(12, l.jdaLetter ? "3. Abzusetzende Zeiten" : "Berechnung der anrechenbaren Vordienstzeiten:"));
    p.setX(daysX);
    p.print("T");
    p.setX(monthsX);
    p.print("M");
    p.setX(yearsX);
    p.printLine("J");
    p.newLine();
    bool listed = false;
    for (const LetterRow& row : l.rows) {
        if (isEmptyDate(row.fromDate) || !row.ticked)
            continue;
        p.setX(rowFromX);
        p.print(row.fromDate + "  -");
        p.setX(rowToX);
        p.print(row.toDate);
        p.setX(rowTextX);
        p.print(row.description);
        printPeriod(p, row.period);
        listed = true;
    }
    if (listed) {
        p.setX(daysX);
        p.printLine("_________");
    }
    printPeriod(p, l.priorPeriods);
    p.newLine();
    return listed;
}

// The JDA letter: the JDA begin, the retirement date and the anniversaries.
void printJdaResults(Printer& p, const LetterInput& l)
{
    printWithValue(p, indented(12, "4. Beginn des Jubiläumsdienstalters"), l.jdaBegin);
    p.newLine();
    printWithValue(p, indented(12, "5. " + l.retirementCaption), l.retirementDate);
    p.setX(rowFromX);
    p.printLine(indented(12, "im Alter von " + std::to_string(l.retireAgeYears) + " Jahren und " +
                                 std::to_string(l.retireAgeMonths) + (l.retireAgeMonths == 1 ? " Monat" : " Monaten")));
    p.newLine();
    p.printLine(indented(12, "6. Nachrichtlich und vorbehaltlich zu berücksichtigender künftiger Umstände:"));
    const char* const captions[] = {"25-jähriges Dienstjubiläum", "40-jähriges Dienstjubiläum",
                                    "50-jähriges Dienstjubiläum"};
    for (std::size_t i = 0; i < 3; ++i) {
        p.setX(rowFromX);
        std::string caption = captions[i];
        if (l.anniversaries[i].notReached)
            caption += " (wird nicht erreicht) ";
        printWithValue(p, caption, l.anniversaries[i].date);
    }
}

// The employment-period letter: the current employment and the total.
void printEmploymentResults(Printer& p, const LetterInput& l)
{
    p.print(indented(12, "+ aktuelle Beschäftigungszeit bei uns vom " + l.payStart + " bis " + l.referenceDate));
    printPeriod(p, l.employment);
    p.setX(daysX);
    p.printLine("_________");
    p.print(indented(12, "= anrechenbare Beschäftigungszeiten insgesamt"));
    printPeriod(p, l.total);
    p.setX(daysX);
    p.printLine("=========");
}

// The two signatures.
void printFoot(Printer& p)
{
    p.setFontSize(fontPoints);
    p.setBold(false);
    emptyLines(p, 2);
    p.printLine(indented(9, "Sachlich und rechnerisch richtig: " + std::string(23, ' ') + "Festgestellt:"));
    emptyLines(p, 2);
    p.printLine(indented(9, std::string(25, '_') + std::string(26, ' ') + std::string(25, '_')));
}

} // namespace

LetterPrinted printLetter(const LetterInput& letter, Printer& printer)
{
    LetterPrinted printed;
    setUp(printer);
    printHead(printer, letter);
    printDecision(printer, letter);
    printJustification(printer, letter);
    printed.rowsListed = printPeriods(printer, letter);
    if (letter.jdaLetter)
        printJdaResults(printer, letter);
    else
        printEmploymentResults(printer, letter);
    printFoot(printer);
    printed.failure = printer.endDoc();
    return printed;
}

} // namespace tarvolin
