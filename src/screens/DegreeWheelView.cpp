#include "DegreeWheelView.h"

#include "ChartWheel.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>
#include <algorithm>
#include <cmath>

namespace orbenza {

namespace {

QColor toQColor(WheelColour c) {
    return {c.r, c.g, c.b};
}

QPointF toQPoint(WheelPoint p) {
    return {p.x, p.y};
}

QRectF circleRect(WheelPoint centre, double radius) {
    return {centre.x - radius, centre.y - radius, 2.0 * radius, 2.0 * radius};
}

QPointF pointOnCircle(WheelPoint centre, double radius, double angleDeg) {
    const double a = angleDeg * M_PI / 180.0;
    return {centre.x + radius * std::cos(a), centre.y - radius * std::sin(a)};
}

// The wheel's font at a size in canvas units: unhinted, so that text keeps its
// shape at every scale as the SVG writer's readers draw it.
QFont wheelFont(double size, bool bold) {
    QFont font;
    font.setFamilies(
        {QString::fromLatin1(kWheelFontFamily), QString::fromLatin1(kDevanagariFontFamily)});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(size))));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

struct ItemPainter {
    QPainter& painter;
    const std::array<QSvgRenderer*, kSignCount>& signs;

    void operator()(const WheelSector& s) const {
        QPainterPath path;
        path.moveTo(pointOnCircle(s.centre, s.outerRadius, s.startDeg));
        path.arcTo(circleRect(s.centre, s.outerRadius), s.startDeg, s.spanDeg);
        path.lineTo(pointOnCircle(s.centre, s.innerRadius, s.startDeg + s.spanDeg));
        path.arcTo(circleRect(s.centre, s.innerRadius), s.startDeg + s.spanDeg, -s.spanDeg);
        path.closeSubpath();
        painter.fillPath(path, toQColor(s.fill));
    }
    void operator()(const WheelCircle& c) const {
        painter.setBrush(c.fill ? QBrush(toQColor(*c.fill)) : QBrush(Qt::NoBrush));
        painter.setPen(c.stroke ? QPen(toQColor(*c.stroke), c.strokeWidth) : QPen(Qt::NoPen));
        painter.drawEllipse(circleRect(c.centre, c.radius));
    }
    void operator()(const WheelLine& l) const {
        painter.setPen(QPen(toQColor(l.colour), l.width, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(toQPoint(l.from), toQPoint(l.to));
    }
    void operator()(const WheelSignPicture& p) const {
        QSvgRenderer* renderer = signs[indexOf(p.sign)];
        if (renderer && renderer->isValid())
            renderer->render(&painter, QRectF(p.box.left, p.box.top, p.box.width, p.box.height));
    }
    void operator()(const WheelText& t) const {
        const QFont font = wheelFont(t.size, t.bold);
        const QString text = QString::fromStdString(t.text);
        const double advance = QFontMetricsF(font).horizontalAdvance(text);
        painter.setFont(font);
        painter.setPen(toQColor(t.colour));
        painter.drawText(QPointF(t.anchor.x - advance / 2.0, t.anchor.y), text);
    }
};

} // namespace

DegreeWheelView::DegreeWheelView(QWidget* parent) : QWidget(parent) {
    ChartWheel::initResources();
    setObjectName(QStringLiteral("picDegreeWheel"));
    setAccessibleName(tr("Degree wheel"));
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    for (std::size_t s = 0; s < kSignCount; ++s)
        m_signRenderers[s] =
            new QSvgRenderer(ChartWheel::signPicturePath(static_cast<int>(s) + 1), this);
}

DegreeWheelView::~DegreeWheelView() = default;

void DegreeWheelView::setWheel(DegreeWheel wheel) {
    m_wheel = std::move(wheel);
    update();
}

QRectF DegreeWheelView::fittedRect(const QSizeF& available) {
    const double scale =
        std::min(available.width() / kWheelCanvasWidth, available.height() / kWheelCanvasHeight);
    const QSizeF drawn(kWheelCanvasWidth * scale, kWheelCanvasHeight * scale);
    return {QPointF((available.width() - drawn.width()) / 2.0,
                    (available.height() - drawn.height()) / 2.0),
            drawn};
}

void DegreeWheelView::render(QPainter& painter, const QRectF& target) const {
    if (!m_wheel || target.isEmpty())
        return;
    const QRectF drawn = fittedRect(target.size()).translated(target.topLeft());
    const double scale = drawn.width() / m_wheel->width;
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    painter.translate(drawn.topLeft());
    painter.scale(scale, scale);
    painter.setClipRect(QRectF(0, 0, m_wheel->width, m_wheel->height), Qt::IntersectClip);
    const ItemPainter paintItem{painter, m_signRenderers};
    for (const WheelItem& item : m_wheel->items)
        std::visit(paintItem, item);
    painter.restore();
}

QSize DegreeWheelView::sizeHint() const {
    return {560, heightForWidth(560)};
}

QSize DegreeWheelView::minimumSizeHint() const {
    return {300, heightForWidth(300)};
}

bool DegreeWheelView::hasHeightForWidth() const {
    return true;
}

int DegreeWheelView::heightForWidth(int width) const {
    return static_cast<int>(std::lround(width * kWheelCanvasHeight / kWheelCanvasWidth));
}

void DegreeWheelView::paintEvent(QPaintEvent* event) {
    Q_UNUSED(event);
    QPainter painter(this);
    render(painter, QRectF(rect()));
}

} // namespace orbenza
