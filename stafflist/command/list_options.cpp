#include "stafflist/command/list_options.h"

#include "calc/german_quotes.h"
#include "stafflist/computation/input_columns.h"
#include "stafflist/tables/table_date.h"

#include <array>
#include <utility>
#include <vector>

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

// What a column's cell may hold, where the help says more than its name.
constexpr std::array<std::pair<std::size_t, std::string_view>, 3> cellHints{{
    {inputColumn("Ruhestandsalter"), "66/2 oder 66"},
    {inputColumn("Geschlecht"), "m/w/d"},
    {inputColumn("Vorzeit # öD"), "x, ja, j, 1 oder leer; nein, n, 0, -"},
}};

// A name or spelling as the help writes it: "#" of a period's column as "k".
std::string numbered(std::string_view text)
{
    std::string out{text};
    if (const auto hash = out.find('#'); hash != std::string::npos)
        out.replace(hash, 1, "k");
    return out;
}

// "Geburtstag (auch Geburtsdatum, geb. am, Geb.-Datum, geboren am)".
std::string columnHelp(std::size_t column)
{
    const InputColumn& c = inputColumns[column];
    std::vector<std::string> more;
    for (const auto& [hinted, hint] : cellHints)
        if (hinted == column)
            more.emplace_back(hint);
    std::string spellings;
    for (std::string_view rest = c.spellings; !rest.empty();) {
        const auto bar = rest.find('|');
        spellings += (spellings.empty() ? "auch " : ", ") + numbered(rest.substr(0, bar));
        rest = bar == std::string_view::npos ? std::string_view{} : rest.substr(bar + 1);
    }
    if (!spellings.empty())
        more.push_back(spellings);
    std::string text = numbered(c.name);
    for (std::size_t i = 0; i < more.size(); ++i)
        text += (i == 0 ? " (" : "; ") + more[i] + (i + 1 == more.size() ? ")" : "");
    return text;
}

// The input columns of the table (input_columns.h) by their role, in the
// table's order, as lines of the help: indented by six, broken between words
// before the hundredth character.
std::string inputColumnsHelp()
{
    struct Group {
        std::string_view heading;
        bool (*holds)(const InputColumn&);
    };
    const Group groups[] = {
        {"Pflicht:", [](const InputColumn& c) { return c.role == ColumnRole::Required; }},
        {"Wenn vorhanden:",
         [](const InputColumn& c) { return c.role == ColumnRole::Copied || c.role == ColumnRole::Optional; }},
        {"Je Vorzeit k = 1 bis 14:", [](const InputColumn& c) { return perPeriod(c); }},
    };
    std::string lines;
    for (const Group& g : groups) {
        std::string line = "      " + std::string{g.heading};
        std::string entries;
        for (std::size_t c = 0; c < inputColumns.size(); ++c)
            if (g.holds(inputColumns[c]))
                entries += (entries.empty() ? " " : ", ") + columnHelp(c);
        entries += ".";
        for (std::size_t at = 0; at < entries.size();) {
            const std::size_t blank = entries.find(' ', at + 1);
            const std::size_t end = blank == std::string::npos ? entries.size() : blank;
            const std::string_view word = std::string_view{entries}.substr(at, end - at);
            if (line.size() + word.size() >= 100) {
                lines += line + "\n";
                line = "        " + std::string{word.substr(1)};
            } else {
                line += word;
            }
            at = end;
        }
        lines += line + "\n";
    }
    return lines;
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
           + inputColumnsHelp() +
           "      Anrede oder Geschlecht, Straße, Hausnummer, PLZ und Ort sind die Anschrift der Briefe.\n"
           "      Alle übrigen Spalten (Abteilung, E-Mail, …) stehen in der Ergebnistabelle nach dem\n"
           "      Vornamen. Datumsangaben als Datumszellen oder als TT.MM.JJJJ, T.M.JJJJ, TT/MM/JJJJ oder\n"
           "      JJJJ-MM-TT; ein zweistelliges Jahr (1.9.82) nur, wenn genau ein Jahrhundert in 1930 bis 2040\n"
           "      passt (mit Hinweis).\n"
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
