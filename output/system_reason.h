#pragma once
// Why the system refused, in German: the one place where an errno becomes
// words for the user. The C library's own texts are English on these
// machines and never reach a message.

#include <string>

namespace tarvolin {

// "der Datenträger ist voll" for ENOSPC; "Systemfehler 123" for an errno
// without words of its own.
std::string systemReason(int error);

} // namespace tarvolin
