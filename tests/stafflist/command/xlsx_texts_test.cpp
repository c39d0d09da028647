// Texts written into an .xlsx come back exactly as they were, or as the
// file can hold them with a note naming the cell: every workbook written
// here is read back by the reader and compared, in both of the writer's
// modes (texts inline as the list streams them, shared as Excel writes
// them). A text the file could not hold once made the whole workbook
// damaged XML, with exit status 0.

#include "stafflist/tables/xlsx_cell_text.h"
#include "stafflist/tables/xlsx_reader.h"
#include "stafflist/command/xlsx_writer.h"
#include "stafflist/tables/zip_archive.h"
#include "tests/output/scratch_folder.h"

#include <gtest/gtest.h>

namespace tarvolin {
namespace {

const std::string cutNote = " der Text ist länger als die 32.767 Zeichen, die eine Zelle fasst, und wurde dort abgeschnitten.";
const std::string replacedNote = " Zeichen, die eine Excel-Datei nicht aufnehmen kann (U+FFFE, U+FFFF, das Nullzeichen oder "
                                 "Bytes, die kein UTF-8 sind), stehen dort als „�“.";

struct RoundTrip {
    const char* name;
    std::string written;
    std::string read;
    std::string note; // after "Zelle B2 (Zeile 2, Spalte B):"; empty: none
};

void PrintTo(const RoundTrip& c, std::ostream* os) { *os << c.name; }

std::string repeated(std::string_view piece, std::size_t times)
{
    std::string s;
    for (std::size_t i = 0; i < times; ++i)
        s += piece;
    return s;
}

const RoundTrip roundTrips[] = {
    {"Plain", "Meier-Lüdenscheidt", "Meier-Lüdenscheidt", ""},
    {"EscapeLookalike", "_x0041_", "_x0041_", ""},
    {"EscapeOfTheUnderscore", "_x005F_ und _x005f_", "_x005F_ und _x005f_", ""},
    {"EscapesBackToBack", "_x0041__x0042_x_x0043", "_x0041__x0042_x_x0043", ""},
    {"ControlCharacters", "a\x01" "b\x1F" "c\x7F", "a\x01" "b\x1F" "c\x7F", ""},
    // The writer's own escape of the control character would close an
    // escape begun by the text: "_x005F" and \x01 as "_x005F_x0001_".
    {"EscapeLookalikeBeforeAControlCharacter", "_x005F\x01 _x0041\r _x0041\t", "_x005F\x01 _x0041\r _x0041\t", ""},
    {"ControlCharacterBeforeAnEscapeTail", "\x01x0041_", "\x01x0041_", ""},
    {"TabsAndLineEnds", "a\tb\r\nc\rd\ne", "a\tb\r\nc\rd\ne", ""},
    {"UFFFF", "Mei\xEF\xBF\xBF" "er", "Mei\xEF\xBF\xBD" "er", replacedNote},
    {"UFFFE", "\xEF\xBF\xBE", "\xEF\xBF\xBD", replacedNote},
    {"ZeroCharacter", std::string{"a\0b", 3}, "a\xEF\xBF\xBD" "b", replacedNote},
    {"NoUtf8", "a\xC3" "b\xFF", "a\xEF\xBF\xBD" "b\xEF\xBF\xBD", replacedNote},
    {"EncodedSurrogate", "\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD", replacedNote},
    {"Overlong", "\xC0\xAF", "\xEF\xBF\xBD\xEF\xBF\xBD", replacedNote},
    {"BeyondUnicode", "\xF4\x90\x80\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD", replacedNote},
    {"OutsideTheBasicPlane", "\xF0\x9F\x98\x80 \xF0\x90\x8D\x88", "\xF0\x9F\x98\x80 \xF0\x90\x8D\x88", ""},
    {"AsLongAsACellHolds", std::string(32767, 'x'), std::string(32767, 'x'), ""},
    {"LongerThanACellHolds", std::string(40000, 'y'), std::string(32767, 'y'), cutNote},
    {"LongByTwoUnitCharacters", std::string(32766, 'x') + "\xF0\x9F\x98\x80", std::string(32766, 'x'), cutNote},
    {"LongByProtectedEscapes", repeated("_x0041_", 5000), repeated("_x0041_", 2520) + "_", cutNote},
    {"ReplacedAndCut", "\xEF\xBF\xBF" + std::string(40000, 'z'), "\xEF\xBF\xBD" + std::string(32766, 'z'),
     replacedNote.substr(0, replacedNote.size() - 1) + ";" + cutNote},
};

// The header cell and the data cell B2 as the reader reads them back.
struct ReadBack {
    std::string header, cell, problem;
};

ReadBack readBack(const std::string& path)
{
    ZipArchive archive;
    ReadBack back;
    if (back.problem = archive.open(path); !back.problem.empty())
        return back;
    const auto sheet = openXlsxSheet(archive, "", true, back.problem);
    if (!sheet)
        return back;
    TableRecord r;
    if (sheet->next(r) && r.fields.size() == 2)
        back.header = r.fields[1];
    if (sheet->next(r) && r.fields.size() == 2)
        back.cell = r.fields[1];
    back.problem += sheet->failure();
    return back;
}

class XlsxTexts : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(XlsxTexts, ComeBackAsWrittenOrWithANote)
{
    const RoundTrip& c = GetParam();
    for (const bool streamed : {true, false}) {
        SCOPED_TRACE(streamed ? "inline texts" : "shared texts");
        const testing::ScratchFolder folder;
        XlsxTableWriter writer{"liste.xlsx", "Personalliste", streamed};
        writer.header({"Nr.", c.written});
        writer.row(std::vector<ResultCell>{std::string{"1"}, c.written});
        ASSERT_EQ(writer.finish(), "");
        const ReadBack back = readBack("liste.xlsx");
        EXPECT_EQ(back.problem, "");
        EXPECT_EQ(back.header, c.read);
        EXPECT_EQ(back.cell, c.read);
        const std::vector<std::string> expected =
            c.note.empty() ? std::vector<std::string>{}
                           : std::vector<std::string>{"Zelle B1 (Zeile 1, Spalte B):" + c.note,
                                                      "Zelle B2 (Zeile 2, Spalte B):" + c.note};
        EXPECT_EQ(writer.notes(), expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, XlsxTexts, ::testing::ValuesIn(roundTrips),
                         [](const auto& info) { return std::string{info.param.name}; });

// A workbook with a bad character in every cell says so for a hundred
// cells and counts the rest, instead of a note per row of a long list.
TEST(XlsxTexts, NotesStopAtAHundred)
{
    const testing::ScratchFolder folder;
    XlsxTableWriter writer{"liste.xlsx", "Personalliste"};
    writer.header({"Name"});
    for (int i = 0; i < 250; ++i)
        writer.row(std::vector<ResultCell>{std::string{"\xEF\xBF\xBF"}});
    ASSERT_EQ(writer.finish(), "");
    const std::vector<std::string> notes = writer.notes();
    ASSERT_EQ(notes.size(), 101u);
    EXPECT_EQ(notes[99].substr(0, 30), "Zelle A101 (Zeile 101, Spalte ");
    EXPECT_EQ(notes[100], "Ebenso in 150 weiteren Zellen.");
}

struct Decoded {
    const char* name;
    const char* stored;
    const char* text;
};

void PrintTo(const Decoded& c, std::ostream* os) { *os << c.name; }

const Decoded decoded[] = {
    {"Letter", "_x0041_", "A"},
    {"LowerCaseHex", "_x00e4_", "ä"},
    {"Underscore", "_x005F_x0041_", "_x0041_"},
    {"ThreeBytes", "_x20AC_", "€"},
    {"ControlCharacter", "a_x0001_b", "a\x01" "b"},
    {"Surrogate", "_xD800_", "\xEF\xBF\xBD"},
    {"NotHex", "_xZZZZ_", "_xZZZZ_"},
    {"TooShort", "_x041_", "_x041_"},
    {"Unclosed", "_x0041", "_x0041"},
    {"CutAtTheEnd", "ab_x00", "ab_x00"},
    {"Neighbours", "_x0041__x0042_", "AB"},
};

class XlsxEscapes : public ::testing::TestWithParam<Decoded> {};

TEST_P(XlsxEscapes, AreDecodedWhenRead) { EXPECT_EQ(decodedXlsxText(GetParam().stored), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(Table, XlsxEscapes, ::testing::ValuesIn(decoded),
                         [](const auto& info) { return std::string{info.param.name}; });

} // namespace
} // namespace tarvolin
