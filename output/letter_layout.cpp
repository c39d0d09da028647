#include "output/letter_layout.h"

namespace tarvolin {

RecordedDocument recordLetter(const LetterInput& letter)
{
    DocumentRecorder recorder;
    printLetter(letter, recorder);
    return recorder.finished();
}

DocumentLayout layOutLetter(const LetterInput& letter, const PrintArea& area, const TextMeasure& measure)
{
    return layOutDocument(recordLetter(letter), area, measure);
}

} // namespace tarvolin
