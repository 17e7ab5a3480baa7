// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphpalette.h"
#include "lens.h"
#include "measurement.h"
#include "notation.h"
#include "secondlens.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <optional>
#include <vector>

class MeasurementTable;
class QAbstractSeries;
class QAreaSeries;
class QCategoryAxis;
class QChart;
class QChartView;
class QGraphicsEllipseItem;
class QGraphicsSimpleTextItem;
class QLineSeries;
class QPushButton;
class QScatterSeries;

// The graph beside the bench: b against d with its asymptotes d = f and
// b = f′ dashed, Γ against d below it, the regions of object distance tinted
// and named, the object now on the bench as a marked point, and the table of
// measurements, whose rows show as points too. It reads the optics model only;
// the bench tells it what changed. It stands in the main window, right of the
// bench, or in a window of its own for a second screen.
class GraphWindow : public QWidget {
    Q_OBJECT

public:
    // The width the docked graph takes beside the laid-out face, in twips of
    // the face: the fit scales both together.
    static constexpr double kDockedWidth = 6450;

    // `host` is the main window it docks in.
    explicit GraphWindow(QWidget* host);

    // The twips the fit leaves for it beside the face: its width while it is
    // shown in the main window, none while hidden or in a window of its own.
    double reservedWidth() const;
    bool docked() const;
    // Into a window of its own and back into the main window.
    void setDetached(bool detached);
    // Where the main window's fit puts it (used while docked), and the fit,
    // which its texts follow.
    void fitBeside(QRect pixels, double zoom);

    // The lens and the object as they stand now. The curves are computed anew
    // only when the lens changed; the object's point moves every time.
    // `objectShown` is false while the bench shows no object.
    // Its lengths are real ones at the bench's scale. With a second lens the
    // plots are those of the final image: b behind the second lens, Γ = Γ₁·Γ₂.
    void follow(const Optics::Lens& lens, Optics::Scale scale, bool objectShown, double objectX,
                double objectY, const std::optional<Optics::SecondLens>& second = std::nullopt);

    // The main window's zoom, for a projector: the texts scale with it.
    void setZoom(double zoom);
    // The bench's palette: the classic colours or those told apart with a
    // colour-vision deficiency.
    void setSafePalette(bool safe);
    // The letters of the titles, the axes, the regions and the table.
    void setNotation(Optics::Notation notation);
    Optics::Notation notation() const;
    // The colour of the object's point now, for a check.
    QColor objectColour() const;

    MeasurementTable* table() const { return m_table; }

    // Where the object's point stands on each plot, in plot units (d, b) and
    // (d, Γ); empty while none is shown.
    QList<QPointF> objectPoints() const;
    // The plotted curves (d, b) and (d, Γ), for a check against the model.
    QList<QPointF> imageCurvePoints() const;
    QList<QPointF> magnificationCurvePoints() const;
    // The plot area of the b(d) chart and a point of it, in this window's pixels.
    QPointF imagePlotPixel(QPointF value) const;
    // The texts the axes are marked with, as shown, left to right or bottom to top.
    QStringList tickLabels(bool imagePlot, Qt::Orientation axis) const;

signals:
    // Shown, hidden, detached or docked: the main window shares its room anew.
    void placementChanged();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    struct Plot {
        QChart* chart = nullptr;
        QChartView* view = nullptr;
        QCategoryAxis* x = nullptr;
        QCategoryAxis* y = nullptr;
        std::vector<QLineSeries*> branches;
        QLineSeries* vertical = nullptr;   // d = f
        QLineSeries* horizontal = nullptr; // b = f′ (on the b plot only)
        std::vector<QAreaSeries*> regions;
        std::vector<QGraphicsSimpleTextItem*> labels; // the regions' names
        std::vector<double> middles;                  // d at the middle of each
        QScatterSeries* object = nullptr;             // the legend's entry for the point
        // The object's point itself: an item of its own over the cached
        // curves, so that moving it repaints a few pixels only.
        QGraphicsEllipseItem* marker = nullptr;
        QList<QPointF> at;
        QScatterSeries* recorded = nullptr;
    };
    void buildPlot(Plot* plot, double yLimit, bool imagePlot);
    void attach(Plot* plot, QAbstractSeries* series);
    void showCurves();
    void showRegions(Plot* plot, double yLimit);
    void showRecorded();
    void placeLabels(Plot* plot);
    void placeMarker(Plot* plot);
    void keyEntries(Plot* plot);
    void colour(Plot* plot);
    void markAxes(Plot* plot);
    void cacheStill(Plot* plot);
    void growHost(bool grow);

    Plot m_b;
    Plot m_gamma;
    MeasurementTable* m_table;
    QWidget* m_host;
    QPushButton* m_detach;
    int m_hostGrownBy = 0; // pixels the main window widened to make room
    Optics::Lens m_lens;
    std::optional<Optics::SecondLens> m_second;
    // While the second lens is dragged its curves are drawn anew at most every
    // kCurvesInterval, the last place always: replotting them costs a chart
    // ten times the rest of a drag event.
    QElapsedTimer m_sinceCurves;
    QTimer m_curvesLater;
    Optics::Scale m_scale;
    void nameAsymptotes();
    // The plotted range of d and of b, real centimetres at the scale.
    double distanceRange() const;
    double imageLimit() const;
    bool m_curvesShown = false;
    double m_zoom = 0;
    const GraphColours* m_colours = &GraphColours::classic();
    std::optional<Optics::Notation> m_notation; // none until first told
};
