#include "platform/QtPrompt.h"

#include <QApplication>
#include <QMessageBox>

#include "platform/Cp1252Qt.h"

namespace lumra {

PromptAnswer QtPrompt::Show(const std::string& message, const std::string& title, PromptIcon icon,
                            PromptButtons buttons) {
    QMessageBox box(QApplication::activeWindow());
    box.setText(FromCp1252(message));
    box.setWindowTitle(FromCp1252(title));
    switch (icon) {
    case PromptIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case PromptIcon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case PromptIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case PromptIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    }
    switch (buttons) {
    case PromptButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case PromptButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case PromptButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    }
    const int answer = box.exec();
    switch (answer) {
    case QMessageBox::Cancel:
        return PromptAnswer::Cancel;
    case QMessageBox::Yes:
        return PromptAnswer::Yes;
    case QMessageBox::No:
        return PromptAnswer::No;
    default:
        // Closing an OK/Cancel box with its close button counts as Cancel, like Esc.
        return buttons == PromptButtons::OkCancel && answer != QMessageBox::Ok
                   ? PromptAnswer::Cancel
                   : (buttons == PromptButtons::YesNo ? PromptAnswer::No : PromptAnswer::Ok);
    }
}

void QtPrompt::Beep() {
    QApplication::beep();
}

} // namespace lumra
