#include "stafflist/computation/case_folder.h"

#include <gtest/gtest.h>

namespace tarvolin {
namespace {

// Two employees never share a folder, and no name from a staff table can
// reach outside the cases' folder or hide there.
TEST(CaseFolder, ANameForEveryEmployeeThatStaysInItsFolder)
{
    struct Row {
        const char* name;
        const char* number;
        const char* last;
        const char* first;
        const char* birthday;
        std::string folder;
    };
    const Row rows[] = {
        {"the personnel number", "1001", "Meier", "Anna", "10.03.1960", "1001"},
        {"blanks around the number", "  1001 ", "Meier", "Anna", "10.03.1960", "1001"},
        {"no number: name, first name, birthday", "", "Meier", "Anna", "10.03.1960", "Meier, Anna, 10.03.1960"},
        {"no number, no first name", "", "Meier", "", "10.03.1960", "Meier, 10.03.1960"},
        {"a slash cannot make a subfolder", "12/7", "", "", "", "12_7"},
        {"a backslash neither", "12\\7", "", "", "", "12_7"},
        {"up and out", "../../etc", "", "", "", "_.._etc"},
        {"only dots", "..", "", "", "", "ohne Namen"},
        {"a hidden name", ".versteckt", "", "", "", "versteckt"},
        {"control characters", "10\n01\t", "", "", "", "10_01_"},
        {"a bidi override", "", "Meier\u202Eeb", "", "", "Meier_eb"},
        {"nothing at all", "", "", "", "", "ohne Namen"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(caseFolderName(r.number, r.last, r.first, r.birthday), r.folder) << r.name;
}

TEST(CaseFolder, ALongNameIsCutBetweenCharacters)
{
    std::string name;
    for (int i = 0; i < 100; ++i)
        name += "ä"; // two bytes each
    const std::string folder = caseFolderName("", name, "", "");
    EXPECT_LE(folder.size(), 120u);
    EXPECT_EQ(folder.size() % 2, 0u) << "no character cut in two";
}

} // namespace
} // namespace tarvolin
