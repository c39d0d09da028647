#pragma once
// Qt's fonts need an application. A PDF written by the command line has
// none running and never needs a screen: then one is made on Qt's offscreen
// platform (unless a platform was chosen explicitly) for the time of the
// writing.

#include <QGuiApplication>

#include <memory>

namespace tarvolin {

// Nothing when an application is already running.
std::unique_ptr<QGuiApplication> applicationIfNone();

} // namespace tarvolin
