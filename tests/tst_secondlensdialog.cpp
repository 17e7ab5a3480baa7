// SPDX-License-Identifier: GPL-3.0-or-later
// The second lens's dialog as a teacher uses it, the lens given back checked
// by its surfaces' powers (lensmaker.h).
#include "lensmaker.h"
#include "secondlensdialog.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <cmath>

namespace {
// "Field=text" clicks the field whose accessible name begins so and types
// over it; "enter" and "esc" are keys; any other step clicks the button whose
// caption begins so ("OK", "Отмена"), at its place in the dialog.
void take(QDialog* dialog, const QString& step) {
    const auto at = [dialog](QWidget* control) {
        QVERIFY2(control, "nothing there");
        TestSupport::clickAt(dialog, TestSupport::middleOf(control));
    };
    if (step == QLatin1String("enter") || step == QLatin1String("esc"))
        return QTest::keyClick(dialog->focusWidget(),
                               step == QLatin1String("enter") ? Qt::Key_Return : Qt::Key_Escape);
    const QString name = step.section(QLatin1Char('='), 0, 0);
    for (auto* button : dialog->findChildren<QAbstractButton*>())
        if (step == name && button->text().startsWith(name))
            return at(button);
    for (auto* field : dialog->findChildren<QLineEdit*>())
        if (field->accessibleName().startsWith(name)) {
            at(field);
            QTest::keyClick(dialog->focusWidget(), Qt::Key_A, Qt::ControlModifier);
            // Each character as its key gives it, the minus and "см" too.
            for (const QChar c : step.section(QLatin1Char('='), 1)) {
                QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, c);
                QApplication::sendEvent(dialog->focusWidget(), &key);
            }
            return;
        }
    QFAIL(qPrintable(step));
}

// The red line that says what a field takes.
QString said(const QDialog* dialog) {
    for (const auto* label : dialog->findChildren<QLabel*>())
        if (label->isVisible() && label->styleSheet().contains(QLatin1String("color")))
            return label->text();
    return QString();
}
} // namespace

class TestSecondLensDialog : public QObject {
    Q_OBJECT

private slots:
    void typed_data();
    void typed();
};

void TestSecondLensDialog::typed_data() {
    QTest::addColumn<int>("scale");
    QTest::addColumn<double>("between");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<double>("distance"); // real cm; not a number: nothing given back
    QTest::addColumn<double>("dioptres"); // the vergence n/f in 1/m, real
    QTest::addColumn<QString>("refusal"); // said in red before Esc or Cancel
    const double none = std::nan("");
    // F = 20 cm in air is 5 D; at 1 : 5 the bench ends 65 real cm behind
    // the first lens, and F = −50 cm is −2 D.
    QTest::newRow("F, comma") << 1 << 1.0 << "Расстояние=4,5|Фокусное=20|OK" << 4.5 << 5.0 << "";
    QTest::newRow("1:5, far end") << 5 << 1.0 << "Расстояние=65|Фокусное=−50 см|enter" << 65.0
                                  << -2.0 << "";
    QTest::newRow("shape turns F")
        << 1 << 1.0 << "Фокусное=20|двояковогнутая|OK" << 6.0 << -5.0 << "";
    // In water before it: the front focal length, P = n/f.
    QTest::newRow("water, front F")
        << 1 << 4.0 / 3.0 << "Фокусное=10|Расстояние=0|OK" << 0.0 << 100 * (4.0 / 3.0) / 10 << "";
    // Biconcave of 1.6 glass, radii 10 and 30 cm, into a medium of 1.2.
    QTest::newRow("radii") << 2 << 1.0
                           << "стеклом|двояковогнутая|Радиус левой=10|Радиус правой=30|"
                              "Показатель преломления линзы=1.6|Показатель преломления среды=1,2|OK"
                           << 12.0 << 100 * LensMaker::thinLensPower(1, 1.6, 1.2, -10, 30) << "";
    QTest::newRow("beyond the bench")
        << 1 << 1.0 << "Расстояние=13,5|OK|esc" << none << 0.0 << "от 0,00 до 13,00 см";
    QTest::newRow("glass as the media")
        << 1 << 1.5 << "Показатель преломления среды=1,5|Фокусное=10|OK|Отмена" << none << 0.0
        << "не преломляет";
    QTest::newRow("radius too short")
        << 1 << 1.0 << "стеклом|Радиус левой=0,3|enter|esc" << none << 0.0 << "от 0,50 до 100,00";
    QTest::newRow("index beyond 2")
        << 1 << 1.0 << "Показатель преломления линзы=2,5|OK|esc" << none << 0.0 << "от 1 до 2";
    QTest::newRow("OK at once, 1:2") << 2 << 1.0 << "OK" << 12.0 << 10.0 << ""; // 6 cm, F = 5 cm
    QTest::newRow("cancel") << 1 << 1.0 << "Фокусное=30|Отмена" << none << 0.0 << "";
}

void TestSecondLensDialog::typed() {
    QFETCH(int, scale);
    QFETCH(double, between);
    QFETCH(QString, steps);
    QFETCH(double, distance);
    QFETCH(double, dioptres);
    QFETCH(QString, refusal);
    QWidget window;
    QString refused;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        for (const QString& step : steps.split(QLatin1Char('|'))) {
            if (step == QLatin1String("esc") || step == QStringLiteral("Отмена"))
                refused = said(dialog);
            if (dialog->isVisible())
                take(dialog, step);
        }
        if (dialog->isVisible())
            dialog->reject();
    });
    const std::optional<Optics::SecondLens> lens = SecondLensDialog::edit(
        window, {}, between, *Optics::Scale::of(scale), Optics::Notation::RussianSchool);
    QVERIFY2(refused.contains(refusal), qPrintable(refused));
    QCOMPARE(lens.has_value(), !std::isnan(distance));
    if (!lens)
        return;
    QCOMPARE(lens->distance * scale, distance);
    const Optics::Axial::ThinLens& glass = lens->lens;
    const double P = LensMaker::thinLensPower(between, glass.N, lens->after, glass.R1, glass.R2);
    QVERIFY(std::fabs(100 * P / scale - dioptres) < 1e-9 * std::fabs(dioptres));
    QVERIFY(glass.R1 * glass.R2 < 0); // biconvex or biconcave, as a setup keeps them
}

QTEST_MAIN(TestSecondLensDialog)
#include "tst_secondlensdialog.moc"
