#include "stafflist/tables/zip_archive.h"

#include "stafflist/tables/table_text.h"

#include <zip.h>

namespace tarvolin {

namespace {

std::string entryNamed(std::string_view name) { return "der Teil " + inQuotes(name) + " der Datei"; }

} // namespace

ZipEntryStream::ZipEntryStream(zip_file* file, std::string name, std::uint64_t size, std::uint64_t packedSize)
    : file_{file}, name_{std::move(name)}, size_{size}, packedSize_{packedSize}
{
}

ZipEntryStream::~ZipEntryStream() { zip_fclose(file_); }

long ZipEntryStream::read(char* into, std::size_t n)
{
    if (!problem_.empty())
        return -1;
    const zip_int64_t got = zip_fread(file_, into, n);
    if (got < 0) {
        const int error = zip_error_code_zip(zip_file_get_error(file_));
        problem_ = entryNamed(name_)
                   + (error == ZIP_ER_CRC ? " ist beschädigt (die Prüfsumme stimmt nicht)"
                                          : " lässt sich nicht entpacken (beschädigt oder unvollständig)");
        return -1;
    }
    read_ += static_cast<std::uint64_t>(got);
    const bool tooLarge = read_ > largestEntry;
    const bool tooDense = read_ > ratioCheckedFrom && read_ > largestRatio * std::max<std::uint64_t>(packedSize_, 1);
    if (tooLarge || tooDense) {
        problem_ = entryNamed(name_)
                   + " entpackt sich zu mehr als "
                   + (tooLarge ? std::string{"1 GiB"} : std::to_string(largestRatio) + "-mal seiner gepackten Größe")
                   + "; so sieht keine Personaltabelle aus, sondern eine ZIP-Bombe, und sie wird nicht weiter gelesen";
        return -1;
    }
    return static_cast<long>(got);
}

ZipArchive::~ZipArchive()
{
    if (archive_ != nullptr)
        zip_discard(archive_);
}

std::string ZipArchive::opened(int error)
{
    switch (error) {
    case ZIP_ER_OK: return {};
    case ZIP_ER_NOENT:
    case ZIP_ER_OPEN:
    case ZIP_ER_READ: return "kann nicht gelesen werden (fehlt sie, oder fehlt das Leserecht?)";
    case ZIP_ER_MEMORY: return "ist zu groß für den Arbeitsspeicher";
    default: return "ist ein beschädigtes oder unvollständiges ZIP-Archiv und lässt sich nicht lesen";
    }
}

std::string ZipArchive::open(const std::string& path)
{
    int error = ZIP_ER_OK;
    archive_ = zip_open(path.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &error);
    return opened(archive_ == nullptr ? error : ZIP_ER_OK);
}

std::string ZipArchive::openBytes(std::string bytes)
{
    bytes_ = std::move(bytes);
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes_.data(), bytes_.size(), 0, &error);
    if (source != nullptr) {
        archive_ = zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error);
        if (archive_ == nullptr)
            zip_source_free(source);
    }
    const int code = archive_ == nullptr ? zip_error_code_zip(&error) : ZIP_ER_OK;
    zip_error_fini(&error);
    return opened(code == ZIP_ER_OK && archive_ == nullptr ? ZIP_ER_INCONS : code);
}

bool ZipArchive::has(std::string_view name) const
{
    return archive_ != nullptr && zip_name_locate(archive_, std::string{name}.c_str(), 0) >= 0;
}

std::unique_ptr<ZipEntryStream> ZipArchive::stream(std::string_view name, std::string& problem) const
{
    const std::string n{name};
    const zip_int64_t index = archive_ == nullptr ? -1 : zip_name_locate(archive_, n.c_str(), 0);
    zip_stat_t stat;
    if (index < 0 || zip_stat_index(archive_, static_cast<zip_uint64_t>(index), 0, &stat) != 0) {
        problem = entryNamed(name) + " fehlt";
        return nullptr;
    }
    if ((stat.valid & ZIP_STAT_ENCRYPTION_METHOD) != 0 && stat.encryption_method != ZIP_EM_NONE) {
        problem = "die Datei ist mit einem Kennwort geschützt; bitte ohne Kennwort speichern";
        return nullptr;
    }
    zip_file_t* file = zip_fopen_index(archive_, static_cast<zip_uint64_t>(index), 0);
    if (file == nullptr) {
        const int error = zip_error_code_zip(zip_get_error(archive_));
        problem = error == ZIP_ER_NOPASSWD || error == ZIP_ER_WRONGPASSWD
                      ? "die Datei ist mit einem Kennwort geschützt; bitte ohne Kennwort speichern"
                      : entryNamed(name) + " lässt sich nicht entpacken (beschädigt oder in einer unbekannten Art gepackt)";
        return nullptr;
    }
    const std::uint64_t size = (stat.valid & ZIP_STAT_SIZE) != 0 ? stat.size : 0;
    const std::uint64_t packed = (stat.valid & ZIP_STAT_COMP_SIZE) != 0 ? stat.comp_size : 0;
    return std::make_unique<ZipEntryStream>(file, n, size, packed);
}

bool ZipArchive::check(std::string_view name, std::string& problem) const
{
    const auto entry = stream(name, problem);
    if (!entry)
        return false;
    std::string buffer(1 << 16, '\0');
    for (;;) {
        const long got = entry->read(buffer.data(), buffer.size());
        if (got < 0)
            problem = entry->problem();
        if (got <= 0)
            return got == 0;
    }
}

bool ZipArchive::readWhole(std::string_view name, std::size_t limit, std::string& into, std::string& problem) const
{
    into.clear();
    const auto entry = stream(name, problem);
    if (!entry)
        return false;
    char buffer[1 << 14];
    for (;;) {
        const long got = entry->read(buffer, sizeof buffer);
        if (got < 0) {
            problem = entry->problem();
            return false;
        }
        if (got == 0)
            return true;
        into.append(buffer, static_cast<std::size_t>(got));
        if (into.size() > limit) {
            problem = entryNamed(name) + " ist größer als " + std::to_string(limit >> 20)
                      + " MB; so groß ist er in keiner gewöhnlichen Tabelle";
            return false;
        }
    }
}

} // namespace tarvolin
