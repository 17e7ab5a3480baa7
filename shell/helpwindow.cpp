// SPDX-License-Identifier: GPL-3.0-or-later
// The help window: what the window shows, the mouse and the keys, the standard
// cases and the optics, and an About page, in the language of the texts, from
// the program's own resources (no network).
#include "helpwindow.h"

#include "actions.h"
#include "messages.h"
#include "readout.h"

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

QString letterOf(const char* utf8) {
    return Readout::letter(utf8).toHtmlEscaped();
}

// What the read-outs above the bench show, in the notation's letters.
QString readoutsText(Optics::Notation notation) {
    const Optics::Letters& l = Optics::lettersOf(notation);
    return QCoreApplication::translate(
               "Form1",
               "Над скамьёй — расстояния %1 и %2, увеличение %3, вид изображения, фокусное "
               "расстояние %4 (в двух средах %4 и %5) и оптическая сила %6.")
        .arg(letterOf(l.objectDistance), letterOf(l.imageDistance), letterOf(l.magnification),
             letterOf(l.focalLength), letterOf(l.backFocalLength), letterOf(l.power));
}

// The lens formula, the magnification and the power as the notation writes them.
QString opticsText(Optics::Notation notation) {
    const Optics::Letters& l = Optics::lettersOf(notation);
    const QString d = letterOf(l.objectDistance), f = letterOf(l.imageDistance),
                  F = letterOf(l.focalLength), F2 = letterOf(l.backFocalLength),
                  G = letterOf(l.magnification), D = letterOf(l.power);
    QStringList text;
    text << QCoreApplication::translate(
                "Form1",
                "Обозначения: %1. Расстояние от предмета до линзы — %2, от линзы до "
                "изображения — %3 (меньше нуля у мнимого изображения), фокусное расстояние — "
                "%4 (меньше нуля у рассеивающей линзы).")
                .arg(Readout::notationName(notation).toHtmlEscaped(), d, f, F);
    if (l.powerDefinition == Optics::PowerDefinition::ReciprocalFocalLength)
        text << QCoreApplication::translate(
                    "Form1",
                    "В одной среде формула линзы 1/%3 = 1/%1 + 1/%2, оптическая сила %4 = "
                    "1/%3 в диоптриях (%3 в метрах), для линзы в среде n %4 = (N/n − 1)(1/R₁ "
                    "+ 1/R₂).")
                    .arg(d, f, F, D);
    if (l.unsignedMagnification)
        text << QCoreApplication::translate(
                    "Form1",
                    "Увеличение %1 = |%2|/%3 — во сколько раз изображение больше предмета; "
                    "прямое оно или перевёрнутое, сказано словами.")
                    .arg(G, f, d);
    else
        text << QCoreApplication::translate(
                    "Form1",
                    "Увеличение %1 = −(n1·%2)/(n2·%3) со знаком: больше нуля — изображение "
                    "прямое, меньше — перевёрнутое.")
                    .arg(G, f, d);
    text << QCoreApplication::translate(
                "Form1",
                "Среды по сторонам линзы могут быть разными (например, вода слева и воздух "
                "справа). Тогда у линзы два фокусных расстояния: переднее %1 = n1/P и заднее "
                "%2 = n2/P, где P — оптическая сила, и изображение находится из n1/%3 + "
                "n2/%4 = P, то есть %1/%3 + %2/%4 = 1; оптическая сила %5 = n1/%1 = n2/%2. "
                "В одной среде %1 = %2.")
                .arg(F, F2, d, f, D);
    return text.join(QLatin1Char(' '));
}

QString page(const QString& name, Optics::Notation notation) {
    QFile file(
        QStringLiteral(":/help/%1_%2.html")
            .arg(name, QCoreApplication::translate("Form1", "ru", "language of the help pages")));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll())
        .replace(QStringLiteral("@VERSION@"), QStringLiteral(QUELLOR_VERSION))
        .replace(QStringLiteral("<p>@KEYS@</p>"), keysTable())
        .replace(QStringLiteral("@READOUTS@"), readoutsText(notation))
        .replace(QStringLiteral("@OPTICS@"), opticsText(notation));
}
} // namespace

void HelpWindow::show(QWidget& window, Optics::Notation notation) {
    if (!Messages::roomFor(&window, QCoreApplication::translate("Form1", "Справка — Quellor")))
        return;
    auto* dialog = window.findChild<QDialog*>(QStringLiteral("helpWindow"));
    if (!dialog) {
        dialog = new QDialog(&window);
        dialog->setObjectName(QStringLiteral("helpWindow"));
        dialog->setWindowTitle(QCoreApplication::translate("Form1", "Справка — Quellor"));
        auto* tabs = new QTabWidget(dialog);
        for (const auto& [name, title] :
             {std::pair{QStringLiteral("help"), QCoreApplication::translate("Form1", "Справка")},
              {QStringLiteral("about"), QCoreApplication::translate("Form1", "О программе")}}) {
            auto* text = new QTextBrowser(tabs);
            text->setObjectName(name + QStringLiteral("Page"));
            text->setOpenLinks(false);
            text->setHtml(page(name, notation));
            tabs->addTab(text, title);
        }
        auto* layout = new QVBoxLayout(dialog);
        layout->addWidget(tabs);
        dialog->resize(720, 640);
    }
    // The letters of the notation shown now.
    for (auto* text : dialog->findChildren<QTextBrowser*>())
        text->setHtml(page(text->objectName().chopped(4), notation));
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}
