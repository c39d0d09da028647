#include "qt/staff_list_window/staff_table_model.h"

#include "stafflist/command/csv_writer.h"
#include "stafflist/tables/visible_text.h"
#include "qt/text/qt_text.h"

#include <QColor>

#include <algorithm>
#include <map>
#include <set>

namespace tarvolin {

namespace {

// A cell for a spreadsheet: quoted when it holds a tab, a line break or a
// quote, its quotes doubled ("Meier, ""Anna""").
QString spreadsheetCell(QString text)
{
    // Never a formula: a text a spreadsheet would run gets an apostrophe.
    if (couldRunAsFormula(text.toStdString()))
        text.prepend(QLatin1Char('\''));
    if (!text.contains(QLatin1Char('\t')) && !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r'))
        && !text.contains(QLatin1Char('"')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

void StaffTableModel::setList(std::shared_ptr<const ComputedList> list)
{
    beginResetModel();
    shown_.reset();
    list_ = std::move(list);
    show();
    endResetModel();
}

void StaffTableModel::setSelection(const ListSelection& selection)
{
    const bool sameColumns = reportOf(selection.filter) == reportOf(selection_.filter);
    beginResetModel();
    selection_ = selection;
    if (!sameColumns)
        sortColumn_ = -1;
    show();
    endResetModel();
}

void StaffTableModel::show()
{
    shown_.reset();
    if (!list_)
        return;
    shown_.emplace(*list_, selection_);
    shown_->sortBy(sortColumn_, sortOrder_ == Qt::DescendingOrder);
}

int StaffTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || !shown_ ? 0 : static_cast<int>(shown_->size());
}

int StaffTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() || !shown_ ? 0 : static_cast<int>(shown_->header().size());
}

QVariant StaffTableModel::data(const QModelIndex& index, int role) const
{
    if (!shown_ || !index.isValid())
        return {};
    const auto line = static_cast<std::size_t>(index.row());
    const std::size_t row = shown_->source(line);
    switch (role) {
    // Control characters and bidi overrides from the table are shown, not obeyed.
    case Qt::DisplayRole: return toQString(visibleText(cellText(shown_->field(line, static_cast<std::size_t>(index.column())))));
    case Qt::BackgroundRole:
        if (!list_->computed(row))
            return uncomputedBackground;
        if (list_->hasOnlyDateNotes(row))
            return dateNotesBackground;
        return list_->hasNotes(row) ? QVariant{notesBackground} : QVariant{};
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
        return list_->hasNotes(row) ? QStringLiteral("Hinweise: ") + toQString(visibleText(cellText(list_->cell(row, colNotes))))
                                    : QVariant{};
    default: return {};
    }
}

QVariant StaffTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal) {
        if ((role != Qt::DisplayRole && role != Qt::ToolTipRole) || section < 0 || section >= columnCount())
            return {};
        return toQString(visibleText(shown_->header()[static_cast<std::size_t>(section)]));
    }
    if (!shown_ || section < 0 || section >= rowCount())
        return {};
    const std::size_t row = shown_->source(static_cast<std::size_t>(section));
    const auto fileLine = static_cast<qlonglong>(list_->fileLine(row));
    const bool saved = savedCase_ && savedCase_(row);
    if (role == Qt::DisplayRole)
        return saved ? QStringLiteral("%1 \u270E").arg(fileLine) : QVariant{fileLine};
    if (role == Qt::ToolTipRole)
        return saved ? QStringLiteral("Zeile %1 der Datei; für diese Person ist ein Fall gespeichert").arg(fileLine)
                     : QStringLiteral("Zeile %1 der Datei").arg(fileLine);
    if (role == Qt::AccessibleDescriptionRole && saved)
        return QStringLiteral("Fall gespeichert");
    return {};
}

void StaffTableModel::savedCasesChanged()
{
    if (rowCount() > 0)
        emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
}

void StaffTableModel::sort(int column, Qt::SortOrder order)
{
    if (!shown_) {
        sortColumn_ = column;
        sortOrder_ = order;
        return;
    }
    // The selection and the current cell stay with their lines.
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<std::size_t> identities;
    identities.reserve(static_cast<std::size_t>(before.size()));
    for (const QModelIndex& i : before)
        identities.push_back(shown_->identity(static_cast<std::size_t>(i.row())));
    sortColumn_ = column;
    sortOrder_ = order;
    shown_->sortBy(column, order == Qt::DescendingOrder);
    std::vector<int> lineOf(shown_->size());
    for (std::size_t line = 0; line < shown_->size(); ++line)
        lineOf[shown_->identity(line)] = static_cast<int>(line);
    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype i = 0; i < before.size(); ++i)
        after.push_back(index(lineOf[identities[static_cast<std::size_t>(i)]], before[i].column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

QString StaffTableModel::tabSeparated(const QModelIndexList& cells) const
{
    std::map<int, std::set<int>> rows;
    std::set<int> columns;
    for (const QModelIndex& c : cells) {
        rows[c.row()].insert(c.column());
        columns.insert(c.column());
    }
    QString text;
    for (const auto& [row, selected] : rows) {
        QStringList line;
        for (int column : columns)
            line << (selected.count(column) ? spreadsheetCell(index(row, column).data().toString()) : QString{});
        text += line.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

} // namespace tarvolin
