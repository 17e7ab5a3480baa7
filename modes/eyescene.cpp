// SPDX-License-Identifier: GPL-3.0-or-later
// The eye and its spectacles. Every number shown is the library's: the eye's
// power from its accommodation (Optics::Scenes::look), the image from the
// system drawn (Axial::imagesOf), the far and near points and the
// prescription from optics/eye.h.
#include "eyescene.h"

#include "bench.h"
#include "readout.h"

#include <QInputDialog>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace {

using namespace Optics::Scenes;
namespace Axial = Optics::Axial;

constexpr double kDioptre = 0.01; // 1/cm
// The defect the menu's myopia and hyperopia start with, in dioptres.
constexpr double kDefaultDefect = 2;
// How far across the axis the figure reaches, real cm: the eyeball's
// outline (about 2.4 cm across), its retina, the eye's lens and the
// spectacles' glass.
constexpr double kEyeBall = 1.2;
constexpr double kRetina = 1.0;
constexpr double kEyeLens = 1.0;
constexpr double kGlass = 2.0;
// The object when the scene opens: at the near point, as tall as a letter
// of a book held there is not, so that its rays are seen.
constexpr double kStartDistance = 20;
constexpr double kStartHeight = 3;

std::optional<Spectacles> glassesOf(std::optional<double> dioptres) {
    if (!dioptres)
        return std::nullopt;
    return Spectacles{*dioptres * kDioptre, kVertexDistance};
}

QString dioptres(double perCm) {
    // A minus sign, not a hyphen, for a negative power.
    QString text = Readout::number(perCm / kDioptre, 2);
    return text.replace(QLatin1Char('-'), QStringLiteral("\u2212"));
}

QString centimetres(double cm) {
    return Readout::centimetresOf(cm);
}

// A power typed in dioptres, the program's decimal mark; nothing if refused.
std::optional<double> typed(QWidget& window, const QString& title, const QString& label,
                            double value, double least, double greatest) {
    QInputDialog dialog(&window);
    dialog.setWindowTitle(title);
    dialog.setLabelText(label);
    dialog.setInputMode(QInputDialog::DoubleInput);
    dialog.setLocale(Readout::locale());
    dialog.setDoubleDecimals(2);
    dialog.setDoubleRange(least, greatest);
    dialog.setDoubleValue(value);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.doubleValue();
}

} // namespace

QString EyeScene::title() const {
    return tr("Глаз");
}

Axial::Object EyeScene::startObject() const {
    return {-kStartDistance, kStartHeight};
}

void EyeScene::reset() {
    m_error = 0;
    m_spectacles.reset();
}

void EyeScene::setError(double dioptres) {
    if (std::isfinite(dioptres))
        m_error = dioptres;
}

void EyeScene::putOn(std::optional<double> dioptres) {
    if (dioptres && !std::isfinite(*dioptres))
        return;
    m_spectacles = dioptres;
}

double EyeScene::prescription() const {
    return correction(eyeWithError(m_error * kDioptre)) / kDioptre;
}

Scenes::Look EyeScene::look(const Axial::Object& object, Optics::Notation notation) const {
    const Eye eye = eyeWithError(m_error * kDioptre);
    const std::optional<Spectacles> glasses = glassesOf(m_spectacles);
    const bool placed = std::isfinite(object.z) && object.z < 0;
    const double distance = placed ? -object.z : kInfinite;
    // The eye accommodates as far as it can to the object.
    const Sight sight = Optics::Scenes::look(eye, distance, glasses);
    Scenes::Look l;
    l.system = eyeSystem(sight.power, object, glasses);
    if (glasses) {
        l.elementNames = {tr("очки"), QStringLiteral("O")};
        l.apertures = {kGlass, kEyeLens};
    } else {
        l.elementNames = {QStringLiteral("O")};
        l.apertures = {kEyeLens};
    }
    using Kind = Scenes::Figure::Kind;
    l.figures.push_back({Kind::EyeBall, 0, eye.retina, kEyeBall, QString()});
    l.figures.push_back({Kind::Retina, eye.retina, 0, kRetina, tr("сетчатка")});
    const double far = farPoint(eye, glasses);
    const double near = nearPoint(eye, glasses);
    // Past the bench's left edge a point is said, not marked.
    const double reach = Bench::cmOf(Bench::kAreaWidth) * scale();
    const auto onBench = [&](double x) { return std::isfinite(x) && x > 0 && x <= reach; };
    if (onBench(far))
        l.figures.push_back({Kind::AxisPoint, -far, 0, 0, tr("дальняя точка")});
    if (onBench(near))
        l.figures.push_back({Kind::AxisPoint, -near, 0, 0, tr("ближняя точка")});

    const Optics::Letters& letters = Optics::lettersOf(notation);
    const QString D = Readout::letter(letters.power);
    const QString d = Readout::letter(letters.objectDistance);
    // The eye's power and how much of its accommodation it uses.
    QString power = tr("Глаз: %1 = %2 дптр, аккомодация %3 из %4 дптр")
                        .arg(D, dioptres(Axial::power(l.system, l.system.elements.size() - 1)),
                             dioptres(sight.power - eye.relaxedPower),
                             dioptres(eye.accommodation));
    if (placed)
        power = tr("%1 = %2").arg(d, centimetres(distance)) + QStringLiteral("   ") + power;
    l.readouts << power;

    // Where the image falls, from the system drawn.
    QString where;
    if (placed && Axial::valid(l.system)) {
        const Axial::Image image = Axial::imageOf(l.system);
        const double miss = image.z - eye.retina;
        const QString mm = Readout::number(std::fabs(miss) * 10, 1);
        if (sight.landing == Landing::OnRetina)
            where = tr("Изображение на сетчатке: предмет виден резко");
        else if (image.kind != Axial::ImageKind::Real)
            where = tr("Лучи выходят из глаза расходящимися: изображение далеко за сетчаткой, "
                       "предмет виден расплывчато");
        else if (miss < 0)
            where = tr("Изображение перед сетчаткой на %1 мм: предмет дальше дальней точки, "
                       "виден расплывчато")
                        .arg(mm);
        else
            where = tr("Изображение за сетчаткой на %1 мм: предмет ближе ближней точки, "
                       "виден расплывчато")
                        .arg(mm);
    }
    l.readouts << where;

    // The far and the near point, through the spectacles if it wears them.
    const auto point = [&](double x) {
        if (std::isinf(x))
            return tr("бесконечность");
        if (x <= 0)
            return tr("нет: глаз собирает на сетчатке лишь сходящиеся лучи");
        return onBench(x) ? centimetres(x) : tr("%1, за краем стенда").arg(centimetres(x));
    };
    l.readouts << tr("Дальняя точка: %1   Ближняя точка: %2").arg(point(far), point(near));

    QString sight2 = m_error == 0 ? tr("Нормальное зрение")
                     : m_error < 0
                         ? tr("Близорукость, исправляет линза %1 дптр").arg(dioptres(m_error * kDioptre))
                         : tr("Дальнозоркость, исправляет линза +%1 дптр")
                               .arg(dioptres(m_error * kDioptre));
    if (glasses)
        sight2 += QStringLiteral("   ") +
                  tr("Очки: %1 = %2 дптр, %3 перед глазом")
                      .arg(D, dioptres(glasses->power), centimetres(glasses->vertex));
    else
        sight2 += QStringLiteral("   ") + tr("Без очков");
    l.readouts << sight2;
    return l;
}

std::vector<Scenes::Item> EyeScene::items() {
    std::vector<Scenes::Item> list;
    const auto add = [&](const QString& text, std::function<void(Scenes::Host&)> act,
                         std::function<bool()> checked = {}) {
        list.push_back({text, std::move(act), std::move(checked)});
    };
    add(
        tr("Нормальное зрение"),
        [this](Scenes::Host& host) {
            setError(0);
            host.changed();
        },
        [this] { return m_error == 0; });
    add(
        tr("Близорукость"),
        [this](Scenes::Host& host) {
            if (!(m_error < 0))
                setError(-kDefaultDefect);
            host.changed();
        },
        [this] { return m_error < 0; });
    add(
        tr("Дальнозоркость"),
        [this](Scenes::Host& host) {
            if (!(m_error > 0))
                setError(kDefaultDefect);
            host.changed();
        },
        [this] { return m_error > 0; });
    add(tr("Степень близорукости или дальнозоркости…"), [this](Scenes::Host& host) {
        const SetupFormat::SceneKind* k = SetupFormat::sceneKind(kind());
        const auto value = typed(host.window(), tr("Глаз"),
                                 tr("Линза, исправляющая зрение, дптр\n(близорукость — "
                                    "отрицательная, дальнозоркость — положительная):"),
                                 m_error, k->parameters[0].least, k->parameters[0].greatest);
        if (value) {
            setError(*value);
            host.changed();
        }
    });
    add(tr("Очки…"), [this](Scenes::Host& host) {
        const SetupFormat::SceneKind* k = SetupFormat::sceneKind(kind());
        const auto value = typed(host.window(), tr("Очки"),
                                 tr("Оптическая сила очков, дптр (1,2 см перед глазом):"),
                                 m_spectacles.value_or(prescription()), k->parameters[1].least,
                                 k->parameters[1].greatest);
        if (value) {
            putOn(*value);
            host.changed();
        }
    });
    add(tr("Подобрать очки"), [this](Scenes::Host& host) {
        // A normal eye needs none.
        const double p = prescription();
        putOn(p == 0 ? std::nullopt : std::optional<double>(p));
        host.changed();
    });
    add(
        tr("Без очков"),
        [this](Scenes::Host& host) {
            putOn(std::nullopt);
            host.changed();
        },
        [this] { return !m_spectacles; });
    return list;
}

SetupFormat::SceneSetup EyeScene::saved() const {
    SetupFormat::SceneSetup s;
    s.kind = kind();
    s.parameters.emplace_back("error", m_error);
    if (m_spectacles)
        s.parameters.emplace_back("spectacles", *m_spectacles);
    return s;
}

bool EyeScene::load(const SetupFormat::SceneSetup& setup) {
    const SetupFormat::SceneKind* k = SetupFormat::sceneKind(kind());
    if (setup.kind != kind() || !k)
        return false;
    const double error = setup.value("error", kInfinite);
    const double glasses = setup.value("spectacles", 0);
    const bool wears = std::any_of(setup.parameters.begin(), setup.parameters.end(),
                                   [](const auto& p) { return p.first == "spectacles"; });
    const auto within = [](double v, const SetupFormat::SceneParameter& p) {
        return std::isfinite(v) && v >= p.least && v <= p.greatest;
    };
    if (!within(error, k->parameters[0]) || (wears && !within(glasses, k->parameters[1])))
        return false;
    m_error = error;
    m_spectacles = wears ? std::optional<double>(glasses) : std::nullopt;
    return true;
}
