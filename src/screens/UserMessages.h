// The one way screens show a message box. Tests replace the presenter with a
// recorder, so no real modal box blocks them.
#pragma once

#include "input/BirthInput.h"

#include <QString>
#include <functional>

class QWidget;

namespace orbenza {

enum class MessageIcon { Error, Information };

using MessagePresenter =
    std::function<void(QWidget* parent, const QString& text, MessageIcon icon)>;

// Shows text in a modal message box with the error or information icon and
// the program's caption, through the current presenter.
void showUserMessage(QWidget* parent, const QString& text, MessageIcon icon);

// Writes the screens' own words on the standard buttons (OK, Cancel, Close,
// Restore Defaults, Yes, No) of a button box, or of those inside a message
// box or dialog: Qt's translations of them may be missing from the system.
void nameStandardButtons(QWidget* box);

// The caption of the program's windows and message boxes, "Orbenza v" and the
// version.
QString programTitle();

// Replaces the presenter (nullptr restores the real message box); returns the
// previous one.
MessagePresenter setMessagePresenter(MessagePresenter presenter);

// The screens' words for the birth check's refusals, and the icon each shows
// with: the name and the coordinates are errors, a date of no calendar is
// information.
QString inputProblemText(InputProblem problem);
MessageIcon inputProblemIcon(InputProblem problem);

// The key filters', the coordinates look-up's and the start-up's messages.
QString onlyNumbersText();
QString onlyLettersText();
QString enterCityText();
QString enterStateText();
QString enterCountryText();
QString alreadyRunningText();

} // namespace orbenza
