#include "qt/desktop/desktop_shell.h"

#include "qt/text/qt_text.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <utility>

namespace tarvolin {

namespace {

// xdg-open ends within moments when it finds no way to open the page. A
// failure after this long comes from a browser it ran and that has ended
// since (xdg-open then tries the next one), not from a missing browser.
constexpr qint64 openerGivesUpWithinMs = 10000;

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
    const QString relative = toQString(page);
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
        return QUrl{toQString(address)};
    const QString file = localPage(page);
    return QFileInfo{file}.isFile() ? QUrl::fromLocalFile(file) : QUrl{};
}

bool DesktopShell::open(std::string_view address)
{
    const QUrl url = target(address);
    if (!url.isValid())
        return false;
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (lateFailure_ && !opener.isEmpty())
        return openWatched(opener, url, failureText(address));
    return QDesktopServices::openUrl(url);
}

bool DesktopShell::openWatched(const QString& opener, const QUrl& url, std::string failure)
{
    // The process may outlive the window (a browser run in the foreground);
    // it is left to end by itself and deletes itself then.
    auto* process = new QProcess;
    process->setProgram(opener);
    process->setArguments({url.toString(QUrl::FullyEncoded)});
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer started;
    started.start();
    QObject::connect(process, &QProcess::finished, process,
                     [process, started, failure = std::move(failure), report = lateFailure_](
                         int exitCode, QProcess::ExitStatus status) {
                         process->deleteLater();
                         const bool soon = started.elapsed() < openerGivesUpWithinMs;
                         if (soon && (status != QProcess::NormalExit || exitCode != 0))
                             report(failure);
                     });
    process->start();
    if (process->waitForStarted())
        return true;
    delete process;
    return false;
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
