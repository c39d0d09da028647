#pragma once
// Opens the window and runs until it is unloaded; returns the exit status.
// beforeStart, when given, sees the window after it has been made and before
// it is shown and starts (the start-up benchmark installs its quit there).

#include <QtGlobal>

#include <functional>

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

namespace tarvolin {

int runWindow(int argc, char** argv, const std::function<void(QWidget& window)>& beforeStart = {});

} // namespace tarvolin
