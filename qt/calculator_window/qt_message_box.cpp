#include "qt/calculator_window/qt_message_box.h"

#include "qt/text/qt_text.h"

#include <QAbstractButton>
#include <QIcon>
#include <QMessageBox>

namespace tarvolin {

namespace {

QMessageBox::Icon iconOf(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Question:
        return QMessageBox::Question;
    case MessageKind::RejectedDate:
    case MessageKind::Failure:
        return QMessageBox::Warning;
    case MessageKind::Notice:
        break;
    }
    return QMessageBox::Information;
}

} // namespace

std::int16_t QtMessageBox::show(std::string_view text, std::string_view title, MessageButtons buttons,
                                MessageKind kind)
{
    QMessageBox box{parent_};
    box.setObjectName(messageBoxObjectName);
    box.setIcon(iconOf(kind));
    box.setWindowTitle(toQString(title));
    box.setText(toQString(text));
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    if (buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.button(QMessageBox::Yes)->setText(QStringLiteral("Ja"));
        box.button(QMessageBox::No)->setText(QStringLiteral("Nein"));
        box.setDefaultButton(QMessageBox::Yes);
        // The close box of the dialog answers No, the harmless answer.
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
        box.setDefaultButton(QMessageBox::Ok);
    }
    // Plain buttons: the style's little pictures on them add nothing here.
    for (QAbstractButton* b : box.buttons())
        b->setIcon(QIcon{});
    const int answer = box.exec();
    if (buttons == MessageButtons::Ok)
        return answerOk;
    return answer == QMessageBox::Yes ? answerYes : answerNo;
}

} // namespace tarvolin
