#pragma once
// Qt's writers (QPdfWriter, a QIODevice of any kind) writing into a SafeFile:
// the file's open descriptor wrapped as a QFile for the time of the writing.

#include "output/safe_file.h"

#include <QtGlobal>

#include <functional>

QT_BEGIN_NAMESPACE
class QIODevice;
class QPagedPaintDevice;
class QPrinter;
QT_END_NAMESPACE

namespace tarvolin {

// Runs `write` on a device that writes into the file, then flushes it. False,
// and the file marked as failed, when the file was not open, `write` gave
// false, or the device reported an error. The caller commits.
bool writeThroughDevice(SafeFile& file, const std::function<bool(QIODevice&)>& write);

// A print to a PDF file (the print dialog's "In PDF-Datei drucken"): Qt's
// printer would write the file itself and say nothing when the disk is full.
// Here a PDF writer with the printer's page layout and resolution paints into
// a SafeFile at the printer's output file name, so that a failed print keeps
// the old file and is told. `paint` draws the pages at the given resolution.
WriteResult printToPdfFile(const QPrinter& printer, const std::function<bool(QPagedPaintDevice&, int)>& paint);

} // namespace tarvolin
