#pragma once
// The platform a staff-list row is typed on: every message box is answered
// with its default button (Yes for Yes/No, else OK) and its text kept for the
// row's notes; the system date is the one the list was given; printer, shell
// and window host do nothing (the typing never presses their buttons).

#include "calc/clock.h"
#include "help/shell.h"
#include "output/printer.h"
#include "window/jda.h"
#include "window/message_box.h"
#include "window/window_host.h"

#include <string>
#include <vector>

namespace tarvolin {

class CollectingMessageBox final : public MessageBox {
public:
    std::int16_t show(std::string_view text, std::string_view, MessageButtons buttons, MessageKind) override
    {
        texts.emplace_back(text);
        return buttons == MessageButtons::YesNo ? answerYes : answerOk;
    }
    std::vector<std::string> texts;
};

class FixedClock final : public Clock {
public:
    explicit FixedClock(Date day) : day_{day} {}
    Date today() override { return day_; }

private:
    Date day_;
};

class NoPrinter final : public Printer {
public:
    void setCopies(int) override {}
    void setFontName(std::string_view) override {}
    void setFontSize(int) override {}
    void setBold(bool) override {}
    void setX(int) override {}
    void print(std::string_view) override {}
    void printLine(std::string_view) override {}
    void newLine() override {}
    std::string endDoc() override { return "Die Personalliste druckt nicht."; }
};

class NoShell final : public Shell {
public:
    bool open(std::string_view) override { return false; }
};

class NoHost final : public WindowHost {
public:
    void unload() override {}
    void entriesSaved(std::string_view) override {}
};

// The five parts together, for one window object at a time.
struct ListPlatform {
    explicit ListPlatform(Date today) : clock{today} {}
    ListPlatform(const ListPlatform&) = delete;
    ListPlatform& operator=(const ListPlatform&) = delete;
    Platform platform() { return Platform{messages, clock, printer, shell, host}; }

    CollectingMessageBox messages;
    FixedClock clock;
    NoPrinter printer;
    NoShell shell;
    NoHost host;
};

} // namespace tarvolin
