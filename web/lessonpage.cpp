// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessonpage.h"

#include "axial.h"
#include "bench.h"
#include "benchgeometry.h"
#include "benchoptics.h"
#include "keycodes.h"
#include "lens.h"
#include "palette.h"
#include "pupilname.h"
#include "resultsline.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

namespace WebLesson {

namespace {
using Bench::kFirstKeyX;
using Bench::kFirstKeyY;
using Bench::kKeyStep;
using Bench::kStartIndexStep;
using InputCodes::kKeyDigitOne;
using InputCodes::kKeyDown;
using InputCodes::kKeyLeft;
using InputCodes::kKeyRight;
using InputCodes::kKeyUp;
constexpr double kSmallestRadius = Bench::kRadiusBase;
constexpr double kLargestRadius = Bench::kRadiusBase + Bench::kRadiusStep * Bench::kRadiusSteps;

class Json {
public:
    Json& key(const char* name) {
        comma();
        m_text += '"';
        m_text += name;
        m_text += "\":";
        m_fresh = true;
        return *this;
    }
    Json& number(double value) {
        comma();
        if (!std::isfinite(value)) {
            m_text += "null";
        } else {
            char buffer[32];
            std::snprintf(buffer, sizeof buffer, "%.17g", value);
            m_text += buffer;
        }
        return *this;
    }
    Json& flag(bool value) {
        comma();
        m_text += value ? "true" : "false";
        return *this;
    }
    Json& text(const std::string& value) {
        comma();
        m_text += jsonString(value);
        return *this;
    }
    Json& open(char bracket) {
        comma();
        m_text += bracket;
        m_fresh = true;
        return *this;
    }
    Json& close(char bracket) {
        m_text += bracket;
        m_fresh = false;
        return *this;
    }
    // A value already written as JSON.
    Json& raw(const std::string& json) {
        comma();
        m_text += json;
        return *this;
    }
    std::string str() const { return m_text; }

private:
    void comma() {
        if (!m_fresh && !m_text.empty())
            m_text += ',';
        m_fresh = false;
    }
    std::string m_text;
    bool m_fresh = true;
};

// The object point where the construction draws for it: placed, before the
// lens plane, at a finite place.
bool onBench(const BenchSetting& bench) {
    return bench.placed && bench.objectX < Bench::kLensX && std::isfinite(bench.objectX) &&
           std::isfinite(bench.objectY);
}
} // namespace

Optics::Lens lensOf(const BenchSetting& bench) {
    return Optics::shapedLens(bench.n1, bench.N, bench.n2, Bench::cmOf(bench.upper),
                              Bench::cmOf(bench.lower), bench.converging);
}

std::string jsonString(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\u%04x", byte);
            out += buffer;
        } else {
            out += c;
        }
    }
    return out + '"';
}

Page::Page() {
    m_bench.n1 = 1;
    m_bench.n2 = 1;
    m_bench.N = Bench::indexOf(kStartIndexStep);
    m_bench.converging = true;
    m_bench.scheme = false;
    m_bench.upper = m_bench.lower = kSmallestRadius;
}

void Page::setIndex(int which, double index) {
    if (!std::isfinite(index))
        return;
    index = std::clamp(index, 1.0, 2.0);
    (which == 0 ? m_bench.n1 : which == 1 ? m_bench.N : m_bench.n2) = index;
}

void Page::setRadius(int which, double realCm) {
    if (!std::isfinite(realCm))
        return;
    // As a setup file takes it: within the sliders' range as the read-outs
    // show it, else refused.
    double taken = 0;
    if (!SetupFormat::takeRadius(realCm, m_scale, Bench::setupRanges(), &taken))
        return;
    (which == 0 ? m_bench.upper : m_bench.lower) =
        std::clamp(Bench::twipsOfReal(m_scale, taken), kSmallestRadius, kLargestRadius);
}

void Page::setRadiusStep(int which, int step) {
    step = std::clamp(step, 0, Bench::kRadiusSteps);
    (which == 0 ? m_bench.upper : m_bench.lower) = Bench::radiusOf(step, Bench::kRadiusBase);
}

// The radii take the signs of the chosen layout (lensOf).
void Page::setConverging(bool converging) {
    m_bench.converging = converging;
}

void Page::setScheme(bool scheme) {
    m_bench.scheme = scheme;
}

void Page::place(double x, double y, double snapTwips) {
    if (!std::isfinite(x) || !std::isfinite(y) || m_tasks.on)
        return;
    if (snapTwips > 0)
        Optics::snapObject(lensOf(m_bench), snapTwips, &x, &y);
    m_bench.objectX = float(x);
    m_bench.objectY = float(y);
    m_bench.placed = true;
}

void Page::key(int code) {
    if (m_tasks.on || !m_bench.scheme)
        return;
    double x = 0, y = 0;
    const int digit = code - kKeyDigitOne + 1;
    if (digit >= 1 && digit <= 5 && Optics::standardCase(lensOf(m_bench), digit, &x, &y)) {
        m_bench.objectX = float(x);
        m_bench.objectY = float(y);
        m_bench.placed = true;
        return;
    }
    if (code != kKeyLeft && code != kKeyUp && code != kKeyRight && code != kKeyDown)
        return;
    if (!m_bench.placed) {
        m_bench.objectX = kFirstKeyX;
        m_bench.objectY = kFirstKeyY;
        m_bench.placed = true;
    }
    const int dx = code == kKeyLeft ? -kKeyStep : code == kKeyRight ? kKeyStep : 0;
    const int dy = code == kKeyUp ? -kKeyStep : code == kKeyDown ? kKeyStep : 0;
    m_bench.objectX = float(m_bench.objectX + dx);
    m_bench.objectY = float(m_bench.objectY + dy);
}

bool Page::setScale(int k) {
    const std::optional<Optics::Scale> scale = Optics::Scale::of(k);
    if (scale)
        m_scale = *scale;
    return bool(scale);
}

void Page::setNotation(std::optional<Optics::Notation> notation) {
    m_chosenNotation = notation;
}

void Page::setLanguageNotation(Optics::Notation notation) {
    m_languageNotation = notation;
}

SetupFormat::Setup Page::setup() const {
    // While a series runs the lesson is the bench as it was before it.
    const BenchSetting& bench = m_tasks.on ? m_before : m_bench;
    const double upper = bench.upper;
    const double lower = bench.lower;
    const bool converging = bench.converging;
    SetupFormat::Setup setup;
    setup.scale = m_scale;
    setup.n1 = bench.n1;
    setup.N = bench.N;
    setup.n2 = bench.n2;
    // The upper slider shapes the left surface of a biconvex lens, the right
    // one of a biconcave lens.
    setup.leftRadius = Bench::realCm(m_scale, converging ? upper : lower);
    setup.rightRadius = Bench::realCm(m_scale, converging ? lower : upper);
    setup.converging = converging;
    setup.scheme = bench.scheme;
    const double distance = Bench::realCm(m_scale, Bench::kLensX - double(bench.objectX));
    const double height = Bench::realCm(m_scale, Bench::kAxisY - double(bench.objectY));
    setup.hasObject =
        bench.placed && SetupFormat::objectInArea(distance, height, m_scale, Bench::setupRanges());
    if (setup.hasObject) {
        setup.objectDistance = distance;
        setup.objectHeight = height;
    }
    setup.zoomSteps = m_zoomSteps;
    setup.layers = {m_bench.labels, m_bench.thirdRay, m_bench.safePalette};
    if (m_tasks.on) {
        setup.hasTasks = true;
        setup.taskSeed = m_tasks.seed;
        setup.taskLevel = int(m_tasks.level);
    } else if (m_offeredTasks) {
        setup.hasTasks = true;
        setup.taskSeed = m_offeredSeed;
        setup.taskLevel = m_offeredLevel;
    }
    setup.notation = m_chosenNotation;
    return setup;
}

SetupFormat::Failure Page::openSetup(std::string_view text) {
    const SetupFormat::Result read = SetupFormat::parse(text, Bench::setupRanges());
    if (!read.setup)
        return read.failure;
    // The page draws one lens: a lesson with two opened as its first lens
    // alone would show an image the teacher's system does not form, and a
    // save would drop the second lens. It is refused; the bench stays. So is
    // a series of two-lens tasks, which the page cannot set.
    const bool twoLensTasks =
        read.setup->hasTasks && read.setup->taskLevel == int(Tasks::Level::TwoLenses);
    if (read.setup->secondLens || read.setup->scene || twoLensTasks) {
        SetupFormat::Failure failure;
        failure.problem = SetupFormat::Problem::OneLensOnly;
        failure.field = "secondLens";
        return failure;
    }
    const SetupFormat::Setup& s = *read.setup;
    stopTasks();
    m_scale = s.scale;
    m_bench.n1 = s.n1;
    m_bench.N = s.N;
    m_bench.n2 = s.n2;
    const double left = Bench::twipsOfReal(s.scale, s.leftRadius);
    const double right = Bench::twipsOfReal(s.scale, s.rightRadius);
    m_bench.upper = s.converging ? left : right;
    m_bench.lower = s.converging ? right : left;
    setConverging(s.converging);
    m_bench.scheme = s.scheme;
    m_bench.placed = s.hasObject;
    m_bench.objectX =
        s.hasObject ? float(Bench::kLensX - Bench::twipsOfReal(s.scale, s.objectDistance)) : 0;
    m_bench.objectY =
        s.hasObject ? float(Bench::kAxisY - Bench::twipsOfReal(s.scale, s.objectHeight)) : 0;
    m_bench.labels = s.layers.labels;
    m_bench.thirdRay = s.layers.thirdRay;
    m_bench.safePalette = s.layers.safePalette;
    m_zoomSteps = s.zoomSteps;
    m_chosenNotation = s.notation;
    m_offeredTasks = s.hasTasks;
    m_offeredSeed = s.taskSeed;
    m_offeredLevel = s.taskLevel;
    return {};
}

void Page::setLayer(Layer layer, bool on) {
    const bool flag = on;
    (layer == Layer::Names      ? m_bench.labels
     : layer == Layer::ThirdRay ? m_bench.thirdRay
                                : m_bench.safePalette) = flag;
}

std::string Page::view() const {
    const Optics::Notation shown = notation();
    const Optics::Lens lens = lensOf(m_bench);
    const Optics::FocalLengths focal = Bench::focalLengths(lens);
    const Optics::Letters& letters = Optics::lettersOf(shown);
    const auto real = [this](double twips) { return Bench::realCm(m_scale, twips); };
    const bool checked = m_tasks.on && m_tasks.checked;
    const bool focusTask =
        m_tasks.on && m_tasks.tasks[std::size_t(m_tasks.index)].kind == Tasks::Kind::FindFocus;

    Json j;
    j.open('{');
    j.key("scheme").flag(m_bench.scheme);
    j.key("n").open('[').number(m_bench.n1).number(m_bench.N).number(m_bench.n2).close(']');
    j.key("radius").open('[').number(real(m_bench.upper)).number(real(m_bench.lower)).close(']');
    j.key("radiusRange")
        .open('[')
        .number(SetupFormat::statedLeastRadius(m_scale, Bench::setupRanges()))
        .number(SetupFormat::statedGreatestRadius(m_scale, Bench::setupRanges()))
        .close(']');
    j.key("radiusStep")
        .open('[')
        .number(Bench::radiusStepOf(m_bench.upper, Bench::kRadiusBase))
        .number(Bench::radiusStepOf(m_bench.lower, Bench::kRadiusBase))
        .close(']');
    j.key("converging").flag(m_bench.converging);
    const bool acting = Optics::converges(Optics::power(lens));
    j.key("acting").flag(acting);
    j.key("leftR").number(Bench::leftRadiusOf(lens));
    j.key("rightR").number(Bench::rightRadiusOf(lens));
    j.key("scale").number(m_scale.factor());
    j.key("notation").number(int(shown));
    j.key("notationChosen").flag(bool(m_chosenNotation));
    if (m_offeredTasks)
        j.key("offered")
            .open('{')
            .key("seed")
            .text(std::to_string(m_offeredSeed))
            .key("level")
            .number(m_offeredLevel)
            .close('}');
    j.key("letters").open('{');
    j.key("d").text(letters.objectDistance).key("b").text(letters.imageDistance);
    j.key("f").text(letters.focalLength).key("f2").text(letters.backFocalLength);
    j.key("gamma").text(letters.magnification).key("power").text(letters.power);
    j.close('}');
    j.key("layers")
        .open('[')
        .flag(m_bench.labels)
        .flag(m_bench.thirdRay)
        .flag(m_bench.safePalette)
        .close(']');

    // The lens: focal lengths and power as the notation names them, real at
    // the scale; hidden while a focus is what the pupil is to find.
    const bool lensShown = !(focusTask && !checked);
    j.key("lensShown").flag(lensShown);
    j.key("finite").flag(focal.finite);
    j.key("oneFocal").flag(Optics::oneFocalLength(shown, lens));
    if (lensShown) {
        j.key("front").number(real(focal.front)).key("back").number(real(focal.back));
        j.key("power").number(Optics::realDioptres(Optics::powerIn(shown, lens), m_scale));
        const Optics::MarkDistances marks = Optics::markDistances(focal);
        j.key("marks").open('[').number(marks.objectSide).number(marks.imageSide).close(']');
    }

    const bool placed = m_bench.placed;
    j.key("object").open('{').key("placed").flag(placed);
    j.key("x").number(m_bench.objectX).key("y").number(m_bench.objectY).close('}');

    // The image and the construction while the scheme shows an object on the
    // bench; in a task, the rays only once it is answered.
    const bool objectShown = m_bench.scheme && onBench(m_bench);
    if (objectShown) {
        const Bench::Image image = Bench::imageOf(lens, m_bench.objectX, m_bench.objectY);
        // Where the pupil is to find the image, the page is not told it.
        const bool told = !m_tasks.on || checked || focusTask;
        j.key("image").open('{');
        j.key("kind").number(told ? int(image.kind) : 0);
        j.key("shown").flag(told);
        if (told) {
            // A real image stands in the right area's own frame: the bench's
            // x runs on from the lens plane.
            j.key("bx").number(image.kind == Optics::ImageKind::Real ? Bench::kLensX + image.x
                                                                     : image.x);
            j.key("by").number(image.y);
            j.key("d").number(real(image.d)).key("b").number(real(image.b));
            j.key("gamma").number(Optics::magnificationIn(shown, image.magnification));
            j.key("upright").flag(image.magnification > 0);
            j.key("size").number(int(Optics::sizeOf(image.magnification)));
            j.key("beyond").number(int(image.beyond));
        }
        j.close('}');

        j.key("rays").open('[');
        if (!m_tasks.on || checked) {
            const double apertureTop = acting ? Bench::kConvergingTop : Bench::kDivergingTop;
            const auto rays = Optics::Axial::construction(
                Optics::systemOf(lens, Bench::objectAt(m_bench.objectX, m_bench.objectY)),
                Bench::zOf(Bench::kLensX + Bench::kAreaWidth), Bench::heightOf(apertureTop));
            // An object in the front focal plane as far as the bench holds it
            // sends its rays on parallel: no image, so no extension to one,
            // however far the last bit of the arithmetic would put it.
            const bool formed = image.kind != Optics::ImageKind::None;
            for (const Optics::Axial::ConstructedRay& ray : rays) {
                if (ray.which == Optics::Axial::Which::Focal && !m_bench.thirdRay)
                    continue;
                j.open('{').key("which").number(int(ray.which)).key("pieces").open('[');
                for (const Optics::Axial::Piece& piece : ray.pieces)
                    if (formed || piece.part != Optics::Axial::Part::Extension)
                        j.open('[')
                            .number(Bench::xOf(piece.from.z))
                            .number(Bench::yOf(piece.from.height))
                            .number(Bench::xOf(piece.to.z))
                            .number(Bench::yOf(piece.to.height))
                            .number(int(piece.part))
                            .close(']');
                j.close(']').close('}');
            }
        }
        j.close(']');
    }
    j.key("answers").number(double(m_tasks.answers.size()));
    if (m_tasks.on)
        j.key("task").raw(taskJson());
    j.close('}');
    return j.str();
}

std::string Page::taskJson() const {
    const Tasks::Task& task = m_tasks.tasks[std::size_t(m_tasks.index)];
    const Tasks::Verdict& v = m_tasks.verdict;
    Json j;
    j.open('{');
    j.key("seed").text(std::to_string(m_tasks.seed));
    j.key("level").number(int(m_tasks.level));
    j.key("index").number(m_tasks.index).key("count").number(int(m_tasks.tasks.size()));
    j.key("kind").number(int(task.kind));
    j.key("checked").flag(m_tasks.checked);
    j.key("counted").number(m_tasks.counted);
    j.key("tolerance").number(m_scale.realOfBenchCm(Tasks::kToleranceCm));
    if (m_tasks.checked) {
        const Optics::Axial::Image image = Tasks::imageOf(task);
        j.key("click").open('[').number(m_tasks.clickX).number(m_tasks.clickY).close(']');
        j.key("off").number(m_scale.realOfBenchCm(v.offCm));
        j.key("right").flag(v.counted);
        j.key("backFocus").flag(v.backFocus);
        j.key("kindRight").flag(v.kindRight);
        j.key("given")
            .open('[')
            .flag(v.givenReal)
            .flag(v.givenUpright)
            .number(int(v.givenSize))
            .close(']');
        j.key("truth")
            .open('[')
            .flag(image.kind == Optics::Axial::ImageKind::Real)
            .flag(image.magnification > 0)
            .number(int(Optics::sizeOf(image.magnification)))
            .close(']');
        j.key("rule").number(int(v.rule));
        j.key("converging").flag(task.converging);
        j.key("region").number(int(task.region));
        // The rule's words in the notation's letters, from the library.
        const Optics::ObjectRegion regions[] = {
            Optics::ObjectRegion::BeyondTwoF, Optics::ObjectRegion::AtTwoF,
            Optics::ObjectRegion::BetweenFAndTwoF, Optics::ObjectRegion::InsideF,
            Optics::ObjectRegion::InsideF};
        j.key("regionText").text(Optics::regionText(notation(), regions[int(v.rule)]));
    }
    j.close('}');
    return j.str();
}

void Page::startTasks(std::uint64_t seed, Tasks::Level level, const std::string& name) {
    if (!m_tasks.on)
        m_before = m_bench;
    // The answers of every series of the sitting go into the one results file.
    std::vector<Tasks::Answer> answers = std::move(m_tasks.answers);
    m_tasks = {};
    m_tasks.answers = std::move(answers);
    m_tasks.on = true;
    m_tasks.seed = seed;
    m_tasks.level = level;
    m_tasks.name = name;
    m_tasks.tasks = Tasks::series(seed, level);
    placeTask();
}

// The task's lens and object on the bench, in the scheme view.
void Page::placeTask() {
    const Tasks::Task& task = m_tasks.tasks[std::size_t(m_tasks.index)];
    m_bench.n1 = task.n1;
    m_bench.N = task.N;
    m_bench.n2 = task.n2;
    m_bench.upper = Bench::twipsOf(task.upperRadius);
    m_bench.lower = Bench::twipsOf(task.lowerRadius);
    setConverging(task.converging);
    m_bench.scheme = true;
    m_bench.objectX = float(Bench::xOf(task.z));
    m_bench.objectY = float(Bench::yOf(task.height));
    m_bench.placed = true;
    m_tasks.checked = false;
}

bool Page::answer(double x, double y, double seconds) {
    if (!m_tasks.on || m_tasks.checked || !std::isfinite(x) || !std::isfinite(y))
        return false;
    const Tasks::Task& task = m_tasks.tasks[std::size_t(m_tasks.index)];
    const Optics::Axial::Object click = Bench::objectAt(x, y);
    m_tasks.verdict = Tasks::judge(task, click.z, click.height);
    const Tasks::Answer given = Tasks::answered(
        m_tasks.name, m_tasks.seed, m_tasks.level, m_tasks.index, click.z, click.height,
        std::isfinite(seconds) && seconds >= 0 ? seconds : 0, m_tasks.counted);
    m_tasks.answers.push_back(given);
    m_tasks.counted += given.counted ? 1 : 0;
    m_tasks.clickX = x;
    m_tasks.clickY = y;
    m_tasks.checked = true;
    return true;
}

bool Page::nextTask() {
    if (!m_tasks.on || m_tasks.index + 1 >= int(m_tasks.tasks.size()))
        return false;
    ++m_tasks.index;
    placeTask();
    return true;
}

void Page::stopTasks() {
    const std::vector<Tasks::Answer> answers = m_tasks.answers;
    if (m_tasks.on) {
        m_bench = m_before;
    }
    m_tasks = {};
    m_tasks.answers = answers;
}

std::string Page::resultsFile() const {
    return Tasks::resultsText(m_tasks.answers);
}

namespace {
// A packed colour (red + 256 green + 65536 blue) as CSS writes it.
std::string css(std::int32_t packed) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", unsigned(packed & 0xFF),
                  unsigned((packed >> 8) & 0xFF), unsigned((packed >> 16) & 0xFF));
    return buffer;
}

void colours(Json& json, const Palette::Construction& c) {
    json.open('{');
    const std::pair<const char*, std::int32_t> named[] = {
        {"ray", c.ray},
        {"object", c.object},
        {"realImage", c.realImage},
        {"virtualImage", c.virtualImage},
        {"extension", c.extension},
        {"constructionLine", c.constructionLine},
        {"convergingMark", c.convergingMark},
        {"convergingMark2F", c.convergingMark2F},
        {"divergingMark", c.divergingMark},
        {"divergingMark2F", c.divergingMark2F},
        {"label", c.label},
    };
    for (const auto& [name, packed] : named)
        json.key(name).text(css(packed));
    json.close('}');
}
} // namespace

std::string refusal(const SetupFormat::Failure& f) {
    using SetupFormat::statedNumber;
    Json j;
    j.open('{').key("problem").number(int(f.problem)).key("syntax").number(int(f.syntax));
    j.key("field").text(f.field).key("yes").text(f.yes).key("no").text(f.no);
    j.key("value").text(statedNumber(f.value, SetupFormat::kExact));
    j.key("least").text(statedNumber(f.least, f.decimals));
    j.key("greatest").text(statedNumber(f.greatest, f.decimals));
    j.key("size").number(double(f.size)).key("offset").number(double(f.offset));
    j.key("format").text(SetupFormat::kFormatName);
    j.key("most").number(double(SetupFormat::kMostBytes));
    j.key("version").number(SetupFormat::kVersion);
    j.key("scales").open('[');
    for (const int k : Optics::Scale::kChoices)
        j.number(k);
    j.close(']').key("notations").open('[');
    for (const Optics::Notation n : Optics::kNotations)
        j.text(Optics::keyOf(n));
    return j.close(']').close('}').str();
}

std::string frame() {
    Json json;
    json.open('{');
    json.key("lensX").number(Bench::kLensX);
    json.key("axisY").number(Bench::kAxisY);
    json.key("width").number(2 * Bench::kAreaWidth);
    json.key("height").number(Bench::kAreaHeight);
    json.key("twipsPerPixel").number(Bench::kTwipsPerLaidOutPixel);
    json.key("longestName").number(PupilName::kLongest);
    json.key("setupBytes").number(double(SetupFormat::kMostBytes));
    // The key codes the lesson takes: the arrows, and the digit 1 (2 to 5 follow).
    json.key("keys").open('{');
    json.key("left").number(kKeyLeft).key("up").number(kKeyUp);
    json.key("right").number(kKeyRight).key("down").number(kKeyDown);
    json.key("digitOne").number(kKeyDigitOne).close('}');
    json.key("palettes").open('[');
    colours(json, Palette::classic());
    colours(json, Palette::safe());
    json.close(']');
    json.close('}');
    return json.str();
}

} // namespace WebLesson
