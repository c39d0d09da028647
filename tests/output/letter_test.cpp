// The printed letter of a plain LetterInput, checked line by line. The recorded printer operations
// are folded into the lines as they come out of the printer: "<7000>" is a
// move to x 7000 twips, "**...**" a bold run of text, "{...}" a setting
// (copies, font name, size) or the end of the document.

#include "calc/date_text.h"
#include "output/letter.h"
#include "tests/support/recording_printer.h"
#include "tests/support/typical_letter.h"

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
        else if (kind == "centre") {
            const auto second = arg.find('\t');
            lines.back() += "<centre " + arg.substr(0, second) + ">" + arg.substr(second + 1);
            lines.emplace_back();
        } else if (kind == "line" || kind == "newline") {
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
    testing::RecordingPrinter printer;
    LetterInput letter = testing::typicalLetter();
    LetterPrinted printed;

    void setRow(int k, std::string from, std::string to, std::string text, bool ticked, const char* days,
                const char* months, const char* years)
    {
        testing::setLetterRow(letter, k, std::move(from), std::move(to), std::move(text), ticked,
                              {days, months, years});
    }
    void employmentLetter() { letter.jdaLetter = false; }
    std::vector<std::string> print()
    {
        printed = printLetter(letter, printer);
        return printedLines(printer.operations);
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
    EXPECT_TRUE(printed.failure.empty());
    EXPECT_TRUE(printed.rowsListed);
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
    EXPECT_TRUE(printed.rowsListed);
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
        letter.rows[0].ticked = false;
        letter.rows[3].ticked = false;
        if (c.employment)
            employmentLetter();
        printer.operations.clear();
        const auto lines = print();
        const auto heading = std::find_if(lines.begin(), lines.end(),
                                          [](const std::string& l) { return l.find("<9500>T") != std::string::npos; });
        ASSERT_NE(heading, lines.end());
        EXPECT_EQ(*(heading + 1), "");
        EXPECT_EQ(*(heading + 2), "<9500>0<10000>0<10500>5");
        EXPECT_EQ(*(heading + 3), "");
        EXPECT_FALSE(printed.rowsListed);
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
        for (LetterRow& row : letter.rows)
            row.ticked = false;
        setRow(14, c.from, c.to, "Wehrdienst", c.ticked, "0", "0", "3");
        printer.operations.clear();
        const auto lines = print();
        const std::string row = "<1500>" + std::string{c.from} + "  -<3000>" + c.to + "<4500>Wehrdienst<9500>0<10000>0<10500>3";
        const bool rowPrinted = std::find(lines.begin(), lines.end(), row) != lines.end();
        const bool underlined = std::find(lines.begin(), lines.end(), "<9500>_________") != lines.end();
        EXPECT_EQ(rowPrinted, c.printed);
        EXPECT_EQ(underlined, c.printed);
        EXPECT_EQ(printed.rowsListed, c.printed);
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
        letter.retireAgeYears = 67;
        letter.retireAgeMonths = c.months;
        printer.operations.clear();
        const auto lines = print();
        const std::string expected = "<1500>" + blanks(12) + "im Alter von 67 Jahren und " + c.ending;
        EXPECT_NE(std::find(lines.begin(), lines.end(), expected), lines.end()) << expected;
    }
}

TEST_F(Letter, NotReachedMarkFollowsTheVisibleLabels)
{
    const bool visibility[][3] = {{false, false, false}, {true, true, true}, {false, true, false}};
    for (const auto& v : visibility) {
        for (std::size_t i = 0; i < 3; ++i)
            letter.anniversaries[i].notReached = v[i];
        printer.operations.clear();
        const auto lines = print();
        const char* const captions[] = {"25", "40", "50"};
        for (std::size_t i = 0; i < 3; ++i) {
            const std::string line = "<1500>" + std::string{captions[i]} + "-jähriges Dienstjubiläum" +
                                     (v[i] ? " (wird nicht erreicht) " : "") + "<7000>" + letter.anniversaries[i].date;
            EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
        }
    }
}

TEST_F(Letter, EmptyResultDatesPrintAsTheMask)
{
    letter.jdaBegin = std::string{emptyMask};
    letter.retirementDate = std::string{emptyMask};
    const auto lines = print();
    EXPECT_EQ(lines[24], blanks(12) + "festgesetzt auf<7000>**__/__/____**.");
    EXPECT_NE(std::find(lines.begin(), lines.end(), blanks(12) + "5. Erreichen der Regelaltersgrenze<7000>__/__/____"),
              lines.end());
}

TEST_F(Letter, LetterDateIsTodayInGermanForm)
{
    letter.today = *Date::fromYmd(2009, 1, 3);
    EXPECT_EQ(print()[3], "**" + blanks(8) + "Mein Arbeitgeber**<7000>**03.01.2009**");
}

// The letterhead and the address fill the lines 6 to 19 that the plain head
// leaves empty, so nothing below them moves; the signer follows the foot.
TEST_F(Letter, LetterheadAndAddresseeFillTheEmptyLinesOfTheHead)
{
    const Letterhead full = testing::typicalLetterhead();
    const Addressee anna{"Frau", "Anna Beispiel", "Gartenweg 3", "12345 Musterstadt"};
    Letterhead referenceOnly;
    referenceOnly.fileReference = "11-22/2008";
    Letterhead signerOnly;
    signerOnly.signerName = "Erika Mustermann";
    const std::string sender = "**" + blanks(8) + "Mein Arbeitgeber**<7000>**15.05.2008**";
    const std::string office = "**" + blanks(8) + "Personalstelle**";
    struct Case {
        const char* name;
        Letterhead head;
        Addressee to;
        std::vector<std::string> lines4to19;
        std::vector<std::string> signer;
    };
    const Case cases[] = {
        {"full letterhead and addressee", full, anna,
         {"**" + blanks(8) + "Stadt Musterstadt**<7000>**15.05.2008**", "**" + blanks(8) + "Personalamt**",
          blanks(8) + "Marktplatz 1, 12345 Musterstadt", blanks(8) + "Telefon 01234 5678-0",
          blanks(8) + "personal@musterstadt.de", "", blanks(8) + "Aktenzeichen: 11-22/2008", "", "",
          blanks(12) + "Frau<5600>", blanks(12) + "Anna Beispiel<5600>", blanks(12) + "Gartenweg 3<5600>",
          blanks(12) + "12345 Musterstadt<5600>", "", "", ""},
         {"<centre 7340>Erika Mustermann", "<centre 7340>Leiterin des Personalamts"}},
        {"addressee without salutation, street or town", {}, {"", "Anna Beispiel", "", ""},
         {sender, office, "", "", "", "", "", "", "", blanks(12) + "Anna Beispiel<5600>", "", "", "", "", "", ""},
         {}},
        {"Aktenzeichen only: the plain sender and Herrn / Frau stay", referenceOnly, {},
         {sender, office, "", blanks(8) + "Aktenzeichen: 11-22/2008", "", "", "", "", "", blanks(12) + "Herrn / Frau",
          "", "", "", "", "", ""},
         {}},
        {"signer only", signerOnly, {},
         {sender, office, "", "", "", "", "", "", "", blanks(12) + "Herrn / Frau", "", "", "", "", "", ""},
         {"<centre 7340>Erika Mustermann"}},
    };
    const std::vector<std::string> plain = print();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        letter.letterhead = c.head;
        letter.addressee = c.to;
        printer.operations.clear();
        const std::vector<std::string> lines = print();
        ASSERT_EQ(lines.size(), plain.size() + c.signer.size());
        EXPECT_EQ(lines[0], "{copies 1}{fit}{font arial}{size 12}");
        expectLines({lines.begin() + 3, lines.begin() + 19}, c.lines4to19);
        // Title, body and foot as in the plain letter, then the signer.
        expectLines({lines.begin() + 19, lines.end() - 1 - static_cast<std::ptrdiff_t>(c.signer.size())},
                    {plain.begin() + 19, plain.end() - 1});
        expectLines({lines.end() - 1 - static_cast<std::ptrdiff_t>(c.signer.size()), lines.end() - 1}, c.signer);
        EXPECT_EQ(lines.back(), "{enddoc}");
    }
}

// A name too long for the address field of a window envelope takes the
// empty lines of the room, broken at its blanks; what the room cannot take
// is cut with "…"; every line ends at the field's end, where the layout draws
// a wider one narrower. Nothing below the room moves.
TEST_F(Letter, ALongAddressStaysInItsField)
{
    const std::string fortyTwo = "Annemarie-Luise Beispiel-Mustermann-Lüden";
    const std::string megabyte(1 << 20, 'M');
    struct Case {
        const char* name;
        Addressee to;
        std::vector<std::string> room; // the seven lines from "Herrn / Frau" on
        bool fitted;
    };
    const Case cases[] = {
        {"as long as a line", {"Frau", fortyTwo + "s", "Gartenweg 3", "12345 Musterstadt"},
         {"Frau", fortyTwo + "s", "Gartenweg 3", "12345 Musterstadt"}, false},
        {"broken at its blanks",
         {"Frau", "Prof. Dr. Annemarie-Luise Beispiel-Mustermann-Lüdenscheidt von und zu Musterstadt", "Gartenweg 3",
          "12345 Musterstadt"},
         {"Frau", "Prof. Dr. Annemarie-Luise", "Beispiel-Mustermann-Lüdenscheidt von und", "zu Musterstadt",
          "Gartenweg 3", "12345 Musterstadt"},
         true},
        {"full up to a blank", {"", fortyTwo + "s von Musterstadt", "", ""}, {fortyTwo + "s", "von Musterstadt"}, true},
        {"a word longer than a line", {"", std::string(100, 'W'), "", ""},
         {std::string(42, 'W'), std::string(42, 'W'), std::string(16, 'W')}, true},
        {"a megabyte", {"Herrn", megabyte, "Gartenweg 3", "12345 Musterstadt"},
         {"Herrn", std::string(42, 'M'), std::string(42, 'M'), std::string(42, 'M'), std::string(42, 'M') + "…",
          "Gartenweg 3", "12345 Musterstadt"},
         true},
        {"every part long, the name first",
         {std::string(50, 'a'), std::string(50, 'b'), std::string(50, 'c'), std::string(50, 'd')},
         {std::string(42, 'a') + "…", std::string(42, 'b'), std::string(8, 'b'), std::string(42, 'c'),
          std::string(8, 'c'), std::string(42, 'd'), std::string(8, 'd')},
         true},
    };
    letter.letterhead = testing::typicalLetterhead();
    const std::vector<std::string> plain = [&] {
        letter.addressee = {"Frau", "Anna Beispiel", "Gartenweg 3", "12345 Musterstadt"};
        return print();
    }();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        letter.addressee = c.to;
        printer.operations.clear();
        const std::vector<std::string> lines = print();
        ASSERT_EQ(lines.size(), plain.size());
        std::vector<std::string> room;
        for (const std::string& line : c.room)
            room.push_back(blanks(12) + line + "<5600>");
        room.resize(7);
        expectLines({lines.begin() + 12, lines.begin() + 19}, room);
        expectLines({lines.begin() + 19, lines.end()}, {plain.begin() + 19, plain.end()});
        EXPECT_EQ(addressIsFitted(c.to), c.fitted);
    }
}

} // namespace
} // namespace tarvolin
