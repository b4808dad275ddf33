// The controls the birth details form is built from: captioned boxes and
// lists named as the screen's objects, the coordinate frames and the
// searchable zone list.
#pragma once

#include "InputFilters.h"

#include <QLabel>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;
class QResizeEvent;

namespace orbenza {

QLabel* captionLabel(const QString& text, const char* objectName, QWidget* parent);
QComboBox* namedList(const char* objectName, QWidget* parent);
QLineEdit* placeBox(const char* objectName, QWidget* parent);
QRadioButton* namedOption(const QString& text, const char* objectName, QWidget* parent);

// A coordinate box wide enough for a few digits, no wider.
FilteredLineEdit* coordinateBox(const char* objectName, const QString& text, QWidget* parent);

// A word-wrapped label that asks for the height of all its lines at the width
// it has, so that the window's least size keeps every line in view. (A layout
// gives a wrapped label its height for its width only while there is room;
// at the window's least size it would cut off the lines past the first.)
class WrappedLineLabel : public QLabel {
public:
    explicit WrappedLineLabel(QWidget* parent) : QLabel(parent) { setWordWrap(true); }
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;
};

// A coordinate frame: degrees and minutes with their captions, then the two
// hemisphere options. The option objects are named as the control array
// elements optLong(0)/optLong(1) and optLat(0)/optLat(1): "optLong0", "optLong1".
QGroupBox* coordinateFrame(const QString& title, const char* objectName, const char* degCaption,
                           const char* minCaption, FilteredLineEdit* degrees,
                           FilteredLineEdit* minutes, QRadioButton* first, QRadioButton* second,
                           QWidget* parent);

// The zone list can be searched: its box takes typed text, and a list of the
// rows that hold the text anywhere (any word of "Eastern Standard Time,EST,-5.0",
// case ignored) drops down while typing; picking one selects that row. A typed
// blank goes into the text instead of opening the list. Only the 71 rows can
// be chosen: when the box loses the focus with a text that is no row, the
// selected row's text comes back.
void makeSearchable(QComboBox* box);
// A searchable list's typed text: a row's whole text selects that row; any
// other text gives way to the selected row's.
void settleTypedRow(QComboBox* box);

} // namespace orbenza
