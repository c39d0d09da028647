// inrente makes the statutory retirement age of the birth year
// (statutory_age.h) the age in use; inrentei names the retirement line by
// whether the age in use is still the statutory one.

#include "window/calculation/panel_values.h"
#include "calc/statutory_age.h"
#include "window/jda.h"

namespace tarvolin {

namespace {
// The birth year of the birthday field; 0 (before 1947) when it holds no date.
int birthYear(JDA& window)
{
    const auto birthday = window.Datum(0).dateValue();
    return birthday ? birthday->year() : 0;
}
} // namespace

void JDA::inrente()
{
    const RetirementAge age = statutoryRetirementAge(birthYear(*this));
    retireAgeYears = age.years;
    retireAgeMonths = age.months;
    showNumber(Alter(), retireAgeYears);
    showNumber(month(), retireAgeMonths);
}

void JDA::inrentei()
{
    const RetirementAge age = statutoryRetirementAge(birthYear(*this));
    statutoryAgeYears = age.years;
    statutoryAgeMonths = age.months;
    if (retireAgeYears == statutoryAgeYears && retireAgeMonths == statutoryAgeMonths)
        Text(13).text = "Erreichen der Regelaltersgrenze";
    else
        Text(13).text = "Eintritt in des Ruhestand";
}

} // namespace tarvolin
