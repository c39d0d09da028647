#pragma once
// What a file is, by its first bytes: a ZIP archive (.xlsx or .ods), an
// Office compound file (an old .xls, or any Office file saved with a
// password), or text (read as CSV).

#include <string_view>

namespace tarvolin {

enum class FileKind { Text, Zip, Compound };

FileKind fileKindOf(std::string_view firstBytes);

// For a compound file (its bytes, or as many as were read): why it cannot
// be read, in German.
std::string_view compoundFileProblem(std::string_view bytes);

} // namespace tarvolin
