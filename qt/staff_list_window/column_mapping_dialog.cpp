#include "qt/staff_list_window/column_mapping_dialog.h"

#include "qt/calculator_window/announcer.h"
#include "stafflist/computation/staff_table.h"
#include "stafflist/tables/visible_text.h"
#include "qt/text/qt_text.h"

#include <QComboBox>
#include <QCryptographicHash>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace tarvolin {

namespace {

// A text from the table: control characters and bidi overrides shown, not obeyed.
QString shown(const std::string& s) { return toQString(visibleText(s)); }

constexpr int previewValues = 3;

bool required(std::size_t slot) { return inputColumns[slotAt(slot).column].role == ColumnRole::Required; }

} // namespace

QString headerLineKey(const std::vector<std::string>& header)
{
    QCryptographicHash digest{QCryptographicHash::Sha1};
    for (const std::string& h : header) {
        const std::string n = normalizedHeader(h);
        digest.addData(QByteArrayView{n.data(), static_cast<qsizetype>(n.size())});
        digest.addData(QByteArrayView{"\n", 1});
    }
    return QString::fromLatin1(digest.result().toHex());
}

ColumnMappingDialog::ColumnMappingDialog(std::vector<std::string> header, std::vector<std::vector<std::string>> preview,
                                         const ColumnMapping& current, QWidget* parent)
    : QDialog{parent}, header_{std::move(header)}, preview_{std::move(preview)}
{
    setWindowTitle(QStringLiteral("Spalten zuordnen"));
    auto* layout = new QVBoxLayout{this};
    auto* intro = new QLabel{QStringLiteral(
        "Welche Spalte der Tabelle enthält welche Angabe? Pflicht sind „Geburtstag“ und „Dienstbezüge ab“. "
        "Tarvolin merkt sich die Zuordnung für jede Tabelle mit derselben Kopfzeile.")};
    intro->setWordWrap(true);
    layout->addWidget(intro);

    std::string ignored;
    const ColumnMap found = findColumns(header_, ignored, current);
    auto* inner = new QWidget;
    auto* grid = new QGridLayout{inner};
    for (std::size_t slot = 0; slot < inputSlotCount; ++slot) {
        if (slot == slotOf(inputColumn("Vorzeit # von"), 1)) {
            auto* periods = new QLabel{QStringLiteral("<b>Vorzeiten</b>")};
            grid->addWidget(periods, grid->rowCount(), 0, 1, 3);
        }
        addRow(*grid, slot, found.fields[slot]);
    }
    auto* scroll = new QScrollArea;
    scroll->setWidget(inner);
    scroll->setWidgetResizable(true);
    layout->addWidget(scroll, 1);

    problem_ = new QLabel;
    problem_->setObjectName(QStringLiteral("problem"));
    problem_->setStyleSheet(QStringLiteral("color: #b00000"));
    problem_->setWordWrap(true);
    layout->addWidget(problem_);
    buttons_ = new QDialogButtonBox{QDialogButtonBox::Ok | QDialogButtonBox::Cancel};
    buttons_->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Zuordnen und berechnen"));
    buttons_->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons_);
    resize(760, 560);
    check();
}

void ColumnMappingDialog::addRow(QGridLayout& grid, std::size_t slot, int field)
{
    const int line = grid.rowCount();
    const QString name = toQString(slotName(slotAt(slot)));
    auto* label = new QLabel{required(slot) ? QStringLiteral("<b>%1</b>").arg(name.toHtmlEscaped()) : name};
    auto* box = new QComboBox;
    box->setObjectName(QStringLiteral("column-%1").arg(slot));
    box->setAccessibleName(name + (required(slot) ? QStringLiteral(" (Pflicht)") : QString{}));
    box->addItem(required(slot) ? QStringLiteral("– bitte wählen –") : QString{notPresent.data()}, -1);
    for (std::size_t at = 0; at < header_.size(); ++at)
        if (!header_[at].empty())
            box->addItem(shown(header_[at]), static_cast<int>(at));
    box->setCurrentIndex(std::max(0, box->findData(field)));
    label->setBuddy(box);
    auto* preview = new QLabel;
    preview->setTextFormat(Qt::PlainText); // the table's values, never markup
    preview->setObjectName(QStringLiteral("preview-%1").arg(slot));
    grid.addWidget(label, line, 0);
    grid.addWidget(box, line, 1);
    grid.addWidget(preview, line, 2);
    rows_.push_back({slot, box, preview, field});
    const std::size_t index = rows_.size() - 1;
    connect(box, &QComboBox::currentIndexChanged, this, [this, index] {
        chosen(rows_[index]);
        check();
    });
    chosen(rows_.back());
}

// The first values of the column chosen: "10.03.1955, 01.02.1962, …".
void ColumnMappingDialog::chosen(const Row& row)
{
    const int field = row.box->currentData().toInt();
    QStringList values;
    for (const auto& record : preview_)
        if (field >= 0 && static_cast<std::size_t>(field) < record.size() && !record[field].empty()
            && values.size() < previewValues)
            values << shown(record[static_cast<std::size_t>(field)]);
    row.preview->setText(field < 0 ? QString{} : values.isEmpty() ? QStringLiteral("(leer)") : values.join(QStringLiteral(", ")) + QStringLiteral(", …"));
}

void ColumnMappingDialog::check()
{
    QString problem;
    std::vector<int> owner(header_.size(), -1);
    for (std::size_t i = 0; i < rows_.size() && problem.isEmpty(); ++i) {
        const int field = rows_[i].box->currentData().toInt();
        if (field < 0) {
            if (required(rows_[i].slot))
                problem = QStringLiteral("Bitte eine Spalte für „%1“ wählen.").arg(toQString(slotName(slotAt(rows_[i].slot))));
            continue;
        }
        int& first = owner[static_cast<std::size_t>(field)];
        if (first >= 0)
            problem = QStringLiteral("Die Spalte „%1“ ist „%2“ und „%3“ zugeordnet; eine Spalte kann nur eines sein.")
                          .arg(shown(header_[static_cast<std::size_t>(field)]),
                               toQString(slotName(slotAt(rows_[static_cast<std::size_t>(first)].slot))),
                               toQString(slotName(slotAt(rows_[i].slot))));
        first = static_cast<int>(i);
    }
    // A new problem is said to a screen reader too: the red line alone is
    // only seen.
    if (problem != problem_->text()) {
        problem_->setText(problem);
        if (!problem.isEmpty() && isVisible())
            announce(*this, problem);
    }
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(problem.isEmpty());
}

ColumnMapping ColumnMappingDialog::mapping() const
{
    ColumnMapping mapping;
    for (const Row& r : rows_) {
        const int field = r.box->currentData().toInt();
        // The earlier periods only where the answer is not what the names give.
        if (perPeriod(inputColumns[slotAt(r.slot).column]) && field == r.initial && field < 0)
            continue;
        mapping.push_back({r.slot, field < 0 ? std::string{} : header_[static_cast<std::size_t>(field)]});
    }
    return mapping;
}

QComboBox* ColumnMappingDialog::choice(std::size_t slot) const
{
    for (const Row& r : rows_)
        if (r.slot == slot)
            return r.box;
    return nullptr;
}

} // namespace tarvolin
