#include "stafflist/list_input.h"

#include "calc/german_quotes.h"

#include <filesystem>
#include <system_error>

namespace tarvolin {

std::string ListInput::open(const std::string& input, std::istream& standardInput)
{
    const bool fromStandardInput = input == "-";
    fileName_ = fromStandardInput ? std::string{"Standardeingabe"} : input;
    const std::string file = "Datei " + inQuotes(fileName_);
    if (!fromStandardInput) {
        std::error_code ec;
        if (std::filesystem::is_directory(input, ec))
            return file + " kann nicht gelesen werden: das ist ein Ordner.";
        file_.open(input, std::ios::binary);
        if (!file_)
            return file + " kann nicht gelesen werden (fehlt sie, oder fehlt das Leserecht?).";
        if (std::filesystem::is_regular_file(input, ec))
            totalBytes_ = std::filesystem::file_size(input, ec);
    }
    reader_.emplace(fromStandardInput ? standardInput : static_cast<std::istream&>(file_));

    CsvRecord record;
    switch (reader_->readHeader(record)) {
    case CsvReader::Header::Empty: return file + ", Zeile 1: die Datei ist leer, es fehlt die Kopfzeile.";
    case CsvReader::Header::Utf16:
        return file + ", Zeile 1: die Datei ist in UTF-16 gespeichert; bitte als CSV (UTF-8 oder Windows-1252) speichern.";
    case CsvReader::Header::NoSeparator:
        return file + ", Zeile " + std::to_string(record.line > 0 ? record.line : 1)
               + ": in der Kopfzeile steht kein Trennzeichen (Semikolon, Komma oder Tabulator).";
    case CsvReader::Header::Read: break;
    }
    if (!record.problem.empty())
        return file + ", Zeile " + std::to_string(record.line) + ": Kopfzeile: " + record.problem + ".";
    std::string problem;
    columns_ = findColumns(record.fields, problem);
    if (!problem.empty())
        return file + ", Zeile " + std::to_string(record.line) + ": " + problem + ".";
    headerLine_ = record.line;
    return {};
}

} // namespace tarvolin
