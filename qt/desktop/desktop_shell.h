#pragma once
// DesktopShell: hands an address to the desktop (QDesktopServices), which
// opens it in the user's browser. The help site's own pages are not on the
// web: an address of the help site opens the program's copy of the page as
// a file: address, found in the first of the site folders that holds it.
// Addresses of the law-text site go to the web unchanged.
//
// xdg-open starts at once even where it then finds no browser (status 3,
// "no method available"), so the desktop's word that the address was handed
// over says little. Given someone to tell (setLateFailure), the shell runs
// xdg-open itself and reports a failure that comes back from it soon after.

#include "help/shell.h"

#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <string>
#include <string_view>

namespace tarvolin {

class DesktopShell final : public Shell {
public:
    // The program's copy of the site: the installed one beside the program
    // (<prefix>/share/tarvolin/site for <prefix>/bin/tarvolin), then the
    // source tree's site/ for a program run from its build folder.
    DesktopShell();
    // The site copy in these folders, tried in order.
    explicit DesktopShell(QStringList siteFolders);

    // False when the help page is missing or no browser could be started.
    bool open(std::string_view address) override;
    // Receives failureText(address) when xdg-open gives up after open has
    // returned; the window shows it in a message box.
    using LateFailure = std::function<void(const std::string& text)>;
    void setLateFailure(LateFailure report) { lateFailure_ = std::move(report); }
    // Names the address and, for a help page, the local file.
    std::string failureText(std::string_view address) const override;

    // Where an address leads: the local file of a help page (an empty path
    // when no site folder holds it), else the address itself.
    QUrl target(std::string_view address) const;

private:
    // The file of a help page: in the first folder that holds it, else
    // where the first existing folder (or the first folder) would hold it.
    QString localPage(const std::string& page) const;
    // xdg-open, watched for a failure within its first seconds.
    bool openWatched(const QString& opener, const QUrl& url, std::string failure);

    QStringList siteFolders_;
    LateFailure lateFailure_;
};

} // namespace tarvolin
