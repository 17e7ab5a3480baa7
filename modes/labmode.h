// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "labsession.h"
#include "mode.h"

#include <QCoreApplication>
#include <QPoint>
#include <QString>

class LabInset;
class LabRuler;
class LabSheet;
class QAction;

// The laboratory work: the object stands on the axis, a screen behind the
// lens catches its image, a ruler gives the distances, and "Записать" records
// d and f as read. The construction and the image's numbers stay hidden until
// the teacher shows them. The mode allows only its own actions, help, the
// palette and the zoom; Esc leaves it and the bench is as it was.
class LabMode : public Mode {
    Q_DECLARE_TR_FUNCTIONS(LabMode)

public:
    explicit LabMode(BenchView& view);

    // The screen's inset, the ruler and the table, hidden until the mode starts.
    void setUp();

    void leftPress(int button, int shift, float x, float y) override;
    void leftMove(int button, int shift, float x, float y) override;
    void leftKey(int keyCode, int shift) override;
    void rightPress(int button, int shift, float x, float y) override;
    void rightMove(int button, int shift, float x, float y) override;
    void rightKey(int keyCode, int shift) override;
    bool allows(Action action) const override;
    bool escape() override;
    bool record() override;
    void drawConstruction() override;
    void afterRedraw() override;
    bool showsLens() const override { return m_session.revealed; }
    bool showsLayers() const override { return m_session.revealed; }

    void toggle();
    void start();
    // The work as a pupil's program opens it: it stays on until the program
    // ends, and the teacher's reveal is not there.
    void startForPupil();
    void stop();
    // The teacher shows or hides the construction and the read-outs.
    void reveal();
    // The object's place (left area twips) and the screen's distance behind
    // the lens, each kept on the bench.
    void moveObject(double x);
    void moveScreen(double distance);
    // A row recorded by mistake removed (the one selected in the table, by
    // its context menu or the Delete key), or the whole table cleared after
    // a question; the mean, the error and the answer follow.
    void deleteSelectedRow();
    void clearTable();

    bool active() const { return m_session.active; }
    const LabSession& session() const { return m_session; }
    LabInset& inset() const { return *m_inset; }

    // The table as CSV, and the report as a one-page PDF, written through the
    // safe path; false with the reason otherwise.
    bool writeCsv(const QString& path, QString* why) const;
    bool writeReport(const QString& path, QString* why) const;
    // Who did the work, for the report's first line: name and class.
    void setAuthor(const QString& author) { m_session.author = author.simplified(); }
    // Asks for a file and writes the table or the report, as its suffix says;
    // whether it was written.
    bool save();

private:
    void drawBench();
    void showFurniture();
    void showSheet();
    void showScreen();
    void showTableMenu(QPoint global);
    bool keepRowsOfThisLens();

    LabSession m_session;
    LabInset* m_inset = nullptr;
    LabRuler* m_ruler = nullptr;
    LabSheet* m_sheet = nullptr;
    QAction* m_revealItem = nullptr;
};
