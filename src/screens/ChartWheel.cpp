#include "ChartWheel.h"

#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QStringList>
#include <QSvgRenderer>
#include <algorithm>
#include <cmath>
#include <numbers>

// Q_INIT_RESOURCE must be used outside any namespace.
static void registerOrbenzaResources() {
    Q_INIT_RESOURCE(resources);
}

namespace orbenza {

namespace {

// Top-left corners of the wheel's boxes, in twips from the top left of the picture,
// for wheel positions k = 0..11 (house k + 1).
struct PositionLayout {
    double textLeft, textTop;       // lblNatal(k)
    double pictureLeft, pictureTop; // imgSign(k)
    double numberLeft, numberTop;   // house-number label
};

constexpr std::array<PositionLayout, ChartWheel::kPositionCount> kLayout{{
    {960, 3240, 360, 3720, 360, 3720},    // house 1
    {1680, 4080, 885, 4920, 960, 4920},   // house 2
    {2535, 4440, 2040, 5800, 2160, 5760}, // house 3
    {3480, 4560, 3840, 5975, 3960, 6000}, // house 4
    {4440, 3960, 5100, 5400, 5160, 5400}, // house 5
    {5055, 3240, 6060, 4080, 6120, 4080}, // house 6
    {5160, 2160, 6200, 2400, 6240, 2400}, // house 7
    {4695, 1080, 5640, 1200, 5640, 1200}, // house 8
    {3480, 480, 4320, 240, 4320, 240},    // house 9
    {2400, 600, 2520, 120, 2520, 120},    // house 10
    {1440, 1200, 1320, 720, 1320, 720},   // house 11
    {840, 2160, 375, 2040, 360, 2040},    // house 12
}};

// Design-time box sizes, twips.
constexpr QSizeF kNatalTextSize{435.0, 195.0};
constexpr QSizeF kSignPictureSize{300.0, 300.0};
constexpr QSizeF kHouseNumberSize{195.0, 195.0};

// The wheel itself, twips. The centre and the sign ring are fitted to the sign
// pictures above: their centres lie about 3000 twips from the centre.
constexpr QPointF kCentre{3400.0, 3190.0};
constexpr double kOuterRadius = 3165.0;     // rim of the wheel
constexpr double kRingInnerRadius = 2800.0; // the sign ring lies between this and the rim
constexpr double kHubRadius = 430.0;
// The cusp of house 1 points to the left (180 degrees, counted counter-clockwise
// from the right-hand horizontal); each house spans 30 degrees counter-clockwise.
constexpr double kFirstCuspDeg = 180.0;
constexpr double kHouseSpanDeg = 30.0;

// Text metrics, twips. About 8 points at the design size.
constexpr int kNatalFontPixels = 150;
constexpr int kHouseNumberFontPixels = 112;
constexpr double kHouseBadgeRadius = 86.0;
// The badge is centred just inside the top-left corner of the house-number label.
constexpr double kHouseBadgeInset = 4.0;
// Width of the outline in the house colour around list texts, so cusp lines under
// a long name do not cut through its letters.
constexpr double kTextHaloWidth = 34.0;

// A calm palette that keeps its contrast whatever the desktop theme: the wheel
// paints its own light disc.
const QColor kDiscColour(0xFB, 0xFC, 0xFE);
const QColor kHouseShadeColour(0xF1, 0xF4, 0xF9);
const QColor kRingColour(0xE9, 0xED, 0xF4);
const QColor kHubColour(0xF4, 0xF6, 0xFA);
const QColor kLineColour(0xC3, 0xCA, 0xD6);
const QColor kAxisColour(0x7D, 0x88, 0x9C);
const QColor kRimColour(0x4A, 0x55, 0x69);
const QColor kTextColour(0x25, 0x2E, 0x3D);
const QColor kAscendantColour(0x6B, 0x3F, 0xA0);
const QColor kRetrogradeColour(0xB2, 0x3A, 0x48);
const QColor kBadgeColour(0x4A, 0x55, 0x69);
const QColor kBadgeTextColour(0xFF, 0xFF, 0xFF);

constexpr std::array<const char*, ChartWheel::kPictureCount> kSignFileNames{
    "aries", "taurus",  "gemini",      "cancer",    "leo",      "virgo",
    "libra", "scorpio", "sagittarius", "capricorn", "aquarius", "pisces"};

bool validPosition(int k) {
    return k >= 0 && k < ChartWheel::kPositionCount;
}

// Point on the wheel at the given radius (twips) and angle (degrees counter-clockwise
// from the right-hand horizontal), in the picture's y-down coordinates.
QPointF wheelPoint(double radius, double angleDeg) {
    const double angleRad = angleDeg * std::numbers::pi / 180.0;
    return {kCentre.x() + radius * std::cos(angleRad), kCentre.y() - radius * std::sin(angleRad)};
}

QRectF circleRect(double radius) {
    return {kCentre.x() - radius, kCentre.y() - radius, 2.0 * radius, 2.0 * radius};
}

double cuspAngleDeg(int house) {
    return kFirstCuspDeg + kHouseSpanDeg * (house - 1);
}

// The ring segment between two radii and two angles (degrees, counter-clockwise).
QPainterPath annularSector(double innerRadius, double outerRadius, double startDeg,
                           double spanDeg) {
    QPainterPath path;
    path.moveTo(wheelPoint(outerRadius, startDeg));
    path.arcTo(circleRect(outerRadius), startDeg, spanDeg);
    path.lineTo(wheelPoint(innerRadius, startDeg + spanDeg));
    path.arcTo(circleRect(innerRadius), startDeg + spanDeg, -spanDeg);
    path.closeSubpath();
    return path;
}

// The lines of a list text: split at line breaks, the leading empty line (every list
// starts with a line break) left out.
QStringList natalLines(const QString& text) {
    QString normalised = text;
    normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normalised.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = normalised.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.first().isEmpty())
        lines.removeFirst();
    return lines;
}

} // namespace

ChartWheel::ChartWheel(QWidget* parent) : QWidget(parent) {
    initResources();
    setObjectName(QStringLiteral("picNatal"));
    setAccessibleName(tr("Chart wheel"));
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    for (int picture = 1; picture <= kPictureCount; ++picture)
        m_signRenderers[picture - 1] = new QSvgRenderer(signPicturePath(picture), this);
}

ChartWheel::~ChartWheel() = default;

void ChartWheel::initResources() {
    static const bool registered = [] {
        registerOrbenzaResources();
        return true;
    }();
    Q_UNUSED(registered);
}

void ChartWheel::setNatalText(int k, const QString& text) {
    if (!validPosition(k) || m_natalTexts[k] == text)
        return;
    m_natalTexts[k] = text;
    update();
}

void ChartWheel::setNatalMarks(int k, const QList<LineMark>& marks) {
    if (!validPosition(k) || m_natalMarks[k] == marks)
        return;
    m_natalMarks[k] = marks;
    update();
}

QString ChartWheel::natalText(int k) const {
    return validPosition(k) ? m_natalTexts[k] : QString();
}

void ChartWheel::setPointsText(int k, const QString& text) {
    if (!validPosition(k) || m_pointTexts[k] == text)
        return;
    m_pointTexts[k] = text;
    update();
}

QString ChartWheel::pointsText(int k) const {
    return validPosition(k) ? m_pointTexts[k] : QString();
}

void ChartWheel::setSignPicture(int k, int picture) {
    if (!validPosition(k) || m_signPictures[k] == picture)
        return;
    m_signPictures[k] = picture;
    update();
}

int ChartWheel::signPicture(int k) const {
    return validPosition(k) ? m_signPictures[k] : 0;
}

QString ChartWheel::houseNumberText(int k) const {
    return validPosition(k) ? QString::number(k + 1) : QString();
}

QRectF ChartWheel::natalTextRect(int k) {
    if (!validPosition(k))
        return {};
    return {QPointF(kLayout[k].textLeft, kLayout[k].textTop), kNatalTextSize};
}

QRectF ChartWheel::signPictureRect(int k) {
    if (!validPosition(k))
        return {};
    return {QPointF(kLayout[k].pictureLeft, kLayout[k].pictureTop), kSignPictureSize};
}

QRectF ChartWheel::houseNumberRect(int k) {
    if (!validPosition(k))
        return {};
    return {QPointF(kLayout[k].numberLeft, kLayout[k].numberTop), kHouseNumberSize};
}

QString ChartWheel::signPicturePath(int picture) {
    if (picture < 1 || picture > kPictureCount)
        return {};
    return QStringLiteral(":/signs/%1.svg").arg(QLatin1String(kSignFileNames[picture - 1]));
}

double ChartWheel::scaleFor(const QSizeF& target) {
    return std::min(target.width() / kLogicalSize.width(), target.height() / kLogicalSize.height());
}

QPainterPath ChartWheel::houseRegion(int k) {
    if (!validPosition(k))
        return {};
    return annularSector(kHubRadius, kRingInnerRadius, cuspAngleDeg(k + 1), kHouseSpanDeg);
}

namespace {

// The x interval [low, high] of the points (x, y) of a house's wedge at height
// y, in twips with y downwards; empty (low > high) when the height misses it.
// The wedge is the points between the cusp directions startDeg and
// startDeg + 30 (counter-clockwise) no farther than outerRadius from the centre.
struct Interval {
    double low = -1e18, high = 1e18;
    bool empty() const { return low > high; }
};

void keepSide(Interval& span, double a, double b) {
    // Keeps the x with a * x >= b.
    constexpr double kFlat = 1e-12;
    if (std::abs(a) < kFlat) {
        if (b > 0)
            span = {1.0, -1.0};
    } else if (a > 0) {
        span.low = std::max(span.low, b / a);
    } else {
        span.high = std::min(span.high, b / a);
    }
}

Interval wedgeChord(double startDeg, double y, double outerRadius) {
    const double up = kCentre.y() - y; // height above the centre
    Interval span;
    if (std::abs(up) > outerRadius)
        return {1.0, -1.0};
    const double half = std::sqrt(outerRadius * outerRadius - up * up);
    span.low = kCentre.x() - half;
    span.high = kCentre.x() + half;
    // Counter-clockwise of the first cusp and clockwise of the second: the
    // cross products of the direction with the point (x - cx, up).
    const double a0 = startDeg * std::numbers::pi / 180.0;
    const double a1 = (startDeg + kHouseSpanDeg) * std::numbers::pi / 180.0;
    // cos(a0) * up - sin(a0) * dx >= 0
    keepSide(span, -std::sin(a0), -std::cos(a0) * up - std::sin(a0) * kCentre.x());
    // sin(a1) * dx - cos(a1) * up >= 0
    keepSide(span, std::sin(a1), std::cos(a1) * up + std::sin(a1) * kCentre.x());
    return span;
}

// The part of a band [top, bottom] inside the wedge and outside the hub, or an
// empty interval.
Interval bandInterval(double startDeg, double top, double bottom, double margin) {
    const Interval a = wedgeChord(startDeg, top, kRingInnerRadius - margin);
    const Interval b = wedgeChord(startDeg, bottom, kRingInnerRadius - margin);
    Interval span{std::max(a.low, b.low) + margin, std::min(a.high, b.high) - margin};
    // Keep the band off the hub: drop the hub's width at the band's nearest
    // height and keep the longer part.
    const double nearest = std::clamp(kCentre.y(), top, bottom) - kCentre.y();
    const double hub = kHubRadius + margin;
    if (!span.empty() && std::abs(nearest) < hub) {
        const double halfChord = std::sqrt(hub * hub - nearest * nearest);
        const Interval left{span.low, std::min(span.high, kCentre.x() - halfChord)};
        const Interval right{std::max(span.low, kCentre.x() + halfChord), span.high};
        const double leftWidth = left.empty() ? -1 : left.high - left.low;
        const double rightWidth = right.empty() ? -1 : right.high - right.low;
        span = leftWidth >= rightWidth ? left : right;
    }
    return span;
}

} // namespace

ChartWheel::NatalLayout ChartWheel::natalLayout(int k, double scale) const {
    NatalLayout layout;
    if (!validPosition(k) || scale <= 0)
        return layout;
    const QStringList lines = natalLines(m_natalTexts[k] + m_pointTexts[k]);
    if (lines.isEmpty())
        return layout;
    const QList<LineMark>& marks = m_natalMarks[k];
    const auto markOf = [&marks](qsizetype index) {
        return index < marks.size() ? marks[index] : LineMark::Plain;
    };
    const QRectF design = natalTextRect(k);
    const double startDeg = cuspAngleDeg(k + 1);
    const double minimum = kMinimumTextPixels / scale;
    // The design size, or the smallest readable size when that is larger;
    // then smaller in steps down to the smallest readable size.
    const double largest = std::max<double>(kNatalFontPixels, minimum);
    for (double size = largest;; size = std::max(minimum, size * 0.94)) {
        QFont font(QStringLiteral("Verdana"));
        font.setStyleHint(QFont::SansSerif);
        font.setPixelSize(std::max(1, static_cast<int>(std::ceil(size))));
        QFont bold = font;
        bold.setBold(true);
        const QFontMetricsF metrics(font), boldMetrics(bold);
        const double lineHeight = metrics.ascent() + metrics.descent();
        const double gap = 0.45 * font.pixelSize();
        const double margin = 0.3 * font.pixelSize();
        const auto widthOf = [&](qsizetype index) {
            return (markOf(index) == LineMark::Ascendant ? boldMetrics : metrics)
                .horizontalAdvance(lines[index].trimmed());
        };

        // Rows start at heights tried nearest the designed place first.
        std::vector<double> starts;
        for (double top = kCentre.y() - kRingInnerRadius; top < kCentre.y() + kRingInnerRadius;
             top += lineHeight / 4.0)
            starts.push_back(top);
        std::stable_sort(starts.begin(), starts.end(), [&design](double a, double b) {
            return std::abs(a - design.top()) < std::abs(b - design.top());
        });
        // One name a row first, as designed; names side by side only when the
        // rows run out.
        for (const qsizetype perRow : {qsizetype{1}, lines.size()})
            for (const double firstTop : starts) {
                QList<NatalLine> placed;
                qsizetype next = 0;
                for (double top = firstTop;
                     next < lines.size() && top + lineHeight < kCentre.y() + kRingInnerRadius;
                     top += lineHeight) {
                    const Interval band = bandInterval(startDeg, top, top + lineHeight, margin);
                    if (band.empty())
                        continue;
                    // As many names as fit in the row, in their order.
                    double used = 0;
                    qsizetype count = 0;
                    while (next + count < lines.size() && count < perRow) {
                        const double w = widthOf(next + count);
                        const double extra = count == 0 ? w : gap + w;
                        if (used + extra > band.high - band.low)
                            break;
                        used += extra;
                        ++count;
                    }
                    if (count == 0) {
                        if (!placed.isEmpty())
                            break; // the flow is broken: try another start
                        continue;
                    }
                    // The row starts at the designed left edge where it can.
                    double x = std::clamp(design.left(), band.low, band.high - used);
                    for (qsizetype i = 0; i < count; ++i) {
                        const double w = widthOf(next + i);
                        NatalLine line;
                        line.text = lines[next + i];
                        line.mark = markOf(next + i);
                        line.origin = QPointF(x, top + metrics.ascent());
                        line.box = QRectF(x, top, w, lineHeight);
                        placed.append(line);
                        x += w + gap;
                    }
                    next += count;
                }
                if (next == lines.size()) {
                    layout.fontPixels = font.pixelSize();
                    layout.lines = placed;
                    return layout;
                }
            }
        if (size <= minimum) {
            // Nothing fits even at the smallest readable size: keep that size at
            // the designed place rather than shrinking below it.
            layout.fontPixels = std::ceil(minimum);
            double baseline = design.top() + metrics.ascent();
            for (qsizetype i = 0; i < lines.size(); ++i) {
                layout.lines.append(
                    {lines[i], QPointF(design.left(), baseline),
                     QRectF(design.left(), baseline - metrics.ascent(), widthOf(i), lineHeight),
                     markOf(i)});
                baseline += lineHeight;
            }
            return layout;
        }
    }
}

void ChartWheel::render(QPainter& painter, const QRectF& target) const {
    if (target.isEmpty())
        return;
    const double scale = scaleFor(target.size());
    const QSizeF drawn = kLogicalSize * scale;

    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    painter.translate(target.left() + (target.width() - drawn.width()) / 2.0,
                      target.top() + (target.height() - drawn.height()) / 2.0);
    painter.scale(scale, scale);
    painter.setClipRect(QRectF(QPointF(0, 0), kLogicalSize), Qt::IntersectClip);

    paintBackground(painter);
    paintSignRing(painter);
    for (int k = 0; k < kPositionCount; ++k)
        paintNatalText(painter, k, scale);
    painter.restore();
}

void ChartWheel::paintBackground(QPainter& painter) const {
    // A soft shadow under the disc, so it stands off light and dark window colours alike.
    painter.setPen(Qt::NoPen);
    for (int step = 0; step < 4; ++step) {
        painter.setBrush(QColor(0x10, 0x18, 0x28, 10));
        painter.drawEllipse(circleRect(kOuterRadius - 10.0 * step).translated(0, 18.0 + 6 * step));
    }
    painter.setBrush(kDiscColour);
    painter.drawEllipse(circleRect(kOuterRadius));

    // Alternate house shading inside the sign ring.
    painter.setBrush(kHouseShadeColour);
    for (int house = 2; house <= kPositionCount; house += 2)
        painter.drawPath(
            annularSector(kHubRadius, kRingInnerRadius, cuspAngleDeg(house), kHouseSpanDeg));

    // Cusp lines from the hub to the rim; the horizon and meridian axes (cusps 1/7 and
    // 4/10) stronger.
    painter.setBrush(Qt::NoBrush);
    for (int house = 1; house <= kPositionCount; ++house) {
        const bool axis = (house - 1) % 3 == 0;
        painter.setPen(
            QPen(axis ? kAxisColour : kLineColour, axis ? 20.0 : 12.0, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(wheelPoint(kHubRadius, cuspAngleDeg(house)),
                         wheelPoint(kRingInnerRadius, cuspAngleDeg(house)));
    }

    // Hub.
    QRadialGradient hubGradient(kCentre, kHubRadius);
    hubGradient.setColorAt(0.0, QColor(0xFF, 0xFF, 0xFF));
    hubGradient.setColorAt(1.0, kHubColour);
    painter.setBrush(hubGradient);
    painter.setPen(QPen(kAxisColour, 16.0));
    painter.drawEllipse(circleRect(kHubRadius));
    painter.setBrush(kAxisColour);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(circleRect(46.0));
}

void ChartWheel::paintSignRing(QPainter& painter) const {
    painter.setPen(Qt::NoPen);
    painter.setBrush(kRingColour);
    painter.drawPath(annularSector(kRingInnerRadius, kOuterRadius, 0.0, 360.0));

    // Degree ticks along the inner edge of the ring: every degree, longer every five
    // and at the sign boundaries.
    for (int degree = 0; degree < 360; ++degree) {
        const double angle = kFirstCuspDeg + degree;
        const bool five = degree % 5 == 0;
        const double length = degree % 30 == 0 ? 0.0 : (five ? 70.0 : 36.0);
        if (length == 0.0)
            continue;
        painter.setPen(QPen(kLineColour, five ? 9.0 : 6.0, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(wheelPoint(kRingInnerRadius, angle),
                         wheelPoint(kRingInnerRadius + length, angle));
    }

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kAxisColour, 12.0, Qt::SolidLine, Qt::FlatCap));
    for (int house = 1; house <= kPositionCount; ++house)
        painter.drawLine(wheelPoint(kRingInnerRadius, cuspAngleDeg(house)),
                         wheelPoint(kOuterRadius, cuspAngleDeg(house)));
    painter.setPen(QPen(kAxisColour, 16.0));
    painter.drawEllipse(circleRect(kRingInnerRadius));
    painter.setPen(QPen(kRimColour, 26.0));
    painter.drawEllipse(circleRect(kOuterRadius));

    for (int k = 0; k < kPositionCount; ++k) {
        const int picture = m_signPictures[k];
        if (picture >= 1 && picture <= kPictureCount && m_signRenderers[picture - 1]->isValid())
            m_signRenderers[picture - 1]->render(&painter, signPictureRect(k));
    }
    for (int k = 0; k < kPositionCount; ++k)
        paintHouseNumber(painter, k);
}

void ChartWheel::paintHouseNumber(QPainter& painter, int k) const {
    const QRectF box = houseNumberRect(k);
    const QPointF centre = box.topLeft() + QPointF(kHouseBadgeInset, kHouseBadgeInset);
    painter.setPen(QPen(kDiscColour, 14.0));
    painter.setBrush(kBadgeColour);
    painter.drawEllipse(centre, kHouseBadgeRadius, kHouseBadgeRadius);

    QFont font(QStringLiteral("Verdana"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kHouseNumberFontPixels);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(kBadgeTextColour);
    const QRectF textBox(centre.x() - 2 * kHouseBadgeRadius, centre.y() - kHouseBadgeRadius,
                         4 * kHouseBadgeRadius, 2 * kHouseBadgeRadius);
    painter.drawText(textBox, Qt::AlignCenter, houseNumberText(k));
}

void ChartWheel::paintNatalText(QPainter& painter, int k, double scale) const {
    const NatalLayout layout = natalLayout(k, scale);
    if (layout.lines.isEmpty())
        return;
    QFont font(QStringLiteral("Verdana"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(static_cast<int>(layout.fontPixels));
    QFont ascendantFont = font;
    ascendantFont.setBold(true);

    const int house = k + 1;
    const QColor halo = house % 2 == 0 ? kHouseShadeColour : kDiscColour;
    const double haloWidth = kTextHaloWidth * layout.fontPixels / kNatalFontPixels;
    for (const NatalLine& line : layout.lines) {
        const QString text = line.text.trimmed();
        const bool ascendant = line.mark == LineMark::Ascendant;
        const bool retrograde = line.mark == LineMark::Retrograde;
        const QFont& lineFont = ascendant ? ascendantFont : font;

        QPainterPath outline;
        outline.addText(line.origin, lineFont, text);
        painter.strokePath(outline,
                           QPen(halo, haloWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));

        painter.setFont(lineFont);
        painter.setPen(ascendant ? kAscendantColour
                                 : (retrograde ? kRetrogradeColour : kTextColour));
        painter.drawText(line.origin, text);
    }
}

QSize ChartWheel::sizeHint() const {
    return QSize(565, heightForWidth(565));
}

QSize ChartWheel::minimumSizeHint() const {
    return QSize(300, heightForWidth(300));
}

bool ChartWheel::hasHeightForWidth() const {
    return true;
}

int ChartWheel::heightForWidth(int width) const {
    return static_cast<int>(std::lround(width * kLogicalSize.height() / kLogicalSize.width()));
}

void ChartWheel::paintEvent(QPaintEvent* event) {
    Q_UNUSED(event);
    QPainter painter(this);
    render(painter, QRectF(rect()));
}

} // namespace orbenza
