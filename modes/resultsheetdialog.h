// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scale.h"

#include <QCoreApplication>
#include <QDialog>

class ResultSheet;
namespace Export {
class Exporter;
struct Model;
} // namespace Export
class QLabel;
class QLineEdit;
class QTableWidget;

// The result sheet: the pupil's name, every answer given (series, task, the
// point clicked, the true point, the distance between them, the verdict, the
// time), the score, and saving it in each format of the results (the results
// file, which --check-results reads, and the PDF page). Points and distances
// are the real centimetres of the scale the tasks were shown at.
class ResultSheetDialog : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(ResultSheetDialog)

public:
    ResultSheetDialog(QWidget* parent, ResultSheet& sheet, Optics::Scale scale);

    // The pupil's name asked for before a series, until it is one a results
    // file takes (what is not allowed said over the field); empty if none
    // is given.
    static QString askName(QWidget* parent);

private:
    void fill();
    void fitTable();
    Export::Model model() const;
    void save(const Export::Exporter& format);

    ResultSheet& m_sheet;
    Optics::Scale m_scale;
    QLineEdit* m_name;
    QLabel* m_nameProblem;
    QLabel* m_score;
    QTableWidget* m_table;
};
