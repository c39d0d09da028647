// The scripted window as a whole: runs, exit statuses and the printed
// platform. (Where typing lands is the dispatcher's: tests/window/dispatcher_test.cpp.)

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
    EXPECT_EQ(box.show("Text", "Titel", MessageButtons::Ok, MessageKind::Notice), answerOk);
    box.queueAnswer(false);
    box.queueAnswer(true);
    EXPECT_EQ(box.show("Frage?", "T", MessageButtons::YesNo, MessageKind::Question), answerNo);
    EXPECT_EQ(box.show("Frage?", "T", MessageButtons::YesNo, MessageKind::Question), answerYes);
    // None queued: the default.
    EXPECT_EQ(box.show("Frage?", "T", MessageButtons::YesNo, MessageKind::Question), answerYes);
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
