#pragma once
// The platform as the scripted window has it: instead of dialogs, a printer,
// a browser and a window system, every event is printed as one line, fields
// separated by TAB, and questions are answered from a queue the script fills.
//   msgbox  OK|YesNo  title  text  answer
//   print   operation [argument]
//   open    address
//   saved   path
//   closed

#include "calc/clock.h"
#include "help/shell.h"
#include "output/printer.h"
#include "window/message_box.h"
#include "window/window_host.h"

#include <deque>
#include <functional>
#include <optional>
#include <ostream>

namespace tarvolin {

class ScriptMessageBox final : public MessageBox {
public:
    explicit ScriptMessageBox(std::ostream& out) : out_{out} {}
    // Queues the answer to the next Yes/No question; without one, Yes (the default button).
    void queueAnswer(bool yes) { answers_.push_back(yes ? answerYes : answerNo); }
    // The kind of message shows nowhere: the line is the same for every kind.
    std::int16_t show(std::string_view text, std::string_view title, MessageButtons buttons, MessageKind) override;

private:
    std::ostream& out_;
    std::deque<std::int16_t> answers_;
};

class ScriptClock final : public Clock {
public:
    void set(Date day) { day_ = day; }
    Date today() override { return day_ ? *day_ : system_.today(); }

private:
    std::optional<Date> day_;
    SystemClock system_;
};

class ScriptPrinter final : public Printer {
public:
    explicit ScriptPrinter(std::ostream& out) : out_{out} {}
    void setCopies(int copies) override;
    void setFontName(std::string_view name) override;
    void setFontSize(int points) override;
    void setBold(bool bold) override;
    void setX(int twips) override;
    void print(std::string_view text) override;
    void printLine(std::string_view text) override;
    void newLine() override;
    std::string endDoc() override;

private:
    std::ostream& out_;
};

class ScriptShell final : public Shell {
public:
    explicit ScriptShell(std::ostream& out) : out_{out} {}
    bool open(std::string_view address) override;

private:
    std::ostream& out_;
};

// The host hands unloading to the runner, which owns the window object.
class ScriptHost final : public WindowHost {
public:
    ScriptHost(std::ostream& out, std::function<void()> unload) : out_{out}, unload_{std::move(unload)} {}
    void unload() override { unload_(); }
    void entriesSaved(std::string_view path) override;

private:
    std::ostream& out_;
    std::function<void()> unload_;
};

} // namespace tarvolin
