#pragma once
// A computed staff list held in memory, for the window: each row's result
// line, whether it was computed, its line in the file, and its case as it
// was typed, so that the row can be typed again into a calculator window.
// Rows are packed into one buffer per kind (about 600 bytes a row with
// fourteen earlier periods), so that 100,000 rows stay well under 100 MB.
//
// It is filled on one thread and read, once complete, on another; it does
// no locking of its own.

#include "calc/date.h"
#include "stafflist/tables/packed_texts.h"
#include "stafflist/computation/row_typing.h"
#include "stafflist/computation/staff_list.h"
#include "stafflist/computation/staff_result.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvolin {

class ComputedList {
public:
    // What the list was computed from, for the printed subtitles and the
    // calculator windows opened from it.
    std::string fileName;
    Date today;
    std::optional<Date> referenceDate;
    bool readWindows1252 = false;
    std::int64_t headerLine = 0;
    // The table's own columns carried through into each line.
    ResultLayout layout;

    void add(const ComputedRow& row);

    std::size_t size() const { return lines_.size(); }
    ResultCell cell(std::size_t row, std::size_t column) const;
    // The text of a column copied from the table (the personnel number, the
    // names); "" for a cell of another kind.
    std::string_view text(std::size_t row, std::size_t column) const;
    // A carried column's text (ResultLayout::carriedAt).
    std::string_view carried(std::size_t row, std::size_t index) const;
    void line(std::size_t row, ResultLine& into) const;
    bool computed(std::size_t row) const { return computed_[row]; }
    bool hasNotes(std::size_t row) const { return hasNotes_[row]; }
    // Whether the row's notes are only those on what its dates mean today
    // (the last notice day passed, the age limit reached).
    bool hasOnlyDateNotes(std::size_t row) const { return onlyDateNotes_[row]; }
    std::int64_t fileLine(std::size_t row) const { return fileLines_[row]; }
    // The case that was typed for the row; nothing when the row could not be
    // computed from the table.
    std::optional<TypedCase> typedCase(std::size_t row) const;
    // Personnel number, "Name, Vorname", "Vorname Name" and the carried
    // columns' texts as searchableKey (search_key.h) folds them, one per
    // line, for the search.
    std::string_view searchKey(std::size_t row) const { return searchKeys_[row]; }
    std::size_t rowsWithNotes() const { return rowsWithNotes_; }
    // The addressee of a letter to the row's employee, from the table's
    // columns Anrede or Geschlecht, Straße, Hausnummer, PLZ and Ort; only the
    // name when the table has none of them.
    Addressee addressee(std::size_t row) const;

private:
    PackedTexts lines_;
    PackedTexts cases_;
    PackedTexts searchKeys_;
    PackedTexts addresses_;
    std::vector<bool> computed_;
    std::vector<bool> hasNotes_;
    std::vector<bool> onlyDateNotes_;
    std::vector<std::int64_t> fileLines_;
    std::size_t rowsWithNotes_ = 0;
};

} // namespace tarvolin
