#pragma once
// StatusText: the status line's text. A long file name must not make the
// window wider than a small screen: where the line is too narrow, the text
// is cut short with "…" and the whole of it is the tool tip. text() is
// always the whole text.

#include <QLabel>

namespace tarvolin {

class StatusText final : public QLabel {
public:
    explicit StatusText(QWidget* parent = nullptr);

    QSize minimumSizeHint() const override;
    // Whether the line is too narrow for the whole text.
    bool isCutShort() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
};

} // namespace tarvolin
