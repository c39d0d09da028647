// The four help buttons: each names a page by link code and page
// (help/links.h builds the address) and insinternet hands it to the shell.

#include "help/links.h"
#include "window/jda.h"

namespace tarvolin {

void JDA::insinternet()
{
    linkPrefix = helpBasePath(linkCode);
    linkPage = helpAddress(linkCode, linkPage);
    if (!platform().shell.open(linkPage))
        notice(platform().shell.failureText(linkPage), MessageKind::Failure);
    linkPage.clear();
    linkPrefix.clear();
}

// The manual page of the question the window answers.
void JDA::Hilfe_Click()
{
    linkCode = "111";
    linkPage = Opt(0).value ? "20" : "20279";
    insinternet();
}

// The agreement's text: § 23 (anniversary payments) or § 34 (notice).
void JDA::Hilfetexte_Click()
{
    linkCode = "132";
    linkPage = Opt(0).value ? "23-Besondere-Zahlungen" : "34-Kuendigung";
    insinternet();
}

// The program's information page.
void JDA::SSCommand1_Click()
{
    linkCode = "310";
    linkPage = "Tarvolin";
    insinternet();
}

// The manual page behind the caption "§ 622 BGB".
void JDA::SSCommand2_Click()
{
    linkCode = "111";
    linkPage = "20278";
    insinternet();
}

} // namespace tarvolin
