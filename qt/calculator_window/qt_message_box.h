#pragma once
// QtMessageBox: the program's message boxes as modal QMessageBox dialogs over
// the window, with the standard picture of their kind: a question mark for a
// question, a warning sign for a refused date or a failure, an information
// sign for a notice. Yes/No questions have Yes as the default
// button, so that Enter answers Yes. The buttons read "Ja", "Nein" and "OK"
// whether or not the German Qt translation could be loaded.

#include "window/message_box.h"

#include <QString>

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

namespace tarvolin {

class QtMessageBox final : public MessageBox {
public:
    explicit QtMessageBox(QWidget* parent) : parent_{parent} {}

    std::int16_t show(std::string_view text, std::string_view title, MessageButtons buttons,
                      MessageKind kind) override;

private:
    QWidget* parent_;
};

// The object name the dialog carries, so that tests can tell it from others.
inline const QString messageBoxObjectName = QStringLiteral("tarvolinMessageBox");

} // namespace tarvolin
