#include "ReportBox.h"

#include "WebLinks.h"
#include "wheel/DegreeWheel.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

namespace orbenza {

namespace {

// Character format properties of a link the box made from a web address, and
// what the text looked like before, so the link can be turned back into text.
constexpr int kAutoLinkProperty = QTextFormat::UserProperty + 1;
constexpr int kSavedForegroundProperty = QTextFormat::UserProperty + 2;
constexpr int kHadForegroundProperty = QTextFormat::UserProperty + 3;
constexpr int kSavedUnderlineProperty = QTextFormat::UserProperty + 4;
constexpr int kHadUnderlineProperty = QTextFormat::UserProperty + 5;

const QColor kLinkColour(0, 0, 238);

// A web address as it stands in running text: "http://", "https://" or "www."
// at the start of a word, up to the next blank, quote or angle bracket.
const QRegularExpression& webAddressPattern() {
    static const QRegularExpression pattern(
        QStringLiteral(R"((?<![\w@/.\-])(?:https?://|www\.)[^\s<>"]+)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    return pattern;
}

// Punctuation that ends a sentence after an address rather than belonging to it;
// a closing bracket stays when the address opened one.
int addressLength(const QString& match) {
    int length = static_cast<int>(match.size());
    while (length > 0) {
        const QChar last = match.at(length - 1);
        if (QStringLiteral(".,;:!?'").contains(last)) {
            --length;
            continue;
        }
        const QStringView kept = QStringView(match).left(length);
        if (last == QLatin1Char(')') &&
            kept.count(QLatin1Char('(')) < kept.count(QLatin1Char(')'))) {
            --length;
            continue;
        }
        if (last == QLatin1Char(']') &&
            kept.count(QLatin1Char('[')) < kept.count(QLatin1Char(']'))) {
            --length;
            continue;
        }
        break;
    }
    return length;
}

struct FormatRange {
    int position;
    int length;
    QTextCharFormat format;
};

// The pieces of uniform format that overlap [from, to).
std::vector<FormatRange> formatRanges(const QTextDocument& document, int from, int to) {
    std::vector<FormatRange> ranges;
    for (QTextBlock block = document.findBlock(from); block.isValid() && block.position() < to;
         block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const int start = std::max(fragment.position(), from);
            const int end = std::min(fragment.position() + fragment.length(), to);
            if (start < end)
                ranges.push_back({start, end - start, fragment.charFormat()});
        }
    }
    return ranges;
}

QString withCrLf(QString text) {
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

} // namespace

ReportBox::ReportBox(QWidget* parent) : QTextEdit(parent) {
    setReadOnly(true);
    setUndoRedoEnabled(false);
    setAcceptRichText(false);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard |
                            Qt::LinksAccessibleByMouse);
    setFont(screenFont());
    document()->setDefaultFont(screenFont());
    document()->setDocumentMargin(10.0);

    // Black on white in every theme; the selection keeps the theme's colours.
    QPalette page = palette();
    page.setColor(QPalette::Base, Qt::white);
    page.setColor(QPalette::Text, Qt::black);
    page.setColor(QPalette::Link, kLinkColour);
    setPalette(page);
    viewport()->setAutoFillBackground(true);
}

QFont ReportBox::screenFont(qreal pointSize) {
    QFont font = QApplication::font();
    // Devanagari, which neither Verdana nor DejaVu Sans has, from Debian's
    // fonts-lohit-deva: the Hindi report on the screen, in the PDF and in print.
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"),
                      QString::fromLatin1(kDevanagariFontFamily), QStringLiteral("sans-serif")});
    font.setStyleHint(QFont::SansSerif);
    if (pointSize > 0.0)
        font.setPointSizeF(pointSize);
    return font;
}

void ReportBox::enableLinks() {
    if (m_linksEnabled)
        return;
    m_linksEnabled = true;
    markLinks(0, document()->characterCount());
}

void ReportBox::disableLinks() {
    if (!m_linksEnabled)
        return;
    m_linksEnabled = false;
    unmarkLinks();
}

void ReportBox::appendText(const QString& text, const QTextCharFormat& format) {
    // Every kind of line break becomes one paragraph end; a "\r\n" pair must not
    // become two.
    QString normalised = text;
    normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normalised.replace(QLatin1Char('\r'), QLatin1Char('\n'));

    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    const int start = cursor.position();
    cursor.insertText(normalised, format);
    const int end = cursor.position();
    if (m_linksEnabled) {
        // An address may have begun in the text appended before.
        markLinks(document()->findBlock(start).position(), end);
    }
}

void ReportBox::appendPlainText(const QString& text) {
    QTextCharFormat format;
    format.setFont(document()->defaultFont());
    format.setForeground(QColor(Qt::black));
    appendText(text, format);
}

QTextCharFormat ReportBox::runFormat(const ReportRun& run) const {
    QTextCharFormat format;
    format.setFont(document()->defaultFont());
    format.setFontWeight(run.heading ? QFont::Bold : QFont::Normal);
    format.setForeground(QColor(run.color.r, run.color.g, run.color.b));
    return format;
}

void ReportBox::showReport(const std::vector<ReportRun>& runs) {
    clear();
    for (const ReportRun& run : runs) {
        appendText(QString::fromUtf8(run.text.data(), static_cast<qsizetype>(run.text.size())),
                   runFormat(run));
    }
    moveCursor(QTextCursor::Start);
}

QString ReportBox::plainTextWithCrLf() const {
    return withCrLf(toPlainText());
}

QString ReportBox::selectedTextWithCrLf() const {
    return withCrLf(textCursor().selection().toPlainText());
}

QString ReportBox::linkAt(const QPoint& viewportPos) const {
    return anchorAt(viewportPos);
}

void ReportBox::mousePressEvent(QMouseEvent* event) {
    // A left press on a link opens it; the press then goes on to the box as usual,
    // so selecting still works. openWebLink is the one gate: it opens web
    // addresses only, and nothing that is longer than a link may be.
    if (m_linksEnabled && event->button() == Qt::LeftButton) {
        const QString link = linkAt(event->position().toPoint());
        if (!link.isEmpty())
            openWebLink(link);
    }
    QTextEdit::mousePressEvent(event);
}

void ReportBox::markLinks(int from, int to) {
    QTextDocument* doc = document();
    const int documentEnd = doc->characterCount() - 1;
    to = std::min(to, documentEnd);
    int position = from;
    while (position < to) {
        const QTextCursor match = doc->find(webAddressPattern(), position);
        if (match.isNull() || match.selectionStart() >= to)
            break;
        const int start = match.selectionStart();
        const QString matched = match.selectedText();
        const int length = addressLength(matched);
        position = match.selectionEnd();
        if (length == 0)
            continue;
        const QString address = matched.left(length);
        // Only what would open is shown as a link.
        if (!webAddressOf(address).isValid())
            continue;

        QTextCursor cursor(doc);
        for (FormatRange& range : formatRanges(*doc, start, start + length)) {
            QTextCharFormat format = range.format;
            if (!format.hasProperty(kAutoLinkProperty)) {
                format.setProperty(kAutoLinkProperty, true);
                format.setProperty(kHadForegroundProperty,
                                   format.hasProperty(QTextFormat::ForegroundBrush));
                format.setProperty(kSavedForegroundProperty, format.foreground());
                format.setProperty(kHadUnderlineProperty,
                                   format.hasProperty(QTextFormat::TextUnderlineStyle));
                format.setProperty(kSavedUnderlineProperty,
                                   static_cast<int>(format.underlineStyle()));
            }
            format.setAnchor(true);
            format.setAnchorHref(address);
            format.setForeground(kLinkColour);
            format.setFontUnderline(true);
            cursor.setPosition(range.position);
            cursor.setPosition(range.position + range.length, QTextCursor::KeepAnchor);
            cursor.setCharFormat(format);
        }
    }
}

void ReportBox::unmarkLinks() {
    QTextDocument* doc = document();
    QTextCursor cursor(doc);
    for (FormatRange& range : formatRanges(*doc, 0, doc->characterCount())) {
        QTextCharFormat format = range.format;
        if (!format.hasProperty(kAutoLinkProperty))
            continue;
        format.clearProperty(QTextFormat::IsAnchor);
        format.clearProperty(QTextFormat::AnchorHref);
        if (format.boolProperty(kHadForegroundProperty))
            format.setForeground(format.brushProperty(kSavedForegroundProperty));
        else
            format.clearForeground();
        if (format.boolProperty(kHadUnderlineProperty))
            format.setUnderlineStyle(static_cast<QTextCharFormat::UnderlineStyle>(
                format.intProperty(kSavedUnderlineProperty)));
        else
            format.clearProperty(QTextFormat::TextUnderlineStyle);
        for (int property : {kAutoLinkProperty, kSavedForegroundProperty, kHadForegroundProperty,
                             kSavedUnderlineProperty, kHadUnderlineProperty})
            format.clearProperty(property);
        cursor.setPosition(range.position);
        cursor.setPosition(range.position + range.length, QTextCursor::KeepAnchor);
        cursor.setCharFormat(format);
    }
}

// ---------------------------------------------------------------------------------

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setFont(ReportBox::screenFont());
    // The theme's link colour, underlined; a thin frame shows keyboard focus.
    setStyleSheet(QStringLiteral("orbenza--LinkLabel { color: palette(link); "
                                 "text-decoration: underline; border: 1px solid transparent; "
                                 "padding: 1px; }"
                                 "orbenza--LinkLabel:focus { border: 1px dotted palette(link); }"));
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_pressed = true;
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && m_pressed) {
        m_pressed = false;
        event->accept();
        if (rect().contains(event->position().toPoint()))
            emit clicked();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        emit clicked();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

} // namespace orbenza
