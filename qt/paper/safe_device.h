#pragma once
// Qt's writers (QPdfWriter, a QIODevice of any kind) writing into a SafeFile:
// the file's open descriptor wrapped as a QFile for the time of the writing.
// A PDF is written this way by writePdfFile (pdf_file.h).

#include "output/safe_file.h"

#include <QtGlobal>

#include <functional>

QT_BEGIN_NAMESPACE
class QIODevice;
QT_END_NAMESPACE

namespace tarvolin {

// Runs `write` on a device that writes into the file, then flushes it. False,
// and the file marked as failed, when the file was not open, `write` gave
// false, or the device reported an error. The caller commits.
bool writeThroughDevice(SafeFile& file, const std::function<bool(QIODevice&)>& write);

} // namespace tarvolin
