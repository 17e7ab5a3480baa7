// SPDX-License-Identifier: GPL-3.0-or-later
// The eye as a teacher opens it from the System button's menu, its object
// dragged where a user drags it, against the reduced eye traced here with ray
// transfer matrices: a surface of 5.73 mm between air and 1.336 (17.05 and
// 22.78 mm focal lengths), 4 D of accommodation, spectacles 12 mm before it.
#include "bench.h"
#include "benchoptics.h"
#include "commandbutton.h"
#include "form1.h"
#include "label.h"
#include "lessonfile.h"
#include "picturebox.h"
#include "scenemode.h"
#include "setupfile.h"
#include "slider.h"
#include "systemmode.h"
#include "testsupport.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace {
constexpr double kCm = Bench::kTwipsPerCm;
constexpr double kScale = 2; // the eye is drawn at 1 : 2
constexpr double kMedium = 1.336;
constexpr double kRelaxed = 0.336 / 0.573; // 1/cm
constexpr double kVertex = 1.2;

struct Seen {
    double power;   // the eye's, 1/cm
    double defocus; // image − retina, cm; 0 on the retina
};

// A ray (height y, reduced slope nu) from the axial point d before the eye,
// through the spectacles S (1/cm, none at 0 with `wears` false) to the eye,
// which accommodates within its 4 D; the retina where the relaxed eye of this
// defect (the dioptres of the contact lens that corrects it) focuses.
Seen trace(double d, double error, bool wears, double S) {
    const double retina = kMedium / (kRelaxed + error / 100);
    double y = 0, nu = 1;
    if (wears) {
        y += (d - kVertex) * nu;
        nu -= y * S / 100;
        y += kVertex * nu;
    } else {
        y += d * nu;
    }
    const double needed = nu / y + kMedium / retina;
    const double P = std::clamp(needed, kRelaxed, kRelaxed + 0.04);
    const double image = -y * kMedium / (nu - y * P);
    return {P, std::fabs(P - needed) < 1e-9 ? 0 : image - retina};
}

double numberAfter(const QString& text, const QString& before) {
    const QRegularExpression re(QRegularExpression::escape(before) +
                                QStringLiteral("\\s*([−\\d,]+)"));
    QString n = re.match(text).captured(1);
    return n.isEmpty() ? NAN : n.replace(QStringLiteral("−"), "-").replace(',', '.').toDouble();
}

// Whatever dialog opens next gets `typed` in its field, then its OK pressed
// where it stands.
void typeIntoNextDialog(const QString& typed) {
    QTimer::singleShot(50, [typed] {
        QWidget* dialog = QApplication::activeModalWidget();
        auto* field = dialog ? dialog->findChild<QLineEdit*>() : nullptr;
        if (!field)
            return;
        field->selectAll();
        QTest::keyClicks(field, typed);
        for (QPushButton* b : dialog->findChildren<QPushButton*>())
            if (b->isDefault())
                TestSupport::clickAt(dialog, b->mapTo(dialog, b->rect().center()));
    });
}

// A right click on the System button where it stands, then a click on the
// menu's item with this text where it shows.
void choose(Form1& w, const QString& item) {
    bool chosen = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu || chosen)
            return;
        for (QAction* action : menu->actions())
            if (action->isVisible() && action->text() == item) {
                chosen = true;
                TestSupport::clickMenuItem(menu, action);
                break;
            }
        menu->close();
    });
    poll.start(10);
    QTest::mouseClick(w.windowHandle(), Qt::RightButton, {},
                      TestSupport::middleOf(TestSupport::controlsOf(w).cmdSystem));
    QVERIFY2(chosen, qPrintable(item));
}

// The object dragged in the left area to d cm (real) before the eye, 2 cm up.
void dragObjectTo(Form1& w, double d) {
    PictureBox* left = TestSupport::controlsOf(w).picLeft;
    const QPoint to = TestSupport::pixelOf(left, Bench::kLensX - d / kScale * kCm,
                                           Bench::kAxisY - 2 / kScale * kCm);
    TestSupport::press(left, TestSupport::pixelOf(left, 3000, 3000));
    TestSupport::moveHolding(left, to);
    TestSupport::release(left, to);
}

QStringList drawn(const PictureBox* area) {
    QStringList all;
    for (const Figure& f : area->figures())
        all << TestSupport::describe(f);
    return all;
}
} // namespace

class TestSceneMode : public QObject {
    Q_OBJECT

private slots:
    void eye_data();
    void eye();
    void setupRoundTrip_data();
    void setupRoundTrip();
    void escapeGivesBenchBack_data();
    void escapeGivesBenchBack();
    void eyeMagnified_data();
    void eyeMagnified();
};

void TestSceneMode::eye_data() {
    QTest::addColumn<QString>("sight");      // the menu's item
    QTest::addColumn<double>("error");       // its dioptres
    QTest::addColumn<QString>("spectacles"); // none, typed, or found
    QTest::addColumn<double>("typed");
    QTest::addColumn<double>("d"); // cm; 0: a distant object, 100 m
    QTest::addColumn<bool>("sharp");
    const QString normal = "Нормальное зрение", myopia = "Близорукость",
                  hyperopia = "Дальнозоркость";
    QTest::newRow("normal, 26 cm: accommodates") << normal << 0.0 << "" << 0.0 << 26.0 << true;
    QTest::newRow("normal, distant: relaxed") << normal << 0.0 << "" << 0.0 << 0.0 << true;
    QTest::newRow("normal, 15 cm: behind the retina")
        << normal << 0.0 << "" << 0.0 << 15.0 << false;
    QTest::newRow("myope, distant: before the retina")
        << myopia << -2.0 << "" << 0.0 << 0.0 << false;
    QTest::newRow("myope, −2,05 D at 12 mm: distant sharp")
        << myopia << -2.0 << "typed" << -2.05 << 0.0 << true;
    QTest::newRow("myope, 12 cm: past the near point")
        << myopia << -2.0 << "" << 0.0 << 12.0 << false;
    QTest::newRow("hyperope, 25 cm: behind") << hyperopia << 2.0 << "" << 0.0 << 25.0 << false;
    QTest::newRow("hyperope, spectacles found, 25.5 cm: sharp")
        << hyperopia << 2.0 << "found" << 0.0 << 25.5 << true;
    QTest::newRow("hyperope, +8 D typed, 25 cm: image before the retina")
        << hyperopia << 2.0 << "typed" << 8.0 << 25.0 << false;
}

void TestSceneMode::eye() {
    QFETCH(QString, sight);
    QFETCH(double, error);
    QFETCH(QString, spectacles);
    QFETCH(double, typed);
    QFETCH(double, d);
    QFETCH(bool, sharp);
    auto w = TestSupport::startWindow();
    const auto ui = TestSupport::controlsOf(*w);
    choose(*w, "Глаз");
    QVERIFY(w->view().Scenes().active() && ui.cmdSystem->isChecked());
    choose(*w, sight);
    if (d > 0)
        dragObjectTo(*w, d);
    else
        choose(*w, "Предмет вдали");
    const double placed = d > 0 ? Bench::cmOf(Bench::kLensX - w->ObjectX) * kScale : 10000;
    double S = typed;
    if (spectacles == "typed") {
        typeIntoNextDialog(QString::number(typed).replace('.', ','));
        choose(*w, "Очки…");
    } else if (spectacles == "found") {
        choose(*w, "Подобрать очки");
        // The near point moved to 25 cm: 1/(25 − 1.2) − 1/(50 − 1.2) dioptres.
        S = 100 * (1 / (25 - kVertex) - 1 / (50 - kVertex));
    }
    const Seen seen = trace(placed, error, !spectacles.isEmpty(), S);
    QCOMPARE(seen.defocus == 0, sharp);
    const QStringList lines = w->view().Scenes().look().readouts;
    QVERIFY2(std::fabs(numberAfter(lines.value(0), "D =") - 100 * seen.power) < 0.006,
             qPrintable(lines.value(0)));
    const QString where = w->view().TaskLines().at(1)->Caption();
    const double mm = numberAfter(where, "сетчаткой на");
    if (sharp)
        QVERIFY2(where.startsWith("Изображение на сетчатке"), qPrintable(where));
    else
        QVERIFY2(where.contains(seen.defocus < 0 ? "перед сетчаткой" : "за сетчаткой") &&
                     std::fabs(mm - 10 * std::fabs(seen.defocus)) < 0.0051,
                 qPrintable(where + QString(" / %1 mm").arg(10 * seen.defocus)));
    if (!spectacles.isEmpty())
        QVERIFY2(std::fabs(numberAfter(lines.value(3), "Очки: D =") - S) < 0.006,
                 qPrintable(lines.value(3)));
    // The spectacles' real image beyond the eye is the eye's virtual object:
    // its line is dashed, the light being taken by the eye first.
    const double v = 1 / (S / 100 - 1 / (placed - kVertex)) - kVertex; // behind the eye
    if (!spectacles.isEmpty() && v > 0 && v / kScale * kCm < Bench::kAreaWidth) {
        int lines = 0;
        for (const Figure& f : TestSupport::linesOf(ui.picRigth->figures()))
            if (std::fabs(f.x1 - v / kScale * kCm) < 15 && f.x1 == f.x2 && f.y2 == Bench::kAxisY) {
                ++lines;
                QCOMPARE(f.drawStyle, 1);
            }
        QVERIFY(lines > 0);
    }
    // Seen sharp, the image's dot stands on the retina as drawn at 1 : 2.
    if (sharp) {
        const double retina = kMedium / (kRelaxed + error / 100) / kScale * kCm;
        const QVector<Figure> dots = TestSupport::circlesOf(ui.picRigth->figures());
        QVERIFY(std::any_of(dots.begin(), dots.end(),
                            [&](const Figure& f) { return std::fabs(f.x1 - retina) < 15; }));
    }
}

void TestSceneMode::setupRoundTrip_data() {
    QTest::addColumn<QString>("scene"); // the "scene" member as written
    QTest::addColumn<bool>("opens");
    QTest::addColumn<QString>("shown"); // a read-out line's words, once opened
    QTest::newRow("strong myope, spectacles at the limit")
        << R"({"kind": "eye", "error": -20, "spectacles": -25})" << true << "Очки: D = −25,00";
    QTest::newRow("hyperope at its limit, plane spectacles")
        << R"({"kind": "eye", "error": 10, "spectacles": 0})" << true << "Очки: D = 0,00";
    QTest::newRow("a hundredth of a dioptre, distant")
        << R"({"kind": "eye", "error": -0.01, "distant": 1})" << true << "Предмет вдали";
    QTest::newRow("spectacles past the limit")
        << R"({"kind": "eye", "error": -2, "spectacles": -25.01})" << false << "";
    QTest::newRow("an unknown parameter")
        << R"({"kind": "eye", "error": 0, "lens": 1})" << false << "";
    QTest::newRow("an unknown kind") << R"({"kind": "periscope"})" << false << "";
    QTest::newRow("no defect") << R"({"kind": "eye"})" << false << "";
    // The instruments: a view, a screen moved off the image, refused values.
    QTest::newRow("magnifier relaxed")
        << R"({"kind": "magnifier", "focal": 2.5, "relaxed": 1})" << true << "Предмет в фокусе";
    QTest::newRow("camera screen a millimetre behind")
        << R"({"kind": "camera", "focal": 5, "screen": 0.1})" << true << "нерезкое";
    QTest::newRow("Galilean converging eyepiece")
        << R"({"kind": "galilean", "objective": 20, "eyepiece": 5})" << false << "";
    QTest::newRow("microscope without its tube")
        << R"({"kind": "microscope", "objective": 2, "eyepiece": 3})" << false << "";
    // Within the file's ranges, but no such microscope: refused on opening,
    // the bench untouched ("!" for a refusal the window gives).
    QTest::newRow("microscope tube shorter than its lenses")
        << R"({"kind": "microscope", "objective": 2, "eyepiece": 3, "tube": 4})" << true << "!";
}

void TestSceneMode::setupRoundTrip() {
    QFETCH(QString, scene);
    QFETCH(bool, opens);
    QFETCH(QString, shown);
    QTemporaryDir dir;
    const QString path = dir.filePath("eye.quellor");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral(R"({"format": "quellor-setup", "version": 2, "scale": 2,
        "lens": "converging", "indices": {"left": 1, "lens": 1.5, "right": 1.336},
        "radii": {"left": 10, "right": 10}, "view": "scheme",
        "object": {"distance": 20, "height": 3}, "scene": %1})")
                   .arg(scene)
                   .toUtf8());
    file.close();
    const SetupFile::Result read = SetupFile::read(path, Bench::setupRanges());
    QCOMPARE(bool(read.setup), opens);
    if (!opens)
        return;
    auto w = TestSupport::startWindow();
    if (shown == QLatin1String("!")) {
        const QByteArray before = SetupFile::write(w->view().File().current());
        QString said;
        QTimer::singleShot(0, [&said] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                said = box->text();
                box->accept();
            }
        });
        QVERIFY(!w->view().File().openFile(path));
        QVERIFY2(said.contains(QStringLiteral("«Микроскоп» не согласуются")), qPrintable(said));
        QVERIFY(!w->view().Scenes().active());
        QCOMPARE(SetupFile::write(w->view().File().current()), before);
        return;
    }
    QVERIFY(w->view().File().openFile(path));
    QVERIFY(w->view().Scenes().active());
    QVERIFY2(w->view().Scenes().look().readouts.join('\n').contains(shown),
             qPrintable(w->view().Scenes().look().readouts.join('\n')));
    // Saved and opened again in a fresh window, the same scene and the same text.
    const QByteArray first = SetupFile::write(w->view().File().current());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(first);
    file.close();
    auto again = TestSupport::startWindow();
    QVERIFY(again->view().File().openFile(path));
    QCOMPARE(again->view().Scenes().saved(), w->view().Scenes().saved());
    QCOMPARE(again->view().Scenes().look().readouts, w->view().Scenes().look().readouts);
    QCOMPARE(SetupFile::write(again->view().File().current()), first);
}

void TestSceneMode::escapeGivesBenchBack_data() {
    QTest::addColumn<bool>("secondLens");
    QTest::addColumn<QString>("by"); // Esc, the button pressed, or a menu item
    // Saved in the scene, the file holds the scene: the bench back differs from it.
    QTest::addColumn<bool>("savedIn");
    QTest::newRow("the bench") << false << "Esc" << false;
    QTest::newRow("the optical system") << true << "Esc" << false;
    QTest::newRow("the bench, by the button") << false << "button" << false;
    QTest::newRow("the bench, by the menu's removal") << false << "Убрать вторую линзу" << false;
    QTest::newRow("the bench, saved in the scene") << false << "Esc" << true;
}

void TestSceneMode::escapeGivesBenchBack() {
    QFETCH(bool, secondLens);
    QFETCH(QString, by);
    QFETCH(bool, savedIn);
    QTemporaryDir dir;
    auto w = TestSupport::startWindow();
    const auto ui = TestSupport::controlsOf(*w);
    TestSupport::clickAt(w.get(),
                         ui.picLeft->mapTo(w.get(), TestSupport::pixelOf(ui.picLeft, 4000, 3000)));
    w->cmdCx_Click();
    w->RedrawScheme();
    if (secondLens)
        TestSupport::clickAt(w.get(), TestSupport::middleOf(ui.cmdSystem));
    const QStringList left = drawn(ui.picLeft), right = drawn(ui.picRigth);
    const QString distances = ui.lblDistances->Caption(), focal = ui.lblFocal->Caption();
    const double n2 = w->n2;
    if (savedIn)
        QVERIFY(w->view().File().saveTo(dir.filePath(QStringLiteral("урок.quellor"))));
    const bool modified = w->isWindowModified();
    choose(*w, "Глаз");
    QVERIFY(w->view().Scenes().active() && !ui.picVexol->isVisible() && !ui.sldR1->isVisible() &&
            !ui.sldn2->isVisible() && !ui.cmdRas->isVisible());
    dragObjectTo(*w, 20);
    if (savedIn)
        TestSupport::clickAt(w.get(), TestSupport::middleOf(ui.cmdSaveSetup));
    if (by == "Esc") {
        // As the window's shortcuts take it, the window active.
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : w.get();
        QTest::keyClick(focus, Qt::Key_Escape);
    } else if (by == "button") {
        TestSupport::clickAt(w.get(), TestSupport::middleOf(ui.cmdSystem));
    } else {
        choose(*w, by);
    }
    QVERIFY(!w->view().Scenes().active());
    QCOMPARE(drawn(ui.picLeft), left);
    QCOMPARE(drawn(ui.picRigth), right);
    QCOMPARE(ui.lblDistances->Caption(), distances);
    QCOMPARE(ui.lblFocal->Caption(), focal);
    QCOMPARE(w->n2, n2);
    QCOMPARE(w->view().CurrentScale().factor(), 1);
    QCOMPARE(w->isWindowModified(), modified || savedIn);
    QVERIFY(!w->findChild<QWidget*>(QStringLiteral("eyeInset"))->isVisible());
    QVERIFY(ui.picVexol->isVisible() && ui.sldR1->isVisible() && ui.sldn2->isVisible() &&
            ui.cmdRas->isVisible() && ui.picTypeMark->isVisible());
    QCOMPARE(bool(w->view().Systems().secondLens()), secondLens);
}

// The eye magnified as a class sees it: the image's arrow (green) before, on
// or behind the retina (red) by the traced defocus, measured on the inset in
// its own units, the retina's distance from the eye's lens (blue).
void TestSceneMode::eyeMagnified_data() {
    QTest::addColumn<double>("d");
    QTest::newRow("within the range: on the retina") << 50.0;
    QTest::newRow("nearer than the near point: behind it") << 15.0;
    QTest::newRow("nearer still") << 11.0;
}

void TestSceneMode::eyeMagnified() {
    QFETCH(double, d);
    auto w = TestSupport::startWindow();
    choose(*w, "Глаз");
    dragObjectTo(*w, d);
    auto* inset = w->findChild<QWidget*>(QStringLiteral("eyeInset"));
    QVERIFY(inset && inset->isVisible());
    const QImage seen = inset->grab().toImage();
    // The middle column of the pixels of a colour.
    const auto column = [&](auto is) {
        double sum = 0, n = 0;
        for (int y = 0; y < seen.height(); ++y)
            for (int x = 0; x < seen.width(); ++x)
                if (const QColor c = seen.pixelColor(x, y); is(c.red(), c.green(), c.blue()))
                    sum += x, ++n;
        return sum / n;
    };
    const double lens = column([](int r, int g, int b) { return b > 150 && r < 60 && g < 60; });
    const double retina = column([](int r, int g, int b) { return r > 140 && g < 50 && b < 50; });
    const double image = column([](int r, int g, int b) { return g > 180 && r < 100 && b < 100; });
    const double perCm = (retina - lens) / (kMedium / kRelaxed);
    // Five times the bench's real centimetre at 1 : 2, as the caption says.
    PictureBox* left = TestSupport::controlsOf(*w).picLeft;
    const double bench =
        TestSupport::pixelOf(left, 10 * kCm, 0).x() - TestSupport::pixelOf(left, 0, 0).x();
    QVERIFY2(std::fabs(perCm / (bench / 10 / kScale) - 5) < 0.1,
             qPrintable(QString::number(perCm)));
    const double defocus = trace(d, 0, false, 0).defocus;
    QVERIFY2(
        std::fabs((image - retina) / perCm - defocus) < 0.02,
        qPrintable(QStringLiteral("%1 cm, traced %2").arg((image - retina) / perCm).arg(defocus)));
}

QTEST_MAIN(TestSceneMode)
#include "tst_scenemode.moc"
