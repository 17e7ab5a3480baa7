// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scale.h"
#include "taskrecord.h"

#include <QCoreApplication>
#include <QDialog>
#include <QStringList>

class ResultSheet;
class QLabel;
class QLineEdit;
class QTableWidget;

// The result sheet: the pupil's name, every answer given (series, task, the
// point clicked, the true point, the distance between them, the verdict, the
// time), the score, and saving it as CSV (the results file, which
// --check-results reads) or as a PDF page. Points and distances are the real
// centimetres of the scale the tasks were shown at.
class ResultSheetDialog : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(ResultSheetDialog)

public:
    ResultSheetDialog(QWidget* parent, ResultSheet& sheet, Optics::Scale scale);

    // The pupil's name asked for before a series, until it is one a results
    // file takes (what is not allowed said over the field); empty if none
    // is given.
    static QString askName(QWidget* parent);

private:
    QStringList headers() const;
    static QString pointsNote();
    QStringList cells(const Tasks::Answer& answer) const;
    QString point(double z, double height) const;
    void fill();
    void fitTable();
    void saveCsv();
    void savePdf();
    QString summary() const;

    ResultSheet& m_sheet;
    Optics::Scale m_scale;
    QLineEdit* m_name;
    QLabel* m_nameProblem;
    QLabel* m_score;
    QTableWidget* m_table;
};
