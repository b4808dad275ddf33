#include "UserMessages.h"

#include "Hook.h"
#include "base/Version.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QWidget>

namespace orbenza {

namespace {

void showMessageBox(QWidget* parent, const QString& text, MessageIcon icon) {
    QMessageBox box(icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Information,
                    programTitle(), text, QMessageBox::Ok, parent);
    nameStandardButtons(&box);
    box.exec();
}

MessagePresenter& presenter() {
    static MessagePresenter current = showMessageBox;
    return current;
}

} // namespace

void showUserMessage(QWidget* parent, const QString& text, MessageIcon icon) {
    presenter()(parent, text, icon);
}

MessagePresenter setMessagePresenter(MessagePresenter next) {
    return replaceHook(presenter(), std::move(next), MessagePresenter(showMessageBox));
}

QString programTitle() {
    return QString::fromLatin1(kProgramTitle.data(), static_cast<qsizetype>(kProgramTitle.size()));
}

namespace {
QString messageText(const char* text) {
    return QCoreApplication::translate("orbenza::UserMessages", text);
}
} // namespace

void nameStandardButtons(QWidget* box) {
    struct Named {
        QDialogButtonBox::StandardButton button;
        const char* text;
    };
    // Qt's own English words, so that English reads as it always has.
    static constexpr Named kNames[] = {
        {QDialogButtonBox::Ok, QT_TRANSLATE_NOOP("orbenza::UserMessages", "OK")},
        {QDialogButtonBox::Cancel, QT_TRANSLATE_NOOP("orbenza::UserMessages", "Cancel")},
        {QDialogButtonBox::Close, QT_TRANSLATE_NOOP("orbenza::UserMessages", "Close")},
        {QDialogButtonBox::RestoreDefaults,
         QT_TRANSLATE_NOOP("orbenza::UserMessages", "Restore Defaults")},
        {QDialogButtonBox::Yes, QT_TRANSLATE_NOOP("orbenza::UserMessages", "&Yes")},
        {QDialogButtonBox::No, QT_TRANSLATE_NOOP("orbenza::UserMessages", "&No")},
    };
    QList<QDialogButtonBox*> boxes = box->findChildren<QDialogButtonBox*>();
    if (auto* itself = qobject_cast<QDialogButtonBox*>(box))
        boxes.push_back(itself);
    for (QDialogButtonBox* buttons : boxes)
        for (const Named& named : kNames)
            if (QPushButton* button = buttons->button(named.button))
                button->setText(messageText(named.text));
}

QString inputProblemText(InputProblem problem) {
    switch (problem) {
    case InputProblem::EmptyName:
        return messageText(QT_TRANSLATE_NOOP("orbenza::UserMessages", "Please Enter Name"));
    case InputProblem::LongitudeDegrees:
        return messageText(
            QT_TRANSLATE_NOOP("orbenza::UserMessages",
                              "Please Enter Value Between 0 And 179 in the Degree of Longitude"));
    case InputProblem::LongitudeMinutes:
        return messageText(
            QT_TRANSLATE_NOOP("orbenza::UserMessages",
                              "Please Enter Value Between 0 And 59 in the  Minute of Longitude"));
    case InputProblem::LatitudeDegrees:
        return messageText(
            QT_TRANSLATE_NOOP("orbenza::UserMessages",
                              "Please Enter Value Between 0 And 89 in the Degree of Latitude"));
    case InputProblem::LatitudeMinutes:
        return messageText(
            QT_TRANSLATE_NOOP("orbenza::UserMessages",
                              "Please Enter Value Between 0 And 59 in the  Minute of Latitude"));
    case InputProblem::FebruaryDate:
        return messageText(
            QT_TRANSLATE_NOOP("orbenza::UserMessages", "Please Enter Correct Date Or Month!"));
    case InputProblem::ThirtyDayMonth:
        return messageText(
            QT_TRANSLATE_NOOP("orbenza::UserMessages", "Please Enter Correct Date Or Month !"));
    }
    return {};
}

MessageIcon inputProblemIcon(InputProblem problem) {
    return problem == InputProblem::FebruaryDate || problem == InputProblem::ThirtyDayMonth
               ? MessageIcon::Information
               : MessageIcon::Error;
}

QString onlyNumbersText() {
    return messageText(QT_TRANSLATE_NOOP("orbenza::UserMessages", "Only Numbers Are Accepted"));
}
QString onlyLettersText() {
    return messageText(QT_TRANSLATE_NOOP("orbenza::UserMessages", "Please Enter only Letters"));
}
QString enterCityText() {
    return messageText(QT_TRANSLATE_NOOP("orbenza::UserMessages", "Please Enter City"));
}
QString enterStateText() {
    return messageText(QT_TRANSLATE_NOOP("orbenza::UserMessages", "Please Enter State"));
}
QString enterCountryText() {
    return messageText(QT_TRANSLATE_NOOP("orbenza::UserMessages", "Please Enter Country"));
}
QString alreadyRunningText() {
    return messageText(
        QT_TRANSLATE_NOOP("orbenza::UserMessages", "Application is already running"));
}

} // namespace orbenza
