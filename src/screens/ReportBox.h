// The rich-text report box of the chart screen and of the save-and-print screen,
// with its clickable web addresses, and the small link label both screens use.
#pragma once

#include "report/HouseReport.h"

#include <QLabel>
#include <QTextEdit>
#include <vector>

class QTextCharFormat;

namespace orbenza {

// A read-only rich-text box whose text can be selected and copied. While links are
// enabled, every web address in its text ("http://...", "https://..." or "www....")
// is shown as a link, and a left mouse press on a link opens it once in the web
// browser. The only way anything is opened is openWebLink(), so a local path, a
// program, "file:" or any other scheme never is; the box itself never navigates.
//
// Its page is always white with black text, whatever the desktop theme: the report
// is written in black and in dark colours that need a light page.
class ReportBox : public QTextEdit {
    Q_OBJECT

public:
    explicit ReportBox(QWidget* parent = nullptr);

    // Switches link detection and link opening on: the web addresses already in the
    // box, and in all text inserted later, become links.
    void enableLinks();
    // Switches them off again: the links go back to plain text and presses open
    // nothing. Does nothing when links are not enabled.
    void disableLinks();
    bool linksEnabled() const { return m_linksEnabled; }

    // Appends text at the end of the box in the given character format. Line breaks
    // may be "\r\n", "\n" or "\r"; each is one line break in the box.
    void appendText(const QString& text, const QTextCharFormat& format);
    // Appends text in the box's default format: uniform plain text.
    void appendPlainText(const QString& text);

    // Replaces the content with the report's runs: each run in its own colour,
    // headings bold.
    void showReport(const std::vector<ReportRun>& runs);

    // The whole text without formatting, with "\r\n" line breaks.
    QString plainTextWithCrLf() const;
    // The selected text with "\r\n" line breaks; empty when nothing is selected.
    QString selectedTextWithCrLf() const;

    // The address of the link under a point of the viewport; empty when there is
    // none.
    QString linkAt(const QPoint& viewportPos) const;

    // The character format of a report run (colour, heading flag) on top of the
    // box's default font.
    QTextCharFormat runFormat(const ReportRun& run) const;

    // The screens' font: Verdana where installed, else a close sans-serif face;
    // the application's size unless pointSize is given.
    static QFont screenFont(qreal pointSize = -1.0);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    // Marks the web addresses between two document positions as links.
    void markLinks(int from, int to);
    // Turns every link back into the plain text it was made from.
    void unmarkLinks();

    bool m_linksEnabled = false;
};

// A one-line label that works like a web link: link-coloured and underlined,
// with a pointing-hand cursor, and clicked with the left mouse button or, when it
// has the focus, with Space or Enter.
class LinkLabel : public QLabel {
    Q_OBJECT

public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool m_pressed = false;
};

} // namespace orbenza
