#pragma once
// Which handler a click on a control runs. Adding a button to the window is
// its row in the control table, its handler in JDA and its row here. A click
// table out of step with the control table (a clickable control without its
// row, a row without its clickable control) does not compile: the table
// checks itself against the control table as it is made.

#include "window/control_table.h"
#include "window/jda.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace tarvolin {

struct ClickRow {
    std::string_view control;
    void (*run)(JDA& window, Control& clicked);
};

template <std::size_t N>
class ClickTable {
public:
    consteval ClickTable(const std::array<ClickRow, N>& rows) : rows_{rows}
    {
        // Names compared, never addresses: the checks hold in every build.
        for (const ControlDesign& d : controlTable) {
            bool hasRow = false;
            for (const ClickRow& row : rows)
                hasRow = hasRow || row.control == d.name;
            if (hasRow != d.clickable)
                throw "a clickable control without a click handler, or a handler without its control";
        }
        for (const ClickRow& row : rows) {
            bool found = false;
            for (const ControlDesign& d : controlTable)
                found = found || (d.name == row.control && d.clickable);
            if (!found)
                throw "a clickable control without a click handler, or a handler without its control";
        }
    }

    constexpr const ClickRow* find(std::string_view control) const
    {
        for (const ClickRow& row : rows_)
            if (row.control == control)
                return &row;
        return nullptr;
    }
    constexpr const std::array<ClickRow, N>& rows() const { return rows_; }

private:
    std::array<ClickRow, N> rows_;
};

inline constexpr ClickTable clickTable{std::array<ClickRow, 16>{{
    {"box",
     [](JDA& w, Control& c) {
         c.value = !c.value;
         w.box_Click(c.design->index, c.value ? True : False);
     }},
    {"Opt", [](JDA& w, Control& c) { w.selectOpt(c.design->index); }},
    {"ab", [](JDA& w, Control& c) { w.ab_Click(c.design->index); }},
    {"auf", [](JDA& w, Control& c) { w.auf_Click(c.design->index); }},
    {"Drucken", [](JDA& w, Control&) { w.Drucken_Click(); }},
    {"Schließen", [](JDA& w, Control&) { w.Schließen_Click(); }},
    {"Hilfe", [](JDA& w, Control&) { w.Hilfe_Click(); }},
    {"Hilfetexte", [](JDA& w, Control&) { w.Hilfetexte_Click(); }},
    {"SSCommand1", [](JDA& w, Control&) { w.SSCommand1_Click(); }},
    {"SSCommand2", [](JDA& w, Control&) { w.SSCommand2_Click(); }},
    {"Altern", [](JDA& w, Control&) { w.Altern_Click(); }},
    {"jünger", [](JDA& w, Control&) { w.jünger_Click(); }},
    {"mehr", [](JDA& w, Control&) { w.mehr_Click(); }},
    {"weniger", [](JDA& w, Control&) { w.weniger_Click(); }},
    {"Label4", [](JDA& w, Control&) { w.Label4_Click(); }},
    {"Label7", [](JDA& w, Control&) { w.Label7_Click(); }},
}}};

} // namespace tarvolin
