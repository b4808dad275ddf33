#include "InputFilters.h"

#include "UserMessages.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>

namespace orbenza {

namespace {

bool isAsciiDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isLineBreak(QChar c) {
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

// Whether a key press would put its text into a line edit, as QLineEdit decides
// it: keys with Ctrl (shortcuts) and control characters do not.
bool typesText(const QKeyEvent& event) {
    const QString text = event.text();
    if (text.isEmpty())
        return false;
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::ControlModifier || modifiers == (Qt::ControlModifier | Qt::ShiftModifier))
        return false;
    for (const QChar c : text)
        if (c.category() == QChar::Other_Control)
            return false;
    return true;
}

bool isEnterKey(const QKeyEvent& event) {
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

} // namespace

std::optional<QString> filterEnteredText(CharacterFilter filter, const QString& text) {
    QString accepted;
    accepted.reserve(text.size());
    for (const QChar c : text) {
        switch (filter) {
        case CharacterFilter::Digits:
            if (!isAsciiDigit(c))
                return std::nullopt;
            accepted += c;
            break;
        case CharacterFilter::Letters:
            if (isLineBreak(c)) // Enter passes but puts nothing in the box
                break;
            accepted += c;
            break;
        }
    }
    if (filter == CharacterFilter::Letters) {
        // The characters of a person's name, by the core's rule, whole code
        // points at a time; lower case goes in as capitals.
        for (const char32_t c : accepted.toUcs4())
            if (!isPersonNameCharacter(c))
                return std::nullopt;
        return accepted.toUpper();
    }
    return accepted;
}

FilterRefusal filterRefusal(CharacterFilter filter) {
    switch (filter) {
    case CharacterFilter::Digits:
        return {onlyNumbersText(), MessageIcon::Error};
    case CharacterFilter::Letters:
        break;
    }
    return {onlyLettersText(), MessageIcon::Information};
}

FilteredLineEdit::FilteredLineEdit(CharacterFilter filter, QWidget* parent)
    : QLineEdit(parent), m_filter(filter) {}

void FilteredLineEdit::refuse() {
    const FilterRefusal refusal = filterRefusal(m_filter);
    showUserMessage(window(), refusal.message, refusal.icon);
}

void FilteredLineEdit::filteredPaste(QClipboard::Mode mode) {
    if (isReadOnly())
        return;
    const QString text = QGuiApplication::clipboard()->text(mode);
    if (text.isEmpty())
        return;
    const std::optional<QString> accepted = filterEnteredText(m_filter, text);
    if (!accepted) {
        refuse();
        return;
    }
    insert(*accepted);
}

QMenu* FilteredLineEdit::createFilteredContextMenu() {
    // The usual edit menu of a line edit, built here so that its "Paste" goes
    // through the filter; the texts come from QLineEdit's own translations.
    auto* menu = new QMenu(this);
    const auto add = [this, menu](const char* text, QKeySequence::StandardKey key, const char* name,
                                  bool enabled, auto slot) {
        QString caption = QCoreApplication::translate("QLineEdit", text);
        const QKeySequence shortcut(key);
        if (!shortcut.isEmpty())
            caption += QLatin1Char('\t') + shortcut.toString(QKeySequence::NativeText);
        QAction* action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        action->setEnabled(enabled);
        connect(action, &QAction::triggered, this, slot);
    };
    const bool editable = !isReadOnly();
    const bool selected = hasSelectedText();
    const bool visibleText = echoMode() == QLineEdit::Normal;
    const QString clipboardText = QGuiApplication::clipboard()->text();

    add("&Undo", QKeySequence::Undo, "edit-undo", editable && isUndoAvailable(), &QLineEdit::undo);
    add("&Redo", QKeySequence::Redo, "edit-redo", editable && isRedoAvailable(), &QLineEdit::redo);
    menu->addSeparator();
    add("Cu&t", QKeySequence::Cut, "edit-cut", editable && selected && visibleText,
        &QLineEdit::cut);
    add("&Copy", QKeySequence::Copy, "edit-copy", selected && visibleText, &QLineEdit::copy);
    add("&Paste", QKeySequence::Paste, "edit-paste", editable && !clipboardText.isEmpty(),
        [this] { filteredPaste(); });
    add("Delete", QKeySequence::UnknownKey, "edit-delete", editable && selected, [this] { del(); });
    menu->addSeparator();
    add("Select All", QKeySequence::SelectAll, "select-all",
        !text().isEmpty() && selectedText() != text(), &QLineEdit::selectAll);
    return menu;
}

void FilteredLineEdit::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        filteredPaste();
        event->accept();
        return;
    }
    if (isEnterKey(*event)) {
        if (m_filter == CharacterFilter::Letters) {
            QLineEdit::keyPressEvent(event);
        } else {
            event->accept();
            refuse();
        }
        return;
    }
    if (!typesText(*event)) {
        // Navigation, editing and shortcut keys.
        QLineEdit::keyPressEvent(event);
        return;
    }
    const std::optional<QString> accepted = filterEnteredText(m_filter, event->text());
    if (!accepted) {
        event->accept();
        refuse();
        return;
    }
    if (*accepted == event->text()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // A lower-case letter goes in as its capital.
    QKeyEvent capital(event->type(), event->key(), event->modifiers(), *accepted,
                      event->isAutoRepeat(), static_cast<quint16>(event->count()));
    QLineEdit::keyPressEvent(&capital);
    event->setAccepted(capital.isAccepted());
}

void FilteredLineEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (event->commitString().isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    const std::optional<QString> accepted = filterEnteredText(m_filter, event->commitString());
    QInputMethodEvent filtered(QString(), {});
    filtered.setCommitString(accepted.value_or(QString()), event->replacementStart(),
                             event->replacementLength());
    QLineEdit::inputMethodEvent(&filtered);
    event->accept();
    if (!accepted)
        refuse();
}

void FilteredLineEdit::dropEvent(QDropEvent* event) {
    const QMimeData* mime = event->mimeData();
    if (!mime || !mime->hasText()) {
        QLineEdit::dropEvent(event);
        return;
    }
    const std::optional<QString> accepted = filterEnteredText(m_filter, mime->text());
    if (!accepted) {
        event->ignore();
        // Clears the drop cursor the drag left in the box.
        QDragLeaveEvent leave;
        QLineEdit::dragLeaveEvent(&leave);
        refuse();
        return;
    }
    QMimeData filteredData;
    filteredData.setText(*accepted);
    QDropEvent filtered(event->position(), event->possibleActions(), &filteredData,
                        event->buttons(), event->modifiers(), event->type());
    filtered.setDropAction(event->dropAction());
    QLineEdit::dropEvent(&filtered);
    event->setDropAction(filtered.dropAction());
    event->setAccepted(filtered.isAccepted());
}

void FilteredLineEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createFilteredContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
    event->accept();
}

void FilteredLineEdit::mouseReleaseEvent(QMouseEvent* event) {
    // The middle button pastes the selection clipboard where the desktop has one.
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        deselect();
        filteredPaste(QClipboard::Selection);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

namespace {

// Keeps the digits typed into one number list within the keyboard input
// interval, and selects the number they make.
class TypedNumberSelector : public QObject {
public:
    explicit TypedNumberSelector(QComboBox* box) : QObject(box), m_box(box) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto* key = static_cast<const QKeyEvent*>(event);
        const QString text = key->text();
        if (text.size() != 1 || !text.front().isDigit() ||
            (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
            return QObject::eventFilter(watched, event);
        if (!m_lastKey.isValid() || m_lastKey.elapsed() > QApplication::keyboardInputInterval())
            m_typed.clear();
        m_lastKey.restart();
        m_typed += text;
        int row = rowOf(m_typed);
        if (row < 0) {
            m_typed = text;
            row = rowOf(m_typed);
        }
        if (row >= 0) {
            m_box->setCurrentIndex(row);
            m_box->view()->setCurrentIndex(m_box->model()->index(row, m_box->modelColumn()));
        }
        return true;
    }

private:
    // The row of the number the digits make ("07" is 7), or -1.
    int rowOf(const QString& digits) const {
        bool ok = false;
        const int value = digits.toInt(&ok);
        return ok ? m_box->findText(QString::number(value), Qt::MatchExactly) : -1;
    }

    QComboBox* m_box;
    QString m_typed;
    QElapsedTimer m_lastKey;
};

} // namespace

void selectTypedNumbers(QComboBox* box) {
    auto* selector = new TypedNumberSelector(box);
    box->installEventFilter(selector);
    box->view()->installEventFilter(selector);
}

} // namespace orbenza
