// The staff-list window's view: what the table shows of the computed list
// (the filter bar, the search and the report's extra column), how many lines
// that is, how wide the columns are, and how far a computation has come.

#include "qt/staff_list_window/staff_list_window.h"

#include "qt/staff_list_window/frozen_table_view.h"
#include "qt/staff_list_window/staff_table_model.h"
#include "qt/staff_list_window/status_text.h"
#include "qt/text/qt_text.h"
#include "stafflist/tables/visible_text.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>

#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

namespace tarvolin {

namespace {

QString number(qulonglong n) { return QLocale{QLocale::German}.toString(n); }

} // namespace

QString notesCountText(std::size_t rows)
{
    if (rows == 0)
        return QStringLiteral("Keine Zeile mit Hinweisen");
    if (rows == 1)
        return QStringLiteral("1 Zeile mit Hinweisen");
    return QStringLiteral("%1 Zeilen mit Hinweisen").arg(number(rows));
}

void StaffListWindow::updateFilterTexts()
{
    const QString year = QString::number(yearBox_->value());
    anniversariesButton_->setText(QStringLiteral("Dienst&jubiläen im Jahr ") + year);
    anniversariesButton_->setAccessibleName(QStringLiteral("Dienstjubiläen im Jahr ") + year);
    retirementsButton_->setText(QStringLiteral("Alters&grenze im Jahr ") + year);
    retirementsButton_->setAccessibleName(QStringLiteral("Altersgrenze im Jahr ") + year);
    const std::size_t notes = model_->list() ? model_->list()->rowsWithNotes() : 0;
    QString text = notesCountText(notes);
    notesButton_->setAccessibleName(text);
    notesButton_->setText(text.replace(text.indexOf(QStringLiteral("Zeile")), 5, QStringLiteral("&Zeile")));
    notesButton_->setEnabled(notes > 0 || notesButton_->isChecked());
    notesButton_->setToolTip(QStringLiteral("Nur die Zeilen zeigen, zu denen es Hinweise gibt"));
}

void StaffListWindow::selectionEdited()
{
    ListSelection s;
    s.filter = static_cast<ListFilter>(filters_->checkedId());
    s.year = yearBox_->value();
    s.search = searchEdit_->text().toStdString();
    if (withBox_->currentIndex() > 0)
        s.with = {static_cast<std::size_t>(withBox_->currentIndex() - 1)};
    withBox_->setEnabled(withBox_->count() > 1 && reportOf(s.filter).has_value());
    model_->setSelection(s);
    updateActions();
    if (model_->sortColumn() < 0)
        table_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    table_->setFrozenColumns(model_->isReport() ? 0 : frozenListColumns);
    applyColumnWidths();
    updateShownCount();
}

// The widths the user left a column at, by its head; otherwise a width
// fitted once per list: the first columns (the names) to their longest text
// in the whole list, the others to their head and the lines in sight, each
// up to columnWidthLimit. Fitted widths stay while the list is shown, so
// that the columns do not change their widths with every letter of a search.
void StaffListWindow::applyColumnWidths()
{
    if (model_->list() == nullptr)
        return;
    placingColumns_ = true;
    QHeaderView* header = table_->horizontalHeader();
    for (int c = 0; c < model_->columnCount(); ++c) {
        const QString head = model_->headerData(c, Qt::Horizontal).toString();
        if (const auto known = columnWidths_.constFind(head); known != columnWidths_.constEnd()) {
            header->resizeSection(c, *known);
            continue;
        }
        auto fitted = fittedWidths_.constFind(head);
        if (fitted == fittedWidths_.constEnd())
            fitted = fittedWidths_.insert(head, fittedWidth(c));
        header->resizeSection(c, *fitted);
    }
    table_->setFrozenColumns(table_->frozenColumns());
    placingColumns_ = false;
}

int StaffListWindow::columnWidthLimit() const
{
    // About 40 characters, and never more than a third of the window.
    const int characters = table_->fontMetrics().averageCharWidth() * 40;
    return std::max(120, std::min(characters, width() / 3));
}

int StaffListWindow::fittedWidth(int column) const
{
    const int limit = columnWidthLimit();
    if (column >= frozenListColumns || model_->isReport()) {
        table_->resizeColumnToContents(column);
        return std::min(table_->horizontalHeader()->sectionSize(column), limit);
    }
    // The longest texts by their number of characters are measured, not all
    // of a list of many thousand rows.
    const QFontMetrics metrics = table_->fontMetrics();
    const ComputedList& list = *model_->list();
    std::vector<std::pair<std::size_t, std::string_view>> longest;
    for (std::size_t row = 0; row < list.size(); ++row) {
        const std::string_view text = list.text(row, static_cast<std::size_t>(column));
        longest.emplace_back(text.size(), text);
    }
    const std::size_t measured = std::min<std::size_t>(longest.size(), 20);
    std::partial_sort(longest.begin(), longest.begin() + static_cast<std::ptrdiff_t>(measured), longest.end(),
                      [](const auto& a, const auto& b) { return a.first > b.first; });
    int widest = table_->horizontalHeader()->sectionSizeHint(column);
    for (std::size_t i = 0; i < measured; ++i) {
        const std::string_view text = longest[i].second;
        const QString shown = toQString(text);
        widest = std::max(widest, metrics.horizontalAdvance(shown));
    }
    // The cell's margins on both sides, as the style draws them.
    const int margins = 2 * (table_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table_) + 1) + 6;
    return std::min(widest + margins, limit);
}

// The carried columns of the list, for a report to show one of them.
void StaffListWindow::updateWithChoice()
{
    const QString kept = withBox_->currentText();
    const QSignalBlocker quiet{withBox_};
    withBox_->clear();
    withBox_->addItem(QStringLiteral("keine"));
    if (const ComputedList* list = model_->list())
        for (const std::string& h : list->layout.carriedHeaders())
            withBox_->addItem(QString::fromStdString(visibleText(h)));
    withBox_->setCurrentIndex(std::max(0, withBox_->findText(kept)));
}

void StaffListWindow::updateShownCount()
{
    if (const ComputedList* list = model_->list())
        shownText_->setText(QStringLiteral("Angezeigt: %1 von %2 Zeilen")
                                .arg(number(static_cast<qulonglong>(model_->rowCount())), number(list->size())));
}

void StaffListWindow::showProgress(int percent, qulonglong rows)
{
    progress_->setValue(percent);
    statusText_->setText(QStringLiteral("„%1“ wird berechnet: %2 Zeilen").arg(path_, number(rows)));
}

} // namespace tarvolin
