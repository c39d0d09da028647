#pragma once
// Saved cases for the start-up tests: a record as the file holds it, and the
// window state worth comparing before a save and after the next start.

#include "output/saved_entries.h"
#include "tests/output/scratch_folder.h"
#include "tests/support/fakes.h"

#include <string>
#include <vector>

namespace tarvolin::testing {

// Born 10/03/1955, pay from 01/04/1990, row 1 a prior period 01/09/1980 to
// 31/08/1983 described "Grundwehrdienst", every row ticked, reference date
// 15/05/2008 (the fake clock's today), 65 years 9 months, anniversary view.
inline SavedEntries savedCase()
{
    SavedEntries e;
    e.ageYears = 65;
    e.ageMonths = 9;
    e.dates.fill("__/__/____");
    e.dates[0] = "10/03/1955";
    e.dates[1] = "01/04/1990";
    e.dates[2] = "01/09/1980";
    e.dates[3] = "31/08/1983";
    e.dates[31] = "15/05/2008";
    e.descriptions.fill(std::string(60, ' '));
    e.descriptions[0] = "Grundwehrdienst" + std::string(45, ' ');
    e.rowFlags.fill(-1);
    return e;
}

inline std::vector<unsigned char> recordBytes(const SavedEntries& e)
{
    const SavedRecordBytes r = writeRecord(e);
    return {r.begin(), r.end()};
}

inline void writeCase(const std::filesystem::path& p, const SavedEntries& e) { writeFile(p, recordBytes(e)); }

// What the window shows that a save and the next start must bring back: every
// date, period panel, tick, option, the age, the result labels and colours.
inline std::vector<std::string> shownState(JDA& w)
{
    std::vector<std::string> s;
    const auto add = [&](const std::string& name, const std::string& value) { s.push_back(name + "=" + value); };
    for (int i = 0; i <= 38; ++i)
        add("Datum(" + std::to_string(i) + ")", w.Datum(i).text + " " + std::to_string(w.Datum(i).backColor));
    for (int r = 1; r <= 17; ++r)
        add("row " + std::to_string(r), w.Tage(r).text + "/" + w.Monat(r).text + "/" + w.Jahr(r).text);
    for (int k = 1; k <= 14; ++k)
        add("box(" + std::to_string(k) + ")", w.box(k).value ? "ticked" : "-");
    for (int k = 0; k <= 6; ++k)
        add("Kündigung(" + std::to_string(k) + ")", std::to_string(w.Kündigung(k).backColor));
    for (int k = 5; k <= 7; ++k)
        add("Text(" + std::to_string(k) + ")", w.Text(k).visible ? "shown" : "hidden");
    add("Opt", w.Opt(1).value ? "1" : w.Opt(0).value ? "0" : "none");
    add("age", w.Alter().text + "/" + w.month().text);
    add("Label9", w.Label9().text);
    add("Label14", w.Label14().text);
    add("Text(13)", w.Text(13).text);
    add("Termin", w.Termin().text + " " + w.Ziel().text);
    add("Aufkleber", w.Aufkleber().visible ? "shown" : "hidden");
    add("caption", w.formCaption);
    return s;
}

} // namespace tarvolin::testing
