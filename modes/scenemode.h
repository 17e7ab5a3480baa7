// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "benchsnapshot.h"
#include "mode.h"
#include "scene.h"
#include "systemdiagram.h"
#include "textmark.h"

#include <QCoreApplication>
#include <QVector>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

class EyeInset;
class QAction;
class Shape;

// A scene on the bench: a mode of its own, since a scene takes the whole
// bench (its own optics at its own scale, the bench's lens hidden, its own
// read-outs and menu entries) as a task does, and gives it back with Esc as
// it was. Each scene is a Scenes::Scene; this mode draws any of them.
class SceneMode : public Mode, private Scenes::Host {
    Q_DECLARE_TR_FUNCTIONS(SceneMode)

public:
    explicit SceneMode(BenchView& view);
    ~SceneMode() override;

    // The scenes' entries on the System button's menu, after a separator.
    void setUp();

    // Opens the scene of this kind at its defaults (or with the setup's
    // parameters); false for a kind there is none of, or values it refuses.
    bool open(const char* kind);
    // The scene a setup file names, over the bench it set (its object kept);
    // none leaves a scene for that bench.
    bool put(const std::optional<SetupFormat::SceneSetup>& setup);
    // Whether a setup's scene can be opened: its values within the file's
    // ranges may still make no such instrument (an eyepiece beyond the
    // tube). Nothing changes; the title of the scene of that kind, if any.
    bool takes(const SetupFormat::SceneSetup& setup) const;
    QString titleOf(std::string_view kind) const;
    // Back to the bench as it stood before the scene.
    void close();
    bool active() const { return m_scene != nullptr; }
    // The scene open and its parameters, for the setup file.
    const Scenes::Scene* scene() const { return m_scene; }
    std::optional<SetupFormat::SceneSetup> saved() const;
    // What the scene shows now, for a test to read.
    const Scenes::Look& look() const { return m_look; }

    void leftPress(int button, int shift, float x, float y) override;
    void leftMove(int button, int shift, float x, float y) override;
    void leftKey(int keyCode, int shift) override;
    void rightPress(int button, int shift, float x, float y) override;
    void rightKey(int keyCode, int shift) override;
    bool allows(Action action) const override;
    bool escape() override;
    void leave() override;
    void drawConstruction() override;
    void afterRedraw() override;
    bool showsLayers() const override { return false; }
    bool showsLens() const override { return false; }
    bool showsLensImage() const override { return false; }

private:
    QWidget& window() override;
    Optics::Notation notation() const override;
    void changed() override;

    void start(Scenes::Scene& scene, bool fresh);
    Scenes::Scene* find(std::string_view kind) const;
    void showItems();
    void hideParts();
    void drawFigures(const Optics::Axial::System& system);
    void name(const Optics::SystemDiagram& d);
    void showReadouts();
    void showEyeInset();

    struct MenuItem {
        Scenes::Scene* scene;
        QAction* action;
        std::function<bool()> checked;
    };
    std::vector<std::unique_ptr<Scenes::Scene>> m_scenes;
    std::vector<MenuItem> m_items;
    QAction* m_itemsSeparator = nullptr;
    bool m_graphWasShown = false;
    Scenes::Scene* m_scene = nullptr;
    BenchSnapshot m_before;
    bool m_leaving = false;
    Scenes::Look m_look;
    QVector<TextMark> m_leftNames;
    QVector<TextMark> m_rightNames;
    EyeInset* m_eyeInset = nullptr;
};
