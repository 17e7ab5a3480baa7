// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lens.h"
#include "notation.h"
#include "scale.h"
#include "setupformat.h"
#include "task.h"
#include "taskrecord.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The single-lens lesson as the browser page holds it: the bench's state and
// every answer the page shows or draws, from the one optics library. The page
// lays out, draws and takes input; each call here changes the state, and
// `view` tells the whole of what is to be drawn as JSON. Places are bench
// twips, x of picLeft (the lens plane at 7500, picRigth beyond it), y down,
// the axis at 3990, so the page's drawing and the desktop's share one frame.
namespace WebLesson {

enum class Layer { Names, ThirdRay, SafePalette };

// The bench as the page holds it: the media and the lens, the object, the
// view and the layers.
struct BenchSetting {
    double n1 = 1;
    double N = 1;
    double n2 = 1;
    // Radius magnitudes, twips, of the surfaces the upper and lower radius
    // sliders shape: the left and right surface of a biconvex lens, the right
    // and left one of a biconcave lens.
    double upper = 0;
    double lower = 0;
    bool converging = true; // the lens type chosen
    bool scheme = false;
    bool placed = false;
    float objectX = 0; // the bench's single-precision point, as the desktop's
    float objectY = 0;
    bool labels = false;
    bool thirdRay = false;
    bool safePalette = false;
};
// The lens with its surfaces' signs for the chosen type.
Optics::Lens lensOf(const BenchSetting& bench);

class Page {
public:
    Page();

    // The indices n1, N, n2 (which 0, 1, 2), 1 to 2 as the sliders and editors allow.
    void setIndex(int which, double index);
    // A radius magnitude in real centimetres at the scale in force, of the
    // surface the upper (0) or lower (1) radius slider shapes.
    void setRadius(int which, double realCm);
    // A radius slider's step, 0..66.
    void setRadiusStep(int which, int step);
    void setConverging(bool converging);
    void setScheme(bool scheme);
    // The object point dragged to (x, y); near the axis and the F, 2F marks
    // it snaps to them within `snapTwips` (0: free).
    void place(double x, double y, double snapTwips);
    // Keys 1..5 (the standard cases) and the arrows, as key codes: '1'..'5',
    // 37 left, 38 up, 39 right, 40 down.
    void key(int code);
    bool setScale(int k);
    // The notation the teacher chose, or none to follow the language's.
    void setNotation(std::optional<Optics::Notation> notation);
    void setLanguageNotation(Optics::Notation notation);
    void setLayer(Layer layer, bool on);

    std::string view() const;

    // Tasks: a series from the teacher's seed, answered by a click anywhere
    // on the bench, judged as the desktop judges it.
    void startTasks(std::uint64_t seed, Tasks::Level level, const std::string& name);
    // Judge the click on the current task; false when there is none to judge.
    bool answer(double x, double y, double seconds);
    // The next task of the series; false after the last.
    bool nextTask();
    void stopTasks();
    // The answers given, as a results file the desktop re-judges.
    std::string resultsFile() const;

    // Setup files: the lesson as a setup (the bench before a series, and the
    // series, while one runs), and a setup's text opened onto the bench. A
    // setup naming a series leaves it to the page to ask for the pupil's name.
    SetupFormat::Setup setup() const;
    std::string setupText() const { return SetupFormat::write(setup()); }
    SetupFormat::Failure openSetup(std::string_view text);

    const BenchSetting& bench() const { return m_bench; }

private:
    void placeTask();
    std::string taskJson() const;

    BenchSetting m_bench;
    Optics::Scale m_scale;
    std::optional<Optics::Notation> m_chosenNotation;
    Optics::Notation m_languageNotation = Optics::Notation::RussianSchool;
    Optics::Notation notation() const { return m_chosenNotation.value_or(m_languageNotation); }
    int m_zoomSteps = 0; // a setup's zoom, kept for the desktop
    // The series an opened setup names, offered to the pupil.
    bool m_offeredTasks = false;
    unsigned long long m_offeredSeed = 0;
    int m_offeredLevel = 0;

    struct TaskRun {
        bool on = false;
        std::uint64_t seed = 0;
        Tasks::Level level = Tasks::Level::EqualMedia;
        std::string name;
        std::vector<Tasks::Task> tasks;
        int index = 0;
        bool checked = false;
        int counted = 0;
        Tasks::Verdict verdict;
        double clickX = 0;
        double clickY = 0;
        std::vector<Tasks::Answer> answers;
    } m_tasks;
    // The bench as it stood before a series, put back after it.
    BenchSetting m_before;
};

// The bench's frame and the construction's colours, as the desktop lays them
// out, for the page's drawing: the lens plane, the axis and the two areas in
// twips, the twips of a laid-out pixel, the longest name of a pupil, and the
// classic and the colour-vision-safe palettes as CSS colours.
std::string frame();

// Why a setup was refused, as data for the page to word as the desktop does:
// the kind of problem and of JSON error (SetupFormat's numbers), the field,
// the numbers in the format's digits ("." the mark), and what the words name
// besides: the largest size, the version read, the scales and notations.
std::string refusal(const SetupFormat::Failure& failure);

// JSON's text for a string: quoted, with quotes, backslashes and control
// characters escaped.
std::string jsonString(const std::string& text);

} // namespace WebLesson
