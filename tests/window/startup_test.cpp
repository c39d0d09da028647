// Form_Load: the blank start, the restored start and what the file may hold.

#include "tests/window/startup_case.h"
#include "tests/support/typed_case.h"
#include "window/dispatcher.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace tarvolin {
namespace {

using testing::fileBytes;
using testing::focusedName;
using testing::recordBytes;
using testing::rowShown;
using testing::savedCase;
using testing::ScratchFolder;
using testing::TestWindow;
using testing::writeCase;
using testing::writeFile;

const std::string mask = "__/__/____";

TEST(StartUp, FirstStartInAnEmptyFolder)
{
    ScratchFolder scratch;
    TestWindow t;
    t.jda.Form_Load();
    JDA& w = t.jda;

    ASSERT_TRUE(std::filesystem::is_regular_file(scratch.entries()));
    EXPECT_EQ(std::filesystem::file_size(scratch.entries()), 0u);
    EXPECT_EQ(w.entriesPath, scratch.entries());
    for (int i = 0; i <= 31; ++i)
        EXPECT_EQ(w.Datum(i).text, mask) << i;
    for (int k = 1; k <= 14; ++k) {
        EXPECT_EQ(w.Eingabe(k).text, "") << k;
        EXPECT_TRUE(w.box(k).value) << k;
        EXPECT_EQ(w.Zähler(k).text, "60") << k;
        EXPECT_EQ(rowShown(w, k), "0/0/0") << k;
    }
    EXPECT_EQ(rowShown(w, 16), "0/0/0");
    EXPECT_EQ(w.Alter().text, "67");
    EXPECT_EQ(w.month().text, "0");
    EXPECT_EQ(w.retireAgeYears, 67);
    EXPECT_EQ(w.retireAgeMonths, 0);
    EXPECT_TRUE(w.Opt(0).value);
    EXPECT_FALSE(w.Opt(1).value);
    EXPECT_EQ(w.viewMode, 0);
    EXPECT_FALSE(w.Aufkleber().visible);
    EXPECT_EQ(w.formCaption, "Wann erhalte ich eine Jubiläumszuwendung?");
    EXPECT_EQ(focusedName(w), "Datum(0)");
    EXPECT_EQ(w.loadingFlag, False);
    EXPECT_TRUE(t.messages.shown.empty());
    EXPECT_TRUE(t.host.saved.empty());
}

// Whatever keeps the file from giving a birthday and a pay start, the window
// starts blank, quietly, with every row ticked and the focus on the birthday.
TEST(StartUp, BlankStarts)
{
    struct Row {
        const char* name;
        std::function<std::shared_ptr<void>(ScratchFolder&)> arrange;
        bool fileExistsAfter;
    };
    const auto withCase = [](void (*change)(SavedEntries&)) {
        return [change](ScratchFolder& s) {
            SavedEntries e = savedCase();
            change(e);
            writeCase(s.entries(), e);
            return std::shared_ptr<void>{};
        };
    };
    const Row rows[] = {
        {"empty file", [](ScratchFolder& s) { writeFile(s.entries(), {}); return std::shared_ptr<void>{}; }, true},
        {"birthday without pay start", withCase([](SavedEntries& e) { e.dates[1] = "__/__/____"; }), true},
        {"pay start without birthday", withCase([](SavedEntries& e) { e.dates[0] = "__/__/____"; }), true},
        {"birthday 31/02/1955, no real day", withCase([](SavedEntries& e) { e.dates[0] = "31/02/1955"; }), true},
        {"birthday before 1930", withCase([](SavedEntries& e) { e.dates[0] = "10/03/1929"; }), true},
        {"pay start with slashes but letters", withCase([](SavedEntries& e) { e.dates[1] = "ab/cd/efgh"; }), true},
        {"pay start half typed", withCase([](SavedEntries& e) { e.dates[1] = "01/04/____"; }), true},
        {"pay start with an umlaut among the digits", withCase([](SavedEntries& e) { e.dates[1] = "0ä/04/1990"; }),
         true},
        {"the folder refuses new files",
         [](ScratchFolder& s) { return std::shared_ptr<void>(std::make_shared<testing::ReadOnlyFolder>(s.path())); },
         false},
        {"the working folder was deleted",
         [](ScratchFolder& s) { std::filesystem::remove(s.path()); return std::shared_ptr<void>{}; }, false},
    };
    for (const Row& r : rows) {
        ScratchFolder scratch;
        const auto undo = r.arrange(scratch);
        TestWindow t;
        t.jda.Form_Load();
        JDA& w = t.jda;
        for (int i = 0; i <= 31; ++i)
            EXPECT_EQ(w.Datum(i).text, mask) << r.name << ", Datum(" << i << ")";
        for (int k = 1; k <= 14; ++k) {
            EXPECT_TRUE(w.box(k).value) << r.name << ", box(" << k << ")";
            EXPECT_EQ(w.Zähler(k).text, "60") << r.name;
            EXPECT_EQ(w.Eingabe(k).text, "") << r.name;
        }
        EXPECT_EQ(focusedName(w), "Datum(0)") << r.name;
        EXPECT_TRUE(t.messages.shown.empty()) << r.name;
        EXPECT_EQ(std::filesystem::exists(scratch.entries()), r.fileExistsAfter) << r.name;
    }
}

TEST(StartUp, TheRetirementAgeMustLieInItsRange)
{
    struct Row {
        const char* name;
        std::int16_t years, months;
        const char* shownYears;
        const char* shownMonths;
    };
    const Row rows[] = {
        {"65 and 11 kept", 65, 11, "65", "11"}, {"66 and 4 kept", 66, 4, "66", "4"},
        {"55 and 0, the lowest", 55, 0, "55", "0"}, {"70, the highest", 70, 0, "70", "0"},
        {"71 years", 71, 3, "67", "3"},         {"54 years", 54, 3, "67", "3"},
        {"0 years", 0, 0, "67", "0"},           {"negative years", -65, 0, "67", "0"},
        {"12 months", 66, 12, "66", "0"},       {"negative months", 66, -1, "66", "0"},
    };
    for (const Row& r : rows) {
        ScratchFolder scratch;
        SavedEntries e = savedCase();
        e.ageYears = r.years;
        e.ageMonths = r.months;
        writeCase(scratch.entries(), e);
        TestWindow t;
        t.jda.Form_Load();
        EXPECT_EQ(t.jda.Alter().text, r.shownYears) << r.name;
        EXPECT_EQ(t.jda.month().text, r.shownMonths) << r.name;
        EXPECT_EQ(std::to_string(t.jda.retireAgeYears), r.shownYears) << r.name;
        EXPECT_EQ(std::to_string(t.jda.retireAgeMonths), r.shownMonths) << r.name;
    }
}

TEST(StartUp, TheSavedCaseComesBackCalculated)
{
    ScratchFolder scratch;
    SavedEntries e = savedCase();
    e.dates[32] = "01/01/1999"; // results in the file are not read
    e.dates[33] = "garbage!!!";
    writeCase(scratch.entries(), e);
    TestWindow t;
    t.jda.Form_Load();
    JDA& w = t.jda;

    EXPECT_EQ(w.Datum(0).text, "10/03/1955");
    EXPECT_EQ(w.Datum(1).text, "01/04/1990");
    EXPECT_EQ(w.Datum(2).text, "01/09/1980");
    EXPECT_EQ(w.Datum(3).text, "31/08/1983");
    EXPECT_EQ(w.Datum(30).text, "01/04/1990");
    EXPECT_EQ(w.Datum(31).text, "15/05/2008");
    EXPECT_EQ(rowShown(w, 1), "0/0/3") << "the rows are computed, the file holds no periods";
    EXPECT_EQ(rowShown(w, 16), "0/0/3");
    EXPECT_EQ(w.Datum(32).text, "01/04/1987") << "the JDA begin is the pay start less the prior period";
    EXPECT_EQ(w.Datum(33).text, "01/04/2012");
    EXPECT_EQ(w.Eingabe(1).text, "Grundwehrdienst" + std::string(45, ' '));
    EXPECT_EQ(w.Zähler(1).text, "45");
    EXPECT_EQ(w.Eingabe(2).text, std::string(60, ' '));
    EXPECT_EQ(w.Zähler(2).text, "60");
    EXPECT_EQ(w.Alter().text, "65");
    EXPECT_EQ(w.month().text, "9");
    EXPECT_EQ(w.Text(13).text, "Erreichen der Regelaltersgrenze");
    EXPECT_EQ(w.dayCounts[2], 9307) << "01/09/1980 is 9307 days after 10/03/1955";
    EXPECT_EQ(focusedName(w), "Datum(0)");
    EXPECT_EQ(w.loadingFlag, False);
    EXPECT_TRUE(t.messages.shown.empty());
}

TEST(StartUp, WhatTheStoredRowsAndChoiceBecome)
{
    struct Row {
        const char* name;
        void (*change)(SavedEntries&);
        void (*check)(JDA&, const char*);
    };
    const Row rows[] = {
        {"choice 1: the employment-period view",
         [](SavedEntries& e) { e.choice = 1; },
         [](JDA& w, const char* n) {
             EXPECT_TRUE(w.Opt(1).value) << n;
             EXPECT_FALSE(w.Opt(0).value) << n;
             EXPECT_TRUE(w.Aufkleber().visible) << n;
             EXPECT_EQ(w.formCaption, "Meine Beschäftigungszeit nach § 34 TVöD/TV-L") << n;
         }},
        {"choice 2 counts as the anniversary view",
         [](SavedEntries& e) { e.choice = 2; },
         [](JDA& w, const char* n) {
             EXPECT_TRUE(w.Opt(0).value) << n;
             EXPECT_EQ(w.formCaption, "Wann erhalte ich eine Jubiläumszuwendung?") << n;
         }},
        {"flags 0, 1 and -32768: only 0 leaves a row unticked",
         [](SavedEntries& e) { e.rowFlags[0] = 0, e.rowFlags[1] = 1, e.rowFlags[2] = -32768; },
         [](JDA& w, const char* n) {
             EXPECT_FALSE(w.box(1).value) << n;
             EXPECT_TRUE(w.box(2).value) << n;
             EXPECT_TRUE(w.box(3).value) << n;
             EXPECT_EQ(rowShown(w, 1), "0/0/0") << n << ": an unticked row counts nothing";
         }},
        {"a stored date that is no date comes back empty",
         [](SavedEntries& e) {
             e.dates[4] = "31/02/1985", e.dates[6] = "ab/cd/efgh", e.dates[8] = "01/01/2041", e.dates[10] = "1/1/1985";
         },
         [](JDA& w, const char* n) {
             for (int i : {4, 6, 8, 10})
                 EXPECT_EQ(w.Datum(i).text, mask) << n << ", Datum(" << i << ")";
         }},
        {"an empty reference date is today",
         [](SavedEntries& e) { e.dates[31] = "__/__/____"; },
         [](JDA& w, const char* n) { EXPECT_EQ(w.Datum(31).text, "15/05/2008") << n; }},
        {"a description of 10 characters leaves 50",
         [](SavedEntries& e) { e.descriptions[4] = "  Lehrzeit"; },
         [](JDA& w, const char* n) {
             EXPECT_EQ(w.Eingabe(5).text, "  Lehrzeit" + std::string(50, ' ')) << n;
             EXPECT_EQ(w.Zähler(5).text, "52") << n;
         }},
        {"umlauts count as one character each",
         [](SavedEntries& e) { e.descriptions[4] = "Lehre in Köln – 50 €"; },
         [](JDA& w, const char* n) { EXPECT_EQ(w.Zähler(5).text, "40") << n; }},
    };
    for (const Row& r : rows) {
        ScratchFolder scratch;
        SavedEntries e = savedCase();
        r.change(e);
        writeCase(scratch.entries(), e);
        TestWindow t;
        t.jda.Form_Load();
        r.check(t.jda, r.name);
    }
}

// A file of 100 bytes holds the age, the birthday, the pay start and the
// dates 2 to 8; what is missing reads as zero: no descriptions, no ticks.
TEST(StartUp, AHundredByteFileRestoresWhatItHolds)
{
    ScratchFolder scratch;
    std::vector<unsigned char> bytes = recordBytes(savedCase());
    bytes.resize(100);
    writeFile(scratch.entries(), bytes);
    TestWindow t;
    t.jda.Form_Load();
    JDA& w = t.jda;
    EXPECT_EQ(w.Datum(0).text, "10/03/1955");
    EXPECT_EQ(w.Datum(2).text, "01/09/1980");
    EXPECT_EQ(w.Datum(9).text, mask);
    for (int k = 1; k <= 14; ++k) {
        EXPECT_EQ(w.Eingabe(k).text, "") << k << ": a description the file does not hold is an empty text";
        EXPECT_EQ(w.Zähler(k).text, "60") << k;
        EXPECT_FALSE(w.box(k).value) << k;
    }
    EXPECT_EQ(w.Alter().text, "65");
    EXPECT_EQ(w.month().text, "0");
    EXPECT_EQ(std::filesystem::file_size(scratch.entries()), 100u) << "reading changes nothing";
}

// A zero byte ends a stored description: the box holds exactly the characters
// before it, not padded, so that typing and the letter go on right after
// them. A description without a zero byte keeps all 60 characters.
TEST(StartUp, AZeroByteEndsARestoredDescription)
{
    ScratchFolder scratch;
    std::vector<unsigned char> bytes = recordBytes(savedCase());
    const std::string stored = std::string{"Vor"} + '\0' + "Nach" + std::string(52, ' ');
    std::copy(stored.begin(), stored.end(), bytes.begin() + offsetDescriptions + savedDescriptionWidth);
    writeFile(scratch.entries(), bytes);
    TestWindow t;
    t.jda.Form_Load();
    EXPECT_EQ(t.jda.Eingabe(2).text, "Vor");
    EXPECT_EQ(t.jda.Zähler(2).text, "57");
    EXPECT_EQ(t.jda.Eingabe(1).text, "Grundwehrdienst" + std::string(45, ' '));
    Dispatcher typing{t.jda};
    typing.type(t.jda.Eingabe(2), " und danach");
    EXPECT_EQ(t.jda.Eingabe(2).text, "Vor und danach");
}

} // namespace
} // namespace tarvolin
