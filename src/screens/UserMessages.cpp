#include "UserMessages.h"

#include "Hook.h"
#include "base/Version.h"

#include <QMessageBox>
#include <QWidget>

namespace orbenza {

namespace {

void showMessageBox(QWidget* parent, const QString& text, MessageIcon icon) {
    QMessageBox box(icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Information,
                    programTitle(), text, QMessageBox::Ok, parent);
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

} // namespace orbenza
