#pragma once
// FlowLayout: items side by side, left to right, going on in a new line
// where the width ends, as words in a paragraph. The staff list's bars use
// it so that on a small or strongly scaled screen (1366 x 768 at 200 %) every
// control stays in the window instead of pushing its width past the screen.
// A spacer item (addStretch) is not kept: lines are filled from the left.

#include <QLayout>
#include <QList>

namespace tarvolin {

class FlowLayout final : public QLayout {
public:
    explicit FlowLayout(QWidget* parent = nullptr, int spacing = -1);
    ~FlowLayout() override;

    void addItem(QLayoutItem* item) override;
    int count() const override { return static_cast<int>(items_.size()); }
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;

    Qt::Orientations expandingDirections() const override { return {}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;

private:
    // Places the items in `rect` (only measures when `place` is false) and
    // returns the height used.
    int arrange(const QRect& rect, bool place) const;
    int horizontalGap() const;

    QList<QLayoutItem*> items_;
    int spacing_;
};

} // namespace tarvolin
