// The drawn window as a whole: it renders at the table's size, no two
// visible controls of a line overlap (the employment-period panel is meant to
// cover the results and is looked at on its own), every caption and date fits
// its control, and every input and result has a German accessible name.

#include "qt/calculator_window/date_edit.h"
#include "tests/qt/window_fixture.h"

#include <QImage>
#include <QSet>

using namespace tarvolin;
using namespace tarvolin::testing;

namespace {

struct Drawn {
    QString name;
    QRect rect; // in the window's pixels
    QWidget* widget;
};

// The visible controls that a user can see, each in window coordinates.
// Controls that lie mostly under the visible panel Aufkleber are covered and
// left out; the panel itself counts as one control.
std::vector<Drawn> visibleControls(WindowFixture& f)
{
    QWidget* panel = f.widget("Aufkleber");
    const QRect panelRect = panel->isVisible() ? panel->geometry() : QRect{};
    std::vector<Drawn> drawn;
    for (const ControlDesign& design : controlTable) {
        if (design.kind == ControlKind::Image || design.kind == ControlKind::PictureBox)
            continue;
        QWidget* w = f.widget(design.name, design.index);
        if (!w->isVisible())
            continue;
        const QRect r{w->mapTo(f.window.get(), QPoint{0, 0}), w->size()};
        const bool onPanel = w->parentWidget() == panel;
        const QRect covered = panelRect.intersected(r);
        if (!onPanel && w != panel && covered.width() * covered.height() * 2 > r.width() * r.height())
            continue;
        drawn.push_back({w->objectName(), r, w});
    }
    for (QWidget* badge : f.window->findChildren<QWidget*>(QRegularExpression{QStringLiteral("^badge")}))
        if (badge->isVisible() && !panelRect.intersects(badge->geometry()))
            drawn.push_back({badge->objectName(), badge->geometry(), badge});
    return drawn;
}

// Text wider than its label, or wrapped text taller than it, is cut off.
QString clipped(const Drawn& d)
{
    if (auto* label = qobject_cast<QLabel*>(d.widget)) {
        const QRect room = label->contentsRect().adjusted(label->indent() > 0 ? label->indent() : 0, 0, 0, 0);
        const QFontMetrics fm{label->font()};
        const bool fits = label->wordWrap()
                              ? label->heightForWidth(label->width()) <= label->height()
                              : fm.horizontalAdvance(label->text()) <= room.width() && fm.height() <= room.height() + 2;
        return fits ? QString{} : d.name + QStringLiteral(" \"") + label->text() + QLatin1Char('"');
    }
    if (auto* field = qobject_cast<QLineEdit*>(d.widget)) {
        const QMargins m = field->textMargins();
        const int room = field->width() - m.left() - m.right() - 4;
        const QString sample = dynamic_cast<DateEdit*>(field) ? QStringLiteral("00/00/0000") : field->text().trimmed();
        return QFontMetrics{field->font()}.horizontalAdvance(sample) <= room ? QString{} : d.name;
    }
    return {};
}

} // namespace

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void controlsDoNotOverlapAndTextsFit_data();
    void controlsDoNotOverlapAndTextsFit();
    void inputsAndResultsHaveGermanNames();
};

void LayoutTest::controlsDoNotOverlapAndTextsFit_data()
{
    QTest::addColumn<bool>("employmentView");
    QTest::newRow("anniversaries") << false;
    QTest::newRow("employment period and notice") << true;
}

void LayoutTest::controlsDoNotOverlapAndTextsFit()
{
    QFETCH(bool, employmentView);
    WindowFixture f;
    QVERIFY(f.start());
    for (const char* keys : {"10031955", "01041990", "01091980", "31081983"}) {
        f.type(QString::fromLatin1(keys));
        f.enter();
    }
    // Bold dates are the widest a date gets. (A prior period that the
    // check takes, as the click on "benötigt bis" settles it.)
    f.click(f.widget("Datum", 4));
    f.type(QStringLiteral("28021985"));
    if (employmentView)
        f.click(f.widget("Label7"));
    QCOMPARE(f.widget("Aufkleber")->isVisible(), employmentView);

    const QImage shot = f.window->grab().toImage();
    QCOMPARE(shot.size(), f.window->size());
    QCOMPARE(shot.width(), 740);
    QVERIFY(shot.height() >= 627);
    QSet<QRgb> colours;
    for (int y = 0; y < shot.height(); y += 7)
        for (int x = 0; x < shot.width(); x += 7)
            colours.insert(shot.pixel(x, y));
    QVERIFY2(colours.size() > 20, "the window rendered nearly blank");

    const auto drawn = visibleControls(f);
    QStringList overlaps;
    QStringList cut;
    for (std::size_t a = 0; a < drawn.size(); ++a) {
        if (const QString c = clipped(drawn[a]); !c.isEmpty())
            cut << c;
        if (!f.window->rect().contains(drawn[a].rect))
            cut << drawn[a].name + QStringLiteral(" reaches out of the window");
        for (std::size_t b = a + 1; b < drawn.size(); ++b) {
            const bool panelAndChild = drawn[a].widget->isAncestorOf(drawn[b].widget)
                                       || drawn[b].widget->isAncestorOf(drawn[a].widget);
            if (!panelAndChild && drawn[a].rect.intersects(drawn[b].rect))
                overlaps << drawn[a].name + QStringLiteral(" / ") + drawn[b].name;
        }
    }
    QVERIFY2(overlaps.isEmpty(), qPrintable(overlaps.join(QStringLiteral(", "))));
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral(", "))));
    QVERIFY(f.watchdog.unexpected().isEmpty());
}

void LayoutTest::inputsAndResultsHaveGermanNames()
{
    WindowFixture f;
    QSet<QString> names;
    QStringList missing;
    for (const ControlDesign& design : controlTable) {
        const bool input = design.kind == ControlKind::DateField || design.kind == ControlKind::TextBox
                           || design.kind == ControlKind::Check || design.kind == ControlKind::Option
                           || design.kind == ControlKind::Button;
        const bool result = design.kind == ControlKind::Panel || design.name == "Termin" || design.name == "Ziel"
                            || design.name == "Label9" || design.name == "Label14" || design.name == "Zähler";
        if (!input && !result)
            continue;
        const QString name = f.widget(design.name, design.index)->accessibleName();
        if (name.isEmpty() || names.contains(name))
            missing << QString::fromStdString(controlName(design)) + QStringLiteral(" \"%1\"").arg(name);
        names.insert(name);
    }
    QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("missing or repeated: ") + missing.join(", ")));
    QCOMPARE(f.widget("Datum", 0)->accessibleName(), QStringLiteral("Geburtstag"));
    QCOMPARE(f.widget("Datum", 7)->accessibleName(), QStringLiteral("Zeitraum 3 bis"));
    QCOMPARE(f.widget("Eingabe", 3)->accessibleName(), QStringLiteral("Beschreibung Zeitraum 3"));
    QCOMPARE(f.widget("box", 3)->accessibleName(), QStringLiteral("Öffentlicher Dienst Zeitraum 3"));
    QCOMPARE(f.widget("Datum", 33)->accessibleName(), QStringLiteral("25-jähriges Dienstjubiläum"));
    QCOMPARE(f.widget("Datum", 31)->accessibleName(), QStringLiteral("Stichtag (benötigt bis)"));
}

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
