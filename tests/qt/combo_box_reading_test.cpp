// A drop-down list is read by its label's name with the chosen entry as its
// value: the addressee dialog's "Anrede" must not be read as "Frau".

#include "qt/desktop/combo_box_accessible.h"
#include "qt/letter/addressee_dialog.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QtTest>

using namespace tarvolin;

class ComboBoxReadingTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installComboBoxAccessible(); }
    void readsNameAndChosenEntry_data();
    void readsNameAndChosenEntry();
    void theAddresseeDialogsSalutation();
    void opensItsListOnRequest();
};

void ComboBoxReadingTest::readsNameAndChosenEntry_data()
{
    QTest::addColumn<QString>("accessibleName");
    QTest::addColumn<bool>("nameFirst");
    QTest::addColumn<QString>("expectedName");
    QTest::newRow("named before its entries") << "Anrede" << true << "Anrede";
    QTest::newRow("named after its entries") << "Anrede" << false << "Anrede";
    QTest::newRow("without a name: read after its entry") << "" << false << "Herrn";
}

void ComboBoxReadingTest::readsNameAndChosenEntry()
{
    QFETCH(QString, accessibleName);
    QFETCH(bool, nameFirst);
    QFETCH(QString, expectedName);
    QComboBox box;
    if (nameFirst)
        box.setAccessibleName(accessibleName);
    box.addItems({QStringLiteral("Frau"), QStringLiteral("Herrn"), QStringLiteral("ohne Anrede")});
    // Asked once before the name is given, as the entries' own events do.
    QAccessibleInterface* read = QAccessible::queryAccessibleInterface(&box);
    QVERIFY(read != nullptr);
    if (!nameFirst)
        box.setAccessibleName(accessibleName);
    box.setCurrentIndex(1);
    QCOMPARE(read->role(), QAccessible::ComboBox);
    QCOMPARE(read->text(QAccessible::Name), expectedName);
    QCOMPARE(read->text(QAccessible::Value), QStringLiteral("Herrn"));
    QCOMPARE(read->childCount(), 1);
    QCOMPARE(read->child(0)->object(), box.view());
    QCOMPARE(read->indexOfChild(read->child(0)), 0);
}

void ComboBoxReadingTest::theAddresseeDialogsSalutation()
{
    AddresseeDialog dialog{Addressee{.salutation = "Frau"}, QString{}, nullptr};
    auto* box = dialog.findChild<QComboBox*>();
    QVERIFY(box != nullptr);
    QAccessibleInterface* read = QAccessible::queryAccessibleInterface(box);
    QCOMPARE(read->text(QAccessible::Name), QStringLiteral("Anrede"));
    QCOMPARE(read->text(QAccessible::Value), QStringLiteral("Frau"));
}

void ComboBoxReadingTest::opensItsListOnRequest()
{
    QComboBox box;
    box.setAccessibleName(QStringLiteral("Anrede"));
    box.addItems({QStringLiteral("Frau"), QStringLiteral("Herrn")});
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QAccessibleInterface* read = QAccessible::queryAccessibleInterface(&box);
    QVERIFY(read->actionInterface() != nullptr);
    QVERIFY(read->actionInterface()->actionNames().contains(QAccessibleActionInterface::showMenuAction()));
    read->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
    QTRY_VERIFY(box.view()->isVisible());
    QVERIFY(read->state().expanded);
    read->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
    QTRY_VERIFY(!box.view()->isVisible());
}

QTEST_MAIN(ComboBoxReadingTest)
#include "combo_box_reading_test.moc"
