#pragma once
// QtPrinter: the letter's printer on the desktop. While the letter is printed
// it only records the operations; endDoc hands them to the preview, when one
// is set and wants them, and otherwise sends them as one job to the system's
// default printer, without a dialog, in as many copies as setCopies asked for.
// Wherever it goes, the letter is laid out for that device's fonts and page
// (output/document_layout.h: lines, pages, condensed texts, centred lines, one
// page) and painted as laid out (layout_painter.h).
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

#include "output/recorded_document.h"
#include "output/safe_file.h"

#include <QString>

#include <functional>
#include <optional>
#include <string>

QT_BEGIN_NAMESPACE
class QPageLayout;
class QPagedPaintDevice;
QT_END_NAMESPACE

namespace tarvolin {

class QtPrinter final : public DocumentRecorder {
public:
    QtPrinter();
    ~QtPrinter() override;

    std::string endDoc() override;
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

    // Lays out the recorded letter for the device at its resolution (dots
    // per inch) and draws it; false when the device refused a page. The
    // preview draws with it.
    bool paint(QPagedPaintDevice& device, int resolution) const;
    // Writes the recorded letter as a PDF (A4, the sheet of an office
    // printer, at a printer's resolution) into the file; false, and the file
    // marked as failed, when that failed. The caller commits.
    bool writePdf(SafeFile& file) const;
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
    std::string printToDefaultPrinter();
    std::string printToPdf();

    QString lastPdfPath_;
    QString pdfFolder_;
    bool forcePdf_ = false;
    DocumentFate fate_ = DocumentFate::Delivered;
    PdfNotice pdfNotice_;
    Preview preview_;
};

} // namespace tarvolin
