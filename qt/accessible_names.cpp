#include "qt/accessible_names.h"

#include <array>

namespace tarvolin {

namespace {

QString row(const char* what, int k) { return QString::fromUtf8(what) + QStringLiteral(" Zeitraum ") + QString::number(k); }

QString dateName(int i)
{
    if (i >= 2 && i <= 29)
        return QStringLiteral("Zeitraum %1 %2").arg(i / 2).arg(i % 2 == 0 ? QStringLiteral("von") : QStringLiteral("bis"));
    switch (i) {
    case 0: return QStringLiteral("Geburtstag");
    case 1: return QStringLiteral("Tag, ab dem Dienstbezüge zustehen");
    case 30: return QStringLiteral("Beschäftigungszeit Beginn");
    case 31: return QStringLiteral("Stichtag (benötigt bis)");
    case 32: return QStringLiteral("Jubiläumsdienstalter Beginn");
    case 33: return QStringLiteral("25-jähriges Dienstjubiläum");
    case 34: return QStringLiteral("40-jähriges Dienstjubiläum");
    case 35: return QStringLiteral("50-jähriges Dienstjubiläum");
    case 36: return QStringLiteral("Letzter Tag für die Kündigung");
    case 37: return QStringLiteral("Kündigung zum Quartalsende");
    case 38: return QStringLiteral("Erreichen der Altersgrenze");
    default: return {};
    }
}

// Tage, Monat, Jahr of a row, of the employment (15), the sum (16) and the total (17).
QString periodName(std::string_view column, int r)
{
    const QString unit = column == "Tage" ? QStringLiteral("Tage") : column == "Monat" ? QStringLiteral("Monate")
                                                                                        : QStringLiteral("Jahre");
    if (r <= 14)
        return unit + QStringLiteral(" Zeitraum ") + QString::number(r);
    if (r == 15)
        return unit + QStringLiteral(" Beschäftigungszeit");
    if (r == 16)
        return unit + QStringLiteral(" Summe der anrechenbaren Vorzeiten");
    return unit + QStringLiteral(" Beschäftigungszeiten insgesamt");
}

struct SingleName {
    std::string_view control;
    const char* name;
};

constexpr std::array singleNames{
    SingleName{"Hilfetexte", "Texte"},
    SingleName{"SSCommand2", "§ 622 BGB"},
    SingleName{"Hilfe", "Hilfe"},
    SingleName{"Drucken", "Drucken"},
    SingleName{"SSCommand1", "Info"},
    SingleName{"Schließen", "Schließen"},
    SingleName{"jünger", "Ruhestand ein Jahr früher"},
    SingleName{"Altern", "Ruhestand ein Jahr später"},
    SingleName{"weniger", "Ruhestand einen Monat früher"},
    SingleName{"mehr", "Ruhestand einen Monat später"},
    SingleName{"Alter", "Ruhestand nach Jahren"},
    SingleName{"month", "Ruhestand nach Monaten"},
    SingleName{"Label9", "Beschäftigungszeit vom"},
    SingleName{"Label14", "Beschäftigungszeit bis"},
    SingleName{"Termin", "Spätestens zu kündigen am"},
    SingleName{"Ziel", "Kündigung zum"},
    SingleName{"Aufkleber", "Beschäftigungszeit und Kündigungsfristen"},
};

} // namespace

QString accessibleName(const ControlDesign& design)
{
    const int i = design.index;
    if (design.name == "Datum")
        return dateName(i);
    if (design.name == "Eingabe")
        return row("Beschreibung", i);
    if (design.name == "box")
        return row("Öffentlicher Dienst", i);
    if (design.name == "Zähler")
        return row("Freie Zeichen", i);
    if (design.name == "ab")
        return QStringLiteral("Zeitraum %1 nach unten").arg(i);
    if (design.name == "auf")
        return QStringLiteral("Zeitraum %1 nach oben").arg(i);
    if (design.name == "Tage" || design.name == "Monat" || design.name == "Jahr")
        return periodName(design.name, i);
    if (design.name == "Opt")
        return i == 0 ? QStringLiteral("Berechnen bis zum Eintritt in den Ruhestand")
                      : QStringLiteral("Berechnen bis zum Stichtag (benötigt bis)");
    if (design.name == "Kündigung")
        return QStringLiteral("Kündigungsfrist Stufe %1").arg(i);
    for (const SingleName& s : singleNames)
        if (s.control == design.name)
            return QString::fromUtf8(s.name);
    return {};
}

} // namespace tarvolin
