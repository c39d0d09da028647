#include "output/recorded_document.h"

#include <utility>

namespace tarvolin {

void DocumentRecorder::add(PrintOperation::Kind kind, std::string_view text, int number)
{
    document_.operations.push_back({kind, std::string{text}, number});
}

void DocumentRecorder::setCopies(int copies) { document_.copies = copies < 1 ? 1 : copies; }

void DocumentRecorder::setFontName(std::string_view name) { add(PrintOperation::Kind::FontName, name, 0); }

void DocumentRecorder::setFontSize(int points) { add(PrintOperation::Kind::FontSize, {}, points); }

void DocumentRecorder::setBold(bool bold) { add(PrintOperation::Kind::Bold, {}, bold ? 1 : 0); }

void DocumentRecorder::setX(int twips) { add(PrintOperation::Kind::X, {}, twips); }

void DocumentRecorder::print(std::string_view text) { add(PrintOperation::Kind::Text, text, 0); }

void DocumentRecorder::printLine(std::string_view text)
{
    print(text);
    newLine();
}

void DocumentRecorder::newLine() { add(PrintOperation::Kind::LineEnd, {}, 0); }

void DocumentRecorder::printCentredLine(int centreTwips, std::string_view text)
{
    add(PrintOperation::Kind::CentredLine, text, centreTwips);
}

std::string DocumentRecorder::endDoc()
{
    finished_ = takeDocument();
    return {};
}

RecordedDocument DocumentRecorder::takeDocument() { return std::exchange(document_, RecordedDocument{}); }

} // namespace tarvolin
