#include "output/system_reason.h"

#include <cerrno>

namespace tarvolin {

std::string systemReason(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
        return "keine Berechtigung";
    case EROFS:
        return "der Datenträger ist schreibgeschützt";
    case ENOSPC:
        return "der Datenträger ist voll";
    case EDQUOT:
        return "der zugeteilte Speicherplatz ist erschöpft";
    case EFBIG:
        return "die Datei wäre größer als erlaubt";
    case ENOENT:
        return "die Datei oder ihr Ordner ist nicht vorhanden";
    case ENOTDIR:
        return "ein Teil des Pfades ist kein Ordner";
    case EISDIR:
        return "an dieser Stelle steht ein Ordner";
    case EEXIST:
        return "eine Datei dieses Namens ist schon vorhanden";
    case EBUSY:
    case ETXTBSY:
        return "die Datei ist belegt";
    case ENAMETOOLONG:
        return "der Name ist zu lang";
    case EMFILE:
    case ENFILE:
        return "es sind zu viele Dateien geöffnet";
    case EIO:
        return "Ein-/Ausgabefehler des Datenträgers";
    case ELOOP:
        return "an dieser Stelle steht eine symbolische Verknüpfung";
    case EXDEV:
        return "die Datei liegt auf einem anderen Datenträger";
    case ENOMEM:
        return "der Arbeitsspeicher reicht nicht";
    case EINVAL:
        return "der Datenträger kann das nicht";
    case ENXIO:
    case ENODEV:
        return "an dieser Stelle steht keine gewöhnliche Datei";
    case EWOULDBLOCK:
        return "die Datei wird gerade von einem anderen Programm benutzt";
    case EINTR:
        return "der Vorgang wurde unterbrochen";
    case ESTALE:
        return "die Datei ist auf dem Netzlaufwerk nicht mehr vorhanden";
    case ETIMEDOUT:
        return "das Netzlaufwerk antwortet nicht";
    default:
        return "Systemfehler " + std::to_string(error);
    }
}

} // namespace tarvolin
