// The letters of a table's rows, without paper: which rows get a letter, in
// which order, to whom, which are left out, and that a printer's failure
// stops the run and is told. The pages themselves are compared with the case
// window's letters in the Qt tests.

#include "output/recorded_document.h"
#include "stafflist/command/list_command.h"
#include "stafflist/command/list_writers.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tarvolin {
namespace {

// Anna reaches 25 years of service in 2027, Jörg 40; Eva none; a row without
// a birthday.
const char* const staff = "Personalnummer;Name;Vorname;Geburtstag;Dienstbezüge ab;Anrede;Straße;PLZ;Ort\n"
                          "1;Meier;Anna;10.03.1975;01.04.2002;Frau;Gartenweg 3;12345;Musterstadt\n"
                          "2;von der Heide;Jörg;01.01.1965;01.02.1987;Herr;;;\n"
                          "3;Ohne;Datum;;01.04.2002;;;;\n"
                          "4;Lang;Eva;01.01.1970;01.06.1990;;;;\n";

// Keeps each letter's text; fails from the letter `failAt` (counted from 1) on.
class Letters final : public DocumentRecorder {
public:
    std::vector<std::string> texts;
    std::size_t failAt = 0;
    std::string endDoc() override
    {
        std::string text;
        for (const PrintOperation& op : takeDocument().operations)
            text += op.kind == PrintOperation::Kind::LineEnd ? "\n" : op.text;
        texts.push_back(text);
        return failAt != 0 && texts.size() >= failAt ? "Der Drucker ist voll." : "";
    }
};

struct LetterOutcome {
    int status = 0;
    std::string err;
    Letters letters;
    std::vector<std::string> leftOut;
};

LetterOutcome runLetters(std::vector<std::string> options, std::size_t failAt = 0)
{
    LetterOutcome r;
    r.letters.failAt = failAt;
    std::vector<std::string> args{"--list", "-", "--today", "07.12.2026", "--letters", "--output", "briefe.pdf"};
    args.insert(args.end(), options.begin(), options.end());
    ListWriters writers;
    writers.letters = [&r](LetterRun& run, const std::string&) -> std::string {
        run.letterhead.employer = "Stadt Musterstadt";
        run.printAll(r.letters);
        r.leftOut = run.leftOut();
        if (!run.failure().empty())
            return run.failure();
        return run.letters() == 0 ? std::string{noLetterText} : std::string{};
    };
    std::istringstream in{staff};
    std::ostringstream out, err;
    r.status = runStaffListCommand(args, {in, out, err, false}, writers);
    r.err = err.str();
    return r;
}

bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

struct SelectionCase {
    const char* name;
    std::vector<std::string> options;
    std::vector<std::string> addressees; // in the order of the letters
    const char* letterTitle;
};

const SelectionCase selectionCases[] = {
    {"EveryRowInTheTablesOrder", {}, {"Anna Meier", "Jörg von der Heide", "Eva Lang"},
     "Festsetzung Ihres Jubiläumsdienstalters"},
    {"TheJubilariansOfAYear", {"--anniversaries", "2027"}, {"Anna Meier", "Jörg von der Heide"},
     "Festsetzung Ihres Jubiläumsdienstalters"},
    {"TheBeschaeftigungszeitLetter", {"--letter", "beschaeftigungszeit"}, {"Anna Meier", "Jörg von der Heide", "Eva Lang"},
     "Berechnung der Beschäftigungszeit"},
};

class LetterSelection : public ::testing::TestWithParam<SelectionCase> {};

TEST_P(LetterSelection, GivesOneLetterPerRowInOrder)
{
    const SelectionCase& c = GetParam();
    const LetterOutcome r = runLetters(c.options);
    EXPECT_EQ(r.status, listWithUncomputedRows) << r.err;
    ASSERT_EQ(r.letters.texts.size(), c.addressees.size());
    for (std::size_t i = 0; i < c.addressees.size(); ++i) {
        const std::string& letter = r.letters.texts[i];
        EXPECT_TRUE(has(letter, c.addressees[i])) << letter;
        EXPECT_TRUE(has(letter, "Stadt Musterstadt")) << letter;
        EXPECT_TRUE(has(letter, c.letterTitle)) << letter;
        EXPECT_TRUE(has(letter, "07.12.2026")) << letter;
    }
    EXPECT_TRUE(has(r.letters.texts[0], "Gartenweg 3"));
    ASSERT_EQ(r.leftOut.size(), 1u);
    EXPECT_TRUE(has(r.leftOut[0], "Zeile 4")) << r.leftOut[0];
    EXPECT_TRUE(has(r.err, "(ohne Brief)")) << r.err;
}

INSTANTIATE_TEST_SUITE_P(Table, LetterSelection, ::testing::ValuesIn(selectionCases),
                         [](const ::testing::TestParamInfo<SelectionCase>& info) { return info.param.name; });

TEST(Letters, APrintersFailureStopsTheRunAndIsTold)
{
    const LetterOutcome r = runLetters({}, 2);
    EXPECT_EQ(r.status, listFailed);
    EXPECT_EQ(r.letters.texts.size(), 2u);
    EXPECT_TRUE(has(r.err, "Der Drucker ist voll.")) << r.err;
}

TEST(Letters, AnEmptySelectionIsAnswered)
{
    const LetterOutcome r = runLetters({"--retirements", "1930"});
    EXPECT_EQ(r.status, listFailed);
    EXPECT_TRUE(r.letters.texts.empty());
    EXPECT_TRUE(has(r.err, "keine Zeile, für die ein Brief geschrieben werden kann")) << r.err;
}

} // namespace
} // namespace tarvolin
