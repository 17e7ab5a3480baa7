// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "classset.h"

#include <QCoreApplication>
#include <QDialog>

class QComboBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

// What Ctrl+P prints or saves: the worksheet of the bench as it stands, or
// variants of tasks for a class with their answer key (the series, the
// variants, the tasks on each, the level). Every choice is a control a mouse
// reaches; the series offered is one a teacher can dictate.
class ClassSetDialog : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(ClassSetDialog)

public:
    // `objectPlaced`: the bench has an object, so its own worksheet can be
    // made.
    ClassSetDialog(QWidget* window, bool objectPlaced);

    // The variants rather than the bench's own worksheet.
    bool variantsChosen() const;
    // A PDF file rather than the printer.
    bool toPdf() const { return m_toPdf; }
    ClassSet classSet() const;

private:
    void finish(bool toPdf);

    QRadioButton* m_bench;
    QRadioButton* m_variants;
    QLineEdit* m_seed;
    QSpinBox* m_count;
    QSpinBox* m_perSheet;
    QComboBox* m_level;
    bool m_toPdf = false;
};
