#pragma once
// Reading a letter's PDF back for the tests, with poppler-utils: its text
// (pdftotext -layout), its lines squeezed, the boxes of its words
// (pdftotext -bbox) and its pages.

#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <vector>

namespace tarvolin::testing {

inline QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline QString pdfText(const QString& path) { return run(QStringLiteral("pdftotext"), {"-layout", path, "-"}); }

inline int pdfPages(const QString& path)
{
    static const QRegularExpression pages{QStringLiteral(R"(Pages:\s+(\d+))")};
    const auto m = pages.match(run(QStringLiteral("pdfinfo"), {path}));
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

// The lines of the text that are not blank, with runs of blanks squeezed.
inline QStringList squeezedLines(const QString& text)
{
    QStringList lines;
    for (QString line : text.split(QLatin1Char('\n'))) {
        line = line.simplified();
        if (!line.isEmpty())
            lines << line;
    }
    return lines;
}

// A word of the PDF with its box in points and its page (from 1).
struct PdfWord {
    int page;
    QRectF box;
    QString text;
};

inline std::vector<PdfWord> pdfWords(const QString& path)
{
    const QString html = run(QStringLiteral("pdftotext"), {"-bbox", path, "-"});
    static const QRegularExpression item{QStringLiteral(
        R"re(<page |<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re")};
    std::vector<PdfWord> words;
    int page = 0;
    for (auto it = item.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(0) == QStringLiteral("<page ")) {
            ++page;
            continue;
        }
        QString text = m.captured(5);
        text.replace(QStringLiteral("&amp;"), QStringLiteral("&"))
            .replace(QStringLiteral("&lt;"), QStringLiteral("<"))
            .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
            .replace(QStringLiteral("&quot;"), QStringLiteral("\""));
        words.push_back({page,
                         QRectF{QPointF{m.captured(1).toDouble(), m.captured(2).toDouble()},
                                QPointF{m.captured(3).toDouble(), m.captured(4).toDouble()}},
                         text});
    }
    return words;
}

// The box of a word (the occurrence-th equal to `word`) in points; an empty
// box when it is missing.
inline QRectF wordBox(const QString& path, const QString& word, int occurrence = 0)
{
    int seen = 0;
    for (const PdfWord& w : pdfWords(path))
        if (w.text == word && seen++ == occurrence)
            return w.box;
    return {};
}

// The printable area starts at the PDF's margin of 10 mm = 28.35 pt.
constexpr double marginPoints = 28.35;
constexpr double pointsOfTwips(int twips) { return twips / 20.0; }

} // namespace tarvolin::testing
