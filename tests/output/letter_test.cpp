// The printed letter, checked line by line. The recorded printer operations
// are folded into the lines as they come out of the printer: "<7000>" is a
// move to x 7000 twips, "**...**" a bold run of text, "{...}" a setting
// (copies, font name, size) or the end of the document.

#include "calc/date_text.h"
#include "output/letter.h"
#include "tests/support/fakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tarvolin {
namespace {

std::vector<std::string> printedLines(const std::vector<std::string>& operations)
{
    std::vector<std::string> lines(1);
    bool bold = false;
    bool inBoldRun = false;
    auto closeRun = [&] {
        if (inBoldRun)
            lines.back() += "**";
        inBoldRun = false;
    };
    auto text = [&](const std::string& t) {
        if (t.empty())
            return;
        if (bold && !inBoldRun)
            lines.back() += "**";
        if (!bold)
            closeRun();
        inBoldRun = bold;
        lines.back() += t;
    };
    for (const std::string& op : operations) {
        const auto tab = op.find('\t');
        const std::string kind = op.substr(0, tab);
        const std::string arg = tab == std::string::npos ? "" : op.substr(tab + 1);
        if (kind == "bold")
            bold = arg == "True";
        else if (kind == "x") {
            closeRun();
            lines.back() += "<" + arg + ">";
        } else if (kind == "text")
            text(arg);
        else if (kind == "line" || kind == "newline") {
            text(arg);
            closeRun();
            lines.emplace_back();
        } else {
            closeRun();
            lines.back() += "{" + (kind == "setting" ? "copies" : kind) + (arg.empty() ? "" : " " + arg) + "}";
        }
    }
    return lines;
}

std::string blanks(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

class Letter : public ::testing::Test {
protected:
    testing::TestWindow window;
    JDA& jda = window.jda;

    void SetUp() override
    {
        // The typical case after its recalculation: born 10/03/1955, paid from
        // 01/04/1990, military service and studies before, one period that does
        // not count (unticked), one ticked row without a from-date.
        jda.Datum(0).text = "10/03/1955";
        jda.Datum(1).text = "01/04/1990";
        setRow(1, "01/09/1980", "31/08/1983", "Wehrdienst", true, "0", "0", "3");
        setRow(2, "01/09/1983", "31/12/1983", "Praktikum", false, "0", "4", "0");
        setRow(3, "__/__/____", "31/12/1983", "ohne Beginn", true, "0", "0", "0");
        setRow(4, "01/01/1984", "31/12/1985", "Studium" + blanks(53), true, "0", "0", "2");
        setPanels(15, "15", "1", "18");
        setPanels(16, "0", "0", "5");
        setPanels(17, "15", "1", "23");
        jda.Datum(30).text = "01/04/1990";
        jda.Datum(31).text = "15/05/2008";
        jda.Datum(32).text = "01/04/1985";
        jda.Datum(33).text = "01/04/2010";
        jda.Datum(34).text = "01/04/2025";
        jda.Datum(35).text = "01/04/2035";
        jda.Datum(38).text = "31/12/2020";
        jda.Text(13).text = "Erreichen der Regelaltersgrenze";
        jda.Text(5).visible = false;
        jda.Text(6).visible = true;
        jda.Text(7).visible = true;
        jda.retireAgeYears = 65;
        jda.retireAgeMonths = 9;
        jda.Opt(0).value = true;
        jda.Opt(1).value = false;
    }

    void setRow(int k, std::string from, std::string to, std::string text, bool ticked, const char* days,
                 const char* months, const char* years)
    {
        jda.Datum(2 * k).text = std::move(from);
        jda.Datum(2 * k + 1).text = std::move(to);
        jda.Eingabe(k).text = std::move(text);
        jda.box(k).value = ticked;
        setPanels(k, days, months, years);
    }
    void setPanels(int r, const char* days, const char* months, const char* years)
    {
        jda.Tage(r).text = days;
        jda.Monat(r).text = months;
        jda.Jahr(r).text = years;
    }
    void employmentLetter()
    {
        jda.Opt(0).value = false;
        jda.Opt(1).value = true;
    }
    std::vector<std::string> print()
    {
        jda.Drucken_Click();
        return printedLines(window.printer.operations);
    }
};

// Lines 1 to 23, the same in both letters but for the title.
std::vector<std::string> head(const std::string& title)
{
    std::vector<std::string> lines{"{copies 1}{font arial}{size 12}", "", "",
                                   "**" + blanks(8) + "Mein Arbeitgeber**<7000>**15.05.2008**",
                                   "**" + blanks(8) + "Personalstelle**", ""};
    lines.insert(lines.end(), 6, "");
    lines.push_back(blanks(12) + "Herrn / Frau");
    lines.insert(lines.end(), 6, "");
    lines.push_back("{size 12}");
    lines.push_back("");
    lines.push_back("**" + blanks(8) + title + "**");
    lines.push_back("");
    return lines;
}

std::vector<std::string> foot()
{
    return {"{size 12}",
            "",
            blanks(9) + "Sachlich und rechnerisch richtig: " + blanks(23) + "Festgestellt:",
            "",
            "",
            blanks(9) + std::string(25, '_') + blanks(26) + std::string(25, '_'),
            "{enddoc}"};
}

std::vector<std::string> joined(std::vector<std::vector<std::string>> parts)
{
    std::vector<std::string> all;
    for (auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

void expectLines(const std::vector<std::string>& actual, const std::vector<std::string>& expected)
{
    for (std::size_t i = 0; i < std::max(actual.size(), expected.size()); ++i) {
        const std::string a = i < actual.size() ? actual[i] : "(no line)";
        const std::string e = i < expected.size() ? expected[i] : "(no line)";
        EXPECT_EQ(a, e) << "line " << i + 1;
    }
}

TEST_F(Letter, JdaLetterPrintsEveryLine)
{
    const std::vector<std::string> body{
        blanks(12) + "Ihr Jubiläumsdienstalter (JDA) wird mit Wirkung ab <7000>01/04/1990",
        blanks(12) + "festgesetzt auf<7000>**01/04/1985**.",
        "",
        "",
        "**" + blanks(8) + "Begründung**",
        "",
        blanks(12) + "Das JDA wurde wie folgt berechnet:",
        "",
        blanks(12) + "1. Geburtstag:<7000>10/03/1955",
        "",
        blanks(12) + "2. Tag, ab dem Ihnen Dienstbezüge zustehen:<7000>01/04/1990",
        "",
        blanks(12) + "3. Abzusetzende Zeiten<9500>T<10000>M<10500>J",
        "",
        "<1500>01/09/1980  -<3000>31/08/1983<4500>Wehrdienst<9500>0<10000>0<10500>3",
        "<1500>01/01/1984  -<3000>31/12/1985<4500>Studium" + blanks(53) + "<9500>0<10000>0<10500>2",
        "<9500>_________",
        "<9500>0<10000>0<10500>5",
        "",
        blanks(12) + "4. Beginn des Jubiläumsdienstalters<7000>01/04/1985",
        "",
        blanks(12) + "5. Erreichen der Regelaltersgrenze<7000>31/12/2020",
        "<1500>" + blanks(12) + "im Alter von 65 Jahren und 9 Monaten",
        "",
        blanks(12) + "6. Nachrichtlich und vorbehaltlich zu berücksichtigender künftiger Umstände:",
        "<1500>25-jähriges Dienstjubiläum<7000>01/04/2010",
        "<1500>40-jähriges Dienstjubiläum (wird nicht erreicht) <7000>01/04/2025",
        "<1500>50-jähriges Dienstjubiläum (wird nicht erreicht) <7000>01/04/2035",
    };
    expectLines(print(), joined({head("Festsetzung Ihres Jubiläumsdienstalters"), body, foot()}));
    EXPECT_TRUE(window.messages.shown.empty());
    EXPECT_EQ(jda.workIndex, 15);
    EXPECT_EQ(jda.periodRow, 1);
}

TEST_F(Letter, EmploymentLetterPrintsEveryLine)
{
    employmentLetter();
    const std::vector<std::string> body{
        blanks(12) + "Sie werden voraussichtlich bis zum 15/05/2008 folgende Beschäftigungszeit erreichen:",
        "**" + blanks(12) + "23 Jahre, 1 Monate und 15 Tage.**",
        "",
        "",
        "**" + blanks(8) + "Begründung**",
        "",
        blanks(12) + "Berechnung der anrechenbaren Vordienstzeiten:<9500>T<10000>M<10500>J",
        "",
        "<1500>01/09/1980  -<3000>31/08/1983<4500>Wehrdienst<9500>0<10000>0<10500>3",
        "<1500>01/01/1984  -<3000>31/12/1985<4500>Studium" + blanks(53) + "<9500>0<10000>0<10500>2",
        "<9500>_________",
        "<9500>0<10000>0<10500>5",
        "",
        blanks(12) + "+ aktuelle Beschäftigungszeit bei uns vom 01/04/1990 bis 15/05/2008<9500>15<10000>1<10500>18",
        "<9500>_________",
        blanks(12) + "= anrechenbare Beschäftigungszeiten insgesamt<9500>15<10000>1<10500>23",
        "<9500>=========",
    };
    expectLines(print(), joined({head("Berechnung der Beschäftigungszeit"), body, foot()}));
    EXPECT_EQ(jda.workIndex, 15);
    EXPECT_EQ(jda.periodRow, 1);
}

TEST_F(Letter, WithoutPrintedRowsTheSumLineStandsAlone)
{
    struct Case {
        const char* name;
        bool employment;
    };
    for (const Case c : {Case{"JDA letter", false}, Case{"employment-period letter", true}}) {
        SCOPED_TRACE(c.name);
        // Both remaining rows have dates but no tick; row 3 a tick but no from-date.
        jda.box(1).value = false;
        jda.box(4).value = false;
        if (c.employment)
            employmentLetter();
        window.printer.operations.clear();
        const auto lines = print();
        const auto heading = std::find_if(lines.begin(), lines.end(),
                                          [](const std::string& l) { return l.find("<9500>T") != std::string::npos; });
        ASSERT_NE(heading, lines.end());
        EXPECT_EQ(*(heading + 1), "");
        EXPECT_EQ(*(heading + 2), "<9500>0<10000>0<10500>5");
        EXPECT_EQ(*(heading + 3), "");
        EXPECT_EQ(jda.workIndex, 15);
        EXPECT_EQ(jda.periodRow, 0);
    }
}

TEST_F(Letter, RowsArePrintedOnlyWhenTickedWithAFromDate)
{
    struct Case {
        const char* name;
        const char* from;
        const char* to;
        bool ticked;
        bool printed;
    };
    const Case cases[] = {
        {"ticked with both dates", "01/01/1980", "31/12/1982", true, true},
        {"ticked, to-date empty: printed as the window shows it", "01/01/1980", "__/__/____", true, true},
        {"ticked, from-date empty", "__/__/____", "31/12/1982", true, false},
        {"not ticked, both dates", "01/01/1980", "31/12/1982", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (int k = 1; k <= 14; ++k)
            jda.box(k).value = false;
        setRow(14, c.from, c.to, "Wehrdienst", c.ticked, "0", "0", "3");
        window.printer.operations.clear();
        const auto lines = print();
        const std::string row = "<1500>" + std::string{c.from} + "  -<3000>" + c.to + "<4500>Wehrdienst<9500>0<10000>0<10500>3";
        const bool rowPrinted = std::find(lines.begin(), lines.end(), row) != lines.end();
        const bool underlined = std::find(lines.begin(), lines.end(), "<9500>_________") != lines.end();
        EXPECT_EQ(rowPrinted, c.printed);
        EXPECT_EQ(underlined, c.printed);
        EXPECT_EQ(jda.periodRow, c.printed ? 1 : 0);
    }
}

TEST_F(Letter, AgeLineSaysMonatOnlyForOneMonth)
{
    struct Case {
        int months;
        const char* ending;
    };
    for (const Case c : {Case{0, "0 Monaten"}, Case{1, "1 Monat"}, Case{2, "2 Monaten"}, Case{11, "11 Monaten"}}) {
        SCOPED_TRACE(c.months);
        jda.retireAgeYears = 67;
        jda.retireAgeMonths = static_cast<std::int16_t>(c.months);
        window.printer.operations.clear();
        const auto lines = print();
        const std::string expected = "<1500>" + blanks(12) + "im Alter von 67 Jahren und " + c.ending;
        EXPECT_NE(std::find(lines.begin(), lines.end(), expected), lines.end()) << expected;
    }
}

TEST_F(Letter, NotReachedMarkFollowsTheVisibleLabels)
{
    const bool visibility[][3] = {{false, false, false}, {true, true, true}, {false, true, false}};
    for (const auto& v : visibility) {
        for (int i = 0; i < 3; ++i)
            jda.Text(5 + i).visible = v[i];
        window.printer.operations.clear();
        const auto lines = print();
        const char* const captions[] = {"25", "40", "50"};
        for (int i = 0; i < 3; ++i) {
            const std::string line = "<1500>" + std::string{captions[i]} + "-jähriges Dienstjubiläum" +
                                     (v[i] ? " (wird nicht erreicht) " : "") + "<7000>" + jda.Datum(33 + i).text;
            EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
        }
    }
}

TEST_F(Letter, EmptyResultDatesPrintAsTheMask)
{
    jda.Datum(32).text = std::string{emptyMask};
    jda.Datum(38).text = std::string{emptyMask};
    const auto lines = print();
    EXPECT_EQ(lines[24], blanks(12) + "festgesetzt auf<7000>**__/__/____**.");
    EXPECT_NE(std::find(lines.begin(), lines.end(), blanks(12) + "5. Erreichen der Regelaltersgrenze<7000>__/__/____"),
              lines.end());
}

TEST_F(Letter, LetterDateIsTodayInGermanForm)
{
    window.clock.day = *Date::fromYmd(2009, 1, 3);
    EXPECT_EQ(print()[3], "**" + blanks(8) + "Mein Arbeitgeber**<7000>**03.01.2009**");
}

TEST_F(Letter, RefusesWithoutBirthdayOrPayStart)
{
    struct Case {
        const char* name;
        int emptied;
    };
    for (const Case c : {Case{"no birthday", 0}, Case{"no pay start", 1}}) {
        testing::TestWindow fresh;
        SCOPED_TRACE(c.name);
        JDA& w = fresh.jda;
        w.Datum(0).text = "10/03/1955";
        w.Datum(1).text = "01/04/1990";
        w.Datum(c.emptied).text = std::string{emptyMask};
        w.Datum(29).text = "31/12/1989"; // a filled last row does not help
        w.setFocus(w.Datum(7));
        w.Drucken_Click();
        EXPECT_TRUE(fresh.printer.operations.empty());
        ASSERT_EQ(fresh.messages.shown.size(), 1u);
        EXPECT_EQ(fresh.messages.shown[0].text, "Bitte vorher Daten eingeben");
        EXPECT_EQ(fresh.messages.shown[0].title, "Dateneingabe fehlt");
        EXPECT_EQ(fresh.messages.shown[0].buttons, MessageButtons::Ok);
        EXPECT_EQ(w.focused(), &w.Datum(0));
    }
}

TEST_F(Letter, PrintsWhenOnlyTheLastRowIsEmpty)
{
    // An empty to-date of row 14 is the usual case and no reason to refuse.
    ASSERT_TRUE(jda.Datum(29).isEmptyDate());
    print();
    EXPECT_TRUE(window.messages.shown.empty());
    EXPECT_EQ(window.printer.operations.back(), "enddoc");
}

TEST_F(Letter, PrinterFailureIsShownAndChangesNothing)
{
    window.printer.failure = "Der Brief konnte nicht gedruckt werden, weil der Drucker „Büro“ einen Fehler gemeldet hat.";
    jda.setFocus(jda.Datum(5));
    std::vector<Control> before = jda.controls();
    const std::string caption = jda.formCaption;
    print();
    ASSERT_EQ(window.messages.shown.size(), 1u);
    EXPECT_EQ(window.messages.shown[0].text, window.printer.failure);
    EXPECT_EQ(window.messages.shown[0].title, "Tarvolin");
    EXPECT_EQ(window.messages.shown[0].buttons, MessageButtons::Ok);
    const auto& after = jda.controls();
    for (std::size_t i = 0; i < before.size(); ++i) {
        SCOPED_TRACE(controlName(*before[i].design));
        EXPECT_EQ(after[i].text, before[i].text);
        EXPECT_EQ(after[i].visible, before[i].visible);
        EXPECT_EQ(after[i].backColor, before[i].backColor);
        EXPECT_EQ(after[i].fontBold, before[i].fontBold);
        EXPECT_EQ(after[i].value, before[i].value);
    }
    EXPECT_EQ(jda.focused(), &jda.Datum(5));
    EXPECT_EQ(jda.formCaption, caption);
}

} // namespace
} // namespace tarvolin
