#pragma once
// Recording fakes of the platform for the core's tests.

#include "window/jda.h"

#include <deque>
#include <string>
#include <vector>

namespace tarvolin::testing {

struct ShownMessage {
    std::string text;
    std::string title;
    MessageButtons buttons;
};

class RecordingMessageBox final : public MessageBox {
public:
    std::vector<ShownMessage> shown;
    std::deque<std::int16_t> answers; // answers to Yes/No questions; Yes when none is queued
    std::int16_t show(std::string_view text, std::string_view title, MessageButtons buttons) override
    {
        shown.push_back({std::string{text}, std::string{title}, buttons});
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

class RecordingPrinter final : public Printer {
public:
    std::vector<std::string> operations;
    std::string failure; // what endDoc reports
    void setCopies(int n) override { operations.push_back("setting\t" + std::to_string(n)); }
    void setFontName(std::string_view n) override { operations.push_back("font\t" + std::string{n}); }
    void setFontSize(int p) override { operations.push_back("size\t" + std::to_string(p)); }
    void setBold(bool b) override { operations.push_back(std::string{"bold\t"} + (b ? "True" : "False")); }
    void setX(int t) override { operations.push_back("x\t" + std::to_string(t)); }
    void print(std::string_view t) override { operations.push_back("text\t" + std::string{t}); }
    void printLine(std::string_view t) override { operations.push_back("line\t" + std::string{t}); }
    void newLine() override { operations.push_back("newline"); }
    std::string endDoc() override
    {
        operations.push_back("enddoc");
        return failure;
    }
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

// A window object wired to fakes, for tests.
struct TestWindow {
    RecordingMessageBox messages;
    FixedClock clock;
    RecordingPrinter printer;
    RecordingShell shell;
    RecordingHost host;
    JDA jda{Platform{messages, clock, printer, shell, host}};
};

} // namespace tarvolin::testing
