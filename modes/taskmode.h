// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mode.h"
#include "resultsheet.h"
#include "tasksession.h"

#include <QCoreApplication>
#include <QList>
#include <cstdint>

class Label;

// Tasks for pupils. The program sets a lens and an object a pupil can
// construct on paper; the pupil commits to a point (the image, or a focus when
// the object and its image are given), and the construction then shows the
// truth beside it with a verdict in words. Leaving puts the bench back as it
// was. The mode allows nothing that would show the answer or change the task:
// no parameter, view, layer, lesson tool, editor, file or picture.
class TaskMode : public Mode {
    Q_DECLARE_TR_FUNCTIONS(TaskMode)

public:
    explicit TaskMode(BenchView& view);

    // The task's buttons, shortcuts and lines over the bench.
    void setUp();

    void leftPress(int button, int shift, float x, float y) override;
    void leftMove(int button, int shift, float x, float y) override;
    void leftKey(int keyCode, int shift) override;
    void rightPress(int button, int shift, float x, float y) override;
    bool allows(Action action) const override;
    bool escape() override;
    void drawConstruction() override;
    void afterRedraw() override;
    bool showsLensImage() const override;

    // A series from its seed at a level, over the bench as it stands; from
    // within the mode, the next series.
    void start(std::uint64_t seed, Tasks::Level level);
    void toggle();
    void stop();
    void next();
    void nextLevel();
    // The result sheet of the answers given in this window.
    void showResults();
    // Whether the program may end: answers the results file has not taken
    // are tried again, and if it still cannot take them the pupil is asked.
    bool mayQuit();
    // The pupil's answer, in bench twips (the left area's, continued right).
    void check(double benchX, double benchY);

    // A task put on the bench in one apply step, as the series shows it.
    static void putOnBench(BenchView& view, const Tasks::Task& task);
    // The level's name, as the status line and the worksheets say it.
    static QString levelName(Tasks::Level level);

    bool active() const { return m_session.active; }
    const TaskSession& session() const { return m_session; }
    // The answers given in this window, and the file they go to.
    ResultSheet& results() { return m_results; }
    const ResultSheet& results() const { return m_results; }

    // A setup saved during a task is the lesson as it was before, naming the
    // series it opened, if any.
    TaskSession& session() { return m_session; }

private:
    void show();
    void showText();
    void word();
    void wordVerdict(const Tasks::Task& task);
    void drawAnswer();

    TaskSession m_session;
    ResultSheet m_results;
    QList<Label*> m_lines;
};
