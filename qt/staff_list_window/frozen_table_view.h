#pragma once
// FrozenTableView: a table whose first columns stay in place while the
// others scroll sideways (a second view over the left edge shows them; it
// shares the model, the selection and the vertical scrolling). Keyboard:
// Tab leaves the table, Enter activates the current line, Ctrl+C copies the
// selected cells as tab-separated text. A double-click on either part
// activates the line.

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

signals:
    void lineActivated(int line);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    void updateGeometries() override;

private:
    void updateFrozenColumns();
    void placeFrozenPart();
    int frozenWidth() const;

    QTableView* frozen_;
    int frozenCount_ = 0;
};

} // namespace tarvolin
