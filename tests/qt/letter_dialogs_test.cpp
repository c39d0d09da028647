// Drucken on the desktop, with the letter's settings in a file of the test's
// own: the addressee dialog filled in with the last addressee, the preview
// and its "Als PDF speichern…" with the proposed name, "Briefkopf…" from the
// preview laying the letter out anew, Ctrl+Shift+P, "Ohne Vorschau direkt
// drucken" printing as before, cancelling that prints nothing, and saving
// that never replaces a file silently. Every control of the dialogs has a
// name for screen readers.

#include "qt/letter/addressee_dialog.h"
#include "qt/letter/desktop_letter.h"
#include "qt/letter/letter_settings.h"
#include "qt/letter/letterhead_dialog.h"
#include "qt/calculator_window/main_window.h"
#include "tests/qt/pdf_reading.h"
#include "tests/support/fakes.h"
#include "tests/support/typical_letter.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPointer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

using namespace tarvolin;
using namespace tarvolin::testing;

namespace {

// Runs `act` on the next modal dialog of type D once it shows. The watch
// ends with its owner, so that a test that failed half-way leaves none.
template <class D>
void whenShown(QObject& owner, std::function<void(D&)> act)
{
    auto* timer = new QTimer{&owner};
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        act(*dialog);
    });
    timer->start();
}

// The controls that take the focus but have no accessible name.
QStringList unnamedControls(const QWidget& dialog)
{
    QStringList unnamed;
    for (const QWidget* w : dialog.findChildren<QWidget*>())
        if (w->focusPolicy() != Qt::NoFocus && w->isVisibleTo(&dialog) && w->accessibleName().isEmpty())
            unnamed << QString::fromLatin1(w->metaObject()->className()) + QLatin1Char(' ') + w->objectName();
    return unnamed;
}

QLineEdit* field(const QWidget& dialog, const QString& accessibleName)
{
    for (QLineEdit* f : dialog.findChildren<QLineEdit*>())
        if (f->accessibleName() == accessibleName)
            return f;
    return nullptr;
}

// The window with the real letter on the desktop: settings in the test's
// folder, letters as PDF files into it (there is no printer here), the date
// 15/05/2008.
struct Desk {
    QTemporaryDir folder;
    QString previousFolder = QDir::currentPath();
    FixedClock clock;
    QtPrinter printer;
    RecordingShell shell;
    LetterSettings settings{QDir{folder.path()}.filePath(QStringLiteral("Tarvolin.conf"))};
    DesktopLetter letter{settings, clock};
    std::unique_ptr<MainWindow> window;
    QStringList notices;
    QStringList proposedPaths;
    QStringList unnamed; // controls of the preview without a name
    QObject watches;     // owns the watches for dialogs
    QTimer guard;        // closes a dialog nobody answers, so that the test fails instead of hanging

    Desk()
    {
        QDir::setCurrent(folder.path());
        printer.setForcePdf(true);
        printer.setPdfFolder(folder.path());
        printer.setPdfNotice([this](const QString& sentence) { notices << sentence; });
        letter.setWrittenNotice([this](const QString& sentence) { notices << sentence; });
        guard.setInterval(3000);
        QObject::connect(&guard, &QTimer::timeout, [this, last = QPointer<QWidget>{}]() mutable {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal != nullptr && modal == last)
                modal->close();
            last = modal;
        });
        guard.start();
        window = std::make_unique<MainWindow>(clock, printer, shell, letter);
        letter.attach(*window, printer);
        // "Als PDF speichern…" saves as brief-<n>.pdf, noting the name it proposed.
        letter.setPreviewHook([this](LetterPreview& preview) {
            unnamed << unnamedControls(preview);
            preview.setChooseFile([this](QWidget*, const QString& proposed) {
                proposedPaths << proposed;
                return QDir{folder.path()}.filePath(QStringLiteral("brief-%1.pdf").arg(proposedPaths.size()));
            });
        });
    }
    ~Desk()
    {
        window.reset();
        QDir::setCurrent(previousFolder);
    }

    // Born 10/03/1955, paid from 01/04/1990: enough for a letter.
    bool start()
    {
        window->start();
        if (!QTest::qWaitForWindowActive(window.get()))
            return false;
        for (const char* keys : {"10031955", "01041990"}) {
            QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(keys));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
        return window->jda().Datum(32).text == "01/04/1990";
    }
    void print()
    {
        QWidget* button = window->widget("Drucken");
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    }
    QStringList files() const { return QDir{folder.path()}.entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name); }
    QString file(const QString& name) const { return QDir{folder.path()}.filePath(name); }
};

} // namespace

class LetterDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
    }

    void previewSavesTheLetterUnderTheProposedName()
    {
        Desk d;
        Letterhead head;
        head.employer = "Stadt Musterstadt";
        QVERIFY(d.settings.setLetterhead(head));
        QVERIFY(d.settings.setLastAddressee({"Frau", "Anna Beispiel", "Gartenweg 3", "12345 Musterstadt"},
                                            "10/03/1955 01/04/1990"));
        QVERIFY(d.start());
        QString shownName;
        QString title;
        QStringList unnamed;
        whenShown<AddresseeDialog>(d.watches, [&](AddresseeDialog& dialog) {
            shownName = field(dialog, QStringLiteral("Name"))->text();
            title = dialog.windowTitle();
            unnamed << unnamedControls(dialog);
            whenShown<LetterPreview>(d.watches, [](LetterPreview& preview) { preview.saveAsPdf(); });
            dialog.accept();
        });
        d.print();

        QCOMPARE(shownName, QStringLiteral("Anna Beispiel"));
        QCOMPARE(title, QStringLiteral("Empfänger des Briefs – Geburtstag 10.03.1955"));
        QCOMPARE(d.proposedPaths, QStringList{d.file(QStringLiteral("Tarvolin-Brief-Anna-Beispiel-15-05-2008.pdf"))});
        QCOMPARE(d.files(), QStringList{"brief-1.pdf"});
        // The letter and the settings with the last addressee: for their owner only.
        for (const char* name : {"brief-1.pdf", "Tarvolin.conf"})
            QVERIFY2((QFileInfo{d.file(QString::fromLatin1(name))}.permissions() & QFileDevice::Permissions{0x0077}) ==
                         QFileDevice::Permissions{},
                     name);
        const QStringList lines = squeezedLines(pdfText(d.file(QStringLiteral("brief-1.pdf"))));
        QCOMPARE(lines.mid(0, 6), (QStringList{"Stadt Musterstadt 15.05.2008", "Personalstelle", "Frau", "Anna Beispiel",
                                               "Gartenweg 3", "12345 Musterstadt"}));
        // Where the letter went is said.
        QCOMPARE(d.notices, QStringList{QStringLiteral("Der Brief wurde als PDF-Datei gespeichert: %1")
                                            .arg(QDir::toNativeSeparators(d.file(QStringLiteral("brief-1.pdf"))))});
        QCOMPARE(d.window->jda().workIndex, 15);
        QVERIFY2(unnamed.isEmpty() && d.unnamed.isEmpty(), qPrintable((unnamed + d.unnamed).join(", ")));
    }

    // The last addressee is offered only for the case it was entered for:
    // another birthday or pay start starts the dialog empty, and the case
    // it was entered for offers it again.
    void theLastAddresseeOnlyForItsCase_data()
    {
        QTest::addColumn<QString>("enteredFor");
        QTest::addColumn<QString>("offered");
        QTest::newRow("the same case") << "10/03/1955 01/04/1990" << "Anna Beispiel";
        QTest::newRow("another birthday") << "11/03/1955 01/04/1990" << "";
        QTest::newRow("another pay start") << "10/03/1955 01/05/1990" << "";
        QTest::newRow("an older version kept no case") << "" << "";
    }
    void theLastAddresseeOnlyForItsCase()
    {
        QFETCH(QString, enteredFor);
        QFETCH(QString, offered);
        Desk d;
        QVERIFY(d.settings.setLastAddressee({"Frau", "Anna Beispiel", "Gartenweg 3", "12345 Musterstadt"},
                                            enteredFor.toStdString()));
        QVERIFY(d.start());
        QString shown = QStringLiteral("(no dialog)");
        QString street;
        whenShown<AddresseeDialog>(d.watches, [&](AddresseeDialog& dialog) {
            shown = field(dialog, QStringLiteral("Name"))->text();
            street = field(dialog, QStringLiteral("Straße und Hausnummer"))->text();
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        d.print();
        QCOMPARE(shown, offered);
        QCOMPARE(street.isEmpty(), offered.isEmpty());
        QVERIFY(d.files().isEmpty());
    }

    // A case of the staff list offers its row's addressee and names the
    // employee in the title; what the clerk enters there stays with that
    // window and never becomes the calculator's last addressee.
    void aListCaseOffersItsRow()
    {
        Desk d;
        QVERIFY(d.settings.setLastAddressee({"Frau", "Anna Beispiel", "", ""}, "10/03/1955 01/04/1990"));
        Addressee row;
        row.name = "Bernd Schulz";
        d.letter.setListCase(QStringLiteral("Schulz, Bernd, Personalnummer 1002"), row);
        QVERIFY(d.start());
        QStringList shown;
        QString title;
        whenShown<AddresseeDialog>(d.watches, [&](AddresseeDialog& dialog) {
            shown << field(dialog, QStringLiteral("Name"))->text();
            title = dialog.windowTitle();
            field(dialog, QStringLiteral("Straße und Hausnummer"))->setText(QStringLiteral("Ringstraße 1"));
            whenShown<LetterPreview>(d.watches, [](LetterPreview& preview) { QTest::keyClick(&preview, Qt::Key_Escape); });
            dialog.accept();
        });
        d.print();
        QString street;
        whenShown<AddresseeDialog>(d.watches, [&](AddresseeDialog& dialog) {
            shown << field(dialog, QStringLiteral("Name"))->text();
            street = field(dialog, QStringLiteral("Straße und Hausnummer"))->text();
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        d.print();
        QCOMPARE(shown, (QStringList{"Bernd Schulz", "Bernd Schulz"}));
        QCOMPARE(street, QStringLiteral("Ringstraße 1"));
        QCOMPARE(title, QStringLiteral("Empfänger des Briefs – Schulz, Bernd, Personalnummer 1002, Geburtstag 10.03.1955"));
        QCOMPARE(d.settings.lastAddressee().name, std::string{"Anna Beispiel"});
    }

    // Briefkopf… in the preview: the letter comes back with the new
    // letterhead, in the preview again even though the user has just chosen
    // to print without one. The next Drucken then prints at once, as the
    // program always did: no dialog, the PDF where there is no printer.
    void letterheadFromThePreviewAndThenPrintingDirectly()
    {
        Desk d;
        QVERIFY(d.start());
        int previews = 0;
        std::function<void(LetterPreview&)> second = [&](LetterPreview& preview) {
            ++previews;
            preview.saveAsPdf();
        };
        whenShown<AddresseeDialog>(d.watches, [&](AddresseeDialog& dialog) {
            whenShown<LetterPreview>(d.watches, [&](LetterPreview& preview) {
                ++previews;
                whenShown<LetterheadDialog>(d.watches, [&](LetterheadDialog& letterhead) {
                    QVERIFY(unnamedControls(letterhead).isEmpty());
                    field(letterhead, QStringLiteral("Arbeitgeber"))->setText(QStringLiteral("Neues Amt"));
                    letterhead.findChild<QCheckBox*>()->setChecked(true);
                    whenShown<LetterPreview>(d.watches, second);
                    letterhead.accept();
                });
                preview.changeLetterhead();
            });
            dialog.accept();
        });
        d.print();
        QCOMPARE(previews, 2);
        QCOMPARE(d.files(), QStringList{"brief-1.pdf"});
        QVERIFY(pdfText(d.file(QStringLiteral("brief-1.pdf"))).contains(QStringLiteral("Neues Amt")));
        QVERIFY(d.settings.printDirectly());

        d.print();
        // The file of a letter without a printer is named by the system's date, as always.
        const QString direct =
            QStringLiteral("Tarvolin-Brief-%1.pdf").arg(QDate::currentDate().toString(QStringLiteral("dd-MM-yyyy")));
        QCOMPARE(d.files(), (QStringList{direct, "brief-1.pdf"}));
        // Each file is named where it was written: the one saved from the
        // preview, the one written for want of a printer.
        QCOMPARE(d.notices.size(), 2);
        QVERIFY2(d.notices[0].endsWith(QDir::toNativeSeparators(d.file(QStringLiteral("brief-1.pdf")))), qPrintable(d.notices[0]));
        QVERIFY2(d.notices[1].endsWith(QDir::toNativeSeparators(d.file(direct))), qPrintable(d.notices[1]));
        QCOMPARE(previews, 2);
        const QStringList lines = squeezedLines(pdfText(d.file(direct)));
        QVERIFY(lines.contains(QStringLiteral("Neues Amt 15.05.2008")));
        QVERIFY(lines.contains(QStringLiteral("Herrn / Frau")));
    }

    void cancellingPrintsNothing_data()
    {
        QTest::addColumn<bool>("inThePreview");
        QTest::newRow("addressee dialog") << false;
        QTest::newRow("preview") << true;
    }
    void cancellingPrintsNothing()
    {
        QFETCH(bool, inThePreview);
        Desk d;
        QVERIFY(d.start());
        d.window->jda().workIndex = 3;
        whenShown<AddresseeDialog>(d.watches, [&](AddresseeDialog& dialog) {
            if (!inThePreview) {
                QTest::keyClick(&dialog, Qt::Key_Escape);
                return;
            }
            whenShown<LetterPreview>(d.watches, [](LetterPreview& preview) { QTest::keyClick(&preview, Qt::Key_Escape); });
            dialog.accept();
        });
        d.print();
        QVERIFY(d.files().isEmpty());
        QVERIFY(d.notices.isEmpty());
        QCOMPARE(d.window->jda().workIndex, 3);
    }

    void ctrlShiftPOpensTheLetterhead()
    {
        Desk d;
        QVERIFY(d.start());
        whenShown<LetterheadDialog>(d.watches, [](LetterheadDialog& dialog) {
            field(dialog, QStringLiteral("Aktenzeichen"))->setText(QStringLiteral("  11-22/2008  "));
            QTest::keyClick(field(dialog, QStringLiteral("Aktenzeichen")), Qt::Key_Return);
        });
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(d.settings.letterhead().fileReference, std::string{"11-22/2008"});
        QVERIFY(!d.settings.printDirectly());
        QVERIFY(d.files().isEmpty());
    }

    // Each field keeps its own text through the settings file (under the
    // keys older files have) and through the dialog, shown in the field of
    // its own label.
    void everyLetterheadFieldKeepsItsPlace()
    {
        const Letterhead head = typicalLetterhead();
        QTemporaryDir folder;
        const QString file = QDir{folder.path()}.filePath(QStringLiteral("Tarvolin.conf"));
        QVERIFY(LetterSettings{file}.setLetterhead(head));
        QVERIFY(LetterSettings{file}.letterhead() == head);

        const std::pair<const char*, const char*> stored[] = {
            {"Arbeitgeber", "Stadt Musterstadt"},
            {"Dienststelle", "Personalamt"},
            {"Absender1", "Marktplatz 1, 12345 Musterstadt"},
            {"Absender2", "Telefon 01234 5678-0"},
            {"Absender3", "personal@musterstadt.de"},
            {"Aktenzeichen", "11-22/2008"},
            {"Unterzeichner", "Erika Mustermann"},
            {"Funktion", "Leiterin des Personalamts"}};
        const QSettings ini{file, QSettings::IniFormat};
        for (const auto& [key, text] : stored)
            QCOMPARE(ini.value(QStringLiteral("Briefkopf/") + QLatin1String(key)).toString(), QString::fromUtf8(text));

        LetterheadDialog dialog{head, false, nullptr};
        QVERIFY(dialog.letterhead() == head);
        const std::pair<const char*, const char*> shown[] = {
            {"Arbeitgeber", "Stadt Musterstadt"},
            {"Dienststelle", "Personalamt"},
            {"Absender, Zeile 1", "Marktplatz 1, 12345 Musterstadt"},
            {"Absender, Zeile 2", "Telefon 01234 5678-0"},
            {"Absender, Zeile 3", "personal@musterstadt.de"},
            {"Aktenzeichen", "11-22/2008"},
            {"Unterzeichnet von", "Erika Mustermann"},
            {"Funktion", "Leiterin des Personalamts"}};
        for (const auto& [label, text] : shown) {
            QLineEdit* edit = field(dialog, QString::fromUtf8(label));
            QVERIFY2(edit != nullptr, label);
            QCOMPARE(edit->text(), QString::fromUtf8(text));
        }
    }

    // A settings file that is no settings file is neither read nor
    // overwritten, and the reason is there to be told.
    void aSettingsFileThatIsNoneIsLeftAlone()
    {
        QTemporaryDir folder;
        struct Row {
            const char* name;
            QByteArray bytes; // empty: a folder of that name
            const char* reason;
        };
        const Row rows[] = {
            {"an ordinary file", "[Empfaenger]\nName=Anna Beispiel\n", ""},
            {"100 MB are no settings", QByteArray(300 * 1024, 'x'), "zu groß"},
            {"a folder", QByteArray{}, "keine gewöhnliche Datei"},
        };
        // Refused or not, what the user is told at start says why.
        for (const Row& r : rows) {
            const QString file = folder.filePath(QString::fromLatin1(r.name).replace(QLatin1Char(' '), QLatin1Char('-')));
            if (r.bytes.isEmpty()) {
                QVERIFY(QDir{}.mkpath(file));
            } else {
                QFile out{file};
                QVERIFY(out.open(QIODevice::WriteOnly) && out.write(r.bytes) == r.bytes.size());
            }
            LetterSettings settings{file};
            QVERIFY2(settings.refusal().contains(QString::fromUtf8(r.reason)), r.name);
            QCOMPARE(settings.startNotice(), settings.refusal());
            if (*r.reason == '\0')
                continue;
            settings.setLastAddressee({"Herr", "Neu", "", ""}, "10/03/1955 01/04/1990");
            QVERIFY2(r.bytes.isEmpty() ? QFileInfo{file}.isDir() : QFileInfo{file}.size() == r.bytes.size(), r.name);
        }
    }

    // A file that is read but broken is not refused; the user is told at start.
    void aBrokenSettingsFileIsSaidAtStart()
    {
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("Tarvolin.conf"));
        QFile out{file};
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write("[Briefkopf\nAmt=Stadt\n") > 0);
        out.close();
        LetterSettings settings{file};
        QVERIFY(settings.refusal().isEmpty());
        QVERIFY2(settings.startNotice().contains(QStringLiteral("fehlerhaft")), qPrintable(settings.startNotice()));
    }

    void proposedPdfName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("proposed");
        QTest::newRow("a name") << "Anna Beispiel" << "Tarvolin-Brief-Anna-Beispiel-15-05-2008.pdf";
        QTest::newRow("no name") << "" << "Tarvolin-Brief-15-05-2008.pdf";
        QTest::newRow("signs a file name cannot hold")
            << " Müller/Schulz: \"A*B\" " << "Tarvolin-Brief-Müller-Schulz-A-B-15-05-2008.pdf";
    }
    void proposedPdfName()
    {
        QFETCH(QString, name);
        QFETCH(QString, proposed);
        QCOMPARE(tarvolin::proposedPdfName(name, QDate{2008, 5, 15}), proposed);
    }

    // A new file is created; a file that is there is replaced only because
    // the file dialog asked first, and then whole; a folder that is not
    // there is said in German.
    void savingNeverReplacesSilently()
    {
        QTemporaryDir folder;
        QtPrinter letter;
        LetterInput input = typicalLetter();
        letter.setPreview([&](const QtPrinter& shown) -> std::optional<QtPrinter::Shown> {
            const QString fresh = QDir{folder.path()}.filePath(QStringLiteral("neu.pdf"));
            const QString there = QDir{folder.path()}.filePath(QStringLiteral("alt.pdf"));
            QFile old{there};
            if (!old.open(QIODevice::WriteOnly) || old.write("alter Inhalt") < 0)
                return QtPrinter::Shown{DocumentFate::Withdrawn, "kein alter Brief"};
            old.close();
            const QString missing = QDir{folder.path()}.filePath(QStringLiteral("fehlt/brief.pdf"));
            const std::string failure = saveLetterPdf(shown, missing);
            if (!saveLetterPdf(shown, fresh).empty() || !saveLetterPdf(shown, there).empty() ||
                failure.rfind("Der Brief konnte nicht als PDF-Datei gespeichert werden", 0) != 0 ||
                QFileInfo::exists(missing))
                return QtPrinter::Shown{DocumentFate::Delivered, "falsch gespeichert: " + failure};
            return QtPrinter::Shown{};
        });
        QCOMPARE(QString::fromStdString(printLetter(input, letter).failure), QString{});
        for (const char* name : {"neu.pdf", "alt.pdf"})
            QVERIFY2(pdfText(QDir{folder.path()}.filePath(QString::fromLatin1(name)))
                         .contains(QStringLiteral("Festsetzung Ihres Jubiläumsdienstalters")),
                     name);
    }
};

QTEST_MAIN(LetterDialogsTest)
#include "letter_dialogs_test.moc"
