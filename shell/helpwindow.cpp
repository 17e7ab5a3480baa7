// SPDX-License-Identifier: GPL-3.0-or-later
// The help window: what the window shows, the mouse and the keys, the standard
// cases and the optics, and an About page, in the language of the texts, from
// the program's own resources (no network).
#include "form1.h"

#include "actions.h"
#include "messages.h"

#include <QDialog>
#include <QFile>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {
// Every key of the program, from the table its shortcuts are made from.
QString keysTable() {
    QString rows;
    for (const ActionRow& row : actionRows())
        rows += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>")
                    .arg(keysOf(row).toHtmlEscaped(),
                         QCoreApplication::translate("Actions", row.what).toHtmlEscaped());
    return QStringLiteral("<table cellspacing=\"0\" cellpadding=\"3\">%1</table>").arg(rows);
}

QString page(const QString& name) {
    QFile file(QStringLiteral(":/help/%1_%2.html")
                   .arg(name, Form1::tr("ru", "language of the help pages")));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll())
        .replace(QStringLiteral("@VERSION@"), QStringLiteral(QUELLOR_VERSION))
        .replace(QStringLiteral("<p>@KEYS@</p>"), keysTable());
}
} // namespace

void Form1::ShowHelp() {
    if (!Messages::roomFor(this, tr("Справка — Quellor")))
        return;
    auto* dialog = findChild<QDialog*>(QStringLiteral("helpWindow"));
    if (!dialog) {
        dialog = new QDialog(this);
        dialog->setObjectName(QStringLiteral("helpWindow"));
        dialog->setWindowTitle(tr("Справка — Quellor"));
        auto* tabs = new QTabWidget(dialog);
        for (const auto& [name, title] : {std::pair{QStringLiteral("help"), tr("Справка")},
                                          {QStringLiteral("about"), tr("О программе")}}) {
            auto* text = new QTextBrowser(tabs);
            text->setObjectName(name + QStringLiteral("Page"));
            text->setOpenLinks(false);
            text->setHtml(page(name));
            tabs->addTab(text, title);
        }
        auto* layout = new QVBoxLayout(dialog);
        layout->addWidget(tabs);
        dialog->resize(720, 640);
    }
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}
