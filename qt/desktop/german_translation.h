#pragma once
// Qt's own texts (standard buttons, the calendar's tool tips, the line
// edits' context menu) in German, loaded from Qt's translation folder by
// name: the machines have no German locale to choose it for us.

#include <QtGlobal>

QT_BEGIN_NAMESPACE
class QCoreApplication;
QT_END_NAMESPACE

namespace tarvolin {

// False when the translation is not installed; the program then shows Qt's
// English texts where it does not set its own.
bool loadGermanTranslation(QCoreApplication& application);

} // namespace tarvolin
