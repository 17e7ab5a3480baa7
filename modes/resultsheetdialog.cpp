// SPDX-License-Identifier: GPL-3.0-or-later
#include "resultsheetdialog.h"

#include "exporter.h"
#include "messages.h"
#include "resultsfile.h"
#include "resultsheet.h"
#include "resultspage.h"
#include "savename.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {
enum Column { kSeries, kTask, kClicked, kTrue, kOff, kVerdict, kSeconds, kColumns };
constexpr int kRowsInView = Tasks::kSeriesLength;
// The name prompt's words wrap at about this many characters.
constexpr int kLabelChars = 50;
} // namespace

ResultSheetDialog::ResultSheetDialog(QWidget* parent, ResultSheet& sheet, Optics::Scale scale)
    : QDialog(parent), m_sheet(sheet), m_scale(scale) {
    setWindowTitle(tr("Результаты"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    m_name = new QLineEdit(sheet.name(), this);
    form->addRow(tr("Фамилия, имя, класс:"), m_name);
    // A name the results file would not take is said at once and not used.
    m_nameProblem = new QLabel(this);
    m_nameProblem->setTextFormat(Qt::PlainText);
    m_nameProblem->setWordWrap(true);
    m_nameProblem->setStyleSheet(QStringLiteral("color: #b00000"));
    m_nameProblem->hide();
    form->addRow(m_nameProblem);
    layout->addLayout(form);
    m_table = new QTableWidget(0, kColumns, this);
    m_table->setHorizontalHeaderLabels(ResultsPage::headers());
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(m_table);
    m_score = new QLabel(this);
    layout->addWidget(m_score);
    layout->addWidget(new QLabel(ResultsPage::pointsNote(), this));
    fill();
    fitTable();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    // A button for each format of the results, in the list's order.
    for (const Export::Exporter* format : Export::forAction(Action::Results)) {
        QPushButton* button = buttons->addButton(
            tr("Сохранить %1…").arg(format->suffix().toUpper()), QDialogButtonBox::ActionRole);
        connect(button, &QPushButton::clicked, this, [this, format] { save(*format); });
    }
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // The name typed names the answers given without one, and those to come.
    connect(m_name, &QLineEdit::textChanged, this, [this](const QString& typed) {
        const QString name = typed.simplified();
        const QString problem = ResultsFile::nameProblem(name);
        m_nameProblem->setText(problem);
        m_nameProblem->setVisible(!problem.isEmpty());
        if (problem.isEmpty())
            m_sheet.setName(name);
    });
    layout->addWidget(buttons);
}

QString ResultSheetDialog::askName(QWidget* parent) {
    QInputDialog dialog(parent);
    dialog.setWindowTitle(tr("Результаты"));
    dialog.setLabelText(tr("Фамилия, имя, класс:"));
    // What is not allowed is said above the field in lines of a readable
    // width, not in one line wider than a laptop's screen.
    if (auto* label = dialog.findChild<QLabel*>()) {
        label->setWordWrap(true);
        label->setMinimumWidth(label->fontMetrics().averageCharWidth() * kLabelChars);
    }
    for (;;) {
        if (dialog.exec() != QDialog::Accepted)
            return QString();
        const QString name = dialog.textValue().simplified();
        const QString problem = ResultsFile::nameProblem(name);
        if (problem.isEmpty())
            return name;
        dialog.setLabelText(problem + QLatin1Char('\n') + tr("Фамилия, имя, класс:"));
    }
}

void ResultSheetDialog::fill() {
    const std::vector<Tasks::Answer>& answers = m_sheet.answers();
    m_table->setRowCount(int(answers.size()));
    for (int row = 0; row < int(answers.size()); ++row) {
        const QStringList texts = ResultsPage::cells(answers[std::size_t(row)], m_scale);
        for (int column = 0; column < kColumns; ++column)
            m_table->setItem(row, column, new QTableWidgetItem(texts[column]));
    }
    m_score->setText(ResultsPage::summary(answers));
}

// Every column in view, and a whole series' answers without scrolling.
void ResultSheetDialog::fitTable() {
    m_table->resizeColumnsToContents();
    const int frame = 2 * m_table->frameWidth();
    const int rows = std::clamp(m_table->rowCount(), 1, kRowsInView);
    m_table->setMinimumSize(m_table->verticalHeader()->sizeHint().width() +
                                m_table->horizontalHeader()->length() +
                                m_table->verticalScrollBar()->sizeHint().width() + frame,
                            m_table->horizontalHeader()->sizeHint().height() +
                                rows * m_table->verticalHeader()->defaultSectionSize() + frame);
}

// What the page shows, from the answers and the name alone.
Export::Model ResultSheetDialog::model() const {
    Export::Model model;
    model.answers = m_sheet.answers();
    model.pupil = m_sheet.name();
    model.bench.scale = m_scale;
    return model;
}

void ResultSheetDialog::save(const Export::Exporter& format) {
    const QString title = tr("Сохранить результаты");
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString typed = QFileDialog::getSaveFileName(
        this, title, QDir(folder).filePath(tr("результаты.%1").arg(format.suffix())),
        format.filter());
    const QString path =
        typed.isEmpty() ? QString() : SaveName::decide(this, title, typed, format.suffix());
    if (path.isEmpty())
        return;
    // The results file is never one its own reader would refuse.
    const QString failure = format.write(model(), path);
    if (!failure.isEmpty())
        Messages::tell(this, tr("Результаты не сохранены"), failure);
}
