#pragma once
// What the benchmarks share: a window object on quiet platform fakes (nothing
// is recorded, so a loop of a million runs does not grow), a realistic full
// case (birthday, pay start, fourteen ticked prior periods with descriptions),
// and a private working folder for the entries file.

#include "calc/date.h"
#include "window/jda.h"
#include "window/quiet_platform.h"
#include "window/save_case.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <stdlib.h> // mkdtemp
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace tarvolin::bench {

// Counts what would have been shown; answers Yes / OK.
class QuietMessages final : public MessageBox {
public:
    int shown = 0;
    std::string last;
    std::int16_t show(std::string_view text, std::string_view, MessageButtons buttons, MessageKind) override
    {
        ++shown;
        last = text;
        return buttons == MessageButtons::Ok ? answerOk : answerYes;
    }
};

class FixedDay final : public Clock {
public:
    Date today() override { return *Date::fromYmd(2008, 5, 15); }
};

struct QuietWindow {
    QuietMessages messages;
    FixedDay clock;
    NoPrinter printer;
    NoShell shell;
    NoHost host;
    JDA jda{Platform{messages, clock, printer, shell, host}};
};

struct PriorPeriod {
    std::string_view from;
    std::string_view to;
    std::string_view description;
};

inline constexpr std::string_view birthday = "10/03/1955";
inline constexpr std::string_view payStart = "01/04/1990";

// Fourteen periods between the 16th birthday and the pay start, none inside
// another: about 17 years of prior service.
inline constexpr std::array<PriorPeriod, 14> priorPeriods{{
    {"01/09/1971", "31/08/1973", "Ausbildung Stadtverwaltung Köln"},
    {"01/10/1973", "31/12/1974", "Grundwehrdienst"},
    {"01/01/1975", "30/06/1976", "Sachbearbeiterin Kreisverwaltung Rhein-Sieg"},
    {"01/08/1976", "31/03/1977", "Aushilfe Landesamt für Statistik"},
    {"01/04/1977", "28/02/1978", "Angestellte Bezirksregierung Düsseldorf"},
    {"15/03/1978", "14/11/1978", "Vertretung Schulamt"},
    {"01/12/1978", "30/09/1979", "Sparkasse Bonn"},
    {"01/10/1979", "31/07/1980", "Studium Fachhochschule für öffentliche Verwaltung"},
    {"01/09/1980", "31/08/1981", "Verwaltungsakademie"},
    {"01/10/1981", "30/06/1983", "Ordnungsamt Düsseldorf"},
    {"01/07/1983", "31/05/1985", "Versicherung (Privatwirtschaft)"},
    {"01/06/1985", "31/12/1986", "Deutsche Rentenversicherung"},
    {"01/02/1987", "31/01/1988", "Landschaftsverband Rheinland"},
    {"01/03/1988", "28/02/1990", "Bundesamt für Finanzen"},
}};

// Enter on a complete date, as the key handler does it.
inline void confirm(JDA& w, int i)
{
    w.currentIndex = static_cast<std::int16_t>(i);
    w.currentRow = static_cast<std::int16_t>(i / 2);
    w.lastIndex = static_cast<std::int16_t>(i);
    if (i == 0) {
        w.inrente();
        w.inrentei();
    }
    w.verarbeiten();
}

inline void typeDate(JDA& w, int i, std::string_view text)
{
    w.Datum(i).text = std::string{text};
    confirm(w, i);
}

// Types the full case into a fresh window. Returns "" or the first message
// shown (a case that shows a message would not measure the ordinary run).
inline std::string typeFullCase(QuietWindow& window)
{
    JDA& w = window.jda;
    typeDate(w, 0, birthday);
    typeDate(w, 1, payStart);
    for (int k = 1; k <= 14; ++k) {
        const PriorPeriod& p = priorPeriods[static_cast<std::size_t>(k - 1)];
        w.box(k).value = true;
        w.Eingabe(k).text = std::string{p.description};
        typeDate(w, 2 * k, p.from);
        typeDate(w, 2 * k + 1, p.to);
    }
    return window.messages.shown == 0 ? std::string{} : window.messages.last;
}

// The start-up's replay of the dates 0 to 31 through the recalculation.
inline void replay(JDA& w)
{
    w.loadingFlag = True;
    for (std::int16_t i = 0; i <= 31; ++i) {
        w.currentIndex = i;
        w.currentRow = static_cast<std::int16_t>(i / 2);
        w.lastIndex = i;
        w.verarbeiten();
    }
    w.loadingFlag = False;
}

// A fresh folder under the system's temp folder, made the working folder for
// the lifetime of the object and removed afterwards.
class ScratchFolder {
public:
    ScratchFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "tarvolin-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            std::abort();
        path_ = pattern;
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(path_);
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::current_path(previous_, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
    std::filesystem::path previous_;
};

// Saves the full case as jda.txt into the current working folder, as
// Schließen would. False when it could not be typed or saved.
inline bool saveFullCase()
{
    QuietWindow window;
    if (!typeFullCase(window).empty())
        return false;
    window.jda.entriesPath = std::filesystem::current_path() / "jda.txt";
    return saveCase(window.jda);
}

} // namespace tarvolin::bench
