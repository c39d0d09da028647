#include "qt/desktop/desktop_platform.h"

#include "qt/calculator_window/main_window.h"

#include <string_view>

namespace tarvolin {

void DesktopPlatform::attach(MainWindow& window)
{
    letter.attach(window, printer);
    const auto notice = [&window](const QString& sentence) {
        const QByteArray text = sentence.toUtf8();
        window.jda().notice(std::string_view{text.constData(), static_cast<std::size_t>(text.size())});
    };
    printer.setPdfNotice(notice);
    letter.setWrittenNotice(notice);
    shell.setLateFailure([&window](const std::string& text) { window.jda().notice(text, MessageKind::Failure); });
}

} // namespace tarvolin
