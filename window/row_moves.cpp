// The small buttons beside the period rows exchange a row with its neighbour:
// `ab` of row k with the row below, `auf` of row k with the row above.
// Everything that belongs to a row travels, what is only shown (the period,
// the characters-left counter) and the day counts included; nothing is
// recalculated, because the totals and the JDA do not depend on the order.

#include "calc/date_text.h"
#include "window/jda.h"

#include <string>

namespace tarvolin {

namespace {

// Exchanges row k, whose button was pressed, with its neighbour row n. The
// neighbour waits in the row-move buffer while row k overwrites it, so row k
// receives the neighbour's description through the 60-character buffer (a
// 10-character description arrives with 50 trailing blanks) while row n
// receives row k's description unchanged.
void exchangeRows(JDA& w, int k, int n)
{
    w.loadingFlag = True;

    w.swapFromText = w.Datum(2 * n).text;
    w.swapToText = w.Datum(2 * n + 1).text;
    w.swapFromCount = w.dayCounts[static_cast<std::size_t>(2 * n)];
    w.swapToCount = w.dayCounts[static_cast<std::size_t>(2 * n + 1)];
    w.swapDescription = w.Eingabe(n).text;
    w.swapCharsLeft = static_cast<std::int16_t>(numericValue(w.Zähler(n).text));
    w.swapInService = w.box(n).value ? True : False;
    w.swapDays = static_cast<std::int16_t>(numericValue(w.Tage(n).text));
    w.swapMonths = static_cast<std::int16_t>(numericValue(w.Monat(n).text));
    w.swapYears = static_cast<std::int16_t>(numericValue(w.Jahr(n).text));

    w.Datum(2 * n).text = w.Datum(2 * k).text;
    w.Datum(2 * n + 1).text = w.Datum(2 * k + 1).text;
    w.dayCounts[static_cast<std::size_t>(2 * n)] = w.dayCounts[static_cast<std::size_t>(2 * k)];
    w.dayCounts[static_cast<std::size_t>(2 * n + 1)] = w.dayCounts[static_cast<std::size_t>(2 * k + 1)];
    w.Eingabe(n).text = w.Eingabe(k).text;
    w.Zähler(n).text = w.Zähler(k).text;
    w.setBox(n, w.box(k).value);
    w.Tage(n).text = w.Tage(k).text;
    w.Monat(n).text = w.Monat(k).text;
    w.Jahr(n).text = w.Jahr(k).text;

    w.Datum(2 * k).text = w.swapFromText.str();
    w.Datum(2 * k + 1).text = w.swapToText.str();
    w.dayCounts[static_cast<std::size_t>(2 * k)] = w.swapFromCount;
    w.dayCounts[static_cast<std::size_t>(2 * k + 1)] = w.swapToCount;
    w.Eingabe(k).text = w.swapDescription.str();
    w.Zähler(k).text = std::to_string(w.swapCharsLeft);
    w.setBox(k, w.swapInService != False);
    w.Tage(k).text = std::to_string(w.swapDays);
    w.Monat(k).text = std::to_string(w.swapMonths);
    w.Jahr(k).text = std::to_string(w.swapYears);

    w.loadingFlag = False;
    // Recounts the entry the last key left in lastIndex; the counts moved
    // with their rows, so it finds the value that entry already holds.
    w.datumdiffneu();
}

} // namespace

void JDA::ab_Click(std::int16_t index) { exchangeRows(*this, index, index + 1); }

void JDA::auf_Click(std::int16_t index) { exchangeRows(*this, index, index - 1); }

} // namespace tarvolin
