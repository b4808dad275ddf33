// The language of the screens and of the chart texts they show.
//
// It follows the system's locale unless the user chose another under View >
// Language; the choice is remembered in the settings. The screens' own texts
// come from the translations built from translations/orbenza_<code>.ts, the
// chart's words and report from the core's tables of the same language, and
// dates and numbers from the language's locale.
#pragma once

#include "base/Language.h"

#include <QLocale>
#include <QString>

class QMenuBar;

namespace orbenza {

// The language the settings name, else the system locale's, else English.
Language preferredLanguage();

// Remembers the choice for the next start.
void storeLanguage(Language language);

// Loads the screens' translation (and Qt's own, when the system has it) for
// the language, replacing the one loaded before, and makes the language's
// locale the default one. Returns false when the screens' translation is
// missing (English needs none).
bool installLanguage(Language language);

// The language installed last; English before any.
Language screenLanguage();

// The locale of a language: "de" for German, "pt_BR", "hi_IN" ...
QLocale localeOf(Language language);

// View > Language: one entry per language in its own name, the one in use
// checked. A choice is remembered, loads the translation for the screens
// opened from then on and the next chart, and says that the rest follows
// when Orbenza starts again.
void addViewMenu(QMenuBar* menuBar);

} // namespace orbenza
