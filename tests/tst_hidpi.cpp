// SPDX-License-Identifier: GPL-3.0-or-later
// The window on a screen of device pixel ratio 2 (QT_SCALE_FACTOR=2):
// everything scales as a whole, and a line one pixel wide stays one
// device-independent pixel, two device pixels of solid colour, never a
// blurred or antialiased edge.
#include "form1.h"
#include "picturebox.h"
#include "testsupport.h"

#include <QApplication>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {
constexpr RgbValue kInk = RGB(255, 0, 0);
const QRgb kInkRgb = qRgb(255, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);

QImage grabArea(PictureBox* area) {
    return area->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The run of ink met along one line of device pixels (a column when `down`,
// else a row) through `at`, within `reach` pixels either side; the pixels
// around the run must be white, or the edge is smeared.
struct Crossing {
    int inked = 0;
    bool cleanEdges = true;
};

Crossing crossAt(const QImage& image, QPoint at, bool down, int reach) {
    Crossing crossing;
    for (int d = -reach; d <= reach; ++d) {
        const QPoint p = down ? QPoint(at.x(), at.y() + d) : QPoint(at.x() + d, at.y());
        const QRgb pixel = image.pixel(p);
        if (pixel == kInkRgb)
            ++crossing.inked;
        else if (pixel != kWhite)
            crossing.cleanEdges = false;
    }
    return crossing;
}
} // namespace

class TestHiDpi : public QObject {
    Q_OBJECT

private slots:
    void windowScalesAsAWhole();
    void axisStripStaysOnePixel();
    void linesStayCrisp_data();
    void linesStayCrisp();
    void slantedLinesHaveNoGreyEdges();
    void startUpMemory_data();
    void startUpMemory();
};

void TestHiDpi::windowScalesAsAWhole() {
    auto w = TestSupport::startWindow();
    const auto ui = TestSupport::controlsOf(*w);
    QCOMPARE(w->devicePixelRatioF(), 2.0);
    // The layout stays in device-independent pixels: 15 twips each.
    QCOMPARE(ui.picLeft->geometry(), QRect(8, 54, 500, 535));
    QCOMPARE(ui.picRigth->geometry(), QRect(508, 54, 500, 535));
    const QImage area = grabArea(ui.picLeft);
    QCOMPARE(area.size(), QSize(1000, 1070));
    const QImage whole = w->grab().toImage();
    QCOMPARE(whole.size(), w->size() * 2);
}

// Picture3, the one-pixel axis strip, covers exactly two device rows of grey.
void TestHiDpi::axisStripStaysOnePixel() {
    auto w = TestSupport::startWindow();
    const QImage whole = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const int x = 2 * 100; // well left of the marks and the lens
    const QRgb grey = qRgb(128, 128, 128);
    QCOMPARE(whole.pixel(x, 2 * 320 - 1), kWhite);
    QCOMPARE(whole.pixel(x, 2 * 320), grey);
    QCOMPARE(whole.pixel(x, 2 * 320 + 1), grey);
    QCOMPARE(whole.pixel(x, 2 * 320 + 2), kWhite);
}

void TestHiDpi::linesStayCrisp_data() {
    QTest::addColumn<int>("drawWidth");
    QTest::addColumn<int>("drawStyle");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<double>("offset"); // twips: the line off the pixel grid
    QTest::addColumn<int>("devicePixels");
    QTest::newRow("width 1, solid, horizontal") << 1 << 0 << true << 0.0 << 2;
    QTest::newRow("width 1, solid, vertical") << 1 << 0 << false << 0.0 << 2;
    QTest::newRow("width 1, solid, off the grid") << 1 << 0 << true << 7.0 << 2;
    QTest::newRow("width 1, dashed, horizontal") << 1 << 1 << true << 0.0 << 2;
    QTest::newRow("width 1, dashed, vertical") << 1 << 1 << false << 4.0 << 2;
    QTest::newRow("width 2, solid") << 2 << 0 << true << 0.0 << 4;
    QTest::newRow("width 3, solid, vertical") << 3 << 0 << false << 11.0 << 6;
    QTest::newRow("width 4, solid") << 4 << 0 << true << 0.0 << 8;
}

void TestHiDpi::linesStayCrisp() {
    QFETCH(int, drawWidth);
    QFETCH(int, drawStyle);
    QFETCH(bool, horizontal);
    QFETCH(double, offset);
    QFETCH(int, devicePixels);
    auto w = TestSupport::startWindow();
    const auto ui = TestSupport::controlsOf(*w);
    PictureBox* area = ui.picLeft;
    area->Refresh();
    area->SetDrawWidth(drawWidth);
    area->SetDrawStyle(drawStyle);
    const double at = 1500 + offset; // 100 pixels in, away from marks and labels
    if (horizontal)
        area->Line(1500, at, 6000, at, kInk);
    else
        area->Line(at, 1500, at, 6000, kInk);
    const QImage image = grabArea(area);

    // Cross the line at successive places along it until one meets ink (a
    // dashed line has gaps).
    Crossing crossing;
    for (int along = 400; along < 800 && crossing.inked == 0; along += 3) {
        const QPoint centre = horizontal ? QPoint(along, 200) : QPoint(200, along);
        crossing = crossAt(image, centre, horizontal, 12);
    }
    QCOMPARE(crossing.inked, devicePixels);
    QVERIFY2(crossing.cleanEdges, "the line has pixels that are neither ink nor background");
}

// A slanted ray is stepped, not smoothed: only ink and background appear.
void TestHiDpi::slantedLinesHaveNoGreyEdges() {
    auto w = TestSupport::startWindow();
    const auto ui = TestSupport::controlsOf(*w);
    PictureBox* area = ui.picLeft;
    area->Refresh();
    for (int style : {0, 1}) {
        for (int width : {1, 2}) {
            area->SetDrawStyle(style);
            area->SetDrawWidth(width);
            const double y = 300 + 900 * width + 1800 * style;
            area->Line(300, y, 2700, y + 1700, kInk);
        }
    }
    const QImage image = grabArea(area);
    QSet<QRgb> colours;
    for (int y = 0; y < 2 * 300; ++y)
        for (int x = 0; x < 2 * 200; ++x)
            colours.insert(image.pixel(x, y));
    QVERIFY(colours.contains(kInkRgb));
    QCOMPARE(colours.size(), 2);
}

void TestHiDpi::startUpMemory_data() {
    QTest::addColumn<QString>("variable");
    QTest::addColumn<QString>("value");
    QTest::newRow("scale factor 100") << "QT_SCALE_FACTOR"
                                      << "100";
    QTest::newRow("font resolution 100000 dpi") << "QT_FONT_DPI"
                                                << "100000";
}

// The program started under an absurd scale, shown, painted once and ended:
// its pictures are made for the screen it shows on, so its peak resident
// memory stays near that of an ordinary start (some 26 MB here; before the
// pictures waited for the window's fit, 138 MB at factor 100 and 4.3 GB at
// 100000 dpi). The bound leaves room for the sanitizers' own memory.
void TestHiDpi::startUpMemory() {
    QFETCH(QString, variable);
    QFETCH(QString, value);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_SCALE_FACTOR"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(variable, value);
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(QUELLOR_PROGRAM), {QStringLiteral("--quit-when-shown")});
    QVERIFY(program.waitForFinished(120000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    // The program's own high-water mark: a child's rusage would count the
    // memory of this test, which it starts as a copy of.
    const QString said = QString::fromLatin1(program.readAllStandardOutput());
    const QRegularExpression hwm(QStringLiteral("VmHWM:\\s*(\\d+) kB"));
    const QRegularExpressionMatch match = hwm.match(said);
    QVERIFY2(match.hasMatch(), qPrintable(said));
    const long peakKiB = match.captured(1).toLong();
    QVERIFY2(peakKiB < QUELLOR_START_MEMORY_KIB,
             qPrintable(QStringLiteral("peak %1 KiB").arg(peakKiB)));
}

int main(int argc, char* argv[]) {
    // The screen of this suite scales by two, however it is started.
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestHiDpi test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_hidpi.moc"
