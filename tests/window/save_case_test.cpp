// dateispeichern: what the window holds becomes the record of jda.txt, byte
// for byte, and a save that fails says what and where.

#include "output/saved_entries.h"
#include "tests/output/scratch_folder.h"
#include "tests/support/fakes.h"
#include "window/save_case.h"

#include <gtest/gtest.h>

namespace tarvolin {
namespace {

using testing::fileBytes;
using testing::ScratchFolder;
using testing::TestWindow;
using Bytes = std::vector<unsigned char>;

Bytes slice(const Bytes& b, std::size_t offset, std::size_t length)
{
    return Bytes(b.begin() + static_cast<std::ptrdiff_t>(offset), b.begin() + static_cast<std::ptrdiff_t>(offset + length));
}

// Born 14/03/1958, 67 years 4 months, no pay start, only row 1 ticked, the
// employment-period view chosen.
void bornIn1958WithoutPayStart(JDA& w)
{
    w.retireAgeYears = 67;
    w.retireAgeMonths = 4;
    w.Datum(0).text = "14/03/1958";
    w.box(1).value = true;
    w.Opt(0).value = false;
    w.Opt(1).value = true;
}

TEST(Dateispeichern, AWholeRecordByteForByte)
{
    ScratchFolder scratch;
    TestWindow t;
    bornIn1958WithoutPayStart(t.jda);
    t.jda.entriesPath = scratch.entries();
    t.jda.dateispeichern();

    // The whole record assembled by hand from the documented offsets.
    Bytes expected = {0x43, 0x00};
    for (int i = 0; i < 36; ++i) {
        const std::string_view date = i == 0 ? "14/03/1958" : "__/__/____";
        expected.insert(expected.end(), date.begin(), date.end());
    }
    expected.resize(expected.size() + 840, 0x20);  // descriptions: blanks
    expected.resize(expected.size() + 58, 0x00);   // reserved: never read, so zero
    expected.insert(expected.end(), {0x04, 0x00}); // months
    expected.insert(expected.end(), {0xFF, 0xFF}); // row 1 ticked
    expected.resize(expected.size() + 26, 0x00);   // rows 2 to 14 not
    expected.insert(expected.end(), {0x01, 0x00}); // choice
    ASSERT_EQ(expected.size(), 1292u);

    const Bytes file = fileBytes(scratch.entries());
    EXPECT_EQ(file, expected);
    EXPECT_EQ(slice(file, 0, 2), (Bytes{0x43, 0x00}));
    EXPECT_EQ(slice(file, 2, 10), (Bytes{0x31, 0x34, 0x2F, 0x30, 0x33, 0x2F, 0x31, 0x39, 0x35, 0x38}));
    EXPECT_EQ(slice(file, 12, 10), (Bytes{0x5F, 0x5F, 0x2F, 0x5F, 0x5F, 0x2F, 0x5F, 0x5F, 0x5F, 0x5F}));
    EXPECT_EQ(slice(file, 1260, 2), (Bytes{0x04, 0x00}));
    EXPECT_EQ(slice(file, 1262, 2), (Bytes{0xFF, 0xFF}));
    EXPECT_EQ(slice(file, 1290, 2), (Bytes{0x01, 0x00}));
    EXPECT_EQ(t.host.saved, std::vector<std::string>{scratch.entries().string()});
    EXPECT_EQ(t.jda.workIndex, 15);
    EXPECT_TRUE(t.messages.shown.empty());
}

TEST(Dateispeichern, WhatEachControlBecomes)
{
    struct Row {
        const char* name;
        void (*set)(JDA&);
        std::size_t offset;
        Bytes stored;
    };
    const auto text60 = [](Bytes start) {
        start.resize(60, ' ');
        return start;
    };
    const Row rows[] = {
        {"reserved bytes go back as read", [](JDA& w) { w.reservedField.fill(0xC3); }, 1202, Bytes(58, 0xC3)},
        {"unticked row 14", [](JDA& w) { w.box(14).value = false; }, 1288, {0x00, 0x00}},
        {"ticked row 14", [](JDA& w) { w.box(14).value = true; }, 1288, {0xFF, 0xFF}},
        {"Opt(0) chosen", [](JDA& w) { w.selectOpt(0); }, 1290, {0x00, 0x00}},
        {"the result date 35 is stored too", [](JDA& w) { w.Datum(35).text = "01/04/2040"; }, 352,
         {'0', '1', '/', '0', '4', '/', '2', '0', '4', '0'}},
        {"umlauts and the euro sign", [](JDA& w) { w.Eingabe(3).text = "Büro in Köln, 50 €"; }, 362 + 120,
         text60({'B', 0xFC, 'r', 'o', ' ', 'i', 'n', ' ', 'K', 0xF6, 'l', 'n', ',', ' ', '5', '0', ' ', 0x80})},
        {"a character Windows-1252 lacks", [](JDA& w) { w.Eingabe(3).text = "Gdańsk"; }, 362 + 120,
         text60({'G', 'd', 'a', '?', 's', 'k'})},
        {"more than 60 characters: cut at 60", [](JDA& w) { w.Eingabe(2).text = "abc" + std::string(57, ' ') + "d" + "   "; },
         362 + 60, text60({'a', 'b', 'c'})},
        {"typed in front of row-move padding", [](JDA& w) { w.Eingabe(2).text = "Wehrdienst!" + std::string(50, ' '); },
         362 + 60, text60({'W', 'e', 'h', 'r', 'd', 'i', 'e', 'n', 's', 't', '!'})},
    };
    for (const Row& r : rows) {
        ScratchFolder scratch;
        TestWindow t;
        bornIn1958WithoutPayStart(t.jda);
        t.jda.entriesPath = scratch.entries();
        r.set(t.jda);
        t.jda.dateispeichern();
        const Bytes file = fileBytes(scratch.entries());
        ASSERT_EQ(file.size(), 1292u) << r.name;
        EXPECT_EQ(slice(file, r.offset, r.stored.size()), r.stored) << r.name;
    }
}

TEST(Dateispeichern, AFailedSaveSaysWhatAndWhere)
{
    ScratchFolder scratch;
    TestWindow t;
    bornIn1958WithoutPayStart(t.jda);
    t.jda.entriesPath = scratch.path() / "kein Ordner" / "jda.txt";
    t.jda.dateispeichern();
    ASSERT_EQ(t.messages.shown.size(), 1u);
    EXPECT_EQ(t.messages.shown[0].title, "Tarvolin");
    EXPECT_EQ(t.messages.shown[0].buttons, MessageButtons::Ok);
    EXPECT_NE(t.messages.shown[0].text.find(scratch.path().string() + "/kein Ordner"), std::string::npos)
        << t.messages.shown[0].text;
    EXPECT_TRUE(t.host.saved.empty());
}

// The close box asks only when the entries differ from those last loaded or
// saved: what counts as a change, and what does not.
TEST(EnteredCase, WhatCountsAsAChange)
{
    struct Row {
        const char* name;
        void (*change)(JDA&);
        bool changed;
    };
    const Row rows[] = {
        {"nothing", [](JDA&) {}, false},
        {"a date", [](JDA& w) { w.Datum(5).text = "01/01/1980"; }, true},
        {"a description", [](JDA& w) { w.Eingabe(2).text = "Wehrdienst"; }, true},
        {"a description's trailing blanks", [](JDA& w) { w.Eingabe(2).text += "  "; }, false},
        {"a tick", [](JDA& w) { w.box(4).value = !w.box(4).value; }, true},
        {"the age", [](JDA& w) { ++w.retireAgeMonths; }, true},
        {"the view", [](JDA& w) { w.selectOpt(0); }, true},
        {"a result the start computes again", [](JDA& w) { w.Datum(33).text = "01/01/2030"; }, false},
        {"the shared loop counter", [](JDA& w) { w.workIndex = 7; }, false},
    };
    for (const Row& r : rows) {
        TestWindow t;
        bornIn1958WithoutPayStart(t.jda);
        const SavedEntries loaded = enteredCase(t.jda);
        t.jda.workIndex = 3;
        r.change(t.jda);
        const std::int16_t counter = t.jda.workIndex;
        EXPECT_EQ(enteredCase(t.jda) != loaded, r.changed) << r.name;
        EXPECT_EQ(t.jda.workIndex, counter) << r.name << ": looking changes nothing";
    }
}

} // namespace
} // namespace tarvolin
