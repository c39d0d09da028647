#pragma once
// Every control of the window as one table of data: name, index, kind, design
// caption, position and size in twips, for date fields the permitted range,
// and what else belongs to one control: its accessible name, whether it takes
// a click, the arrow a stepping button shows, the size the window draws it.
// The control model and the drawn window are both built from this table, and
// code finds controls by name and index, never by caption.
//
// Positions are twips from the window's client area, or from the panel named
// in `parent` for the controls laid on the employment-period panel. A line is
// given by its left end, its top and its length (height 0).

#include "calc/fixed_text.h"
#include "window/control_design.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tarvolin {

inline constexpr int windowWidthTwips = 11100;
inline constexpr int windowHeightTwips = 9405;
inline constexpr std::string_view designCaption = "Berechnung der Jubiläumszuwendung";

namespace detail {

inline constexpr DateRange inputRange{{1930, 1, 1}, {2040, 12, 31}};
inline constexpr DateRange resultRange{{1940, 1, 1}, {2050, 12, 31}};
inline constexpr DateRange anniversaryRange{{1930, 1, 1}, {2060, 12, 31}};

inline constexpr std::string_view notReached = "(wird nicht erreicht)";

inline constexpr std::array<std::string_view, 14> fixedTexts{
    "Geburtstag am . . . . . . . . . . . . . . . . . . . . .",
    "Tag, ab dem Dienstbezüge zustehen",
    "Anrechenbare Zeiten   v o r   dem Tag, ab dem Dienstbezüge zustehen:",
    "Summe der anrechenbaren Vorzeiten :",
    "Der Beginn des Jubiläumsdienstalters:",
    notReached,
    notReached,
    notReached,
    "T",
    "M",
    "J",
    "+ Beschäftigungszeit vom",
    "= anrechenbare Beschäftigungszeiten insgesamt",
    "Erreichen der Regelaltersgrenze",
};
// Left, top, width, height of Text(0) to Text(13); 11 and 12 lie on the panel.
inline constexpr std::array<std::array<int, 4>, 14> fixedTextPlaces{{
    {120, 780, 3660, 255},
    {90, 1170, 3690, 255},
    {90, 1530, 8040, 255},
    {3960, 6090, 4950, 255},
    {3960, 6930, 4950, 255},
    {7455, 7860, 1560, 255},
    {7455, 8370, 1560, 255},
    {7455, 8875, 1560, 255},
    {9270, 1500, 240, 255},
    {9870, 1500, 240, 255},
    {10500, 1500, 240, 255},
    {240, 0, 2460, 255},
    {240, 360, 4950, 255},
    {3960, 7320, 4950, 255},
}};

inline constexpr std::array<std::string_view, 7> tierCaptions{
    "bis zu                   1 Jahr           ein Monat zum Monatsschluss",
    "von mehr als        1 Jahr           6 Wochen zum Schluss des Kalendervierteljahres",
    "von mindestens    5 Jahren      3 Monate zum Schluss des Kalendervierteljahres",
    "von mindestens    8 Jahren      4 Monate zum Schluss des Kalendervierteljahres",
    "von mindestens  10 Jahren      5 Monate zum Schluss des Kalendervierteljahres",
    "von mindestens  12 Jahren      6 Monate zum Schluss des Kalendervierteljahres",
    "von mindestens  15 Jahren und 40. Lj. vollendet und Tarifgebiet West = nur kündbar bei wichtigem Grund "
    "(übergeleitete unkündbare BAT-Angestellte bleiben unkündbar).",
};

constexpr int rowTop(int k) { return 1830 + 300 * (k - 1); }

template <std::size_t Capacity>
struct TableBuilder {
    std::array<ControlDesign, Capacity> designs{};
    std::size_t count = 0;

    constexpr ControlDesign& add(ControlDesign d)
    {
        d.clickable = d.kind == ControlKind::Button || d.kind == ControlKind::Check || d.kind == ControlKind::Option;
        designs[count] = d;
        return designs[count++];
    }
    constexpr ControlDesign& single(std::string_view name, ControlKind kind, std::string_view caption, int left,
                                    int top, int width, int height, std::string_view parent = {})
    {
        return element(name, -1, kind, caption, left, top, width, height, parent);
    }
    constexpr ControlDesign& element(std::string_view name, int index, ControlKind kind, std::string_view caption,
                                     int left, int top, int width, int height, std::string_view parent = {},
                                     DateRange range = {})
    {
        ControlDesign d;
        d.name = name;
        d.index = static_cast<std::int16_t>(index);
        d.kind = kind;
        d.caption = caption;
        d.left = left;
        d.top = top;
        d.width = width;
        d.height = height;
        d.parent = parent;
        d.range = range;
        return add(d);
    }
};

// "Zeitraum 3 von": a text, a number, a text.
constexpr DesignText numbered(std::string_view before, int number, std::string_view after = {})
{
    DesignText t{before};
    t.append(number);
    t.append(after);
    return t;
}

// The counter beside an empty description box: every character is left ("60").
inline constexpr DesignText fullCounterCaption = numbered("", static_cast<int>(descriptionLength));

// The date fields in index order: where each stands, which range it accepts,
// and what it holds.
template <std::size_t C>
constexpr void addDateFields(TableBuilder<C>& b)
{
    using K = ControlKind;
    b.element("Datum", 0, K::DateField, "", 3870, 720, 1890, 345, {}, inputRange).accessibleName = "Geburtstag";
    b.element("Datum", 1, K::DateField, "", 3870, 1080, 1890, 330, {}, inputRange).accessibleName =
        "Tag, ab dem Dienstbezüge zustehen";
    for (int k = 1; k <= 14; ++k) {
        b.element("Datum", 2 * k, K::DateField, "", 300, rowTop(k), 1200, 315, {}, inputRange).accessibleName =
            numbered("Zeitraum ", k, " von");
        b.element("Datum", 2 * k + 1, K::DateField, "", 1755, rowTop(k), 1200, 315, {}, inputRange).accessibleName =
            numbered("Zeitraum ", k, " bis");
    }
    auto& payStartCopy = b.element("Datum", 30, K::DateField, "", 1680, 6120, 1200, 315, {}, inputRange);
    payStartCopy.accessibleName = "Beschäftigungszeit Beginn";
    payStartCopy.working = true;
    auto& reference = b.element("Datum", 31, K::DateField, "", 7440, 1110, 1530, 330, {}, inputRange);
    reference.accessibleName = "Stichtag (benötigt bis)";
    reference.toolTip = "Stichtag: der Tag, bis zu dem die Beschäftigungszeit benötigt wird. Die Kündigungstermine "
                        "gelten für das Monats- oder Quartalsende, in dem er liegt";
    auto& jdaBegin = b.element("Datum", 32, K::DateField, "", 9045, 6870, 1890, 420, {}, resultRange);
    jdaBegin.accessibleName = "Jubiläumsdienstalter Beginn";
    jdaBegin.toolTip = "Beginn des Jubiläumsdienstalters: Beginn der Dienstbezüge, um die angekreuzten Vorzeiten "
                       "vorverlegt";
    constexpr std::array<int, 3> anniversaryTops{7785, 8220, 8670};
    constexpr std::array<std::string_view, 3> anniversaryNames{
        "25-jähriges Dienstjubiläum", "40-jähriges Dienstjubiläum", "50-jähriges Dienstjubiläum"};
    constexpr std::array<std::string_view, 3> anniversaryHints{
        "Tag des 25-jährigen Dienstjubiläums; grau, wenn er nach dem Eintritt in den Ruhestand läge",
        "Tag des 40-jährigen Dienstjubiläums; grau, wenn er nach dem Eintritt in den Ruhestand läge",
        "Tag des 50-jährigen Dienstjubiläums; grau, wenn er nach dem Eintritt in den Ruhestand läge"};
    for (std::size_t a = 0; a < 3; ++a) {
        auto& anniversary = b.element("Datum", 33 + static_cast<int>(a), K::DateField, "", 9045, anniversaryTops[a],
                                      1890, 420, {}, anniversaryRange);
        anniversary.accessibleName = anniversaryNames[a];
        anniversary.toolTip = anniversaryHints[a];
    }
    auto& lastNoticeDay = b.element("Datum", 36, K::DateField, "", 240, 6480, 1200, 315, {}, inputRange);
    lastNoticeDay.accessibleName = "Letzter Tag für die Kündigung";
    lastNoticeDay.working = true;
    auto& noticeEnd = b.element("Datum", 37, K::DateField, "", 240, 6120, 1200, 315, {}, inputRange);
    noticeEnd.accessibleName = "Kündigung zum Quartalsende";
    noticeEnd.working = true;
    auto& retirement = b.element("Datum", 38, K::DateField, "", 9045, 7320, 1890, 420, {}, resultRange);
    retirement.accessibleName = "Erreichen der Altersgrenze";
    retirement.toolTip = "Tag, an dem das eingestellte Ruhestandsalter erreicht wird";
}

template <std::size_t C>
constexpr void addPeriodRows(TableBuilder<C>& b)
{
    using K = ControlKind;
    for (int k = 1; k <= 13; ++k) {
        auto& down = b.element("ab", k, K::Button, "", 120, rowTop(k), 180, 315);
        down.accessibleName = numbered("Zeitraum ", k, " nach unten");
        down.arrow = ArrowDirection::Down;
        down.toolTip = "Zeile nach unten";
    }
    for (int k = 2; k <= 14; ++k) {
        auto& up = b.element("auf", k, K::Button, "", 2970, rowTop(k), 195, 315);
        up.accessibleName = numbered("Zeitraum ", k, " nach oben");
        up.arrow = ArrowDirection::Up;
        up.toolTip = "Zeile nach oben";
    }
    // Line1(0) is the dash between the quarter end and the pay-start copy.
    b.element("Line1", 0, K::Line, "", 1455, 6277, 210, 0).working = true;
    for (int k = 1; k <= 14; ++k)
        b.element("Line1", k, K::Line, "", 1545, rowTop(k) + 157, 150, 0);
    for (int k = 1; k <= 14; ++k)
        b.element("Eingabe", k, K::TextBox, "", 3240, rowTop(k), 5025, 315).accessibleName =
            numbered("Beschreibung Zeitraum ", k);
    for (int k = 1; k <= 14; ++k) {
        auto& counter = b.element("Zähler", k, K::Label, fullCounterCaption.view(), 8355, rowTop(k) + 45, 300, 225);
        counter.accessibleName = numbered("Freie Zeichen Zeitraum ", k);
        counter.toolTip = "Noch freie Zeichen";
    }
    for (int k = 1; k <= 14; ++k) {
        auto& tick = b.element("box", k, K::Check, "", 8730, rowTop(k) + 60, 180, 180);
        tick.accessibleName = numbered("Öffentlicher Dienst Zeitraum ", k);
        tick.toolTip = "Zeit im öffentlichen Dienst: wird angerechnet";
    }
    // Tage, Monat, Jahr: rows 1-14 in the table, 15 and 17 on the panel, 16 the sum row.
    constexpr std::array<std::string_view, 3> names{"Tage", "Monat", "Jahr"};
    constexpr std::array<std::string_view, 3> units{"Tage ", "Monate ", "Jahre "};
    constexpr std::array<int, 3> rowLeft{9030, 9690, 10350};
    constexpr std::array<int, 3> sumLeft{9030, 9690, 10335};
    constexpr std::array<int, 3> panelLeft{5310, 5970, 6615};
    for (std::size_t column = 0; column < 3; ++column) {
        const auto unit = units[column];
        for (int k = 1; k <= 14; ++k) {
            auto& period = b.element(names[column], k, K::Panel, "", rowLeft[column], rowTop(k), 555, 285);
            period.accessibleName = DesignText{unit}.append("Zeitraum ").append(k);
            period.toolTip = "Angerechnete Zeit der Zeile (Monate zu 30 Tagen); 0, wenn nicht angekreuzt";
        }
        auto& employment = b.element(names[column], 15, K::Panel, "", panelLeft[column], 10, 555, 285, "Aufkleber");
        employment.accessibleName = DesignText{unit}.append("Beschäftigungszeit");
        employment.toolTip = "Beschäftigungszeit vom Beginn der Dienstbezüge bis zum Stichtag";
        auto& sum = b.element(names[column], 16, K::Panel, "", sumLeft[column], 6075, 555, 285);
        sum.accessibleName = DesignText{unit}.append("Summe der anrechenbaren Vorzeiten");
        sum.toolTip = "Summe der angerechneten Vorzeiten";
        auto& total = b.element(names[column], 17, K::Panel, "", panelLeft[column], 360, 555, 285, "Aufkleber");
        total.accessibleName = DesignText{unit}.append("Beschäftigungszeiten insgesamt");
        total.toolTip = "Vorzeiten und Beschäftigungszeit zusammen: danach richtet sich die Kündigungsfrist";
    }
}

// The row of buttons along the top.
template <std::size_t C>
constexpr void addTopButtons(TableBuilder<C>& b)
{
    using K = ControlKind;
    auto& texts = b.single("Hilfetexte", K::Button, "Texte", 0, 15, 1905, 600);
    texts.accessibleName = "Texte";
    texts.toolTip = "Den Tariftext zu dieser Berechnung öffnen (§ 23 oder § 34 TVöD)";
    auto& bgb = b.single("SSCommand2", K::Button, "  § 622 BGB", 1920, 15, 2025, 600);
    bgb.accessibleName = "§ 622 BGB";
    bgb.toolTip = "Kündigungsfristen nach § 622 BGB und § 34 TVöD erklärt";
    auto& help = b.single("Hilfe", K::Button, "      Hilfe", 3960, 15, 1545, 600);
    help.accessibleName = "Hilfe";
    help.toolTip = "Hilfe zu dieser Berechnung";
    help.shortcut = "F1";
    auto& print = b.single("Drucken", K::Button, "       Drucken", 5520, 15, 1770, 600);
    print.accessibleName = "Drucken";
    print.toolTip = "Das Schreiben zu dieser Berechnung drucken";
    print.shortcut = "Ctrl+P";
    auto& info = b.single("SSCommand1", K::Button, "Info", 7320, 15, 2025, 600);
    info.accessibleName = "Info";
    info.toolTip = "Über Tarvolin: Bedienung, Speichern, Grenzen der Berechnung";
    auto& close = b.single("Schließen", K::Button, "        Schließen", 9360, 15, 1740, 600);
    close.accessibleName = "Schließen";
    close.toolTip = "Den Fall speichern und Tarvolin beenden (das Schließkreuz beendet ohne zu speichern)";
}

// The fourteen fixed texts Text(0) to Text(13).
template <std::size_t C>
constexpr void addFixedTexts(TableBuilder<C>& b)
{
    using K = ControlKind;
    for (int i = 0; i < 14; ++i) {
        const auto& p = fixedTextPlaces[static_cast<std::size_t>(i)];
        b.element("Text", i, K::Label, fixedTexts[static_cast<std::size_t>(i)], p[0], p[1], p[2], p[3],
                  i == 11 || i == 12 ? "Aufkleber" : "");
    }
}

// The end of the calculation: the retirement age line with its stepping buttons, and the
// reference date line.
template <std::size_t C>
constexpr void addEndOfCalculation(TableBuilder<C>& b)
{
    using K = ControlKind;
    auto& untilRetirement = b.element("Opt", 0, K::Option, "", 5880, 840, 180, 180);
    untilRetirement.accessibleName = "Berechnen bis zum Eintritt in den Ruhestand";
    untilRetirement.toolTip = "Jubiläumsdienstalter und Dienstjubiläen bis zum Eintritt in den Ruhestand";
    auto& untilReference = b.element("Opt", 1, K::Option, "", 5880, 1200, 180, 180);
    untilReference.accessibleName = "Berechnen bis zum Stichtag (benötigt bis)";
    untilReference.toolTip = "Beschäftigungszeit und Kündigungsfrist bis zum Stichtag";
    b.single("Label4", K::Label, "Eintritt in den Ruhestand nach", 6120, 810, 2820, 255).clickable = true;
    auto& younger = b.single("jünger", K::Button, "", 9000, 810, 150, 375);
    younger.accessibleName = "Ruhestand ein Jahr früher";
    younger.arrow = ArrowDirection::Left;
    younger.toolTip = "Ruhestandsalter ein Jahr niedriger";
    auto& years = b.single("Alter", K::Panel, "", 9150, 810, 495, 375);
    years.accessibleName = "Ruhestand nach Jahren";
    years.toolTip = "Ruhestandsalter: Jahre (nach dem Geburtstag die Regelaltersgrenze)";
    auto& older = b.single("Altern", K::Button, "", 9645, 810, 150, 375);
    older.accessibleName = "Ruhestand ein Jahr später";
    older.arrow = ArrowDirection::Right;
    older.toolTip = "Ruhestandsalter ein Jahr höher";
    b.single("Label6", K::Label, "Jahren", 9120, 600, 720, 210);
    b.single("Label16", K::Label, "und", 9870, 900, 330, 210);
    auto& fewer = b.single("weniger", K::Button, "", 10200, 810, 150, 375);
    fewer.accessibleName = "Ruhestand einen Monat früher";
    fewer.arrow = ArrowDirection::Left;
    fewer.toolTip = "Ruhestandsalter einen Monat niedriger";
    auto& months = b.single("month", K::Panel, "", 10350, 810, 495, 375);
    months.accessibleName = "Ruhestand nach Monaten";
    months.toolTip = "Ruhestandsalter: Monate";
    auto& more = b.single("mehr", K::Button, "", 10845, 810, 150, 375);
    more.accessibleName = "Ruhestand einen Monat später";
    more.arrow = ArrowDirection::Right;
    more.toolTip = "Ruhestandsalter einen Monat höher";
    b.single("Label15", K::Label, "Monaten", 10200, 600, 840, 210);
    b.single("Label7", K::Label, "benötigt bis", 6120, 1170, 1260, 255).clickable = true;
}

// The period table: its rows and the marks and labels around them.
template <std::size_t C>
constexpr void addPeriodTable(TableBuilder<C>& b)
{
    using K = ControlKind;
    b.single("Label1", K::Label, "*", 8730, 1500, 180, 255);
    addPeriodRows(b);
    b.single("Line2", K::Line, "", 9000, 6030, 1890, 0);
    b.element("Label5", 1, K::Label, "- jähriges Dienstjubiläum", 4545, 7860, 2850, 255);
    b.element("Label5", 2, K::Label, "- jähriges Dienstjubiläum", 4545, 8370, 2850, 255);
    b.element("Label5", 3, K::Label, "- jähriges Dienstjubiläum", 4545, 8875, 2850, 255);
    b.single("Label3", K::Label, "*", 8760, 6360, 150, 255);
    b.single("Label2", K::Label, ") im öffentlichen Dienst = x", 8910, 6360, 2160, 255);
}

// The notice block under the period table.
template <std::size_t C>
constexpr void addNoticeBlock(TableBuilder<C>& b)
{
    using K = ControlKind;
    b.single("Label10", K::Label, "spätestens zu kündigen am", 1320, 7080, 2340, 255);
    auto& lastDay = b.single("Termin", K::Label, "", 1410, 7500, 1455, 270);
    lastDay.accessibleName = "Spätestens zu kündigen am";
    lastDay.toolTip = "Letzter Tag, an dem die Kündigung zugehen muss, damit sie zum Monats- oder Quartalsende des "
                      "Stichtags wirkt";
    b.single("Label11", K::Label, "zum", 1080, 7800, 330, 255);
    auto& effective = b.single("Ziel", K::Label, "", 1410, 8040, 1455, 270);
    effective.accessibleName = "Kündigung zum";
    effective.toolTip = "Tag, zu dem die Kündigung wirkt";
    b.single("Label12", K::Label, "*) oder vorher, wenn an diesem Tag (z.B. Sonntag) nicht zugestellt werden kann.",
             840, 8880, 2895, 495);
}

// The employment-period panel, laid over the results.
template <std::size_t C>
constexpr void addEmploymentPanel(TableBuilder<C>& b)
{
    using K = ControlKind;
    b.single("Aufkleber", K::Panel, "", 3720, 6360, 7350, 3255).accessibleName =
        "Beschäftigungszeit und Kündigungsfristen";
    auto& from = b.single("Label9", K::Label, "", 2760, 0, 1020, 255, "Aufkleber");
    from.accessibleName = "Beschäftigungszeit vom";
    from.toolTip = "Beginn der Beschäftigungszeit: der Tag, ab dem Dienstbezüge zustehen";
    b.single("Label13", K::Label, "bis", 3780, 0, 390, 255, "Aufkleber");
    auto& until = b.single("Label14", K::Label, "", 4200, 0, 1080, 255, "Aufkleber");
    until.accessibleName = "Beschäftigungszeit bis";
    until.toolTip = "Ende der Beschäftigungszeit: der Stichtag";
    b.single("Line4", K::Line, "", 240, 330, 6930, 0, "Aufkleber");
    b.single("Label8", K::Label,
             "Wenn für diese Berechnung der Beschäftigungszeit § 34 Abs. 3 TVöD / TV-L zutrifft, gelten folgende "
             "Kündigungsfristen (abweichend von § 622 BGB):",
             240, 840, 6975, 495, "Aufkleber");
    for (int k = 0; k <= 6; ++k)
        b.element("Kündigung", k, K::Label, tierCaptions[static_cast<std::size_t>(k)], 120, 1320 + 240 * k, 7080,
                  k == 6 ? 495 : 240, "Aufkleber")
            .accessibleName = numbered("Kündigungsfrist Stufe ", k);
}

// The pictures that decorate the window.
template <std::size_t C>
constexpr void addDecoration(TableBuilder<C>& b)
{
    using K = ControlKind;
    b.single("Image1", K::Image, "", 0, 660, 11100, 1500);
    b.single("Image2", K::Image, "", 0, 2040, 1875, 6000);
    b.single("Image3", K::Image, "", 0, 6120, 3660, 3660);
    b.single("Picture1", K::PictureBox, "", 60, 8040, 555, 1380);
}

// The whole table, part by part, in the order its rows have always had.
template <std::size_t C>
constexpr void fillControlTable(TableBuilder<C>& b)
{
    addTopButtons(b);
    addFixedTexts(b);
    addDateFields(b);
    addEndOfCalculation(b);
    addPeriodTable(b);
    addNoticeBlock(b);
    addEmploymentPanel(b);
    addDecoration(b);
}

// The size the window draws a control, where it differs from the design.
// The period rows stand 300 twips apart but their fields are 315 high, and
// the top buttons reach 15 twips into the line of "Jahren" and "Monaten":
// drawn as given, neighbours would share a pixel line and hide each other's
// frame. They are drawn that much shorter, and so is the two-line text
// above the notice tiers, which reaches 15 twips into the first tier. The
// footnote under the notice dates needs three lines in Arial; it gets them
// below its place, where the window has room, and ends where the
// employment-period panel begins instead of 15 twips inside it.
constexpr void setDrawnSize(ControlDesign& d)
{
    d.drawnWidth = d.name == "Label12" ? d.width - 15 : d.width;
    if (d.name == "Label8")
        d.drawnHeight = 480;
    else if (d.name == "Label12")
        d.drawnHeight = 585;
    else if (d.height == 315)
        d.drawnHeight = 285;
    else if (d.kind == ControlKind::Button && d.top == 15)
        d.drawnHeight = 585;
    else
        d.drawnHeight = d.height;
}

template <std::size_t N>
constexpr auto builtTable()
{
    TableBuilder<400> b;
    fillControlTable(b);
    std::array<ControlDesign, N> out{};
    for (std::size_t i = 0; i < N; ++i) {
        out[i] = b.designs[i];
        setDrawnSize(out[i]);
    }
    return out;
}

constexpr std::size_t countControls()
{
    TableBuilder<400> b;
    fillControlTable(b);
    return b.count;
}

} // namespace detail

inline constexpr std::size_t controlCount = detail::countControls();
inline constexpr auto controlTable = detail::builtTable<controlCount>();

// A shortcut clicks its control, so only buttons have one.
constexpr bool shortcutsOnButtonsOnly()
{
    for (const ControlDesign& d : controlTable)
        if (!d.shortcut.empty() && d.kind != ControlKind::Button)
            return false;
    return true;
}
static_assert(shortcutsOnButtonsOnly(), "a shortcut on a control that is no button");

// Position of a control in the table; -1 when there is none of that name and index.
constexpr int controlSlot(std::string_view name, int index = -1)
{
    for (std::size_t i = 0; i < controlTable.size(); ++i)
        if (controlTable[i].name == name && controlTable[i].index == index)
            return static_cast<int>(i);
    return -1;
}

// For accessors whose name is fixed in the code: a misspelt name does not compile.
consteval int requiredSlot(std::string_view name, int index = -1)
{
    const int slot = controlSlot(name, index);
    if (slot < 0)
        throw "no such control";
    return slot;
}

// A control array as the table holds it: its elements stand one after the
// other in index order from firstSlot on, indexes first to last.
struct ControlArray {
    int firstSlot = -1;
    int first = 0;
    int last = -1;
};

// The array of that name; an array whose elements do not stand together in
// index order does not compile where this is evaluated at compile time.
constexpr ControlArray controlArray(std::string_view name)
{
    ControlArray a;
    for (std::size_t i = 0; i < controlTable.size(); ++i) {
        const ControlDesign& d = controlTable[i];
        if (d.name != name)
            continue;
        if (a.firstSlot < 0) {
            a = {static_cast<int>(i), d.index, d.index};
        } else {
            if (static_cast<int>(i) != a.firstSlot + (a.last - a.first) + 1 || d.index != a.last + 1)
                throw "array elements out of order";
            a.last = d.index;
        }
    }
    if (a.firstSlot < 0 || a.first < 0)
        throw "no such array";
    return a;
}

// "Datum(5)" for an element of an array, "Drucken" for a single control: the
// name the window's code, the scripted mode and its dump use.
inline std::string controlName(const ControlDesign& design)
{
    std::string name{design.name};
    if (design.index >= 0)
        name.append("(").append(std::to_string(design.index)).append(")");
    return name;
}

} // namespace tarvolin
