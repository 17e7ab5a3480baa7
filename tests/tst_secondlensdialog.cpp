// SPDX-License-Identifier: GPL-3.0-or-later
// The second lens's dialog as a teacher uses it: a click on a field or a
// button where it stands, the values typed into the focused field, OK, Enter,
// Esc or Cancel. The lens it gives back is checked by its surfaces' powers
// (lensmaker.h) against the focal length or radii typed.
#include "lensmaker.h"
#include "secondlensdialog.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cmath>

namespace {
// Steps as a user takes them: "field=text" clicks the field named so (as a
// screen reader names it) and types the text over what it holds; "press:X"
// clicks the button whose caption begins with X; "ok", "cancel" press those
// buttons where they stand, "enter" and "esc" the keys.
void take(QDialog* dialog, const QString& step) {
    const auto at = [dialog](QWidget* control) {
        QVERIFY2(control, "nothing there");
        TestSupport::clickAt(dialog, TestSupport::middleOf(control));
    };
    if (step == QLatin1String("enter") || step == QLatin1String("esc")) {
        QTest::keyClick(dialog->focusWidget(),
                        step == QLatin1String("enter") ? Qt::Key_Return : Qt::Key_Escape);
    } else if (step == QLatin1String("ok") || step == QLatin1String("cancel")) {
        auto* box = dialog->findChild<QDialogButtonBox*>();
        at(box->button(step == QLatin1String("ok") ? QDialogButtonBox::Ok
                                                   : QDialogButtonBox::Cancel));
    } else if (step.startsWith(QLatin1String("press:"))) {
        for (auto* button : dialog->findChildren<QAbstractButton*>())
            if (button->text().startsWith(step.mid(6)))
                return at(button);
        QFAIL(qPrintable(step));
    } else {
        const QString name = step.section(QLatin1Char('='), 0, 0);
        for (auto* field : dialog->findChildren<QLineEdit*>())
            if (field->accessibleName() == name) {
                at(field);
                QTest::keyClick(dialog->focusWidget(), Qt::Key_A, Qt::ControlModifier);
                // Each character as its key gives it: the minus sign and
                // the Cyrillic unit too.
                for (const QChar c : step.section(QLatin1Char('='), 1)) {
                    QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, c);
                    QApplication::sendEvent(dialog->focusWidget(), &key);
                }
                return;
            }
        QFAIL(qPrintable(step));
    }
}

// The red line that says what a field takes, where the dialog shows one.
QString said(const QDialog* dialog) {
    for (const auto* label : dialog->findChildren<QLabel*>())
        if (label->isVisible() && label->styleSheet().contains(QLatin1String("color")))
            return label->text();
    return QString();
}

const QString kDistance = QStringLiteral("Расстояние от первой линзы");
const QString kFocal = QStringLiteral("Фокусное расстояние F");
const QString kGlass = QStringLiteral("Показатель преломления линзы");
const QString kLeft = QStringLiteral("Радиус левой поверхности");
const QString kRight = QStringLiteral("Радиус правой поверхности");
const QString kBehind = QStringLiteral("Показатель преломления среды за линзой");
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
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<double>("distance"); // real cm
    QTest::addColumn<double>("dioptres"); // the vergence P = n/f in 1/m, real
    QTest::addColumn<double>("after");
    QTest::addColumn<QString>("refusal"); // said in red before it was taken
    const auto is = [](const QString& field, const char* text) {
        return field + QLatin1Char('=') + QString::fromUtf8(text);
    };
    // F = 20 cm in air: 5 D, whatever the glass.
    QTest::newRow("F typed, comma")
        << 1 << 1.0 << QStringList{is(kDistance, "4,5"), is(kFocal, "20"), "ok"} << true << 4.5
        << 5.0 << 1.0 << QString();
    // At 1 : 5 the far end of the bench is 65 real cm; F = −50 cm is −2 D.
    QTest::newRow("1:5, diverging, far end")
        << 5 << 1.0 << QStringList{is(kDistance, "65"), is(kFocal, "−50 см"), "enter"} << true
        << 65.0 << -2.0 << 1.0 << QString();
    // The other shape with the focal length given: the same F, spreading.
    QTest::newRow("F kept, shape turned")
        << 1 << 1.0 << QStringList{is(kFocal, "20"), "press:двояковогнутая", "ok"} << true << 6.0
        << -5.0 << 1.0 << QString();
    // In water before it and air behind: the front focal length, P = n/f.
    QTest::newRow("water before, F front")
        << 1 << 4.0 / 3.0
        << QStringList{is(kFocal, "10"), is(kBehind, "1"), is(kDistance, "0"), "ok"} << true << 0.0
        << 100 * (4.0 / 3.0) / 10 << 1.0 << QString();
    // Biconcave of 1.6 glass, radii 10 and 30, into a medium of 1.2.
    QTest::newRow("radii, biconcave")
        << 2 << 1.0
        << QStringList{"press:стеклом",
                       "press:двояковогнутая",
                       is(kLeft, "10"),
                       is(kRight, "30"),
                       is(kGlass, "1.6"),
                       is(kBehind, "1,2"),
                       "ok"}
        << true << 12.0 << 100 * LensMaker::thinLensPower(1, 1.6, 1.2, -10, 30) << 1.2 << QString();
    QTest::newRow("beyond the bench refused")
        << 1 << 1.0 << QStringList{is(kDistance, "13,5"), "ok", "esc"} << false << 0.0 << 0.0 << 0.0
        << QStringLiteral("от 0,00 до 13,00 см");
    QTest::newRow("glass as dense as the media")
        << 1 << 1.5 << QStringList{is(kBehind, "1,5"), is(kFocal, "10"), "ok", "cancel"} << false
        << 0.0 << 0.0 << 0.0 << QStringLiteral("не преломляет");
    QTest::newRow("radius too short refused")
        << 1 << 1.0 << QStringList{"press:стеклом", is(kLeft, "0,3"), "enter", "esc"} << false
        << 0.0 << 0.0 << 0.0 << QStringLiteral("от 0,50 до 100,00");
    QTest::newRow("index beyond the sliders")
        << 1 << 1.0 << QStringList{is(kGlass, "2,5"), "ok", "esc"} << false << 0.0 << 0.0 << 0.0
        << QStringLiteral("от 1 до 2");
    QTest::newRow("cancel after typing") << 1 << 1.0 << QStringList{is(kFocal, "30"), "cancel"}
                                         << false << 0.0 << 0.0 << 0.0 << QString();
}

void TestSecondLensDialog::typed() {
    QFETCH(int, scale);
    QFETCH(double, between);
    QFETCH(QStringList, steps);
    QFETCH(bool, accepted);
    QFETCH(double, distance);
    QFETCH(double, dioptres);
    QFETCH(double, after);
    QFETCH(QString, refusal);
    QWidget window;
    window.resize(800, 600);
    window.show();
    QString refused;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        for (const QString& step : steps) {
            if (!dialog->isVisible())
                break;
            if (step == QLatin1String("esc") || step == QLatin1String("cancel"))
                refused = said(dialog);
            take(dialog, step);
        }
        if (dialog->isVisible())
            dialog->reject();
    });
    const std::optional<Optics::SecondLens> lens = SecondLensDialog::edit(
        window, {}, between, *Optics::Scale::of(scale), Optics::Notation::RussianSchool);
    QVERIFY2(refused.contains(refusal), qPrintable(refused));
    QCOMPARE(lens.has_value(), accepted);
    if (!lens)
        return;
    QVERIFY(refused.isEmpty());
    QCOMPARE(lens->distance * scale, distance);
    QCOMPARE(lens->after, after);
    const Optics::Axial::ThinLens& glass = lens->lens;
    const double P = LensMaker::thinLensPower(between, glass.N, after, glass.R1, glass.R2);
    QVERIFY2(std::fabs(100 * P / scale - dioptres) < 1e-9 * std::max(1.0, std::fabs(dioptres)),
             qPrintable(QString::number(100 * P / scale)));
    // Only the two shapes a setup keeps: the surfaces curve opposite ways.
    QVERIFY(glass.R1 * glass.R2 < 0);
}

QTEST_MAIN(TestSecondLensDialog)
#include "tst_secondlensdialog.moc"
