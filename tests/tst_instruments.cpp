// SPDX-License-Identifier: GPL-3.0-or-later
// The instruments' read-outs against the textbook: each expected number is
// worked here from the thin-lens formula 1/F = 1/d + 1/f (real distances
// positive) and the definition of angular magnification, not from the
// library's tracing the scenes use.
#include "commandbutton.h"
#include "form1.h"
#include "instrumentscenes.h"
#include "label.h"
#include "picturebox.h"
#include "scenemode.h"
#include "testsupport.h"

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <cmath>

namespace {
std::unique_ptr<Scenes::Scene> sceneOf(const QString& kind) {
    for (auto& scene : Scenes::instruments())
        if (kind == QLatin1String(scene->kind()))
            return std::move(scene);
    return nullptr;
}
double imageOf(double F, double d) { // f from 1/F = 1/d + 1/f
    return 1 / (1 / F - 1 / d);
}
struct Host : Scenes::Host {
    QWidget w;
    int changes = 0;
    QWidget& window() override { return w; }
    Optics::Notation notation() const override { return Optics::Notation::RussianSchool; }
    void changed() override { ++changes; }
};
// A right click where the System button stands, then a click at the place of
// the item of the menu that opens whose text begins with `item`.
void menuItem(Form1& w, const QString& item) {
    bool chosen = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        for (QAction* action : menu ? menu->actions() : QList<QAction*>())
            if (!chosen && action->isVisible() && action->text().startsWith(item)) {
                TestSupport::clickMenuItem(menu, action);
                chosen = !menu->isVisible();
                menu->close();
            }
    });
    poll.start(10);
    QTest::mouseClick(w.windowHandle(), Qt::RightButton, {},
                      TestSupport::middleOf(TestSupport::controlsOf(w).cmdSystem));
    QVERIFY2(chosen, qPrintable(item));
}
constexpr double kStart = NAN;
QString shown(double v, int decimals) {
    return QString::number(v, 'f', decimals).replace(QLatin1Char('.'), QLatin1Char(','));
}
} // namespace

class TestInstruments : public QObject {
    Q_OBJECT
private slots:
    void readouts_data();
    void readouts();
    void setupValues_data();
    void setupValues();
    void byMenu_data();
    void byMenu();
};

void TestInstruments::readouts_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("arrows"); // Shift+→ (Shift+← negative) presses: the screen 1 cm on
    QTest::addColumn<double>("tip"); // the object's height, its own where kStart
    QTest::addColumn<QStringList>("expected");
    // Magnifier F = 5: 1 + 25/F at the near point (25/F relaxed: byMenu).
    QTest::addRow("magnifier 25 cm")
        << "magnifier" << 0 << kStart << QStringList{"Γ = 6,0 (", "25,00 см"};
    // Camera F = 5, subject 2.5 cm at 12 cm; projector F = 5, slide 1.5 cm at 6.5 cm.
    const double fc = imageOf(5, 12), fp = imageOf(5, 6.5);
    QTest::addRow("camera sharp") << "camera" << 0 << kStart
                                  << QStringList{shown(fc, 2) + " см",
                                                 shown(2.5 * fc / 12, 2) + " см", "уменьшенное"};
    // Two centimetres nearer than the sharp image: a spot 2·1.5·2/f wide.
    QTest::addRow("camera nearer")
        << "camera" << -2 << kStart << QStringList{"Экран в " + shown(fc - 2, 2), shown(6 / fc, 2)};
    QTest::addRow("projector") << "projector" << 0 << kStart
                               << QStringList{shown(fp, 2) + " см",
                                              shown(1.5 * fp / 6.5, 2) + " см", "увеличенное"};
    // Microscope F1 = 2, F2 = 3, 16 apart, the final image 25 cm before the
    // eye: Γ = Γ1·Γ2 with Γ2 = 25/a2.
    const double a2 = 1 / (1 / 3.0 + 1 / 25.0), b1 = 16 - a2, d1 = 1 / (1 / 2.0 - 1 / b1);
    QTest::addRow("microscope") << "microscope" << 0 << kStart
                                << QStringList{shown(b1 / d1 * 25 / a2, 1) +
                                                   " (изображение перевёрнутое",
                                               shown(11 * 25 / 6.0, 1)};
    // Telescopes: Γ = F1/F2, the light entering with the slope 1/20.
    QTest::addRow("kepler") << "kepler" << 0 << kStart
                            << QStringList{"Γ = 5,0 (изображение перевёрнутое", "= 18,00 см",
                                           shown(std::atan(0.05) * 180 / M_PI, 1) + "°",
                                           shown(std::atan(0.25) * 180 / M_PI, 1) + "°"};
    QTest::addRow("galilean") << "galilean" << 0 << kStart
                              << QStringList{"Γ = 4,0 (изображение прямое", "= 15,00 см",
                                             shown(std::atan(0.2) * 180 / M_PI, 1) + "°"};
    // The tip set high above the axis: the pencil's slope held at 0.1.
    QTest::addRow("kepler steep") << "kepler" << 0 << 4.0
                                  << QStringList{shown(std::atan(0.1) * 180 / M_PI, 1) + "°",
                                                 shown(std::atan(0.5) * 180 / M_PI, 1) + "°"};
}

void TestInstruments::readouts() {
    QFETCH(QString, kind);
    QFETCH(int, arrows);
    QFETCH(double, tip);
    QFETCH(QStringList, expected);
    auto scene = sceneOf(kind);
    QVERIFY(scene);
    Host host;
    Optics::Axial::Object object = scene->startObject();
    object.height = std::isnan(tip) ? object.height : tip;
    scene->look(object, host.notation());
    for (int i = 0; i < std::abs(arrows); ++i)
        QVERIFY(scene->key(arrows < 0 ? 37 : 39, 1, host));
    QCOMPARE(host.changes, std::abs(arrows));
    const QString text = scene->look(object, host.notation()).readouts.join(QLatin1Char('\n'));
    for (const QString& part : expected)
        QVERIFY2(text.contains(part), qPrintable(part + QLatin1String(" not in\n") + text));
}

void TestInstruments::setupValues_data() {
    // Values a setup file's ranges let through that make no such instrument.
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("parameter");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("taken");
    QTest::addRow("half a view") << "magnifier"
                                 << "relaxed" << 0.5 << false;
    QTest::addRow("tube longer") << "microscope"
                                 << "tube" << 20.5 << true;
    QTest::addRow("lenses touching") << "microscope"
                                     << "tube" << 4.0 << false;
    QTest::addRow("beyond objective") << "galilean"
                                      << "eyepiece" << -25.0 << false;
}

void TestInstruments::setupValues() {
    // Taken and kept as written, or refused leaving the scene as it was.
    QFETCH(QString, kind);
    QFETCH(QString, parameter);
    QFETCH(double, value);
    QFETCH(bool, taken);
    auto scene = sceneOf(kind);
    const SetupFormat::SceneSetup before = scene->saved();
    SetupFormat::SceneSetup setup = before;
    std::erase_if(setup.parameters, [&](auto& p) { return p.first == parameter.toStdString(); });
    setup.parameters.emplace_back(parameter.toStdString(), value);
    QCOMPARE(scene->load(setup), taken);
    QCOMPARE(scene->saved(), taken ? setup : before);
    setup.kind = "eye";
    QVERIFY(!scene->load(setup));
}

void TestInstruments::byMenu_data() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("item"); // the scene's own menu item chosen next, if any
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("distant"); // its light comes in from the left edge of the bench
    QTest::addRow("magnifier, relaxed") << "Лупа"
                                        << "Изображение на бесконечности"
                                        << "Γ = 5,0" << false;
    QTest::addRow("camera") << "Фотоаппарат"
                            << ""
                            << "действительное, перевёрнутое, уменьшенное" << false;
    QTest::addRow("galilean") << "Труба Галилея"
                              << ""
                              << "Γ = 4,0 (изображение прямое)" << true;
}

void TestInstruments::byMenu() {
    // Opened where a teacher clicks, the instrument's figure and numbers are on the window.
    QFETCH(QString, title);
    QFETCH(QString, item);
    QFETCH(QString, shown);
    QFETCH(bool, distant);
    auto w = TestSupport::startWindow();
    const auto ui = TestSupport::controlsOf(*w);
    menuItem(*w, title);
    if (!item.isEmpty())
        menuItem(*w, item);
    QString first = ui.lblDistances->Caption() + '\n' + ui.lblImageKind->Caption();
    for (Label* line : w->view().TaskLines())
        first += '\n' + (line->Visible() ? line->Caption() : QString());
    const QVector<Figure> rays = TestSupport::linesOf(ui.picLeft->figures());
    QCOMPARE(std::any_of(rays.begin(), rays.end(),
                         [](const Figure& f) { return std::min(f.x1, f.x2) < 1; }),
             distant);
    QVERIFY2(first.contains(shown), qPrintable(first));
}

QTEST_MAIN(TestInstruments)
#include "tst_instruments.moc"
