// SPDX-License-Identifier: GPL-3.0-or-later
// Setup files: the lesson a teacher prepared, as the bench holds it, written to
// and read from a .quellor file. A file is read and checked whole before the
// bench is touched, so a bad one changes nothing.
#include "form1.h"

#include "bench.h"
#include "lens.h"
#include "safewrite.h"
#include "setupfile.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QAbstractButton>
#include <QMessageBox>
#include <QStandardPaths>
#include <cmath>

namespace {
QString setupFilter() {
    return Form1::tr("Урок Quellor (*.quellor)");
}

QString startFolder(const QString& current) {
    if (!current.isEmpty())
        return QFileInfo(current).absolutePath();
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

// An object the setup can name: a finite point of the left area, before the
// lens plane.
bool objectInArea(double distance, double height) {
    return std::isfinite(distance) && std::isfinite(height) && distance >= 1 / Bench::kTwipsPerCm &&
           distance <= Bench::kLensX / Bench::kTwipsPerCm &&
           height <= Bench::kAxisY / Bench::kTwipsPerCm &&
           height >= (Bench::kAxisY - Bench::kAreaHeight) / Bench::kTwipsPerCm;
}
} // namespace

Setup Form1::CurrentSetup() const {
    // While a task is set the lesson is the bench as it was before.
    if (TaskModeOn())
        return m_task.savedSetup;
    Setup setup;
    setup.n1 = n1;
    setup.N = N;
    setup.n2 = n2;
    const Optics::Lens lens = Optics::lensOf(*this);
    setup.leftRadius = std::fabs(lens.leftR) / Bench::kTwipsPerCm;
    setup.rightRadius = std::fabs(lens.rightR) / Bench::kTwipsPerCm;
    setup.converging = ConvergingChosen != kFalse;
    setup.scheme = SchemeView != kFalse;
    const double distance = (Bench::kLensX - double(ObjectX)) / Bench::kTwipsPerCm;
    const double height = (Bench::kAxisY - double(ObjectY)) / Bench::kTwipsPerCm;
    setup.hasObject = ObjectPlaced != kFalse && objectInArea(distance, height);
    if (setup.hasObject) {
        setup.objectDistance = distance;
        setup.objectHeight = height;
    }
    setup.zoomSteps = m_zoomSteps;
    setup.layers = {ShowLabels != kFalse, ShowThirdRay != kFalse, SafePalette != kFalse};
    return setup;
}

void Form1::ApplySetup(const Setup& setup) {
    m_applyingSetup = true;
    // From the lens view with nothing drawn, so no step on the way draws a
    // construction for the object before it.
    cmdCxOff_Click();
    ConvergingChosen = setup.converging ? kTrue : kFalse;
    IsConverging = ConvergingChosen;
    ShapeLens();
    SetLeftIndex(setup.n1);
    SetRightIndex(setup.n2);
    SetLensIndex(setup.N);
    // The surface drawn on each side: in the biconcave layout the lower
    // slider shapes the left one.
    // The layers first: the marks take their colours from the palette.
    ShowLabels = setup.layers.labels ? kTrue : kFalse;
    ShowThirdRay = setup.layers.thirdRay ? kTrue : kFalse;
    SafePalette = setup.layers.safePalette ? kTrue : kFalse;
    const double left = setup.leftRadius * Bench::kTwipsPerCm;
    const double right = setup.rightRadius * Bench::kTwipsPerCm;
    SetUpperRadius(setup.converging ? left : right);
    SetLowerRadius(setup.converging ? right : left);
    ObjectPlaced = setup.hasObject ? kTrue : kFalse;
    ObjectX =
        setup.hasObject ? float(Bench::kLensX - setup.objectDistance * Bench::kTwipsPerCm) : 0;
    ObjectY = setup.hasObject ? float(Bench::kAxisY - setup.objectHeight * Bench::kTwipsPerCm) : 0;
    if (setup.scheme) {
        cmdCx_Click();
        if (setup.hasObject)
            RedrawScheme();
    }
    m_zoomSteps = setup.zoomSteps;
    ApplyZoom();
    m_applyingSetup = false;
    // A setup that names a series of tasks opens it over the bench it holds.
    if (setup.hasTasks) {
        EnterTaskMode(setup.taskSeed, Tasks::Level(setup.taskLevel));
        // Saved again, the setup keeps naming its series.
        m_task.savedSetup.hasTasks = true;
        m_task.savedSetup.taskSeed = setup.taskSeed;
        m_task.savedSetup.taskLevel = setup.taskLevel;
    }
}

void Form1::OpenSetup() {
    if (!MayDiscardChanges())
        return;
    const QString path = QFileDialog::getOpenFileName(this, tr("Открыть урок"),
                                                      startFolder(m_setupPath), setupFilter());
    if (!path.isEmpty())
        OpenSetupFile(path);
}

bool Form1::OpenSetupFile(const QString& path) {
    const SetupFile::Result read = SetupFile::read(path);
    if (read.setup)
        LeaveTaskMode();
    if (!read.setup) {
        QMessageBox::warning(this, tr("Урок не открыт"),
                             tr("Не удалось открыть файл «%1»:\n%2")
                                 .arg(QDir::toNativeSeparators(path), read.problem));
        return false;
    }
    ApplySetup(*read.setup);
    m_setupPath = path;
    UpdateTitle(false);
    return true;
}

void Form1::SaveSetup() {
    if (m_setupPath.isEmpty())
        SaveSetupAs();
    else
        SaveSetupTo(m_setupPath);
}

void Form1::SaveSetupAs() {
    const QString suggested = m_setupPath.isEmpty()
                                  ? QDir(startFolder(m_setupPath)).filePath(tr("урок.quellor"))
                                  : m_setupPath;
    QString path =
        QFileDialog::getSaveFileName(this, tr("Сохранить урок"), suggested, setupFilter());
    if (path.isEmpty())
        return; // cancelled: nothing is written
    if (QFileInfo(path).suffix().toLower() != QLatin1String("quellor"))
        path += QStringLiteral(".quellor");
    SaveSetupTo(path);
}

bool Form1::SaveSetupTo(const QString& path) {
    const QString failure = SafeWrite::write(path, SetupFile::write(CurrentSetup()));
    if (!failure.isEmpty()) {
        // The reason names the file; plain text, whatever the name holds.
        QMessageBox box(QMessageBox::Warning, tr("Урок не сохранён"), failure, QMessageBox::Ok,
                        this);
        box.setTextFormat(Qt::PlainText);
        box.exec();
        return false;
    }
    m_setupPath = path;
    UpdateTitle(false);
    return true;
}

void Form1::MarkModified() {
    // A task on the bench is no change of the lesson.
    if (m_applyingSetup || TaskModeOn() || isWindowModified())
        return;
    UpdateTitle(true);
}

// The title names the setup file, with a mark while the bench differs from it;
// a bench never saved is the program's name alone until it changes.
void Form1::UpdateTitle(bool modified) {
    if (!m_setupPath.isEmpty())
        setWindowTitle(tr("%1[*] — Quellor").arg(QFileInfo(m_setupPath).fileName()));
    else if (modified)
        setWindowTitle(tr("Quellor[*]"));
    else
        setWindowTitle(tr("Quellor"));
    setWindowModified(modified);
}

bool Form1::MayDiscardChanges() {
    if (!isWindowModified())
        return true;
    QMessageBox box(
        QMessageBox::Warning, tr("Несохранённые изменения"),
        m_setupPath.isEmpty()
            ? tr("Урок изменён и не сохранён. Сохранить его?")
            : tr("Урок «%1» изменён. Сохранить изменения?").arg(QFileInfo(m_setupPath).fileName()),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setObjectName(QStringLiteral("unsavedChanges"));
    box.setDefaultButton(QMessageBox::Save);
    // Russian programs offer "Не сохранять" here; Qt's own word is "Отклонить".
    box.button(QMessageBox::Discard)->setText(tr("Не сохранять"));
    box.button(QMessageBox::Save)->setText(tr("Сохранить"));
    box.button(QMessageBox::Cancel)->setText(tr("Отмена"));
    switch (box.exec()) {
    case QMessageBox::Save:
        SaveSetup();
        return !isWindowModified(); // a save cancelled or failed keeps the window
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

void Form1::closeEvent(QCloseEvent* event) {
    if (MayDiscardChanges())
        event->accept();
    else
        event->ignore();
}
