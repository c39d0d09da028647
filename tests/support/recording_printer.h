#pragma once
// A printer that records each operation as a line "operation\targument", for
// the tests of the letter and of the window's print button.

#include "output/printer.h"

#include <deque>
#include <string>
#include <vector>

namespace tarvolin::testing {

class RecordingPrinter final : public Printer {
public:
    std::vector<std::string> operations;
    std::string failure; // what endDoc reports
    std::deque<DocumentFate> fates; // what each document becomes at endDoc; Delivered when none is queued
    void setCopies(int n) override { operations.push_back("setting\t" + std::to_string(n)); }
    void setFontName(std::string_view n) override { operations.push_back("font\t" + std::string{n}); }
    void setFontSize(int p) override { operations.push_back("size\t" + std::to_string(p)); }
    void setBold(bool b) override { operations.push_back(std::string{"bold\t"} + (b ? "True" : "False")); }
    void setX(int t) override { operations.push_back("x\t" + std::to_string(t)); }
    void print(std::string_view t) override { operations.push_back("text\t" + std::string{t}); }
    void printLine(std::string_view t) override { operations.push_back("line\t" + std::string{t}); }
    void newLine() override { operations.push_back("newline"); }
    void printCentredLine(int x, std::string_view t) override
    {
        operations.push_back("centre\t" + std::to_string(x) + "\t" + std::string{t});
    }
    void fitOnOnePage() override { operations.push_back("fit"); }
    std::string endDoc() override
    {
        operations.push_back("enddoc");
        fate_ = DocumentFate::Delivered;
        if (!fates.empty()) {
            fate_ = fates.front();
            fates.pop_front();
        }
        return failure;
    }
    DocumentFate fate() const override { return fate_; }

private:
    DocumentFate fate_ = DocumentFate::Delivered;
};

} // namespace tarvolin::testing
