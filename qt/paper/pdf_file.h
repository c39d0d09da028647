#pragma once
// How the program writes a PDF: a QPdfWriter with the document's resolution,
// page and title, and Tarvolin as its creator, writing into a SafeFile
// (safe_device.h), so that the file appears under its name only when it is
// whole and a failure keeps what was there. The staff list, the year
// reports, the letters of a run, the letter and a print dialog's "print to
// file" all write their PDFs this way; each keeps its own way of naming the
// file and putting it in place.

#include "output/safe_file.h"

#include <QPageLayout>
#include <QString>

#include <functional>
#include <string>

QT_BEGIN_NAMESPACE
class QPagedPaintDevice;
class QPdfWriter;
class QPrinter;
QT_END_NAMESPACE

namespace tarvolin {

struct PdfDocument {
    int resolution; // dots per inch the pages are painted at
    QPageLayout page;
    QString title;
};

// Paints the pages into the file. False, and the file marked as failed,
// when the file was not open, `paint` gave false, nothing was written, or
// the device failed. The caller commits.
bool writePdfFile(SafeFile& file, const PdfDocument& document, const std::function<bool(QPdfWriter&)>& paint);

// A new PDF at `path` put in place when it is whole: empty text, or what
// failed, in German (cannotWrite and the reason). `givenUp`, asked once the
// pages are painted, says why the file is not to be kept after all (rows
// that could not be read back, a run stopped); its text is returned as it is.
std::string writePdfFile(const std::string& path, const PdfDocument& document,
                         const std::function<bool(QPdfWriter&)>& paint,
                         const std::function<std::string()>& givenUp = {});

// "Die Datei „x.pdf“ kann nicht geschrieben werden. ", as such a message begins.
std::string cannotWrite(const std::string& path);

// A print dialog's "print to file" (Qt's printer would write the file itself
// and say nothing when the disk is full): the document as the printer was
// set up (resolution, page, document name), written to its output file.
// `paint` draws the pages at the given resolution.
WriteResult printToPdfFile(const QPrinter& printer, const std::function<bool(QPagedPaintDevice&, int)>& paint);

} // namespace tarvolin
