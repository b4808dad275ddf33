// A one-line label that shortens a text too long for its width with "…" at the
// end and then shows the whole text as its tooltip. text() is always the whole
// text, so what the label holds never depends on the window's size.
#pragma once

#include <QLabel>

namespace orbenza {

class ElidedLabel : public QLabel {
    Q_OBJECT

public:
    explicit ElidedLabel(QWidget* parent = nullptr);

    // Sets the whole text; the tooltip follows at once.
    void setText(const QString& text);

    // True while the label is too narrow for its whole text.
    bool isElided() const;
    // The text as painted at the label's present width.
    QString shownText() const;

    // As narrow as a few letters, whatever the text: the layout may shorten it.
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;

private:
    void updateToolTip();
};

} // namespace orbenza
