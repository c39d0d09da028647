#include "qt/letter/letter_preview.h"

#include "qt/letter/dialog_fields.h"
#include "qt/paper/pdf_file.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QVBoxLayout>

#include <filesystem>

namespace tarvolin {

namespace {

// The page the letter goes on: the default printer's, or, where there is
// none, the PDF's A4.
std::unique_ptr<QPrinter> pagePrinter()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (!info.isNull())
        return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setPageLayout(QtPrinter::pdfPageLayout());
    return printer;
}

QString chooseWithFileDialog(QWidget* parent, const QString& proposedPath)
{
    QFileDialog dialog{parent, QStringLiteral("Brief als PDF speichern"), QFileInfo{proposedPath}.absolutePath(),
                       QStringLiteral("PDF-Dateien (*.pdf)")};
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile(QFileInfo{proposedPath}.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QPushButton* addButton(QHBoxLayout& row, const QString& text, const QString& hint)
{
    auto* button = new QPushButton{text};
    button->setAccessibleName(withoutMnemonic(text));
    button->setToolTip(hint);
    row.addWidget(button);
    return button;
}

std::string notSaved(const QString& path, const char* reason, const WriteFailure& failure)
{
    return QStringLiteral("Der Brief konnte nicht als PDF-Datei gespeichert werden, weil %1 (%2).")
        .arg(QString::fromUtf8(reason).arg(QDir::toNativeSeparators(path)), QString::fromStdString(failure.reason()))
        .toStdString();
}

} // namespace

QString proposedPdfName(const QString& name, const QDate& day)
{
    static const QString unfit = QStringLiteral("/\\:*?\"<>|");
    QString part;
    for (const QChar c : name.simplified())
        part += (c.isSpace() || c.category() == QChar::Other_Control || unfit.contains(c)) ? QChar{u'-'} : c;
    part.replace(QRegularExpression{QStringLiteral("-{2,}")}, QStringLiteral("-"));
    while (part.startsWith(QLatin1Char('-')))
        part.remove(0, 1);
    while (part.endsWith(QLatin1Char('-')))
        part.chop(1);
    const QString date = day.toString(QStringLiteral("dd-MM-yyyy"));
    return part.isEmpty() ? QStringLiteral("Tarvolin-Brief-%1.pdf").arg(date)
                          : QStringLiteral("Tarvolin-Brief-%1-%2.pdf").arg(part, date);
}

std::string saveLetterPdf(const QtPrinter& letter, const QString& path)
{
    const std::filesystem::path target{QFile::encodeName(path).toStdString()};
    const QFileInfo there{path};
    // The user agreed to replace a file that is there; one that appears
    // while the letter is written is left alone.
    const bool replace = there.exists() || there.isSymLink();
    SafeFile file{target, {.refuseReadOnly = true}};
    if (!file.ok() && file.failure()->step == WriteStep::CheckTarget)
        return notSaved(path, "die Datei „%1“ schreibgeschützt ist; sie bleibt unverändert", *file.failure());
    if (!file.ok())
        return notSaved(path, "sich die Datei „%1“ nicht anlegen ließ", *file.failure());
    letter.writePdf(file);
    const WriteResult written = replace ? file.commit() : file.commitNew(target);
    if (written)
        return {};
    if (!replace && written.failure->error == EEXIST)
        return notSaved(path, "es die Datei „%1“ inzwischen gibt; sie bleibt unverändert", *written.failure);
    if (written.failure->step == WriteStep::Replace)
        return notSaved(path, "sich die Datei „%1“ nicht ersetzen ließ", *written.failure);
    return notSaved(path, "sich die Datei „%1“ nicht schreiben ließ", *written.failure);
}

LetterPreview::LetterPreview(const QtPrinter& letter, const QString& proposedName, QWidget* parent)
    : QDialog{parent}, letter_{letter}, proposedName_{proposedName}, pagePrinter_{pagePrinter()},
      chooseFile_{chooseWithFileDialog}
{
    setObjectName(QStringLiteral("Vorschau"));
    setWindowTitle(QStringLiteral("Vorschau des Briefs"));

    view_ = new QPrintPreviewWidget{pagePrinter_.get(), this};
    view_->setObjectName(QStringLiteral("Seite"));
    view_->setAccessibleName(QStringLiteral("Vorschau des Briefs"));
    view_->setZoomMode(QPrintPreviewWidget::FitInView);
    view_->setAccessibleDescription(
        QStringLiteral("Die Seite als Bild; „Text anzeigen“ (Alt+T) zeigt den Text des Briefs"));
    // The page's own view takes the focus (arrows and page keys scroll it).
    for (QWidget* inner : view_->findChildren<QWidget*>())
        if (inner->focusPolicy() != Qt::NoFocus)
            inner->setAccessibleName(view_->accessibleName());
    connect(view_, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter* page) { letter_.paint(*page, page->resolution()); });

    auto* row = new QHBoxLayout;
    QPushButton* print = addButton(*row, QStringLiteral("&Drucken…"),
                                   QStringLiteral("Den Brief drucken; der Druckdialog zeigt den Standarddrucker."));
    QPushButton* save = addButton(*row, QStringLiteral("Als &PDF speichern…"),
                                  QStringLiteral("Den Brief als PDF-Datei speichern"));
    QPushButton* letterhead = addButton(*row, QStringLiteral("&Briefkopf…"),
                                        QStringLiteral("Briefkopf und Unterzeichner einstellen (Strg+Umschalt+P)"));
    QPushButton* larger = addButton(*row, QStringLiteral("Ver&größern"), QStringLiteral("Die Seite größer zeigen"));
    QPushButton* smaller = addButton(*row, QStringLiteral("Ver&kleinern"), QStringLiteral("Die Seite kleiner zeigen"));
    textButton_ = addButton(*row, QStringLiteral("&Text anzeigen"),
                            QStringLiteral("Den Text des Briefs statt der Seite zeigen, zum Vorlesen"));
    row->addStretch();
    QPushButton* cancel = addButton(*row, QStringLiteral("Abbrechen"),
                                    QStringLiteral("Nichts drucken und zum Fenster zurückkehren (Esc)"));
    print->setDefault(true);
    connect(print, &QPushButton::clicked, this, &LetterPreview::printWithDialog);
    connect(save, &QPushButton::clicked, this, &LetterPreview::saveAsPdf);
    connect(letterhead, &QPushButton::clicked, this, &LetterPreview::changeLetterhead);
    connect(larger, &QPushButton::clicked, view_, [this] { view_->zoomIn(); });
    connect(smaller, &QPushButton::clicked, view_, [this] { view_->zoomOut(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(textButton_, &QPushButton::clicked, this, [this] { showText(view_->isVisible()); });

    // The page as text, in reading order; Tab leaves it for the buttons.
    text_ = new QPlainTextEdit{letter.readingText()};
    text_->setObjectName(QStringLiteral("Text"));
    text_->setAccessibleName(QStringLiteral("Text des Briefs"));
    text_->setReadOnly(true);
    text_->setTabChangesFocus(true);
    text_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    text_->hide();

    auto* layout = new QVBoxLayout{this};
    layout->addWidget(view_, 1);
    layout->addWidget(text_, 1);
    layout->addLayout(row);

    // A page about as tall as the screen allows.
    const QRect screen = (parent && parent->screen() ? parent->screen() : QGuiApplication::primaryScreen())->availableGeometry();
    resize(std::min(screen.width(), screen.height() * 3 / 4), screen.height() * 9 / 10);
    print->setFocus();
}

LetterPreview::~LetterPreview()
{
    // The page view paints from the page printer: it goes first, while the
    // printer is still there.
    delete view_;
}

// The text instead of the page, or the page again.
void LetterPreview::showText(bool shown)
{
    view_->setVisible(!shown);
    text_->setVisible(shown);
    const QString label = shown ? QStringLiteral("Sei&te anzeigen") : QStringLiteral("&Text anzeigen");
    textButton_->setText(label);
    textButton_->setAccessibleName(withoutMnemonic(label));
    (shown ? static_cast<QWidget*>(text_) : view_)->setFocus();
}

void LetterPreview::finish(DocumentFate fate, std::string failure)
{
    outcome_ = {fate, std::move(failure)};
    accept();
}

void LetterPreview::printWithDialog()
{
    const std::unique_ptr<QPrinter> printer = pagePrinter();
    printer->setDocName(QStringLiteral("Tarvolin-Brief"));
    if (printer->outputFormat() == QPrinter::PdfFormat)
        printer->setOutputFileName(QDir::current().absoluteFilePath(proposedName_));
    QPrintDialog dialog{printer.get(), this};
    dialog.setWindowTitle(QStringLiteral("Brief drucken"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (printer->outputFormat() == QPrinter::PdfFormat && !printer->outputFileName().isEmpty()) {
        const QString file = QDir::toNativeSeparators(printer->outputFileName());
        const WriteResult written = printToPdfFile(
            *printer, [this](QPagedPaintDevice& device, int resolution) { return letter_.paint(device, resolution); });
        if (!written) {
            // The letter is still here: the user may choose another place.
            QMessageBox::warning(this, QStringLiteral("Tarvolin"),
                                 QString::fromStdString(notSaved(file, "sich die Datei „%1“ nicht schreiben ließ",
                                                                 *written.failure)));
            return;
        }
        finish(DocumentFate::Delivered);
        return;
    }
    const QString name =
        printer->outputFileName().isEmpty() ? printer->printerName() : QDir::toNativeSeparators(printer->outputFileName());
    if (!letter_.paint(*printer, printer->resolution()) || printer->printerState() == QPrinter::Error) {
        finish(DocumentFate::Delivered,
               QStringLiteral("Der Brief konnte nicht gedruckt werden, weil „%1“ den Auftrag nicht angenommen hat.")
                   .arg(name)
                   .toStdString());
        return;
    }
    writtenFile_ = printer->outputFileName();
    finish(DocumentFate::Delivered);
}

void LetterPreview::saveAsPdf()
{
    const QString path = chooseFile_(this, QDir::current().absoluteFilePath(proposedName_));
    if (path.isEmpty())
        return;
    const std::string failure = saveLetterPdf(letter_, path);
    if (!failure.empty()) {
        // The letter is still here: the user may choose another place.
        QMessageBox::warning(this, QStringLiteral("Tarvolin"), QString::fromStdString(failure));
        return;
    }
    writtenFile_ = path;
    finish(DocumentFate::Delivered);
}

void LetterPreview::changeLetterhead()
{
    if (editLetterhead_ && editLetterhead_(this))
        finish(DocumentFate::LayOutAgain);
}

} // namespace tarvolin
