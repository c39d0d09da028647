#pragma once
// A printed document kept as the printer received it: the operations in
// their order, the number of copies and whether it is to come out on one
// page. It holds no geometry; document_layout.h places its texts on pages.
//
// DocumentRecorder is the Printer that keeps such a record. Its endDoc sends
// nothing anywhere: it finishes the record and starts the next one. A
// printer that sends the document out (the desktop's) records with it and
// decides itself what endDoc does.

#include "output/printer.h"

#include <string>
#include <string_view>
#include <vector>

namespace tarvolin {

struct PrintOperation {
    enum class Kind {
        FontName,    // text: the font's name
        FontSize,    // number: points
        Bold,        // number: 1 bold, 0 not
        X,           // number: the horizontal position in twips
        Text,        // text: printed from the position, the line goes on
        LineEnd,     // the line ends
        CentredLine, // text centred on number (twips); the line ends
    };
    Kind kind;
    std::string text;
    int number = 0;

    friend bool operator==(const PrintOperation&, const PrintOperation&) = default;
};

struct RecordedDocument {
    std::vector<PrintOperation> operations;
    int copies = 1;
    bool onOnePage = false; // drawn smaller, as far as needed, instead of starting a second page
};

class DocumentRecorder : public Printer {
public:
    void setCopies(int copies) override;
    void setFontName(std::string_view name) override;
    void setFontSize(int points) override;
    void setBold(bool bold) override;
    void setX(int twips) override;
    void print(std::string_view text) override;
    void printLine(std::string_view text) override;
    void newLine() override;
    void printCentredLine(int centreTwips, std::string_view text) override;
    void fitOnOnePage() override { document_.onOnePage = true; }
    // Keeps the document as finished() and starts the next one; "" always.
    std::string endDoc() override;

    // The document being recorded, up to the last operation.
    const RecordedDocument& document() const { return document_; }
    // The document the last endDoc finished.
    const RecordedDocument& finished() const { return finished_; }

protected:
    // Hands the document over and starts the next one from nothing.
    RecordedDocument takeDocument();

private:
    void add(PrintOperation::Kind kind, std::string_view text, int number);

    RecordedDocument document_;
    RecordedDocument finished_;
};

} // namespace tarvolin
