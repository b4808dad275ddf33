#include "AboutBox.h"

#include "BirthDetailsScreen.h"
#include "ReportBox.h"
#include "WebLinks.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orbenza {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(programCaption());
    setModal(true);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("picIcon"));
    const int pictureSize = 72;
    picture->setPixmap(QIcon(QStringLiteral(":/orbenza.svg"))
                           .pixmap(QSize(pictureSize, pictureSize), devicePixelRatioF()));
    picture->setFixedSize(pictureSize, pictureSize);

    auto* title = new QLabel(programCaption(), this);
    title->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    titleFont.setBold(true);
    title->setFont(titleFont);

    auto* description = new QLabel(programDescription(), this);
    description->setObjectName(QStringLiteral("lblDescription"));
    description->setWordWrap(true);

    auto* homePage = new LinkLabel(tr("Click here to visit %1").arg(homePageAddress()), this);
    homePage->setObjectName(QStringLiteral("lblHomePage"));
    connect(homePage, &LinkLabel::clicked, this, [] { openHomePage(); });

    // The data the place atlas is built from, with the licences they ask to be named.
    auto* sources = new QLabel(
        tr("Place atlas: GeoNames (geonames.org), its places, names, regions and time zones, "
           "CC BY 4.0. Clock times: the IANA time-zone database (public domain)."),
        this);
    sources->setObjectName(QStringLiteral("lblDataSources"));
    sources->setWordWrap(true);
    auto* computed = new QLabel(
        tr("Precise positions: series fitted to the Swiss Ephemeris 2.10 (Astrodienst AG, "
           "AGPL-3.0, with JPL's DE431). Hindi text: the Lohit Devanagari font (SIL Open Font "
           "License 1.1)."),
        this);
    computed->setObjectName(QStringLiteral("lblComputingSources"));
    computed->setWordWrap(true);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    ok->setMinimumWidth(ok->sizeHint().width() + 24);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* text = new QVBoxLayout;
    text->setSpacing(10);
    text->addWidget(title);
    text->addWidget(description);
    text->addWidget(homePage);
    text->addWidget(sources);
    text->addWidget(computed);
    text->addStretch(1);

    auto* top = new QHBoxLayout;
    top->setSpacing(18);
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addLayout(text, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(20, 20, 20, 16);
    page->setSpacing(16);
    page->addLayout(top, 1);
    page->addLayout(buttons);
    page->setSizeConstraint(QLayout::SetFixedSize);

    // Wide enough that the description wraps into a few comfortable lines.
    description->setMinimumWidth(description->fontMetrics().averageCharWidth() * 52);
    ok->setFocus(Qt::OtherFocusReason);
}

} // namespace orbenza
