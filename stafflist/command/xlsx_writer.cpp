#include "stafflist/command/xlsx_writer.h"

#include "stafflist/tables/sheet_rows.h"
#include "stafflist/tables/table_text.h"
#include "stafflist/tables/xlsx_cell_text.h"

#include <xlsxwriter.h>

#include <algorithm>

namespace tarvolin {

namespace {

constexpr std::size_t widestColumn = 60;

std::size_t characters(std::string_view utf8)
{
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

} // namespace

XlsxTableWriter::XlsxTableWriter(const std::string& path, const std::string& sheetName, bool streamed) : path_{path}
{
    lxw_workbook_options options{};
    options.constant_memory = streamed ? LXW_TRUE : LXW_FALSE;
    workbook_ = workbook_new_opt(path_.c_str(), &options);
    if (workbook_ == nullptr) {
        error_ = LXW_ERROR_CREATING_XLSX_FILE;
        return;
    }
    sheet_ = workbook_add_worksheet(workbook_, sheetName.c_str());
    bold_ = workbook_add_format(workbook_);
    format_set_bold(bold_);
    date_ = workbook_add_format(workbook_);
    format_set_num_format(date_, "dd.mm.yyyy");
}

XlsxTableWriter::~XlsxTableWriter()
{
    // A workbook never finished is closed all the same: libxlsxwriter keeps
    // its memory until then. The caller removes the file.
    if (workbook_ != nullptr)
        workbook_close(workbook_);
}

void XlsxTableWriter::header(const std::vector<std::string_view>& heads)
{
    widths_.assign(heads.size(), 0);
    if (sheet_ == nullptr)
        return;
    for (std::size_t c = 0; c < heads.size(); ++c) {
        const std::string text = writable(static_cast<std::uint16_t>(c), heads[c]);
        worksheet_write_string(sheet_, 0, static_cast<lxw_col_t>(c), text.c_str(), bold_);
        widen(static_cast<std::uint16_t>(c), characters(text));
    }
    worksheet_freeze_panes(sheet_, 1, 0);
    row_ = 1;
}

void XlsxTableWriter::widen(std::uint16_t column, std::size_t n)
{
    if (column < widths_.size())
        widths_[column] = std::max(widths_[column], std::min(n, widestColumn));
}

void XlsxTableWriter::cell(std::uint16_t column, const ResultCell& cell)
{
    if (sheet_ == nullptr || isEmpty(cell) || error_ != 0)
        return;
    if (row_ >= sheetRows) {
        tooManyRows_ = true;
        return;
    }
    lxw_error e = LXW_NO_ERROR;
    const Date* day = std::get_if<Date>(&cell);
    const Count* count = std::get_if<Count>(&cell);
    // A spreadsheet's days begin in 1900; an earlier one stays text.
    if (day != nullptr && day->year() >= 1900) {
        lxw_datetime when{day->year(), static_cast<int>(day->month()), static_cast<int>(day->day()), 0, 0, 0};
        e = worksheet_write_datetime(sheet_, row_, column, &when, date_);
        widen(column, 10);
    } else if (count != nullptr) {
        e = worksheet_write_number(sheet_, row_, column, count->value, nullptr);
        widen(column, std::to_string(count->value).size());
    } else {
        const std::string copy = writable(column, cellText(cell));
        e = worksheet_write_string(sheet_, row_, column, copy.c_str(), nullptr);
        widen(column, characters(copy));
    }
    if (e != LXW_NO_ERROR)
        error_ = e;
}

std::string XlsxTableWriter::writable(std::uint16_t column, std::string_view text)
{
    XlsxWritableText w = writableXlsxText(text);
    if (!w.replaced && !w.cut)
        return std::move(w.text);
    if (notes_.size() >= 100) {
        ++notesLeftOut_;
        return std::move(w.text);
    }
    std::string letters = cellName(column, 1);
    letters.pop_back();
    const std::string row = std::to_string(row_ + 1);
    std::string note = "Zelle " + letters + row + " (Zeile " + row + ", Spalte " + letters + "):";
    if (w.replaced)
        note += " Zeichen, die eine Excel-Datei nicht aufnehmen kann (U+FFFE, U+FFFF, das Nullzeichen oder Bytes, die "
                "kein UTF-8 sind), stehen dort als „�“";
    if (w.cut)
        note += std::string{w.replaced ? ";" : ""} + " der Text ist länger als die 32.767 Zeichen, die eine Zelle "
                "fasst, und wurde dort abgeschnitten";
    notes_.push_back(note + ".");
    return std::move(w.text);
}

std::vector<std::string> XlsxTableWriter::notes() const
{
    std::vector<std::string> notes = notes_;
    if (notesLeftOut_ > 0)
        notes.push_back("Ebenso in " + std::to_string(notesLeftOut_) + " weiteren Zellen.");
    return notes;
}

std::string XlsxTableWriter::finish()
{
    const std::string file = "Die Datei " + inQuotes(path_);
    if (tooManyRows_)
        return file + " kann nicht geschrieben werden: eine Excel-Tabelle fasst höchstens 1.048.575 Zeilen; bitte als "
                      "CSV speichern.";
    if (sheet_ != nullptr) {
        for (std::size_t c = 0; c < widths_.size(); ++c)
            worksheet_set_column(sheet_, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c),
                                 static_cast<double>(widths_[c] + 2), nullptr);
        if (!widths_.empty())
            worksheet_autofilter(sheet_, 0, 0, row_ > 1 ? row_ - 1 : 0, static_cast<lxw_col_t>(widths_.size() - 1));
    }
    const lxw_error closed = workbook_ != nullptr ? workbook_close(workbook_) : LXW_ERROR_CREATING_XLSX_FILE;
    workbook_ = nullptr;
    if (error_ == 0 && closed == LXW_NO_ERROR)
        return {};
    return file + " kann nicht geschrieben werden (die Excel-Datei ließ sich nicht anlegen oder schreiben; Fehler "
           + std::to_string(error_ != 0 ? error_ : static_cast<int>(closed)) + ").";
}

SafeWorkbook::SafeWorkbook(const std::string& target, const std::string& sheetName)
    : target_{target}, file_{target, {.refuseReadOnly = true}}
{
    // No workbook without its file: libxlsxwriter would report the failure
    // itself, in English, on the terminal.
    if (file_.ok())
        writer_ = std::make_unique<XlsxTableWriter>(file_.temporaryPath().string(), sheetName);
}

std::string SafeWorkbook::problem() const
{
    return file_.ok() ? std::string{}
                      : "Die Datei " + inQuotes(target_) + " kann nicht geschrieben werden. " + file_.failure()->sentence();
}

std::string SafeWorkbook::commit()
{
    if (std::string p = problem(); !p.empty())
        return p;
    if (std::string e = writer_->finish(); !e.empty()) {
        file_.fail(WriteStep::Write, 0);
        return "Die Datei " + inQuotes(target_) + " kann nicht geschrieben werden (die Excel-Datei ließ sich nicht "
               "vollständig schreiben).";
    }
    if (const WriteResult written = file_.commit(); !written)
        return "Die Datei " + inQuotes(target_) + " kann nicht geschrieben werden. " + written.failure->sentence();
    return {};
}

} // namespace tarvolin
