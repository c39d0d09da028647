// The letter, laid out top down in its parts: set-up, head, decision,
// justification, the table of prior periods, the results and the foot. Only
// the printer's line ends move down, so every empty line below is part of
// the layout.

#include "output/letter.h"

#include "calc/date_text.h"

#include <algorithm>
#include <string>
#include <vector>

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

// One copy, bold, 12-point Arial; a letter to send on one page.
void setUp(Printer& p, const LetterInput& l)
{
    p.setCopies(1);
    if (!l.letterhead.empty() || !l.addressee.empty())
        p.fitOnOnePage();
    p.setBold(true);
    p.setFontName(fontName);
    p.setFontSize(fontPoints);
}

// Lines printed one under the other at a blank indent (an empty one as an
// empty line), then empty lines up to `room` lines in all.
void printRoom(Printer& p, int blanks, const std::vector<std::string>& lines, std::size_t room)
{
    for (const std::string& line : lines) {
        if (line.empty())
            p.newLine();
        else
            p.printLine(indented(blanks, line));
    }
    emptyLines(p, static_cast<int>(room - std::min(room, lines.size())));
}

// What the letterhead puts under the office, in the seven lines the plain
// letter leaves empty there: the sender lines, then, after an empty line,
// the Aktenzeichen.
std::vector<std::string> senderBlock(const Letterhead& head)
{
    std::vector<std::string> lines;
    for (const std::string* line : {&head.senderLine1, &head.senderLine2, &head.senderLine3})
        if (!line->empty())
            lines.push_back(*line);
    if (!head.fileReference.empty()) {
        lines.emplace_back();
        lines.push_back("Aktenzeichen: " + head.fileReference);
    }
    return lines;
}

std::size_t characters(std::string_view utf8)
{
    return static_cast<std::size_t>(
        std::count_if(utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// The first `n` characters of a text, and the rest.
std::pair<std::string_view, std::string_view> splitAfter(std::string_view utf8, std::size_t n)
{
    std::size_t at = 0;
    for (std::size_t seen = 0; at < utf8.size(); ++at)
        if ((static_cast<unsigned char>(utf8[at]) & 0xC0) != 0x80 && seen++ == n)
            break;
    return {utf8.substr(0, at), utf8.substr(at)};
}

// A part of the address on at most `most` lines of addressLineCharacters,
// broken at its last blank that fits (or inside a word without one); the
// last line ends with "…" when the part does not fit.
std::vector<std::string> wrapped(std::string_view part, std::size_t most)
{
    std::vector<std::string> lines;
    while (!part.empty()) {
        if (lines.size() + 1 == most || characters(part) <= addressLineCharacters) {
            auto [head, rest] = splitAfter(part, addressLineCharacters);
            lines.emplace_back(rest.empty() ? std::string{head} : std::string{head} + "…");
            break;
        }
        auto [head, rest] = splitAfter(part, addressLineCharacters);
        if (rest.front() == ' ') {
            rest.remove_prefix(1); // the line is full up to a blank
        } else if (const auto blank = head.rfind(' '); blank != std::string_view::npos && blank > 0) {
            rest = part.substr(blank + 1);
            head = part.substr(0, blank);
        }
        lines.emplace_back(head);
        part = rest;
    }
    return lines;
}

// The address in the room from the line of "Herrn / Frau" on: salutation,
// name, street, town, leaving out what is not given. A long part takes the
// empty lines of the room, the name first.
std::vector<std::string> addressBlock(const Addressee& to, std::size_t room)
{
    std::vector<const std::string*> parts;
    for (const std::string* part : {&to.salutation, &to.name, &to.street, &to.town})
        if (!part->empty())
            parts.push_back(part);
    std::size_t spare = room - std::min(room, parts.size());
    std::vector<std::vector<std::string>> lines(parts.size());
    for (const std::string* first : {&to.name, &to.street, &to.town, &to.salutation})
        for (std::size_t i = 0; i < parts.size(); ++i)
            if (parts[i] == first) {
                lines[i] = wrapped(*first, spare + 1);
                spare -= lines[i].size() - 1;
            }
    std::vector<std::string> block;
    for (const auto& part : lines)
        block.insert(block.end(), part.begin(), part.end());
    return block;
}

// The address lines, each kept inside the address field, then empty lines
// up to `room` lines in all.
void printAddress(Printer& p, const std::vector<std::string>& lines, std::size_t room)
{
    for (const std::string& line : lines) {
        p.print(indented(12, line));
        p.setX(addressEndX);
        p.newLine();
    }
    emptyLines(p, static_cast<int>(room - std::min(room, lines.size())));
}

std::string_view orDefault(const std::string& text, std::string_view plain)
{
    return text.empty() ? plain : std::string_view{text};
}

// Sender and date, room for the addressee, the title. The letterhead and
// the address fill the empty lines of the plain head and move nothing.
void printHead(Printer& p, const LetterInput& l)
{
    const bool plain = l.letterhead.empty() && l.addressee.empty();
    emptyLines(p, 3);
    p.print(indented(8, orDefault(l.letterhead.employer, "Mein Arbeitgeber")));
    p.setX(valueX);
    p.printLine(germanDateText(l.today));
    p.printLine(indented(8, orDefault(l.letterhead.office, "Personalstelle")));
    if (plain) {
        p.newLine();
        p.setBold(false);
        emptyLines(p, 6);
        p.printLine(indented(12, "Herrn / Frau"));
        emptyLines(p, 6);
    } else {
        p.setBold(false);
        printRoom(p, 8, senderBlock(l.letterhead), 7);
        if (l.addressee.empty())
            printRoom(p, 12, {"Herrn / Frau"}, 7);
        else
            printAddress(p, addressBlock(l.addressee, 7), 7);
    }
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

// The two signatures; the letterhead's signer under the right one.
void printFoot(Printer& p, const Letterhead& head)
{
    p.setFontSize(fontPoints);
    p.setBold(false);
    emptyLines(p, 2);
    p.printLine(indented(9, "Sachlich und rechnerisch richtig: " + std::string(23, ' ') + "Festgestellt:"));
    emptyLines(p, 2);
    p.printLine(indented(9, std::string(25, '_') + std::string(26, ' ') + std::string(25, '_')));
    for (const std::string* line : {&head.signerName, &head.signerFunction})
        if (!line->empty())
            p.printCentredLine(signerCentreX, *line);
}

} // namespace

bool addressIsFitted(const Addressee& to)
{
    for (const std::string* part : {&to.salutation, &to.name, &to.street, &to.town})
        if (characters(*part) > addressLineCharacters)
            return true;
    return false;
}

LetterPrinted printLetter(const LetterInput& letter, Printer& printer)
{
    LetterPrinted printed;
    setUp(printer, letter);
    printHead(printer, letter);
    printDecision(printer, letter);
    printJustification(printer, letter);
    printed.rowsListed = printPeriods(printer, letter);
    if (letter.jdaLetter)
        printJdaResults(printer, letter);
    else
        printEmploymentResults(printer, letter);
    printFoot(printer, letter.letterhead);
    printed.failure = printer.endDoc();
    printed.fate = printer.fate();
    return printed;
}

} // namespace tarvolin
