// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QKeySequence>
#include <QList>
#include <QObject>
#include <functional>
#include <map>
#include <optional>
#include <vector>

class QAction;
class QWidget;

// Everything a user can ask of the window, by key, button or slider. The
// current mode says which of them it allows; the rest are off, their
// shortcuts and their controls alike.
enum class Action {
    CopyPicture,
    ExportPicture,
    OpenSetup,
    SaveSetup,
    SaveSetupAs,
    Print,
    Help,
    Labels,
    ThirdRay,
    Palette,
    Motion,
    MotionSpeed,
    Scale,
    Graph,
    Record,
    Task,
    NextTask,
    TaskLevel,
    Notation,
    Results,
    Lab,
    LabReveal,
    LabSave,
    LabDeleteRow,
    System,
    ZoomIn,
    ZoomOut,
    ZoomFit,
    FullScreen,
    Leave,
    StandardCase,
    Exit,
    // Controls without a shortcut of their own.
    Views,
    LensType,
    Sliders,
    EditValues,
};

// One row of the table the shortcuts are made from and the help lists: the
// keys, and what they do in words. A row without an action only tells of keys
// an area handles itself (the arrows).
struct ActionRow {
    std::optional<Action> action;
    QList<QKeySequence> keys;
    const char* keysText; // for the rows whose keys are no sequence ("1 … 5")
    const char* what;
};
const std::vector<ActionRow>& actionRows();

// The keys of a row as the help and the tooltips write them, in the platform's
// native form.
QString keysOf(const ActionRow& row);

// The window's actions: one QAction a row with keys, acting wherever the focus
// is in the program, and the controls that act for each, enabled together.
class ActionSet : public QObject {
    Q_DECLARE_TR_FUNCTIONS(Actions)

public:
    explicit ActionSet(QWidget* window);

    // What an action does; its shortcuts come from the table.
    QAction* define(Action id, std::function<void()> slot);
    // An action whose keys each do their own part (1 to 5): the slot is told
    // which key of the row, from 0. They act in the main window only, where
    // an editor that takes digits keeps them.
    void defineEach(Action id, const std::function<void(int)>& slot);
    // A control that acts for the action, enabled and disabled with it.
    void bind(Action id, QWidget* control);
    // Every action and its controls on or off as the predicate says.
    void enable(const std::function<bool(Action)>& allowed);

private:
    QWidget* m_window;
    std::multimap<Action, QAction*> m_actions;
    std::multimap<Action, QWidget*> m_controls;
};
