// SPDX-License-Identifier: GPL-3.0-or-later
// The bench at a scale 1 : K and the focal length typed: what a teacher with a
// problem book sets and reads. Every answer comes from the thin-lens formulas
// written here, in real centimetres: the lens maker's 1/F = (N/n - 1)(2/R)
// for two equal radii in one medium, and 1/F = 1/d + 1/f.
#include "bench.h"
#include "benchlens.h"
#include "benchoptics.h"
#include "commandbutton.h"
#include "form1.h"
#include "graphwindow.h"
#include "label.h"
#include "lens.h"
#include "lessonfile.h"
#include "lessontools.h"
#include "measurementtable.h"
#include "picturebox.h"
#include "setupfile.h"
#include "taskmode.h"
#include "testsupport.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>
#include <cmath>

namespace {
// The sliders' radii on the bench, in its centimetres.
constexpr double kLeastRadiusCm = 1500 / 567.0;
constexpr double kGreatestRadiusCm = 4800 / 567.0;

// A length as the read-outs write it in Russian: "−16,93".
QString shown(double cm) {
    QString text = QString::number(cm, 'f', 2).replace(QLatin1Char('.'), QLatin1Char(','));
    return text.replace(QLatin1Char('-'), QChar(0x2212));
}

// The radius two equal surfaces need for a front focal length F = n1 / P,
// P = (N - n1)/R + (N - n2)/R.
double radiusFor(double F, double n1, double n2, double N) {
    return (2 * N - n1 - n2) * std::fabs(F) / n1;
}

// Text typed key by key, Cyrillic and the minus sign too.
void typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

// The scale a user chooses: clicks at the place of the scale's button, each
// delivered to whatever lies there, until it shows 1 : K.
void chooseScale(Form1& w, int k) {
    const auto ui = TestSupport::controlsOf(w);
    for (int i = 0; i < 4 && ui.cmdScale->text() != QStringLiteral("1 : %1").arg(k); ++i)
        TestSupport::clickAt(&w, TestSupport::middleOf(ui.cmdScale));
}

QByteArray setupText(const char* scale, double radius, double distance = 15) {
    return QStringLiteral("{\"format\": \"quellor-setup\", \"version\": 1, %1 \"lens\": "
                          "\"converging\", \"indices\": {\"left\": 1, \"lens\": 2, \"right\": 1}, "
                          "\"radii\": {\"left\": %2, \"right\": %2}, \"view\": \"scheme\", "
                          "\"object\": {\"distance\": %3, \"height\": 2}}")
        .arg(QString::fromLatin1(scale))
        .arg(radius)
        .arg(distance)
        .toUtf8();
}
} // namespace

class TestScale : public QObject {
    Q_OBJECT

private slots:
    void typedFocalLength_data();
    void typedFocalLength();
    void schoolProblem();
    void schoolProblemTyped();
    void scaleInFiles_data();
    void scaleInFiles();
};

void TestScale::typedFocalLength_data() {
    QTest::addColumn<int>("k");
    QTest::addColumn<double>("n");  // the medium before the lens
    QTest::addColumn<double>("n2"); // and behind it
    QTest::addColumn<double>("N");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("F"); // what the typed text means, real cm; NaN: refused
    QTest::newRow("1 : 1, glass in air") << 1 << 1.0 << 1.0 << 1.5 << "3" << 3.0;
    QTest::newRow("1 : 2, glass in air, its unit typed")
        << 2 << 1.0 << 1.0 << 1.5 << "12,5 см" << 12.5;
    QTest::newRow("1 : 5, school lens F = 10 cm") << 5 << 1.0 << 1.0 << 2.0 << "10" << 10.0;
    // A negative F: the biconvex lens turns biconcave.
    QTest::newRow("1 : 10, diverging in water") << 10 << 1.33 << 1.33 << 2.0 << "\u221250" << -50.0;
    // Water before the lens, air behind: the typed F is the front focal length.
    QTest::newRow("1 : 2, two media") << 2 << 1.33 << 1.0 << 1.6 << "10" << 10.0;
    QTest::newRow("1 : 2, too long for these indices")
        << 2 << 1.0 << 1.0 << 1.5 << "100" << qQNaN();
    QTest::newRow("1 : 1, lens of the medium's index") << 1 << 1.5 << 1.5 << 1.5 << "5" << qQNaN();
}

// A click at the focal-length read-out opens its editor; the typed F sets both
// radii equal, or the hint names the range these indices allow.
void TestScale::typedFocalLength() {
    QFETCH(int, k);
    QFETCH(double, n);
    QFETCH(double, n2);
    QFETCH(double, N);
    QFETCH(QString, typed);
    QFETCH(double, F);
    auto w = TestSupport::startWindow();
    const auto ui = TestSupport::controlsOf(*w);
    w->view().SetLeftIndex(n);
    w->view().SetRightIndex(n2);
    w->view().SetLensIndex(N);
    chooseScale(*w, k);
    QCOMPARE(ui.cmdScale->text(), QStringLiteral("1 : %1").arg(k));
    const QString before = ui.lblFocal->Caption();
    TestSupport::clickAt(w.get(), TestSupport::middleOf(ui.lblFocal));
    auto* editor = w->findChild<QLineEdit*>(QStringLiteral("readoutEditor"));
    QVERIFY(editor && editor->isVisible());
    editor->selectAll();
    typeText(editor, typed);
    QTest::keyClick(editor, Qt::Key_Return);

    if (std::isnan(F)) {
        QVERIFY(editor->isVisible());
        QCOMPARE(ui.lblFocal->Caption(), before);
        // The ranges of F the sliders' radii give, converging and diverging.
        const double perCm = radiusFor(1, n, n2, N); // radius for each cm of F
        const double least = k * kLeastRadiusCm / perCm;
        const double most = k * kGreatestRadiusCm / perCm;
        const QString hint = editor->toolTip();
        if (2 * N == n + n2) { // a lens with no power
            QVERIFY2(hint.contains(QStringLiteral("бесконечно")), qPrintable(hint));
        } else {
            QVERIFY2(hint.contains(QStringLiteral("от %1 до %2").arg(shown(least), shown(most))),
                     qPrintable(hint));
            QVERIFY2(hint.contains(QStringLiteral("от %1 до %2").arg(shown(-most), shown(-least))),
                     qPrintable(hint));
        }
        return;
    }
    QVERIFY(!editor->isVisible());
    const QString radius = QStringLiteral("R = %1 см").arg(shown(radiusFor(F, n, n2, N)));
    QCOMPARE(ui.lblRleft->Caption(), radius);
    QCOMPARE(ui.lblRright->Caption(), radius);
    QVERIFY2(ui.lblFocal->Caption().contains(shown(F) + QStringLiteral(" см")),
             qPrintable(ui.lblFocal->Caption()));
    // The lens's own front focal length, from the bench in twips.
    const double front = Optics::focalLengths(Optics::lensOf(*w)).front * k;
    QVERIFY2(std::fabs(front - F) < 1e-9 * std::fabs(F), qPrintable(QString::number(front)));
}

// The same problem typed into the read-outs, each clicked where it stands.
// F = 10 cm is out of the radii's reach at the start lens's 1,64: the hint
// names the indices N = 1 + R/(2F) of the radii that reach it, to whole
// hundredths inside; with N = 2 typed, F and then "d = 15 h = 2" are taken.
void TestScale::schoolProblemTyped() {
    auto w = TestSupport::startWindow();
    const auto ui = TestSupport::controlsOf(*w);
    chooseScale(*w, 5);
    TestSupport::clickAt(w.get(), TestSupport::middleOf(ui.cmdCx));
    auto* editor = w->findChild<QLineEdit*>(QStringLiteral("readoutEditor"));
    const auto type = [&](Label* readout, const QString& text) {
        TestSupport::clickAt(w.get(), TestSupport::middleOf(readout));
        editor->selectAll();
        typeText(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        return !editor->isVisible();
    };
    QVERIFY(!type(ui.lblFocal, QStringLiteral("10")));
    const double least = std::ceil((1 + 5 * kLeastRadiusCm / 20) * 100) / 100;
    const QString indices = QStringLiteral("N от %1 до %2").arg(shown(least), shown(2));
    QVERIFY2(editor->toolTip().contains(indices), qPrintable(editor->toolTip()));
    QTest::keyClick(editor, Qt::Key_Escape);
    QVERIFY(type(ui.lblN, QStringLiteral("2")) && type(ui.lblFocal, QStringLiteral("10")));
    QVERIFY(!type(ui.lblDistances, QStringLiteral("d = 0")));
    QVERIFY(type(ui.lblDistances, QStringLiteral("d = 15 h = 2")));
    const QString shownNow = ui.lblDistances->Caption();
    QVERIFY2(shownNow.contains(QStringLiteral("f = 30,00 см")) &&
                 shownNow.contains(QStringLiteral("Γ = 2,00")),
             qPrintable(shownNow));
    QCOMPARE(w->ObjectY, float(3990 - 2 / 5.0 * 567));
}

// "F = 10 см, d = 15 см: найдите f" at 1 : 5, from a setup file: the image
// 30 cm behind the lens, twice as large, on the bench; the power 1/F = 10
// dioptres, a fifth of what the same drawing is worth at 1 : 1.
void TestScale::schoolProblem() {
    const double F = 10, d = 15, f = 1 / (1 / F - 1 / d);
    QCOMPARE(f, 30.0);
    const SetupFile::Result read =
        SetupFile::parse(setupText("\"scale\": 5,", 20), Bench::setupRanges());
    QVERIFY2(read.setup, qPrintable(read.problem));
    auto w = TestSupport::startWindow();
    const auto ui = TestSupport::controlsOf(*w);
    w->view().File().apply(*read.setup);
    QCOMPARE(ui.cmdScale->text(), QStringLiteral("1 : 5"));
    const QString distances = ui.lblDistances->Caption();
    for (double cm : {d, f})
        QVERIFY2(distances.contains(shown(cm) + QStringLiteral(" см")), qPrintable(distances));
    QVERIFY2(distances.contains(shown(f / d)), qPrintable(distances));
    QVERIFY2(ui.lblPower->Caption().contains(shown(100 / F) + QStringLiteral(" дптр")),
             qPrintable(ui.lblPower->Caption()));
    // Object and image both stand within the areas of the bench.
    const Bench::Image image = Bench::imageOf(Optics::lensOf(*w), w->ObjectX, w->ObjectY);
    QVERIFY(image.d < Bench::kLensX && image.b < Bench::kAreaWidth);

    const QString fast = ui.cmdMotion->toolTip();
    chooseScale(*w, 1);
    // The object's speed on the motion button is real too: five times the
    // bench's own at 1 : 5.
    const QRegularExpression speed(QStringLiteral("(\\d+(,\\d+)?) см/с"));
    const auto speedIn = [&](const QString& tip) {
        return speed.match(tip).captured(1).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
    };
    QCOMPARE_GT(speedIn(ui.cmdMotion->toolTip()), 0.0);
    QCOMPARE(speedIn(fast), 5 * speedIn(ui.cmdMotion->toolTip()));
    QVERIFY2(ui.lblPower->Caption().contains(shown(5 * 100 / F) + QStringLiteral(" дптр")),
             qPrintable(ui.lblPower->Caption()));
    // Saved, the setup keeps its scale and real lengths.
    chooseScale(*w, 5);
    const std::optional<Setup> saved =
        SetupFile::parse(SetupFile::write(w->view().File().current()), Bench::setupRanges()).setup;
    QVERIFY(saved && saved->scale == read.setup->scale);
    QCOMPARE_LT(std::fabs(saved->leftRadius - read.setup->leftRadius), 1e-9);
    QCOMPARE_LT(std::fabs(saved->objectDistance - d), 1e-4);

    // The graph's point and axis, and the table's row, in real centimetres.
    w->view().Lesson().toggleGraph();
    GraphWindow* graph = w->view().Lesson().graph();
    QVERIFY(graph && graph->isVisible());
    const QList<QPointF> at = graph->objectPoints();
    QVERIFY(!at.isEmpty() && std::fabs(at[0].x() - d) < 1e-3 && std::fabs(at[0].y() - f) < 1e-3);
    const QStringList ticks = graph->tickLabels(true, Qt::Horizontal);
    QVERIFY2(!ticks.isEmpty() &&
                 QString(ticks.last()).replace(QLatin1Char(','), QLatin1Char('.')).toDouble() >
                     5 * 10,
             qPrintable(ticks.join(' ')));
    w->view().Lesson().record();
    const QString csv = graph->table()->csvText();
    QVERIFY2(csv.contains(QStringLiteral("%1;%2;").arg(shown(d), shown(f))), qPrintable(csv));

    // A radius typed is real too: 30 cm is 6 cm of the bench, within its sliders.
    TestSupport::clickAt(w.get(), TestSupport::middleOf(ui.lblRleft));
    auto* editor = w->findChild<QLineEdit*>(QStringLiteral("readoutEditor"));
    QVERIFY(editor && editor->isVisible());
    editor->selectAll();
    typeText(editor, QStringLiteral("30"));
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(ui.lblRleft->Caption(), QStringLiteral("R = 30,00 см"));

    // A task's verdict states the judge's tolerance, half a centimetre of the
    // bench, in real centimetres.
    w->view().TaskSeries().start(1, Tasks::Level::EqualMedia);
    TestSupport::clickAt(w.get(), TestSupport::middleOf(ui.picRigth));
    const QString verdict = w->view().TaskLines()[2]->Caption();
    QVERIFY2(verdict.contains(QStringLiteral("(допуск %1 см)").arg(shown(5 * 0.5))),
             qPrintable(verdict));
    w->view().TaskSeries().stop();
}

void TestScale::scaleInFiles_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("k");           // the scale read
    QTest::addColumn<QString>("problem"); // empty: read
    // Without a scale a file is 1 : 1, its radii centimetres of the bench.
    QTest::newRow("no scale") << setupText("", 3, 7) << 1 << QString();
    QTest::newRow("1 : 5") << setupText("\"scale\": 5,", 20) << 5 << QString();
    QTest::newRow("1 : 1, radii too long")
        << setupText("\"scale\": 1,", 20) << 1
        << QStringLiteral("(от %1 до %2)").arg(shown(kLeastRadiusCm), shown(kGreatestRadiusCm));
    QTest::newRow("1 : 5, radii too long")
        << setupText("\"scale\": 5,", 50) << 5
        << QStringLiteral("(от %1 до %2)")
               .arg(shown(5 * kLeastRadiusCm), shown(5 * kGreatestRadiusCm));
    QTest::newRow("1 : 3") << setupText("\"scale\": 3,", 3) << 3
                           << QStringLiteral("«scale» должно быть одним из чисел 1, 2, 5 или 10");
    QTest::newRow("scale in words")
        << setupText("\"scale\": \"5\",", 3) << 5
        << QStringLiteral("«scale» должно быть одним из чисел 1, 2, 5 или 10");
}

void TestScale::scaleInFiles() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, k);
    QFETCH(QString, problem);
    const SetupFile::Result read = SetupFile::parse(bytes, Bench::setupRanges());
    if (!problem.isEmpty()) {
        QVERIFY(!read.setup);
        QVERIFY2(read.problem.contains(problem), qPrintable(read.problem));
        return;
    }
    QVERIFY2(read.setup, qPrintable(read.problem));
    QCOMPARE(read.setup->scale.factor(), k);
    // The radii as written: real centimetres, drawn K times smaller.
    auto w = TestSupport::startWindow();
    w->view().File().apply(*read.setup);
    const double drawn = std::fabs(Optics::lensOf(*w).leftR); // cm of the bench
    QCOMPARE_LT(std::fabs(drawn * k - read.setup->leftRadius), 1e-9);
}

QTEST_MAIN(TestScale)
#include "tst_scale.moc"
