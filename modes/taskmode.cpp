// SPDX-License-Identifier: GPL-3.0-or-later
// Tasks for pupils. Generating and judging are plain functions of the optics
// library (optics/task.h); this mode puts a task on the bench, takes the click
// and words the verdict.
#include "taskmode.h"

#include "benchmode.h"
#include "benchview.h"

#include "bench.h"
#include "benchoptics.h"
#include "label.h"
#include "lens.h"
#include "lensfigure.h"
#include "lessonfile.h"
#include "lessontools.h"
#include "messages.h"
#include "palette.h"
#include "picturebox.h"
#include "readout.h"
#include "resultsheetdialog.h"
#include "systemdiagram.h"

#include <QAction>
#include <QRandomGenerator>
#include <QTimer>
#include <cmath>

namespace {
// The pupil's point: a ring with a cross, in a colour no construction uses.
constexpr RgbValue kClickColour = RGB(200, 0, 200);
constexpr double kClickRadius = 90;
constexpr double kClickCross = 160;
constexpr int kClickWidth = 2;

// The backgrounds of the task's lines: the wording, and a verdict that holds
// or fails.
constexpr RgbValue kWordingBack = RGB(255, 255, 225);
constexpr RgbValue kRightBack = RGB(205, 250, 205);
constexpr RgbValue kWrongBack = RGB(255, 215, 215);

// Lines of the task's text over the top of the bench.
enum Line { kWording, kStatus, kDistance, kKind, kRule };

QString centimetres(double cm) {
    return Readout::number(cm);
}

// A series a teacher can dictate to the class.
std::uint64_t freshSeed() {
    return Tasks::shortSeed(QRandomGenerator::global()->generate64());
}

// The rule of the region the object stands in, the region written as the
// notation shown writes it ("F < d < 2F").
QString ruleOf(Tasks::Region region, Optics::Notation notation) {
    const auto where = [notation](Optics::ObjectRegion r) { return Readout::region(notation, r); };
    switch (region) {
    case Tasks::Region::BeyondTwoF:
        return TaskMode::tr("Правило: %1 — изображение действительное, перевёрнутое, "
                            "уменьшенное, между F′ и 2F′.")
            .arg(where(Optics::ObjectRegion::BeyondTwoF));
    case Tasks::Region::AtTwoF:
        return TaskMode::tr("Правило: %1 — изображение действительное, перевёрнутое, равное, "
                            "в 2F′.")
            .arg(where(Optics::ObjectRegion::AtTwoF));
    case Tasks::Region::BetweenFAndTwoF:
        return TaskMode::tr("Правило: %1 — изображение действительное, перевёрнутое, "
                            "увеличенное, дальше 2F′.")
            .arg(where(Optics::ObjectRegion::BetweenFAndTwoF));
    case Tasks::Region::InsideF:
        return TaskMode::tr("Правило: %1 — изображение мнимое, прямое, увеличенное, по ту же "
                            "сторону линзы.")
            .arg(where(Optics::ObjectRegion::InsideF));
    case Tasks::Region::Diverging:
        return TaskMode::tr("Правило: рассеивающая линза даёт мнимое, прямое, уменьшенное "
                            "изображение между линзой и фокусом.");
    case Tasks::Region::FirstImageBeforeSecond:
        return TaskMode::tr("Правило: изображение A₁B₁ первой линзы — предмет для второй; "
                            "её лучи строят A₂B₂ от A₁B₁ так же, как от предмета.");
    case Tasks::Region::FirstImageBeyondSecond:
        return TaskMode::tr("Правило: A₁B₁ за второй линзой — на неё падают сходящиеся лучи; "
                            "луч к B₁ через центр O₂ не преломляется, луч к B₁ параллельно "
                            "оси идёт через F₂′.");
    case Tasks::Region::DivergingSecond:
        return TaskMode::tr("Правило: A₁B₁ — предмет для рассеивающей второй линзы; луч, "
                            "параллельный оси, выходит так, будто идёт из её фокуса F₂′.");
    case Tasks::Region::InContact:
        return TaskMode::tr("Правило: линзы вплотную действуют как одна, её оптическая сила "
                            "D = D₁ + D₂.");
    }
    return QString();
}

// The figures of the second lens that the task gives: the lens, and its foci
// as dots on the axis, F₂ before it and F₂′ behind it, in the area each falls in.
void drawSecondLens(BenchView& w, const Optics::SecondLens& second) {
    const double x = Bench::twipsOf(second.distance);
    LensFigure::lens(w.RightArea(), x, second.lens.R1 > 0);
    const double f = Bench::twipsOf(std::fabs(second.lens.R1));
    const Palette::Construction& colours = Palette::of(w.State());
    const RgbValue colour = second.lens.R1 > 0 ? colours.convergingMark : colours.divergingMark;
    constexpr double kDot = 60;
    for (const double at : {x - f, x + f}) {
        PictureBox& area = at < 0 ? w.LeftArea() : w.RightArea();
        const double ax = at < 0 ? at + Bench::kLensX : at;
        const int fill = area.FillStyle();
        const RgbValue fillColour = area.FillColor();
        area.SetFillStyle(0);
        area.SetFillColor(colour);
        area.Circle(ax, Bench::kAxisY, kDot, colour);
        area.SetFillStyle(fill);
        area.SetFillColor(fillColour);
    }
}

Optics::Pen penOf(const PictureBox& area) {
    return {area.DrawWidth(), area.DrawStyle(), area.FillStyle(), area.FillColor(),
            area.ForeColor()};
}

} // namespace

TaskMode::TaskMode(BenchView& view) : Mode(view) {}

QString TaskMode::levelName(Tasks::Level level) {
    switch (level) {
    case Tasks::Level::EqualMedia:
        return tr("одинаковые среды");
    case Tasks::Level::TwoMedia:
        return tr("две среды");
    case Tasks::Level::Mixed:
        return tr("смешанный уровень");
    case Tasks::Level::TwoLenses:
        return tr("две линзы");
    }
    return QString();
}

void TaskMode::setUp() {
    BenchView& v = view();
    // The levels on the next-task button's context menu.
    for (const Tasks::Level level : {Tasks::Level::EqualMedia, Tasks::Level::TwoMedia,
                                     Tasks::Level::Mixed, Tasks::Level::TwoLenses}) {
        auto* action = new QAction(tr("Уровень: %1").arg(levelName(level)));
        QObject::connect(action, &QAction::triggered, action,
                         [this, level] { start(freshSeed(), level); });
        v.AddMenuItem(Action::NextTask, action);
    }
    // And the result sheet, for the mouse: on the task button too, which a
    // pupil can reach before a series to type a name.
    for (const Action button : {Action::NextTask, Action::Task}) {
        auto* results = new QAction(tr("Результаты…"));
        QObject::connect(results, &QAction::triggered, results, [this] { showResults(); });
        v.AddMenuItem(button, results);
    }
    m_lines = v.TaskLines();
}

// In the task mode a left click in either area is the pupil's answer; the
// object cannot be moved.
void TaskMode::leftPress(int button, int, float x, float y) {
    if (button == 1)
        check(x, y);
}

void TaskMode::leftMove(int, int, float, float) {}

void TaskMode::leftKey(int, int) {}

void TaskMode::rightPress(int button, int, float x, float y) {
    if (button == 1)
        check(x + Bench::kLensX, y);
}

bool TaskMode::allows(Action action) const {
    switch (action) {
    case Action::Task:
    case Action::NextTask:
    case Action::TaskLevel:
    case Action::Results:
    case Action::Notation:
        return true;
    default:
        // Whatever shows the construction (printing, copying, exporting, the
        // graph, the table, the layers) or changes the task (the parameters,
        // the views, the editors, a file opened) would spoil it.
        return allowedInEveryMode(action);
    }
}

bool TaskMode::escape() {
    stop();
    return true;
}

void TaskMode::toggle() {
    if (active())
        stop();
    else
        start(freshSeed(), m_session.level);
}

void TaskMode::start(std::uint64_t seed, Tasks::Level level) {
    BenchView& w = view();
    if (!active()) {
        w.Lesson().stopMotion();
        m_session.before = w.Snapshot();
        m_session.graphWasShown = w.Lesson().graphShown();
        if (m_session.graphWasShown)
            w.Lesson().toggleGraph(); // its curves would give the answer away
        m_session.active = true;
        w.SetMode(*this);
    }
    m_session.seed = seed;
    m_session.level = level;
    m_session.tasks = Tasks::series(seed, level);
    m_session.index = 0;
    m_session.counted = 0;
    w.SetChecked(Action::Task, true);
    show();
}

void TaskMode::stop() {
    if (!active())
        return;
    BenchView& w = view();
    m_session.active = false;
    w.SetChecked(Action::Task, false);
    for (Label* line : m_lines)
        line->SetVisible(false);
    w.SetMode(w.NormalMode());
    w.ShowFocalMarks(true);
    w.ShowMarkCaptions(true);
    w.Restore(m_session.before);
    if (m_session.graphWasShown)
        w.Lesson().toggleGraph();
}

// A task is put on the bench as a setup is: every parameter first, then one
// recompute and one redraw.
void TaskMode::show() {
    m_session.checked = false;
    putOnBench(view(), m_session.tasks.at(std::size_t(m_session.index)));
    m_results.taskShown();
}

void TaskMode::putOnBench(BenchView& w, const Tasks::Task& task) {
    w.ApplyAtOnce([&] {
        w.ShowScheme(false);
        // No names; the check shows all three rays.
        w.SetLayers(false, true, w.State().SafePalette != kFalse);
        w.ChooseLens(task.converging);
        w.SetLeftIndex(task.n1);
        w.SetRightIndex(task.n2);
        w.SetLensIndex(task.N);
        w.SetUpperRadius(Bench::twipsOf(task.upperRadius));
        w.SetLowerRadius(Bench::twipsOf(task.lowerRadius));
        w.PlaceObject(float(Bench::xOf(task.z)), float(Bench::yOf(task.height)));
        w.ShowScheme(true);
    });
}

void TaskMode::next() {
    if (!active())
        return;
    // After the last task the next series follows from the next seed, so a
    // class that shares a seed keeps sharing the series.
    if (m_session.index + 1 >= int(m_session.tasks.size())) {
        start(m_session.seed + 1, m_session.level);
        return;
    }
    ++m_session.index;
    show();
}

void TaskMode::nextLevel() {
    const Tasks::Level next = m_session.level == Tasks::Level::EqualMedia ? Tasks::Level::TwoMedia
                              : m_session.level == Tasks::Level::TwoMedia ? Tasks::Level::Mixed
                              : m_session.level == Tasks::Level::Mixed    ? Tasks::Level::TwoLenses
                                                                       : Tasks::Level::EqualMedia;
    start(active() ? m_session.seed : freshSeed(), next);
}

void TaskMode::showResults() {
    ResultSheetDialog sheet(&view().Window(), m_results, view().CurrentScale());
    sheet.exec();
}

bool TaskMode::mayQuit() {
    for (;;) {
        if (m_results.unwritten() == 0)
            return true;
        const int waiting = m_results.unwritten();
        const QString failure = m_results.flush();
        if (failure.isEmpty())
            return true;
        const QMessageBox::StandardButton answer = Messages::ask(
            &view().Window(), QMessageBox::Warning, tr("Ответы не записаны"),
            tr("Ответов, не записанных в файл результатов: %1.\n%2\n\nПри выходе они будут "
               "потеряны.")
                .arg(waiting)
                .arg(failure),
            QMessageBox::Retry | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Retry);
        if (answer == QMessageBox::Discard)
            return true;
        if (answer != QMessageBox::Retry)
            return false;
    }
}

void TaskMode::check(double benchX, double benchY) {
    if (!active() || m_session.checked)
        return;
    const Tasks::Task& task = m_session.tasks.at(std::size_t(m_session.index));
    const Optics::Axial::Object click = Bench::objectAt(benchX, benchY);
    m_session.verdict = Tasks::judge(task, click.z, click.height);
    m_session.clickX = benchX;
    m_session.clickY = benchY;
    m_session.checked = true;
    const QString unsaved = m_results.record(m_session.seed, m_session.level, m_session.index,
                                             click.z, click.height, m_session.counted);
    if (m_session.verdict.counted)
        ++m_session.counted;
    view().Redraw();
    if (!unsaved.isEmpty())
        Messages::tell(&view().Window(), tr("Результаты"),
                       unsaved + QLatin1Char(' ') +
                           tr("Ответ сохранён в программе и будет добавлен в файл вместе со "
                              "следующим; при выходе программа спросит о нём."));
    // The last answer ends the series: its sheet follows once the click is
    // done with, over the bench as the series left it.
    if (m_session.index + 1 == int(m_session.tasks.size()))
        QTimer::singleShot(0, &view().Window(), [this] { showResults(); });
}

// Before the check only what the task gives: the object, and for the focus
// task its image too. After it the whole construction and the pupil's point.
void TaskMode::drawConstruction() {
    BenchView& w = view();
    const Tasks::Task& task = m_session.tasks.at(std::size_t(m_session.index));
    if (m_session.checked && task.second) {
        // The two-lens construction as the optical system draws it, stage by
        // stage: A₁B₁ the object of the second lens, then A₂B₂.
        const Optics::SystemDiagram d = Optics::systemDiagram(
            w.State(), *task.second, penOf(w.LeftArea()), penOf(w.RightArea()));
        w.DrawGiven(d.rays, true);
        drawSecondLens(w, *task.second);
        drawAnswer();
        return;
    }
    if (m_session.checked) {
        w.DrawRays();
        drawAnswer();
        return;
    }
    Optics::Construction shown = w.Rays();
    const bool withImage = task.kind == Tasks::Kind::FindFocus;
    std::erase_if(shown.strokes, [withImage](const Optics::Stroke& stroke) {
        using Optics::Role;
        const bool object = stroke.role == Role::Object || stroke.role == Role::ObjectDot;
        const bool image = stroke.role == Role::ImageDot || stroke.role == Role::ImageLine;
        return !(object || (withImage && image));
    });
    // Nothing is constructed yet: the read-outs keep the image to themselves.
    w.DrawGiven(shown, false);
    if (task.second)
        drawSecondLens(w, *task.second);
}

bool TaskMode::showsLensImage() const {
    // The single lens's image is not the answer to a two-lens task.
    return !(m_session.active && m_session.index < int(m_session.tasks.size()) &&
             m_session.tasks[std::size_t(m_session.index)].second);
}

// The pupil's point: a ring with a cross where the click was.
void TaskMode::drawAnswer() {
    BenchView& w = view();
    PictureBox* area = m_session.clickX > Bench::kLensX ? &w.RightArea() : &w.LeftArea();
    const double x =
        m_session.clickX > Bench::kLensX ? m_session.clickX - Bench::kLensX : m_session.clickX;
    const double y = m_session.clickY;
    const int width = area->DrawWidth();
    const int style = area->DrawStyle();
    const int fill = area->FillStyle();
    area->SetDrawWidth(kClickWidth);
    area->SetDrawStyle(0);
    area->SetFillStyle(1);
    area->Circle(x, y, kClickRadius, kClickColour);
    area->Line(x - kClickCross, y, x + kClickCross, y, kClickColour);
    area->Line(x, y - kClickCross, x, y + kClickCross, kClickColour);
    area->SetDrawWidth(width);
    area->SetDrawStyle(style);
    area->SetFillStyle(fill);
}

void TaskMode::afterRedraw() {
    showText();
}

void TaskMode::showText() {
    word();
    // A line without words takes no room over the bench.
    for (Label* line : m_lines)
        line->SetVisible(!line->Caption().isEmpty());
}

void TaskMode::word() {
    BenchView& w = view();
    const Tasks::Task& task = m_session.tasks.at(std::size_t(m_session.index));
    const bool focusTask = task.kind == Tasks::Kind::FindFocus;
    const bool hideFoci = focusTask && !m_session.checked;
    w.ShowFocalMarks(!hideFoci);
    w.ShowMarkCaptions(!hideFoci);
    if (hideFoci)
        w.BlankLensReadouts();
    const int number = m_session.index + 1;
    const int count = int(m_session.tasks.size());
    const QString wording =
        task.second
            ? tr("Задача %1 из %2: где две линзы дают изображение A₂B₂? %3 = %4 см, O₁O₂ = %5 "
                 "см. Щёлкните там.")
                  .arg(number)
                  .arg(count)
                  .arg(Readout::letter(Optics::lettersOf(w.CurrentNotation()).focalLength) +
                           QStringLiteral("\u2082"),
                       centimetres(w.CurrentScale().realOfBenchCm(
                           Optics::focalLengthsOf(*task.second, task.n2).front)),
                       centimetres(w.CurrentScale().realOfBenchCm(task.second->distance)))
        : focusTask ? tr("Задача %1 из %2: даны точка и её изображение. Щёлкните там, где фокус "
                         "линзы.")
                          .arg(number)
                          .arg(count)
                    : tr("Задача %1 из %2: где будет изображение точки? Щёлкните там (справа — "
                         "действительное, слева — мнимое).")
                          .arg(number)
                          .arg(count);
    m_lines[kWording]->SetCaption(wording);
    const int answered = number - (m_session.checked ? 0 : 1);
    m_lines[kStatus]->SetCaption(
        tr("Серия %1, %2. Засчитано %3 из %4. Дальше: Ctrl+N, уровень: Ctrl+Shift+T, выход: Esc.")
            .arg(QString::number(m_session.seed), levelName(m_session.level))
            .arg(m_session.counted)
            .arg(answered));
    for (Label* line : m_lines)
        line->SetBackColor(kWordingBack);
    for (Line line : {kDistance, kKind, kRule})
        m_lines[line]->SetCaption(QString());
    if (task.second) {
        const Optics::Axial::Image image = Tasks::imageOf(task);
        if (m_session.checked)
            w.ShowImageReadouts(
                Readout::letter(Optics::lettersOf(w.CurrentNotation()).imageDistance) +
                    QStringLiteral("\u2082 = ") +
                    Readout::centimetresOf(w.CurrentScale().realOfBenchCm(image.distance)),
                tr("A₂B₂: %1")
                    .arg(Readout::kindWords(image.kind == Optics::Axial::ImageKind::Real,
                                            image.magnification > 0,
                                            Optics::sizeOf(image.magnification))));
        else
            w.BlankImageReadouts();
    }
    if (m_session.checked)
        wordVerdict(task);
}

void TaskMode::wordVerdict(const Tasks::Task& task) {
    const bool focusTask = task.kind == Tasks::Kind::FindFocus;
    const int number = m_session.index + 1;
    const int count = int(m_session.tasks.size());
    const Tasks::Verdict& verdict = m_session.verdict;
    // The judge measures on the bench; the pupil reads real centimetres.
    const Optics::Scale scale = view().CurrentScale();
    const QString tolerance = centimetres(scale.realOfBenchCm(Tasks::kToleranceCm));
    const QString off = centimetres(scale.realOfBenchCm(verdict.offCm));
    QString distance;
    if (!focusTask)
        distance = verdict.counted
                       ? tr("Засчитано: ваша точка в %1 см от изображения (допуск %2 см).")
                       : tr("Не засчитано: ваша точка в %1 см от изображения (допуск %2 см).");
    else if (verdict.backFocus)
        distance = verdict.counted
                       ? tr("Засчитано: ваша точка в %1 см от заднего фокуса F′ (допуск %2 см).")
                       : tr("Не засчитано: ваша точка в %1 см от заднего фокуса F′ (допуск %2 "
                            "см).");
    else
        distance = verdict.counted
                       ? tr("Засчитано: ваша точка в %1 см от переднего фокуса F (допуск %2 см).")
                       : tr("Не засчитано: ваша точка в %1 см от переднего фокуса F (допуск %2 "
                            "см).");
    if (number == count)
        distance +=
            QLatin1Char(' ') + tr("Серия окончена: %1 из %2.").arg(m_session.counted).arg(count);
    m_lines[kDistance]->SetCaption(distance.arg(off, tolerance));
    m_lines[kDistance]->SetBackColor(verdict.counted ? kRightBack : kWrongBack);

    if (focusTask) {
        m_lines[kKind]->SetCaption(
            task.converging && task.region != Tasks::Region::InsideF
                ? tr("Правило: луч из точки параллельно оси идёт после линзы через изображение и "
                     "фокус F′; луч через F выходит параллельно оси.")
            : task.converging
                // A virtual image: the rays part after the lens, their extensions meet.
                ? tr("Правило: луч из точки параллельно оси идёт после линзы через фокус F′, а "
                     "его продолжение назад проходит через изображение.")
                : tr("Правило: луч из точки параллельно оси выходит так, будто идёт из фокуса F′ "
                     "перед линзой, и его продолжение проходит через изображение."));
        return;
    }
    const Optics::Axial::Image image = Tasks::imageOf(task);
    const QString truth =
        Readout::kindWords(image.kind == Optics::Axial::ImageKind::Real, image.magnification > 0,
                           Optics::sizeOf(image.magnification));
    const QString given =
        Readout::kindWords(verdict.givenReal, verdict.givenUpright, verdict.givenSize);
    m_lines[kKind]->SetCaption(
        verdict.kindRight ? tr("Вид верен: %1.").arg(truth)
                          : tr("Вид неверен: изображение %1, а по вашей точке оно было бы %2.")
                                .arg(truth, given));
    m_lines[kKind]->SetBackColor(verdict.kindRight ? kRightBack : kWrongBack);
    m_lines[kRule]->SetCaption(ruleOf(verdict.rule, view().CurrentNotation()));
}
