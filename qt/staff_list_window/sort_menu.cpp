#include "qt/staff_list_window/sort_menu.h"

#include "qt/staff_list_window/frozen_table_view.h"

#include <QHeaderView>
#include <QMenu>

namespace tarvolin {

namespace {

void fill(QMenu& menu, FrozenTableView& table)
{
    menu.clear();
    const QAbstractItemModel* model = table.model();
    if (model == nullptr || model->columnCount() == 0) {
        menu.addAction(QStringLiteral("Keine Liste geöffnet"))->setEnabled(false);
        return;
    }
    const QHeaderView* header = table.horizontalHeader();
    const int sorted = header->sortIndicatorSection();
    for (int c = 0; c < model->columnCount(); ++c) {
        QString text = model->headerData(c, Qt::Horizontal).toString();
        // An "&" in a head is text, not a mnemonic.
        text.replace(QLatin1Char('&'), QStringLiteral("&&"));
        if (c == sorted)
            text += header->sortIndicatorOrder() == Qt::AscendingOrder ? QStringLiteral(" (aufsteigend)")
                                                                       : QStringLiteral(" (absteigend)");
        QAction* a = menu.addAction(text);
        a->setCheckable(true);
        a->setChecked(c == sorted);
        QObject::connect(a, &QAction::triggered, &table, [&table, c] { table.sortByHead(c); });
    }
    menu.addSeparator();
    QAction* own = menu.addAction(QStringLiteral("&Ursprüngliche Reihenfolge"));
    own->setEnabled(sorted >= 0 && sorted < model->columnCount());
    QObject::connect(own, &QAction::triggered, &table, [&table] { table.sortByHead(-1); });
}

} // namespace

QMenu* makeSortMenu(FrozenTableView& table, const QString& title, QWidget* parent)
{
    auto* menu = new QMenu{title, parent};
    menu->setObjectName(QStringLiteral("sortMenu"));
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu, &table] { fill(*menu, table); });
    fill(*menu, table);
    return menu;
}

} // namespace tarvolin
