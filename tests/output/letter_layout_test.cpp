// Whole letters laid out with the grid measure (120 twips a character, 264 a
// line) on the printable area of A4 with margins of 1 cm: the lines and
// columns of the plain letter, the letterhead and the address in its room, a
// full table on two pages or, with a letterhead, drawn smaller on one.

#include "output/letter_layout.h"
#include "tests/support/grid_measure.h"
#include "tests/support/typical_letter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace tarvolin {
namespace {

using testing::GridMeasure;

constexpr PrintArea a4{10772, 15704}; // 190 x 277 mm
constexpr double line = 264;
constexpr double ascent = 216;

double lineBaseline(int lineNumber) { return (lineNumber - 1) * line + ascent; }

std::string blanks(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

// The first placed text equal to `text`; fails the test when there is none.
const PlacedText& find(const DocumentLayout& layout, const std::string& text)
{
    const auto it = std::find_if(layout.texts.begin(), layout.texts.end(),
                                 [&](const PlacedText& p) { return p.text == text; });
    EXPECT_NE(it, layout.texts.end()) << text;
    static const PlacedText none{};
    return it == layout.texts.end() ? none : *it;
}

void fillAllRows(LetterInput& l, const std::string& description)
{
    for (int k = 1; k <= 14; ++k)
        testing::setLetterRow(l, k, "01/01/" + std::to_string(1960 + k), "31/12/" + std::to_string(1960 + k),
                              description, true, {"0", "0", "1"});
}

TEST(LetterLayout, ThePlainLetterStandsOnItsLinesAndColumns)
{
    struct Case {
        std::string text;
        double x;
        int line;
        bool bold;
    };
    const Case cases[] = {
        {blanks(8) + "Mein Arbeitgeber", 0, 4, true},
        {"15.05.2008", 7000, 4, true},
        {blanks(8) + "Personalstelle", 0, 5, true},
        {blanks(12) + "Herrn / Frau", 0, 13, false},
        {blanks(8) + "Festsetzung Ihres Jubiläumsdienstalters", 0, 22, true},
        {blanks(12) + "festgesetzt auf", 0, 25, false},
        {"01/04/1985", 7000, 25, true},
        {".", 7000 + 10 * 120, 25, false},
        {"T", 9500, 36, false},
        {"Wehrdienst", 4500, 38, false},
        {"_________", 9500, 40, false},
    };
    const DocumentLayout layout = layOutLetter(testing::typicalLetter(), a4, GridMeasure{});
    EXPECT_EQ(layout.pages, 1);
    EXPECT_DOUBLE_EQ(layout.scale, 1);
    for (const Case& c : cases) {
        const PlacedText& p = find(layout, c.text);
        EXPECT_DOUBLE_EQ(p.x, c.x) << c.text;
        EXPECT_DOUBLE_EQ(p.baseline, lineBaseline(c.line)) << c.text;
        EXPECT_EQ(p.font.bold, c.bold) << c.text;
        EXPECT_EQ(p.font.name, "arial") << c.text;
        EXPECT_EQ(p.font.stretch, 100) << c.text;
    }
}

TEST(LetterLayout, LetterheadAndAddressFillTheRoomOfThePlainLetter)
{
    LetterInput letter = testing::typicalLetter();
    letter.letterhead = testing::typicalLetterhead();
    letter.addressee = {"Frau", "Anna Beispiel", "Gartenweg 3", "12345 Musterstadt"};
    const DocumentLayout layout = layOutLetter(letter, a4, GridMeasure{});
    const DocumentLayout plain = layOutLetter(testing::typicalLetter(), a4, GridMeasure{});
    EXPECT_EQ(layout.pages, 1);
    EXPECT_DOUBLE_EQ(layout.scale, 1);

    struct Case {
        std::string text;
        int line;
    };
    const Case cases[] = {
        {blanks(8) + "Stadt Musterstadt", 4}, {blanks(8) + "Marktplatz 1, 12345 Musterstadt", 6},
        {blanks(8) + "Aktenzeichen: 11-22/2008", 10},   {blanks(12) + "Frau", 13},
        {blanks(12) + "12345 Musterstadt", 16},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(find(layout, c.text).baseline, lineBaseline(c.line)) << c.text;
    // The title and the signature lines stay where the plain letter has them.
    for (const std::string& text : {blanks(8) + "Festsetzung Ihres Jubiläumsdienstalters",
                                    blanks(9) + std::string(25, '_') + blanks(26) + std::string(25, '_')})
        EXPECT_DOUBLE_EQ(find(layout, text).baseline, find(plain, text).baseline) << text;
    // The signer stands centred under the right signature line.
    const PlacedText& signer = find(layout, "Erika Mustermann");
    EXPECT_DOUBLE_EQ(signer.x, letter::signerCentreX - 16 * 120 / 2.0);
}

// A line of the address as wide as the room allows characters, in wide
// letters, is drawn narrower so that it ends before the address field's
// end; one that fits is drawn as it is.
TEST(LetterLayout, AddressLinesEndInsideTheField)
{
    LetterInput letter = testing::typicalLetter();
    letter.addressee = {"Frau", std::string(42, 'W'), "Gartenweg 3", "12345 Musterstadt"};
    const DocumentLayout layout = layOutLetter(letter, a4, GridMeasure{});
    const PlacedText& name = find(layout, std::string(42, 'W'));
    EXPECT_LT(name.font.stretch, 100);
    EXPECT_LE(name.x + GridMeasure{}.width(name.font, name.text), letter::addressEndX - condensedGapTwips);
    EXPECT_EQ(find(layout, blanks(12) + "Gartenweg 3").font.stretch, 100);
}

TEST(LetterLayout, AFullTableTakesTwoPagesOrWithALetterheadOneSmaller)
{
    LetterInput plain = testing::typicalLetter();
    fillAllRows(plain, "Zeitraum");
    const DocumentLayout twoPages = layOutLetter(plain, a4, GridMeasure{});
    EXPECT_EQ(twoPages.pages, 2);
    EXPECT_DOUBLE_EQ(twoPages.scale, 1);
    EXPECT_EQ(find(twoPages, blanks(8) + "Mein Arbeitgeber").page, 0);
    EXPECT_EQ(twoPages.texts.back().page, 1);
    for (const PlacedText& p : twoPages.texts)
        EXPECT_LE(p.baseline - ascent + line, a4.height) << p.text;

    LetterInput withHead = plain;
    withHead.letterhead = testing::typicalLetterhead();
    const DocumentLayout onePage = layOutLetter(withHead, a4, GridMeasure{});
    EXPECT_EQ(onePage.pages, 1);
    EXPECT_LT(onePage.scale, 1);
    const PlacedText& last = onePage.texts.back();
    EXPECT_EQ(last.text, "Leiterin des Personalamts");
    EXPECT_EQ(last.page, 0);
    // Drawn smaller, the last line ends exactly at the bottom of the page.
    EXPECT_NEAR((last.baseline - ascent + line) * onePage.scale, a4.height, 1e-6);
}

TEST(LetterLayout, ALongDescriptionIsCondensedBeforeTheDaysColumn)
{
    LetterInput letter = testing::typicalLetter();
    const std::string description = "Musterstadt, Abteilung Personal und Organisation, Sachgeb. 6";
    letter.rows[3].description = description;
    const DocumentLayout layout = layOutLetter(letter, a4, GridMeasure{});
    const PlacedText& condensed = find(layout, description);
    EXPECT_DOUBLE_EQ(condensed.x, letter::rowTextX);
    EXPECT_LT(condensed.font.stretch, 100);
    EXPECT_LE(condensed.x + GridMeasure{}.width(condensed.font, description), letter::daysX - 100);
    // The short description of the other row is drawn as it is.
    EXPECT_EQ(find(layout, "Wehrdienst").font.stretch, 100);
}

TEST(LetterLayout, EachLetterIsRecordedFromNothing)
{
    LetterInput withAddress = testing::typicalLetter();
    withAddress.addressee = {"Herrn", "Max Muster", "", ""};
    const RecordedDocument first = recordLetter(withAddress);
    const RecordedDocument second = recordLetter(testing::typicalLetter());
    EXPECT_TRUE(first.onOnePage);
    EXPECT_FALSE(second.onOnePage);
    EXPECT_EQ(second.copies, 1);

    DocumentRecorder recorder;
    recorder.setCopies(3);
    recorder.fitOnOnePage();
    recorder.printLine("a");
    EXPECT_EQ(recorder.endDoc(), "");
    EXPECT_EQ(recorder.finished().copies, 3);
    EXPECT_EQ(recorder.finished().operations.size(), 2u);
    // The next document starts with one copy, no operations and its own pages.
    EXPECT_EQ(recorder.document().copies, 1);
    EXPECT_TRUE(recorder.document().operations.empty());
    EXPECT_FALSE(recorder.document().onOnePage);
}

} // namespace
} // namespace tarvolin
