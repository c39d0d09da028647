// The staff list against the scripted window: generated employees go through
// `tarvolin --list` and, one by one, through the scripted mode typing the same
// case (today, start, date, type, click, dump). Every value of the list must
// be what the scripted window's dump shows, every message box of the script
// must stand in the row's notes, and a row is left uncomputed exactly when
// the window emptied the birthday or the pay start.

#include "calc/date_text.h"
#include "script/script_command.h"
#include "script/scripted_window.h"
#include "stafflist/tables/csv_reader.h"
#include "stafflist/command/list_command.h"
#include "stafflist/computation/list_platform.h"
#include "stafflist/computation/row_typing.h"
#include "script/dump.h"
#include "tests/output/scratch_folder.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <sstream>

namespace tarvolin {
namespace {

struct Period {
    std::string from, to, tick, description; // dd.mm.yyyy or empty
};

struct Employee {
    std::string birthday, payStart, referenceDate, age; // as in the table
    std::vector<Period> periods;                        // rows 1 to 14
};

std::string tableDate(int d, int m, int y)
{
    return (d < 10 ? "0" : "") + std::to_string(d) + "." + (m < 10 ? "0" : "") + std::to_string(m) + "."
           + std::to_string(y);
}

// dd.mm.yyyy -> dd/mm/yyyy
std::string windowDate(const std::string& t)
{
    std::string s = t;
    s[2] = s[5] = '/';
    return s;
}

// Mostly ordinary cases; now and then a date the window refuses or empties:
// a birthday before 1930, a pay start before the birthday, reversed,
// overlapping or unticked periods, an age to step to.
std::vector<Employee> generate(unsigned seed, int count)
{
    std::mt19937 rng{seed};
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>{low, high}(rng); };
    auto date = [&](int y0, int y1) { return tableDate(pick(1, 28), pick(1, 12), pick(y0, y1)); };
    const std::vector<std::string> words{"Wehrdienst", "Studium in Köln", "Ausbildung", "Zivildienst „Süd“",
                                         "Tätigkeit bei der Stadt", ""};
    std::vector<Employee> staff;
    for (int n = 0; n < count; ++n) {
        Employee e;
        const int born = pick(1925, 1995);
        e.birthday = date(born, born);
        e.payStart = pick(0, 30) == 0 ? date(born - 5, born) : date(born + 17, std::min(2026, born + 45));
        if (pick(0, 2) == 0)
            e.referenceDate = date(2000, 2035);
        if (pick(0, 3) == 0)
            e.age = std::to_string(pick(55, 70)) + (pick(0, 1) ? "/" + std::to_string(pick(0, 11)) : "");
        const int periods = pick(0, 3) == 0 ? 14 : pick(0, 4);
        int year = born + 15;
        for (int k = 0; k < periods; ++k) {
            Period p;
            const int from = year + pick(0, 1);
            p.from = date(from, from);
            p.to = pick(0, 15) == 0 ? date(from - 1, from) : date(from + 1, from + 2);
            if (pick(0, 12) == 0)
                p.to.clear();
            year = from + (pick(0, 10) == 0 ? 0 : 2);
            p.tick = pick(0, 5) == 0 ? "nein" : pick(0, 1) ? "x" : "";
            p.description = words[static_cast<std::size_t>(pick(0, static_cast<int>(words.size()) - 1))];
            e.periods.push_back(p);
        }
        staff.push_back(e);
    }
    return staff;
}

std::string table(const std::vector<Employee>& staff)
{
    std::string t = "Personalnummer;Name;Vorname;Geburtstag;Dienstbezüge ab;Stichtag;Ruhestandsalter";
    for (int k = 1; k <= 14; ++k)
        for (const char* part : {" von", " bis", " öD", " Bezeichnung"})
            t += ";Vorzeit " + std::to_string(k) + part;
    t += "\n";
    for (std::size_t n = 0; n < staff.size(); ++n) {
        const Employee& e = staff[n];
        t += std::to_string(n) + ";Name" + std::to_string(n) + ";V;" + e.birthday + ";" + e.payStart + ";"
             + e.referenceDate + ";" + e.age;
        for (std::size_t k = 0; k < 14; ++k) {
            const Period p = k < e.periods.size() ? e.periods[k] : Period{};
            t += ";" + p.from + ";" + p.to + ";" + p.tick + ";" + p.description;
        }
        t += "\n";
    }
    return t;
}

// The scripted window types the same case, one script line at a time.
class Script {
public:
    Script() : window_{out_} { run("today 07/12/2026"); run("start"); }
    void run(const std::string& line)
    {
        const ScriptLine parsed = parseScriptLine(line);
        ASSERT_EQ(parsed.status, ScriptLine::Status::Command) << line << ": " << parsed.error;
        ASSERT_EQ(window_.run(parsed), "") << line;
    }
    JDA& window() { return *window_.window(); }
    // The dump as Name(index).Property -> value.
    std::map<std::string, std::string> dump()
    {
        std::map<std::string, std::string> values;
        std::istringstream lines{dumpWindow(window())};
        for (std::string l; std::getline(lines, l);)
            if (const auto eq = l.find('='); eq != std::string::npos)
                values[l.substr(0, eq)] = l.substr(eq + 1);
        return values;
    }
    // The texts of the message boxes shown so far.
    std::vector<std::string> messages() const
    {
        std::vector<std::string> texts;
        std::istringstream lines{out_.str()};
        for (std::string l; std::getline(lines, l);)
            if (l.starts_with("msgbox\t")) {
                std::vector<std::string> f;
                std::istringstream fields{l};
                for (std::string x; std::getline(fields, x, '\t');)
                    f.push_back(x);
                texts.push_back(f.at(3));
            }
        return texts;
    }

private:
    std::ostringstream out_;
    ScriptedWindow window_;
};

std::string dotted(const std::string& windowText) { return parseDateText(windowText) ? dayMonthYearForm(windowText) : ""; }

void typeInScript(Script& s, const Employee& e, bool& computed)
{
    computed = false;
    s.run("date 0 " + windowDate(e.birthday));
    if (s.window().Datum(0).isEmptyDate())
        return;
    s.run("date 1 " + windowDate(e.payStart));
    if (s.window().Datum(1).isEmptyDate())
        return;
    computed = true;
    if (!e.referenceDate.empty())
        s.run("date 31 " + windowDate(e.referenceDate));
    for (std::size_t k = 1; k <= e.periods.size(); ++k) {
        const Period& p = e.periods[k - 1];
        const std::string row = std::to_string(k);
        if (!p.from.empty())
            s.run("date " + std::to_string(2 * k) + " " + windowDate(p.from));
        if (!p.to.empty())
            s.run("date " + std::to_string(2 * k + 1) + " " + windowDate(p.to));
        if (!p.description.empty())
            s.run("type Eingabe(" + row + ") " + p.description);
        if (p.tick == "nein")
            s.run("click box(" + row + ")");
    }
    if (!e.age.empty()) {
        // Any way round to the age will do for the script: only the age reached counts.
        const int years = std::stoi(e.age);
        const int months = e.age.find('/') == std::string::npos ? 0 : std::stoi(e.age.substr(e.age.find('/') + 1));
        while (s.window().retireAgeYears != years)
            s.run("click Altern");
        while (s.window().retireAgeMonths != months)
            s.run("click mehr");
    }
}

TEST(StaffListAgainstScriptedWindow, EveryValueIsWhatTheWindowShows)
{
    const testing::ScratchFolder folder; // the scripted window's start-up reads jda.txt here
    const std::vector<Employee> staff = generate(15, 400);
    std::istringstream in{table(staff)};
    std::ostringstream out, err;
    const int status = runStaffListCommand({"--list", "-", "--today", "07.12.2026"}, {in, out, err, false}, {});

    std::istringstream result{out.str()};
    CsvReader reader{result};
    TableRecord line;
    ASSERT_EQ(reader.readHeader(line), CsvReader::Header::Read);
    const std::vector<std::string> header = line.fields;
    ASSERT_EQ(header.size(), 25u);

    constexpr std::array<const char*, 7> tiers{
        "1 Monat zum Monatsschluss",    "6 Wochen zum Quartalsschluss", "3 Monate zum Quartalsschluss",
        "4 Monate zum Quartalsschluss", "5 Monate zum Quartalsschluss", "6 Monate zum Quartalsschluss",
        "nur aus wichtigem Grund kündbar"};
    int uncomputed = 0;
    int withMessages = 0;
    for (std::size_t n = 0; n < staff.size(); ++n) {
        ASSERT_TRUE(reader.next(line)) << "row " << n;
        std::map<std::string, std::string> list;
        for (std::size_t c = 0; c < header.size(); ++c)
            list[header[c]] = line.fields.at(c);
        SCOPED_TRACE("row " + std::to_string(n) + ": " + table({staff[n]}).substr(table({}).size()));

        Script script;
        bool computed = false;
        typeInScript(script, staff[n], computed);
        std::size_t searchFrom = 0;
        for (const std::string& m : script.messages()) {
            const auto at = list["Hinweise"].find(m, searchFrom);
            EXPECT_NE(at, std::string::npos) << "message missing from the notes: " << m;
            searchFrom = at == std::string::npos ? searchFrom : at + m.size();
            ++withMessages;
        }
        if (!computed) {
            ++uncomputed;
            EXPECT_EQ(list["JDA-Beginn"] + list["Geburtstag"] + list["Kündigungsfrist"], "");
            EXPECT_NE(list["Hinweise"].find("nicht berechnet"), std::string::npos);
            continue;
        }
        auto d = script.dump();
        EXPECT_EQ(list["Geburtstag"], dotted(d["Datum(0).Text"]));
        EXPECT_EQ(list["Dienstbezüge ab"], dotted(d["Datum(1).Text"]));
        EXPECT_EQ(list["Stichtag"], dotted(d["Datum(31).Text"]));
        EXPECT_EQ(list["Vorzeiten J"] + "/" + list["Vorzeiten M"] + "/" + list["Vorzeiten T"],
                  d["Jahr(16).Caption"] + "/" + d["Monat(16).Caption"] + "/" + d["Tage(16).Caption"]);
        EXPECT_EQ(list["Beschäftigungszeit J"] + "/" + list["Beschäftigungszeit M"] + "/" + list["Beschäftigungszeit T"],
                  d["Jahr(17).Caption"] + "/" + d["Monat(17).Caption"] + "/" + d["Tage(17).Caption"]);
        EXPECT_EQ(list["JDA-Beginn"], dotted(d["Datum(32).Text"]));
        for (const auto& [years, field, label] : {std::tuple{"25", "Datum(33)", "Text(5)"},
                                                  std::tuple{"40", "Datum(34)", "Text(6)"},
                                                  std::tuple{"50", "Datum(35)", "Text(7)"}}) {
            EXPECT_EQ(list[std::string{years} + " Jahre"], dotted(d[std::string{field} + ".Text"]));
            EXPECT_EQ(list[std::string{years} + " erreicht"],
                      d[std::string{label} + ".Visible"] == "True" ? "nein" : "ja");
        }
        EXPECT_EQ(list["Ruhestandsalter"], d["Alter.Caption"] + "/" + d["month.Caption"]);
        EXPECT_EQ(list["Altersgrenze am"], dotted(d["Datum(38).Text"]));
        std::string tier;
        for (std::size_t k = 0; k < tiers.size(); ++k)
            if (d["Kündigung(" + std::to_string(k) + ").BackColor"] == "FFFFC0")
                tier = tiers[k];
        EXPECT_EQ(list["Kündigungsfrist"], tier);
        EXPECT_EQ(list["spätestens kündigen am"], dotted(d["Datum(36).Text"]));
        EXPECT_EQ(list["Kündigung zum"], dotted(d["Datum(37).Text"]));
    }
    EXPECT_FALSE(reader.next(line));
    EXPECT_EQ(status, uncomputed > 0 ? listWithUncomputedRows : listComplete);
    // The generated cases reach both ways out, and the window's messages.
    EXPECT_GT(uncomputed, 5);
    EXPECT_GT(withMessages, 20);
}

// The list copies one blank start per row instead of making it anew; the
// copy must be the same window.
TEST(StaffListAgainstScriptedWindow, CopiedBlankStartEqualsAFreshOne)
{
    ListPlatform platform{*Date::fromYmd(2026, 12, 7)};
    JDA blank{platform.platform()};
    startBlank(blank);
    JDA used{platform.platform()};
    startBlank(used);
    TypedCase c;
    c.birthday = *Date::fromYmd(1960, 3, 10);
    c.payStart = *Date::fromYmd(1990, 4, 1);
    c.periods[0] = TypedPeriod{Date::fromYmd(1980, 1, 1), Date::fromYmd(1981, 1, 1), "Wehrdienst", false};
    c.retirementAge = TypedCase::Age{63, 5};
    typeCase(used, c);

    copyWindowState(used, blank);
    JDA fresh{platform.platform()};
    startBlank(fresh);
    EXPECT_EQ(dumpWindow(used), dumpWindow(fresh));
}

} // namespace
} // namespace tarvolin
