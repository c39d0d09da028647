// Schließen saves the case and the next start shows it again; the close box
// saves nothing; a save that fails keeps the old file and the window.

#include "tests/window/startup_case.h"
#include "tests/support/typed_case.h"
#include "output/entries_file.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>

namespace tarvolin {
namespace {

using testing::fileBytes;
using testing::folderNames;
using testing::recordBytes;
using testing::savedCase;
using testing::ScratchFolder;
using testing::shownState;
using testing::TestWindow;
using testing::typeAndEnter;
using testing::typeRow;
using testing::writeCase;
using Bytes = std::vector<unsigned char>;

void clickBox(JDA& w, int k)
{
    w.box(k).value = !w.box(k).value;
    w.box_Click(static_cast<std::int16_t>(k), w.box(k).value ? True : False);
}

// Each character goes to the key handler first, as typing does, and then
// lands after the text that is already there.
void typeDescription(JDA& w, int k, std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        std::size_t length = 1;
        while (i + length < text.size() && (static_cast<unsigned char>(text[i + length]) & 0xC0) == 0x80)
            ++length;
        std::int16_t code = static_cast<unsigned char>(text[i]);
        w.Eingabe_KeyPress(static_cast<std::int16_t>(k), code);
        if (code != 0)
            w.Eingabe(k).text = std::string{trimmedRight(w.Eingabe(k).text)} + std::string{text.substr(i, length)};
        i += length;
    }
}

void overviewCase(JDA& w)
{
    typeAndEnter(w, 0, "10/03/1955");
    typeAndEnter(w, 1, "01/04/1990");
    typeRow(w, 1, "01/09/1980", "31/08/1983");
    typeDescription(w, 1, "Grundwehrdienst");
}

TEST(SaveAndStartAgain, TheNextStartShowsTheSavedCase)
{
    struct Row {
        const char* name;
        void (*enter)(JDA&);
    };
    const Row rows[] = {
        {"birthday, pay start, one prior period", overviewCase},
        {"employment view, stepped age, an unticked row, a reference date",
         [](JDA& w) {
             overviewCase(w);
             typeRow(w, 2, "01/09/1983", "31/03/1990");
             typeRow(w, 3, "01/01/1975", "31/12/1975");
             clickBox(w, 3);
             typeAndEnter(w, 31, "31/12/2010");
             w.Label7_Click();
             w.Altern_Click();
             w.mehr_Click();
         }},
        {"descriptions with umlauts, the euro sign and 60 characters",
         [](JDA& w) {
             overviewCase(w);
             typeRow(w, 2, "01/09/1983", "31/03/1990");
             typeDescription(w, 2, "Lehre bei Müller & Söhne, Köln – 50 € Zulage");
             typeDescription(w, 3, std::string(60, 'x'));
             typeDescription(w, 14, "ÄÖÜäöüß „Zitat“");
         }},
        {"rows moved: a description padded to 60 characters",
         [](JDA& w) {
             overviewCase(w);
             typeRow(w, 2, "01/09/1983", "31/03/1990");
             typeDescription(w, 2, "Studium");
             w.ab_Click(1);
         }},
    };
    for (const Row& r : rows) {
        ScratchFolder scratch;
        std::vector<std::string> before;
        std::array<std::string, 14> descriptions;
        {
            TestWindow t;
            t.jda.Form_Load();
            r.enter(t.jda);
            before = shownState(t.jda);
            for (int k = 1; k <= 14; ++k)
                descriptions[static_cast<std::size_t>(k - 1)] = t.jda.Eingabe(k).text;
            t.jda.Schließen_Click();
            EXPECT_EQ(t.host.unloads, 1) << r.name;
            EXPECT_EQ(t.host.saved, std::vector<std::string>{scratch.entries().string()}) << r.name;
            EXPECT_EQ(std::filesystem::file_size(scratch.entries()), 1292u) << r.name;
        }
        TestWindow t;
        t.jda.Form_Load();
        EXPECT_EQ(shownState(t.jda), before) << r.name;
        for (int k = 1; k <= 14; ++k) {
            const std::string& typed = descriptions[static_cast<std::size_t>(k - 1)];
            EXPECT_EQ(t.jda.Eingabe(k).text, fitted(typed, 60)) << r.name << ", Eingabe(" << k << ")";
            EXPECT_EQ(t.jda.Zähler(k).text, std::to_string(60 - characterCount(trimmed(typed))))
                << r.name << ", Zähler(" << k << ")";
        }
        EXPECT_TRUE(t.messages.shown.empty()) << r.name;
    }
}

TEST(SaveAndStartAgain, ACharacterWindows1252LacksComesBackAsQuestionMark)
{
    ScratchFolder scratch;
    {
        TestWindow t;
        t.jda.Form_Load();
        overviewCase(t.jda);
        t.jda.Eingabe(2).text = "Praktikum in Gdańsk → Łódź";
        t.jda.Schließen_Click();
    }
    const Bytes file = fileBytes(scratch.entries());
    const std::string stored(file.begin() + 362 + 60, file.begin() + 362 + 60 + 26);
    EXPECT_EQ(stored, "Praktikum in Gda?sk ? ?\xF3""d?");
    TestWindow t;
    t.jda.Form_Load();
    EXPECT_EQ(t.jda.Eingabe(2).text, fitted("Praktikum in Gda?sk ? ?ód?", 60));
}

TEST(SaveAndStartAgain, TheReservedBytesSurvive)
{
    struct Row {
        const char* name;
        void (*change)(SavedEntries&);
    };
    const Row rows[] = {
        {"a restored start", [](SavedEntries&) {}},
        {"a blank start", [](SavedEntries& e) { e.dates[1] = "__/__/____"; }},
    };
    for (const Row& r : rows) {
        ScratchFolder scratch;
        SavedEntries e = savedCase();
        r.change(e);
        for (std::size_t i = 0; i < e.reserved.size(); ++i)
            e.reserved[i] = static_cast<unsigned char>(255 - 3 * i);
        writeCase(scratch.entries(), e);
        TestWindow t;
        t.jda.Form_Load();
        typeRow(t.jda, 5, "01/01/1976", "31/12/1976");
        t.jda.Schließen_Click();
        const Bytes file = fileBytes(scratch.entries());
        ASSERT_EQ(file.size(), 1292u) << r.name;
        EXPECT_EQ(Bytes(file.begin() + 1202, file.begin() + 1260), Bytes(e.reserved.begin(), e.reserved.end()))
            << r.name;
    }
}

TEST(SaveAndStartAgain, StoredFlagsAreWrittenBackAsTicks)
{
    ScratchFolder scratch;
    SavedEntries e = savedCase();
    e.rowFlags[0] = 1;
    e.rowFlags[1] = 0;
    e.rowFlags[2] = 0x1234;
    writeCase(scratch.entries(), e);
    TestWindow t;
    t.jda.Form_Load();
    t.jda.Schließen_Click();
    const Bytes file = fileBytes(scratch.entries());
    ASSERT_EQ(file.size(), 1292u);
    EXPECT_EQ(Bytes(file.begin() + 1262, file.begin() + 1268), (Bytes{0xFF, 0xFF, 0x00, 0x00, 0xFF, 0xFF}));
}

// The close box goes through Form_Unload and writes nothing: a file created
// at this start stays empty, an older one keeps its case.
TEST(SaveAndStartAgain, TheCloseBoxSavesNothing)
{
    struct Row {
        const char* name;
        std::optional<SavedEntries> file;
    };
    const Row rows[] = {{"first start", std::nullopt}, {"a saved case", savedCase()}};
    for (const Row& r : rows) {
        ScratchFolder scratch;
        if (r.file)
            writeCase(scratch.entries(), *r.file);
        TestWindow t;
        t.jda.Form_Load();
        const Bytes before = fileBytes(scratch.entries());
        overviewCase(t.jda);
        typeRow(t.jda, 4, "01/01/1977", "31/12/1977");
        std::int16_t cancel = 0;
        t.jda.Form_Unload(cancel);
        EXPECT_EQ(cancel, 0) << r.name;
        EXPECT_EQ(fileBytes(scratch.entries()), before) << r.name;
        EXPECT_EQ(std::filesystem::file_size(scratch.entries()), r.file ? 1292u : 0u) << r.name;
        EXPECT_TRUE(t.host.saved.empty()) << r.name;
    }
}

// A save that cannot be done: one message saying what and where, the old file
// byte for byte, the window open with everything in it; once the cause is
// gone, Schließen saves and closes.
TEST(SaveAndStartAgain, AFailedSaveKeepsFileAndWindow)
{
    using Undo = std::shared_ptr<void>;
    struct Row {
        const char* name;
        std::function<std::optional<Undo>(ScratchFolder&)> arrange; // nothing: cannot be done here
    };
    const Row rows[] = {
        {"read-only folder (immutable flag as root)",
         [](ScratchFolder& s) -> std::optional<Undo> {
             auto readOnly = std::make_shared<testing::ReadOnlyFolder>(s.path());
             if (!readOnly->refuses())
                 return std::nullopt;
             return Undo(readOnly);
         }},
        {"file size limit below one record",
         [](ScratchFolder&) -> std::optional<Undo> {
             return Undo(std::make_shared<testing::FileSizeLimit>(1000));
         }},
        {"jda.txt replaced by a folder",
         [](ScratchFolder& s) -> std::optional<Undo> {
             std::filesystem::rename(s.entries(), s.path() / "aside");
             std::filesystem::create_directory(s.entries());
             const auto folder = s.path();
             return Undo(nullptr, [folder](void*) {
                 std::filesystem::remove(folder / "jda.txt");
                 std::filesystem::rename(folder / "aside", folder / "jda.txt");
             });
         }},
    };
    for (const Row& r : rows) {
        ScratchFolder scratch;
        writeCase(scratch.entries(), savedCase());
        const Bytes before = fileBytes(scratch.entries());
        TestWindow t;
        JDA& w = t.jda;
        w.Form_Load();
        typeRow(w, 2, "01/09/1983", "31/03/1990");
        typeDescription(w, 2, "Studium");
        const auto shown = shownState(w);
        {
            const auto undo = r.arrange(scratch);
            if (!undo) {
                std::cout << "[ skipped  ] " << r.name << ": cannot be arranged on this machine\n";
                continue;
            }
            const auto names = folderNames(scratch.path());
            w.Schließen_Click();
            ASSERT_EQ(t.messages.shown.size(), 1u) << r.name;
            const testing::ShownMessage& m = t.messages.shown[0];
            EXPECT_EQ(m.title, "Tarvolin") << r.name;
            EXPECT_EQ(m.buttons, MessageButtons::Ok) << r.name;
            EXPECT_TRUE(m.text.starts_with("Die Eingaben wurden nicht gespeichert")) << r.name << ": " << m.text;
            EXPECT_NE(m.text.find(scratch.path().string()), std::string::npos) << r.name << ": " << m.text;
            EXPECT_EQ(t.host.unloads, 0) << r.name;
            EXPECT_TRUE(t.host.saved.empty()) << r.name;
            EXPECT_EQ(folderNames(scratch.path()), names) << r.name << ": nothing left behind";
        }
        EXPECT_EQ(fileBytes(scratch.entries()), before) << r.name;
        EXPECT_EQ(shownState(w), shown) << r.name;
        EXPECT_EQ(w.Eingabe(2).text, "Studium") << r.name;

        w.Schließen_Click();
        EXPECT_EQ(t.host.unloads, 1) << r.name;
        EXPECT_EQ(readRecord(fileBytes(scratch.entries())).descriptions[1], fitted("Studium", 60)) << r.name;
    }
}

// A jda.txt that is there but cannot be read: the window starts blank and
// says so, and the next Schließen keeps the thing as jda.txt.bak instead of
// replacing it unseen. Run as a user without privileges, so that missing
// permissions and other users' files are real also when the tests run as root.
TEST(SaveAndStartAgain, AFileThatCannotBeReadIsKept)
{
    struct Row {
        const char* name;
        void (*arrange)(const ScratchFolder&);
        const char* reason;
        bool saves;
    };
    const Row rows[] = {
        {"no read permission",
         [](const ScratchFolder& s) {
             writeCase(s.entries(), savedCase());
             ::chmod(s.entries().c_str(), ::geteuid() == 0 ? 0600 : 0);
         },
         "keine Berechtigung", true},
        {"a link to a saved case",
         [](const ScratchFolder& s) {
             writeCase(s.path() / "elsewhere", savedCase());
             std::filesystem::create_symlink(s.path() / "elsewhere", s.entries());
         },
         "an dieser Stelle steht eine symbolische Verknüpfung", true},
        {"a dangling link",
         [](const ScratchFolder& s) { std::filesystem::create_symlink(s.path() / "target", s.entries()); },
         "an dieser Stelle steht eine symbolische Verknüpfung", true},
        {"a pipe", [](const ScratchFolder& s) { ::mkfifo(s.entries().c_str(), 0666); },
         "an dieser Stelle steht keine gewöhnliche Datei", true},
        {"a folder: it cannot be replaced either",
         [](const ScratchFolder& s) { std::filesystem::create_directory(s.entries()); },
         "an dieser Stelle steht ein Ordner", false},
    };
    for (const Row& r : rows) {
        ScratchFolder scratch;
        testing::allowEveryone(scratch.path());
        r.arrange(scratch);
        const auto before = testing::lookAt(scratch.entries());
        const std::string seen = testing::asUnprivilegedUser([] {
            TestWindow t;
            t.jda.Form_Load();
            std::string shown = t.jda.Datum(0).text + "\n";
            typeAndEnter(t.jda, 0, "10/03/1955");
            typeAndEnter(t.jda, 1, "01/04/1990");
            t.jda.Schließen_Click();
            for (const testing::ShownMessage& m : t.messages.shown)
                shown += m.title + ": " + m.text + "\n";
            return shown + "unloads " + std::to_string(t.host.unloads);
        });
        const std::string notice = "Tarvolin: Der gespeicherte Fall in „" + scratch.entries().string() +
                                   "“ konnte nicht gelesen werden (" + r.reason +
                                   "). Tarvolin beginnt mit einem leeren Fall; die Datei bleibt erhalten.\n";
        const auto backup = testing::lookAt(backupPath(scratch.entries()));
        if (r.saves) {
            EXPECT_EQ(seen, "__/__/____\n" + notice + "unloads 1") << r.name;
            ASSERT_TRUE(backup) << r.name;
            EXPECT_EQ(backup->st_ino, before->st_ino) << r.name << ": jda.txt.bak is the old file itself";
            EXPECT_EQ(readRecord(fileBytes(scratch.entries())).dates[0], "10/03/1955") << r.name;
        } else {
            EXPECT_TRUE(seen.starts_with("__/__/____\n" + notice + "Tarvolin: Die Eingaben wurden nicht gespeichert"))
                << r.name << ": " << seen;
            EXPECT_TRUE(seen.ends_with("unloads 0")) << r.name;
            EXPECT_FALSE(backup) << r.name;
        }
        if (std::filesystem::exists(scratch.path() / "elsewhere")) {
            EXPECT_EQ(fileBytes(scratch.path() / "elsewhere"), recordBytes(savedCase())) << r.name;
        }
        EXPECT_FALSE(testing::lookAt(scratch.path() / "target")) << r.name << ": nothing created where a link points";
    }
}

} // namespace
} // namespace tarvolin
