// The staff list as a PDF, read back with pdftotext: a long table runs over
// several pages, each with the column heads and "Seite n von m", and no word
// of any cell or note lies outside the page.

#include "qt/paper/pdf_file.h"
#include "qt/paper/staff_list_pdf.h"
#include "tests/support/file_size_limit.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <string>
#include <vector>


namespace tarvolin {
namespace {

QString pdfBoxes(const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

PrintableTable longTable()
{
    PrintableTable t;
    t.title = "Personalliste";
    t.subtitles = {"Stichtag: 15.05.2027", "Erstellt am 07.12.2026"};
    for (int c = 0; c < 20; ++c)
        t.columns.push_back(c == 1 ? "Kündigungs\xC2\xAD" "frist" : "Spalte" + std::to_string(c));
    for (int r = 0; r < 150; ++r) {
        std::vector<std::string> row;
        row.push_back("P" + std::to_string(1000 + r));
        row.push_back("nur aus wichtigem Grund kündbar");
        for (int c = 2; c < 20; ++c)
            row.push_back("01.04.2027");
        t.rows.push_back(row);
        t.rowNotes.push_back(r % 7 == 0 ? "Zeile " + std::to_string(r + 2)
                                              + ": Das Datum 28.02.1990 liegt   v o r   dem Datum 01.03.1990 und damit "
                                                "nicht in der richtigen Zeitrichtung. | noch ein Hinweis, der lang genug "
                                                "ist, um über die ganze Breite der Seite zu laufen und umzubrechen"
                                        : "");
    }
    return t;
}

QByteArray bytesOf(const QString& path)
{
    QFile file{path};
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray{};
}

} // namespace

class StaffListPdfTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
    }

    void everyPageHasHeadsAndNumberAndNothingLeavesThePage()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("liste.pdf"));
        QCOMPARE(QString::fromStdString(writeStaffListPdf(longTable(), path.toStdString())), QString{});
        const QString boxes = pdfBoxes(path);
        QVERIFY(!boxes.isEmpty());

        const QStringList pages = boxes.split(QStringLiteral("<page "), Qt::SkipEmptyParts).mid(1);
        QVERIFY(pages.size() >= 3);
        static const QRegularExpression pageSize{QStringLiteral(R"re(width="([0-9.]+)" height="([0-9.]+)")re")};
        static const QRegularExpression word{QStringLiteral(
            R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re")};
        int numbers = 0;
        for (int p = 0; p < pages.size(); ++p) {
            const auto size = pageSize.match(pages[p]);
            const double width = size.captured(1).toDouble();
            const double height = size.captured(2).toDouble();
            QVERIFY(width > height); // landscape
            QStringList words;
            for (auto it = word.globalMatch(pages[p]); it.hasNext();) {
                const auto m = it.next();
                words << m.captured(5);
                QVERIFY2(m.captured(1).toDouble() >= 20 && m.captured(3).toDouble() <= width - 20
                             && m.captured(4).toDouble() <= height - 20,
                         qPrintable(m.captured(5)));
                numbers += m.captured(5).startsWith(QStringLiteral("P1")) ? 1 : 0;
            }
            const QString text = words.join(QLatin1Char(' '));
            QVERIFY2(text.contains(QStringLiteral("Spalte19")), qPrintable(QString::number(p)));
            QVERIFY(text.contains(QStringLiteral("Seite %1 von %2").arg(p + 1).arg(pages.size())));
        }
        QCOMPARE(numbers, 150);
    }

    // The print dialog's "print to a PDF file" on a disk that fills up, and
    // over a read-only file: the old file keeps every byte, the failure is
    // told in German, and nothing is left beside it. With room it is written.
    void printingToAFileKeepsTheOldOneWhenItFails()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("liste.pdf"));
        const QByteArray old = "%PDF- ein alter, vollständiger Brief";
        QPrinter printer{QPrinter::HighResolution};
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        setStaffListPage(printer);
        const PrintableTable table = longTable();
        const auto paint = [&](QPagedPaintDevice& device, int) { return paintStaffList(table, device); };
        struct Row {
            const char* name;
            QFileDevice::Permissions permissions;
            rlim_t limit;
            const char* reason;
        };
        const Row rows[] = {
            {"the disk fills up", QFile::ReadOwner | QFile::WriteOwner, 8 * 1024, "die Datei wäre größer als erlaubt"},
            {"a read-only file", QFile::ReadOwner, RLIM_INFINITY, "schreibgeschützt"},
        };
        for (const Row& r : rows) {
            QFile::remove(path);
            QFile file{path};
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
            file.close();
            file.setPermissions(r.permissions);
            WriteResult written;
            {
                testing::FileSizeLimit limit{r.limit};
                written = printToPdfFile(printer, paint);
            }
            QVERIFY2(!written, r.name);
            QVERIFY2(QString::fromStdString(written.failure->sentence()).contains(QString::fromUtf8(r.reason)),
                     written.failure->sentence().c_str());
            QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
            QCOMPARE(bytesOf(path), old);
            QCOMPARE(QDir{dir.path()}.entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("liste.pdf")});
        }
        QVERIFY(printToPdfFile(printer, paint));
        QVERIFY(bytesOf(path).startsWith("%PDF-"));
        QVERIFY(pdfBoxes(path).contains(QStringLiteral("Spalte19")));
    }

    // Every PDF of the program is written by writePdfFile: whatever goes
    // wrong, the file that was there stays as it was and nothing else is
    // left beside it; only a whole PDF takes its place.
    void aPdfFileIsPutInPlaceOnlyWhenWhole()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("bericht.pdf"));
        const std::string file = QFile::encodeName(path).toStdString();
        const QByteArray old = "%PDF- ein alter Bericht";
        const PdfDocument document{300, staffListPage(), QStringLiteral("Bericht")};
        const auto onePage = [](QPdfWriter& writer) {
            QPainter painter{&writer};
            painter.drawText(100, 100, QStringLiteral("Seite eins"));
            return painter.end();
        };
        struct Row {
            const char* name;
            std::function<bool(QPdfWriter&)> paint;
            std::function<std::string()> givenUp;
            std::string answer; // "" when the new file is in place
        };
        const std::vector<Row> rows{
            {"the painting fails", [](QPdfWriter&) { return false; }, {}, cannotWrite(file)},
            {"nothing was painted", [](QPdfWriter&) { return true; }, {}, cannotWrite(file)},
            {"given up after the painting", onePage, [] { return std::string{"Abgebrochen."}; }, "Abgebrochen."},
            {"a whole page", onePage, [] { return std::string{}; }, ""},
        };
        for (const Row& r : rows) {
            QFile::remove(path);
            QFile existing{path};
            QVERIFY(existing.open(QIODevice::WriteOnly) && existing.write(old) == old.size());
            existing.close();
            const std::string answer = writePdfFile(file, document, r.paint, r.givenUp);
            QVERIFY2(answer.starts_with(r.answer) && (r.answer.empty() == answer.empty()), r.name);
            QCOMPARE(QDir{dir.path()}.entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("bericht.pdf")});
            if (r.answer.empty())
                QVERIFY2(pdfBoxes(path).contains(QStringLiteral("Seite")), r.name);
            else
                QVERIFY2(bytesOf(path) == old, r.name);
        }
    }
};

} // namespace tarvolin

QTEST_MAIN(tarvolin::StaffListPdfTest)
#include "staff_list_pdf_test.moc"
