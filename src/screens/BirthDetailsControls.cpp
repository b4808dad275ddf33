#include "BirthDetailsControls.h"

#include "BirthDetailsScreen.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QCompleter>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QResizeEvent>
#include <algorithm>

namespace orbenza {

QLabel* captionLabel(const QString& text, const char* objectName, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(objectName));
    return label;
}

QComboBox* namedList(const char* objectName, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(objectName));
    return box;
}

FilteredLineEdit* coordinateBox(const char* objectName, const QString& text, QWidget* parent) {
    auto* box = new FilteredLineEdit(CharacterFilter::Digits, parent);
    box->setObjectName(QLatin1String(objectName));
    box->setText(text);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const int digitsWidth = box->fontMetrics().horizontalAdvance(QStringLiteral("00000"));
    box->setMinimumWidth(digitsWidth + 12);
    box->setMaximumWidth(digitsWidth * 2 + 12);
    return box;
}

QSize WrappedLineLabel::minimumSizeHint() const {
    QSize least = QLabel::minimumSizeHint();
    if (width() > 0)
        least.setHeight(std::max(least.height(), heightForWidth(width())));
    return least;
}

void WrappedLineLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    if (event->size().width() != event->oldSize().width())
        updateGeometry();
}

QLineEdit* placeBox(const char* objectName, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(objectName));
    return box;
}

QRadioButton* namedOption(const QString& text, const char* objectName, QWidget* parent) {
    auto* button = new QRadioButton(text, parent);
    button->setObjectName(QLatin1String(objectName));
    return button;
}

QGroupBox* coordinateFrame(const QString& title, const char* objectName, const char* degCaption,
                           const char* minCaption, FilteredLineEdit* degrees,
                           FilteredLineEdit* minutes, QRadioButton* first, QRadioButton* second,
                           QWidget* parent) {
    auto* frame = new QGroupBox(title, parent);
    frame->setObjectName(QLatin1String(objectName));
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(8);
    grid->addWidget(captionLabel(BirthDetailsScreen::tr("Deg"), degCaption, frame), 0, 0);
    grid->addWidget(degrees, 0, 1);
    grid->addItem(new QSpacerItem(12, 0), 0, 2);
    grid->addWidget(captionLabel(BirthDetailsScreen::tr("Min"), minCaption, frame), 0, 3);
    grid->addWidget(minutes, 0, 4);
    grid->addWidget(first, 1, 0, 1, 2);
    grid->addWidget(second, 1, 3, 1, 2);
    grid->setColumnStretch(5, 1);
    auto* group = new QButtonGroup(frame);
    group->addButton(first, 0);
    group->addButton(second, 1);
    return frame;
}

void settleTypedRow(QComboBox* box) {
    const int row = box->findText(box->lineEdit()->text(), Qt::MatchExactly);
    if (row >= 0)
        box->setCurrentIndex(row);
    else
        box->lineEdit()->setText(box->itemText(box->currentIndex()));
}

void makeSearchable(QComboBox* box) {
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    auto* completer = new QCompleter(box->model(), box);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    completer->setFilterMode(Qt::MatchContains);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setMaxVisibleItems(box->maxVisibleItems());
    box->setCompleter(completer);
    QObject::connect(completer, qOverload<const QString&>(&QCompleter::activated), box,
                     [box](const QString& text) {
                         const int row = box->findText(text, Qt::MatchExactly);
                         if (row >= 0)
                             box->setCurrentIndex(row);
                     });
    QObject::connect(box->lineEdit(), &QLineEdit::editingFinished, box,
                     [box] { settleTypedRow(box); });
}

} // namespace orbenza
