// The degree wheel on the chart screen: paints the core's drawing model as it
// is, scaled into the widget with its proportions kept.
#pragma once

#include "wheel/DegreeWheel.h"

#include <QWidget>
#include <array>
#include <optional>

class QPainter;
class QSvgRenderer;

namespace orbenza {

class DegreeWheelView : public QWidget {
    Q_OBJECT

public:
    explicit DegreeWheelView(QWidget* parent = nullptr);
    ~DegreeWheelView() override;

    // The wheel to show; nothing is drawn before the first.
    void setWheel(DegreeWheel wheel);
    const std::optional<DegreeWheel>& wheel() const { return m_wheel; }

    // Paints the whole wheel into target (device units) with its proportions
    // kept and centred: used by paintEvent and by the PNG export. Leaves the
    // painter's state as it found it.
    void render(QPainter& painter, const QRectF& target) const;

    // The wheel's canvas scaled into a rectangle of the given size, aspect kept.
    static QRectF fittedRect(const QSizeF& available);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<DegreeWheel> m_wheel;
    // The program's sign pictures, index 0 = Aries.
    std::array<QSvgRenderer*, kSignCount> m_signRenderers{};
};

} // namespace orbenza
