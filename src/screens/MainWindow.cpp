#include "MainWindow.h"

#include "BirthDetailsScreen.h"
#include "ChartScreen.h"
#include "ReportBox.h"
#include "WebLinks.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

namespace orbenza {

namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr int kExitMarginTwips =
    160; // right edge of the window to the left of "&Exit", less its width
constexpr int kBackMarginTwips = 1400;  // the same for "&Back"
constexpr int kPrintMarginTwips = 2600; // the same for "&Print", with the Back button's width
// The buttons' width: with the margins above it leaves a small gap between them.
constexpr int kButtonWidthTwips = 1100;

constexpr int kHeaderMarginPixels = 8;

} // namespace

ShellPlacement placeShellControls(int windowWidth, int bannerWidth, int titleWidth, int exitWidth,
                                  int backWidth, int chartWidth) {
    ShellPlacement placement;
    placement.bannerLeft = (windowWidth - bannerWidth) / 2;
    placement.titleLeft = (windowWidth - titleWidth) / 2;
    placement.exitLeft = windowWidth - (exitWidth + kExitMarginTwips);
    placement.backLeft = windowWidth - (backWidth + kBackMarginTwips);
    placement.chartLeft = (windowWidth - chartWidth) / 2;
    // The Back button's width, not the Print button's own.
    placement.printLeft = windowWidth - (backWidth + kPrintMarginTwips);
    return placement;
}

int pixelsToTwips(int pixels, double dotsPerInch) {
    return qRound(pixels * kTwipsPerInch / dotsPerInch);
}

int twipsToPixels(int twips, double dotsPerInch) {
    return qRound(twips * dotsPerInch / kTwipsPerInch);
}

QSize normalWindowSize(const QRect& available, const QMargins& frame) {
    constexpr int kLargestWidth = 1280;
    constexpr int kLargestHeight = 860;
    const int width = available.width() - frame.left() - frame.right();
    const int height = available.height() - frame.top() - frame.bottom();
    return {std::max(0, std::min(kLargestWidth, width)),
            std::max(0, std::min(kLargestHeight, height))};
}

MainWindow::MainWindow(ChartScreen* chartScreen, QWidget* parent)
    : QMainWindow(parent), m_chartScreen(chartScreen) {
    setObjectName(QStringLiteral("MDI"));
    setWindowTitle(programCaption());

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("MDIClient"));
    setCentralWidget(central);

    // The header: title and banner centred, the buttons at the right. Placed by
    // hand from the header's width (placeControls), not by a layout.
    m_header = new QWidget(central);
    m_header->setObjectName(QStringLiteral("picHeader"));
    m_header->installEventFilter(this);

    m_title = new QLabel(QStringLiteral("Orbenza"), m_header);
    m_title->setObjectName(QStringLiteral("lblSoftwareName"));
    QFont titleFont = ReportBox::screenFont();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.7);
    titleFont.setBold(true);
    m_title->setFont(titleFont);

    m_banner = new LinkLabel(tr("Join our online astrology community at %1").arg(homePageAddress()),
                             m_header);
    m_banner->setObjectName(QStringLiteral("lblBanner"));
    connect(m_banner, &LinkLabel::clicked, this, [] { openHomePage(); });

    m_print = new QPushButton(tr("&Print"), m_header);
    m_print->setObjectName(QStringLiteral("Command1"));
    connect(m_print, &QPushButton::clicked, this, &MainWindow::printRequested);
    m_back = new QPushButton(tr("&Back"), m_header);
    m_back->setObjectName(QStringLiteral("cmdBack"));
    connect(m_back, &QPushButton::clicked, this, &MainWindow::backRequested);
    m_exit = new QPushButton(tr("&Exit"), m_header);
    m_exit->setObjectName(QStringLiteral("cmdMdiExit"));
    connect(m_exit, &QPushButton::clicked, this, &QWidget::close);

    auto* rule = new QFrame(central);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    // The chart screen scrolls when the window is smaller than it needs; when
    // the window is wider than the chart can grow, the chart stands centred, at
    // the placement's chartLeft.
    m_scroll = new QScrollArea(central);
    m_scroll->setObjectName(QStringLiteral("scrChart"));
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidgetResizable(true);
    m_scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_scroll->setWidget(m_chartScreen);
    m_chartScreen->installEventFilter(this);

    auto* page = new QVBoxLayout(central);
    page->setContentsMargins(0, 0, 0, 0);
    page->setSpacing(0);
    page->addWidget(m_header);
    page->addWidget(rule);
    page->addWidget(m_scroll, 1);

    setTabOrder(m_print, m_back);
    setTabOrder(m_back, m_exit);
    setTabOrder(m_exit, m_banner);

    buildMenus();

    // Header height and the narrowest width at which nothing overlaps.
    // The buttons share one width: the rule's width unless a caption needs more.
    // (The style's own minimum button width would close the gaps between them.)
    const double dpi = dotsPerInch();
    int buttonWidth = twipsToPixels(kButtonWidthTwips, dpi);
    for (QPushButton* button : {m_print, m_back, m_exit}) {
        const QFontMetrics metrics(button->font());
        const int captionWidth =
            metrics.horizontalAdvance(button->text().remove(QLatin1Char('&'))) +
            4 * metrics.averageCharWidth();
        buttonWidth = std::max(buttonWidth, captionWidth);
    }
    for (QPushButton* button : {m_print, m_back, m_exit})
        button->resize(buttonWidth, button->sizeHint().height());
    const int textHeight = m_title->sizeHint().height() + m_banner->sizeHint().height() + 2;
    m_header->setFixedHeight(std::max(textHeight, m_exit->height()) + 2 * kHeaderMarginPixels);
    const int centreWidth = std::max(m_title->sizeHint().width(), m_banner->sizeHint().width());
    const int rightBlock = buttonWidth + twipsToPixels(kPrintMarginTwips, dpi);
    m_header->setMinimumWidth(centreWidth + 2 * (rightBlock + 2 * kHeaderMarginPixels));

    // A comfortable size when shown normal; it is usually shown maximised.
    if (const QScreen* screen = this->screen()) {
        const QRect available = screen->availableGeometry();
        // The frame is known only once the window is shown; until then a
        // common one is assumed.
        QMargins frame(kAssumedBorderPixels, kAssumedTitleBarPixels, kAssumedBorderPixels,
                       kAssumedBorderPixels);
        if (isVisible() && frameGeometry() != geometry())
            frame = QMargins(geometry().left() - frameGeometry().left(),
                             geometry().top() - frameGeometry().top(),
                             frameGeometry().right() - geometry().right(),
                             frameGeometry().bottom() - geometry().bottom());
        resize(normalWindowSize(available, frame));
    }
    placeControls();
}

void MainWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* back = file->addAction(tr("&Back"));
    back->setObjectName(QStringLiteral("mnuBack"));
    connect(back, &QAction::triggered, this, &MainWindow::backRequested);
    file->addSeparator();
    QAction* exportPicture = file->addAction(tr("Export Chart &Picture\u2026"));
    exportPicture->setObjectName(QStringLiteral("mnuExportPicture"));
    connect(exportPicture, &QAction::triggered, this, &MainWindow::exportPictureRequested);
    QAction* reportPdf = file->addAction(tr("Save Report as P&DF\u2026"));
    reportPdf->setObjectName(QStringLiteral("mnuSaveReportPdf"));
    connect(reportPdf, &QAction::triggered, this, &MainWindow::saveReportPdfRequested);
    file->addSeparator();
    QAction* exit = file->addAction(tr("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    connect(exit, &QAction::triggered, this, &QWidget::close);

    addHelpMenu(menuBar(), this, [this] { emit aboutRequested(); });
}

double MainWindow::dotsPerInch() const {
    const int dpi = logicalDpiX();
    return dpi > 0 ? dpi : 96.0;
}

void MainWindow::placeControls() {
    const double dpi = dotsPerInch();
    const auto twips = [dpi](int pixels) { return pixelsToTwips(pixels, dpi); };
    const auto pixels = [dpi](int twipValue) { return twipsToPixels(twipValue, dpi); };

    const QSize titleSize = m_title->sizeHint();
    const QSize bannerSize = m_banner->sizeHint();
    m_placement = placeShellControls(twips(m_header->width()), twips(bannerSize.width()),
                                     twips(titleSize.width()), twips(m_exit->width()),
                                     twips(m_back->width()), twips(m_chartScreen->width()));

    const int titleTop = kHeaderMarginPixels;
    const int bannerTop = titleTop + titleSize.height() + 2;
    m_title->setGeometry(pixels(m_placement.titleLeft), titleTop, titleSize.width(),
                         titleSize.height());
    m_banner->setGeometry(pixels(m_placement.bannerLeft), bannerTop, bannerSize.width(),
                          bannerSize.height());

    const int buttonTop = (m_header->height() - m_exit->height()) / 2;
    m_exit->move(pixels(m_placement.exitLeft), buttonTop);
    m_back->move(pixels(m_placement.backLeft), buttonTop);
    m_print->move(pixels(m_placement.printLeft), buttonTop);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // The header follows its own width; the chart's left edge follows the chart.
    if ((watched == m_header || watched == m_chartScreen) &&
        (event->type() == QEvent::Resize || event->type() == QEvent::Show))
        placeControls();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closed();
}

} // namespace orbenza
