// The one way screens show a message box. Tests replace the presenter with a
// recorder, so no real modal box blocks them.
#pragma once

#include "chart/CheckInput.h"

#include <QString>
#include <functional>

class QWidget;

namespace orbenza {

using MessagePresenter =
    std::function<void(QWidget* parent, const QString& text, MessageIcon icon)>;

// Shows text in a modal message box with the error or information icon and
// the program's caption, through the current presenter.
void showUserMessage(QWidget* parent, const QString& text, MessageIcon icon);

// The caption of the program's windows and message boxes, "Orbenza v" and the
// version.
QString programTitle();

// Replaces the presenter (nullptr restores the real message box); returns the
// previous one.
MessagePresenter setMessagePresenter(MessagePresenter presenter);

} // namespace orbenza
