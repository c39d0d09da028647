// The dispatcher for a driver without text widgets: where typing lands in a
// description box and in a date field. (Its clicks and keys run in every
// script case and every test of the drawn window.)

#include "tests/support/fakes.h"
#include "window/dispatcher.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvolin {
namespace {

class Typing : public ::testing::Test {
protected:
    testing::TestWindow window;
    JDA& jda = window.jda;
    Dispatcher dispatcher{jda};
};

// What a row does to the box: type a text, or press one key.
struct Action {
    bool typed;
    Key key;
    std::string text;
};
Action typing(std::string text) { return {true, Key::Character, std::move(text)}; }
Action pressing(Key key, std::string character = {}) { return {false, key, std::move(character)}; }

TEST_F(Typing, AfterTheLastNonBlankCharacterOnFocus)
{
    struct Row {
        const char* name;
        std::string before;
        Action action;
        std::string after;
    };
    const std::string blanks57(57, ' ');
    const Row rows[] = {
        {"empty box", "", typing("Köln"), "Köln"},
        {"restored with trailing blanks", "Abc" + blanks57, typing("de"), "Abcde" + blanks57},
        {"Backspace takes the last non-blank", "Abc" + blanks57, pressing(Key::Backspace), "Ab" + blanks57},
        {"Backspace in an empty box", "", pressing(Key::Backspace), ""},
        {"Backspace over an umlaut", "Köln", pressing(Key::Backspace), "Köl"},
        {"Backspace with only blanks", "   ", pressing(Key::Backspace), "   "},
        {"Enter inserts nothing", "Abc", pressing(Key::Enter), "Abc"},
        {"a blank key", "Abc", pressing(Key::Character, " "), "Abc "},
        {"leading blanks stay", "  Abc  ", typing("d"), "  Abcd  "},
        {"a full box takes nothing", std::string(60, 'x'), typing("yz"), std::string(60, 'x')},
    };
    for (const Row& r : rows) {
        dispatcher.focus(jda.Datum(0));
        jda.Eingabe(3).text = r.before;
        if (r.action.typed)
            dispatcher.type(jda.Eingabe(3), r.action.text);
        else
            dispatcher.key(jda.Eingabe(3), r.action.key, r.action.text);
        EXPECT_EQ(jda.Eingabe(3).text, r.after) << r.name;
    }
}

TEST_F(Typing, TheCursorMovesOnWithTheTyping)
{
    dispatcher.type(jda.Eingabe(2), "Abc");
    dispatcher.key(jda.Eingabe(2), Key::Backspace);
    dispatcher.type(jda.Eingabe(2), "x y");
    EXPECT_EQ(jda.Eingabe(2).text, "Abx y");
    EXPECT_EQ(dispatcher.cursorPosition(), 5u);
    // Blanks typed at the end stay where they were typed.
    dispatcher.type(jda.Eingabe(2), "  ");
    dispatcher.type(jda.Eingabe(2), "z");
    EXPECT_EQ(jda.Eingabe(2).text, "Abx y  z");
}

TEST_F(Typing, ATextChangedByTheProgramPutsTheCursorAfterItsLastNonBlank)
{
    dispatcher.type(jda.Eingabe(1), "Wehrdienst");
    jda.Eingabe(2).text = "Studium";
    // The row move leaves the focus in Eingabe(1) but gives it row 2's text,
    // padded to 60 by the buffer.
    dispatcher.click(jda.ab(1));
    EXPECT_EQ(jda.Eingabe(1).text, "Studium" + std::string(53, ' '));
    dispatcher.type(jda.Eingabe(1), " Bonn");
    EXPECT_EQ(jda.Eingabe(1).text, "Studium Bonn" + std::string(53, ' '));
    EXPECT_EQ(jda.Eingabe(2).text, "Wehrdienst");
}

TEST_F(Typing, ADateFieldTakesTheTypedTextAndRaisesItsKeys)
{
    dispatcher.type(jda.Datum(5), "12/03/____");
    EXPECT_EQ(jda.Datum(5).text, "12/03/____");
    EXPECT_EQ(jda.currentIndex, 5);
    EXPECT_EQ(jda.Datum(31).text, "__/__/____"); // no Enter, no recalculation
    dispatcher.key(jda.Datum(5), Key::Character, "1");
    EXPECT_EQ(jda.Datum(5).text, "12/03/____");
    dispatcher.key(jda.Datum(5), Key::Enter);
    EXPECT_EQ(jda.Datum(5).text, "__/__/____");
}

} // namespace
} // namespace tarvolin
