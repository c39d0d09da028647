#pragma once
// "Sortieren nach": the table's sorting without the mouse. The menu lists
// every column by its head, the column the table is sorted by checked and
// marked "aufsteigend" or "absteigend", and at the end "Ursprüngliche
// Reihenfolge". Choosing a column does what a click on its head does
// (FrozenTableView::sortByHead): ascending first, descending the second
// time. The entries are made each time the menu opens, so that they follow
// the columns of the list or report shown.

#include <QtGlobal>

QT_BEGIN_NAMESPACE
class QMenu;
class QString;
class QWidget;
QT_END_NAMESPACE

namespace tarvolin {

class FrozenTableView;

QMenu* makeSortMenu(FrozenTableView& table, const QString& title, QWidget* parent);

} // namespace tarvolin
