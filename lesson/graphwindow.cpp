// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphwindow.h"

#include "axisticks.h"
#include "bench.h"
#include "benchoptics.h"
#include "graphtitles.h"
#include "imagecurve.h"
#include "markerdot.h"
#include "measurementtable.h"
#include "readout.h"
#include "screeninfo.h"

#include <QAreaSeries>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QGraphicsEllipseItem>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QPushButton>
#include <QScatterSeries>
#include <QScreen>
#include <QShowEvent>
#include <QSplitter>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {
// The plotted ranges: d over the whole left area, b and Γ far enough to show
// the curves run off towards their asymptotes.
constexpr double kDistanceRange = Bench::kAreaWidth / Bench::kTwipsPerCm;
constexpr double kImageLimit = 30;
constexpr double kMagnificationLimit = 6;
// The panel's font of the layout: at the fit to 1080 lines the tick labels
// are some 17 px high.
constexpr double kBaseFontPoints = 9.75;
// Tick labels show at least this many decimals ("−15,0"), more if the step needs.
constexpr int kFewestTickDecimals = 1;
// The room a tick label needs along its axis. Across, the charts give each
// label the axis's length shared among the marks and one more, less their
// padding of 4 chart pixels on either side, and shorten a longer one to "…".
// Up, a line and a half.
constexpr double kLabelPadding = 4;
constexpr double kLinesPerVerticalTick = 1.5;
constexpr double kObjectMarkerSize = 12;
constexpr double kRecordedMarkerSize = 8;
constexpr int kCurveWidth = 2;
// The least time between two plots of the curves while the second lens is
// dragged, ms: ten a second keep up with a hand.
constexpr qint64 kCurvesInterval = 100;
// The regions in the order they are named: d > 2f, f < d < 2f, d < f, and
// the diverging lens's one.
constexpr std::size_t kMiddleRegion = 1;
constexpr int kLaidOutWidth = 760;
constexpr int kLaidOutHeight = 900;
// The regions' names stand over the curves, beneath the object's point.
constexpr double kRegionNameZ = 100;

QList<QPointF> pointsOf(const std::vector<QLineSeries*>& branches) {
    QList<QPointF> points;
    for (QLineSeries* series : branches)
        if (series->isVisible())
            points.append(series->points());
    return points;
}

// A region's name on a light ground: where its band is narrow the name runs
// over the asymptote and the curve, and stays legible above them.
class RegionName : public QGraphicsSimpleTextItem {
public:
    using QGraphicsSimpleTextItem::QGraphicsSimpleTextItem;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option,
               QWidget* widget) override {
        constexpr int kGroundAlpha = 190;
        painter->fillRect(boundingRect(), QColor(255, 255, 255, kGroundAlpha));
        QGraphicsSimpleTextItem::paint(painter, option, widget);
    }
};
} // namespace

GraphWindow::GraphWindow(QWidget* host) : QWidget(host), m_host(host) {
    setObjectName(QStringLiteral("graphWindow"));
    m_curvesLater.setSingleShot(true);
    connect(&m_curvesLater, &QTimer::timeout, this, [this] { showCurves(); });
    // Docked, it stands over the window's face colour.
    setAutoFillBackground(true);
    buildPlot(&m_b, kImageLimit, true);
    buildPlot(&m_gamma, kMagnificationLimit, false);
    m_table = new MeasurementTable(this);
    m_detach = new QPushButton(tr("Отдельное окно"), this);
    m_detach->setObjectName(QStringLiteral("cmdDetachGraph"));
    m_detach->setCheckable(true);
    m_detach->setToolTip(tr("График в отдельном окне, например на втором экране; "
                            "нажать снова, чтобы вернуть его к скамье"));
    m_detach->setAccessibleName(m_detach->text());
    connect(m_detach, &QPushButton::toggled, this, [this](bool on) { setDetached(on); });
    connect(m_table, &MeasurementTable::rowsChanged, this, [this] { showRecorded(); });

    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(m_b.view);
    splitter->addWidget(m_gamma.view);
    splitter->addWidget(m_table);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 3);
    splitter->setStretchFactor(2, 2);
    splitter->setSizes({kLaidOutHeight * 3 / 8, kLaidOutHeight * 3 / 8, kLaidOutHeight * 2 / 8});
    auto* top = new QHBoxLayout;
    top->addStretch();
    top->addWidget(m_detach);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top);
    layout->addWidget(splitter);
    setZoom(1);
    setNotation(Optics::Notation::SignedGaussian);
}

void GraphWindow::attach(Plot* plot, QAbstractSeries* series) {
    plot->chart->addSeries(series);
    series->attachAxis(plot->x);
    series->attachAxis(plot->y);
}

void GraphWindow::buildPlot(Plot* plot, double yLimit, bool imagePlot) {
    plot->chart = new QChart;
    plot->chart->legend()->setAlignment(Qt::AlignBottom);
    plot->x = new QCategoryAxis;
    plot->x->setRange(0, kDistanceRange);
    plot->y = new QCategoryAxis;
    plot->y->setRange(-yLimit, yLimit);
    for (QCategoryAxis* axis : {plot->x, plot->y})
        axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    plot->chart->addAxis(plot->x, Qt::AlignBottom);
    plot->chart->addAxis(plot->y, Qt::AlignLeft);
    // Hairline grids, axes and ticks, one device pixel as the theme's width 1
    // is at DPR 1: a line with a pen of some width finds its bounding box by
    // stroking its outline, and the view asks for every line's box each time
    // the moving point is repainted.
    for (QCategoryAxis* axis : {plot->x, plot->y}) {
        QPen grid = axis->gridLinePen();
        grid.setWidth(0);
        axis->setGridLinePen(grid);
        QPen minor = axis->minorGridLinePen();
        minor.setWidth(0);
        axis->setMinorGridLinePen(minor);
        QPen line = axis->linePen();
        line.setWidth(0);
        axis->setLinePen(line);
    }
    plot->view = new QChartView(plot->chart, this);
    plot->view->setObjectName(imagePlot ? QStringLiteral("chartImage")
                                        : QStringLiteral("chartMagnification"));
    plot->view->setRenderHint(QPainter::Antialiasing);
    plot->view->setViewportUpdateMode(QGraphicsView::MinimalViewportUpdate);

    // The regions lie beneath everything else.
    // Each is named inside the plot, at its top: the textbook's inequality.
    for (int i = 0; i < 4; ++i) {
        auto* area = new QAreaSeries(new QLineSeries(this), new QLineSeries(this));
        area->setBorderColor(Qt::transparent);
        attach(plot, area);
        plot->regions.push_back(area);
        for (auto* marker : plot->chart->legend()->markers(area))
            marker->setVisible(false);
        plot->labels.push_back(new RegionName(plot->chart));
        plot->labels.back()->setZValue(kRegionNameZ);
        plot->middles.push_back(0);
    }
    connect(plot->chart, &QChart::plotAreaChanged, this, [this, plot] { placeLabels(plot); });
    // The marks change the layout they are measured from: after it settles.
    connect(
        plot->chart, &QChart::plotAreaChanged, this, [this, plot] { markAxes(plot); },
        Qt::QueuedConnection);
    plot->vertical = new QLineSeries;
    attach(plot, plot->vertical);
    if (imagePlot) {
        plot->horizontal = new QLineSeries;
        attach(plot, plot->horizontal);
    }
    plot->recorded = new QScatterSeries;
    plot->recorded->setName(tr("измерения"));
    plot->recorded->setMarkerSize(kRecordedMarkerSize);
    attach(plot, plot->recorded);
    plot->object = new QScatterSeries;
    plot->object->setName(tr("предмет"));
    plot->object->setMarkerSize(kObjectMarkerSize);
    attach(plot, plot->object);
    plot->marker = new MarkerDot(kObjectMarkerSize, plot->chart);
    plot->marker->setZValue(1000);
    plot->marker->setVisible(false);
    connect(plot->chart, &QChart::plotAreaChanged, this, [this, plot] { placeMarker(plot); });
    colour(plot);
    keyEntries(plot);
}

// Every series and the marker of a plot in the colours now in force.
void GraphWindow::colour(Plot* plot) {
    const GraphColours& c = *m_colours;
    for (std::size_t i = 0; i < plot->regions.size(); ++i)
        plot->regions[i]->setColor(c.regions[i]);
    const QPen dashed(c.asymptote, 1, Qt::DashLine);
    plot->vertical->setPen(dashed);
    if (plot->horizontal)
        plot->horizontal->setPen(dashed);
    const QPen curve(plot == &m_b ? c.imageCurve : c.magnificationCurve, kCurveWidth);
    for (QLineSeries* series : plot->branches)
        series->setPen(curve);
    plot->recorded->setColor(c.recorded);
    plot->recorded->setBorderColor(c.recorded);
    plot->object->setColor(c.object);
    plot->object->setBorderColor(c.object);
    plot->marker->setBrush(c.object);
    plot->marker->setPen(QPen(c.object));
}

Optics::Notation GraphWindow::notation() const {
    return m_notation.value_or(Optics::Notation::SignedGaussian);
}

void GraphWindow::setNotation(Optics::Notation notation) {
    if (m_notation == notation)
        return;
    const bool resigned = !m_notation || Optics::lettersOf(*m_notation).unsignedMagnification !=
                                             Optics::lettersOf(notation).unsignedMagnification;
    m_notation = notation;
    setWindowTitle(GraphTitles::windowTitle(notation));
    m_b.chart->setTitle(GraphTitles::imageDistancePlot(notation));
    m_gamma.chart->setTitle(GraphTitles::magnificationPlot(notation));
    m_b.y->setTitleText(GraphTitles::imageDistanceAxis(notation));
    m_gamma.y->setTitleText(GraphTitles::magnificationAxis(notation));
    const QString regionNames[] = {Readout::region(notation, Optics::ObjectRegion::BeyondTwoF),
                                   Readout::region(notation, Optics::ObjectRegion::BetweenFAndTwoF),
                                   Readout::region(notation, Optics::ObjectRegion::InsideF),
                                   tr("мнимое, уменьшенное")};
    for (Plot* plot : {&m_b, &m_gamma}) {
        const bool imagePlot = plot == &m_b;
        plot->view->setAccessibleName(plot->chart->title());
        plot->x->setTitleText(GraphTitles::objectDistanceAxis(notation));
        for (std::size_t i = 0; i < plot->regions.size(); ++i) {
            plot->regions[i]->setName(regionNames[i]);
            plot->labels[i]->setText(regionNames[i]);
        }
        for (QLineSeries* series : plot->branches)
            series->setName(imagePlot ? GraphTitles::imageDistanceCurve(notation)
                                      : GraphTitles::magnificationCurve(notation));
        placeLabels(plot);
    }
    nameAsymptotes();
    m_table->setNotation(notation);
    // The magnification plotted signed or as its size alone, from 0 up.
    if (!resigned)
        return;
    const bool sizeAlone = Optics::lettersOf(notation).unsignedMagnification;
    m_gamma.y->setRange(sizeAlone ? 0 : -kMagnificationLimit, kMagnificationLimit);
    markAxes(&m_gamma);
    if (m_curvesShown)
        showCurves();
    showRecorded();
}

void GraphWindow::setSafePalette(bool safe) {
    const GraphColours* wanted = safe ? &GraphColours::safe() : &GraphColours::classic();
    if (wanted == m_colours)
        return;
    m_colours = wanted;
    for (Plot* plot : {&m_b, &m_gamma})
        colour(plot);
}

void GraphWindow::placeMarker(Plot* plot) {
    const bool shown =
        !plot->at.isEmpty() && plot->chart->plotArea().contains(
                                   plot->chart->mapToPosition(plot->at.front(), plot->object));
    plot->marker->setVisible(shown);
    if (shown)
        plot->marker->setPos(plot->chart->mapToPosition(plot->at.front(), plot->object));
}

// The key is shared between the plots, so that each legend fits the width of
// a laptop's panel: the b plot names its curve (one entry however many
// branches it has) and the asymptotes, the Γ plot the points on both.
void GraphWindow::keyEntries(Plot* plot) {
    const bool imagePlot = plot == &m_b;
    const auto show = [plot](QAbstractSeries* series, bool shown) {
        if (series)
            for (auto* marker : plot->chart->legend()->markers(series))
                marker->setVisible(shown && series->isVisible());
    };
    for (std::size_t i = 0; i < plot->branches.size(); ++i)
        show(plot->branches[i], imagePlot && i == 0);
    show(plot->vertical, imagePlot);
    show(plot->horizontal, imagePlot);
    show(plot->object, !imagePlot);
    show(plot->recorded, !imagePlot);
}

void GraphWindow::setZoom(double zoom) {
    if (zoom == m_zoom || !(zoom > 0))
        return;
    m_zoom = zoom;
    QFont text = font();
    text.setPointSizeF(kBaseFontPoints * zoom);
    QFont title = text;
    title.setBold(true);
    for (Plot* plot : {&m_b, &m_gamma}) {
        plot->chart->setTitleFont(title);
        plot->chart->legend()->setFont(text);
        for (QGraphicsSimpleTextItem* label : plot->labels)
            label->setFont(text);
        for (QCategoryAxis* axis : {plot->x, plot->y}) {
            axis->setLabelsFont(text);
            axis->setTitleFont(text);
        }
        markAxes(plot);
    }
    m_table->setFont(text);
    m_detach->setFont(text);
}

// Marks on round values, as many as the labels leave room for; the axes are
// left alone while the marks stay the same, so a relayout settles.
void GraphWindow::markAxes(Plot* plot) {
    const QRectF area = plot->chart->plotArea();
    if (area.isEmpty())
        return;
    for (QCategoryAxis* axis : {plot->x, plot->y}) {
        const QFontMetricsF metrics(axis->labelsFont());
        const bool across = axis == plot->x;
        const double widest =
            std::max(metrics.horizontalAdvance(readoutNumber(axis->min(), kFewestTickDecimals)),
                     metrics.horizontalAdvance(readoutNumber(axis->max(), kFewestTickDecimals)));
        const double length = across ? area.width() : area.height();
        const int most = across ? int(length / (widest + 2 * kLabelPadding)) - 1
                                : int(length / (kLinesPerVerticalTick * metrics.height())) + 1;
        const Optics::AxisTicks ticks = Optics::roundTicks(axis->min(), axis->max(), most);
        QStringList labels;
        for (double value : ticks.values)
            labels.append(readoutNumber(value, std::max(kFewestTickDecimals, ticks.decimals)));
        if (labels == axis->categoriesLabels())
            continue;
        for (const QString& old : axis->categoriesLabels())
            axis->remove(old);
        // The first mark may lie on the axis's start: the categories begin a step before.
        axis->setStartValue(axis->min() - ticks.step);
        for (qsizetype i = 0; i < labels.size(); ++i)
            axis->append(labels[i], ticks.values[std::size_t(i)]);
    }
    cacheStill(plot);
}

QStringList GraphWindow::tickLabels(bool imagePlot, Qt::Orientation orientation) const {
    const Plot& plot = imagePlot ? m_b : m_gamma;
    return (orientation == Qt::Horizontal ? plot.x : plot.y)->categoriesLabels();
}

double GraphWindow::reservedWidth() const {
    return docked() && !isHidden() ? kDockedWidth : 0;
}

bool GraphWindow::docked() const {
    return !isWindow();
}

void GraphWindow::fitBeside(QRect pixels, double zoom) {
    setZoom(zoom);
    if (docked() && !isHidden())
        setGeometry(pixels);
}

void GraphWindow::setDetached(bool detached) {
    if (detached == !docked())
        return;
    const bool shown = !isHidden();
    hide();
    setParent(m_host, detached ? Qt::Window : Qt::Widget);
    if (detached) {
        // Beside the main window, as large as the layout and the screen allow.
        QSize wanted = QSize(kLaidOutWidth, kLaidOutHeight) * m_zoom;
        QRect placed(m_host->frameGeometry().topRight() + QPoint(1, 0), wanted);
        if (const QScreen* display = m_host->screen()) {
            const QRect room = display->availableGeometry();
            placed.setSize(wanted.boundedTo(room.size()));
            if (placed.right() > room.right())
                placed.moveRight(room.right());
        }
        setGeometry(placed);
    }
    const QSignalBlocker quiet(m_detach);
    m_detach->setChecked(detached);
    m_detach->setText(detached ? tr("Вернуть к скамье") : tr("Отдельное окно"));
    if (shown)
        show();
    emit placementChanged();
}

// A main window that is neither maximised nor full screen widens by the
// graph's width, as far as its screen has room, so the bench keeps its size;
// it narrows again when the graph goes.
void GraphWindow::growHost(bool grow) {
    if (m_host->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    if (!grow) {
        if (m_hostGrownBy > 0)
            m_host->resize(m_host->width() - m_hostGrownBy, m_host->height());
        m_hostGrownBy = 0;
        return;
    }
    const QScreen* display = m_host->screen();
    if (m_hostGrownBy > 0 || !display)
        return;
    const QRect room = display->availableGeometry();
    const QRect frame = m_host->frameGeometry();
    const double wanted =
        ScreenInfo(m_host->logicalDpiX(), ScreenInfo::zoomOf(m_host)).toPixels(kDockedWidth);
    m_hostGrownBy = std::clamp(room.width() - frame.width(), 0, int(std::lround(wanted)));
    if (m_hostGrownBy == 0)
        return;
    m_host->resize(m_host->width() + m_hostGrownBy, m_host->height());
    const int over = frame.right() + m_hostGrownBy - room.right();
    if (over > 0)
        m_host->move(m_host->x() - over, m_host->y());
}

void GraphWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    if (docked())
        growHost(true);
    emit placementChanged();
}

void GraphWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    // Only its own hiding, not the main window's.
    if (event->spontaneous() || !isHidden())
        return;
    growHost(false);
    emit placementChanged();
}

// One lens: d = F and b = F′ (or F where the notation gives one). A system:
// where its final image runs to infinity, and where a distant object's final
// image stands, which no one focal length of its lenses names.
void GraphWindow::nameAsymptotes() {
    const Optics::Notation n = notation();
    const QString vertical =
        m_second ? tr("A₂B₂ на бесконечности") : GraphTitles::verticalAsymptote(n);
    const QString horizontal =
        m_second ? tr("предмет на бесконечности") : GraphTitles::horizontalAsymptote(n, m_lens);
    for (Plot* plot : {&m_b, &m_gamma}) {
        if (plot->vertical->name() != vertical)
            plot->vertical->setName(vertical);
        if (plot->horizontal && plot->horizontal->name() != horizontal)
            plot->horizontal->setName(horizontal);
    }
}

void GraphWindow::showRegions(Plot* plot, double yLimit) {
    const bool converging = Optics::converges(Optics::power(m_lens));
    const Optics::FocalLengths focal = Optics::focalLengths(m_lens);
    const double f = m_scale.realOfBenchCm(focal.front);
    const bool finite = focal.finite;
    // The bounds of d > 2f, f < d < 2f, d < f, and the one region of a
    // diverging lens; a region outside the plotted range is hidden.
    const double range = distanceRange();
    const double bounds[4][2] = {{2 * f, range}, {f, 2 * f}, {0, f}, {0, range}};
    for (int i = 0; i < 4; ++i) {
        // The regions of one lens's object say nothing of a system's image.
        const bool wanted = finite && !m_second && (i == 3 ? !converging : converging);
        const double from = std::max(0.0, bounds[i][0]);
        const double to = std::min(range, bounds[i][1]);
        QAreaSeries* area = plot->regions[std::size_t(i)];
        const bool shown = wanted && to > from;
        area->setVisible(shown);
        plot->labels[std::size_t(i)]->setVisible(shown);
        plot->middles[std::size_t(i)] = (from + to) / 2;
        if (!shown)
            continue;
        area->upperSeries()->replace({QPointF(from, yLimit), QPointF(to, yLimit)});
        area->lowerSeries()->replace({QPointF(from, -yLimit), QPointF(to, -yLimit)});
    }
}

void GraphWindow::showCurves() {
    m_curvesLater.stop();
    m_sinceCurves.start();
    const Optics::ImageCurves curves =
        m_second ? Optics::imageCurves(Optics::withSecondLens(Optics::systemOf(m_lens), *m_second),
                                       Optics::CurveRange{})
                 : Optics::imageCurves(m_lens, Optics::CurveRange{});
    for (Plot* plot : {&m_b, &m_gamma}) {
        const bool imagePlot = plot == &m_b;
        while (plot->branches.size() < curves.branches.size()) {
            auto* series = new QLineSeries;
            series->setPen(QPen(imagePlot ? m_colours->imageCurve : m_colours->magnificationCurve,
                                kCurveWidth));
            series->setName(imagePlot ? GraphTitles::imageDistanceCurve(notation())
                                      : GraphTitles::magnificationCurve(notation()));
            attach(plot, series);
            plot->branches.push_back(series);
        }
        for (std::size_t i = 0; i < plot->branches.size(); ++i) {
            QLineSeries* series = plot->branches[i];
            const bool used = i < curves.branches.size();
            series->setVisible(used);
            QList<QPointF> points;
            if (used) {
                points.reserve(qsizetype(curves.branches[i].size()));
                // The curves are sampled on the bench; the axes are real.
                for (const Optics::CurvePoint& p : curves.branches[i])
                    points.append(
                        QPointF(m_scale.realOfBenchCm(p.d),
                                imagePlot ? m_scale.realOfBenchCm(p.b)
                                          : Optics::magnificationIn(notation(), p.magnification)));
            }
            series->replace(points);
        }
        const double yLimit = imagePlot ? imageLimit() : kMagnificationLimit;
        const double front = m_scale.realOfBenchCm(curves.front);
        const double back = m_scale.realOfBenchCm(curves.back);
        const bool vertical = curves.finite && front > 0 && front < distanceRange();
        plot->vertical->setVisible(vertical);
        plot->vertical->replace(
            vertical ? QList<QPointF>{QPointF(front, -yLimit), QPointF(front, yLimit)}
                     : QList<QPointF>{});
        if (plot->horizontal) {
            const bool horizontal = curves.finite && std::fabs(back) < imageLimit();
            plot->horizontal->setVisible(horizontal);
            plot->horizontal->replace(
                horizontal ? QList<QPointF>{QPointF(0, back), QPointF(distanceRange(), back)}
                           : QList<QPointF>{});
        }
        keyEntries(plot);
        showRegions(plot, yLimit);
        placeLabels(plot);
        placeMarker(plot);
        cacheStill(plot);
    }
}

// The curves, regions and grid change only with the lens, the fit and the
// marks: kept as pixmaps, so the moving point repaints over them cheaply. The
// pixmaps are made anew after each such change. Texts are left out: a cached
// title laid out anew kept its old, empty picture.
void GraphWindow::cacheStill(Plot* plot) {
    const QList<QGraphicsItem*> items = plot->chart->childItems();
    for (QGraphicsItem* item : items) {
        if (item == plot->marker || dynamic_cast<QGraphicsTextItem*>(item))
            continue;
        item->setCacheMode(QGraphicsItem::NoCache);
        item->setCacheMode(QGraphicsItem::DeviceCoordinateCache);
    }
}

void GraphWindow::placeLabels(Plot* plot) {
    const QRectF area = plot->chart->plotArea();
    for (std::size_t i = 0; i < plot->labels.size(); ++i) {
        QGraphicsSimpleTextItem* label = plot->labels[i];
        const double x = plot->chart->mapToPosition(QPointF(plot->middles[i], 0), plot->object).x();
        const QRectF box = label->boundingRect();
        // The middle region, f < d < 2f, is as narrow as d < f beside it: its
        // name stands a line lower, so the two never run into each other.
        const double row = i == kMiddleRegion ? 1 : 0;
        label->setPos(x - box.width() / 2, area.top() + box.height() * (row + 0.25));
    }
}

void GraphWindow::showRecorded() {
    QList<QPointF> images, magnifications;
    for (const Measurements::Row& row : m_table->rows()) {
        if (row.kind == Optics::ImageKind::None)
            continue;
        images.append(QPointF(row.d, row.b));
        magnifications.append(
            QPointF(row.d, Optics::magnificationIn(notation(), row.magnification)));
    }
    m_b.recorded->replace(images);
    m_gamma.recorded->replace(magnifications);
}

double GraphWindow::distanceRange() const {
    return m_scale.realOfBenchCm(kDistanceRange);
}

double GraphWindow::imageLimit() const {
    return m_scale.realOfBenchCm(kImageLimit);
}

void GraphWindow::follow(const Optics::Lens& lens, Optics::Scale scale, bool objectShown,
                         double objectX, double objectY,
                         const std::optional<Optics::SecondLens>& second) {
    if (scale != m_scale) {
        // The same curves on axes K times as long.
        m_scale = scale;
        m_curvesShown = false;
        for (Plot* plot : {&m_b, &m_gamma}) {
            plot->x->setRange(0, distanceRange());
            if (plot == &m_b)
                plot->y->setRange(-imageLimit(), imageLimit());
            markAxes(plot);
        }
    }
    // Only the second lens moved, and its curves were drawn a moment ago:
    // they follow when the interval is over.
    const bool moved = m_curvesShown && lens == m_lens && second && m_second &&
                       second->lens == m_second->lens && second->after == m_second->after;
    if (moved && second != m_second && m_sinceCurves.isValid() &&
        m_sinceCurves.elapsed() < kCurvesInterval) {
        m_second = second;
        if (!m_curvesLater.isActive())
            m_curvesLater.start(int(kCurvesInterval - m_sinceCurves.elapsed()));
    } else if (!m_curvesShown || lens != m_lens || second != m_second) {
        m_lens = lens;
        m_second = second;
        m_curvesShown = true;
        showCurves();
        // One medium or two: the image's asymptote is named f = F or f = F′.
        nameAsymptotes();
    }
    QList<QPointF> image, magnification;
    if (objectShown && second) {
        // The final image, traced through both lenses.
        const Optics::Axial::Image at = Optics::Axial::imageOf(Optics::withSecondLens(
            Optics::systemOf(lens, {Bench::zOf(objectX), Bench::heightOf(objectY)}), *second));
        if (at.kind != Optics::ImageKind::None) {
            const double d = scale.realOfBenchCm(-Bench::zOf(objectX));
            image.append(QPointF(d, scale.realOfBenchCm(at.distance)));
            magnification.append(QPointF(d, Optics::magnificationIn(notation(), at.magnification)));
        }
    } else if (objectShown) {
        const Bench::Image at = Bench::imageOf(lens, objectX, objectY);
        if (at.kind != Optics::ImageKind::None) {
            const double d = Bench::realCm(scale, at.d);
            image.append(QPointF(d, Bench::realCm(scale, at.b)));
            magnification.append(QPointF(d, Optics::magnificationIn(notation(), at.magnification)));
        }
    }
    for (auto [plot, points] : {std::pair{&m_b, image}, std::pair{&m_gamma, magnification}}) {
        if (plot->at == points)
            continue;
        plot->at = points;
        placeMarker(plot);
    }
}

QList<QPointF> GraphWindow::objectPoints() const {
    return m_b.at + m_gamma.at;
}

QList<QPointF> GraphWindow::imageCurvePoints() const {
    return pointsOf(m_b.branches);
}

QList<QPointF> GraphWindow::magnificationCurvePoints() const {
    return pointsOf(m_gamma.branches);
}

QPointF GraphWindow::imagePlotPixel(QPointF value) const {
    const QPointF inChart = m_b.chart->mapToPosition(value, m_b.object);
    // (the object's series carries the axes of the plot)
    const QPoint inView = m_b.view->mapFromScene(m_b.chart->mapToScene(inChart));
    return QPointF(m_b.view->mapTo(this, inView));
}

QColor GraphWindow::objectColour() const {
    return m_b.marker->brush().color();
}
