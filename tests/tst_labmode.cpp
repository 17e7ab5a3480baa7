// SPDX-License-Identifier: GPL-3.0-or-later
// The laboratory work as a pupil does it: the mode entered from the lesson
// strip, the screen dragged until the picture on its face is sharpest, the
// rows recorded, and the report read back from the PDF. Every expected number
// is worked out here from the thin-lens law, 1/F = 1/d + 1/f.
#include "bench.h"
#include "benchlens.h"
#include "benchoptics.h"
#include "benchscale.h"
#include "commandbutton.h"
#include "form1.h"
#include "label.h"
#include "labinset.h"
#include "labmode.h"
#include "labsheet.h"
#include "lens.h"
#include "lensmaker.h"
#include "lessonfile.h"
#include "messages.h"
#include "notation.h"
#include "picturebox.h"
#include "shape.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <numeric>

Q_DECLARE_METATYPE(Action)

namespace {
constexpr double kCm = Bench::kTwipsPerCm;

// The focal length of the bench's lens in air, from the lens-maker's formula
// over the radii of its two surfaces.
double focalLength(const Form1& w) {
    const Optics::Lens lens = Optics::lensOf(w);
    return 1 / LensMaker::thinLensPower(1, lens.N, 1, Bench::leftRadiusOf(lens),
                                        Bench::rightRadiusOf(lens));
}

// The image distance for an object d before a lens of focal length F.
double imageDistance(double F, double d) {
    return 1 / (1 / F - 1 / d);
}

// The steepest step between neighbouring pixels across the inset's rows, in
// grey levels: a sharp picture has steep edges, a blurred one soft ones.
int steepestEdge(QWidget* inset) {
    const QImage image = inset->grab().toImage().convertToFormat(QImage::Format_Grayscale8);
    int steepest = 0;
    for (int y = 0; y < image.height(); ++y) {
        const uchar* row = image.constScanLine(y);
        // The face only: the dark room around it is no edge of the picture.
        for (int x = image.width() / 10; x + 1 < image.width() * 9 / 10; ++x)
            steepest = std::max(steepest, std::abs(int(row[x + 1]) - int(row[x])));
    }
    return steepest;
}

// The darkest grey between two heights of the inset (shares of it): below
// the face's middle stands an inverted picture (the inset's words above).
int darkestMiddle(QWidget* inset, double from = 0.5, double to = 0.875) {
    const QImage image = inset->grab().toImage().convertToFormat(QImage::Format_Grayscale8);
    int darkest = 255;
    for (int y = int(image.height() * from); y < image.height() * to; ++y)
        for (int x = image.width() / 4; x < image.width() * 3 / 4; ++x)
            darkest = std::min(darkest, int(image.pixelColor(x, y).value()));
    return darkest;
}

// The widest run of touched pixels (any shade off white) across a row below
// the face's middle: a picture spread by the blur is wider than a sharp one.
int spreadWidth(QWidget* inset) {
    const QImage image = inset->grab().toImage().convertToFormat(QImage::Format_Grayscale8);
    constexpr int kWhite = 250;
    int widest = 0;
    for (int y = image.height() / 2; y < image.height() * 7 / 8; ++y) {
        const uchar* row = image.constScanLine(y);
        int touched = 0;
        for (int x = image.width() / 10; x < image.width() * 9 / 10; ++x)
            touched += row[x] < kWhite ? 1 : 0;
        widest = std::max(widest, touched);
    }
    return widest;
}

// A press and a drag of the left button at points of the window, delivered
// to whatever lies there.
void dragAt(QWidget* window, QPoint from, QPoint to) {
    QWidget* there = window->childAt(from);
    QVERIFY(there);
    TestSupport::press(there, there->mapFrom(window, from));
    TestSupport::moveHolding(there, there->mapFrom(window, to));
    TestSupport::release(there, there->mapFrom(window, to));
}

// A point of the window over a bench point (left-area twips, the right area
// beyond the lens plane).
QPoint windowPoint(Form1& w, double benchX, double benchY) {
    const auto ui = TestSupport::controlsOf(w);
    PictureBox* area = benchX < Bench::kLensX ? ui.picLeft : ui.picRigth;
    const double x = benchX < Bench::kLensX ? benchX : benchX - Bench::kLensX;
    return area->mapTo(&w, TestSupport::pixelOf(area, x, benchY));
}

// A key as the keyboard delivers it to the left area of the active window
// (shortcuts first).
void keyToWindow(Form1* w, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    const auto ui = TestSupport::controlsOf(*w);
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QTest::simulateEvent(ui.picLeft, true, key, modifiers, QString(), false);
    QTest::simulateEvent(ui.picLeft, false, key, modifiers, QString(), false);
}

// The middle of a line of the laboratory's table, in the window's pixels.
QPoint sheetLine(Form1& w, int line) {
    auto* sheet = w.findChild<QWidget*>(QStringLiteral("labSheet"));
    return sheet->mapTo(
        &w, QPoint(sheet->width() / 2, (2 * line + 1) * sheet->height() / (2 * LabSheet::kLines)));
}

// A right click at a window point, then a click on the item of the menu that
// opens there whose text begins with `item`.
void menuItemAt(Form1& w, QPoint at, const QString& item) {
    bool tried = false, chosen = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu || tried)
            return;
        for (QAction* action : menu->actions())
            if (action->text().startsWith(item)) {
                tried = true;
                TestSupport::clickMenuItem(menu, action);
                // A chosen item closes its menu; one the click missed stays open.
                chosen = !menu->isVisible();
                menu->close();
                return;
            }
    });
    poll.start(10);
    TestSupport::clickAt(&w, at, Qt::RightButton);
    QVERIFY2(chosen, qPrintable(item));
}

QString pdfText(const QString& pdf) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QStringLiteral("<pdftotext failed>");
    return QString::fromUtf8(process.readAllStandardOutput());
}
} // namespace

class TestLabMode : public QObject {
    Q_OBJECT

private slots:
    void modeRules_data();
    void modeRules();
    void sharpestByEye_data();
    void sharpestByEye();
    void report_data();
    void report();
    void deleteRows_data();
    void deleteRows();
    void rowsOfAnotherLens_data();
    void rowsOfAnotherLens();
    void pupilsLab_data();
    void pupilsLab();
    void hiddenFromPupil_data();
    void hiddenFromPupil();
};

// What the lab allows, entered by a click on its button in the lesson strip:
// its own keys, "Записать", help and the zoom; not the lens's parameters, the
// graph, the tasks or anything that draws the construction. Entered with the
// layers on at 1 : 5, it works at 1 : 1 and the pupil sees no image read-out,
// focus, name, radius or index until the teacher shows them, the construction
// then where the table stood; Esc leaves, the object back where it was.
void TestLabMode::modeRules_data() {
    QTest::addColumn<Action>("action");
    QTest::addColumn<bool>("inLab");
    QTest::addColumn<bool>("onBench");
    QTest::newRow("record") << Action::Record << true << true;
    QTest::newRow("teacher shows") << Action::LabReveal << true << false;
    QTest::newRow("save the work") << Action::LabSave << true << false;
    QTest::newRow("leave") << Action::Leave << true << false;
    QTest::newRow("sliders") << Action::Sliders << false << true;
    QTest::newRow("graph") << Action::Graph << false << true;
    QTest::newRow("tasks") << Action::Task << false << true;
    QTest::newRow("worksheet") << Action::Print << false << true;
    QTest::newRow("help") << Action::Help << true << true;
    QTest::newRow("zoom to fit") << Action::ZoomFit << true << true;
}

void TestLabMode::modeRules() {
    QFETCH(Action, action);
    QFETCH(bool, inLab);
    QFETCH(bool, onBench);
    auto w = TestSupport::startWindow();
    const auto ui = TestSupport::controlsOf(*w);
    w->cmdCx_Click();
    w->ObjectX = 5000;
    w->ObjectY = 3000;
    w->ObjectPlaced = kTrue;
    for (const Qt::Key key : {Qt::Key_L, Qt::Key_3, Qt::Key_K}) // every layer on, at 1 : 5
        keyToWindow(w.get(), key, Qt::ControlModifier);
    w->view().ScaleChoice().set(*Optics::Scale::of(5));
    QCOMPARE(w->view().Allows(action), onBench);
    QCOMPARE(TestSupport::clickAt(w.get(), TestSupport::middleOf(ui.cmdLab)), ui.cmdLab);
    QVERIFY(w->view().Laboratory().active());
    QCOMPARE(w->view().Allows(action), inLab);
    QCOMPARE(w->view().CurrentScale(), Optics::Scale{});
    // Hidden from the pupil: the image's numbers, the focal length, the marks,
    // the names, the radii and the index F would follow from.
    QVERIFY(ui.lblDistances->Caption().isEmpty() && ui.lblFocal->Caption().isEmpty());
    QVERIFY(!ui.shpF2->isVisible() && ui.picLeft->textMarks().isEmpty());
    for (Label* readout : {ui.lblRleft, ui.lblN})
        QVERIFY(w->childAt(TestSupport::middleOf(readout)) != readout);
    const QPoint table = windowPoint(*w, 2000, 1500);
    QCOMPARE(w->childAt(table)->objectName(), QStringLiteral("labSheet"));
    // The tasks stay shut.
    keyToWindow(w.get(), Qt::Key_T, Qt::ControlModifier);
    QVERIFY(!w->view().TaskModeOn() && w->view().Laboratory().active());
    keyToWindow(w.get(), Qt::Key_B, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(!ui.lblFocal->Caption().isEmpty() && ui.shpF2->isVisible());
    QCOMPARE(w->childAt(table), ui.picLeft); // the construction over the table's place
    keyToWindow(w.get(), Qt::Key_Escape);
    QVERIFY(!w->view().Laboratory().active());
    QCOMPARE(w->view().Allows(action), onBench);
    QCOMPARE(w->ObjectX, 5000.0f);
    QCOMPARE(w->ObjectY, 3000.0f);
}

// The pupil drags the screen to where the lens law puts the image, looking at
// the screen's face: the picture's edges are steepest there, softer a few
// millimetres either side. An object inside F gives only a faint blur.
void TestLabMode::sharpestByEye_data() {
    QTest::addColumn<double>("dInFocalLengths");
    QTest::addColumn<bool>("real");
    QTest::newRow("beyond 2F") << 2.5 << true;
    QTest::newRow("between F and 2F") << 1.6 << true;
    QTest::newRow("inside F") << 0.6 << false;
}

void TestLabMode::sharpestByEye() {
    QFETCH(double, dInFocalLengths);
    QFETCH(bool, real);
    auto w = TestSupport::startWindow();
    keyToWindow(w.get(), Qt::Key_B, Qt::ControlModifier);
    QVERIFY(w->view().Laboratory().active());
    const double F = focalLength(*w);
    const double d = dInFocalLengths * F;
    // The object stood there by a drag in the left area.
    const double axis = Bench::kAxisY;
    dragAt(w.get(), windowPoint(*w, Bench::kLensX - 1000, axis),
           windowPoint(*w, Bench::kLensX - d, axis));
    QVERIFY2(std::fabs((Bench::kLensX - w->ObjectX) - d) < 16,
             qPrintable(QString::number(w->ObjectX)));
    const double b = real ? imageDistance(F, Bench::kLensX - w->ObjectX) : 3 * F;
    const double off = 0.5 * kCm;
    int edges[3] = {};
    int darkest[3] = {};
    int widths[3] = {};
    int edge[3] = {}; // the face's last rows: light unless the picture runs off it
    const double places[3] = {b - off, b, b + off};
    for (int i = 0; i < 3; ++i) {
        dragAt(w.get(), windowPoint(*w, Bench::kLensX + 4000, axis),
               windowPoint(*w, Bench::kLensX + places[i], axis));
        QVERIFY2(std::fabs(w->view().Laboratory().session().screen - places[i]) < 16,
                 qPrintable(QString::number(w->view().Laboratory().session().screen)));
        edges[i] = steepestEdge(&w->view().Laboratory().inset());
        darkest[i] = darkestMiddle(&w->view().Laboratory().inset());
        widths[i] = spreadWidth(&w->view().Laboratory().inset());
        edge[i] = darkestMiddle(&w->view().Laboratory().inset(), 0.955, 0.965);
    }
    if (!real) {
        // No picture: the face's middle stays light wherever the screen stands.
        for (const int grey : darkest)
            QVERIFY2(grey > 200, qPrintable(QString::number(grey)));
        return;
    }
    QVERIFY2(edges[1] > edges[0] && edges[1] > edges[2],
             qPrintable(QStringLiteral("%1 %2 %3").arg(edges[0]).arg(edges[1]).arg(edges[2])));
    QVERIFY(edges[1] > 128);
    QVERIFY2(darkest[1] < 64, qPrintable(QString::number(darkest[1])));
    QVERIFY2(edge[1] > 200, qPrintable(QString::number(edge[1]))); // magnified Γ = 1,67: whole
    QVERIFY2(widths[0] > widths[1] && widths[2] > widths[1],
             qPrintable(QStringLiteral("%1 %2 %3").arg(widths[0]).arg(widths[1]).arg(widths[2])));
}

// Five rows as a pupil takes them (the screen at the sharpest place, read to
// the millimetre) give F within its error of the lens's own, in air and with
// water before the lens. Each row's F and F′ are worked out here from the lens
// law F/d + F′/f = 1 with F′ = F·n2/n1, the instrument error by differencing F
// over half a division. The table on the screen, the report read back from
// the PDF and the CSV state the formula used and the answer as worked out
// here.
void TestLabMode::report_data() {
    QTest::addColumn<double>("n1");
    QTest::addColumn<double>("n2");
    QTest::addColumn<QString>("formula");
    QTest::addColumn<int>("notation");
    QTest::addColumn<QStringList>("letters"); // the focal lengths' and the power's
    const int russian = int(Optics::Notation::RussianSchool);
    QTest::newRow("air") << 1.0 << 1.0 << "F = d·f / (d + f) в каждой строке" << russian
                         << QStringList{"F", "F′", "D"};
    QTest::newRow("water before the lens")
        << 1.33 << 1.0 << "F = n1·d·f / (n1·f + n2·d), F′ = (n2/n1)·F (n1 = 1,33, n2 = 1)"
        << russian << QStringList{"F", "F′", "D"};
    QTest::newRow("air, the UK school's letters")
        << 1.0 << 1.0 << "f = u·v / (u + v) в каждой строке" << int(Optics::Notation::UkSchool)
        << QStringList{"f", "f′", "P"};
}

void TestLabMode::report() {
    QFETCH(double, n1);
    QFETCH(double, n2);
    QFETCH(QString, formula);
    QFETCH(int, notation);
    QFETCH(QStringList, letters);
    auto w = TestSupport::startWindow();
    w->view().SetNotation(Optics::Notation(notation));
    w->view().SetLeftIndex(n1);
    w->view().SetRightIndex(n2);
    w->view().Laboratory().start();
    LabMode& lab = w->view().Laboratory();
    const Optics::Lens lens = Optics::lensOf(*w);
    // The lens's radii in centimetres: its power per centimetre.
    const double power = LensMaker::thinLensPower(n1, lens.N, n2, lens.leftR, lens.rightR);
    const double F = n1 / power, back = n2 / power;
    const double k = n2 / n1;
    const auto law = [k](double d, double f) { return 1 / (1 / d + k / f); };
    constexpr double kHalf = 0.05;
    const double dsInF[] = {3.0, 2.4, 2.0, 1.7, 1.4};
    QList<double> Fs, backs, instruments;
    for (const double inF : dsInF) {
        lab.moveObject(Bench::kLensX - inF * F * kCm);
        const double exactD = (Bench::kLensX - w->ObjectX) / kCm;
        const double image = back * exactD / (exactD - F);
        lab.moveScreen(image * kCm);
        keyToWindow(w.get(), Qt::Key_R, Qt::ControlModifier);
        const double d = std::round(exactD * 10) / 10, f = std::round(image * 10) / 10;
        Fs << law(d, f);
        backs << f * (1 - Fs.back() / d);
        instruments << (std::fabs(law(d + kHalf, f) - law(d - kHalf, f)) +
                        std::fabs(law(d, f + kHalf) - law(d, f - kHalf))) /
                           2;
    }
    // A sixth row in F < d < 2F with the screen a centimetre off: no image,
    // which does not unsay the image the other rows there caught.
    lab.moveScreen(lab.session().screen + kCm);
    keyToWindow(w.get(), Qt::Key_R, Qt::ControlModifier);
    QCOMPARE(int(lab.session().rows.size()), 6);
    const auto mean = [](const QList<double>& v) {
        return std::accumulate(v.begin(), v.end(), 0.0) / v.size();
    };
    const auto error = [&mean](const QList<double>& v, const QList<double>& instrument) {
        double spread = 0;
        for (const double x : v)
            spread += std::fabs(x - mean(v)) / v.size();
        return spread + mean(instrument);
    };
    QList<double> backInstruments;
    for (const double dF : instruments)
        backInstruments << k * dF;
    const double meanF = mean(Fs), errorF = error(Fs, instruments);
    QVERIFY2(std::fabs(meanF - F) <= errorF,
             qPrintable(QStringLiteral("F %1, measured %2 ± %3").arg(F).arg(meanF).arg(errorF)));
    const auto cm = [](double v) { return QString::number(v, 'f', 2).replace(u'.', u','); };
    QString answer =
        QStringLiteral("Ответ: %1 = (%2 ± %3) см").arg(letters[0], cm(meanF), cm(errorF));
    if (n1 != n2)
        answer += QStringLiteral(", %1 = (%2 ± %3) см")
                      .arg(letters[1], cm(mean(backs)), cm(error(backs, backInstruments)));

    QString shown;
    const auto* sheet = dynamic_cast<LabSheet*>(w->findChild<QWidget*>(QStringLiteral("labSheet")));
    for (const QStringList& cells : sheet->lines())
        shown += cells.join(QLatin1Char(' ')) + QLatin1Char('\n');
    // ε as the school works it, from the answer's rounded ΔF and F (both in
    // hundredths here).
    QVERIFY(errorF >= 0.005 && errorF < 0.095);
    const QString epsilon =
        QStringLiteral("ε = %1 %")
            .arg(QString::number(std::round(errorF * 100) / std::round(meanF * 100) * 100, 'f', 1)
                     .replace(u'.', u','));
    for (const QString& expected : {formula, answer, epsilon})
        QVERIFY2(shown.contains(expected), qPrintable(expected + QStringLiteral("\n") + shown));
    // Six rows, five in view: row 1 is back by a click on the bar's top.
    const QPoint bar = sheet->mapTo(
        w.get(), QPoint(sheet->width() - 2, sheet->height() * 2 / LabSheet::kLines + 2));
    QCOMPARE(TestSupport::clickAt(w.get(), bar)->objectName(), QStringLiteral("labSheetScroll"));
    QCOMPARE(sheet->lines()[2].value(0), QStringLiteral("1"));

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("work.pdf"));
    QString why;
    lab.setAuthor(QStringLiteral(" Ёлкина-Щукина\tАнна  Мария, 8 «Б» (гр. 2) "));
    QVERIFY2(lab.writeReport(pdf, &why), qPrintable(why));
    const QString text = pdfText(pdf).simplified();
    QVERIFY2(!text.contains(QStringLiteral("не получено")), qPrintable(text));
    for (const QString& expected :
         {QStringLiteral("Ёлкина-Щукина Анна Мария, 8 «Б» (гр. 2) Дата: ") +
              QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")),
          QStringLiteral("Определение фокусного расстояния"), QStringLiteral("Цель:"),
          QStringLiteral("Оборудование:"), formula, answer,
          QStringLiteral("предмет между %1 и 2%1: действительное, перевёрнутое, увеличенное")
              .arg(letters[0]),
          QStringLiteral("оптическую силу %1").arg(letters[2])})
        QVERIFY2(text.contains(expected), qPrintable(expected + QStringLiteral("\n") + text));
    for (int i = 0; i < 5; ++i) {
        QVERIFY2(text.contains(cm(Fs[i])), qPrintable(cm(Fs[i])));
        if (n1 != n2)
            QVERIFY2(text.contains(cm(backs[i])), qPrintable(cm(backs[i])));
    }

    const QString csv = dir.filePath(QStringLiteral("work.csv"));
    QVERIFY2(lab.writeCsv(csv, &why), qPrintable(why));
    QFile file(csv);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString table = QString::fromUtf8(file.readAll());
    const QStringList lines = table.split(QStringLiteral("\r\n"));
    // The header, six rows, three lines of computation, the answer.
    QCOMPARE(lines.size() - 1, 11);
    QVERIFY(lines[1].startsWith(QStringLiteral("1;")));
    for (const QString& expected : {formula, answer})
        QVERIFY2(table.contains(expected), qPrintable(expected));
}

// A row recorded by mistake comes out of the table with the mouse: a click
// on its line and Delete, or the line's context menu; the whole table is
// cleared from the same menu after a question. The rows left, and the answer
// worked out here from them, are what the table shows.
void TestLabMode::deleteRows_data() {
    QTest::addColumn<int>("line");    // of the table clicked: 0 the title, 2 the first row
    QTest::addColumn<QString>("how"); // "Delete", or the menu item chosen
    QTest::addColumn<bool>("agree");  // the answer to the question, where one is asked
    QTest::addColumn<QList<int>>("left");
    QTest::newRow("second row, Delete") << 3 << "Delete" << true << QList<int>{0, 2};
    QTest::newRow("last row, from its menu") << 4 << "Удалить строку" << true << QList<int>{0, 1};
    QTest::newRow("the title, Delete: nothing") << 0 << "Delete" << true << QList<int>{0, 1, 2};
    QTest::newRow("clear, agreed") << 2 << "Очистить таблицу" << true << QList<int>{};
    QTest::newRow("clear, refused") << 2 << "Очистить таблицу" << false << QList<int>{0, 1, 2};
}

void TestLabMode::deleteRows() {
    QFETCH(int, line);
    QFETCH(QString, how);
    QFETCH(bool, agree);
    QFETCH(QList<int>, left);
    auto w = TestSupport::startWindow();
    w->view().Laboratory().start();
    LabMode& lab = w->view().Laboratory();
    const double F = focalLength(*w) / kCm;
    // Three rows with the screen where the lens law puts the image, read to
    // the millimetre: d and f as a pupil writes them down.
    QList<double> ds, fs;
    for (const double k : {3.0, 2.0, 1.5}) {
        lab.moveObject(Bench::kLensX - k * F * kCm);
        const double d = (Bench::kLensX - w->ObjectX) / kCm;
        const double b = imageDistance(F, d);
        lab.moveScreen(b * kCm);
        keyToWindow(w.get(), Qt::Key_R, Qt::ControlModifier);
        ds << std::round(d * 10) / 10;
        fs << std::round(b * 10) / 10;
    }
    QCOMPARE(int(lab.session().rows.size()), 3);
    int asked = 0;
    Messages::setHook([&](QMessageBox&) {
        ++asked;
        return agree ? QMessageBox::Yes : QMessageBox::No;
    });
    const QPoint at = sheetLine(*w, line);
    if (how == QStringLiteral("Delete")) {
        QCOMPARE(TestSupport::clickAt(w.get(), at)->objectName(), QStringLiteral("labSheet"));
        keyToWindow(w.get(), Qt::Key_Delete);
    } else {
        menuItemAt(*w, at, how);
    }
    Messages::setHook({});
    QCOMPARE(asked, how.startsWith(QStringLiteral("Очистить")) ? 1 : 0);
    const std::vector<Lab::Row>& rows = lab.session().rows;
    QCOMPARE(int(rows.size()), int(left.size()));
    double sum = 0;
    for (int i = 0; i < left.size(); ++i) {
        QVERIFY(std::fabs(rows[std::size_t(i)].d - ds[left[i]]) < 1e-9);
        QVERIFY(std::fabs(rows[std::size_t(i)].f - fs[left[i]]) < 1e-9);
        sum += ds[left[i]] * fs[left[i]] / (ds[left[i]] + fs[left[i]]);
    }
    // The table shows the rows left, numbered anew, and the answer from them.
    QString shown;
    const auto* sheet = dynamic_cast<LabSheet*>(w->findChild<QWidget*>(QStringLiteral("labSheet")));
    QVERIFY(sheet);
    for (const QStringList& cells : sheet->lines())
        shown += cells.join(QLatin1Char('|')) + QLatin1Char('\n');
    QCOMPARE(shown.contains(QStringLiteral("\n%1|").arg(left.size() + 1)), false);
    if (left.isEmpty()) {
        QVERIFY2(!shown.contains(QStringLiteral("Ответ")), qPrintable(shown));
        return;
    }
    QVERIFY(shown.contains(QStringLiteral("\n%1|").arg(left.size())));
    const QString mean = QString::number(sum / left.size(), 'f', 2).replace(u'.', u',');
    QVERIFY2(shown.contains(QStringLiteral("Ответ: F = (%1 ± ").arg(mean)),
             qPrintable(mean + QStringLiteral("\n") + shown));
}

void TestLabMode::rowsOfAnotherLens_data() {
    QTest::addColumn<bool>("changeLens");
    QTest::addColumn<int>("answer"); // to the question, where one is asked
    QTest::addColumn<bool>("inLab");
    QTest::addColumn<int>("rowsLeft");
    QTest::newRow("same lens: no question, rows kept")
        << false << int(QMessageBox::Discard) << true << 2;
    QTest::newRow("another lens, not saved: a new table")
        << true << int(QMessageBox::Discard) << true << 0;
    QTest::newRow("another lens, cancelled: not taken up")
        << true << int(QMessageBox::Cancel) << false << 2;
}

// Rows measured with one lens are not averaged with another's: the work taken
// up again after the lens changed asks before it begins the table anew.
void TestLabMode::rowsOfAnotherLens() {
    QFETCH(bool, changeLens);
    QFETCH(int, answer);
    QFETCH(bool, inLab);
    QFETCH(int, rowsLeft);
    auto w = TestSupport::startWindow();
    LabMode& lab = w->view().Laboratory();
    lab.start();
    keyToWindow(w.get(), Qt::Key_R, Qt::ControlModifier);
    keyToWindow(w.get(), Qt::Key_R, Qt::ControlModifier);
    keyToWindow(w.get(), Qt::Key_Escape);
    QVERIFY(!lab.active());
    if (changeLens)
        TestSupport::dragSliderTo(w->findChild<QSlider*>(QStringLiteral("sldn2")), 17); // water
    int asked = 0;
    Messages::setHook([&](QMessageBox&) {
        ++asked;
        return QMessageBox::StandardButton(answer);
    });
    lab.start();
    Messages::setHook({});
    QCOMPARE(asked, changeLens ? 1 : 0);
    QCOMPARE(lab.active(), inLab);
    QCOMPARE(int(lab.session().rows.size()), rowsLeft);
}

// A pupil's lab (quellor --lab) gives F away by no key or menu: the reveal,
// Esc and Ctrl+B leave it on, the foci and the focal length hidden; Esc
// still leaves full screen.
void TestLabMode::pupilsLab_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Ctrl+Shift+B") << int(Qt::Key_B) << int(Qt::ControlModifier | Qt::ShiftModifier);
    QTest::newRow("Esc") << int(Qt::Key_Escape) << int(Qt::NoModifier);
    QTest::newRow("Ctrl+B") << int(Qt::Key_B) << int(Qt::ControlModifier);
}

void TestLabMode::pupilsLab() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    auto w = TestSupport::startWindow();
    const auto ui = TestSupport::controlsOf(*w);
    w->view().Laboratory().startForPupil();
    w->view().ToggleFullScreen();
    keyToWindow(w.get(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(w->isFullScreen(), key != Qt::Key_Escape); // Esc leaves only the full screen
    QVERIFY(w->view().Laboratory().active() && !w->view().Allows(Action::LabReveal) && !w->view().Allows(Action::Lab));
    QVERIFY(ui.lblFocal->Caption().isEmpty() && !ui.shpF2->isVisible());
    for (const QAction* item : ui.cmdLab->actions()) // no reveal on the button's menu
        QVERIFY(!item->isVisible() || !item->text().contains(QStringLiteral("учителю")));
}

// Each part of the bench F would follow from, found by its name: hidden (or
// its read-out blank) while the pupils measure, back when the teacher shows
// the construction, and back after Esc with the bench as it was before the
// work: its scale, its view and the title's mark of unsaved changes.
void TestLabMode::hiddenFromPupil_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("readout"); // its text is blanked, not the control hidden
    for (const char* mark : {"shpF1", "shp2F1", "shpF2", "shp2F2", "lblFleft", "lbl2Fleft",
                             "lblFright", "lbl2Fright", "sldR1", "sldR2", "sldVexol", "lblRleft",
                             "lblRright", "lblN", "Label1", "Label2", "Label3", "Label4"})
        QTest::newRow(mark) << QString::fromLatin1(mark) << false;
    for (const char* readout : {"lblFocal", "lblPower", "lblDistances", "lblImageKind"})
        QTest::newRow(readout) << QString::fromLatin1(readout) << true;
}

void TestLabMode::hiddenFromPupil() {
    QFETCH(QString, name);
    QFETCH(bool, readout);
    auto w = TestSupport::startWindow();
    auto* part = w->findChild<QWidget*>(name);
    auto* lab = w->findChild<QWidget*>(QStringLiteral("cmdLab"));
    auto* task = w->findChild<QAbstractButton*>(QStringLiteral("cmdTask"));
    QVERIFY(part && lab && task);
    const auto shown = [&] {
        auto* label = dynamic_cast<Label*>(part);
        return readout ? !label->Caption().isEmpty() : part->isVisible();
    };
    w->cmdCx_Click();
    w->view().PlaceObject(5000, 3000);
    w->view().ScaleChoice().set(*Optics::Scale::of(5));
    w->RedrawScheme();
    w->view().File().updateTitle(false); // as saved
    QVERIFY(shown());
    QCOMPARE(TestSupport::clickAt(w.get(), TestSupport::middleOf(lab)), lab);
    QVERIFY(!shown());
    QVERIFY(qobject_cast<QAbstractButton*>(lab)->isChecked() && !task->isChecked());
    dragAt(w.get(), windowPoint(*w, 4000, Bench::kAxisY), windowPoint(*w, 3000, Bench::kAxisY));
    QVERIFY(!shown());
    keyToWindow(w.get(), Qt::Key_B, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(shown());
    keyToWindow(w.get(), Qt::Key_Escape);
    QVERIFY(shown() && !qobject_cast<QAbstractButton*>(lab)->isChecked());
    QCOMPARE(w->view().CurrentScale(), *Optics::Scale::of(5));
    QVERIFY(w->SchemeView);
    QVERIFY(!w->isWindowModified());
    QCOMPARE(w->ObjectX, 5000.0f);
}

QTEST_MAIN(TestLabMode)
#include "tst_labmode.moc"
