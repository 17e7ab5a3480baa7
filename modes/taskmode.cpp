// SPDX-License-Identifier: GPL-3.0-or-later
// Tasks for pupils. The program sets a lens and an object a pupil can
// construct on paper; the pupil commits to a point (the image, or a focus when
// the object and its image are given), and the construction then shows the
// truth beside it with a verdict in words. Generating and judging are plain
// functions of the optics library (optics/task.h); this file puts a task on
// the bench, takes the click and words the verdict.
#include "form1.h"

#include "bench.h"
#include "commandbutton.h"
#include "graphwindow.h"
#include "label.h"
#include "lens.h"
#include "picturebox.h"
#include "shape.h"
#include "slider.h"

#include <QAction>
#include <QLocale>
#include <QRandomGenerator>
#include <QShortcut>
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
    const QLocale locale(Form1::tr("ru_RU", "locale of the decimal mark in the read-outs"));
    return locale.toString(cm, 'f', 2);
}

QString levelName(Tasks::Level level) {
    switch (level) {
    case Tasks::Level::EqualMedia:
        return Form1::tr("одинаковые среды");
    case Tasks::Level::TwoMedia:
        return Form1::tr("две среды");
    case Tasks::Level::Mixed:
        return Form1::tr("смешанный уровень");
    }
    return QString();
}

QString ruleOf(Tasks::Region region) {
    switch (region) {
    case Tasks::Region::BeyondTwoF:
        return Form1::tr("Правило: предмет дальше 2F — изображение действительное, перевёрнутое, "
                         "уменьшенное, между F′ и 2F′.");
    case Tasks::Region::AtTwoF:
        return Form1::tr("Правило: предмет в 2F — изображение действительное, перевёрнутое, "
                         "равное, в 2F′.");
    case Tasks::Region::BetweenFAndTwoF:
        return Form1::tr("Правило: предмет между F и 2F — изображение действительное, "
                         "перевёрнутое, увеличенное, дальше 2F′.");
    case Tasks::Region::InsideF:
        return Form1::tr("Правило: предмет ближе F — изображение мнимое, прямое, увеличенное, "
                         "по ту же сторону линзы.");
    case Tasks::Region::Diverging:
        return Form1::tr("Правило: рассеивающая линза даёт мнимое, прямое, уменьшенное "
                         "изображение между линзой и фокусом.");
    }
    return QString();
}

// The kind a point shows, in words: real right of the lens plane, upright on
// the object's side of the axis, enlarged farther from it than the object.
QString kindWords(bool real, bool upright, int size) {
    return QStringList{real ? Form1::tr("действительное") : Form1::tr("мнимое"),
                       upright ? Form1::tr("прямое") : Form1::tr("перевёрнутое"),
                       size == 0  ? Form1::tr("равное")
                       : size > 0 ? Form1::tr("увеличенное")
                                  : Form1::tr("уменьшенное")}
        .join(QStringLiteral(", "));
}

int sizeOf(double height, double objectHeight, double sameWithin) {
    const double grown = std::fabs(height) - std::fabs(objectHeight);
    return std::fabs(grown) <= sameWithin ? 0 : grown > 0 ? 1 : -1;
}
} // namespace

void Form1::setUpTaskMode() {
    cmdTask->setCheckable(true);
    cmdTask->onClick = [this] { ToggleTaskMode(); };
    cmdNextTask->onClick = [this] { NextTask(); };
    cmdNextTask->setEnabled(false);
    const auto shortcut = [this](const QKeySequence& keys, auto slot) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, slot);
    };
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_T), [this] { ToggleTaskMode(); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_N), [this] { NextTask(); });
    shortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T), [this] { NextTaskLevel(); });
    // Esc leaves the task mode (app/zoom.cpp): in full screen the full screen
    // first.
    // The levels on the next-task button's context menu.
    cmdNextTask->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (const Tasks::Level level :
         {Tasks::Level::EqualMedia, Tasks::Level::TwoMedia, Tasks::Level::Mixed}) {
        auto* action = new QAction(tr("Уровень: %1").arg(levelName(level)), cmdNextTask);
        connect(action, &QAction::triggered, this,
                [this, level] { EnterTaskMode(QRandomGenerator::global()->generate64(), level); });
        cmdNextTask->addAction(action);
    }
}

void Form1::ToggleTaskMode() {
    if (TaskModeOn())
        LeaveTaskMode();
    else
        EnterTaskMode(QRandomGenerator::global()->generate64(), m_task.level);
}

void Form1::blockForTask(bool blocked) {
    // Nothing that would show the answer acts while a task is set: the sliders,
    // the lens type, the views, the layers and the lesson tools are disabled,
    // and the object cannot be dragged (input/placement.cpp).
    for (QWidget* control : std::initializer_list<QWidget*>{
             sldR1, sldR2, sldn1, sldn2, sldVexol, cmdSob, cmdRas, cmdCx, cmdCxOff, cmdLabels,
             cmdThirdRay, cmdMotion, cmdGraph, cmdRecord})
        control->setEnabled(!blocked);
    cmdNextTask->setEnabled(blocked);
    cmdTask->setChecked(blocked);
    m_leaveFullScreen->setEnabled(isFullScreen() || blocked);
    if (!blocked)
        for (Label* line : lblTaskLines)
            line->SetVisible(false);
}

void Form1::EnterTaskMode(std::uint64_t seed, Tasks::Level level) {
    if (!TaskModeOn()) {
        StopMotion();
        m_task.savedSetup = CurrentSetup();
        m_task.savedBench = *this;
        m_task.savedModified = isWindowModified();
        m_task.graphWasShown = m_graph && m_graph->isVisible();
        if (m_task.graphWasShown)
            m_graph->hide(); // its curves would give the answer away
    }
    m_task.active = true;
    m_task.seed = seed;
    m_task.level = level;
    m_task.tasks = Tasks::series(seed, level);
    m_task.index = 0;
    m_task.counted = 0;
    blockForTask(true);
    ShowTask();
}

void Form1::LeaveTaskMode() {
    if (!TaskModeOn())
        return;
    m_task.active = false;
    blockForTask(false);
    for (TwipGeometry* mark : std::initializer_list<TwipGeometry*>{
             shpF1, shp2F1, shpF2, shp2F2, lblFleft, lbl2Fleft, lblFright, lbl2Fright})
        mark->SetVisible(true);
    // The bench as it was: the setup puts back the lens, the media, the view,
    // the layers and the zoom; the exact radii and object point follow.
    const BenchState& was = m_task.savedBench;
    Setup before = m_task.savedSetup;
    before.hasTasks = false; // the series is being left, not opened again
    ApplySetup(before);
    m_applyingSetup = true;
    SetUpperRadius(std::fabs(was.R1));
    SetLowerRadius(std::fabs(was.R2));
    ObjectX = was.ObjectX;
    ObjectY = was.ObjectY;
    ObjectPlaced = was.ObjectPlaced;
    RedrawScheme();
    if (!was.ConstructionShown) {
        WipeAreas();
        ShowReadouts();
    }
    m_applyingSetup = false;
    UpdateTitle(m_task.savedModified);
    if (m_task.graphWasShown)
        ToggleGraph();
}

void Form1::ShowTask() {
    const Tasks::Task& task = m_task.tasks.at(std::size_t(m_task.index));
    m_task.checked = false;
    m_applyingSetup = true;
    // As a setup is put on the bench: from the lens view, so that nothing is
    // drawn on the way, then the lens, the media, the scheme and the object.
    cmdCxOff_Click();
    ConvergingChosen = task.converging ? kTrue : kFalse;
    IsConverging = ConvergingChosen;
    ShowLabels = kFalse;
    ShowThirdRay = kTrue; // the check shows all three rays
    ShapeLens();
    SetLeftIndex(task.n1);
    SetRightIndex(task.n2);
    SetLensIndex(task.N);
    SetUpperRadius(task.upperRadius);
    SetLowerRadius(task.lowerRadius);
    ObjectX = float(task.objectX);
    ObjectY = float(task.objectY);
    ObjectPlaced = kTrue;
    cmdCx_Click();
    RedrawScheme();
    m_applyingSetup = false;
}

void Form1::NextTask() {
    if (!TaskModeOn())
        return;
    // After the last task the next series follows from the next seed, so a
    // class that shares a seed keeps sharing the series.
    if (m_task.index + 1 >= int(m_task.tasks.size())) {
        EnterTaskMode(m_task.seed + 1, m_task.level);
        return;
    }
    ++m_task.index;
    ShowTask();
}

void Form1::NextTaskLevel() {
    const Tasks::Level next = m_task.level == Tasks::Level::EqualMedia ? Tasks::Level::TwoMedia
                              : m_task.level == Tasks::Level::TwoMedia ? Tasks::Level::Mixed
                                                                       : Tasks::Level::EqualMedia;
    EnterTaskMode(TaskModeOn() ? m_task.seed : QRandomGenerator::global()->generate64(), next);
}

void Form1::CheckTask(double benchX, double benchY) {
    if (!TaskModeOn() || m_task.checked)
        return;
    const Tasks::Task& task = m_task.tasks.at(std::size_t(m_task.index));
    m_task.verdict = task.kind == Tasks::Kind::FindImage ? Tasks::judgeImage(task, benchX, benchY)
                                                         : Tasks::judgeFocus(task, benchX, benchY);
    m_task.clickX = benchX;
    m_task.clickY = benchY;
    m_task.checked = true;
    if (m_task.verdict.counted)
        ++m_task.counted;
    m_applyingSetup = true;
    RedrawScheme();
    m_applyingSetup = false;
}

// Before the check only what the task gives: the object, and for the focus
// task its image too. After it the whole construction and the pupil's point.
void Form1::DrawTask() {
    const Tasks::Task& task = m_task.tasks.at(std::size_t(m_task.index));
    if (m_task.checked) {
        DrawRayDiagram();
        PictureBox* area = m_task.clickX > Bench::kLensX ? picRigth : picLeft;
        const double x =
            m_task.clickX > Bench::kLensX ? m_task.clickX - Bench::kLensX : m_task.clickX;
        const double y = m_task.clickY;
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
        return;
    }
    Optics::Construction shown =
        Optics::rayDiagram(*this,
                           {picLeft->DrawWidth(), picLeft->DrawStyle(), picLeft->FillStyle(),
                            picLeft->FillColor(), picLeft->ForeColor()},
                           {picRigth->DrawWidth(), picRigth->DrawStyle(), picRigth->FillStyle(),
                            picRigth->FillColor(), picRigth->ForeColor()});
    const bool withImage = task.kind == Tasks::Kind::FindFocus;
    std::erase_if(shown.strokes, [withImage](const Optics::Stroke& stroke) {
        using Optics::Role;
        const bool object = stroke.role == Role::Object || stroke.role == Role::ObjectDot;
        const bool image = stroke.role == Role::ImageDot || stroke.role == Role::ImageLine;
        return !(object || (withImage && image));
    });
    DrawConstruction(shown);
    // Nothing is constructed yet: the read-outs keep the image to themselves.
    ConstructionShown = kFalse;
}

void Form1::ShowTaskText() {
    if (!TaskModeOn())
        return;
    WordTask();
    // A line without words takes no room over the bench.
    for (Label* line : lblTaskLines)
        line->SetVisible(!line->Caption().isEmpty());
}

void Form1::WordTask() {
    const Tasks::Task& task = m_task.tasks.at(std::size_t(m_task.index));
    const bool focusTask = task.kind == Tasks::Kind::FindFocus;
    const bool hideFoci = focusTask && !m_task.checked;
    // The marks are TwipGeometry's to show: a zoom places them again.
    for (TwipGeometry* mark : std::initializer_list<TwipGeometry*>{shpF1, shp2F1, shpF2, shp2F2})
        mark->SetVisible(!hideFoci);
    for (Label* caption : {lblFleft, lbl2Fleft, lblFright, lbl2Fright})
        caption->SetVisible(!hideFoci);
    if (hideFoci) {
        lblFocal->SetCaption(QString());
        lblPower->SetCaption(QString());
    }
    const int number = m_task.index + 1;
    const int count = int(m_task.tasks.size());
    lblTaskLines[kWording]->SetCaption(
        focusTask ? tr("Задача %1 из %2: даны точка и её изображение. Щёлкните там, где фокус "
                       "линзы.")
                        .arg(number)
                        .arg(count)
                  : tr("Задача %1 из %2: где будет изображение точки? Щёлкните там (справа — "
                       "действительное, слева — мнимое).")
                        .arg(number)
                        .arg(count));
    const int answered = number - (m_task.checked ? 0 : 1);
    lblTaskLines[kStatus]->SetCaption(
        tr("Серия %1, %2. Засчитано %3 из %4. Дальше: Ctrl+N, уровень: Ctrl+Shift+T, выход: Esc.")
            .arg(QString::number(m_task.seed), levelName(m_task.level))
            .arg(m_task.counted)
            .arg(answered));
    for (Label* line : lblTaskLines)
        line->SetBackColor(kWordingBack);
    for (Line line : {kDistance, kKind, kRule})
        lblTaskLines[line]->SetCaption(QString());
    if (!m_task.checked)
        return;
    const Tasks::Verdict& verdict = m_task.verdict;
    const QString tolerance = centimetres(Tasks::kToleranceCm);
    const QString off = centimetres(verdict.offCm);
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
            QLatin1Char(' ') + tr("Серия окончена: %1 из %2.").arg(m_task.counted).arg(count);
    lblTaskLines[kDistance]->SetCaption(distance.arg(off, tolerance));
    lblTaskLines[kDistance]->SetBackColor(verdict.counted ? kRightBack : kWrongBack);

    if (focusTask) {
        lblTaskLines[kKind]->SetCaption(
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
    const Optics::Image image = Tasks::imageOf(task);
    const double objectHeight = Bench::kAxisY - task.objectY;
    const double sameWithin = Tasks::kToleranceCm * Bench::kTwipsPerCm;
    const int trueSize = verdict.rule == Tasks::Region::AtTwoF ? 0
                         : std::fabs(image.magnification) > 1  ? 1
                                                               : -1;
    const QString truth =
        kindWords(image.kind == Optics::ImageKind::Real, image.magnification > 0, trueSize);
    const double clickHeight = Bench::kAxisY - m_task.clickY;
    const QString given =
        kindWords(m_task.clickX > Bench::kLensX, clickHeight * objectHeight > 0,
                  sizeOf(clickHeight, objectHeight, trueSize == 0 ? sameWithin : 0));
    lblTaskLines[kKind]->SetCaption(
        verdict.kindRight ? tr("Вид верен: %1.").arg(truth)
                          : tr("Вид неверен: изображение %1, а по вашей точке оно было бы %2.")
                                .arg(truth, given));
    lblTaskLines[kKind]->SetBackColor(verdict.kindRight ? kRightBack : kWrongBack);
    lblTaskLines[kRule]->SetCaption(ruleOf(verdict.rule));
}
