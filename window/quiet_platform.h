#pragma once
// Platform parts that do nothing, for drivers of a window object that never
// print, open a page or close the window (the staff list, the benchmarks):
// the printer draws nothing and ends each job with the answer it was given,
// the shell opens nothing and answers as it was told, the host unloads
// nothing.

#include "help/shell.h"
#include "output/printer.h"
#include "window/window_host.h"

#include <string>
#include <string_view>
#include <utility>

namespace tarvolin {

class NoPrinter final : public Printer {
public:
    // What endDoc reports: "" for a job that went out, else why not.
    explicit NoPrinter(std::string endDocAnswer = {}) : endDocAnswer_{std::move(endDocAnswer)} {}
    void setCopies(int) override {}
    void setFontName(std::string_view) override {}
    void setFontSize(int) override {}
    void setBold(bool) override {}
    void setX(int) override {}
    void print(std::string_view) override {}
    void printLine(std::string_view) override {}
    void newLine() override {}
    std::string endDoc() override { return endDocAnswer_; }

private:
    std::string endDocAnswer_;
};

class NoShell final : public Shell {
public:
    explicit NoShell(bool opens = true) : opens_{opens} {}
    bool open(std::string_view) override { return opens_; }

private:
    bool opens_;
};

class NoHost final : public WindowHost {
public:
    void unload() override {}
    void entriesSaved(std::string_view) override {}
};

} // namespace tarvolin
