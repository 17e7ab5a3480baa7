// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"

#include "artwork.h"
#include "bench.h"
#include "benchmode.h"
#include "benchscale.h"
#include "commandbutton.h"
#include "fonts.h"
#include "inputcodes.h"
#include "label.h"
#include "labmode.h"
#include "lessonfile.h"
#include "lessonstrip.h"
#include "lessontools.h"
#include "linecontrol.h"
#include "picturebox.h"
#include "pictureexport.h"
#include "screeninfo.h"
#include "shape.h"
#include "slider.h"
#include "scenemode.h"
#include "systemmode.h"
#include "taskmode.h"
#include "windowexport.h"
#include "worksheetexport.h"

#include <QAction>
#include <QApplication>
#include <QFont>
#include <QPalette>

namespace {
// The system colours the window is laid out with.
RgbValue windowWhite() {
    return fromQColor(QApplication::palette().color(QPalette::Base));
}
RgbValue windowText() {
    return fromQColor(QApplication::palette().color(QPalette::Text));
}

QFont uiFont(const char* family, double points, bool bold = false) {
    QFont font{QString::fromLatin1(family)};
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

PictureBox* makePicture(QWidget* parent, const char* name, float left, float top, float width,
                        float height, RgbValue back) {
    auto* box = new PictureBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->Place(left, top, width, height);
    box->SetBackColor(back);
    return box;
}

Shape* makeShape(QWidget* parent, const char* name, Shape::Kind kind, float left, float top,
                 float width, float height, RgbValue fill) {
    auto* shape = new Shape(kind, parent);
    shape->setObjectName(QString::fromLatin1(name));
    shape->Place(left, top, width, height);
    shape->SetBackColor(fill);
    shape->SetBorderColor(windowText());
    return shape;
}

Label* makeLabel(QWidget* parent, const char* name, const QString& caption, float left, float top,
                 float width, float height, const QFont& font, bool opaque) {
    auto* label = new Label(parent, caption, font, opaque);
    label->setObjectName(QString::fromLatin1(name));
    label->Place(left, top, width, height);
    return label;
}

Slider* makeSlider(QWidget* parent, const char* name, int maximum, float left, float top,
                   float width, float height) {
    auto* slider = new Slider(parent, maximum);
    slider->setObjectName(QString::fromLatin1(name));
    slider->Place(left, top, width, height);
    return slider;
}

CommandButton* makeButton(QWidget* parent, const char* name, const QString& caption, float left,
                          float top, float width, float height) {
    auto* button = new CommandButton(parent, caption);
    button->setObjectName(QString::fromLatin1(name));
    button->Place(left, top, width, height);
    return button;
}
} // namespace

namespace {
// The colours and fonts the window is laid out with.
constexpr RgbValue kGrey = RGB(128, 128, 128);
constexpr RgbValue kLensBlue = RGB(192, 192, 255);
constexpr RgbValue kDarkBlue = RGB(0, 0, 192);
constexpr RgbValue kMarkGrey = RGB(64, 64, 64);
QFont smallFont() {
    return uiFont("MS Sans Serif", 8.25);
}
QFont panelFont() {
    return uiFont("MS Sans Serif", 9.75);
}
QFont readoutFont() {
    return uiFont("MS Sans Serif", 13.5);
}
QFont bandFont() {
    return uiFont("MS Sans Serif", 12);
}
} // namespace

Form1::Form1(QWidget* parent) : QWidget(parent) {
    Fonts::installSubstitutions();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("Quellor"));
    setWindowIcon(Artwork::windowIcon());
    setAutoFillBackground(true);
    createControls();
    wireEvents();
    // The client area the layout needs: the size the window has where no window
    // manager maximises it.
    QRect needed;
    if (ScreenInfo(logicalDpiX())
            .toPixelRect(0, 0, float(Bench::kLaidOutWidth), float(Bench::kLaidOutHeight), &needed))
        resize(needed.size());
}

Form1::~Form1() = default;

void Form1::createControls() {
    createBench();
    createPanel();
    createReadouts();
    createLessonStrip();
    createTaskLines();
    nameControls();
    orderTabs();
}

void Form1::createBench() {
    // The bench. Created back to front, so that overlapping controls stack as
    // they should: the media areas at the back, the lens symbol in front.
    picLeft = makePicture(this, "picLeft", 120, 810, 7500, 8025, windowWhite());
    picRigth = makePicture(this, "picRigth", 7620, 810, 7500, 8025, windowWhite());
    picLeft->SetForeColor(windowText());
    picRigth->SetForeColor(windowText());
    Picture1 = makePicture(this, "Picture1", 7605, 1140, 20, 7695, windowWhite());
    lineSplit = new LineControl(Picture1, 0, 7700, 0, 0, kGrey, 1);
    lineSplit->setObjectName(QStringLiteral("lineSplit"));
    picLSob = makePicture(this, "picLSob", 6900, 3120, 705, 3435, RGB(255, 255, 255));
    shpLsob = makeShape(picLSob, "shpLsob", Shape::Kind::Oval, 0, 0, 1425, 3405, kLensBlue);
    picRsob = makePicture(this, "picRsob", 7620, 3120, 705, 3435, windowWhite());
    shpRsob = makeShape(picRsob, "shpRsob", Shape::Kind::Oval, -720, 0, 1425, 3405, kLensBlue);
    Picture3 = makePicture(this, "Picture3", 420, 4800, 14385, 20, kGrey);
    Picture3->setToolTip(tr("Главная оптическая ось линзы"));
    // The arrowhead boxes are transparent: only their strokes stand over the rays.
    picLup = makePicture(this, "picLup", 7350, 2880, 255, 255, windowWhite());
    Line1 = new LineControl(picLup, 30, 0, 300, 270, kDarkBlue, 4);
    picRup = makePicture(this, "picRup", 7620, 2880, 255, 255, windowWhite());
    Line2 = new LineControl(picRup, 240, 0, -30, 270, kDarkBlue, 4);
    picRdown = makePicture(this, "picRdown", 7620, 6540, 255, 255, windowWhite());
    Line4 = new LineControl(picRdown, -30, -30, 240, 240, kDarkBlue, 4);
    picLdown = makePicture(this, "picLdown", 7350, 6540, 255, 255, windowWhite());
    Line5 = new LineControl(picLdown, 270, 0, 0, 270, kDarkBlue, 4);
    picVexol = makePicture(this, "picVexol", 7583, 3120, 60, 3465, kDarkBlue);
    picVexol->SetBorder(true);
    for (PictureBox* box : {picLup, picRup, picRdown, picLdown})
        box->SetTransparent(true);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line2->setObjectName(QStringLiteral("Line2"));
    Line4->setObjectName(QStringLiteral("Line4"));
    Line5->setObjectName(QStringLiteral("Line5"));

    Picture2 = makePicture(this, "Picture2", 120, 120, 450, 450,
                           fromQColor(palette().color(QPalette::Button)));
    Picture2->SetPicture([](double scale) { return Artwork::emblem(scale); });
    Label5 = makeLabel(this, "Label5", tr("Q u e l l o r"), 6600, 150, 2115, 465,
                       uiFont("MS Sans Serif", 24), true);

    // Marks and labels on the axis, inside the media areas.
    shpF1 = makeShape(picLeft, "shpF1", Shape::Kind::Circle, 5160, 3930, 135, 135, kMarkGrey);
    shp2F1 = makeShape(picLeft, "shp2F1", Shape::Kind::Circle, 3210, 3930, 135, 135, kMarkGrey);
    lblFleft = makeLabel(picLeft, "lblFleft", tr("F"), 5190, 4110, 165, 195, smallFont(), false);
    lbl2Fleft =
        makeLabel(picLeft, "lbl2Fleft", tr("2 F"), 3210, 4110, 225, 225, smallFont(), false);
    lbln1 = makeLabel(picLeft, "lbln1", QString(), 6120, 7590, 1335, 435, readoutFont(), true);
    shpF2 = makeShape(picRigth, "shpF2", Shape::Kind::Circle, 1860, 3930, 135, 135, kMarkGrey);
    shp2F2 = makeShape(picRigth, "shp2F2", Shape::Kind::Circle, 3420, 3930, 135, 135, kMarkGrey);
    lblFright = makeLabel(picRigth, "lblFright", tr("F"), 1890, 4110, 165, 195, smallFont(), false);
    lbl2Fright =
        makeLabel(picRigth, "lbl2Fright", tr("2 F"), 3420, 4110, 225, 225, smallFont(), false);
    lbln2 = makeLabel(picRigth, "lbln2", QString(), 90, 7590, 1335, 435, readoutFont(), true);

    // The axis strip, the lens pieces, the lens symbol and the lens-plane strip
    // lie over the media areas and handle no input: a press on them reaches the
    // area beneath, so a drag can start on the axis or at the lens.
    for (PictureBox* overlay :
         {Picture3, Picture1, picLSob, picRsob, picVexol, picLup, picRup, picLdown, picRdown})
        overlay->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Form1::createPanel() {
    // The panelFont() below the bench.
    Label1 = makeLabel(this, "Label1", tr("Радиус кривизны поверхностей линзы:"), 150, 8940, 3885,
                       285, uiFont("Microsoft Sans Serif", 9.75), false);
    sldR1 = makeSlider(this, "sldR1", 66, 150, 9330, 2805, 435);
    Label2 = makeLabel(this, "Label2", tr("левая"), 3240, 9390, 645, 255, panelFont(), false);
    sldR2 = makeSlider(this, "sldR2", 66, 150, 10020, 2805, 435);
    Label3 = makeLabel(this, "Label3", tr("правая"), 3180, 10050, 765, 315, panelFont(), false);
    Label7 = makeLabel(this, "Label7", tr("Показатель преломления среды:"), 4200, 8970, 3435, 225,
                       panelFont(), false);
    sldn1 = makeSlider(this, "sldn1", 50, 4200, 9330, 3195, 435);
    sldn1->setToolTip(tr("Изменить показатель преломления среды слева"));
    sldn2 = makeSlider(this, "sldn2", 50, 4200, 10020, 3195, 435);
    sldn2->setToolTip(tr("Изменить показатель преломления среды справа"));
    Label4 = makeLabel(this, "Label4", tr("Показатель преломления линзы:"), 7980, 8970, 3285, 285,
                       panelFont(), false);
    lblN = makeLabel(this, "lblN", QString(), 7410, 9330, 1335, 435, readoutFont(), true);
    sldVexol = makeSlider(this, "sldVexol", 50, 8760, 9330, 3195, 435);
    Label6 =
        makeLabel(this, "Label6", tr("Тип линзы:"), 12390, 8970, 1215, 285, panelFont(), false);
    cmdSob = makeButton(this, "cmdSob", QString(), 12960, 9270, 465, 675);
    cmdSob->SetPicture([](double scale) { return Artwork::lensButton(true, scale); });
    cmdRas = makeButton(this, "cmdRas", QString(), 13830, 9270, 465, 675);
    cmdRas->SetPicture([](double scale) { return Artwork::lensButton(false, scale); });
    cmdCxOff = makeButton(this, "cmdCxOff", tr("Линза"), 8370, 10020, 1425, 375);
    cmdCxOff->SetFont(panelFont());
    cmdCx = makeButton(this, "cmdCx", tr("Схема"), 10350, 10020, 1425, 375);
    cmdCx->SetFont(panelFont());
    // The notation between the views and "Выход", its letters as caption.
    cmdNotation = makeButton(this, "cmdNotation", QString(), 11835, 10020, 1005, 375);
    cmdNotation->SetFont(panelFont());
    cmdExit = makeButton(this, "cmdExit", tr("Выход"), 12900, 10020, 1425, 375);
    // In the panel's face, bold: a typewriter face would set it apart.
    cmdExit->SetFont(uiFont("MS Sans Serif", 9.75, true));
    // The scale, in the gap between the right medium's slider and the views.
    cmdScale = makeButton(this, "cmdScale", QString(), 7455, 10020, 855, 375);
    cmdScale->SetFont(panelFont());
}

void Form1::createReadouts() {
    // Read-outs in the free parts of the title band, where they never cover the
    // construction: left of the title the object and its image, right of it the
    // lens. Below each radius label the radius of the slider in that row.
    lblDistances =
        makeLabel(this, "lblDistances", QString(), 660, 75, 5820, 330, bandFont(), false);
    lblImageKind =
        makeLabel(this, "lblImageKind", QString(), 660, 435, 5820, 330, bandFont(), false);
    lblFocal = makeLabel(this, "lblFocal", QString(), 9060, 75, 3240, 330, bandFont(), false);
    lblPower = makeLabel(this, "lblPower", QString(), 9060, 435, 3240, 330, bandFont(), false);
    // The radii in the panel's size, legible from the back of a classroom
    // (20 pixels at the fit to 1920 x 1080): their boxes grow into the free
    // rows below "левая" and "правая", the second one ending at the lesson strip.
    lblRleft = makeLabel(this, "lblRleft", QString(), 3180, 9645, 1005, 300, panelFont(), false);
    lblRright = makeLabel(this, "lblRright", QString(), 3180, 10275, 1005, 225, panelFont(), false);
    // The picture of the bench for a worksheet, without the keyboard as well.
    cmdCopy = makeButton(this, "cmdCopy", tr("Копировать"), 12360, 218, 1320, 375);
    cmdCopy->SetFont(panelFont());
    cmdCopy->setToolTip(tr("Копировать рисунок в буфер обмена (Ctrl+C)"));
    cmdSave = makeButton(this, "cmdSave", tr("Экспорт…"), 13770, 218, 1320, 375);
    cmdSave->SetFont(panelFont());
    cmdSave->setToolTip(tr("Экспортировать рисунок в файл PNG или SVG (Ctrl+E)"));
    // The lens-type buttons name their type and stay pressed while it is chosen.
    cmdSob->setToolTip(tr("Собирающая линза"));
    cmdRas->setToolTip(tr("Рассеивающая линза"));
    cmdSob->setCheckable(true);
    cmdRas->setCheckable(true);
    // A bar under the chosen one, plainer to see than the pressed look.
    picTypeMark = makePicture(this, "picTypeMark", 12960, 9960, 465, 45, kDarkBlue);
    picTypeMark->setFocusPolicy(Qt::NoFocus);
    picTypeMark->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Form1::createLessonStrip() {
    // The lesson strip: the object in motion, the graph, the table's recording.
    cmdMotion = makeButton(this, "cmdMotion", tr("Движение"), LessonStrip::left(3),
                           LessonStrip::kTop, LessonStrip::width(3), LessonStrip::kHeight);
    cmdGraph = makeButton(this, "cmdGraph", tr("График"), LessonStrip::left(4), LessonStrip::kTop,
                          LessonStrip::width(4), LessonStrip::kHeight);
    cmdRecord = makeButton(this, "cmdRecord", tr("Записать"), LessonStrip::left(5),
                           LessonStrip::kTop, LessonStrip::width(5), LessonStrip::kHeight);
    for (CommandButton* button : {cmdMotion, cmdGraph, cmdRecord}) {
        button->SetFont(panelFont());
        button->setAccessibleName(button->text());
    }
    // The motion, the task mode and the laboratory show whether they are on.
    cmdMotion->setCheckable(true);

    // The lesson strip: the layers of the textbook figure, off at the start.
    cmdLabels = makeButton(this, "cmdLabels", tr("Подписи"), LessonStrip::left(0),
                           LessonStrip::kTop, LessonStrip::width(0), LessonStrip::kHeight);
    cmdLabels->setToolTip(tr("Стрелки предмета и изображения, названия точек (Ctrl+L)"));
    cmdThirdRay = makeButton(this, "cmdThirdRay", tr("Третий луч"), LessonStrip::left(1),
                             LessonStrip::kTop, LessonStrip::width(1), LessonStrip::kHeight);
    cmdThirdRay->setToolTip(tr("Луч через передний фокус, параллельный оси после линзы (Ctrl+3)"));
    cmdPalette = makeButton(this, "cmdPalette", tr("Палитра"), LessonStrip::left(2),
                            LessonStrip::kTop, LessonStrip::width(2), LessonStrip::kHeight);
    cmdPalette->setToolTip(tr("Цвета, различимые при нарушениях цветового зрения (Ctrl+K)"));
    for (CommandButton* button : {cmdLabels, cmdThirdRay, cmdPalette}) {
        button->SetFont(panelFont());
        button->setCheckable(true);
        button->setAccessibleName(button->text());
        button->setAccessibleDescription(button->toolTip());
    }
    // The lesson strip: the setup file, the worksheet and the help.
    const auto stripButton = [&](const char* name, const QString& caption, int slot,
                                 const QString& tip) {
        CommandButton* button =
            makeButton(this, name, caption, LessonStrip::left(slot), LessonStrip::kTop,
                       LessonStrip::width(slot), LessonStrip::kHeight);
        button->SetFont(panelFont());
        button->setToolTip(tip);
        button->setAccessibleName(tip);
        return button;
    };
    cmdOpen = stripButton("cmdOpen", tr("Открыть…"), 6, tr("Открыть файл урока (Ctrl+O)"));
    cmdSaveSetup =
        stripButton("cmdSaveSetup", tr("Сохранить…"), 7,
                    tr("Сохранить урок в файл (Ctrl+S; под другим именем Ctrl+Shift+S)"));
    cmdPrint = stripButton("cmdPrint", tr("Печать…"), 8,
                           tr("Напечатать рабочий лист: задание и решение (Ctrl+P)"));
    cmdHelp = stripButton("cmdHelp", tr("Справка"), 9, tr("Справка о программе (F1)"));

    // The lesson strip: the task mode and the next task of its series.
    cmdTask = stripButton("cmdTask", tr("Задача"), 10,
                          tr("Задачи: предскажите изображение или фокус, затем проверьте (Ctrl+T; "
                             "выход: Esc; имя и результаты — в меню кнопки)"));
    cmdNextTask = stripButton("cmdNextTask", tr("Дальше"), 11,
                              tr("Следующая задача (Ctrl+N); уровень: Ctrl+Shift+T или меню "
                                 "кнопки"));
    // The lesson strip: the laboratory work.
    cmdLab = stripButton("cmdLab", tr("Опыт"), 12,
                         tr("Лабораторная работа: поймайте изображение на экран и измерьте "
                            "фокусное расстояние (Ctrl+B; выход: Esc)"));
    // The lesson strip: the optical system, a second lens behind the first.
    cmdSystem = stripButton("cmdSystem", tr("Система"), 13,
                            tr("Оптическая система: вторая линза за первой (Ctrl+2; выход: Esc; "
                               "значения — в меню кнопки или двойным щелчком по линзе)"));
    for (CommandButton* button : {cmdTask, cmdLab, cmdSystem})
        button->setCheckable(true);
}

void Form1::createTaskLines() {
    // The task's wording and verdict, in lines over the top of the bench, at
    // the size of the title band's read-outs (24 pixels at the fit to 1920 x
    // 1080); the points of a task stay below them (optics/task.h).
    constexpr float kTaskLineLeft = 150;
    constexpr float kTaskLineTop = 840;
    constexpr float kTaskLineWidth = 14940;
    constexpr float kTaskLineHeight = 285;
    constexpr int kTaskLines = 5;
    for (int i = 0; i < kTaskLines; ++i) {
        Label* line = makeLabel(this, QStringLiteral("lblTask%1").arg(i).toLatin1().constData(),
                                QString(), kTaskLineLeft, kTaskLineTop + i * kTaskLineHeight,
                                kTaskLineWidth, kTaskLineHeight, bandFont(), true);
        line->SetVisible(false);
        line->setAccessibleName(tr("Задача, строка %1").arg(i + 1));
        m_taskLines.append(line);
    }
}

void Form1::nameControls() {
    // Names a screen reader can tell apart: the caption, the tooltip, or what
    // the control shows.
    cmdSob->setAccessibleName(tr("Собирающая линза"));
    cmdRas->setAccessibleName(tr("Рассеивающая линза"));
    sldR1->setAccessibleName(tr("Радиус кривизны левой поверхности"));
    sldR2->setAccessibleName(tr("Радиус кривизны правой поверхности"));
    sldn1->setAccessibleName(sldn1->toolTip());
    sldn2->setAccessibleName(sldn2->toolTip());
    sldVexol->setAccessibleName(tr("Показатель преломления линзы"));
    picLeft->setAccessibleName(tr("Среда слева, предмет"));
    picRigth->setAccessibleName(tr("Среда справа, изображение"));
    Picture3->setAccessibleName(Picture3->toolTip());
    Picture1->setAccessibleName(tr("Плоскость линзы"));
    Picture2->setAccessibleName(tr("Эмблема"));
    picLSob->setAccessibleName(tr("Левая поверхность линзы"));
    picRsob->setAccessibleName(tr("Правая поверхность линзы"));
    picVexol->setAccessibleName(tr("Условное обозначение линзы"));
    picLup->setAccessibleName(tr("Стрелка обозначения линзы «V», левая половина"));
    picRup->setAccessibleName(tr("Стрелка обозначения линзы «V», правая половина"));
    picLdown->setAccessibleName(tr("Стрелка обозначения линзы «Λ», левая половина"));
    picRdown->setAccessibleName(tr("Стрелка обозначения линзы «Λ», правая половина"));
    shpF1->setAccessibleName(tr("Передний фокус F"));
    shp2F1->setAccessibleName(tr("Точка 2F слева"));
    shpF2->setAccessibleName(tr("Задний фокус F"));
    shp2F2->setAccessibleName(tr("Точка 2F справа"));
    shpLsob->setAccessibleName(tr("Поверхность линзы R1"));
    shpRsob->setAccessibleName(tr("Поверхность линзы R2"));
    lineSplit->setAccessibleName(tr("Плоскость линзы"));
    for (LineControl* stroke : {Line1, Line2, Line4, Line5})
        stroke->setAccessibleName(tr("Штрих стрелки обозначения линзы"));
    for (CommandButton* button : {cmdCxOff, cmdCx, cmdExit, cmdCopy, cmdSave})
        button->setAccessibleName(button->text());
    picTypeMark->setAccessibleName(tr("Отметка выбранного типа линзы"));
    lblFocal->setAccessibleDescription(tr("Фокусные расстояния линзы"));
    lblPower->setAccessibleDescription(tr("Оптическая сила линзы"));
    lblDistances->setAccessibleDescription(tr("Расстояния до предмета и изображения, увеличение"));
    lblImageKind->setAccessibleDescription(tr("Вид изображения"));
    lblRleft->setAccessibleDescription(tr("Радиус кривизны поверхности, ряд «левая»"));
    lblRright->setAccessibleDescription(tr("Радиус кривизны поверхности, ряд «правая»"));
}

void Form1::orderTabs() {
    // Keyboard focus moves through the controls in this order: the bench and
    // the panel as laid out, then the picture's buttons and the lesson strip.
    const QList<QWidget*> tabOrder{
        picRigth,  cmdExit,     Picture1,  Picture2,  sldR1,        sldR2,       picLSob,
        picRsob,   picLeft,     Picture3,  sldn1,     sldn2,        sldVexol,    cmdSob,
        cmdRas,    picVexol,    cmdCx,     cmdScale,  picLup,       picRup,      picRdown,
        picLdown,  cmdCxOff,    cmdCopy,   cmdSave,   cmdLabels,    cmdThirdRay, cmdPalette,
        cmdMotion, cmdGraph,    cmdRecord, cmdOpen,   cmdSaveSetup, cmdPrint,    cmdHelp,
        cmdTask,   cmdNextTask, cmdLab,    cmdSystem, cmdNotation};
    for (int i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);
}

void Form1::wireEvents() {
    cmdExit->onClick = [this] { cmdExit_Click(); };
    cmdCx->onClick = [this] { cmdCx_Click(); };
    cmdCxOff->onClick = [this] { cmdCxOff_Click(); };
    cmdSob->onClick = [this] { cmdSob_Click(); };
    cmdRas->onClick = [this] { cmdRas_Click(); };
    sldVexol->onMouseMove = [this](int b, int s, float x, float y) {
        sldVexol_MouseMove(b, s, x, y);
    };
    sldn1->onMouseMove = [this](int b, int s, float x, float y) { sldn1_MouseMove(b, s, x, y); };
    sldn2->onMouseMove = [this](int b, int s, float x, float y) { sldn2_MouseMove(b, s, x, y); };
    sldR1->onMouseMove = [this](int b, int s, float x, float y) { sldR1_MouseMove(b, s, x, y); };
    sldR2->onMouseMove = [this](int b, int s, float x, float y) { sldR2_MouseMove(b, s, x, y); };
    sldVexol->onChange = [this] { sldVexol_Change(); };
    sldn1->onChange = [this] { sldn1_Change(); };
    sldn2->onChange = [this] { sldn2_Change(); };
    sldR1->onChange = [this] { sldR1_Change(); };
    sldR2->onChange = [this] { sldR2_Change(); };
    m_file = std::make_unique<LessonFile>(view());
    m_lesson = std::make_unique<LessonTools>(view());
    m_scale = std::make_unique<BenchScale>(*this, cmdScale);
    SetUpReadoutEditing();

    // The drawing areas hand their input to the current mode.
    m_benchMode = std::make_unique<BenchMode>(view());
    m_taskMode = std::make_unique<TaskMode>(view());
    m_taskMode->setUp();
    m_labMode = std::make_unique<LabMode>(view());
    m_labMode->setUp();
    m_sceneMode = std::make_unique<SceneMode>(view());
    m_systemMode = std::make_unique<SystemMode>(view());
    m_systemMode->setUp();
    picLeft->onMouseDown = [this](int b, int s, float x, float y) {
        m_mode->leftPress(b, s, x, y);
    };
    picLeft->onMouseMove = [this](int b, int s, float x, float y) { m_mode->leftMove(b, s, x, y); };
    picLeft->onKeyDown = [this](int key, int s) { m_mode->leftKey(key, s); };
    picRigth->onMouseDown = [this](int b, int s, float x, float y) {
        m_mode->rightPress(b, s, x, y);
    };
    picRigth->onMouseMove = [this](int b, int s, float x, float y) {
        m_mode->rightMove(b, s, x, y);
    };
    picRigth->onDoubleClick = [this](int b, int s, float x, float y) {
        m_mode->rightDoubleClick(b, s, x, y);
    };
    picRigth->onKeyDown = [this](int key, int s) { m_mode->rightKey(key, s); };
    createActions();
    SetMode(*m_benchMode);
}

void Form1::createActions() {
    m_actions = new ActionSet(this);
    ActionSet& set = *m_actions;
    // An action with a button: the button triggers it, and is on while it is.
    const auto withButton = [&set](Action id, CommandButton* button, std::function<void()> slot) {
        QAction* action = set.define(id, std::move(slot));
        button->onClick = [action] { action->trigger(); };
        set.bind(id, button);
    };
    withButton(Action::CopyPicture, cmdCopy, [this] { PictureExport::copy(this); });
    withButton(Action::ExportPicture, cmdSave,
               [this] { PictureExport::save(this, WindowExport::modelOf(*this)); });
    withButton(Action::OpenSetup, cmdOpen, [this] { m_file->open(); });
    withButton(Action::SaveSetup, cmdSaveSetup, [this] { m_file->save(); });
    set.define(Action::SaveSetupAs, [this] { m_file->saveAs(); });
    withButton(Action::Print, cmdPrint,
               [this] { WorksheetExport::print(this, WindowExport::modelOf(*this)); });
    withButton(Action::Help, cmdHelp, [this] { ShowHelp(); });
    withButton(Action::Labels, cmdLabels, [this] { cmdLabels_Click(); });
    withButton(Action::ThirdRay, cmdThirdRay, [this] { cmdThirdRay_Click(); });
    withButton(Action::Palette, cmdPalette, [this] { cmdPalette_Click(); });
    withButton(Action::Motion, cmdMotion, [this] { m_lesson->toggleMotion(); });
    withButton(Action::Scale, cmdScale, [this] { m_scale->next(); });
    set.define(Action::MotionSpeed, [this] { m_lesson->nextMotionSpeed(); });
    withButton(Action::Graph, cmdGraph, [this] { m_lesson->toggleGraph(); });
    withButton(Action::Record, cmdRecord, [this] {
        if (!m_mode->record())
            m_lesson->record();
    });
    withButton(Action::Task, cmdTask, [this] { m_taskMode->toggle(); });
    withButton(Action::NextTask, cmdNextTask, [this] { m_taskMode->next(); });
    set.define(Action::TaskLevel, [this] { m_taskMode->nextLevel(); });
    withButton(Action::Notation, cmdNotation, [this] { NextNotation(); });
    set.define(Action::Results, [this] { m_taskMode->showResults(); });
    withButton(Action::Lab, cmdLab, [this] { m_labMode->toggle(); });
    set.define(Action::LabReveal, [this] { m_labMode->reveal(); });
    set.define(Action::LabSave, [this] { m_labMode->save(); });
    set.define(Action::LabDeleteRow, [this] { m_labMode->deleteSelectedRow(); });
    withButton(Action::System, cmdSystem, [this] {
        // In a scene the button leaves it for the bench, as Esc does.
        if (m_sceneMode->active())
            m_sceneMode->close();
        else
            m_systemMode->toggle();
    });
    set.define(Action::ZoomIn, [this] { ZoomIn(); });
    set.define(Action::ZoomOut, [this] { ZoomOut(); });
    set.define(Action::ZoomFit, [this] { ZoomToFit(); });
    set.define(Action::FullScreen, [this] { ToggleFullScreen(); });
    set.define(Action::Leave, [this] { leave(); });
    // Keys 1 to 5 set the standard cases wherever the focus is in the window,
    // as the left area's own keys.
    set.defineEach(Action::StandardCase, [this](int which) {
        m_mode->leftKey(InputCodes::keyCode(Qt::Key_1 + which), 0);
    });
    set.bind(Action::Exit, cmdExit);
    for (QWidget* control : std::initializer_list<QWidget*>{sldR1, sldR2, sldn1, sldn2, sldVexol})
        set.bind(Action::Sliders, control);
    set.bind(Action::LensType, cmdSob);
    set.bind(Action::LensType, cmdRas);
    set.bind(Action::Views, cmdCx);
    set.bind(Action::Views, cmdCxOff);
}

// Esc leaves what the mode makes of it (a task), then the full screen;
// elsewhere it is an ordinary key of the left area.
void Form1::leave() {
    if (!m_mode->escape() && isFullScreen())
        ToggleFullScreen();
}

void Form1::SetMode(Mode& mode) {
    if (m_mode == &mode)
        return;
    if (m_mode)
        m_mode->leave();
    m_mode = &mode;
    m_mode->enter();
    EnableActions();
}

Optics::Scale Form1::CurrentScale() const {
    // Until the choice exists (the controls being made) the bench is 1 : 1.
    return m_scale ? m_scale->now() : Optics::Scale();
}

bool Form1::TaskModeOn() const {
    return m_mode == m_taskMode.get();
}

bool Form1::Allows(Action action) const {
    return m_mode->allows(action);
}

void Form1::EnableActions() {
    m_actions->enable([this](Action action) {
        return m_mode->allows(action) || (action == Action::Leave && isFullScreen());
    });
    // An editor the mode does not allow closes without taking its text.
    if (!m_mode->allows(Action::EditValues))
        CloseReadoutEditor();
}

void Form1::ApplyAtOnce(const std::function<void()>& change) {
    ++m_applyDepth;
    change();
    if (m_applyDepth == 1) {
        m_applyFlushing = true;
        ComputeFocalLengths();
        RedrawScheme();
        m_applyFlushing = false;
    }
    --m_applyDepth;
}
