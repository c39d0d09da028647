#include "qt/letter/letter_settings.h"

#include "output/safe_file.h"
#include "qt/letter/letterhead_fields.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

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

// Settings are a few lines; a file much larger than that is no settings file
// (100 MB of it took 43 s and 3 GB to read).
constexpr qint64 largestSettingsFile = 256 * 1024;

} // namespace

QString settingsFileRefusal(const QString& file)
{
    const QFileInfo info{file};
    if (!info.exists() && !info.isSymLink())
        return {};
    QString why;
    if (!info.isFile())
        why = QStringLiteral("keine gewöhnliche Datei");
    else if (!info.isReadable())
        why = QStringLiteral("nicht lesbar");
    else if (info.size() > largestSettingsFile)
        why = QStringLiteral("zu groß");
    if (why.isEmpty())
        return {};
    return QStringLiteral("Die Einstellungen in „%1“ wurden nicht gelesen (%2); es gelten die Voreinstellungen.")
        .arg(QDir::toNativeSeparators(file), why);
}

LetterSettings::LetterSettings()
{
    // Where QSettings keeps the user's "Tarvolin" settings of "Tarvolin"; found
    // without a QSettings, which would read the file at once.
    open(QDir{QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)}.filePath(
        QStringLiteral("Tarvolin/Tarvolin.conf")));
}

LetterSettings::LetterSettings(const QString& iniFile) { open(iniFile); }

void LetterSettings::open(const QString& file)
{
    refusal_ = settingsFileRefusal(file);
    if (refusal_.isEmpty()) {
        // The last addressee is personal data: the file is for its owner only.
        makePrivateFile(QFile::encodeName(file).toStdString());
    }
    settings_ = std::make_unique<QSettings>(refusal_.isEmpty() ? file : QString{}, QSettings::IniFormat);
}

LetterSettings::~LetterSettings() = default;

QString LetterSettings::startNotice() const
{
    if (!refusal_.isEmpty())
        return refusal_;
    if (settings_->status() == QSettings::FormatError)
        return QStringLiteral("Die Einstellungen in „%1“ sind fehlerhaft und wurden übergangen; es gelten die "
                              "Voreinstellungen.")
            .arg(QDir::toNativeSeparators(settings_->fileName()));
    return {};
}

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
