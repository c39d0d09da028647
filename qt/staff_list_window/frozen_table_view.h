#pragma once
// FrozenTableView: a table whose first columns stay in place while the
// others scroll sideways (a second view over the left edge shows them; it
// shares the model, the selection and the vertical scrolling). Keyboard:
// Tab leaves the table, Enter activates the current line, Ctrl+C copies the
// selected cells as tab-separated text. A double-click on either part
// activates the line. A cell too narrow for its text shows it cut short
// with "…"; its tool tip then holds the whole text.
//
// Sorting by a column has one way in, sortByHead, as a click on the
// column's head: the heads of both parts, the window's "Sortieren nach"
// menu and anything else that sorts without the mouse go through it.

#include <QTableView>

namespace tarvolin {

class FrozenTableView final : public QTableView {
    Q_OBJECT

public:
    explicit FrozenTableView(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model) override;
    // The first `count` columns stay in place (0: none).
    void setFrozenColumns(int count);
    int frozenColumns() const { return frozenCount_; }
    QTableView& frozenPart() const { return *frozen_; }
    // Puts the selected cells on the clipboard.
    void copySelection();
    // As a click on the head of the column: sorted ascending by it, or
    // descending when it is sorted ascending by it already. Column -1 gives
    // the list's own order back.
    void sortByHead(int column);

signals:
    void lineActivated(int line);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    void updateGeometries() override;

private:
    void updateFrozenColumns();
    void placeFrozenPart();
    int frozenWidth() const;
    // The whole text of a cut-short cell as a tool tip; false when the
    // cell shows its whole text.
    bool showWholeText(QTableView& part, const QPoint& at, const QPoint& global);

    QTableView* frozen_;
    int frozenCount_ = 0;
};

} // namespace tarvolin
