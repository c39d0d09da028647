#pragma once
// StaffTableModel: what the staff-list window shows of a computed list, for
// the table view: the lines of the selection (all rows, the rows with notes,
// or a year report, narrowed by the search) with their columns, sorted as the
// user asked. Rows with notes have a coloured background and their notes as
// tool tip; the row heads give the row's line in the file, with a mark when
// the employee has a saved case. Everything it
// shows comes from list_selection; it decides nothing itself.

#include "stafflist/computation/list_selection.h"

#include <QAbstractTableModel>
#include <QColor>

#include <functional>
#include <memory>
#include <optional>

namespace tarvolin {

class StaffTableModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    static inline const QColor notesBackground{255, 236, 179};      // a row with notes
    static inline const QColor dateNotesBackground{214, 232, 255};  // its only notes: notice day passed, age limit reached
    static inline const QColor uncomputedBackground{255, 205, 205}; // a row the list could not compute

    // A new list (nothing: an empty table), shown with the current selection
    // and order.
    void setList(std::shared_ptr<const ComputedList> list);
    void setSelection(const ListSelection& selection);
    const ListSelection& selection() const { return selection_; }
    const ComputedList* list() const { return list_.get(); }
    // Which rows of the list have a saved case; the row heads mark them.
    void setSavedCase(std::function<bool(std::size_t row)> saved) { savedCase_ = std::move(saved); }
    // A case was saved or opened: the marks are looked at again.
    void savedCasesChanged();
    std::shared_ptr<const ComputedList> sharedList() const { return list_; }
    bool isReport() const { return shown_ && shown_->isReport(); }
    int sortColumn() const { return sortColumn_; }
    // The row of the list a shown line comes from.
    std::size_t sourceRow(int line) const { return shown_->source(static_cast<std::size_t>(line)); }
    // The cells as tab-separated text, as spreadsheets paste it: one line per
    // row that holds a selected cell, the columns that hold one.
    QString tabSeparated(const QModelIndexList& cells) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // Column -1: the list's own order.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    void show();

    std::shared_ptr<const ComputedList> list_;
    ListSelection selection_;
    std::optional<ShownList> shown_;
    int sortColumn_ = -1;
    std::function<bool(std::size_t)> savedCase_;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};

} // namespace tarvolin
