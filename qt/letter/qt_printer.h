#pragma once
// QtPrinter: the letter's printer on the desktop. While the letter is printed
// it only records the operations; endDoc hands them to the preview, when one
// is set and wants them, and otherwise draws them with QPainter as one job on
// the system's default printer, without a dialog, in as many copies as
// setCopies asked for.
//
// Geometry: twips become device pixels with the printer's resolution
// (px = twips * resolution / 1440); x counts from the left of the printable
// area; each line end advances by the line height of the current font at the
// printer's resolution; a line that would reach past the page bottom goes to
// the top of a new page. A blank indent is drawn as blanks of the current font.
// A document that is to fit on one page and is taller than the page is drawn
// smaller as a whole, just enough to fit.
//
// A text never runs into what follows at the next absolute position of its
// line: when its glyphs would reach that position (a 60-character
// description running into the T column), they are drawn condensed
// horizontally, with the font's stretch, so that they end at least 100
// twips before it (qt/condensed_text.h). It is neither wrapped nor cut, nor
// moved; a text that fits is drawn as it always was.
//
// No printer at all (no print system on the machine): the same letter is
// written as a PDF file (A4) in the working directory, named
// Tarvolin-Brief-<dd-mm-yyyy>.pdf with today's date, or -2, -3 ... added so
// that an older letter is never overwritten. endDoc then returns "" (the
// letter is not lost), lastPdfPath() names the file, and the PDF notice tells
// the user where it is: by default a QMessageBox (title "Tarvolin"); the
// window may route it through its own message box with setPdfNotice.
//
// A printer or file error makes endDoc return a German sentence saying what
// failed; nothing is shown by QtPrinter itself in that case (the letter code
// shows the sentence).

#include "output/printer.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

QT_BEGIN_NAMESPACE
class QIODevice;
class QPageLayout;
class QPainter;
class QPagedPaintDevice;
QT_END_NAMESPACE

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
    void printCentredLine(int centreTwips, std::string_view text) override;
    void fitOnOnePage() override { fitOnOnePage_ = true; }
    DocumentFate fate() const override { return fate_; }

    // The preview: what endDoc hands the recorded letter to before it goes
    // out. It returns what became of the letter (and a German sentence when
    // it could not go out), or nothing to let it go out at once as without
    // a preview.
    struct Shown {
        DocumentFate fate = DocumentFate::Delivered;
        std::string failure;
    };
    using Preview = std::function<std::optional<Shown>(const QtPrinter& letter)>;
    void setPreview(Preview preview) { preview_ = std::move(preview); }

    // The recorded letter as plain text in reading order, for those who
    // cannot see the page: a line of the letter is a line, a text at its
    // own position on the line follows a tab.
    QString readingText() const;

    // Draws the recorded letter at the device's resolution (dots per inch);
    // false when the device refused a page. The preview draws with it.
    bool paint(QPagedPaintDevice& device, int resolution) const;
    // The same with a painter already active on the device, from where its
    // current page stands at the top; the painter's state is kept. A run of
    // letters, one page each, draws each letter with it.
    bool paintOn(QPainter& painter, QPagedPaintDevice& device, int resolution) const;
    // Writes the recorded letter as a PDF (A4, the sheet of an office
    // printer) into an open device; false when that failed.
    bool writePdf(QIODevice& device) const;
    // The page of the PDF: A4 with margins of 1 cm.
    static QPageLayout pdfPageLayout();

    // The PDF file the last letter was written to because there was no
    // printer; empty when the last letter went to a printer or failed.
    QString lastPdfPath() const { return lastPdfPath_; }

    // The German sentence that tells where a letter written as PDF is.
    static QString pdfNoticeText(const QString& path);

    // Receives pdfNoticeText(path) after a letter was written as PDF. An
    // empty function shows nothing (the window then uses lastPdfPath itself).
    using PdfNotice = std::function<void(const QString& sentence)>;
    void setPdfNotice(PdfNotice notice) { pdfNotice_ = std::move(notice); }

    // Where the PDF fallback writes: the working directory unless set.
    void setPdfFolder(const QString& folder) { pdfFolder_ = folder; }
    // Writes the PDF even where a printer exists (tests, never the window).
    void setForcePdf(bool force) { forcePdf_ = force; }

private:
    struct Operation {
        enum class Kind { FontName, FontSize, Bold, X, Text, LineEnd, CentredLine } kind;
        QString text;
        int number = 0;
    };

    bool paintOperations(QPainter& painter, QPagedPaintDevice& device, int resolution) const;
    std::string printToDefaultPrinter();
    std::string printToPdf();
    // The height of the whole recorded letter on the device, in its pixels.
    double documentHeight(QPagedPaintDevice& device) const;
    // For each text, the next absolute position of its line in twips; -1
    // when none follows it.
    std::vector<int> nextPositions() const;

    std::vector<Operation> operations_;
    int copies_ = 1;
    QString lastPdfPath_;
    QString pdfFolder_;
    bool forcePdf_ = false;
    bool fitOnOnePage_ = false;
    DocumentFate fate_ = DocumentFate::Delivered;
    PdfNotice pdfNotice_;
    Preview preview_;
};

} // namespace tarvolin
