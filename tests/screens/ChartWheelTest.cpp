// The chart wheel widget: its sign pictures, its layout table, its state and how it
// paints into targets of any shape.
#include "ChartWheel.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>
#include <gtest/gtest.h>
#include <optional>

using orbenza::ChartWheel;

namespace {

const QColor kSentinel(0x12, 0x34, 0x56); // image background no wheel colour uses

QImage renderWheel(const ChartWheel& wheel, QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(kSentinel);
    QPainter painter(&image);
    wheel.render(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

// Where the logical rectangle lands in an image of the given size when the whole
// wheel is rendered into it with the aspect kept.
QRectF toImage(const QRectF& logical, QSize size) {
    const double scale = std::min(size.width() / ChartWheel::kLogicalSize.width(),
                                  size.height() / ChartWheel::kLogicalSize.height());
    const QPointF offset((size.width() - ChartWheel::kLogicalSize.width() * scale) / 2.0,
                         (size.height() - ChartWheel::kLogicalSize.height() * scale) / 2.0);
    return {offset + logical.topLeft() * scale, logical.size() * scale};
}

// Bounding box of the pixels in which two images of the same size differ.
std::optional<QRect> differenceBox(const QImage& a, const QImage& b) {
    std::optional<QRect> box;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                box = box ? box->united(QRect(x, y, 1, 1)) : QRect(x, y, 1, 1);
    return box;
}

QImage cropped(const QImage& image, const QRectF& area) {
    return image.copy(area.toAlignedRect());
}

} // namespace

// ---------------------------------------------------------------------------------
// The twelve sign pictures.

TEST(ChartWheelPictures, AllTwelveLoadShareOneViewBoxAndAreDistinct) {
    ChartWheel::initResources();
    std::vector<QImage> drawn;
    for (int picture = 1; picture <= ChartWheel::kPictureCount; ++picture) {
        const QString path = ChartWheel::signPicturePath(picture);
        QSvgRenderer renderer(path);
        ASSERT_TRUE(renderer.isValid()) << "picture " << picture << " at " << path.toStdString();
        EXPECT_EQ(renderer.viewBoxF(), QRectF(0, 0, 100, 100)) << path.toStdString();

        QImage image(96, 96, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        drawn.push_back(image);
    }
    for (std::size_t a = 0; a < drawn.size(); ++a)
        for (std::size_t b = a + 1; b < drawn.size(); ++b)
            EXPECT_NE(drawn[a], drawn[b])
                << "pictures " << a + 1 << " and " << b + 1 << " look the same";
}

TEST(ChartWheelPictures, PathsFollowTheSignOrderAndRejectOtherNumbers) {
    EXPECT_EQ(ChartWheel::signPicturePath(1), QStringLiteral(":/signs/aries.svg"));
    EXPECT_EQ(ChartWheel::signPicturePath(5), QStringLiteral(":/signs/leo.svg"));
    EXPECT_EQ(ChartWheel::signPicturePath(12), QStringLiteral(":/signs/pisces.svg"));
    for (int picture : {0, -1, 13, 100})
        EXPECT_TRUE(ChartWheel::signPicturePath(picture).isEmpty()) << "picture " << picture;
}

TEST(ChartWheelPictures, ProgramIconLoads) {
    ChartWheel::initResources();
    QSvgRenderer renderer(QStringLiteral(":/orbenza.svg"));
    EXPECT_TRUE(renderer.isValid());
}

// ---------------------------------------------------------------------------------
// The layout table.

TEST(ChartWheelLayout, EveryBoxLiesInsideThePicture) {
    const QRectF picture(QPointF(0, 0), ChartWheel::kLogicalSize);
    for (int k = 0; k < ChartWheel::kPositionCount; ++k) {
        for (const QRectF& box : {ChartWheel::natalTextRect(k), ChartWheel::signPictureRect(k),
                                  ChartWheel::houseNumberRect(k)}) {
            EXPECT_TRUE(picture.contains(box))
                << "position " << k << " box " << box.x() << "," << box.y() << " " << box.width()
                << "x" << box.height();
        }
        EXPECT_EQ(ChartWheel::natalTextRect(k).size(), QSizeF(435, 195)) << "position " << k;
        EXPECT_EQ(ChartWheel::signPictureRect(k).size(), QSizeF(300, 300)) << "position " << k;
    }
}

TEST(ChartWheelLayout, HouseOneLeftFourBottomSevenRightTenTop) {
    auto centreOf = [](int k) { return ChartWheel::signPictureRect(k).center(); };
    for (int k = 0; k < ChartWheel::kPositionCount; ++k) {
        if (k != 0) {
            EXPECT_LT(centreOf(0).x(), centreOf(k).x()) << "house 1 is not leftmost; vs " << k;
        }
        if (k != 3) {
            EXPECT_GT(centreOf(3).y(), centreOf(k).y()) << "house 4 is not lowest; vs " << k;
        }
        if (k != 6) {
            EXPECT_GT(centreOf(6).x(), centreOf(k).x()) << "house 7 is not rightmost; vs " << k;
        }
        if (k != 9) {
            EXPECT_LT(centreOf(9).y(), centreOf(k).y()) << "house 10 is not highest; vs " << k;
        }
    }
    // Counter-clockwise from the left: house 2 is below house 1, house 12 above it.
    EXPECT_GT(centreOf(1).y(), centreOf(0).y());
    EXPECT_LT(centreOf(11).y(), centreOf(0).y());
}

// ---------------------------------------------------------------------------------
// State.

TEST(ChartWheelState, StartsEmptyWithFixedHouseNumbers) {
    ChartWheel wheel;
    EXPECT_EQ(wheel.objectName(), QStringLiteral("picNatal"));
    for (int k = 0; k < ChartWheel::kPositionCount; ++k) {
        EXPECT_TRUE(wheel.natalText(k).isEmpty()) << k;
        EXPECT_EQ(wheel.signPicture(k), 0) << k;
        EXPECT_EQ(wheel.houseNumberText(k), QString::number(k + 1)) << k;
    }
    EXPECT_EQ(wheel.houseNumberText(11), QStringLiteral("12"));
}

TEST(ChartWheelState, KeepsTextsAndPicturesPerPosition) {
    ChartWheel wheel;
    const QString leo = QStringLiteral("\r\nSun\r\nMoon\r\nAsc");
    wheel.setNatalText(0, leo);
    wheel.setNatalText(11, QStringLiteral("\r\nMercury (R) "));
    wheel.setSignPicture(0, 5);
    wheel.setSignPicture(11, 4);
    EXPECT_EQ(wheel.natalText(0), leo);
    EXPECT_EQ(wheel.natalText(11), QStringLiteral("\r\nMercury (R) "));
    EXPECT_EQ(wheel.signPicture(0), 5);
    EXPECT_EQ(wheel.signPicture(11), 4);
    EXPECT_TRUE(wheel.natalText(1).isEmpty());
    EXPECT_EQ(wheel.signPicture(1), 0);

    wheel.setNatalText(0, QString());
    EXPECT_TRUE(wheel.natalText(0).isEmpty());
}

TEST(ChartWheelState, LinesAreMarkedByTheChartNotByTheirWords) {
    // A German chart labels the Ascendant "AC"; an English word in a list is no mark.
    using Mark = ChartWheel::LineMark;
    ChartWheel wheel;
    wheel.setNatalText(0, QStringLiteral("\r\nSonne\r\nMerkur (R) \r\nAC"));
    wheel.setNatalMarks(0, {Mark::Plain, Mark::Retrograde, Mark::Ascendant});
    wheel.setNatalText(1, QStringLiteral("\r\nAsc\r\nMercury (R) "));
    const auto marksOf = [&wheel](int k) {
        QList<Mark> marks;
        for (const ChartWheel::NatalLine& line : wheel.natalLayout(k, 0.1).lines)
            marks.append(line.mark);
        return marks;
    };
    EXPECT_EQ(marksOf(0), (QList<Mark>{Mark::Plain, Mark::Retrograde, Mark::Ascendant}));
    EXPECT_EQ(marksOf(1), (QList<Mark>{Mark::Plain, Mark::Plain}));
}

TEST(ChartWheelState, PositionsOutOfRangeAreIgnored) {
    ChartWheel wheel;
    for (int k : {-1, 12, 99}) {
        wheel.setNatalText(k, QStringLiteral("\r\nSun"));
        wheel.setSignPicture(k, 3);
        EXPECT_TRUE(wheel.natalText(k).isEmpty()) << k;
        EXPECT_EQ(wheel.signPicture(k), 0) << k;
        EXPECT_TRUE(wheel.houseNumberText(k).isEmpty()) << k;
        EXPECT_TRUE(ChartWheel::natalTextRect(k).isNull()) << k;
        EXPECT_TRUE(ChartWheel::signPictureRect(k).isNull()) << k;
        EXPECT_TRUE(ChartWheel::houseNumberRect(k).isNull()) << k;
    }
    for (int k = 0; k < ChartWheel::kPositionCount; ++k) {
        EXPECT_TRUE(wheel.natalText(k).isEmpty()) << k;
        EXPECT_EQ(wheel.signPicture(k), 0) << k;
    }
}

TEST(ChartWheelState, HeightFollowsWidthAtThePictureAspect) {
    ChartWheel wheel;
    EXPECT_TRUE(wheel.hasHeightForWidth());
    EXPECT_EQ(wheel.heightForWidth(678), 650);
    EXPECT_EQ(wheel.heightForWidth(6780), 6495);
    const QSize hint = wheel.sizeHint();
    EXPECT_NEAR(double(hint.height()) / hint.width(), 6495.0 / 6780.0, 0.005);
}

// ---------------------------------------------------------------------------------
// Painting.

TEST(ChartWheelPainting, OddTargetsKeepTheAspectAndCentre) {
    ChartWheel wheel;
    wheel.setNatalText(6, QStringLiteral("\r\nMercury (R) \r\nJupiter (R) \r\nSaturn (R) "));
    for (int k = 0; k < ChartWheel::kPositionCount; ++k)
        wheel.setSignPicture(k, k + 1);
    for (const QSize size : {QSize(2000, 500), QSize(400, 1500)}) {
        const QImage image = renderWheel(wheel, size);
        const QRectF drawn = toImage(QRectF(QPointF(0, 0), ChartWheel::kLogicalSize), size);
        ASSERT_NEAR(drawn.width() / drawn.height(), 6780.0 / 6495.0, 1e-9);
        int outside = 0;
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                if (!drawn.adjusted(-1, -1, 1, 1).contains(QPointF(x, y)) &&
                    image.pixelColor(x, y) != kSentinel)
                    ++outside;
        EXPECT_EQ(outside, 0) << size.width() << "x" << size.height() << ": pixels painted outside "
                              << drawn.x() << "," << drawn.y() << " " << drawn.width() << "x"
                              << drawn.height();
        // The wheel fills its region: centre, leftmost and rightmost pictures (houses 1, 7).
        for (const QRectF& spot : {QRectF(QPointF(0, 0), ChartWheel::kLogicalSize),
                                   ChartWheel::signPictureRect(0), ChartWheel::signPictureRect(6)})
            EXPECT_NE(image.pixelColor(toImage(spot, size).center().toPoint()), kSentinel)
                << size.width() << "x" << size.height() << " blank at " << spot.center().x() << ","
                << spot.center().y();
    }
}

TEST(ChartWheelPainting, SignPictureAppearsInItsBoxOnly) {
    const QSize size(2000, 500);
    ChartWheel plain;
    ChartWheel withPicture;
    withPicture.setSignPicture(0, 1);
    const QImage before = renderWheel(plain, size);
    const QImage after = renderWheel(withPicture, size);

    const QRectF box = toImage(ChartWheel::signPictureRect(0), size);
    EXPECT_NE(cropped(before, box), cropped(after, box)) << "picture box of position 0 is blank";
    const auto changed = differenceBox(before, after);
    ASSERT_TRUE(changed.has_value());
    EXPECT_TRUE(box.adjusted(-1, -1, 1, 1).contains(QRectF(*changed)))
        << "changed pixels " << changed->x() << "," << changed->y() << " " << changed->width()
        << "x" << changed->height() << " spill out of the picture box";
}

TEST(ChartWheelPainting, PictureNumbersOutsideOneToTwelveDrawNothing) {
    const QSize size(1000, 960);
    ChartWheel plain;
    const QImage reference = renderWheel(plain, size);
    for (int picture : {0, 13, -1, 1000}) {
        ChartWheel wheel;
        for (int k = 0; k < ChartWheel::kPositionCount; ++k)
            wheel.setSignPicture(k, picture);
        EXPECT_EQ(renderWheel(wheel, size), reference) << "picture " << picture;
    }
}

TEST(ChartWheelPainting, EachPositionShowsItsOwnPicture) {
    const QSize size(1000, 960);
    ChartWheel aries;
    ChartWheel pisces;
    for (int k = 0; k < ChartWheel::kPositionCount; ++k) {
        aries.setSignPicture(k, 1);
        pisces.setSignPicture(k, 12);
    }
    const QImage a = renderWheel(aries, size);
    const QImage p = renderWheel(pisces, size);
    for (int k = 0; k < ChartWheel::kPositionCount; ++k) {
        const QRectF box = toImage(ChartWheel::signPictureRect(k), size);
        EXPECT_NE(cropped(a, box), cropped(p, box)) << "position " << k;
    }
}

TEST(ChartWheelPainting, ListTextStartsAtTheTopOfItsBox) {
    // Every list starts with a line break; that empty first line takes no room, so the
    // first body sits in the label's own box.
    const QSize size(1356, 1299); // a fifth of the picture's size in twips
    for (int k : {0, 3, 6, 9}) {
        ChartWheel empty;
        ChartWheel listed;
        listed.setNatalText(k, QStringLiteral("\r\nSun"));
        const auto changed = differenceBox(renderWheel(empty, size), renderWheel(listed, size));
        ASSERT_TRUE(changed.has_value()) << "position " << k << " shows no text";
        const QRectF box = toImage(ChartWheel::natalTextRect(k), size);
        EXPECT_TRUE(box.adjusted(-2, -2, 2, 2).contains(QRectF(*changed)))
            << "position " << k << ": text at " << changed->x() << "," << changed->y() << " "
            << changed->width() << "x" << changed->height() << ", box " << box.x() << "," << box.y()
            << " " << box.width() << "x" << box.height();
    }
}

TEST(ChartWheelPainting, LaterLinesGrowDownward) {
    const QSize size(1356, 1299);
    ChartWheel one;
    ChartWheel three;
    one.setNatalText(1, QStringLiteral("\r\nSun"));
    three.setNatalText(1, QStringLiteral("\r\nSun\r\nMoon\r\nAsc"));
    const QImage oneImage = renderWheel(one, size);
    const auto extra = differenceBox(oneImage, renderWheel(three, size));
    ASSERT_TRUE(extra.has_value());
    const QRectF box = toImage(ChartWheel::natalTextRect(1), size);
    EXPECT_GE(extra->top(), box.bottom() - 2) << "second and third lines start above the first";
    EXPECT_LE(extra->left(), box.left() + 2) << "lines are not left-aligned with the first";
}

TEST(ChartWheelPainting, RenderLeavesThePainterAsItWas) {
    ChartWheel wheel;
    wheel.setNatalText(0, QStringLiteral("\r\nSun"));
    QImage image(300, 300, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    painter.translate(5, 7);
    const QPen pen(Qt::green, 3);
    painter.setPen(pen);
    const QTransform before = painter.transform();
    wheel.render(painter, QRectF(0, 0, 300, 300));
    EXPECT_EQ(painter.transform(), before);
    EXPECT_EQ(painter.pen(), pen);
    EXPECT_FALSE(painter.hasClipping());
}

TEST(ChartWheelPainting, WidgetPaintsTheWheel) {
    ChartWheel wheel;
    wheel.setSignPicture(0, 1);
    wheel.resize(678, 650);
    const QImage grabbed = wheel.grab().toImage();
    ASSERT_FALSE(grabbed.isNull());
    // The disc is light whatever the desktop theme.
    const QColor centre = grabbed.pixelColor(grabbed.width() / 2 + 100, grabbed.height() / 2);
    EXPECT_GT(centre.lightness(), 200);
}
