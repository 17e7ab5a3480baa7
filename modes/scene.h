// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "axial.h"
#include "notation.h"
#include "scenesetup.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QWidget;

// A scene: an optical system a teacher opens with one click (the eye, the
// magnifier, the camera, ...), shown on the bench by SceneMode. The scene
// owns its optics in real centimetres, elements of any power anywhere; the
// mode draws it at the scene's scale 1 : K, the first element's plane on the
// bench's lens line, places the object in the left area as the bench does,
// draws the construction stage by stage, the elements as lenses and the
// scene's own figures, and writes the scene's read-out lines. All lengths
// below are real centimetres, z along the light, the first element at z = 0
// unless the scene puts it elsewhere.
namespace Scenes {

// A figure of the scene besides its lenses, at a place on the axis.
struct Figure {
    enum class Kind {
        Retina,    // a line across the axis, the eye's screen
        Screen,    // the laboratory's screen (a camera's film, a projector's wall)
        EyeBall,   // the outline of the eyeball: from `z` (its front) to `back`
        EyePlace,  // where the observer's eye stands (a small eye mark on the axis)
        AxisPoint, // a point marked on the axis (a far or a near point)
    };
    Kind kind = Kind::AxisPoint;
    double z = 0;
    double back = 0;       // EyeBall: its rear, the retina's place
    double halfHeight = 0; // how far across the axis; 0 for the kind's own
    QString name;          // written beside it ("сетчатка", "F", "25 см")
};

// The scene as it stands for the object where the teacher put it.
struct Look {
    // The optics drawn, its object included (ignored with distantAngle).
    Optics::Axial::System system;
    // Parallel light entering at this angle (radians, paraxial) in place of
    // the object: a star, a distant landscape.
    std::optional<double> distantAngle;
    // A name for each element, written at its centre ("O", "очки", ...);
    // empty for none.
    std::vector<QString> elementNames;
    // Each element's half height across the axis (its aperture, drawn as the
    // lens's bar and used by the construction); missing or 0 for the bench
    // lens's bar.
    std::vector<double> apertures;
    std::vector<Figure> figures;
    // The read-out lines, each legible on its own, in the notation given.
    QStringList readouts;
};

// What a scene may ask of the window it is shown in.
class Host {
public:
    virtual QWidget& window() = 0;
    virtual Optics::Notation notation() const = 0;
    // The scene changed (a menu item, a key): drawn again, the lesson unsaved.
    virtual void changed() = 0;

protected:
    ~Host() = default;
};

// One entry of the scene's own on the System button's menu, shown while the
// scene is open; `checked` (when given) shows it as a choice in force.
struct Item {
    QString text;
    std::function<void(Host&)> act;
    std::function<bool()> checked;
};

class Scene {
public:
    virtual ~Scene() = default;

    // The setup file's "kind" ("eye", "magnifier", ...) and the menu entry's
    // text (translated).
    virtual const char* kind() const = 0;
    virtual QString title() const = 0;
    // The scale 1 : K the scene is drawn at, chosen so that its figure fits
    // the bench (one of Optics::Scale::kChoices).
    virtual int scale() const = 0;
    // Where the object stands when the scene opens: distance before the
    // first element and height, real cm.
    virtual Optics::Axial::Object startObject() const = 0;
    // Back to the scene's defaults, as the menu opens it.
    virtual void reset() = 0;
    // The scene for the object at `object` (real cm, z < 0 before the first
    // element); a scene may adapt to it (an eye accommodates).
    virtual Look look(const Optics::Axial::Object& object, Optics::Notation notation) const = 0;

    // Its own menu entries and keys (keys of the right area, the handlers'
    // codes): true where the key was taken.
    virtual std::vector<Item> items() { return {}; }
    virtual bool key(int /*keyCode*/, int /*shift*/, Host&) { return false; }

    // Its parameters as the setup file keeps them ("scene" member), and back:
    // false (and nothing changed) for values it does not take.
    virtual SetupFormat::SceneSetup saved() const = 0;
    virtual bool load(const SetupFormat::SceneSetup& setup) = 0;
};

// Every scene, in the menu's order: the eye first, then the instruments.
std::vector<std::unique_ptr<Scene>> all();

} // namespace Scenes
