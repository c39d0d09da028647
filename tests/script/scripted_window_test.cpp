// The scripted window as a whole: runs, exit statuses, the printed platform
// and where typing lands in a description box.

#include "script/script_platform.h"
#include "script/script_runner.h"
#include "script/scripted_window.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include <unistd.h>

namespace tarvolin {
namespace {

namespace fs = std::filesystem;

// Each test runs in an empty working folder of its own: start-up reads and
// creates jda.txt there.
class InEmptyFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = fs::temp_directory_path() / ("tarvolin-script-" + std::to_string(::getpid()) + "-" + info->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        previous_ = fs::current_path();
        fs::current_path(folder_);
    }
    void TearDown() override
    {
        fs::current_path(previous_);
        fs::remove_all(folder_);
    }

    struct Run {
        int status;
        std::string out, err;
    };
    static Run run(const std::string& script)
    {
        std::istringstream in{script};
        std::ostringstream out, err;
        const int status = runScript(in, out, err);
        return {status, out.str(), err.str()};
    }

    fs::path folder_, previous_;
};

using ScriptRuns = InEmptyFolder;

TEST_F(ScriptRuns, ExitStatusAndTheBadLine)
{
    struct Row {
        const char* name;
        std::string script;
        int status;
        std::string out, err;
    };
    const Row rows[] = {
        {"empty script", "", 0, "", ""},
        {"only comments", "# nichts\n\n   \n", 0, "", ""},
        {"start and close", "today 15/05/2008\nstart\nclose\n", 0, "closed\n", ""},
        {"no line end at the end", "start\nclose", 0, "closed\n", ""},
        {"line numbers count skipped lines", "# eins\n\nstart\nfocus Label4\nclose\n", 2, "",
         "tarvolin: Zeile 4: „Label4“ nimmt „focus“ nicht an\n"},
        {"a window command after close", "start\nclose\ndump\n", 2, "closed\n",
         "tarvolin: Zeile 3: „dump“ braucht das Fenster: vorher fehlt „start“\n"},
        {"start after close starts again", "start\nclose\nstart\nclose\n", 0, "closed\nclosed\n", ""},
        {"a question answered from the queue", "answer no\nstart\nenter Datum(0)\nenter Datum(0)\n", 0,
         "msgbox\tYesNo\tMit der kompletten Löschung einverstanden?\tMit dem Löschen des Geburtstags werden   a l "
         "l e   Daten gelöscht. Sei können es noch verhindern, indem Sie \"Nein\" anklicken und noch vor der "
         "nächsten Enter-Taste einen neuen Geburtstag eingeben.\tNo\n"
         "msgbox\tYesNo\tMit der kompletten Löschung einverstanden?\tMit dem Löschen des Geburtstags werden   a l "
         "l e   Daten gelöscht. Sei können es noch verhindern, indem Sie \"Nein\" anklicken und noch vor der "
         "nächsten Enter-Taste einen neuen Geburtstag eingeben.\tYes\n",
         ""},
        {"Windows line ends", "start\r\nclose\r\n", 0, "closed\n", ""},
    };
    for (const Row& r : rows) {
        const Run result = run(r.script);
        EXPECT_EQ(result.status, r.status) << r.name;
        EXPECT_EQ(result.out, r.out) << r.name;
        EXPECT_EQ(result.err, r.err) << r.name;
    }
}

TEST_F(ScriptRuns, SchließenSavesAndTheNextStartReadsIt)
{
    const Run first = run("today 15/05/2008\nstart\ndate 0 10/03/1955\ndate 1 01/04/1990\nclick Schließen\n"
                          "click Drucken\n");
    EXPECT_EQ(first.status, 2);
    EXPECT_EQ(first.out, "saved\t" + (fs::current_path() / "jda.txt").string() + "\nclosed\n");
    EXPECT_EQ(fs::file_size("jda.txt"), 1292u);

    std::ostringstream out;
    ScriptedWindow window{out};
    ASSERT_EQ(window.run(parseScriptLine("start")), "");
    ASSERT_NE(window.window(), nullptr);
    EXPECT_EQ(window.window()->Datum(1).text, "01/04/1990");
}

TEST(ScriptFiles, AScriptThatCannotBeReadIsAnError)
{
    EXPECT_EQ(runScriptFile("/nonexistent/tarvolin.script"), 2);
}

// Where typing lands in a description box.
class Typing : public InEmptyFolder {
protected:
    void SetUp() override
    {
        InEmptyFolder::SetUp();
        ASSERT_EQ(window.run(parseScriptLine("start")), "");
        jda = window.window();
    }
    void line(const std::string& text)
    {
        const ScriptLine l = parseScriptLine(text);
        ASSERT_EQ(l.status, ScriptLine::Status::Command) << text << ": " << l.error;
        ASSERT_EQ(window.run(l), "") << text;
    }
    std::ostringstream out;
    ScriptedWindow window{out};
    JDA* jda = nullptr;
};

TEST_F(Typing, AfterTheLastNonBlankCharacterOnFocus)
{
    struct Row {
        const char* name;
        std::string before;
        const char* script;
        std::string after;
    };
    const std::string blanks57(57, ' ');
    const Row rows[] = {
        {"empty box", "", "type Eingabe(3) Köln", "Köln"},
        {"restored with trailing blanks", "Abc" + blanks57, "type Eingabe(3) de", "Abcde" + blanks57},
        {"Backspace takes the last non-blank", "Abc" + blanks57, "key Eingabe(3) Backspace", "Ab" + blanks57},
        {"Backspace in an empty box", "", "key Eingabe(3) Backspace", ""},
        {"Backspace over an umlaut", "Köln", "key Eingabe(3) Backspace", "Köl"},
        {"Backspace with only blanks", "   ", "key Eingabe(3) Backspace", "   "},
        {"Enter inserts nothing", "Abc", "key Eingabe(3) Enter", "Abc"},
        {"a blank key", "Abc", "key Eingabe(3)  ", "Abc "},
        {"leading blanks stay", "  Abc  ", "type Eingabe(3) d", "  Abcd  "},
        {"a full box takes nothing", std::string(60, 'x'), "type Eingabe(3) yz", std::string(60, 'x')},
    };
    for (const Row& r : rows) {
        line("focus Datum(0)");
        jda->Eingabe(3).text = r.before;
        line(r.script);
        EXPECT_EQ(jda->Eingabe(3).text, r.after) << r.name;
    }
}

TEST_F(Typing, TheCursorMovesOnWithTheTyping)
{
    line("type Eingabe(2) Abc");
    line("key Eingabe(2) Backspace");
    line("type Eingabe(2) x y");
    EXPECT_EQ(jda->Eingabe(2).text, "Abx y");
    EXPECT_EQ(window.cursorPosition(), 5u);
    // Blanks typed at the end stay where they were typed.
    line("type Eingabe(2)   ");
    line("type Eingabe(2) z");
    EXPECT_EQ(jda->Eingabe(2).text, "Abx y  z");
}

TEST_F(Typing, ATextChangedByTheProgramPutsTheCursorAfterItsLastNonBlank)
{
    line("type Eingabe(1) Wehrdienst");
    jda->Eingabe(2).text = "Studium";
    // The row move leaves the focus in Eingabe(1) but gives it row 2's text,
    // padded to 60 by the buffer.
    line("click ab(1)");
    EXPECT_EQ(jda->Eingabe(1).text, "Studium" + std::string(53, ' '));
    line("type Eingabe(1)  Bonn");
    EXPECT_EQ(jda->Eingabe(1).text, "Studium Bonn" + std::string(53, ' '));
    EXPECT_EQ(jda->Eingabe(2).text, "Wehrdienst");
}

TEST_F(Typing, ADateFieldTakesTheTypedTextAndRaisesItsKeys)
{
    line("today 15/05/2008");
    line("type Datum(5) 12/03/____");
    EXPECT_EQ(jda->Datum(5).text, "12/03/____");
    EXPECT_EQ(jda->currentIndex, 5);
    EXPECT_EQ(jda->Datum(31).text, "__/__/____"); // no Enter, no recalculation
    line("key Datum(5) 1");
    EXPECT_EQ(jda->Datum(5).text, "12/03/____");
    line("enter Datum(5)");
    EXPECT_EQ(jda->Datum(5).text, "__/__/____");
}

TEST(ScriptPlatform, PrinterOperationsAsLines)
{
    std::ostringstream out;
    ScriptPrinter p{out};
    p.setCopies(1);
    p.setFontName("Arial");
    p.setFontSize(12);
    p.setBold(true);
    p.setBold(false);
    p.setX(5760);
    p.print("     Datum: ");
    p.printLine("15.05.2008");
    p.newLine();
    EXPECT_EQ(p.endDoc(), "");
    EXPECT_EQ(out.str(), "print\tsetting\t1\nprint\tfont\tArial\nprint\tsize\t12\nprint\tbold\tTrue\n"
                         "print\tbold\tFalse\nprint\tx\t5760\nprint\ttext\t     Datum: \n"
                         "print\tline\t15.05.2008\nprint\tnewline\nprint\tenddoc\n");
}

TEST(ScriptPlatform, MessageBoxesShellAndHost)
{
    std::ostringstream out;
    ScriptMessageBox box{out};
    EXPECT_EQ(box.show("Text", "Titel", MessageButtons::Ok), answerOk);
    box.queueAnswer(false);
    box.queueAnswer(true);
    EXPECT_EQ(box.show("Frage?", "T", MessageButtons::YesNo), answerNo);
    EXPECT_EQ(box.show("Frage?", "T", MessageButtons::YesNo), answerYes);
    EXPECT_EQ(box.show("Frage?", "T", MessageButtons::YesNo), answerYes); // none queued: the default
    ScriptShell shell{out};
    EXPECT_TRUE(shell.open("http://www.tarvolin.de/manual/20.htm"));
    int unloads = 0;
    ScriptHost host{out, [&] { ++unloads; }};
    host.entriesSaved("/tmp/x/jda.txt");
    host.unload();
    EXPECT_EQ(unloads, 1);
    EXPECT_EQ(out.str(), "msgbox\tOK\tTitel\tText\tOK\nmsgbox\tYesNo\tT\tFrage?\tNo\nmsgbox\tYesNo\tT\tFrage?\tYes\n"
                         "msgbox\tYesNo\tT\tFrage?\tYes\nopen\thttp://www.tarvolin.de/manual/20.htm\n"
                         "saved\t/tmp/x/jda.txt\n");
}

TEST(ScriptPlatform, ClockFromTheScriptOrTheSystem)
{
    ScriptClock clock;
    SystemClock system;
    EXPECT_EQ(clock.today(), system.today());
    clock.set(*Date::fromYmd(2008, 5, 15));
    EXPECT_EQ(clock.today(), *Date::fromYmd(2008, 5, 15));
}

} // namespace
} // namespace tarvolin
