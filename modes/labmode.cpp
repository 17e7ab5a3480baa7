// SPDX-License-Identifier: GPL-3.0-or-later
// The laboratory work on the lens. The physics (the circle of confusion, the
// readings, the focal length and its error) is the optics library's
// (optics/laboratory.h); this mode places the object and the screen, shows
// the screen's face and the table, and records the rows.
#include "labmode.h"

#include "benchmode.h"
#include "benchview.h"

#include "bench.h"
#include "benchgeometry.h"
#include "benchlens.h"
#include "benchoptics.h"
#include "benchscale.h"
#include "exporter.h"
#include "exporters.h"
#include "inputcodes.h"
#include "label.h"
#include "labexport.h"
#include "labinset.h"
#include "labruler.h"
#include "labsheet.h"
#include "labtexts.h"
#include "lens.h"
#include "lessontools.h"
#include "messages.h"
#include "palette.h"
#include "picturebox.h"
#include "safewrite.h"
#include "savename.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMenu>
#include <algorithm>
#include <cmath>
#include <functional>

namespace {
// The object: an arrow (a candle's flame) standing on the axis, this tall.
constexpr double kObjectHeight = 450;
constexpr int kObjectWidth = 3;
// The screen: a white board reaching this far either side of the axis, drawn
// edge-on, and its stand down to the ruler.
constexpr double kScreenHalf = 700;
constexpr int kScreenWidth = 5;
constexpr RgbValue kScreenColour = RGB(90, 90, 90);
constexpr RgbValue kStandColour = RGB(150, 150, 150);
// Neither the object nor the screen comes nearer the lens or an edge than this.
constexpr double kKeepClear = 60;
// Where the screen stands when the work begins, behind the lens.
constexpr double kStartScreen = 3000;
// Where the object stands when none is placed: this many focal lengths before the lens.
constexpr double kStartObjectInFocalLengths = 2.5;

// Window twips: the table over the top of the bench, the ruler below the
// lens, the screen's face in the right area's lower corner.
constexpr float kSheetLeft = 150;
constexpr float kSheetTop = 840;
constexpr float kSheetWidth = 14820;
constexpr float kSheetLine = 285;
constexpr int kSheetLines = LabSheet::kLines;
constexpr int kRowsShown = 5;
constexpr float kBenchLeft = 120;
constexpr float kBenchTop = 810;
constexpr float kRulerTop = kBenchTop + 5450;
constexpr float kRulerHeight = 600;
constexpr float kInsetLeft = 7800;
constexpr float kInsetTop = 6900;
constexpr float kInsetWidth = 3300;
constexpr float kInsetHeight = 1900;
constexpr double kTextPoints = 12;
constexpr double kRulerPoints = 11;

// The keys: arrows move by a division, with Shift by a centimetre.
using InputCodes::kKeyLeft;
using InputCodes::kKeyRight;
constexpr int kShiftHeld = 1;
constexpr int kLeftButton = 1;
constexpr double kCmPerShiftStep = 1;

double keyStep(int shift) {
    return Bench::twipsOf(Lab::benchCm(shift & kShiftHeld ? kCmPerShiftStep : Lab::kDivisionCm));
}

int direction(int keyCode) {
    return keyCode == kKeyRight ? 1 : keyCode == kKeyLeft ? -1 : 0;
}
} // namespace

LabMode::LabMode(BenchView& view) : Mode(view) {}

void LabMode::setUp() {
    QWidget& w = view().Window();
    // The teacher's controls on the button's context menu, beside their keys.
    const auto item = [&](const QString& text, std::function<void()> what) {
        auto* action = new QAction(text);
        QObject::connect(action, &QAction::triggered, action, [this, what] {
            if (active())
                what();
        });
        view().AddMenuItem(Action::Lab, action);
        return action;
    };
    m_revealItem =
        item(tr("Показать или скрыть построение (учителю), Ctrl+Shift+B"), [this] { reveal(); });
    item(tr("Сохранить отчёт или таблицу…, Ctrl+Shift+L"), [this] { save(); });
    const QFont text(QStringLiteral("MS Sans Serif"), int(kTextPoints));
    m_sheet = new LabSheet(&w);
    m_sheet->setObjectName(QStringLiteral("labSheet"));
    m_sheet->setAccessibleName(tr("Таблица лабораторной работы"));
    m_sheet->setRowsName(tr("Строки таблицы"));
    m_sheet->Place(kSheetLeft, kSheetTop, kSheetWidth, kSheetLine * kSheetLines);
    m_sheet->SetFont(text);
    m_sheet->onMenu = [this](QPoint global) { showTableMenu(global); };
    m_ruler = new LabRuler(&w, Bench::kLensX);
    m_ruler->setObjectName(QStringLiteral("labRuler"));
    m_ruler->setAccessibleName(tr("Линейка, см от линзы"));
    m_ruler->Place(kBenchLeft, kRulerTop, float(2 * Bench::kAreaWidth), kRulerHeight);
    m_ruler->SetFont(QFont(QStringLiteral("MS Sans Serif"), int(kRulerPoints)));
    m_inset = new LabInset(&w);
    m_inset->setObjectName(QStringLiteral("labInset"));
    m_inset->setAccessibleName(tr("Экран: вид спереди"));
    m_inset->Place(kInsetLeft, kInsetTop, kInsetWidth, kInsetHeight);
    m_inset->SetFont(text);
    for (TwipGeometry* part : std::initializer_list<TwipGeometry*>{m_sheet, m_ruler, m_inset})
        part->SetVisible(false);
    m_session.screen = kStartScreen;
}

// A press or drag in the left area stands the object there; in the right
// area it moves the screen. Only the distance along the axis counts.
void LabMode::leftPress(int button, int, float x, float) {
    if (button == kLeftButton)
        moveObject(x);
}

void LabMode::leftMove(int button, int shift, float x, float y) {
    leftPress(button, shift, x, y);
}

void LabMode::leftKey(int keyCode, int shift) {
    if (direction(keyCode) != 0)
        moveObject(view().State().ObjectX + direction(keyCode) * keyStep(shift));
}

void LabMode::rightPress(int button, int, float x, float) {
    if (button == kLeftButton)
        moveScreen(x);
}

void LabMode::rightMove(int button, int shift, float x, float y) {
    rightPress(button, shift, x, y);
}

void LabMode::rightKey(int keyCode, int shift) {
    if (direction(keyCode) != 0)
        moveScreen(m_session.screen + direction(keyCode) * keyStep(shift));
}

bool LabMode::allows(Action action) const {
    switch (action) {
    case Action::Lab:
    case Action::LabReveal:
        // A pupil's work is neither left for the bench nor revealed: the
        // bench's marks and read-outs would give F away.
        return !m_session.pupil;
    case Action::LabSave:
    case Action::LabDeleteRow:
    case Action::Record:
        return true;
    default:
        // The lens stays as the teacher set it while it is measured; the
        // graph, the layers, the pictures and the worksheet would show the
        // image's place.
        return allowedInEveryMode(action);
    }
}

// Esc ends the work, except a pupil's: there it only leaves full screen.
bool LabMode::escape() {
    if (m_session.pupil)
        return false;
    stop();
    return true;
}

void LabMode::toggle() {
    if (active())
        stop();
    else
        start();
}

void LabMode::startForPupil() {
    m_session.pupil = true;
    m_revealItem->setVisible(false);
    start();
}

void LabMode::start() {
    BenchView& w = view();
    if (active())
        return;
    w.Lesson().stopMotion();
    // Put back whole on leaving, as after a series of tasks.
    m_session.before = w.Snapshot();
    m_session.graphWasShown = w.Lesson().graphShown();
    if (m_session.graphWasShown)
        w.Lesson().toggleGraph(); // its curve would give the image's place
    m_session.active = true;
    m_session.revealed = false;
    w.SetMode(*this);
    w.SetChecked(Action::Lab, true);
    const BenchState& bench = w.State();
    const Optics::FocalLengths focal = Bench::focalLengths(Optics::lensOf(bench));
    double x = bench.ObjectX;
    if (!bench.ObjectPlaced || !Optics::objectOnBench(bench))
        x = Bench::kLensX - kStartObjectInFocalLengths * std::fabs(focal.front);
    w.ApplyAtOnce([&] {
        // The work is done at 1 : 1: the ruler is the bench's own, read to
        // its millimetre, like the one on the laboratory table.
        w.ScaleChoice().set(Optics::Scale{});
        if (!bench.SchemeView)
            w.ShowScheme(true);
        w.PlaceObject(float(std::clamp(x, kKeepClear, Bench::kLensX - kKeepClear)),
                      float(Bench::kAxisY - kObjectHeight));
    });
    if (!keepRowsOfThisLens())
        stop();
}

// Rows measured with another lens (the work left, the lens changed, the work
// taken up again) would give a mean of two lenses: they are saved or let go
// before the table is begun anew, or the work is not taken up.
bool LabMode::keepRowsOfThisLens() {
    if (m_session.rows.empty() || Optics::lensOf(view().State()) == m_session.rowsLens)
        return true;
    const QMessageBox::StandardButton answer = Messages::ask(
        &view().Window(), QMessageBox::Question, tr("Лабораторная работа"),
        tr("Строки таблицы (%1) измерены с другой линзой: среднее по ним и по новым было бы "
           "неверным. Сохранить их, прежде чем начать таблицу заново?")
            .arg(m_session.rows.size()),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Cancel || (answer == QMessageBox::Save && !save()))
        return false;
    m_session.rows.clear();
    m_sheet->select(LabSheet::kNoRow);
    showSheet();
    return true;
}

void LabMode::stop() {
    if (!active())
        return;
    BenchView& w = view();
    m_session.active = false;
    w.SetChecked(Action::Lab, false);
    for (TwipGeometry* part : std::initializer_list<TwipGeometry*>{m_sheet, m_ruler, m_inset})
        part->SetVisible(false);
    m_session.revealed = true; // the furniture goes, the bench's own parts come back
    showFurniture();
    m_session.revealed = false;
    w.SetMode(w.NormalMode());
    w.Restore(m_session.before);
    if (m_session.graphWasShown)
        w.Lesson().toggleGraph();
}

void LabMode::reveal() {
    if (!active())
        return;
    m_session.revealed = !m_session.revealed;
    view().Redraw();
}

void LabMode::moveObject(double x) {
    if (!std::isfinite(x))
        return;
    BenchView& w = view();
    w.PlaceObject(float(std::clamp(x, kKeepClear, Bench::kLensX - kKeepClear)),
                  float(Bench::kAxisY - kObjectHeight));
    w.Redraw();
}

void LabMode::moveScreen(double distance) {
    if (!std::isfinite(distance))
        return;
    m_session.screen = std::clamp(distance, kKeepClear, Bench::kAreaWidth - kKeepClear);
    view().Redraw();
}

bool LabMode::record() {
    const BenchState& w = view().State();
    if (!active() || !Optics::objectOnBench(w)) {
        QApplication::beep();
        return true;
    }
    if (m_session.rows.empty())
        m_session.rowsLens = Optics::lensOf(w);
    m_session.rows.push_back(
        Lab::record(Optics::lensOf(w), Bench::zOf(w.ObjectX), Bench::cmOf(m_session.screen)));
    showSheet();
    return true;
}

void LabMode::deleteSelectedRow() {
    const int row = m_sheet->selectedRow();
    if (!active() || row < 0 || row >= int(m_session.rows.size())) {
        QApplication::beep();
        return;
    }
    m_session.rows.erase(m_session.rows.begin() + row);
    m_sheet->select(LabSheet::kNoRow);
    showSheet();
}

void LabMode::clearTable() {
    if (!active() || m_session.rows.empty())
        return;
    const QMessageBox::StandardButton answer =
        Messages::ask(&view().Window(), QMessageBox::Question, tr("Очистить таблицу"),
                      tr("Удалить все строки таблицы (%1)?").arg(m_session.rows.size()),
                      QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    m_session.rows.clear();
    m_sheet->select(LabSheet::kNoRow);
    showSheet();
}

void LabMode::showTableMenu(QPoint global) {
    QMenu menu(&view().Window());
    QAction* remove = menu.addAction(tr("Удалить строку"), [this] { deleteSelectedRow(); });
    remove->setEnabled(m_sheet->selectedRow() != LabSheet::kNoRow);
    QAction* clear = menu.addAction(tr("Очистить таблицу…"), [this] { clearTable(); });
    clear->setEnabled(!m_session.rows.empty());
    menu.exec(global);
}

// The object and the screen; the whole construction once the teacher shows it.
void LabMode::drawConstruction() {
    if (m_session.revealed)
        view().DrawRays();
    drawBench();
}

void LabMode::drawBench() {
    const BenchState& w = view().State();
    const Palette::Construction& colours = Palette::of(w);
    PictureBox* left = &view().LeftArea();
    PictureBox* right = &view().RightArea();
    const int width = left->DrawWidth();
    left->SetDrawWidth(kObjectWidth);
    const double x = w.ObjectX;
    const double tip = w.ObjectY;
    left->Line(x, Bench::kAxisY, x, tip, colours.object);
    const Optics::Arrowhead head = Optics::arrowheadAt(x, tip, x, Bench::kAxisY);
    if (head.drawn)
        for (const Optics::Segment& s : {head.left, head.right})
            left->Line(s.x1, s.y1, s.x2, s.y2, colours.object);
    left->SetDrawWidth(1);
    const double standFoot = kRulerTop - kBenchTop;
    left->Line(x, Bench::kAxisY, x, standFoot, kStandColour);
    left->SetDrawWidth(width);

    const int rightWidth = right->DrawWidth();
    const double s = m_session.screen;
    right->SetDrawWidth(1);
    right->Line(s, Bench::kAxisY + kScreenHalf, s, standFoot, kStandColour);
    right->SetDrawWidth(kScreenWidth);
    right->Line(s, Bench::kAxisY - kScreenHalf, s, Bench::kAxisY + kScreenHalf, kScreenColour);
    right->SetDrawWidth(rightWidth);
}

// What stands on the bench: while the pupils measure, only a laboratory
// table's furniture (the object, the lens, the screen, the ruler, the table of
// readings and the screen's face), none of the lens's parameters or foci; in
// the teacher's view the construction over the whole bench, and the furniture
// it would run under out of its way.
void LabMode::showFurniture() {
    BenchView& w = view();
    const bool shown = m_session.revealed;
    for (TwipGeometry* part : std::initializer_list<TwipGeometry*>{m_sheet, m_ruler, m_inset})
        part->SetVisible(m_session.active && !shown);
    w.ShowFocalMarks(shown);
    w.ShowLensControls(shown);
    // The marks' captions where the names layer does not name the marks.
    w.ShowMarkCaptions(shown && !(w.State().ShowLabels && showsLayers()));
}

void LabMode::afterRedraw() {
    const bool shown = m_session.revealed;
    showFurniture();
    if (!shown) {
        // What the pupil is to measure stays off the read-outs.
        view().BlankLensReadouts();
        view().BlankImageReadouts();
    }
    showScreen();
    showSheet();
}

void LabMode::showScreen() {
    const BenchState& w = view().State();
    constexpr double kSharpLine = 45; // twips: a line of the sharp picture
    // The light passes the converging lens between its edges.
    const double aperture = Bench::kConvergingBottom - Bench::kConvergingTop;
    Lab::ScreenPicture picture = Lab::onScreen(
        Optics::lensOf(w), Bench::zOf(w.ObjectX), Bench::heightOf(w.ObjectY),
        Bench::cmOf(m_session.screen), Bench::cmOf(kSharpLine), Bench::cmOf(aperture));
    picture.blur = Bench::twipsOf(picture.blur); // the face is drawn in the bench's twips
    m_inset->show(picture, kObjectHeight, kScreenHalf);
    m_inset->setNote(picture.caught ? QString()
                                    : tr("Изображения на экране нет: лучи после линзы расходятся"));
}

void LabMode::showSheet() {
    const QString title =
        m_session.pupil
            ? tr("Двигайте экран (справа) до резкого изображения, предмет — слева; Ctrl+R — "
                 "записать, Ctrl+Shift+L — сохранить отчёт.")
            : tr("Лабораторная работа. Двигайте экран (справа) до резкого изображения, предмет — "
                 "слева; Ctrl+R — записать, Esc — выйти.");
    const Optics::Notation notation = view().CurrentNotation();
    const bool twoMedia = Lab::twoMedia(m_session.rows);
    QList<QStringList> rows;
    for (std::size_t i = 0; i < m_session.rows.size(); ++i)
        rows << LabTexts::cells(notation, int(i) + 1, m_session.rows[i], twoMedia);
    QList<QStringList> below;
    const Lab::Result result = Lab::evaluate(m_session.rows, notation);
    const QStringList computation = LabTexts::computation(notation, result);
    if (!computation.isEmpty()) {
        // The answer and the power first; the formula used with the means,
        // and the error's parts below.
        below << QStringList{LabTexts::answer(notation, result) + QStringLiteral(";   ") +
                             computation.back()};
        below << QStringList{computation.at(0)} << QStringList{computation.at(1)};
    }
    m_sheet->setTable({QStringList{title}, LabTexts::header(notation, twoMedia)}, rows, kRowsShown,
                      below);
}

namespace {
// The work as its exporters take it: the rows, who did it, today.
Export::Model exportModel(const LabSession& session, Optics::Notation notation) {
    Export::Model model;
    model.bench.notation = notation;
    model.labRows = session.rows;
    model.labAuthor = session.author;
    model.date = QDate::currentDate();
    return model;
}
} // namespace

bool LabMode::writeCsv(const QString& path, QString* why) const {
    *why = Exporters::labCsv().write(exportModel(m_session, view().CurrentNotation()), path);
    return why->isEmpty();
}

bool LabMode::writeReport(const QString& path, QString* why) const {
    *why =
        Exporters::labReportPdf().write(exportModel(m_session, view().CurrentNotation()), path);
    return why->isEmpty();
}

bool LabMode::save() {
    QWidget& w = view().Window();
    const QString title = tr("Сохранить лабораторную работу");
    if (!Messages::roomFor(&w, title))
        return false;
    // The formats the laboratory's list offers: the report first.
    QStringList filters;
    for (const Export::Exporter* format : Export::forAction(Action::LabSave))
        filters << format->filter();
    QString chosen = filters.front();
    const QString typed = QFileDialog::getSaveFileName(&w, title, tr("лабораторная.pdf"),
                                                       filters.join(QStringLiteral(";;")), &chosen);
    if (typed.isEmpty())
        return false;
    // The suffix typed decides the format, else the filter chosen.
    const Export::Exporter* format = Export::chosen(Action::LabSave, chosen, typed);
    const bool csv = format == &Exporters::labCsv();
    const QString path = SaveName::decide(&w, title, typed, format->suffix());
    if (path.isEmpty())
        return false;
    // The report names who did the work; asked once, offered again after.
    if (!csv) {
        bool given = false;
        const QString author = QInputDialog::getText(&w, title, tr("Фамилия, имя, класс:"),
                                                     QLineEdit::Normal, m_session.author, &given);
        if (!given)
            return false;
        setAuthor(author);
    }
    QString why;
    if (!(csv ? writeCsv(path, &why) : writeReport(path, &why))) {
        Messages::tell(&w, tr("Работа не сохранена"), why);
        return false;
    }
    return true;
}
