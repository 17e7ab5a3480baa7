// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mode.h"
#include "secondlens.h"
#include "textmark.h"

#include <QCoreApplication>
#include <QString>
#include <QVector>
#include <array>
#include <optional>

class Label;
class PictureBox;
class Shape;

// The optical system: a second thin lens behind the bench's. The image the
// first lens forms, A₁B₁, is the object of the second, which forms the final
// image A₂B₂; Γ = Γ₁·Γ₂. The left area places the object as on the plain
// bench; in the right area the second lens is dragged along the axis, moved
// by the arrow keys, its values typed (Enter, a double-click) and removed
// (Delete, Esc). The lens's own controls, the notation, the scale, the
// layers, the pictures, the setup file, the motion, the graph, the table and
// the worksheet act (the last three for the final image); the tasks and the
// laboratory, made for one lens, do not.
class SystemMode : public Mode {
    Q_DECLARE_TR_FUNCTIONS(SystemMode)

public:
    explicit SystemMode(BenchView& view);

    // The medium behind the second lens, its index, and the button's menu.
    void setUp();

    void leftPress(int button, int shift, float x, float y) override;
    void leftMove(int button, int shift, float x, float y) override;
    void leftKey(int keyCode, int shift) override;
    void rightPress(int button, int shift, float x, float y) override;
    void rightMove(int button, int shift, float x, float y) override;
    void rightKey(int keyCode, int shift) override;
    void rightDoubleClick(int button, int shift, float x, float y) override;
    bool allows(Action action) const override;
    bool escape() override;
    void leave() override;
    void drawConstruction() override;
    void afterRedraw() override;
    // The single lens's names (A′B′) would name the wrong image: the mode
    // names the system's points itself.
    bool showsLayers() const override { return false; }
    // The final image's read-outs are the mode's own.
    bool showsLensImage() const override { return !m_active; }

    // The second lens added (with the last values it had) or removed.
    void toggle();
    // The second lens as it stands; nothing while the mode is off.
    std::optional<Optics::SecondLens> secondLens() const;
    // Enters the mode with this lens and draws it, or leaves it for nothing;
    // within the bench's apply step the step's one redraw draws it.
    void putSecondLens(std::optional<Optics::SecondLens> lens);
    // The second lens to this distance behind the first (bench cm), kept
    // between kNearestSecondLens and kFarthestSecondLens.
    void moveLens(double distance);
    // Its values typed in the dialog, taken where the teacher accepts.
    void editLens();
    bool active() const { return m_active; }

    // The read-outs the mode shows, for a test to read: the distances, the
    // final image's kind, and the magnifications with the lens's focal length.
    QString distancesText() const { return m_distances; }
    QString kindText() const { return m_kind; }
    QString magnificationText() const { return m_magnifications; }
    QString noteText() const { return m_note; }

private:
    void start(const Optics::SecondLens& lens);
    void stop();
    bool onLens(double x, double y) const;
    void showMedium();
    void showReadouts();
    void hideParts();

    bool m_active = false;
    // The lens kept while the mode is off, so that it comes back as it was.
    Optics::SecondLens m_lens;
    bool m_dragging = false;
    double m_grab = 0; // where the press took the lens, twips from its line
    PictureBox* m_medium = nullptr;
    std::array<Shape*, 4> m_marks{}; // F₂ and F₂′ in the left area, then in the right
    Label* m_index = nullptr;
    // The names of the figure last drawn, put on the areas after the redraw.
    QVector<TextMark> m_leftNames;
    QVector<TextMark> m_rightNames;
    QString m_distances;
    QString m_kind;
    QString m_magnifications;
    QString m_note;
};
