// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class Form1;
class QPagedPaintDevice;
class QPainter;

// Pages of worksheets: A4 landscape, the bench at true size (a centimetre of
// the bench is a centimetre on paper), in greyscale. A page holds the bench as
// it stands, with lines of text above and below it.
namespace Worksheets {

// What a page shows of the bench: the task (lens, axis, marks, object), the
// task of finding a focus (lens, axis, object and its image, no marks), or the
// solution, the textbook figure (names, arrows, three rays, and the aperture
// rays where the object lies beyond the aperture).
enum class Shows { Task, FocusTask, Solution };

struct Page {
    Shows shows = Shows::Task;
    QString title;     // the heading, larger
    QStringList above; // lines under the heading
    QStringList below; // lines under the bench
};

// A task of a class set on a sheet it shares with others: the bench cropped
// to what its construction needs, at true size, with its lines beside it
// where the sheet leaves room, else above it. The first line is its heading.
struct Piece {
    Shows shows = Shows::Task;
    QStringList lines;
};

class Pages;
// Fills a document with pages; false if painting failed.
using Filler = std::function<bool(Pages&)>;

// Paints pages one after another on a printer or a PDF writer.
class Pages {
public:
    Pages(Form1& window, QPainter& painter, QPagedPaintDevice& device);
    // The page drawn from the bench as it stands now.
    bool add(const Page& page);
    // A sheet begins on a new page with its heading (the first line larger);
    // a page it runs on to repeats the heading.
    bool beginSheet(const QStringList& heading);
    // The piece drawn from the bench as it stands now, below the last one of
    // the sheet, or on a new page of it where this one is full.
    bool addPiece(const Piece& piece);

private:
    bool nextPage();
    Form1& m_window;
    QPainter& m_painter;
    QPagedPaintDevice& m_device;
    int m_count = 0;
    QStringList m_heading;
    double m_y = 0;   // where the next piece starts, in painter units
    int m_onPage = 0; // pieces on the sheet's current page
};

// The document made whole in memory and written through the safe path; false
// with the reason in `why` when it could not be drawn or written.
bool writePdf(Form1& window, const QString& path, const QString& title, const Filler& fill,
              QString* why);
// The document on a printer the print dialog set up.
bool print(Form1& window, QPagedPaintDevice* device, const Filler& fill);

// The lens as a line of text: its index and radii, and with `withFocus` its
// focal lengths and power (not in a task of finding the focus).
QString lensLine(const Form1& window, bool withFocus);
// "Масштаб 1 : 5 (1 см на листе — 5 см).", for a page with the bench at its size.
QString scaleLine(const Form1& window);
// The media on both sides, for a figure too small to name them on.
QString mediaLine(const Form1& window);

} // namespace Worksheets
