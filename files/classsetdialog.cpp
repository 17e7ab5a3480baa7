// SPDX-License-Identifier: GPL-3.0-or-later
#include "classsetdialog.h"

#include "messages.h"
#include "safewrite.h"
#include "savename.h"
#include "setupfile.h"
#include "taskmode.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace {
// A series number as typed: up to twenty digits, checked whole on taking it.
const char kDigits[] = "[0-9]{1,20}";
} // namespace

ClassSetDialog::ClassSetDialog(QWidget* window, bool objectPlaced) : QDialog(window) {
    setWindowTitle(tr("Рабочие листы"));
    auto* layout = new QVBoxLayout(this);
    m_bench = new QRadioButton(tr("Лист по скамье: задание и решение"), this);
    m_variants = new QRadioButton(tr("Варианты задач для класса и ответы"), this);
    // The bench's own sheet constructs the object on it: none, no sheet.
    m_bench->setEnabled(objectPlaced);
    (m_bench->isEnabled() ? m_bench : m_variants)->setChecked(true);
    layout->addWidget(m_bench);
    layout->addWidget(m_variants);

    auto* form = new QFormLayout;
    m_seed = new QLineEdit(
        QString::number(Tasks::shortSeed(QRandomGenerator::global()->generate64())), this);
    m_seed->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QString::fromLatin1(kDigits)), m_seed));
    m_count = new QSpinBox(this);
    m_count->setRange(1, ClassSet::kMostVariants);
    m_perSheet = new QSpinBox(this);
    m_perSheet->setRange(ClassSet::kFewestTasks, ClassSet::kMostTasks);
    m_perSheet->setValue(ClassSet::kDefaultTasks);
    m_level = new QComboBox(this);
    for (const Tasks::Level level : {Tasks::Level::EqualMedia, Tasks::Level::TwoMedia,
                                     Tasks::Level::Mixed, Tasks::Level::TwoLenses})
        m_level->addItem(TaskMode::levelName(level));
    form->addRow(tr("Серия:"), m_seed);
    form->addRow(tr("Вариантов:"), m_count);
    form->addRow(tr("Задач в варианте:"), m_perSheet);
    form->addRow(tr("Уровень:"), m_level);
    layout->addLayout(form);
    const auto follow = [this] {
        for (QWidget* control :
             std::initializer_list<QWidget*>{m_seed, m_count, m_perSheet, m_level})
            control->setEnabled(m_variants->isChecked());
    };
    connect(m_variants, &QRadioButton::toggled, this, follow);
    follow();

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* print = buttons->addButton(tr("Печать…"), QDialogButtonBox::AcceptRole);
    QPushButton* pdf = buttons->addButton(tr("Сохранить PDF…"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialogButtonBox::Cancel);
    connect(print, &QPushButton::clicked, this, [this] { finish(false); });
    connect(pdf, &QPushButton::clicked, this, [this] { finish(true); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    print->setDefault(true);
}

void ClassSetDialog::finish(bool toPdf) {
    // A number too large for a series is said, and the dialog stays.
    if (variantsChosen() && !SetupFile::seedOf(m_seed->text())) {
        Messages::tell(this, windowTitle(),
                       tr("«%1» — не номер серии: нужно целое число от 0 до "
                          "18446744073709551615")
                           .arg(m_seed->text()));
        return;
    }
    m_toPdf = toPdf;
    accept();
}

bool ClassSetDialog::variantsChosen() const {
    return m_variants->isChecked();
}

ClassSet ClassSetDialog::classSet() const {
    ClassSet set;
    set.seed = SetupFile::seedOf(m_seed->text()).value_or(0);
    set.variants = m_count->value();
    set.tasksPerSheet = m_perSheet->value();
    set.level = Tasks::Level(m_level->currentIndex());
    return set;
}
