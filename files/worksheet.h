// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "benchstate.h"
#include "figurenames.h"
#include "notation.h"
#include "scale.h"
#include "secondlens.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

class QPagedPaintDevice;
class QPainter;
class QWidget;

// Pages of worksheets: A4 landscape, the bench at true size (a centimetre of
// the bench is a centimetre on paper), in greyscale. A page holds the bench as
// it stands, with lines of text above and below it.
namespace Worksheets {

// What a page shows of the bench: the task (lens, axis, marks, object), the
// task of finding a focus (lens, axis, object and its image, no marks), or the
// solution, the textbook figure (names, arrows, three rays, and the aperture
// rays where the object lies beyond the aperture).
enum class Shows { Task, FocusTask, Solution };

// What the pages are drawn from: the bench's state as a plain value, how its
// lengths are written, and the window whose areas the names of the textbook
// figure make room on (their parts and the size names are measured at, read
// only). Without a window the names are placed with estimated sizes.
// A scene's mark on the axis: a line across it (a retina, a screen) reaching
// `halfHeight` each way, or with none a point on it (the eye's place, a far
// point); bench centimetres from the bench's lens line, named.
struct Across {
    double z = 0;
    QString name;
    double halfHeight = 0;
};

// The optical system the page draws in place of the bench's one lens: the
// second lens behind it, or a scene's elements (bench centimetres, the first
// on the lens line, the object where it stands), their half heights (cm; 0
// for the bench's lens bar), their names, parallel light at an angle in place
// of the object, its marks on the axis, its title and read-outs (its answer).
struct System {
    std::optional<Optics::SecondLens> secondLens;
    std::optional<Optics::Axial::System> scene;
    std::vector<double> apertures;
    std::vector<QString> elementNames;
    std::optional<double> distantAngle;
    std::vector<Across> across;
    QString title;
    QStringList readouts;
    bool twoLenses() const { return secondLens.has_value(); }
    bool shown() const { return secondLens.has_value() || scene.has_value(); }
};

struct Model {
    BenchState bench;
    System system;
    Optics::Notation notation = Optics::Notation::SignedGaussian;
    Optics::Scale scale;
    bool lensShown = true;   // the mode shows the lens's focal lengths and power
    bool layersShown = true; // the mode shows the textbook layers (the names)
    const QWidget* window = nullptr;
};

struct Page {
    Shows shows = Shows::Task;
    QString title;     // the heading, larger
    QStringList above; // lines under the heading
    QStringList below; // lines under the bench
};

// A task of a class set on a sheet it shares with others: the bench cropped
// to what its construction needs, at true size, with its lines beside it
// where the sheet leaves room, else above it. The first line is its heading.
// With a second lens the piece is the system of the two, drawn as the
// system's worksheet draws it.
struct Piece {
    Shows shows = Shows::Task;
    QStringList lines;
    BenchState bench; // the task's bench, drawn in the model's notation and scale
    std::optional<Optics::SecondLens> second;
};

class Pages;
// Fills a document with pages; false if painting failed.
using Filler = std::function<bool(Pages&)>;

// Paints pages one after another on a printer or a PDF writer.
class Pages {
public:
    Pages(const Model& model, QPainter& painter, QPagedPaintDevice& device);
    // The page drawn from the model's bench.
    bool add(const Page& page);
    // A sheet begins on a new page with its heading (the first line larger);
    // a page it runs on to repeats the heading.
    bool beginSheet(const QStringList& heading);
    // The piece drawn from its own bench, below the last one of the sheet, or
    // on a new page of it where this one is full.
    bool addPiece(const Piece& piece);

private:
    bool nextPage();
    const Model& m_model;
    QPainter& m_painter;
    QPagedPaintDevice& m_device;
    int m_count = 0;
    QStringList m_heading;
    double m_y = 0;   // where the next piece starts, in painter units
    int m_onPage = 0; // pieces on the sheet's current page
};

// The document made whole in memory and written through the safe path; false
// with the reason in `why` when it could not be drawn or written.
bool writePdf(const Model& model, const QString& path, const QString& title, const Filler& fill,
              QString* why);
// The same document made whole in memory; nothing when it could not be drawn.
std::optional<QByteArray> pdf(const Model& model, const QString& title, const Filler& fill);
// The document on a printer the print dialog set up.
bool print(const Model& model, QPagedPaintDevice* device, const Filler& fill);
// Prepares a printer or PDF writer for the pages: A4 landscape, no margins.
void prepare(QPagedPaintDevice* device);

// The bench's own worksheet: the task, then its solution.
bool fillWorksheet(Pages& pages, const Model& model);
// Its title, the PDF's.
QString worksheetTitle();
// The names on a solution's figure of `bench`: placed around its construction
// on the window's areas as they stand, or with `ownBench` around the marks
// and lens as this bench puts them (a class set's task).
FigureNames solutionNames(const Model& model, const BenchState& bench, bool ownBench);

// The lens as a line of text: its index and radii, and with `withFocus` its
// focal lengths and power (not in a task of finding the focus).
QString lensLine(const Model& model, const BenchState& bench, bool withFocus);
// "Масштаб 1 : 5 (1 см на листе — 5 см).", for a page with the bench at its size.
QString scaleLine(Optics::Scale scale);
// The media on both sides, for a figure too small to name them on.
QString mediaLine(const BenchState& bench);

// The model of a bench of its own (a class set's task): the model's notation,
// scale and window, this bench, and the second lens behind it if it has one.
Model modelOf(const Model& model, const BenchState& bench,
              const std::optional<Optics::SecondLens>& second);
// Of a model with a second lens: the second lens as a line (its index, radii,
// place behind the first, and with `withFocus` its focal lengths and power);
// the object as the system's first lens sees it, "d₁ = 8,38 см   h = 1,20 см";
// the system's answer, the final image's distances, kind and magnifications.
QString secondLensLine(const Model& model, bool withFocus);
QString systemObjectLine(const Model& model);
QStringList systemAnswer(const Model& model);

} // namespace Worksheets
