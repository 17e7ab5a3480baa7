// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QDialog>

class ResultSheet;
class QLineEdit;
class QTableWidget;

// The result sheet: the pupil's name, every answer given (series, task, the
// distance from the true point, the verdict, the time), the score, and saving
// it as CSV (the results file, which --check-results reads) or as a PDF page.
class ResultSheetDialog : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(ResultSheetDialog)

public:
    ResultSheetDialog(QWidget* parent, ResultSheet& sheet);

private:
    void fill();
    void saveCsv();
    void savePdf();
    QString summary() const;

    ResultSheet& m_sheet;
    QLineEdit* m_name;
    QTableWidget* m_table;
};
