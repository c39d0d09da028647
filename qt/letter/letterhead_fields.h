#pragma once
// Each field of the letterhead once, in the order the dialog shows them: the
// member it fills, the key the settings keep it under, the dialog's label
// (with its mnemonic) and the placeholder of the empty field. The settings
// and the dialog go through this table; a new field is a member of
// Letterhead, a row here and its place in the letter.

#include "output/letter.h"

#include <array>
#include <string>

namespace tarvolin {

struct LetterheadField {
    std::string Letterhead::*text;
    const char* settingsKey;
    const char* label;
    const char* hint;
};

inline constexpr std::array<LetterheadField, 8> letterheadFields{{
    {&Letterhead::employer, "Briefkopf/Arbeitgeber", "&Arbeitgeber:", "Mein Arbeitgeber"},
    {&Letterhead::office, "Briefkopf/Dienststelle", "&Dienststelle:", "Personalstelle"},
    {&Letterhead::senderLine1, "Briefkopf/Absender1", "Absender, Zeile &1:", "Anschrift"},
    {&Letterhead::senderLine2, "Briefkopf/Absender2", "Absender, Zeile &2:", "Telefon"},
    {&Letterhead::senderLine3, "Briefkopf/Absender3", "Absender, Zeile &3:", "E-Mail"},
    {&Letterhead::fileReference, "Briefkopf/Aktenzeichen", "A&ktenzeichen:", ""},
    {&Letterhead::signerName, "Briefkopf/Unterzeichner", "&Unterzeichnet von:", "Name"},
    {&Letterhead::signerFunction, "Briefkopf/Funktion", "&Funktion:", "z. B. Leiterin der Personalstelle"},
}};

} // namespace tarvolin
