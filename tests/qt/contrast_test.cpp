// Every colour pair the windows show, read from the real widgets in the
// program's style, with its contrast: text needs 4.5:1, the parts of
// controls (the focus frame, the red frame of a refused date) 3:1. The
// typical case with its prior period is typed, so that the yellow and grey
// anniversaries and the marked notice tier are on screen. A disabled
// control is listed but exempt (the rules ask nothing of an inactive one).
// The test prints the table: pair, colours, ratio, minimum.

#include "qt/calculator_window/pictures.h"
#include "qt/desktop/window_style.h"
#include "qt/staff_list_window/staff_list_window.h"
#include "qt/staff_list_window/staff_table_model.h"
#include "tests/qt/window_fixture.h"
#include "window/contrast.h"

#include "qt/staff_list_window/frozen_table_view.h"

#include <QLineEdit>
#include <QSettings>
#include <QToolTip>

using namespace tarvolin;
using namespace tarvolin::testing;

namespace {

std::uint32_t rgb(const QColor& c) { return static_cast<std::uint32_t>(c.rgb()) & 0xFFFFFF; }

// A half-transparent colour (Fusion's placeholder text) as it shows on its ground.
QColor over(const QColor& front, const QColor& back)
{
    const double a = front.alphaF();
    return QColor::fromRgbF(static_cast<float>(front.redF() * a + back.redF() * (1 - a)),
                            static_cast<float>(front.greenF() * a + back.greenF() * (1 - a)),
                            static_cast<float>(front.blueF() * a + back.blueF() * (1 - a)));
}

QColor colour(const QWidget* w, QPalette::ColorRole role, QPalette::ColorGroup group = QPalette::Active)
{
    return w->palette().color(group, role);
}

struct Pair {
    const char* name;
    QColor front;
    QColor back;
    double minimum; // 0: listed, exempt
};

} // namespace

class ContrastTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setStyle(new WindowStyle); }
    void everyPairReachesItsMinimum();
};

void ContrastTest::everyPairReachesItsMinimum()
{
    WindowFixture f;
    QVERIFY(f.startTypicalCase(WindowFixture::PriorPeriod::With));
    const auto w = [&](const char* name, int index = -1) { return f.widget(name, index); };
    QCOMPARE(rgb(colour(w("Datum", 33), QPalette::Base)), anniversaryReached);
    QCOMPARE(rgb(colour(w("Datum", 34), QPalette::Base)), anniversaryNotReached);

    QTemporaryDir folder;
    QSettings settings{folder.filePath(QStringLiteral("t.ini")), QSettings::IniFormat};
    tarvolin::FixedClock clock{*Date::fromYmd(2026, 12, 7)};
    StaffListWindow list{clock, settings, folder.path()};
    const auto* reference = list.findChild<QLineEdit*>(QStringLiteral("referenceDate"));

    const QColor white{Qt::white};
    const QList<Pair> pairs{
        {"Datum: Text auf Weiß", colour(w("Datum", 0), QPalette::Text), colour(w("Datum", 0), QPalette::Base), textContrast},
        {"Dienstjubiläum erreicht: Text auf Gelb", colour(w("Datum", 33), QPalette::Text),
         colour(w("Datum", 33), QPalette::Base), textContrast},
        {"Dienstjubiläum nach dem Ruhestand: Text auf Grau", colour(w("Datum", 34), QPalette::Text),
         colour(w("Datum", 34), QPalette::Base), textContrast},
        {"zutreffende Kündigungsfrist: Text auf Hellgelb", colour(w("Kündigung", 6), QPalette::WindowText),
         QColor{QRgb{tierMarked}}, textContrast},
        {"übrige Kündigungsfristen: Text auf Weiß", colour(w("Kündigung", 0), QPalette::WindowText),
         colour(w("Kündigung", 0), QPalette::Window), textContrast},
        {"Beschriftung auf dem Fenstergrund", colour(w("Label10"), QPalette::WindowText), colours::windowBackground,
         textContrast},
        {"Ergebnisfeld: Zahl auf Weiß", colour(w("Jahr", 1), QPalette::WindowText), colour(w("Jahr", 1), QPalette::Window),
         textContrast},
        {"Beschreibung: Text auf Weiß", colour(w("Eingabe", 1), QPalette::Text), colour(w("Eingabe", 1), QPalette::Base),
         textContrast},
        {"Schaltfläche: Beschriftung", colour(w("Drucken"), QPalette::ButtonText), colour(w("Drucken"), QPalette::Button),
         textContrast},
        {"Hinweis unter dem Mauszeiger", QToolTip::palette().color(QPalette::ToolTipText),
         QToolTip::palette().color(QPalette::ToolTipBase), textContrast},
        {"Fokusrahmen auf Weiß", colours::accent, white, partContrast},
        {"Fokusrahmen auf dem Fenstergrund", colours::accent, colours::windowBackground, partContrast},
        {"roter Rahmen eines abgewiesenen Datums", colours::refusal, colour(w("Datum", 0), QPalette::Base), partContrast},
        {"Personalliste: Zeile mit Hinweisen", colour(&list.table(), QPalette::Text), StaffTableModel::notesBackground,
         textContrast},
        {"Personalliste: Zeile mit Hinweisen zu den Daten", colour(&list.table(), QPalette::Text),
         StaffTableModel::dateNotesBackground, textContrast},
        {"Personalliste: Zeile ohne Ergebnis", colour(&list.table(), QPalette::Text),
         StaffTableModel::uncomputedBackground, textContrast},
        {"Personalliste: Platzhalter „heute“", colour(reference, QPalette::PlaceholderText), colour(reference, QPalette::Base),
         textContrast},
        {"nicht verfügbare Beschriftung (ausgenommen)", colour(w("Drucken"), QPalette::ButtonText, QPalette::Disabled),
         colour(w("Drucken"), QPalette::Button, QPalette::Disabled), 0},
    };
    QStringList failing;
    for (const Pair& p : pairs) {
        const QColor front = over(p.front, p.back);
        const double ratio = contrastRatio(rgb(front), rgb(p.back));
        qInfo("%-55s %s auf %s  %5.2f:1  (mindestens %.1f)", p.name, qPrintable(front.name()),
              qPrintable(p.back.name()), ratio, p.minimum);
        if (ratio < p.minimum)
            failing << p.name;
    }
    QVERIFY2(failing.isEmpty(), qPrintable(failing.join(QStringLiteral(", "))));
}

QTEST_MAIN(ContrastTest)
#include "contrast_test.moc"
