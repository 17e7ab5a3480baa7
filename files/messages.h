// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QMessageBox>
#include <QString>
#include <functional>

class QWidget;

// The one way the program shows a message. Whatever it names (a file name, a
// folder, a typed value, a setup's text) is shown as the characters it holds:
// a name like <img src="/dev/zero"> is never read as markup, so it neither
// loads anything nor hides the real path behind large red text.
class Messages {
    Q_DECLARE_TR_FUNCTIONS(Messages)

public:
    // Asks or tells in a message box of plain text; the button pressed.
    static QMessageBox::StandardButton
    ask(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
    static void tell(QWidget* parent, const QString& title, const QString& text);

    // Whether a window or dialog of this title may open over `parent`: not
    // where no window fits the screen at its scale, which is then said.
    static bool roomFor(QWidget* parent, const QString& title);

    // A window title that shows `text` as it is: "[*]" in a file name is no
    // place for the modified mark.
    static QString titleText(const QString& text);

    // Tests see each box instead of a user: the hook gets it ready to show
    // and answers for the user.
    using Hook = std::function<QMessageBox::StandardButton(QMessageBox&)>;
    static void setHook(Hook hook);
};
