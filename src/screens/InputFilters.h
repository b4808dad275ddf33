// The character filters of the birth details screen's text boxes. A box with a
// filter lets through only the characters its filter allows, whether they are
// typed, pasted, dropped or committed by an input method; anything else is
// refused as a whole with the filter's message, and the box stays as it was.
#pragma once

#include "UserMessages.h"
#include "input/PersonName.h"

#include <QClipboard>
#include <QLineEdit>
#include <QString>
#include <optional>

class QComboBox;
class QMenu;

namespace orbenza {

enum class CharacterFilter {
    Digits,  // coordinate boxes: "0" to "9"
    Letters, // the name box: isPersonNameCharacter; lower case becomes capitals
};

// The text a filtered box receives for an entered text (typed key, paste, drop):
// the text itself for Digits; the text in capitals, line breaks left out, for
// Letters. Nothing when any character is not allowed.
std::optional<QString> filterEnteredText(CharacterFilter filter, const QString& text);

// The message and icon a refused entry shows.
struct FilterRefusal {
    QString message;
    MessageIcon icon;
};
FilterRefusal filterRefusal(CharacterFilter filter);

// A line edit that passes everything entered through its filter. Navigation and
// editing keys (arrows, Home/End, Delete, Backspace, Tab, Ctrl+A/C/X/V/Z) keep
// working; Enter passes in a Letters box and is refused in a Digits box, as any
// other character key.
class FilteredLineEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit FilteredLineEdit(CharacterFilter filter, QWidget* parent = nullptr);

    CharacterFilter filter() const { return m_filter; }

    // Pastes the clipboard's text through the filter; refused text shows the
    // message and inserts nothing.
    void filteredPaste(QClipboard::Mode mode = QClipboard::Clipboard);

    // The standard edit menu with its "Paste" going through the filter. The
    // caller owns the menu.
    QMenu* createFilteredContextMenu();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void refuse();

    CharacterFilter m_filter;
};

// Digits typed into a list of numbers (days, hours, minutes) select the number
// a person means: "2" selects 2 whatever was selected before, "2" then "3"
// typed in quick succession 23, "0" then "7" 7. A digit that would make a
// number the list does not hold starts a new number ("2" then "5" in the hours
// gives 5). Works on the closed box and on its open list.
void selectTypedNumbers(QComboBox* box);

} // namespace orbenza
