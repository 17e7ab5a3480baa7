// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: a sequence of what a user can do to the window, decoded
// from the input bytes, fed to the handlers. Slider values, object points (any
// float: far outside the area, NaN, infinities), key codes and button states
// arrive as the handlers could receive them. After every operation both
// drawing areas are painted through a paint engine that checks every
// coordinate reaching the painter, and at the end of the input they are also
// rasterised at device pixel ratio 1 and 2. Built with AddressSanitizer and
// UndefinedBehaviorSanitizer; libFuzzer's -timeout catches hangs.
#include "commandbutton.h"
#include "form1.h"
#include "picturebox.h"
#include "slider.h"
#include "testsupport.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainterPath>
#include <QTextItem>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fuzzer/FuzzedDataProvider.h>
#include <limits>

namespace {

// Beyond this many device pixels the raster engine's fixed-point arithmetic
// no longer holds.
constexpr double kRasterLimit = 32767;

[[noreturn]] void fault(const char* what, double x, double y) {
    std::fprintf(stderr, "painter handed %s at (%g, %g)\n", what, x, y);
    std::abort();
}

// A paint engine that draws nothing and checks that every coordinate it gets,
// mapped to the device, is finite and within the raster engine's range.
class CheckingEngine : public QPaintEngine {
public:
    CheckingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState& state) override {
        if (state.state() & QPaintEngine::DirtyTransform)
            m_transform = state.transform();
        if (state.state() & QPaintEngine::DirtyPen) {
            const double width = state.pen().widthF();
            if (!std::isfinite(width) || width < 0 || width > 1000)
                fault("a pen width", width, 0);
        }
    }

    void drawLines(const QLineF* lines, int count) override {
        for (int i = 0; i < count; ++i) {
            check("a line end", lines[i].p1());
            check("a line end", lines[i].p2());
        }
    }
    void drawLines(const QLine* lines, int count) override {
        for (int i = 0; i < count; ++i) {
            check("a line end", lines[i].p1());
            check("a line end", lines[i].p2());
        }
    }
    void drawRects(const QRectF* rects, int count) override {
        for (int i = 0; i < count; ++i)
            check("a rectangle", rects[i]);
    }
    void drawRects(const QRect* rects, int count) override {
        for (int i = 0; i < count; ++i)
            check("a rectangle", QRectF(rects[i]));
    }
    void drawEllipse(const QRectF& rect) override { check("an ellipse", rect); }
    void drawEllipse(const QRect& rect) override { check("an ellipse", QRectF(rect)); }
    void drawPath(const QPainterPath& path) override {
        for (int i = 0; i < path.elementCount(); ++i)
            check("a path point", QPointF(path.elementAt(i)));
    }
    void drawPoints(const QPointF* points, int count) override {
        for (int i = 0; i < count; ++i)
            check("a point", points[i]);
    }
    void drawPoints(const QPoint* points, int count) override {
        for (int i = 0; i < count; ++i)
            check("a point", QPointF(points[i]));
    }
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode) override {
        drawPoints(points, count);
    }
    void drawPolygon(const QPoint* points, int count, PolygonDrawMode) override {
        drawPoints(points, count);
    }
    void drawPixmap(const QRectF& rect, const QPixmap&, const QRectF&) override {
        check("a pixmap", rect);
    }
    void drawTiledPixmap(const QRectF& rect, const QPixmap&, const QPointF&) override {
        check("a tiled pixmap", rect);
    }
    void drawImage(const QRectF& rect, const QImage&, const QRectF&,
                   Qt::ImageConversionFlags) override {
        check("an image", rect);
    }
    void drawTextItem(const QPointF& at, const QTextItem&) override { check("text", at); }

private:
    void check(const char* what, QPointF point) const {
        if (!std::isfinite(point.x()) || !std::isfinite(point.y()))
            fault(what, point.x(), point.y());
        const QPointF device = m_transform.map(point);
        if (!std::isfinite(device.x()) || !std::isfinite(device.y()) ||
            std::fabs(device.x()) > kRasterLimit || std::fabs(device.y()) > kRasterLimit)
            fault(what, device.x(), device.y());
    }
    void check(const char* what, const QRectF& rect) const {
        check(what, rect.topLeft());
        check(what, rect.bottomRight());
    }

    QTransform m_transform;
};

class CheckingDevice : public QPaintDevice {
public:
    explicit CheckingDevice(QSize size) : m_size(size) {}
    QPaintEngine* paintEngine() const override { return &m_engine; }

protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
        case PdmWidth:
            return m_size.width();
        case PdmHeight:
            return m_size.height();
        case PdmWidthMM:
            return m_size.width() * 254 / 960;
        case PdmHeightMM:
            return m_size.height() * 254 / 960;
        case PdmNumColors:
            return std::numeric_limits<int>::max();
        case PdmDepth:
            return 32;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(QPaintDevice::devicePixelRatioFScale());
        }
        return 0;
    }

private:
    QSize m_size;
    mutable CheckingEngine m_engine;
};

Form1* window = nullptr;
// Its controls, found by their names once the window is built.
TestSupport::Controls ui{};
BenchState startState;

// What the areas hold never grows past one construction.
constexpr qsizetype kMostFigures = 64;

void checkAreas() {
    for (PictureBox* area : {ui.picLeft, ui.picRigth}) {
        if (area->figures().size() > kMostFigures) {
            std::fprintf(stderr, "%s holds %lld figures\n", qPrintable(area->objectName()),
                         static_cast<long long>(area->figures().size()));
            std::abort();
        }
        CheckingDevice device(area->size());
        area->render(&device);
    }
}

void rasterise() {
    // The images are kept: allocating megabytes for every input would cost
    // more than the painting.
    static QImage images[2][2];
    for (int ratio : {1, 2}) {
        for (int side = 0; side < 2; ++side) {
            PictureBox* area = side == 0 ? ui.picLeft : ui.picRigth;
            QImage& image = images[ratio - 1][side];
            if (image.size() != area->size() * ratio) {
                image = QImage(area->size() * ratio, QImage::Format_RGB32);
                image.setDevicePixelRatio(ratio);
            }
            area->render(&image);
        }
    }
}

// Back to the start as far as the window allows without being rebuilt, so
// that an input replays alike in a fresh process.
void resetWindow() {
    for (Slider* slider : {ui.sldn1, ui.sldn2, ui.sldR1, ui.sldR2})
        slider->SetValue(0);
    window->sldn1_MouseMove(1, 0, 0, 0);
    window->sldn2_MouseMove(1, 0, 0, 0);
    window->cmdSob_Click();
    window->cmdCxOff_Click();
    static_cast<BenchState&>(*window) = startState;
    ui.sldVexol->SetValue(32);
    window->ComputeFocalLengths();
}

// Any float at all: special values often, otherwise any bit pattern.
float anyFloat(FuzzedDataProvider& data) {
    static const float kSpecial[] = {
        std::numeric_limits<float>::quiet_NaN(),
        std::numeric_limits<float>::infinity(),
        -std::numeric_limits<float>::infinity(),
        std::numeric_limits<float>::max(),
        std::numeric_limits<float>::lowest(),
        std::numeric_limits<float>::denorm_min(),
        0.0f,
        -0.0f,
        7500.0f,
        7499.99f,
        3990.0f,
        2650.0f,
        5330.0f,
        2550.0f,
        5430.0f,
        760000.0f,
        -760000.0f,
        1e10f,
        -1e10f,
    };
    if (data.ConsumeBool())
        return data.PickValueInArray(kSpecial);
    if (data.ConsumeBool())
        return data.ConsumeFloatingPointInRange<float>(-20000.0f, 20000.0f);
    const auto bits = data.ConsumeIntegral<std::uint32_t>();
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

int anyButtons(FuzzedDataProvider& data) {
    // Mostly the meaningful codes, sometimes any 16-bit value.
    return data.ConsumeBool() ? data.ConsumeIntegralInRange(0, 7)
                              : data.ConsumeIntegral<std::int16_t>();
}

void sendMouse(QWidget* widget, QEvent::Type type, QPointF at, Qt::MouseButton button,
               Qt::MouseButtons held) {
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void runOperation(FuzzedDataProvider& data) {
    Slider* const sliders[] = {ui.sldn1, ui.sldn2, ui.sldVexol, ui.sldR1, ui.sldR2};
    using Handler = void (Form1::*)(int, int, float, float);
    static const Handler kSliderHandlers[] = {&Form1::sldn1_MouseMove, &Form1::sldn2_MouseMove,
                                              &Form1::sldVexol_MouseMove, &Form1::sldR1_MouseMove,
                                              &Form1::sldR2_MouseMove};
    switch (data.ConsumeIntegralInRange(0, 11)) {
    case 0: { // a slider's handler, with whatever value the slider holds
        const int which = data.ConsumeIntegralInRange(0, 4);
        sliders[which]->SetValue(data.ConsumeIntegral<int>());
        const int buttons = anyButtons(data);
        const int shift = data.ConsumeIntegralInRange(0, 7);
        const float x = anyFloat(data);
        const float y = anyFloat(data);
        (window->*kSliderHandlers[which])(buttons, shift, x, y);
        break;
    }
    case 1: {
        const int buttons = anyButtons(data);
        const float x = anyFloat(data);
        const float y = anyFloat(data);
        window->picLeft_MouseMove(buttons, 0, x, y);
        break;
    }
    case 2: {
        const int buttons = anyButtons(data);
        const float x = anyFloat(data);
        const float y = anyFloat(data);
        window->picLeft_MouseDown(buttons, 0, x, y);
        break;
    }
    case 3: {
        const int key = data.ConsumeBool() ? data.ConsumeIntegralInRange(37, 40)
                                           : data.ConsumeIntegral<std::int16_t>();
        window->picLeft_KeyDown(key, data.ConsumeIntegralInRange(0, 7));
        break;
    }
    case 4:
        window->cmdSob_Click();
        break;
    case 5:
        window->cmdRas_Click();
        break;
    case 6:
        window->cmdCx_Click();
        break;
    case 7:
        window->cmdCxOff_Click();
        break;
    case 8: { // a real drag of a slider's thumb, anywhere along the screen
        Slider* slider = sliders[data.ConsumeIntegralInRange(0, 4)];
        const QPoint grip = slider->thumbRect().center();
        sendMouse(slider, QEvent::MouseButtonPress, grip, Qt::LeftButton, Qt::LeftButton);
        const int moves = data.ConsumeIntegralInRange(1, 4);
        for (int i = 0; i < moves; ++i) {
            const QPoint to(data.ConsumeIntegralInRange(-100000, 100000),
                            data.ConsumeIntegralInRange(-1000, 1000));
            sendMouse(slider, QEvent::MouseMove, to, Qt::NoButton,
                      data.ConsumeBool() ? Qt::LeftButton : Qt::LeftButton | Qt::RightButton);
        }
        sendMouse(slider, QEvent::MouseButtonRelease, grip, Qt::LeftButton, Qt::NoButton);
        break;
    }
    case 9: { // a real pointer event on the left area, at any finite position
        const QPointF at(data.ConsumeFloatingPointInRange<double>(-1e12, 1e12),
                         data.ConsumeFloatingPointInRange<double>(-1e12, 1e12));
        if (data.ConsumeBool()) {
            const Qt::MouseButton button = data.ConsumeBool() ? Qt::LeftButton : Qt::RightButton;
            sendMouse(ui.picLeft, QEvent::MouseButtonPress, at, button, button);
            sendMouse(ui.picLeft, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
        } else {
            sendMouse(ui.picLeft, QEvent::MouseMove, at, Qt::NoButton,
                      Qt::MouseButtons::fromInt(data.ConsumeIntegralInRange(0, 7)));
        }
        break;
    }
    case 10: { // a real key press on the left area
        static const int kKeys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up,     Qt::Key_Down,
                                    Qt::Key_A,    Qt::Key_Space, Qt::Key_Escape, Qt::Key_F1};
        QKeyEvent press(QEvent::KeyPress, data.PickValueInArray(kKeys), Qt::NoModifier);
        QApplication::sendEvent(ui.picLeft, &press);
        break;
    }
    case 11:
        QCoreApplication::processEvents();
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("LC_ALL", "C.UTF-8");
    static int argc = 1;
    static char name[] = "fuzz_handlers";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
    window = new Form1;
    ui = TestSupport::controlsOf(*window);
    window->Form_Load();
    window->resize(1008, 697);
    window->show();
    startState = *window;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    resetWindow();
    FuzzedDataProvider data(bytes, size);
    for (int operations = 0; operations < 64 && data.remaining_bytes() > 0; ++operations) {
        runOperation(data);
        checkAreas();
    }
    rasterise();
    return 0;
}
