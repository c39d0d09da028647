#pragma once
// The letters of a selection on paper: each letter as the calculator's
// printer lays it out (QtPrinter), one page each, drawn smaller where it
// would need a second page; after them a page that lists the rows left out
// with their reasons. The letterhead is the office's, from the letter
// settings. Needs no display.

#include "output/letter_run.h"

#include <QtGlobal>

#include <string>

QT_BEGIN_NAMESPACE
class QPagedPaintDevice;
QT_END_NAMESPACE

namespace tarvolin {

// Writes the letters, with the run's letterhead, into one PDF file through
// the safe writer: empty text, or what failed, in German. A run without a
// letter, or stopped before its end, writes no file.
std::string writeLettersPdf(LetterRun& run, const std::string& path);
// The same with the office's letterhead from the letter settings (the
// command line).
std::string writeOfficeLettersPdf(LetterRun& run, const std::string& path);

// The same pages on any paged device (a printer); `failure` says what went
// wrong when it returns false.
bool paintLetters(LetterRun& run, QPagedPaintDevice& device, int resolution, std::string& failure);

} // namespace tarvolin
