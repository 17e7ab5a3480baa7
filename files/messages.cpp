// SPDX-License-Identifier: GPL-3.0-or-later
#include "messages.h"

#include "screeninfo.h"

#include <QAbstractButton>
#include <QApplication>
#include <cstdio>

namespace {
Messages::Hook& hook() {
    static Messages::Hook installed;
    return installed;
}

// The answer that changes nothing: what Escape gives.
QMessageBox::StandardButton escapeAnswer(QMessageBox::StandardButtons buttons) {
    for (const QMessageBox::StandardButton button :
         {QMessageBox::Cancel, QMessageBox::No, QMessageBox::Ok})
        if (buttons.testFlag(button))
            return button;
    return QMessageBox::NoButton;
}
} // namespace

QMessageBox::StandardButton Messages::ask(QWidget* parent, QMessageBox::Icon icon,
                                          const QString& title, const QString& text,
                                          QMessageBox::StandardButtons buttons,
                                          QMessageBox::StandardButton defaultButton) {
    // Where no window fits the screen the message goes to the terminal, and
    // the answer is the one that changes nothing.
    if (!ScreenInfo::roomForWindow(parent)) {
        std::fprintf(stderr, "quellor: %s: %s\n", qPrintable(title), qPrintable(text));
        QApplication::beep();
        return escapeAnswer(buttons);
    }
    QMessageBox box(icon, title, text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    // The words Russian programs use on these buttons; Qt's own Russian for
    // Discard is "Отклонить", which reads as refusing the question.
    if (QAbstractButton* discard = box.button(QMessageBox::Discard))
        discard->setText(tr("Не сохранять"));
    if (QAbstractButton* save = box.button(QMessageBox::Save))
        save->setText(tr("Сохранить"));
    if (QAbstractButton* cancel = box.button(QMessageBox::Cancel))
        cancel->setText(tr("Отмена"));
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    if (hook())
        return hook()(box);
    return QMessageBox::StandardButton(box.exec());
}

void Messages::tell(QWidget* parent, const QString& title, const QString& text) {
    ask(parent, QMessageBox::Warning, title, text);
}

bool Messages::roomFor(QWidget* parent, const QString& title) {
    if (ScreenInfo::roomForWindow(parent))
        return true;
    tell(parent, title, tr("При таком масштабе экрана это окно на нём не помещается."));
    return false;
}

QString Messages::titleText(const QString& text) {
    // Qt reads "[*][*]" as a literal "[*]".
    return QString(text).replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
}

void Messages::setHook(Hook hook_) {
    hook() = std::move(hook_);
}
