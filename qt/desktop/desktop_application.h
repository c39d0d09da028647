#pragma once
// The Qt application of both windows (the calculator and the staff list):
// the program's name, its style and Qt's own texts in German. Without a
// screen (no DISPLAY, an X server that cannot be reached) Qt would abort with
// an English explanation; instead one German line goes to standard error and
// the process ends with exit status 1.

#include <QApplication>

#include <memory>

namespace tarvolin {

// argc must outlive the application (Qt keeps a reference to it).
std::unique_ptr<QApplication> startDesktopApplication(int& argc, char** argv);

} // namespace tarvolin
