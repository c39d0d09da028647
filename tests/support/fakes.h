#pragma once
// Recording fakes of the platform for the core's tests.

#include "tests/support/recording_printer.h"
#include "window/jda.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace tarvolin::testing {

struct ShownMessage {
    std::string text;
    std::string title;
    MessageButtons buttons;
    MessageKind kind;
};

class RecordingMessageBox final : public MessageBox {
public:
    std::vector<ShownMessage> shown;
    std::deque<std::int16_t> answers; // answers to Yes/No questions; Yes when none is queued
    std::int16_t show(std::string_view text, std::string_view title, MessageButtons buttons,
                      MessageKind kind) override
    {
        shown.push_back({std::string{text}, std::string{title}, buttons, kind});
        if (buttons == MessageButtons::Ok)
            return answerOk;
        if (answers.empty())
            return answerYes;
        const auto a = answers.front();
        answers.pop_front();
        return a;
    }
};

class FixedClock final : public Clock {
public:
    Date day = *Date::fromYmd(2008, 5, 15);
    Date today() override { return day; }
};

class RecordingShell final : public Shell {
public:
    std::vector<std::string> opened;
    bool succeeds = true;
    bool open(std::string_view address) override
    {
        opened.emplace_back(address);
        return succeeds;
    }
};

class RecordingHost final : public WindowHost {
public:
    int unloads = 0;
    std::vector<std::string> saved;
    void unload() override { ++unloads; }
    void entriesSaved(std::string_view path) override { saved.emplace_back(path); }
};

// The letterhead as it stands at each call, and the answer of the addressee dialog.
class RecordingLetterDetails final : public LetterDetails {
public:
    Letterhead head;
    std::optional<Addressee> addressee = Addressee{}; // nothing: the user cancels
    int letterheadsRead = 0;
    int addresseesAsked = 0;
    LetterCase askedFor;
    Letterhead letterhead() override
    {
        ++letterheadsRead;
        return head;
    }
    std::optional<Addressee> askAddressee(const LetterCase& letterCase) override
    {
        ++addresseesAsked;
        askedFor = letterCase;
        return addressee;
    }
};

// A window object wired to fakes, for tests.
struct TestWindow {
    RecordingMessageBox messages;
    FixedClock clock;
    RecordingPrinter printer;
    RecordingShell shell;
    RecordingHost host;
    RecordingLetterDetails letter;
    JDA jda{Platform{messages, clock, printer, shell, host, letter}};
};

} // namespace tarvolin::testing
