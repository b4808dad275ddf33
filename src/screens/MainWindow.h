// The main window MDI: the program's name, an invitation to the maker's web
// community, "&Print", "&Back" and "&Exit", and the chart screen below them.
#pragma once

#include <QMainWindow>
#include <QMargins>
#include <QRect>
#include <QSize>

class QLabel;
class QPushButton;
class QScrollArea;

namespace orbenza {

class ChartScreen;
class LinkLabel;

// Left edges of the main window's controls, all in twips (1/1440 inch), from
// the window's width and the controls' widths in twips: the banner, the title and
// the chart screen centred; "&Exit" 160 twips from the right edge; "&Back" 1400
// twips from it; "&Print" 2600 twips plus the Back button's width from it.
struct ShellPlacement {
    int bannerLeft = 0;
    int titleLeft = 0;
    int exitLeft = 0;
    int backLeft = 0;
    int chartLeft = 0;
    int printLeft = 0;
    friend bool operator==(const ShellPlacement&, const ShellPlacement&) = default;
};
ShellPlacement placeShellControls(int windowWidth, int bannerWidth, int titleWidth, int exitWidth,
                                  int backWidth, int chartWidth);

// Twips and device-independent pixels at a logical resolution in dots per inch.
int pixelsToTwips(int pixels, double dotsPerInch);
int twipsToPixels(int twips, double dotsPerInch);

// The window's size when shown normal (not maximised): 1280 x 860 at most, and
// with its frame (title bar and borders, as the window system draws them) inside
// the screen's available area, so that nothing falls off a small screen.
QSize normalWindowSize(const QRect& available, const QMargins& frame);
// The frame assumed before the window system has drawn one: a title bar and
// thin borders.
inline constexpr int kAssumedTitleBarPixels = 32;
inline constexpr int kAssumedBorderPixels = 4;

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    // Takes the chart screen as its one child.
    explicit MainWindow(ChartScreen* chartScreen, QWidget* parent = nullptr);

    ChartScreen* chartScreen() const { return m_chartScreen; }

    // The placement last applied to the header, in twips.
    ShellPlacement placement() const { return m_placement; }

signals:
    void backRequested();  // "&Back", button or menu
    void printRequested(); // "&Print"
    // "Export Chart &Picture…": the wheel as an SVG or PNG picture.
    void exportPictureRequested();
    // "Save Report as P&DF…": the report with a title block as a PDF document.
    void saveReportPdfRequested();
    void aboutRequested(); // "&About Software"
    // The window was closed: "&Exit", "E&xit" or the window's close button.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    // Places the title, the banner and the buttons in the header from its width.
    void placeControls();
    double dotsPerInch() const;

    QWidget* m_header = nullptr;
    QLabel* m_title = nullptr;
    LinkLabel* m_banner = nullptr;
    QPushButton* m_print = nullptr;
    QPushButton* m_back = nullptr;
    QPushButton* m_exit = nullptr;
    QScrollArea* m_scroll = nullptr;
    ChartScreen* m_chartScreen = nullptr;
    ShellPlacement m_placement;
};

} // namespace orbenza
