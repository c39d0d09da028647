#include "qt/letter/letter_settings.h"

#include "qt/letter/letterhead_fields.h"

#include <QDir>
#include <QSettings>

namespace tarvolin {

namespace {

// One line of at most maxLength characters: line breaks, tabs and other
// control characters become blanks, runs of blanks one.
QString oneLine(QString text)
{
    for (QChar& c : text)
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    return text.simplified().left(LetterSettings::maxLength);
}

} // namespace

LetterSettings::LetterSettings()
    : settings_{std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Tarvolin"),
                                            QStringLiteral("Tarvolin"))}
{
}

LetterSettings::LetterSettings(const QString& iniFile)
    : settings_{std::make_unique<QSettings>(iniFile, QSettings::IniFormat)}
{
}

LetterSettings::~LetterSettings() = default;

std::string LetterSettings::text(const char* key) const
{
    return oneLine(settings_->value(QLatin1String(key)).toString()).toStdString();
}

void LetterSettings::setText(const char* key, const std::string& value)
{
    settings_->setValue(QLatin1String(key), oneLine(QString::fromStdString(value)));
}

bool LetterSettings::written()
{
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

Letterhead LetterSettings::letterhead() const
{
    Letterhead head;
    for (const LetterheadField& f : letterheadFields)
        head.*f.text = text(f.settingsKey);
    return head;
}

bool LetterSettings::setLetterhead(const Letterhead& l)
{
    for (const LetterheadField& f : letterheadFields)
        setText(f.settingsKey, l.*f.text);
    return written();
}

Addressee LetterSettings::lastAddressee() const
{
    std::string salutation = text("Empfaenger/Anrede");
    if (salutation != "Frau" && salutation != "Herrn")
        salutation.clear();
    return {salutation, text("Empfaenger/Name"), text("Empfaenger/Strasse"), text("Empfaenger/Ort")};
}

std::string LetterSettings::lastAddresseeCase() const { return text("Empfaenger/Fall"); }

bool LetterSettings::setLastAddressee(const Addressee& a, const std::string& forCase)
{
    setText("Empfaenger/Fall", forCase);
    setText("Empfaenger/Anrede", a.salutation);
    setText("Empfaenger/Name", a.name);
    setText("Empfaenger/Strasse", a.street);
    setText("Empfaenger/Ort", a.town);
    return written();
}

bool LetterSettings::printDirectly() const { return settings_->value(QStringLiteral("Brief/OhneVorschau"), false).toBool(); }

bool LetterSettings::setPrintDirectly(bool directly)
{
    settings_->setValue(QStringLiteral("Brief/OhneVorschau"), directly);
    return written();
}

QString LetterSettings::location() const { return QDir::toNativeSeparators(settings_->fileName()); }

} // namespace tarvolin
