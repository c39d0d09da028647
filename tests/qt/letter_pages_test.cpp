// Laid-out letters painted on the pages of one PDF, as a print of several
// cases does it: each letter on its own page exactly as it stands in a PDF
// of its own, whatever the letter before it was (drawn smaller to stay on
// one page, or not).

#include "output/letter_layout.h"
#include "qt/paper/layout_painter.h"
#include "qt/letter/qt_printer.h"
#include "qt/paper/qt_text_measure.h"
#include "tests/qt/pdf_reading.h"
#include "tests/support/typical_letter.h"

#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QtTest>

#include <vector>

using namespace tarvolin;
using namespace tarvolin::testing;

namespace {

constexpr int resolution = 1200;

// Paints the letters into a PDF at `path`, one after the other, each from a
// new page; false when the writer refused.
bool writeLetters(const QString& path, const std::vector<LetterInput>& letters)
{
    QFile file{path};
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QPdfWriter writer{&file};
    writer.setResolution(resolution);
    writer.setPageLayout(QtPrinter::pdfPageLayout());
    const QtTextMeasure measure{writer, resolution};
    QPainter painter{&writer};
    bool first = true;
    for (const LetterInput& letter : letters) {
        const DocumentLayout layout = layOutLetter(letter, printArea(writer, resolution), measure);
        for (int page = 0; page < layout.pages; ++page) {
            if (!std::exchange(first, false) && !writer.newPage())
                return false;
            paintLayoutPage(painter, layout, page);
        }
    }
    return painter.end();
}

// The words of one page (from 1) of the PDF.
std::vector<PdfWord> wordsOfPage(const QString& path, int page)
{
    std::vector<PdfWord> words;
    for (const PdfWord& w : pdfWords(path))
        if (w.page == page)
            words.push_back(w);
    return words;
}

LetterInput smallerToFit()
{
    LetterInput l = typicalLetter();
    for (int k = 1; k <= 14; ++k)
        setLetterRow(l, k, "01/01/1970", "31/12/1970", "Musterstadt, Abteilung Personal und Organisation", true,
                     {"0", "0", "1"});
    l.addressee = {"Herrn", "Max Muster", "Am Weg 1", "12345 Musterstadt"};
    return l;
}

} // namespace

class LetterPagesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
    }

    void eachLetterOnItsPageAsInAPdfOfItsOwn_data()
    {
        QTest::addColumn<bool>("smallerFirst");
        QTest::newRow("after a letter drawn smaller") << true;
        QTest::newRow("before a letter drawn smaller") << false;
    }
    void eachLetterOnItsPageAsInAPdfOfItsOwn()
    {
        QFETCH(bool, smallerFirst);
        const LetterInput plain = typicalLetter();
        const LetterInput smaller = smallerToFit();
        const std::vector<LetterInput> letters =
            smallerFirst ? std::vector<LetterInput>{smaller, plain} : std::vector<LetterInput>{plain, smaller};
        QTemporaryDir folder;
        const QString both = folder.filePath(QStringLiteral("beide.pdf"));
        QVERIFY(writeLetters(both, letters));
        QCOMPARE(pdfPages(both), 2);

        for (int i = 0; i < 2; ++i) {
            const QString alone = folder.filePath(QStringLiteral("allein-%1.pdf").arg(i));
            QVERIFY(writeLetters(alone, {letters[static_cast<std::size_t>(i)]}));
            QCOMPARE(pdfPages(alone), 1);
            const std::vector<PdfWord> expected = wordsOfPage(alone, 1);
            const std::vector<PdfWord> actual = wordsOfPage(both, i + 1);
            QCOMPARE(actual.size(), expected.size());
            for (std::size_t w = 0; w < actual.size(); ++w) {
                QCOMPARE(actual[w].text, expected[w].text);
                QVERIFY2(std::abs(actual[w].box.left() - expected[w].box.left()) < 0.01 &&
                             std::abs(actual[w].box.top() - expected[w].box.top()) < 0.01 &&
                             std::abs(actual[w].box.height() - expected[w].box.height()) < 0.01,
                         qPrintable(QStringLiteral("letter %1, %2").arg(i + 1).arg(actual[w].text)));
            }
        }
    }

    // The letter as QtPrinter writes it is the letter laid out and painted here.
    void theDesktopPrinterPaintsTheSameLayout()
    {
        QTemporaryDir folder;
        QtPrinter printer;
        printer.setForcePdf(true);
        printer.setPdfFolder(folder.path());
        printer.setPdfNotice({});
        QVERIFY(printLetter(smallerToFit(), printer).failure.empty());
        const QString laidOut = folder.filePath(QStringLiteral("gelegt.pdf"));
        QVERIFY(writeLetters(laidOut, {smallerToFit()}));
        const std::vector<PdfWord> expected = pdfWords(printer.lastPdfPath());
        const std::vector<PdfWord> actual = pdfWords(laidOut);
        QCOMPARE(actual.size(), expected.size());
        for (std::size_t w = 0; w < actual.size(); ++w)
            QVERIFY2(actual[w].text == expected[w].text && actual[w].box == expected[w].box,
                     qPrintable(actual[w].text));
    }
};

QTEST_MAIN(LetterPagesTest)
#include "letter_pages_test.moc"
