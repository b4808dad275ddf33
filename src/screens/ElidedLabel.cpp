#include "ElidedLabel.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QStyle>

namespace orbenza {

ElidedLabel::ElidedLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

QString ElidedLabel::shownText() const {
    const int room = contentsRect().width() - 2 * margin();
    return fontMetrics().elidedText(text(), Qt::ElideRight, std::max(room, 0));
}

bool ElidedLabel::isElided() const {
    return shownText() != text();
}

QSize ElidedLabel::minimumSizeHint() const {
    const QFontMetrics metrics(font());
    const QSize full = QLabel::minimumSizeHint();
    const int few = metrics.horizontalAdvance(QStringLiteral("Wwww\u2026"));
    return {std::min(full.width(), few), full.height()};
}

void ElidedLabel::paintEvent(QPaintEvent* event) {
    // A text that fits is painted by the label itself, selectable as ever.
    if (!isElided()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    const QRect room = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    style()->drawItemText(&painter, room, QStyle::visualAlignment(layoutDirection(), alignment()),
                          palette(), isEnabled(), shownText(), foregroundRole());
}

void ElidedLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    updateToolTip();
}

void ElidedLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        updateToolTip();
}

void ElidedLabel::setText(const QString& text) {
    QLabel::setText(text);
    updateToolTip();
}

bool ElidedLabel::event(QEvent* event) {
    // A text set through QLabel's own setText is caught up with here.
    if (event->type() == QEvent::ToolTip || event->type() == QEvent::Show)
        updateToolTip();
    return QLabel::event(event);
}

void ElidedLabel::updateToolTip() {
    setToolTip(isElided() ? text() : QString());
}

} // namespace orbenza
