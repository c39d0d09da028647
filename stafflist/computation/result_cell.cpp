#include "stafflist/computation/result_cell.h"

#include "calc/date_text.h"
#include "calc/notice_rules.h"

namespace tarvolin {

bool isEmpty(const ResultCell& cell)
{
    if (const auto* text = std::get_if<std::string>(&cell))
        return text->empty();
    if (const auto* notes = std::get_if<RowNotes>(&cell))
        return notes->empty();
    return std::holds_alternative<std::monostate>(cell);
}

std::string noteText(const RowNote& note)
{
    return note.line == 0 ? note.text : "Zeile " + std::to_string(note.line) + ": " + note.text;
}

void appendCellText(std::string& out, const ResultCell& cell)
{
    struct Append {
        std::string& out;
        void operator()(std::monostate) const {}
        void operator()(const std::string& text) const { out += text; }
        void operator()(Date day) const { out += germanDateText(day); }
        void operator()(Count count) const { out += std::to_string(count.value); }
        void operator()(Reached reached) const { out += reached == Reached::Yes ? "ja" : "nein"; }
        void operator()(NoticeTierMark tier) const { out += noticeTierWords(static_cast<int>(tier)); }
        void operator()(AgeInUse age) const { out += std::to_string(age.years) + "/" + std::to_string(age.months); }
        void operator()(const RowNotes& notes) const
        {
            for (std::size_t i = 0; i < notes.size(); ++i) {
                if (i > 0)
                    out += " | ";
                out += noteText(notes[i]);
            }
        }
    };
    std::visit(Append{out}, cell);
}

std::string cellText(const ResultCell& cell)
{
    std::string text;
    appendCellText(text, cell);
    return text;
}

} // namespace tarvolin
