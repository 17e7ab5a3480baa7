// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exporter.h"
#include "measurement.h"
#include "notation.h"

#include <QString>
#include <QWidget>
#include <vector>

class QPushButton;
class QTableWidget;

// The table of measurements shown with the graph: one row per recording of
// d, b, Γ, the kind of image and the lens's f, f′ and D, in the language's
// decimal mark. A row can be deleted, the table emptied, and the whole
// exported as CSV a spreadsheet in that language opens.
class MeasurementTable : public QWidget {
    Q_OBJECT

public:
    explicit MeasurementTable(QWidget* parent = nullptr);

    // The letters of the header and the magnification and power of every row
    // follow the notation.
    void setNotation(Optics::Notation notation);
    void addRow(const Measurements::Row& row);
    void deleteSelectedRow();
    void clear();
    const std::vector<Measurements::Row>& rows() const { return m_rows; }

    // The table as its exporter takes it: the columns and rows as shown.
    Export::Table exportTable() const;
    // The CSV text of the table in the language shown (without the byte-order
    // mark the file starts with).
    QString csvText() const;
    // Writes the file in full or not at all; false with the reason otherwise.
    bool writeCsv(const QString& path, QString* error) const;
    void exportCsv();

signals:
    void rowsChanged();

private:
    void showRow(int index);

    // A row as the notation shows it: the magnification and the power its own.
    Measurements::Row shownRow(const Measurements::Row& row) const;

    std::vector<Measurements::Row> m_rows;
    Optics::Notation m_notation = Optics::Notation::SignedGaussian;
    QTableWidget* m_table;
    QPushButton* m_delete;
    QPushButton* m_clear;
    QPushButton* m_export;
};
