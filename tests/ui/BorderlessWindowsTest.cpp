// What the borderless windows do with the mouse: the close glyph's highlight, the drag by the
// title strip, and what each close glyph, or the window system, closes.
#include "tests/ui/Form1Fixture.h"

#include <functional>
#include <vector>

namespace pelmora::test {
namespace {

enum class Window { Main, Help, Settings, Tools };

class BorderlessWindows : public Form1Fixture {
protected:
    QWidget* open(Window window) {
        if (window == Window::Help) {
            return openHelp();
        }
        if (window == Window::Settings) {
            return openSettings();
        }
        if (window == Window::Tools) {
            return openTradeTools();
        }
        // Qt drops a move to where the pointer already is, and an earlier test may have left it
        // at a case's first point; over a text box the move itself changes nothing.
        moveTo(m_window.get(), {60, 153});
        return m_window.get();
    }

    [[nodiscard]] static bool highlighted(const QWidget* window) {
        return window->findChild<QWidget*>("Image1")->isVisible();
    }
};

struct Move {
    QPoint to;
    bool highlightAfter;
};

struct HighlightCase {
    const char* name;
    Window window;
    std::vector<Move> moves;
};

// Form1: bare picture (10, 100), the glyph's label (480, 8) to (505, 33) with the highlight at
// (488, 8) to (502, 27), the title strip (200, 15), the buy rate box (240, 57), nr1 (60, 153),
// the total shares (400, 110), Command1 (464, 52).
// Form2: bare picture (200, 300), glyph (360, 3) to (393, 28), title strip (100, 15).
// clang-format off
const HighlightCase kHighlightCases[] = {
    {"MainBackgroundPutsItOut", Window::Main, {{{200, 15}, true}, {{10, 100}, false}}},
    {"MainGlyphLightsItWithoutFlickering", Window::Main,
     {{{10, 100}, false}, {{480, 32}, true}, {{488, 8}, true}, {{495, 17}, true},
      {{501, 26}, true}, {{504, 9}, true}}},
    {"MainStaysLitFromTheGlyphStraightOntoOtherControls", Window::Main,
     {{{10, 100}, false}, {{492, 20}, true}, {{240, 57}, true}, {{60, 153}, true},
      {{400, 110}, true}, {{464, 52}, true}, {{200, 15}, true}, {{10, 100}, false}}},
    {"MainStaysDarkOverOtherControls", Window::Main,
     {{{10, 100}, false}, {{240, 57}, false}, {{200, 15}, false}, {{472, 544}, false}}},
    // Form3: bare picture (60, 240), glyph (286, 8) to (311, 33), title strip (100, 15).
    {"SettingsBehaveAlike", Window::Settings,
     {{{100, 15}, true}, {{60, 240}, false}, {{290, 12}, true}, {{300, 25}, true},
      {{100, 15}, true}, {{60, 240}, false}}},
    // Form4: bare picture (170, 470), glyph (306, 8) to (331, 33), title strip (100, 15).
    {"ToolsBehaveAlike", Window::Tools,
     {{{100, 15}, true}, {{170, 470}, false}, {{310, 12}, true}, {{320, 25}, true},
      {{100, 15}, true}, {{170, 470}, false}}},
    {"HelpBehavesAlike", Window::Help,
     {{{100, 15}, true}, {{200, 300}, false}, {{362, 5}, true}, {{380, 10}, true},
      {{100, 15}, true}, {{200, 300}, false}}},
};
// clang-format on

class Highlight : public BorderlessWindows, public ::testing::WithParamInterface<HighlightCase> {};

TEST_P(Highlight, FollowsTheMoves) {
    QWidget* window = open(GetParam().window);
    EXPECT_TRUE(highlighted(window)) << "as the window opens";
    for (const Move& move : GetParam().moves) {
        moveTo(window, move.to);
        EXPECT_EQ(highlighted(window), move.highlightAfter)
            << "after a move to " << move.to.x() << ", " << move.to.y();
    }
}

INSTANTIATE_TEST_SUITE_P(Moves, Highlight, ::testing::ValuesIn(kHighlightCases),
                         [](const auto& row) { return std::string(row.param.name); });

// One step of the mouse during a drag, at an offset from where it started on the title strip.
struct Step {
    enum Kind { Press, Move, Release } kind;
    Qt::MouseButton button;
    QPoint offset;
};

// Pressed, moved in four steps and let go, as an ordinary drag.
std::vector<Step> plainDrag(Qt::MouseButton button, QPoint travel) {
    std::vector<Step> steps{{Step::Press, button, {}}};
    for (int step = 1; step <= 4; ++step) {
        steps.push_back({Step::Move, Qt::NoButton, travel * step / 4});
    }
    steps.push_back({Step::Release, button, travel});
    return steps;
}

struct DragCase {
    const char* name;
    Window window;
    std::vector<Step> steps;
    QPoint travel; // of the window, once the steps are done
};

// The offscreen platform refuses the system's move, so every button takes the manual drag.
const DragCase kDragCases[] = {
    {"MainLeft", Window::Main, plainDrag(Qt::LeftButton, {120, 70}), {120, 70}},
    {"MainRight", Window::Main, plainDrag(Qt::RightButton, {-60, 40}), {-60, 40}},
    {"HelpMiddle", Window::Help, plainDrag(Qt::MiddleButton, {-90, 30}), {-90, 30}},
    {"SettingsLeft", Window::Settings, plainDrag(Qt::LeftButton, {70, -50}), {70, -50}},
    {"ToolsRight", Window::Tools, plainDrag(Qt::RightButton, {80, 40}), {80, 40}},
    // A second button joins the drag in progress; only the last release ends it.
    {"SecondButtonJoinsTheDrag",
     Window::Main,
     {{Step::Press, Qt::RightButton, {}},
      {Step::Move, Qt::NoButton, {20, 10}},
      {Step::Press, Qt::LeftButton, {20, 10}},
      {Step::Move, Qt::NoButton, {40, 20}},
      {Step::Release, Qt::LeftButton, {40, 20}},
      {Step::Move, Qt::NoButton, {60, 30}},
      {Step::Release, Qt::RightButton, {60, 30}}},
     {60, 30}},
    // The release was lost (something else took the mouse); the next press, further along the
    // strip, starts afresh from where it is rather than carrying on from the first press.
    {"PressAfterALostReleaseStartsANewDrag",
     Window::Main,
     {{Step::Press, Qt::RightButton, {}},
      {Step::Move, Qt::NoButton, {30, 15}},
      {Step::Press, Qt::RightButton, {230, 15}},
      {Step::Move, Qt::NoButton, {250, 15}},
      {Step::Release, Qt::RightButton, {250, 15}}},
     {50, 15}},
};

class Drag : public BorderlessWindows, public ::testing::WithParamInterface<DragCase> {};

TEST_P(Drag, MovesTheWindowByThePointersTravelUntilTheRelease) {
    const DragCase& drag = GetParam();
    QWidget* window = open(drag.window);
    QWindow* handle = window->windowHandle();
    const QPoint before = window->pos();
    const QPoint start = window->mapToGlobal(QPoint(100, 15));
    for (const Step& step : drag.steps) {
        const QPoint at = handle->mapFromGlobal(start + step.offset);
        switch (step.kind) {
        case Step::Press:
            QTest::mousePress(handle, step.button, {}, at);
            break;
        case Step::Move:
            QTest::mouseMove(handle, at);
            break;
        case Step::Release:
            QTest::mouseRelease(handle, step.button, {}, at);
            break;
        }
    }
    EXPECT_EQ(window->pos(), before + drag.travel);

    moveTo(window, QPoint(200, 20));
    EXPECT_EQ(window->pos(), before + drag.travel) << "moved after the release";
}

INSTANTIATE_TEST_SUITE_P(Buttons, Drag, ::testing::ValuesIn(kDragCases),
                         [](const auto& row) { return std::string(row.param.name); });

struct Windows {
    QWidget* main;
    QWidget* help;
    QWidget* settings;
    QWidget* tools;
};

struct ClosingCase {
    const char* name;
    std::function<void(const Windows&)> close;
    int ends;
    std::vector<bool> shownAfter; // main, help, settings, tools
};

const ClosingCase kClosings[] = {
    {"MainGlyphEndsTheProgramWithTheOtherWindows",
     [](const Windows& windows) {
         clickAt(windows.main, {492, 20});
     },
     1,
     {false, false, false, false}},
    {"WindowSystemClosingTheMainWindowEndsItToo",
     [](const Windows& windows) { windows.main->close(); },
     1,
     {false, false, false, false}},
    {"HelpGlyphOnlyHidesTheHelpWindow",
     [](const Windows& windows) {
         clickAt(windows.help, {376, 15});
     },
     0,
     {true, false, true, true}},
    {"SettingsGlyphOnlyHidesTheSettingsWindow",
     [](const Windows& windows) {
         clickAt(windows.settings, {300, 15});
     },
     0,
     {true, true, false, true}},
    {"ToolsGlyphOnlyHidesTheToolsWindow",
     [](const Windows& windows) {
         clickAt(windows.tools, {318, 20});
     },
     0,
     {true, true, true, false}},
};

class Closing : public BorderlessWindows, public ::testing::WithParamInterface<ClosingCase> {};

TEST_P(Closing, ClosesWhatItShould) {
    const Windows windows{m_window.get(), openHelp(), openSettings(), openTradeTools()};
    GetParam().close(windows);
    EXPECT_EQ(m_ends->count(), GetParam().ends);
    const std::vector<bool> shown{windows.main->isVisible(), windows.help->isVisible(),
                                  windows.settings->isVisible(), windows.tools->isVisible()};
    EXPECT_EQ(shown, GetParam().shownAfter);
}

INSTANTIATE_TEST_SUITE_P(Closings, Closing, ::testing::ValuesIn(kClosings),
                         [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace pelmora::test
