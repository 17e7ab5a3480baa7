// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// Flags are 16-bit integers: all ones (-1) for true, 0 for false.
using Flag = std::int16_t;
constexpr Flag kTrue = -1;
constexpr Flag kFalse = 0;

// The whole mutable state of the bench, in its declared order. A member that
// nothing has written yet reads as 0. Lengths are twips; colours packed RGB.
struct BenchState {
    Flag IsConverging = 0;             // the power is >= 0 (the lens acts as converging)
    Flag SchemeView = 0;               // the scheme view is shown
    std::int16_t ConvergingChosen = 0; // lens type last chosen with the buttons
    std::int32_t LeftBoxX = 0;         // window x of the surface box left of the lens plane
    float LeftRadiusRowTop = 0;        // top of the radius row beside "левая"
    std::int32_t LSobBoxX = 0;         // window x where picLSob stands
    std::int32_t RightBoxX = 0;        // window x of the surface box right of the lens plane
    float RightRadiusRowTop = 0;       // top of the radius row beside "правая"
    float ObjectX = 0;                 // object point, picLeft coordinates
    float ObjectY = 0;
    double ImageX = 0; // image point: picRigth (real) or picLeft (virtual)
    double ImageY = 0;
    double LensHitY = 0;         // where the ray to extend backwards leaves the lens
    std::int32_t CrossShift = 0; // how far before F that ray crosses the axis
    std::int32_t RightLevel = 0; // tint level of the right medium
    std::int32_t LeftLevel = 0;  // tint level of the left medium
    std::int32_t RightColor = 0; // colour of the right medium
    std::int32_t LeftColor = 0;  // colour of the left medium
    std::int32_t LensColor = 0;  // colour of the lens body
    double n1 = 0;               // index of the left medium
    double n2 = 0;               // index of the right medium
    double N = 0;                // index of the lens
    double R1 = 0;               // signed radius of the left surface
    double R2 = 0;               // signed radius of the right surface
    double f1 = 0;               // front focal length, signed
    double f2 = 0;               // back focal length, signed
    std::int32_t RadiusBase = 0; // radius magnitude at slider value 0
    double RaySlope = 0;         // work slope of the constructed ray
    double AuxSlope = 0;         // second work slope
    std::int16_t R1Sign = 0;     // +1 converging layout, -1 diverging
    std::int16_t R2Sign = 0;     // -1 converging layout, +1 diverging
    Flag ObjectPlaced = 0;       // the object point has been placed by mouse or key
    Flag ConstructionShown = 0;  // the construction stands on the areas (drawn since the last wipe)
    Flag ShowLabels = 0;         // the textbook layer: arrows, the points named, the image in words
    Flag ShowThirdRay = 0;       // the ray through the front focus, leaving parallel to the axis
    Flag SafePalette = 0; // the construction in colours told apart with a colour-vision deficiency
};
