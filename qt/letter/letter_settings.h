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
    // Why the settings file was not read (too large, unreadable, no file),
    // in German; "" when it was. A refused file is neither read nor
    // overwritten: the letter then has the defaults.
    const QString& refusal() const { return refusal_; }
    // What the user is told once at start about the settings file: its
    // refusal, or that it was read but is broken (then its defaults hold
    // where it could not be read); "" when all is well.
    QString startNotice() const;

private:
    void open(const QString& file);

    std::string text(const char* key) const;
    void setText(const char* key, const std::string& value);
    bool written();

    std::unique_ptr<QSettings> settings_;
    QString refusal_;
};

// Why a settings file is not to be read at all (more than a settings file
// can hold, unreadable, not a plain file), as a German sentence naming it;
// "" when it may be read.
QString settingsFileRefusal(const QString& file);

} // namespace tarvolin
