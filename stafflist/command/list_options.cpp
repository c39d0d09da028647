#include "stafflist/command/list_options.h"

#include "calc/german_quotes.h"
#include "stafflist/tables/table_date.h"

#include <cctype>

namespace tarvolin {

namespace {

std::optional<int> yearOf(std::string_view text)
{
    if (text.size() != 4 || text.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    return std::stoi(std::string{text});
}

bool endsWithCaseless(std::string_view text, std::string_view end)
{
    if (text.size() < end.size())
        return false;
    for (std::size_t i = 0; i < end.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[text.size() - end.size() + i])) != end[i])
            return false;
    return true;
}

// What the options ask for together, when it cannot be done.
std::string combinationError(const ListOptions& o)
{
    if (o.ics && !o.report)
        return "eine Kalenderdatei (.ics) gibt es nur für die Berichte --anniversaries und --retirements";
    if (!o.with.empty() && (!o.report || o.letters))
        return "--with gilt für die Berichte --anniversaries und --retirements; die Liste führt jede Spalte ohnehin mit";
    if (o.letters && !o.pdf)
        return "--letters schreibt eine PDF-Datei: bitte --output NAME.pdf angeben";
    if (!o.letters && !o.jdaLetters)
        return "--letter gilt nur zusammen mit --letters";
    return {};
}

} // namespace

ListOptions parseListOptions(const std::vector<std::string>& args, std::string& error)
{
    ListOptions o;
    bool haveInput = false;
    for (std::size_t i = 1; i < args.size() && error.empty(); ++i) {
        std::string name = args[i];
        std::optional<std::string> value;
        if (const auto eq = name.find('='); name.starts_with("--") && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name.resize(eq);
        }
        const bool takesValue = name == "--reference-date" || name == "--today" || name == "--anniversaries"
                                || name == "--retirements" || name == "--output" || name == "--sheet"
                                || name == "--columns" || name == "--with" || name == "--letter";
        if (name == "--letters" && !value) {
            o.letters = true;
            continue;
        }
        if (!takesValue) {
            if (name.starts_with("--") || haveInput) {
                error = haveInput && !name.starts_with("--") ? "mehr als eine Eingabedatei: " + inQuotes(name)
                                                              : "unbekannte Option " + inQuotes(name);
                break;
            }
            o.input = name;
            haveInput = true;
            continue;
        }
        if (!value) {
            if (i + 1 >= args.size()) {
                error = "bei " + name + " fehlt der Wert";
                break;
            }
            value = args[++i];
        }
        if (name == "--reference-date" || name == "--today") {
            const auto day = parseTableDate(*value);
            if (!day)
                error = name + " " + inQuotes(*value) + " ist kein Datum (TT.MM.JJJJ)";
            (name == "--today" ? o.today : o.referenceDate) = day;
        } else if (name == "--anniversaries" || name == "--retirements") {
            const auto year = yearOf(*value);
            if (o.report)
                error = "--anniversaries und --retirements schließen einander aus; nur ein Bericht je Aufruf";
            else if (!year)
                error = name + " " + inQuotes(*value) + " ist keine Jahreszahl (JJJJ)";
            else if (*year < firstReportYear || *year > lastReportYear)
                error = name + " " + *value + " liegt nicht zwischen " + std::to_string(firstReportYear) + " und "
                        + std::to_string(lastReportYear);
            o.report = name == "--anniversaries" ? ReportKind::Anniversaries : ReportKind::Retirements;
            o.year = year.value_or(0);
        } else if (name == "--letter") {
            o.jdaLetters = *value == "jda";
            if (!o.jdaLetters && *value != "beschaeftigungszeit" && *value != "beschäftigungszeit")
                error = "--letter " + inQuotes(*value) + ": jda oder beschaeftigungszeit";
        } else if (name == "--sheet") {
            o.sheet = *value;
        } else if (name == "--columns") {
            o.columns = *value;
        } else if (name == "--with") {
            o.with.push_back(*value);
        } else {
            o.output = *value;
            o.pdf = endsWithCaseless(o.output, ".pdf");
            o.xlsx = endsWithCaseless(o.output, ".xlsx");
            o.ics = endsWithCaseless(o.output, ".ics");
            if (!o.pdf && !o.xlsx && !o.ics && !endsWithCaseless(o.output, ".csv"))
                error = "--output " + inQuotes(o.output) + ": der Name muss auf .csv, .xlsx, .pdf oder .ics enden";
        }
    }
    if (error.empty() && !haveInput)
        error = "die Eingabedatei fehlt";
    if (error.empty())
        error = combinationError(o);
    return o;
}

std::string programHelp()
{
    return "Tarvolin: Jubiläumsdienstalter, Beschäftigungszeit und Kündigungsfristen\n"
           "\n"
           "  tarvolin\n"
           "      öffnet das Fenster. Der Fall wird beim Schließen in jda.txt im Arbeitsordner gespeichert\n"
           "      und beim nächsten Start wiederhergestellt.\n"
           "\n"
           "  tarvolin --script DATEI\n"
           "      führt das Fenster ohne Bildschirm nach einem Skript aus (DATEI \"-\": Standardeingabe)\n"
           "      und schreibt, was das Fenster zeigt, auf die Standardausgabe. Exit-Status 0, oder 2 bei\n"
           "      einer unverständlichen Zeile.\n"
           "\n"
           "  tarvolin --list DATEI [Optionen]\n"
           "      berechnet jede Zeile einer Personaltabelle genau so, wie das Fenster sie berechnet, wenn man\n"
           "      den Fall dort eintippt. Die Tabelle: eine Excel-Arbeitsmappe (.xlsx), eine LibreOffice-Tabelle\n"
           "      (.ods; jeweils das erste Blatt) oder CSV mit Kopfzeile (Trennzeichen ; , oder Tabulator;\n"
           "      UTF-8 oder Windows-1252). jda.txt wird weder gelesen noch geschrieben. DATEI \"-\": Standardeingabe.\n"
           "      Spalten (Reihenfolge beliebig, Groß-/Kleinschreibung, Leerzeichen und Punkte egal):\n"
           "      Personalnummer (auch Pers.-Nr., Mitarbeiternummer), Name (Nachname), Vorname,\n"
           "      Geburtstag (Geburtsdatum, geb. am) und Dienstbezüge ab (Eintritt, Eintrittsdatum, Beginn,\n"
           "      Einstellungsdatum) als Pflicht, Stichtag, Ruhestandsalter (66/2 oder 66), Vorzeit k von,\n"
           "      Vorzeit k bis, Vorzeit k öD, Vorzeit k Bezeichnung (k = 1 bis 14); für Briefe Anrede oder\n"
           "      Geschlecht (m/w/d), Straße, Hausnummer, PLZ, Ort. Alle übrigen Spalten (Abteilung, E-Mail, …)\n"
           "      stehen in der Ergebnistabelle nach dem Vornamen. Datumsangaben als Datumszellen oder als\n"
           "      TT.MM.JJJJ, T.M.JJJJ, TT/MM/JJJJ oder JJJJ-MM-TT; ein zweistelliges Jahr (1.9.82) nur,\n"
           "      wenn genau ein Jahrhundert in 1930 bis 2040 passt (mit Hinweis).\n"
           "\n"
           "      --reference-date TT.MM.JJJJ   Stichtag für Zeilen ohne eigenen (sonst: heute): der Tag,\n"
           "                                    bis zu dem die Beschäftigungszeit benötigt wird; die\n"
           "                                    Kündigungstermine gelten für das Monats- oder Quartalsende,\n"
           "                                    in dem er liegt\n"
           "      --today TT.MM.JJJJ            das Tagesdatum, mit dem gerechnet wird (sonst das echte)\n"
           "      --anniversaries JJJJ          statt der Liste: die im Jahr erreichten 25-, 40- und\n"
           "                                    50-jährigen Dienstjubiläen, nach Datum\n"
           "      --retirements JJJJ            statt der Liste: wer im Jahr die Altersgrenze erreicht\n"
           "      --with SPALTE                 der Bericht zeigt diese Spalte der Tabelle mit (etwa Abteilung)\n"
           "      --sheet BLATT                 dieses Tabellenblatt statt des ersten\n"
           "      --columns ZUORDNUNG           eine Datei mit Zeilen wie „Geburtstag = Geb.-Datum“: welche\n"
           "                                    Spalte der Tabelle welche Angabe ist („= nicht vorhanden“,\n"
           "                                    wenn es sie nicht gibt)\n"
           "      --output NAME.csv|NAME.xlsx|NAME.pdf\n"
           "                                    in eine Datei (Excel mit Datumszellen, Filter und fester\n"
           "                                    Kopfzeile; PDF: die Liste A4 quer, ein Bericht A4 hoch nach\n"
           "                                    Monaten mit Summen); sonst CSV auf die Standardausgabe.\n"
           "                                    Texte, die mit = + - @ beginnen, stehen in CSV mit\n"
           "                                    vorangestelltem ' (nie als Formel).\n"
           "      --output NAME.ics             ein Bericht als Kalenderdatei: ein ganztägiger Termin je Datum\n"
           "                                    (Thunderbird, Outlook, Evolution; erneuter Import ersetzt)\n"
           "      --letters                     statt der Liste: für jede Zeile (mit --anniversaries oder\n"
           "                                    --retirements: jede des Berichts) der Brief, den ihr Fall im\n"
           "                                    Rechner druckt, mit Briefkopf und Anschrift der Zeile, eine\n"
           "                                    Seite je Brief, als PDF (--output NAME.pdf); nicht berechnete\n"
           "                                    Zeilen auf der letzten Seite\n"
           "      --letter jda|beschaeftigungszeit  welcher Brief (Vorgabe: jda)\n"
           "      Berichtsjahre: 1930 bis 2060.\n"
           "\n"
           "      Hinweise nennt auch „Kündigungstermin verstrichen (spätestens am …)“, wenn der letzte\n"
           "      Tag für die Kündigung vor dem Tagesdatum liegt, und „Altersgrenze bereits erreicht am …“,\n"
           "      wenn die Altersgrenze am Stichtag oder davor liegt; die Werte bleiben, wie das Fenster sie zeigt.\n"
           "\n"
           "      Exit-Status: 0 alle Zeilen berechnet; 1 einige Zeilen nicht berechenbar (sie stehen mit\n"
           "      dem Grund in der Spalte Hinweise, bei Berichten auf der Standardfehlerausgabe); 2 Aufruf\n"
           "      falsch, Datei nicht lesbar oder ohne brauchbare Kopfzeile (nichts wird geschrieben).\n"
           "\n"
           "  tarvolin --list-window [DATEI]\n"
           "      öffnet die Personalliste als Fenster (Desktop-Eintrag „Tarvolin Personalliste“), mit der\n"
           "      Personaltabelle DATEI, wenn angegeben. Dieselbe Berechnung wie --list, im Hintergrund mit\n"
           "      Fortschrittsanzeige; Filter Alle, Dienstjubiläen und Altersgrenze eines Jahres, Zeilen mit\n"
           "      Hinweisen, Suche; speichert als CSV oder PDF und druckt genau das, was --list für dieselbe\n"
           "      Auswahl schreibt. Doppelklick oder Eingabetaste öffnet den Fall im Rechner; der arbeitet in\n"
           "      einem eigenen Ordner (~/.local/share/Tarvolin/Personalliste), jda.txt im Arbeitsordner\n"
           "      bleibt unberührt.\n"
           "\n"
           "  tarvolin --help\n"
           "      zeigt diese Hilfe.\n";
}
} // namespace tarvolin
