#pragma once
// Where an employee's case opened from the staff list is kept: a folder of
// its own under the list's case folder, named by the personnel number, or by
// name, first name and birthday when there is none, so that two employees
// never share a jda.txt and reopening one finds the case saved before.

#include "stafflist/computation/computed_list.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace tarvolin {

// The folder's name: "1001"; "Meier, Anna, 10.03.1960" without a number.
// Made safe for any file system: no "/", no control characters, no leading
// dot or blank, at most 120 bytes of whole UTF-8 characters, never "" or "..".
std::string caseFolderName(std::string_view personnelNumber, std::string_view name, std::string_view firstName,
                           std::string_view birthday);

// The folder of a row of the list under `cases`.
std::filesystem::path caseFolderOf(const std::filesystem::path& cases, const ComputedList& list, std::size_t row);

// Whether the folder holds a saved case (a jda.txt that is not empty).
bool hasSavedCase(const std::filesystem::path& folder);

} // namespace tarvolin
