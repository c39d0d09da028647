#pragma once
// One letter as a value: recorded from its LetterInput and laid out on the
// pages of a device, ready to be painted. A letter with a letterhead or an
// addressee is laid out on one page; the plain letter may take two.
//
//     const DocumentLayout page = layOutLetter(input, area, measure);
//
// lays out any case's letter without printing it, for any printable area,
// with the metrics of the device it is to be painted on.

#include "output/document_layout.h"
#include "output/letter.h"
#include "output/recorded_document.h"

namespace tarvolin {

// The printer operations of the letter, as printLetter gives them.
RecordedDocument recordLetter(const LetterInput& letter);

DocumentLayout layOutLetter(const LetterInput& letter, const PrintArea& area, const TextMeasure& measure);

} // namespace tarvolin
