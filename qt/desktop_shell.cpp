#include "qt/desktop_shell.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace tarvolin {

bool DesktopShell::open(std::string_view address)
{
    const QUrl url{QString::fromUtf8(address.data(), static_cast<qsizetype>(address.size()))};
    return url.isValid() && QDesktopServices::openUrl(url);
}

} // namespace tarvolin
