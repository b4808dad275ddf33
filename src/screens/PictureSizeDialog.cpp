#include "PictureSizeDialog.h"

#include "ReportBox.h"
#include "UserMessages.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace orbenza {

PictureSizeDialog::PictureSizeDialog(int suggestedWidth, PictureHeightForWidth pictureHeight,
                                     QWidget* parent)
    : QDialog(parent), m_heightForWidth(pictureHeight) {
    setObjectName(QStringLiteral("frmPictureSize"));
    setWindowTitle(tr("Picture Size"));
    setFont(ReportBox::screenFont());

    auto* explanation =
        new QLabel(tr("Width of the PNG picture. The height follows from it, so the wheel "
                      "keeps its proportions."),
                   this);
    explanation->setObjectName(QStringLiteral("lblExplanation"));
    explanation->setWordWrap(true);

    m_width = new QSpinBox(this);
    m_width->setObjectName(QStringLiteral("spnWidth"));
    m_width->setRange(kMinimumPictureWidth, kMaximumPictureWidth);
    m_width->setSingleStep(100);
    m_width->setSuffix(tr(" px"));
    m_width->setValue(std::clamp(suggestedWidth, kMinimumPictureWidth, kMaximumPictureWidth));
    m_width->setAccelerated(true);

    m_height = new QLabel(this);
    m_height->setObjectName(QStringLiteral("lblHeight"));
    m_height->setTextFormat(Qt::PlainText);

    auto* form = new QFormLayout;
    form->addRow(tr("&Width:"), m_width);
    form->addRow(tr("Height:"), m_height);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    nameStandardButtons(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->setSpacing(10);
    layout->addWidget(explanation);
    layout->addLayout(form);
    layout->addWidget(buttons);

    connect(m_width, &QSpinBox::valueChanged, this, &PictureSizeDialog::showHeight);
    showHeight();
    m_width->selectAll();
    m_width->setFocus();
    setMinimumWidth(340);
}

int PictureSizeDialog::widthPixels() const {
    return m_width->value();
}

void PictureSizeDialog::showHeight() {
    m_height->setText(tr("%1 px").arg(m_heightForWidth(m_width->value())));
}

} // namespace orbenza
