#pragma once
// LetterSettings: what the desktop keeps for the letter in the user's
// configuration, with QSettings (on Linux ~/.config/Tarvolin/Tarvolin.conf):
// the office's letterhead, the last addressee with the case it was entered
// for (it pre-fills the next letter's for the same case), and "Ohne Vorschau
// direkt drucken". That setting is off unless
// the user sets it: by default Drucken asks for the addressee and shows the
// preview. It does not decide what the letter looks like (output/letter.h).
//
// Texts come back as one line each, at most 60 characters: a hand-edited
// file cannot put a line break or a tab into the letter.

#include "output/letter.h"

#include <QString>

#include <memory>

QT_BEGIN_NAMESPACE
class QSettings;
QT_END_NAMESPACE

namespace tarvolin {

class LetterSettings {
public:
    // The user's configuration.
    LetterSettings();
    // A file of its own (tests).
    explicit LetterSettings(const QString& iniFile);
    ~LetterSettings();
    LetterSettings(const LetterSettings&) = delete;
    LetterSettings& operator=(const LetterSettings&) = delete;

    // The longest text of a field.
    static constexpr int maxLength = 60;

    Letterhead letterhead() const;
    Addressee lastAddressee() const;
    // The case the last addressee was entered for: "14/03/1958 01/04/1990"
    // (birthday and pay start); empty when not known.
    std::string lastAddresseeCase() const;
    bool printDirectly() const;

    // Each returns false when the configuration could not be written.
    bool setLetterhead(const Letterhead& letterhead);
    bool setLastAddressee(const Addressee& addressee, const std::string& forCase);
    bool setPrintDirectly(bool directly);

    // Where the settings are kept, for messages.
    QString location() const;

private:
    std::string text(const char* key) const;
    void setText(const char* key, const std::string& value);
    bool written();

    std::unique_ptr<QSettings> settings_;
};

} // namespace tarvolin
