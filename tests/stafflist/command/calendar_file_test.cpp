// The parts of the calendar file: TEXT values escaped, content lines folded
// at 75 octets without splitting a character, and UIDs that stay the same
// for the same person and occasion and differ for any other. The whole file
// is read back by a real iCalendar parser in calendar_check.py.

#include "stafflist/command/calendar_file.h"
#include "stafflist/tables/table_date.h"

#include <gtest/gtest.h>

#include <set>

namespace tarvolin {
namespace {

struct EscapeCase {
    const char* name;
    std::string text, escaped;
};

const EscapeCase escapeCases[] = {
    {"PlainWithUmlauts", "Jürgen Öztürk", "Jürgen Öztürk"},
    {"Comma", "Müller, Jr.", "Müller\\, Jr."},
    {"Semicolon", "Jö; genannt", "Jö\\; genannt"},
    {"Backslash", "Heide\\Ost", "Heide\\\\Ost"},
    {"LineBreaks", "a\nb\r\nc\rd", "a\\nb\\nc\\nd"},
    {"ControlCharactersAsBlanks", std::string{"a\x01\x1B" "b\x7F"}, "a  b "},
    {"TabAsABlank", "Anna\tMeier", "Anna Meier"},
    {"ZeroCharacterAsABlank", std::string{"a\0b", 3}, "a b"},
};

class Escaping : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(Escaping, TextValues)
{
    EXPECT_EQ(ical::escaped(GetParam().text), GetParam().escaped);
}

INSTANTIATE_TEST_SUITE_P(Calendar, Escaping, testing::ValuesIn(escapeCases),
                         [](const ::testing::TestParamInfo<EscapeCase>& info) { return info.param.name; });

struct FoldCase {
    const char* name;
    std::string line;
};

std::string repeated(std::string_view part, std::size_t times)
{
    std::string s;
    for (std::size_t i = 0; i < times; ++i)
        s += part;
    return s;
}

const FoldCase foldCases[] = {
    {"Short", "SUMMARY:Anna"},
    {"Exactly75", "SUMMARY:" + std::string(67, 'x')},
    {"Exactly76", "SUMMARY:" + std::string(68, 'x')},
    // A two-octet character would straddle octet 75 at every odd offset.
    {"TwoOctetCharactersAtTheEdge", "SUMMARY:x" + repeated("ä", 80)},
    {"TwoOctetCharactersEvenOffset", "SUMMARY:" + repeated("ä", 80)},
    {"ThreeOctetCharacters", "SUMMARY:" + repeated("€", 60)},
    {"FourOctetCharacters", "SUMMARY:y" + repeated("\xF0\x9F\x8E\x89", 50)},
    {"VeryLong", "DESCRIPTION:" + repeated("Müller-Lüdenscheidt, ", 40)},
};

class Folding : public ::testing::TestWithParam<FoldCase> {};

// Each physical line at most 75 octets, ended by CRLF, starting on a whole
// character; unfolded (CRLF and the blank after it removed) it is the line.
TEST_P(Folding, At75OctetsNeverInsideACharacter)
{
    const std::string folded = ical::folded(GetParam().line);
    ASSERT_TRUE(folded.ends_with("\r\n"));
    std::string unfolded;
    std::size_t start = 0;
    for (std::size_t end; (end = folded.find("\r\n", start)) != std::string::npos; start = end + 2) {
        std::string_view physical{folded.data() + start, end - start};
        EXPECT_LE(physical.size(), 75u);
        if (start > 0) {
            ASSERT_EQ(physical.front(), ' ');
            physical.remove_prefix(1);
        }
        ASSERT_FALSE(physical.empty());
        EXPECT_NE(static_cast<unsigned char>(physical.front()) & 0xC0, 0x80) << "a line starts inside a character";
        unfolded += physical;
    }
    EXPECT_EQ(start, folded.size());
    EXPECT_EQ(unfolded, GetParam().line);
    EXPECT_EQ(folded.find('\n') == folded.size() - 1, GetParam().line.size() <= 75);
}

INSTANTIATE_TEST_SUITE_P(Calendar, Folding, testing::ValuesIn(foldCases),
                         [](const ::testing::TestParamInfo<FoldCase>& info) { return info.param.name; });

Occasion occasion(int years, std::string number, std::string name, std::string first, std::string birthday,
                  int dayOfYear = 0)
{
    return {Date::fromYmd(2027, 4, 1)->addDays(dayOfYear), years, std::move(number), std::move(name), std::move(first),
            parseTableDate(birthday)};
}

// A calendar keeps the events it imported by their UID: a person without a
// number keeps the UID that earlier files gave her.
TEST(CalendarUids, StayAsEarlierFilesWroteThem)
{
    EXPECT_EQ(ical::uid(occasion(25, "", "Meier", "Anna", "10.03.1975")), "jubilaeum-25-p-06dc716c78dd01c9@tarvolin.de");
}

TEST(CalendarUids, StayWithThePersonAndTheOccasion)
{
    const Occasion anna = occasion(25, "1001", "Meier", "Anna", "10.03.1975");
    // The same person and occasion on another day (a corrected table), or
    // renamed: the same UID, so a new import updates the event.
    EXPECT_EQ(ical::uid(anna), ical::uid(occasion(25, "1001", "Meier", "Anna", "10.03.1975", 30)));
    EXPECT_EQ(ical::uid(anna), ical::uid(occasion(25, "1001", "Schulz", "Anna", "10.03.1975")));
    const std::set<std::string> distinct{
        ical::uid(anna),
        ical::uid(occasion(40, "1001", "Meier", "Anna", "10.03.1975")),
        ical::uid(occasion(0, "1001", "Meier", "Anna", "10.03.1975")),
        ical::uid(occasion(25, "1002", "Meier", "Anna", "10.03.1975")),
        ical::uid(occasion(25, "10 01", "Meier", "Anna", "10.03.1975")),
        // Without a number: by name, first name and birthday.
        ical::uid(occasion(25, "", "Meier", "Anna", "10.03.1975")),
        ical::uid(occasion(25, "", "Meier", "Anna", "11.03.1975")),
        ical::uid(occasion(25, "", "Meier", "Anne", "10.03.1975")),
        ical::uid(occasion(25, "", "Meie", "rAnna", "10.03.1975")),
    };
    EXPECT_EQ(distinct.size(), 9u);
    for (const std::string& uid : distinct) {
        EXPECT_TRUE(uid.ends_with("@tarvolin.de")) << uid;
        EXPECT_EQ(uid.find_first_of(" ,;:\\\""), std::string::npos) << uid;
    }
}

TEST(CalendarSummaries, NameTheOccasionAndThePerson)
{
    EXPECT_EQ(ical::summary(occasion(25, "1001", "Meier", "Anna", "")), "25-jähriges Dienstjubiläum: Anna Meier (1001)");
    EXPECT_EQ(ical::summary(occasion(50, "", "Öztürk", "Ayşe", "")), "50-jähriges Dienstjubiläum: Ayşe Öztürk");
    EXPECT_EQ(ical::summary(occasion(0, "5", "Alt", "", "")), "Altersgrenze: Alt (5)");
}

} // namespace
} // namespace tarvolin
