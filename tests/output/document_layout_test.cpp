// Printer operations laid out on pages with the grid measure (120 twips a
// character, 264 a line at 12 points): where each text lands, when it is
// condensed, centred, moved to the next page, or the whole page drawn smaller.

#include "output/condensed_text.h"
#include "output/document_layout.h"
#include "tests/support/grid_measure.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvolin {
namespace {

using Kind = PrintOperation::Kind;
using testing::GridMeasure;

PrintOperation x(int twips) { return {Kind::X, "", twips}; }
PrintOperation text(std::string t) { return {Kind::Text, std::move(t), 0}; }
PrintOperation lineEnd() { return {Kind::LineEnd, "", 0}; }
PrintOperation centred(int centre, std::string t) { return {Kind::CentredLine, std::move(t), centre}; }
PrintOperation size(int points) { return {Kind::FontSize, "", points}; }
PrintOperation bold(bool on) { return {Kind::Bold, "", on ? 1 : 0}; }
PrintOperation font(std::string name) { return {Kind::FontName, std::move(name), 0}; }

// A placed text in short: text, x, baseline, page, stretch; bold and size
// only where a case sets them.
struct Placed {
    std::string text;
    double x;
    double baseline;
    int page = 0;
    int stretch = 100;
    bool bold = false;
    int points = 12;
};

constexpr double line = 264;   // a line at 12 points
constexpr double ascent = 216; // its baseline under the top

void expectPlaced(const DocumentLayout& layout, const std::vector<Placed>& expected, const char* name)
{
    ASSERT_EQ(layout.texts.size(), expected.size()) << name;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const PlacedText& a = layout.texts[i];
        const Placed& e = expected[i];
        EXPECT_EQ(a.text, e.text) << name << ", text " << i;
        EXPECT_DOUBLE_EQ(a.x, e.x) << name << ", " << e.text;
        EXPECT_DOUBLE_EQ(a.baseline, e.baseline) << name << ", " << e.text;
        EXPECT_EQ(a.page, e.page) << name << ", " << e.text;
        EXPECT_EQ(a.font.stretch, e.stretch) << name << ", " << e.text;
        EXPECT_EQ(a.font.bold, e.bold) << name << ", " << e.text;
        EXPECT_EQ(a.font.points, e.points) << name << ", " << e.text;
    }
}

TEST(DocumentLayout, PlacesEachTextWhereALinePrinterPrintsIt)
{
    struct Case {
        const char* name;
        std::vector<PrintOperation> operations;
        std::vector<Placed> placed;
    };
    const Case cases[] = {
        {"a text goes on where the one before ended", {x(1000), text("ab"), text("c")},
         {{"ab", 1000, ascent}, {"c", 1240, ascent}}},
        {"a line end goes back to x 0 one line down", {x(1000), text("a"), lineEnd(), text("b")},
         {{"a", 1000, ascent}, {"b", 0, line + ascent}}},
        {"an empty text takes no room and ends nothing", {text(""), text("a"), text(""), text("b")},
         {{"a", 0, ascent}, {"b", 120, ascent}}},
        {"blanks in front are part of the text", {text("   Herrn / Frau")}, {{"   Herrn / Frau", 0, ascent}}},
        {"the font in use goes with the text", {font("arial"), bold(true), text("fett"), bold(false), text(".")},
         {{"fett", 0, ascent, 0, 100, true}, {".", 480, ascent}}},
        {"a line ends at the height of the font in use",
         {size(10), text("klein"), lineEnd(), size(12), text("normal")},
         {{"klein", 0, 180, 0, 100, false, 10}, {"normal", 0, 220 + ascent}}},
        {"a position left of a text does not condense it", {x(5000), text("a"), x(100), text("b")},
         {{"a", 5000, ascent}, {"b", 100, ascent}}},
        {"a text that would reach the next position is condensed", {x(0), text("abcdefghij"), x(1000), text("T")},
         {{"abcdefghij", 0, ascent, 0, 75}, {"T", 1000, ascent}}},
        {"the next position of another line does not count", {text("abcdefghij"), lineEnd(), x(1000), text("T")},
         {{"abcdefghij", 0, ascent}, {"T", 1000, line + ascent}}},
        {"a centred line ends its line", {centred(5000, "abcdefghij"), text("b")},
         {{"abcdefghij", 4400, ascent}, {"b", 0, line + ascent}}},
        {"an empty centred line still ends a line", {centred(5000, ""), text("b")}, {{"b", 0, line + ascent}}},
    };
    for (const Case& c : cases)
        expectPlaced(layOutDocument({c.operations}, {20000, 20000}, GridMeasure{}), c.placed, c.name);
}

TEST(DocumentLayout, ACentredLineKeepsToThePrintableWidth)
{
    struct Case {
        const char* name;
        int centre;
        int characters;
        double left;
    };
    // A page 6000 twips wide; ten characters are 1200 twips.
    const Case cases[] = {
        {"centred where there is room", 3000, 10, 2400},
        {"too far right: ends at the right edge", 5800, 10, 4800},
        {"too far left: starts at the left edge", 200, 10, 0},
        {"wider than the page: starts at the left edge", 3000, 60, 0},
    };
    for (const Case& c : cases) {
        const DocumentLayout layout = layOutDocument(
            {{centred(c.centre, std::string(static_cast<std::size_t>(c.characters), 'x'))}}, {6000, 9000},
            GridMeasure{});
        ASSERT_EQ(layout.texts.size(), 1u) << c.name;
        EXPECT_DOUBLE_EQ(layout.texts[0].x, c.left) << c.name;
    }
}

// Lines of one character each, `count` of them, ending every line.
std::vector<PrintOperation> lines(int count)
{
    std::vector<PrintOperation> operations;
    for (int i = 0; i < count; ++i) {
        operations.push_back(text(std::to_string(i % 10)));
        operations.push_back(lineEnd());
    }
    return operations;
}

TEST(DocumentLayout, ALineThatWouldNotFitStartsTheNextPage)
{
    // Ten lines fill a page of 2640 twips exactly; the eleventh starts page 2 at the top.
    const DocumentLayout layout = layOutDocument({lines(12)}, {10000, 10 * line}, GridMeasure{});
    EXPECT_EQ(layout.pages, 2);
    EXPECT_DOUBLE_EQ(layout.scale, 1);
    expectPlaced({{layout.texts[9], layout.texts[10], layout.texts[11]}},
                 {{"9", 0, 9 * line + ascent, 0}, {"0", 0, ascent, 1}, {"1", 0, line + ascent, 1}}, "page break");

    // Empty lines run past the bottom without a page of their own: the next text starts the page.
    std::vector<PrintOperation> empty(30, lineEnd());
    empty.push_back(text("x"));
    const DocumentLayout afterEmpty = layOutDocument({empty}, {10000, 10 * line}, GridMeasure{});
    EXPECT_EQ(afterEmpty.pages, 2);
    expectPlaced(afterEmpty, {{"x", 0, ascent, 1}}, "after empty lines");
}

TEST(DocumentLayout, ADocumentForOnePageIsDrawnSmallerInsteadOfBreaking)
{
    struct Case {
        const char* name;
        int lines;
        double scale;
    };
    const Case cases[] = {
        {"shorter than the page: as it is", 8, 1},
        {"exactly the page: as it is", 10, 1},
        {"twice the page: half the size", 20, 0.5},
        {"a text on a line that never ended counts", 19, 0.5},
    };
    for (const Case& c : cases) {
        RecordedDocument document{lines(c.lines), 1, true};
        if (c.lines == 19)
            document.operations.push_back(text("offen"));
        const DocumentLayout layout = layOutDocument(document, {10000, 10 * line}, GridMeasure{});
        EXPECT_EQ(layout.pages, 1) << c.name;
        EXPECT_DOUBLE_EQ(layout.scale, c.scale) << c.name;
        EXPECT_DOUBLE_EQ(layout.texts.back().baseline, (layout.texts.size() - 1) * line + ascent) << c.name;
        EXPECT_EQ(layout.texts.back().page, 0) << c.name;
    }
    // Drawn at half the size, the page is twice as wide for a centred line: a
    // line of 9600 twips centred on 9000 ends at 12000 instead of starting at 0.
    RecordedDocument document{lines(19), 1, true};
    document.operations.push_back(centred(9000, std::string(80, 'x')));
    const DocumentLayout layout = layOutDocument(document, {6000, 10 * line}, GridMeasure{});
    EXPECT_DOUBLE_EQ(layout.texts.back().x, 2400);
}

TEST(DocumentLayout, MeasuresInTheUnitsOfItsMeasure)
{
    // A device of 720 dots per inch: half a pixel a twip; the measure counts pixels.
    class HalfMeasure final : public TextMeasure {
    public:
        double unitsPerTwip() const override { return 0.5; }
        double width(const PrintFont& f, std::string_view t) const override
        {
            return 60.0 * static_cast<double>(t.size()) * f.stretch / 100;
        }
        FontLine line(const PrintFont&) const override { return {132, 108}; }
    };
    const std::string long25(25, 'a');
    const DocumentLayout layout =
        layOutDocument({{x(7000), text(long25), x(9500), text("T"), lineEnd(), centred(7340, "ab")}}, {5000, 8000},
                       HalfMeasure{});
    EXPECT_DOUBLE_EQ(layout.unitsPerTwip, 0.5);
    // 25 characters (1500 pixels) from pixel 3500 would reach the T at pixel
    // 4750: condensed to end 50 pixels (100 twips) before it, at 80 %.
    expectPlaced(layout, {{long25, 3500, 108, 0, 80}, {"T", 4750, 108}, {"ab", 3670 - 60, 132 + 108}},
                 "half a pixel a twip");
}

TEST(CondensedText, OnlyGlyphsThatWouldReachTheLimitAreCondensed)
{
    struct Case {
        const char* name;
        std::string text;
        double x;
        double limit;
        FittedText fitted;
    };
    // 120 twips a character, a gap of 100 before the limit.
    const std::string studium = "Studium" + std::string(53, ' ');
    const Case cases[] = {
        {"fits: drawn as it is", "abcde", 0, 1000, {"abcde", 0, 100, 600}},
        {"no limit: drawn as it is", std::string(100, 'a'), 0, -1, {std::string(100, 'a'), 0, 100, 12000}},
        {"ends exactly at the limit: condensed", "abcde", 400, 1000, {"abcde", 400, 83, 400 + 498}},
        {"blanks in front keep their width", "  abcdefghij", 0, 1000, {"abcdefghij", 240, 55, 240 + 660}},
        {"blanks behind keep their width", "abcdefghij  ", 0, 1000, {"abcdefghij", 0, 75, 900 + 240}},
        {"trailing blanks alone never condense", studium, 4500, 5500, {studium, 4500, 100, 4500 + 60 * 120}},
        {"only blanks: drawn as they are", "    ", 0, 100, {"    ", 0, 100, 480}},
        {"no room at all: the narrowest stretch", "abc", 950, 1000, {"abc", 950, 1, 950 + 3.6}},
        {"a limit left of the text is none", "abc", 950, 500, {"abc", 950, 100, 950 + 360}},
        {"a limit where the text starts is none", "abc", 950, 950, {"abc", 950, 100, 950 + 360}},
    };
    for (const Case& c : cases) {
        const FittedText f = fitBefore(GridMeasure{}, PrintFont{}, c.text, c.x, c.limit, 100);
        EXPECT_EQ(f.text, c.fitted.text) << c.name;
        EXPECT_DOUBLE_EQ(f.x, c.fitted.x) << c.name;
        EXPECT_EQ(f.stretch, c.fitted.stretch) << c.name;
        EXPECT_DOUBLE_EQ(f.end, c.fitted.end) << c.name;
        if (c.fitted.stretch < 100 && c.fitted.stretch > 1) {
            EXPECT_LE(f.x + GridMeasure{}.width({"", 12, false, f.stretch}, f.text), c.limit - 100) << c.name;
        }
    }
}

} // namespace
} // namespace tarvolin
