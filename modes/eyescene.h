// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "eye.h"
#include "scene.h"

#include <QCoreApplication>
#include <optional>

// The eye (grade 8 «Глаз и зрение»): Gullstrand's reduced eye, a lens between
// air and the eye's medium with the retina behind it, accommodating to the
// object within its range; a normal, a myopic or a hyperopic eye; spectacles
// typed in dioptres or found for it. Drawn at 1 : 2, so that the near point
// of 25 cm lies on the bench (12.5 cm of it) and the eyeball, 2.3 cm long,
// is still more than a centimetre of the bench.
class EyeScene : public Scenes::Scene {
    Q_DECLARE_TR_FUNCTIONS(EyeScene)

public:
    const char* kind() const override { return "eye"; }
    QString title() const override;
    int scale() const override { return 2; }
    Optics::Axial::Object startObject() const override;
    void reset() override;
    Scenes::Look look(const Optics::Axial::Object& object,
                      Optics::Notation notation) const override;
    std::vector<Scenes::Item> items() override;
    SetupFormat::SceneSetup saved() const override;
    bool load(const SetupFormat::SceneSetup& setup) override;

    // The defect (dioptres of the contact lens that corrects it: negative a
    // myope) and the spectacles (dioptres), as the menu sets them.
    void setError(double dioptres);
    void putOn(std::optional<double> dioptres);
    // The spectacles the textbook prescribes for this eye, at 1.2 cm.
    double prescription() const;
    double error() const { return m_error; }
    std::optional<double> spectacles() const { return m_spectacles; }

private:
    double m_error = 0;                 // dioptres
    std::optional<double> m_spectacles; // dioptres
};
