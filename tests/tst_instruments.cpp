// SPDX-License-Identifier: GPL-3.0-or-later
// The instruments' read-outs against the textbook: each expected number is
// worked here from the thin-lens formula 1/F = 1/d + 1/f (real distances
// positive) and the definition of angular magnification, not from the
// library's tracing the scenes use.
#include "instrumentscenes.h"

#include <QTest>
#include <QWidget>
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
};

void TestInstruments::readouts_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("item");   // the scene's menu item chosen first, −1 none
    QTest::addColumn<int>("arrows"); // Shift+→ (Shift+← negative) presses: the screen 1 cm on
    QTest::addColumn<QStringList>("expected");
    // Magnifier F = 5: 1 + 25/F at the near point, 25/F for the relaxed eye.
    QTest::addRow("magnifier 25 cm")
        << "magnifier" << 0 << 0 << QStringList{"Γ = 6,0 (", "25,00 см"};
    QTest::addRow("magnifier relaxed") << "magnifier" << 1 << 0 << QStringList{"Γ = 5,0 ("};
    // Camera F = 5, subject 3 cm at 12 cm; projector F = 5, slide 1.5 cm at 6.5 cm.
    const double fc = imageOf(5, 12), fp = imageOf(5, 6.5);
    QTest::addRow("camera sharp") << "camera" << -1 << 0
                                  << QStringList{shown(fc, 2) + " см",
                                                 shown(3 * fc / 12, 2) + " см", "уменьшенное"};
    // One centimetre off the sharp image: a spot 2·1.5·1/f wide.
    QTest::addRow("camera blurred")
        << "camera" << -1 << 1 << QStringList{"нерезкое", shown(3 / fc, 2) + " см"};
    QTest::addRow("camera nearer")
        << "camera" << -1 << -2 << QStringList{"Экран в " + shown(fc - 2, 2), shown(6 / fc, 2)};
    QTest::addRow("projector") << "projector" << -1 << 0
                               << QStringList{shown(fp, 2) + " см",
                                              shown(1.5 * fp / 6.5, 2) + " см", "увеличенное"};
    // Microscope F1 = 1.5, F2 = 3, 16 apart, the final image 25 cm before the
    // eye: Γ = Γ1·Γ2 with Γ2 = 25/a2.
    const double a2 = 1 / (1 / 3.0 + 1 / 25.0), b1 = 16 - a2, d1 = 1 / (1 / 1.5 - 1 / b1);
    QTest::addRow("microscope") << "microscope" << -1 << 0
                                << QStringList{shown(b1 / d1 * 25 / a2, 1) +
                                                   " (изображение перевёрнутое",
                                               shown(11.5 * 25 / 4.5, 1)};
    // Telescopes: Γ = F1/F2 and the light entering at 1/20 rad.
    QTest::addRow("kepler") << "kepler" << -1 << 0
                            << QStringList{"Γ = 5,0 (изображение перевёрнутое", "= 18,00 см",
                                           shown(0.05 * 180 / M_PI, 1) + "°",
                                           shown(0.25 * 180 / M_PI, 1) + "°"};
    QTest::addRow("galilean") << "galilean" << -1 << 0
                              << QStringList{"Γ = 4,0 (изображение прямое", "= 15,00 см",
                                             shown(0.2 * 180 / M_PI, 1) + "°"};
}

void TestInstruments::readouts() {
    QFETCH(QString, kind);
    QFETCH(int, item);
    QFETCH(int, arrows);
    QFETCH(QStringList, expected);
    auto scene = sceneOf(kind);
    QVERIFY(scene);
    Host host;
    const Optics::Axial::Object object = scene->startObject();
    scene->look(object, host.notation());
    if (item >= 0)
        scene->items().at(std::size_t(item)).act(host);
    for (int i = 0; i < std::abs(arrows); ++i)
        QVERIFY(scene->key(arrows < 0 ? 37 : 39, 1, host));
    QCOMPARE(host.changes, (item >= 0) + std::abs(arrows));
    const QString text = scene->look(object, host.notation()).readouts.join(QLatin1Char('\n'));
    for (const QString& part : expected)
        QVERIFY2(text.contains(part), qPrintable(part + QLatin1String(" not in\n") + text));
}

void TestInstruments::setupValues_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("parameter");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("taken");
    QTest::addRow("magnifier F") << "magnifier"
                                 << "focal" << 2.5 << true;
    QTest::addRow("magnifier NaN") << "magnifier"
                                   << "focal" << double(NAN) << false;
    QTest::addRow("magnifier half view") << "magnifier"
                                         << "relaxed" << 0.5 << false;
    QTest::addRow("camera screen") << "camera"
                                   << "screen" << 9.25 << true;
    QTest::addRow("projector screen inf") << "projector"
                                          << "screen" << double(INFINITY) << false;
    QTest::addRow("microscope tube") << "microscope"
                                     << "tube" << 20.5 << true;
    QTest::addRow("microscope lenses touching") << "microscope"
                                                << "tube" << 4.0 << false;
    QTest::addRow("kepler eyepiece") << "kepler"
                                     << "eyepiece" << 2.5 << true;
    QTest::addRow("galilean converging") << "galilean"
                                         << "eyepiece" << 5.0 << false;
    QTest::addRow("galilean longer than objective") << "galilean"
                                                    << "eyepiece" << -25.0 << false;
}

void TestInstruments::setupValues() {
    // A scene's parameters back from the file: taken and kept as written, or
    // refused leaving the scene as it was.
    QFETCH(QString, kind);
    QFETCH(QString, parameter);
    QFETCH(double, value);
    QFETCH(bool, taken);
    auto scene = sceneOf(kind), other = sceneOf(kind);
    SetupFormat::SceneSetup setup = scene->saved();
    for (auto& [name, v] : setup.parameters)
        if (name == parameter.toStdString())
            v = value;
    if (setup.value(parameter.toStdString(), NAN) != value && !std::isnan(value))
        setup.parameters.emplace_back(parameter.toStdString(), value);
    const SetupFormat::SceneSetup before = other->saved();
    QCOMPARE(other->load(setup), taken);
    QCOMPARE(other->saved(), taken ? setup : before);
    setup.kind = "eye";
    QVERIFY(!other->load(setup));
}

QTEST_MAIN(TestInstruments)
#include "tst_instruments.moc"
