#pragma once
// QtPrinter: the letter's printer on the desktop. It records the letter's
// operations while the core prints and draws them all at endDoc with QPainter,
// as one job on the system's default printer, without a dialog. Where the
// system has no printer at all, the same letter is written as a PDF file in the
// working directory (Tarvolin-Brief-<dd-mm-yyyy>.pdf, never overwriting an
// older one); endDoc then returns "" and lastPdfPath() names the file, so the
// window can tell the user where the letter is.
//
// Geometry: twips become device pixels with the printer's resolution
// (px = twips * resolution / 1440); x counts from the left of the printable
// area; a line advances by the line height of the current font at the
// printer's resolution; text past the page bottom continues on a new page.

#include "output/printer.h"

#include <QString>

#include <string>
#include <string_view>
#include <vector>

namespace tarvolin {

class QtPrinter final : public Printer {
public:
    QtPrinter();
    ~QtPrinter() override;

    void setCopies(int copies) override;
    void setFontName(std::string_view name) override;
    void setFontSize(int points) override;
    void setBold(bool bold) override;
    void setX(int twips) override;
    void print(std::string_view text) override;
    void printLine(std::string_view text) override;
    void newLine() override;
    std::string endDoc() override;

    // The PDF file the last letter was written to when there was no printer;
    // empty when the last letter went to a printer (or failed).
    QString lastPdfPath() const { return lastPdfPath_; }

    // Where the PDF fallback writes; the working directory unless a test says
    // otherwise.
    void setPdfFolder(const QString& folder) { pdfFolder_ = folder; }
    // Forces the PDF fallback even where a printer exists (for tests).
    void setForcePdf(bool force) { forcePdf_ = force; }

    // One recorded operation of the letter.
    struct Operation {
        enum class Kind { FontName, FontSize, Bold, X, Text, EndLine } kind;
        QString text;
        int number = 0;
    };

private:
    std::vector<Operation> operations_;
    int copies_ = 1;
    QString lastPdfPath_;
    QString pdfFolder_;
    bool forcePdf_ = false;
};

} // namespace tarvolin
