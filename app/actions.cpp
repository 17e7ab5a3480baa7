// SPDX-License-Identifier: GPL-3.0-or-later
// The window's actions and their keys: one table that makes the shortcuts and
// writes the help's list of keys, so the two never disagree.
#include "actions.h"

#include <QAction>
#include <QWidget>

namespace {
QKeySequence keys(QKeyCombination combination) {
    return QKeySequence(combination);
}
} // namespace

const std::vector<ActionRow>& actionRows() {
    static const std::vector<ActionRow> rows{
        {Action::OpenSetup,
         {QKeySequence::Open},
         nullptr,
         QT_TRANSLATE_NOOP("Actions", "открыть файл урока")},
        {Action::SaveSetup,
         {QKeySequence::Save},
         nullptr,
         QT_TRANSLATE_NOOP("Actions", "сохранить урок")},
        {Action::SaveSetupAs,
         {keys(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
         nullptr,
         QT_TRANSLATE_NOOP("Actions", "сохранить урок под другим именем")},
        {Action::Print,
         {QKeySequence::Print},
         nullptr,
         QT_TRANSLATE_NOOP("Actions", "рабочие листы: по скамье или варианты с ответами")},
        {Action::CopyPicture,
         {QKeySequence::Copy},
         nullptr,
         QT_TRANSLATE_NOOP("Actions", "копировать рисунок скамьи в буфер обмена")},
        {Action::ExportPicture,
         {keys(Qt::CTRL | Qt::Key_E)},
         nullptr,
         QT_TRANSLATE_NOOP("Actions", "экспортировать рисунок в файл PNG или SVG")},
        {Action::Labels,
         {keys(Qt::CTRL | Qt::Key_L)},
         nullptr,
         QT_TRANSLATE_NOOP("Actions", "подписи: стрелки предмета и изображения, названия точек")},
        {Action::ThirdRay,
         {keys(Qt::CTRL | Qt::Key_3)},
         nullptr,
         QT_TRANSLATE_NOOP("Actions",
                           "третий луч: через передний фокус, после линзы параллельно оси")},
        {Action::Palette,
         {keys(Qt::CTRL | Qt::Key_K)},
         nullptr,
         QT_TRANSLATE_NOOP("Actions", "палитра, различимая при нарушениях цветового зрения")},
        {Action::Motion,
         {keys(Qt::CTRL | Qt::Key_M)},
         nullptr,
         QT_TRANSLATE_NOOP("Actions", "предмет движется к линзе и обратно; ещё раз — остановить")},
        {Action::MotionSpeed,
         {keys(Qt::CTRL | Qt::SHIFT | Qt::Key_M)},
         nullptr,
         QT_TRANSLATE_NOOP("Actions", "сменить скорость движения")},
        {Action::Scale,
         {keys(Qt::CTRL | Qt::SHIFT | Qt::Key_D)},
         nullptr,
         QT_TRANSLATE_NOOP("Actions", "масштаб 1 : 1, 1 : 2, 1 : 5, 1 : 10: сантиметр скамьи "
                                      "изображает 1, 2, 5 или 10 см")},
        {Action::Graph,
         {keys(Qt::CTRL | Qt::Key_G)},
         nullptr,
         QT_TRANSLATE_NOOP("Actions", "график и таблица измерений: показать или скрыть")},
        {Action::Record,
         {keys(Qt::CTRL | Qt::Key_R)},
         nullptr,
         QT_TRANSLATE_NOOP(
             "Actions", "записать измерение в таблицу (в лабораторной работе — d и f по линейке)")},
        {Action::Task,
         {keys(Qt::CTRL | Qt::Key_T)},
         nullptr,
         QT_TRANSLATE_NOOP("Actions", "задачи для учеников: начать или закончить")},
        {Action::NextTask,
         {keys(Qt::CTRL | Qt::Key_N)},
         nullptr,
         QT_TRANSLATE_NOOP("Actions", "следующая задача")},
        {Action::TaskLevel,
         {keys(Qt::CTRL | Qt::SHIFT | Qt::Key_T)},
         nullptr,
         QT_TRANSLATE_NOOP("Actions", "уровень задач: одинаковые среды, две среды, смешанный")},
        {Action::Notation,
         {keys(Qt::CTRL | Qt::SHIFT | Qt::Key_N)},
         nullptr,
         QT_TRANSLATE_NOOP("Actions", "обозначения: российский учебник (d, f, F), английский "
                                      "(u, v, f), со знаками (d, b, f)")},
        {Action::Results,
         {keys(Qt::CTRL | Qt::SHIFT | Qt::Key_R)},
         nullptr,
         QT_TRANSLATE_NOOP("Actions", "результаты задач: имя, ответы, сохранить CSV или PDF")},
        {Action::Lab,
         {keys(Qt::CTRL | Qt::Key_B)},
         nullptr,
         QT_TRANSLATE_NOOP("Actions", "лабораторная работа: экран, линейка и таблица; ещё раз — "
                                      "закончить")},
        {Action::LabReveal,
         {keys(Qt::CTRL | Qt::SHIFT | Qt::Key_B)},
         nullptr,
         QT_TRANSLATE_NOOP("Actions", "лабораторная работа: показать или скрыть построение и "
                                      "значения (для учителя)")},
        {Action::LabSave,
         {keys(Qt::CTRL | Qt::SHIFT | Qt::Key_L)},
         nullptr,
         QT_TRANSLATE_NOOP("Actions", "лабораторная работа: сохранить отчёт (PDF) или таблицу "
                                      "(CSV)")},
        {Action::LabDeleteRow,
         {keys(QKeyCombination(Qt::Key_Delete))},
         nullptr,
         QT_TRANSLATE_NOOP("Actions",
                           "лабораторная работа: удалить строку таблицы, выбранную "
                           "щелчком (правый щелчок — меню строки и «Очистить таблицу»)")},
        {Action::System,
         {keys(Qt::CTRL | Qt::Key_2)},
         nullptr,
         QT_TRANSLATE_NOOP("Actions", "оптическая система: вторая линза за первой; ещё раз — "
                                      "убрать её")},
        {Action::ZoomIn,
         {QKeySequence::ZoomIn, keys(Qt::CTRL | Qt::Key_Equal)},
         nullptr,
         QT_TRANSLATE_NOOP("Actions", "крупнее")},
        {Action::ZoomOut, {QKeySequence::ZoomOut}, nullptr, QT_TRANSLATE_NOOP("Actions", "мельче")},
        {Action::ZoomFit,
         {keys(Qt::CTRL | Qt::Key_0)},
         nullptr,
         QT_TRANSLATE_NOOP("Actions", "по размеру окна")},
        {Action::FullScreen,
         {keys(QKeyCombination(Qt::Key_F11))},
         nullptr,
         QT_TRANSLATE_NOOP("Actions", "во весь экран и обратно")},
        {Action::Leave,
         {keys(QKeyCombination(Qt::Key_Escape))},
         nullptr,
         QT_TRANSLATE_NOOP(
             "Actions", "выйти из задачи, лабораторной работы или оптической системы, затем из "
                        "полноэкранного режима")},
        {Action::Help,
         {keys(QKeyCombination(Qt::Key_F1))},
         nullptr,
         QT_TRANSLATE_NOOP("Actions", "эта справка")},
        {std::nullopt,
         {},
         QT_TRANSLATE_NOOP("Actions", "стрелки"),
         QT_TRANSLATE_NOOP("Actions", "сдвинуть предмет (после щелчка в левой области); в "
                                      "лабораторной работе — предмет или экран на деление, с "
                                      "Shift на сантиметр; в оптической системе (после щелчка "
                                      "в правой области) — вторую линзу на 0,1 см, с Shift на "
                                      "1 см; Enter — её значения, Delete — убрать её")},
        {Action::StandardCase,
         {keys(QKeyCombination(Qt::Key_1)), keys(QKeyCombination(Qt::Key_2)),
          keys(QKeyCombination(Qt::Key_3)), keys(QKeyCombination(Qt::Key_4)),
          keys(QKeyCombination(Qt::Key_5))},
         QT_TRANSLATE_NOOP("Actions", "1 … 5"),
         QT_TRANSLATE_NOOP("Actions", "предмет в 3F, 2F, 1,5F, F и F/2 (вид «Схема»)")},
        {std::nullopt,
         {},
         QT_TRANSLATE_NOOP("Actions", "Shift и перетаскивание"),
         QT_TRANSLATE_NOOP("Actions", "двигать предмет без притяжения к оси и отметкам")},
        {std::nullopt,
         {},
         QT_TRANSLATE_NOOP("Actions", "Tab, пробел"),
         QT_TRANSLATE_NOOP("Actions", "перейти к следующему элементу, нажать кнопку")},
        {std::nullopt,
         {},
         QT_TRANSLATE_NOOP("Actions", "Tab, Enter"),
         QT_TRANSLATE_NOOP("Actions", "на показателе преломления, радиусе или фокусном "
                                      "расстоянии — ввести точное значение; Enter — принять, "
                                      "Esc — отменить")},
    };
    return rows;
}

QString keysOf(const ActionRow& row) {
    if (row.keysText)
        return QCoreApplication::translate("Actions", row.keysText);
    QStringList written;
    for (const QKeySequence& sequence : row.keys)
        written << sequence.toString(QKeySequence::NativeText);
    written.removeAll(QString());
    written.removeDuplicates();
    return written.join(QStringLiteral(", "));
}

ActionSet::ActionSet(QWidget* window) : QObject(window), m_window(window) {}

QAction* ActionSet::define(Action id, std::function<void()> slot) {
    auto* action = new QAction(m_window);
    for (const ActionRow& row : actionRows())
        if (row.action == id)
            action->setShortcuts(row.keys);
    // The program's keys act wherever the focus is in any of its windows (a
    // graph on a second screen too). Esc only in the main window, where it
    // leaves a task or the full screen; Copy too, so that in a window of its
    // own the table copies its cells.
    const bool mainWindowOnly = id == Action::Leave || id == Action::CopyPicture;
    action->setShortcutContext(mainWindowOnly ? Qt::WindowShortcut : Qt::ApplicationShortcut);
    QObject::connect(action, &QAction::triggered, action, [slot = std::move(slot)] { slot(); });
    m_window->addAction(action);
    m_actions.emplace(id, action);
    return action;
}

void ActionSet::defineEach(Action id, const std::function<void(int)>& slot) {
    for (const ActionRow& row : actionRows()) {
        if (row.action != id)
            continue;
        for (int i = 0; i < int(row.keys.size()); ++i) {
            auto* action = new QAction(m_window);
            action->setShortcut(row.keys[i]);
            action->setShortcutContext(Qt::WindowShortcut);
            QObject::connect(action, &QAction::triggered, action, [slot, i] { slot(i); });
            m_window->addAction(action);
            m_actions.emplace(id, action);
        }
    }
}

void ActionSet::bind(Action id, QWidget* control) {
    m_controls.emplace(id, control);
}

void ActionSet::enable(const std::function<bool(Action)>& allowed) {
    for (auto& [id, action] : m_actions)
        action->setEnabled(allowed(id));
    for (auto& [id, control] : m_controls)
        control->setEnabled(allowed(id));
}
