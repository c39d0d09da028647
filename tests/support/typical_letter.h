#pragma once
// The typical case as the letter receives it, shared by the letter's tests:
// born 10/03/1955, paid from 01/04/1990, military service and studies before,
// one period that does not count (unticked), one ticked row without a
// from-date; the 40- and 50-year anniversaries lie beyond the retirement
// age; printed on 15/05/2008.

#include "output/letter.h"

#include <string>
#include <utility>

namespace tarvolin::testing {

inline void setLetterRow(LetterInput& l, int k, std::string from, std::string to, std::string text, bool ticked,
                         LetterPeriod period)
{
    l.rows[static_cast<std::size_t>(k - 1)] = {std::move(from), std::move(to), std::move(text), ticked,
                                               std::move(period)};
}

// A letterhead with every field filled.
inline Letterhead typicalLetterhead()
{
    return {.employer = "Stadt Musterstadt",
            .office = "Personalamt",
            .senderLine1 = "Marktplatz 1, 12345 Musterstadt",
            .senderLine2 = "Telefon 01234 5678-0",
            .senderLine3 = "personal@musterstadt.de",
            .fileReference = "11-22/2008",
            .signerName = "Erika Mustermann",
            .signerFunction = "Leiterin des Personalamts"};
}

inline LetterInput typicalLetter()
{
    LetterInput l;
    l.jdaLetter = true;
    l.today = *Date::fromYmd(2008, 5, 15);
    l.birthday = "10/03/1955";
    l.payStart = "01/04/1990";
    l.referenceDate = "15/05/2008";
    l.jdaBegin = "01/04/1985";
    l.retirementDate = "31/12/2020";
    l.retirementCaption = "Erreichen der Regelaltersgrenze";
    l.retireAgeYears = 65;
    l.retireAgeMonths = 9;
    for (int k = 1; k <= 14; ++k)
        setLetterRow(l, k, "__/__/____", "__/__/____", "", false, {"", "", ""});
    setLetterRow(l, 1, "01/09/1980", "31/08/1983", "Wehrdienst", true, {"0", "0", "3"});
    setLetterRow(l, 2, "01/09/1983", "31/12/1983", "Praktikum", false, {"0", "4", "0"});
    setLetterRow(l, 3, "__/__/____", "31/12/1983", "ohne Beginn", true, {"0", "0", "0"});
    setLetterRow(l, 4, "01/01/1984", "31/12/1985", "Studium" + std::string(53, ' '), true, {"0", "0", "2"});
    l.employment = {"15", "1", "18"};
    l.priorPeriods = {"0", "0", "5"};
    l.total = {"15", "1", "23"};
    l.anniversaries = {{{"01/04/2010", false}, {"01/04/2025", true}, {"01/04/2035", true}}};
    return l;
}

} // namespace tarvolin::testing
