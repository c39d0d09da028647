#include "qt/desktop_shell.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

#include <utility>

namespace tarvolin {

namespace {

QString fromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

std::string toUtf8(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    return std::string{bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

QStringList defaultSiteFolders()
{
    QStringList folders{QDir::cleanPath(QCoreApplication::applicationDirPath()
                                        + QStringLiteral("/../share/tarvolin/site"))};
#ifdef TARVOLIN_SOURCE_SITE
    folders << QStringLiteral(TARVOLIN_SOURCE_SITE);
#endif
    return folders;
}

} // namespace

DesktopShell::DesktopShell() : DesktopShell{defaultSiteFolders()} {}

DesktopShell::DesktopShell(QStringList siteFolders) : siteFolders_{std::move(siteFolders)} {}

QString DesktopShell::localPage(const std::string& page) const
{
    const QString relative = fromUtf8(page);
    for (const QString& folder : siteFolders_)
        if (QFileInfo{folder + QLatin1Char('/') + relative}.isFile())
            return QDir::cleanPath(folder + QLatin1Char('/') + relative);
    QString folder = siteFolders_.isEmpty() ? QString{} : siteFolders_.front();
    for (const QString& f : siteFolders_)
        if (QFileInfo{f}.isDir()) {
            folder = f;
            break;
        }
    return QDir::cleanPath(folder + QLatin1Char('/') + relative);
}

QUrl DesktopShell::target(std::string_view address) const
{
    const std::string page = helpSitePage(address);
    if (page.empty())
        return QUrl{fromUtf8(address)};
    const QString file = localPage(page);
    return QFileInfo{file}.isFile() ? QUrl::fromLocalFile(file) : QUrl{};
}

bool DesktopShell::open(std::string_view address)
{
    const QUrl url = target(address);
    return url.isValid() && QDesktopServices::openUrl(url);
}

std::string DesktopShell::failureText(std::string_view address) const
{
    const std::string page = helpSitePage(address);
    if (page.empty())
        return browserFailureText(address);
    const QString local = localPage(page);
    const std::string file = toUtf8(QDir::toNativeSeparators(local));
    if (!QFileInfo{local}.isFile())
        return "Die Hilfeseite " + std::string{address} + " liegt diesem Programm nicht bei: die Datei " + file
               + " fehlt.";
    return "Der Browser konnte nicht gestartet werden, um die Hilfeseite " + file + " (Adresse "
           + std::string{address} + ") zu öffnen.";
}

} // namespace tarvolin
