#pragma once

#include <QList>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QWidget>
#include <array>

class QPainter;
class QSvgRenderer;

namespace orbenza {

// The chart wheel of the chart screen (the picture box picNatal).
//
// Everything is laid out in a fixed logical coordinate system of 6780 x 6495 units
// (twips of the chart picture, origin at the top left), and scaled into the widget
// with its aspect ratio kept and centred. The wheel has twelve positions, k = 0..11;
// position k is house k + 1. Houses run counter-clockwise from the left side of the
// wheel just below the horizontal, so house 1 is on the left, houses 4 and 10 are at
// the bottom and the top, and house 7 is on the right. Each position shows the list
// text lblNatal(k), the sign picture imgSign(k) and the house number k + 1.
class ChartWheel : public QWidget {
    Q_OBJECT

public:
    static constexpr QSizeF kLogicalSize{6780.0, 6495.0};
    static constexpr int kPositionCount = 12;
    static constexpr int kPictureCount = 12; // sign pictures 1 (Aries) .. 12 (Pisces)

    explicit ChartWheel(QWidget* parent = nullptr);
    ~ChartWheel() override;

    // lblNatal(k) texts, k = 0..11 (may contain "\r\n" line breaks). A k out of range
    // is ignored.
    void setNatalText(int k, const QString& text);
    QString natalText(int k) const;
    // How the lines of lblNatal(k) are drawn, in their order (the blank line a
    // text may open with not counted): the Ascendant bold in its colour, a
    // retrograde body in the retrograde colour. Lines past the list are plain.
    enum class LineMark { Plain, Ascendant, Retrograde };
    void setNatalMarks(int k, const QList<LineMark>& marks);
    // Further lines shown under lblNatal(k) in the same house: the chart's
    // other points (Chiron, the nodes, Lilith, the Part of Fortune) in that
    // sign, each line after a "\r\n". Not part of natalText.
    void setPointsText(int k, const QString& text);
    QString pointsText(int k) const;

    // imgSign(k): sign picture 1 (Aries) .. 12 (Pisces) of the image list IMG; 0 = none.
    // Any value outside 1..12 is kept but shows no picture. A k out of range is ignored.
    void setSignPicture(int k, int picture);
    int signPicture(int k) const;

    // The fixed caption of the house-number label of position k: "1".."12" (position k
    // is house k + 1); empty for a k out of range.
    QString houseNumberText(int k) const;

    // Layout boxes in logical units (twips from the top left of the wheel picture).
    // The list text starts at the top left of its box and may run below it. An empty
    // rectangle for a k out of range.
    static QRectF natalTextRect(int k);
    static QRectF signPictureRect(int k);
    static QRectF houseNumberRect(int k);

    // The resource path of sign picture 1 (Aries) .. 12 (Pisces), e.g. ":/signs/aries.svg";
    // empty for any other number.
    static QString signPicturePath(int picture);

    // Registers the compiled-in pictures (they live in a static library, so the
    // linker would otherwise drop them). Safe to call any number of times.
    static void initResources();

    // The lines of the list text of position k laid out inside its house for a
    // wheel drawn at the given scale (device pixels per twip): the type as
    // large as the design size allows but never below kMinimumTextPixels on the
    // device, the names flowing left to right and row under row through the
    // house's wedge, smaller type only when they do not fit. All in twips.
    struct NatalLine {
        QString text;
        QPointF origin; // start of the baseline
        QRectF box;     // the line's advance and its font's ascent and descent
        LineMark mark = LineMark::Plain;
    };
    struct NatalLayout {
        double fontPixels = 0.0; // font size in twips
        QList<NatalLine> lines;
    };
    NatalLayout natalLayout(int k, double scale) const;
    static constexpr double kMinimumTextPixels = 9.0;

    // The wedge of house k + 1 between the hub and the sign ring, in twips.
    static QPainterPath houseRegion(int k);
    // The scale (device pixels per twip) of the wheel drawn into a target of
    // the given size.
    static double scaleFor(const QSizeF& target);

    // Paints the whole wheel into target (device units) with aspect kept: used by
    // paintEvent, and by export to SVG/PNG and printing. Leaves the painter's state
    // as it found it.
    void render(QPainter& painter, const QRectF& target) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintBackground(QPainter& painter) const;
    void paintSignRing(QPainter& painter) const;
    void paintHouseNumber(QPainter& painter, int k) const;
    void paintNatalText(QPainter& painter, int k, double scale) const;

    std::array<QString, kPositionCount> m_natalTexts;
    std::array<QList<LineMark>, kPositionCount> m_natalMarks;
    std::array<QString, kPositionCount> m_pointTexts;
    std::array<int, kPositionCount> m_signPictures{};
    // One renderer per sign picture, index 0 = Aries; drawn at paint time so the
    // pictures stay sharp at any scale and on high-density screens.
    std::array<QSvgRenderer*, kPictureCount> m_signRenderers{};
};

} // namespace orbenza
