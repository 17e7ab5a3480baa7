// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "actions.h"
#include "classset.h"
#include "laboratory.h"
#include "measurement.h"
#include "taskrecord.h"
#include "worksheet.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDate>
#include <QString>
#include <array>
#include <optional>
#include <string>
#include <vector>

// Files written out, one exporter per format. Each makes its bytes whole in
// memory from a model, a plain value handed over (the bench's state, the
// table's rows, the laboratory's record, the pupil's answers), and the one
// safe write path puts them on disk or leaves the old file as it was. None
// reads a control or changes the window's bench: a worksheet's figure is the
// construction of the model's bench, not a picture of the areas.
namespace Export {

// The formats' names, in a translation context of their own.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Export)
};

// The table of measurements as it is shown: its column titles, its rows in
// the lengths shown, the words for each kind of image and the decimal mark.
struct Table {
    std::vector<std::string> header;
    std::vector<Measurements::Row> rows;
    std::array<std::string, 3> kinds; // none, real, virtual
    char decimalMark = '.';
};

// Everything a format may need; each takes only its part.
struct Model {
    // The bench, its notation and scale, what the mode shows of it, and the
    // window whose picture is the bench's and whose areas the names make room
    // on (read only).
    Worksheets::Model bench;
    ClassSet classSet;
    Table table;
    std::vector<Lab::Row> labRows;
    QString labAuthor;
    QDate date;
    // The pupil's answers, for the results file and page; their points are
    // the bench's cm, shown in the real cm of bench.scale.
    std::vector<Tasks::Answer> answers;
    QString pupil; // their name, for the results' page
};

// The bytes, or the reason there are none; a reason that concerns the file
// (too large for its reader) is told with the file's name, as the safe path
// tells its own.
struct Bytes {
    std::optional<QByteArray> bytes;
    QString why;
    bool aboutFile = false;
};

class Exporter {
public:
    virtual ~Exporter() = default;
    // Its name for menus and dialogs, translated: "Рисунок PNG".
    virtual QString name() const = 0;
    // The file suffix without the dot: "png".
    virtual QString suffix() const = 0;
    // The action it is offered under; the mode allows it or not.
    virtual Action action() const = 0;
    // Its name for the command line's --export (the suffix where that is
    // unique).
    virtual QString key() const { return suffix(); }
    virtual Bytes bytes(const Model& model) const = 0;

    // "Рисунок PNG (*.png)", for a file dialog.
    QString filter() const;
    // Made and written through the safe path: empty, or why not (the reason
    // as given when nothing could be made, the safe path's words otherwise).
    QString write(const Model& model, const QString& path) const;
};

// Every format, listed once: the dialogs, the actions and the command line
// are made from this list.
const std::vector<const Exporter*>& all();
// Those offered under an action, in the list's order.
std::vector<const Exporter*> forAction(Action action);
// The one named by the command line's key, or none.
const Exporter* byKey(const QString& key);
// Among those of an action, the one whose suffix the name typed ends in
// (either case), else the one whose filter was chosen; the first otherwise.
const Exporter* chosen(Action action, const QString& filter, const QString& typed);

} // namespace Export
