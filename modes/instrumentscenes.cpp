// SPDX-License-Identifier: GPL-3.0-or-later
// Each instrument builds its system of thin lenses in air and reads every
// number off it with the library (images, apparent angles, the angular
// magnification); the closed formulas a pupil checks them with are written
// beside them only as such.
#include "instrumentscenes.h"

#include "instruments.h"
#include "keycodes.h"
#include "lens.h"
#include "readout.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace Scenes {

namespace {
namespace Ax = Optics::Axial;
constexpr int kShiftHeld = 1;
constexpr double kNear = Optics::Scenes::kNearPoint;

class Text {
    Q_DECLARE_TR_FUNCTIONS(InstrumentScenes)
};
QString tr(const char* text) {
    return Text::tr(text);
}

QString cm(double value) {
    return Readout::centimetresOf(value);
}
QString named(const char* letter, const QString& index, const QString& value) {
    return Readout::letter(letter) + index + QStringLiteral(" = ") + value;
}
const QString k1 = QStringLiteral("\u2081");
const QString k2 = QStringLiteral("\u2082");
const QString kApart = QStringLiteral("   ");

QString kindOf(const Ax::Image& image) {
    return Readout::kindWords(image.kind == Ax::ImageKind::Real, image.magnification > 0,
                              Optics::sizeOf(image.magnification));
}
QString degrees(double angle) {
    return Readout::number(angle * 180 / std::numbers::pi, 1) + QStringLiteral("°");
}
// An angular magnification: its size, with the view's sense in words.
QString gain(double g) {
    return Readout::number(std::fabs(g), 1) + QStringLiteral(" (") +
           (g < 0 ? tr("изображение перевёрнутое") : tr("изображение прямое")) +
           QStringLiteral(")");
}

Ax::System single(double F, Ax::Object object) {
    return {{{0, Ax::lensOfPower(1 / F, 1, 1)}}, {1, 1}, object};
}
bool within(double v, double least, double greatest) {
    return std::isfinite(v) && v >= least && v <= greatest;
}
// The teacher's object height, or the scene's where the object lies on the
// axis (a tip is what the figure constructs).
double heightOr(const Ax::Object& object, double otherwise) {
    return object.height != 0 && std::isfinite(object.height) ? object.height : otherwise;
}

// The magnifier: F = 5 cm at 1 : 2, the object 1 cm high where the chosen
// view needs it (in the focal plane for the relaxed eye, else where its
// virtual image stands 25 cm before the lens), the eye close behind.
class Magnifier : public Scene {
public:
    const char* kind() const override { return "magnifier"; }
    QString title() const override { return tr("Лупа"); }
    int scale() const override { return 2; }
    Ax::Object startObject() const override { return {-distance(), 1}; }
    void reset() override { *this = Magnifier(); }

    double distance() const { return m_relaxed ? m_focal : 1 / (1 / m_focal + 1 / kNear); }

    Look look(const Ax::Object& object, Optics::Notation notation) const override {
        const Optics::Letters& l = Optics::lettersOf(notation);
        Look look;
        look.system = single(m_focal, {-distance(), heightOr(object, 1)});
        look.elementNames = {tr("лупа")};
        look.figures.push_back({Figure::Kind::EyePlace, 0.8, 0, 0, tr("глаз")});
        // The eye at the lens: the angle it sees the image under, against
        // the object's at the near point.
        const double g = Optics::Scenes::angularGain(look.system, 0);
        const Ax::Image image = Ax::imageOf(look.system);
        look.readouts << named(l.focalLength, {}, cm(m_focal)) + kApart +
                             named(l.objectDistance, {}, cm(distance()));
        // The title band's two short lines first, the longer ones over the bench.
        look.readouts << named(l.magnification, {}, gain(g))
                      << tr("%1 — угол зрения с лупой к углу без неё с 25 см")
                             .arg(Readout::letter(l.magnification));
        if (m_relaxed)
            look.readouts << tr("Предмет в фокусе: лучи выходят параллельно, изображение на "
                                "бесконечности, глаз не напрягается");
        else
            look.readouts << tr("Изображение: %1, в %2 перед лупой (расстояние наилучшего зрения)")
                                 .arg(kindOf(image), cm(-image.distance));
        return look;
    }

    std::vector<Item> items() override {
        return {{tr("Изображение в 25 см от глаза"),
                 [this](Host& host) { m_relaxed = false, host.changed(); },
                 [this] { return !m_relaxed; }},
                {tr("Изображение на бесконечности (глаз не напрягается)"),
                 [this](Host& host) { m_relaxed = true, host.changed(); },
                 [this] { return m_relaxed; }}};
    }

    SetupFormat::SceneSetup saved() const override {
        return {kind(), {{"focal", m_focal}, {"relaxed", m_relaxed ? 1.0 : 0.0}}};
    }
    bool load(const SetupFormat::SceneSetup& setup) override {
        const double F = setup.value("focal", 5), relaxed = setup.value("relaxed", 0);
        if (setup.kind != kind() || !within(F, 1, 20) || (relaxed != 0 && relaxed != 1))
            return false;
        m_focal = F;
        m_relaxed = relaxed == 1;
        return true;
    }

private:
    double m_focal = 5;
    bool m_relaxed = false;
};

// The camera and the projector: a converging lens and a screen, which stands
// where the image is sharp until the teacher moves it (← →); off the image,
// the light of each point of the object covers a spot on it.
class ScreenInstrument : public Scene {
public:
    ScreenInstrument(bool projector) : m_projector(projector) { reset(); }

    const char* kind() const override { return m_projector ? "projector" : "camera"; }
    QString title() const override { return m_projector ? tr("Проектор") : tr("Фотоаппарат"); }
    // The camera, F = 5 cm, at 1 : 1 with a subject 3 cm high 12 cm away
    // (beyond 2F); the projector, F = 5 cm, at 1 : 2 with a slide 1.5 cm
    // high 6.5 cm before it (between F and 2F).
    int scale() const override { return m_projector ? 2 : 1; }
    Ax::Object startObject() const override {
        return m_projector ? Ax::Object{-6.5, 1.5} : Ax::Object{-12, 3};
    }
    void reset() override {
        m_focal = 5;
        m_screen.reset();
    }
    // The lens's aperture, the radius the blur spot is found from.
    static constexpr double kAperture = 1.5;

    std::optional<double> sharpAt(const Ax::Object& object) const {
        const Ax::Image image = Ax::imageOf(single(m_focal, object));
        if (image.kind != Ax::ImageKind::Real)
            return {};
        return image.distance;
    }

    Look look(const Ax::Object& object, Optics::Notation notation) const override {
        const Optics::Letters& l = Optics::lettersOf(notation);
        Look look;
        look.system = single(m_focal, object);
        look.elementNames = {tr("объектив")};
        const std::optional<double> sharp = sharpAt(object);
        const double screen = m_screen.value_or(sharp.value_or(2 * m_focal));
        m_lastSharp = screen;
        look.figures.push_back(
            {Figure::Kind::Screen, screen, 0, 0, m_projector ? tr("экран") : tr("плёнка")});
        const Ax::Image image = Ax::imageOf(look.system);
        QString line = named(l.focalLength, {}, cm(m_focal)) + kApart +
                       named(l.objectDistance, {}, cm(-object.z));
        if (sharp)
            line += kApart + named(l.imageDistance, {}, cm(*sharp));
        look.readouts << line << (sharp ? kindOf(image) : tr("действительного изображения нет"));
        if (!sharp) {
            look.readouts << tr("Предмет не дальше фокуса: действительного изображения нет, на "
                                "экране его не получить");
        } else if (std::fabs(screen - *sharp) <= 1e-6 * std::max(1.0, *sharp)) {
            look.readouts << tr("Экран в %1 за линзой: изображение резкое, высотой %2, %3")
                                 .arg(cm(screen), cm(std::fabs(image.height)), kindOf(image));
        } else {
            // Each point's cone through the aperture, cut by the screen off
            // its apex.
            const double spot = 2 * kAperture * std::fabs(screen - *sharp) / *sharp;
            look.readouts << tr("Экран в %1 за линзой: изображение нерезкое, каждая точка — "
                                "пятно %2; резкое — в %3")
                                 .arg(cm(screen), cm(spot), cm(*sharp));
        }
        // The real instrument the figure stands for, from the library.
        const Optics::Scenes::ScreenScene real =
            m_projector ? Optics::Scenes::projector() : Optics::Scenes::camera();
        if (const auto h = Optics::Scenes::imageHeightOnScreen(real))
            look.readouts
                << (m_projector
                        ? tr("Настоящий проектор: %1 = %2, кадр %3, экран в %4 — изображение %5")
                        : tr("Настоящий фотоаппарат: %1 = %2, человек %3 в %4 — на плёнке %5"))
                       .arg(Readout::letter(l.focalLength), cm(real.focal), cm(real.objectHeight),
                            m_projector ? cm(*Optics::Scenes::screenDistance(real))
                                        : cm(real.objectDistance),
                            cm(std::fabs(*h)));
        return look;
    }

    std::vector<Item> items() override {
        return {{tr("Экран — туда, где изображение резкое"),
                 [this](Host& host) { m_screen.reset(), host.changed(); },
                 [this] { return !m_screen; }}};
    }

    // ← → move the screen a millimetre, with Shift a centimetre.
    bool key(int keyCode, int shift, Host& host) override {
        if (keyCode != InputCodes::kKeyLeft && keyCode != InputCodes::kKeyRight)
            return false;
        const double step =
            (shift & kShiftHeld ? 1.0 : 0.1) * (keyCode == InputCodes::kKeyLeft ? -1 : 1);
        const double from = m_screen.value_or(m_lastSharp);
        m_screen = std::clamp(std::round((from + step) * 1e4) / 1e4, 0.1, kFarthestScreen);
        host.changed();
        return true;
    }

    SetupFormat::SceneSetup saved() const override {
        SetupFormat::SceneSetup s{kind(), {{"focal", m_focal}}};
        if (m_screen)
            s.parameters.emplace_back("screen", *m_screen);
        return s;
    }
    bool load(const SetupFormat::SceneSetup& setup) override {
        const double F = setup.value("focal", 5), screen = setup.value("screen", 0);
        if (setup.kind != kind() || !within(F, 1, 50) ||
            (screen != 0 && !within(screen, 0.1, kFarthestScreen)))
            return false;
        m_focal = F;
        m_screen = screen != 0 ? std::optional<double>(screen) : std::nullopt;
        return true;
    }

private:
    static constexpr double kFarthestScreen = 130;
    bool m_projector;
    double m_focal = 5;
    std::optional<double> m_screen;
    // Where the screen stood when the teacher last saw it: the first arrow
    // moves it from there.
    mutable double m_lastSharp = 10;
};

// The microscope: objective F1 = 1.5 cm and eyepiece F2 = 3 cm, 16 cm apart,
// at 1 : 2; the specimen 1.5 mm high where the final image stands 25 cm
// before the eye at the eyepiece.
class Microscope : public Scene {
public:
    const char* kind() const override { return "microscope"; }
    QString title() const override { return tr("Микроскоп"); }
    int scale() const override { return 2; }
    Ax::Object startObject() const override { return {-distance(), 0.15}; }
    void reset() override { *this = Microscope(); }

    // The intermediate image within the eyepiece's focus, where the
    // eyepiece puts its virtual image at the near point; the objective's
    // object where it images onto that plane.
    double distance() const {
        const double a2 = 1 / (1 / m_eyepiece + 1 / kNear);
        return Optics::Scenes::objectDistanceFor(m_objective, m_tube - a2)
            .value_or(2 * m_objective);
    }

    Look look(const Ax::Object& object, Optics::Notation notation) const override {
        const Optics::Letters& l = Optics::lettersOf(notation);
        Look look;
        look.system = Optics::Scenes::twoLenses(m_objective, m_eyepiece, m_tube,
                                                {-distance(), heightOr(object, 0.15)});
        look.elementNames = {tr("объектив"), tr("окуляр")};
        look.figures.push_back({Figure::Kind::EyePlace, m_tube + 0.8, 0, 0, tr("глаз")});
        const std::vector<Ax::Image> images = Ax::imagesOf(look.system);
        const double delta = m_tube - m_objective - m_eyepiece;
        look.readouts << named(l.focalLength, k1, cm(m_objective)) + kApart +
                             named(l.focalLength, k2, cm(m_eyepiece)) + kApart +
                             tr("оптическая длина тубуса Δ = %1").arg(cm(delta));
        const double g = Optics::Scenes::angularGain(look.system, m_tube);
        const double estimate = delta * kNear / (m_objective * m_eyepiece);
        look.readouts << named(l.magnification, {}, gain(g))
                      << tr("оценка Δ·25/(%1·%2) = %3")
                             .arg(Readout::letter(l.focalLength) + k1,
                                  Readout::letter(l.focalLength) + k2,
                                  Readout::number(estimate, 1));
        if (images.size() == 2) {
            look.readouts << tr("A₁B₁: %1, %2")
                                 .arg(kindOf(images[0]),
                                      named(l.magnification, k1,
                                            Readout::magnification(notation,
                                                                   images[0].magnification)));
            look.readouts << tr("A₂B₂: %1, в %2 перед окуляром")
                                 .arg(kindOf(images[1]), cm(m_tube - images[1].z));
        }
        return look;
    }

    SetupFormat::SceneSetup saved() const override {
        return {kind(), {{"objective", m_objective}, {"eyepiece", m_eyepiece}, {"tube", m_tube}}};
    }
    bool load(const SetupFormat::SceneSetup& setup) override {
        const double F1 = setup.value("objective", 1.5), F2 = setup.value("eyepiece", 3),
                     tube = setup.value("tube", 16);
        // The intermediate image must fall between the lenses, beyond F1.
        if (setup.kind != kind() || !within(F1, 0.1, 5) || !within(F2, 0.5, 10) ||
            !within(tube, F1 + F2 + 0.5, 40))
            return false;
        m_objective = F1, m_eyepiece = F2, m_tube = tube;
        return true;
    }

private:
    double m_objective = 1.5;
    double m_eyepiece = 3;
    double m_tube = 16;
};

// The telescopes at 1 : 2: Kepler's F1 = 15 cm and F2 = 3 cm, Galileo's
// F1 = 20 cm and F2 = −5 cm, the lenses F1 + F2 apart. The light of a
// distant point comes in along the line from where the teacher puts the
// object's tip through the objective's centre.
class Telescope : public Scene {
public:
    explicit Telescope(bool galilean) : m_galilean(galilean) { reset(); }
    const char* kind() const override { return m_galilean ? "galilean" : "kepler"; }
    QString title() const override {
        return m_galilean ? tr("Труба Галилея") : tr("Труба Кеплера");
    }
    int scale() const override { return 2; }
    Ax::Object startObject() const override { return {-20, 1}; }
    void reset() override {
        m_objective = m_galilean ? 20 : 15;
        m_eyepiece = m_galilean ? -5 : 3;
    }

    static double angleOf(const Ax::Object& object) {
        return object.z < 0 && std::isfinite(object.height) ? object.height / -object.z : 0.05;
    }

    Look look(const Ax::Object& object, Optics::Notation notation) const override {
        const Optics::Letters& l = Optics::lettersOf(notation);
        const double d = m_objective + m_eyepiece;
        Look look;
        look.system = Optics::Scenes::twoLenses(m_objective, m_eyepiece, d, object);
        look.distantAngle = angleOf(object);
        look.elementNames = {tr("объектив"), tr("окуляр")};
        look.figures.push_back({Figure::Kind::EyePlace, d + 1, 0, 0, tr("глаз")});
        const double g = Ax::angularMagnification(look.system);
        look.readouts << named(l.focalLength, k1, cm(m_objective)) + kApart +
                             named(l.focalLength, k2, cm(m_eyepiece)) + kApart +
                             Readout::letter("O\u2081O\u2082") + QStringLiteral(" = ") +
                             Readout::letter(l.focalLength) + k1 + QStringLiteral(" + ") +
                             Readout::letter(l.focalLength) + k2 + QStringLiteral(" = ") + cm(d);
        look.readouts << named(l.magnification, {}, gain(g))
                      << tr("отношение углов; %1 = %2")
                             .arg(Readout::letter(l.focalLength) + k1 + QStringLiteral("/|") +
                                      Readout::letter(l.focalLength) + k2 + QStringLiteral("|"),
                                  Readout::number(m_objective / std::fabs(m_eyepiece), 1))
                      << tr("Параллельный пучок входит под углом %1 и выходит параллельным под "
                            "углом %2")
                             .arg(degrees(std::fabs(*look.distantAngle)),
                                  degrees(std::fabs(g * *look.distantAngle)));
        return look;
    }

    SetupFormat::SceneSetup saved() const override {
        return {kind(), {{"objective", m_objective}, {"eyepiece", m_eyepiece}}};
    }
    bool load(const SetupFormat::SceneSetup& setup) override {
        const double F1 = setup.value("objective", m_objective),
                     F2 = setup.value("eyepiece", m_eyepiece);
        // Galileo's eyepiece diverges, shorter than the objective, so that
        // it stands behind it.
        const bool eyepiece = m_galilean ? within(-F2, 0.5, F1 - 0.5) : within(F2, 0.5, 50);
        if (setup.kind != kind() || !within(F1, 5, 200) || !eyepiece)
            return false;
        m_objective = F1, m_eyepiece = F2;
        return true;
    }

private:
    bool m_galilean;
    double m_objective = 20;
    double m_eyepiece = 4;
};

} // namespace

std::vector<std::unique_ptr<Scene>> instruments() {
    std::vector<std::unique_ptr<Scene>> all;
    all.push_back(std::make_unique<Magnifier>());
    all.push_back(std::make_unique<ScreenInstrument>(false));
    all.push_back(std::make_unique<ScreenInstrument>(true));
    all.push_back(std::make_unique<Microscope>());
    all.push_back(std::make_unique<Telescope>(false));
    all.push_back(std::make_unique<Telescope>(true));
    return all;
}

} // namespace Scenes
