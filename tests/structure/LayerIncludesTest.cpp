// The folders are the layers, lowest first: numbers, calc, assets, platform, ui, app. A source
// may include its own layer and those below it, by its path from the project's root; the two
// lowest layers include nothing of Qt. Every library exports the project's root as an include
// folder, so the build alone would not refuse an include that runs upwards.
#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <regex>
#include <string>
#include <string_view>

namespace pelmora::test {
namespace {

namespace fs = std::filesystem;

constexpr std::array<std::string_view, 7> kLayers = {"numbers",  "calc", "design", "assets",
                                                     "platform", "ui",   "app"};
// The drawing tool is a program of its own beside the layers: it may use the assets' headers.
constexpr std::string_view kTools = "tools";

std::optional<std::size_t> layerOf(std::string_view folder) {
    const auto* found = std::find(kLayers.begin(), kLayers.end(), folder);
    return found == kLayers.end()
               ? std::nullopt
               : std::optional(static_cast<std::size_t>(found - kLayers.begin()));
}

// What is wrong with one include line of a file in `folder`, or nothing.
std::optional<std::string> fault(std::string_view folder, const std::string& line) {
    static const std::regex projectInclude(R"(^\s*#\s*include\s*"([^"]+)\")");
    static const std::regex systemInclude(R"(^\s*#\s*include\s*<(Q[A-Za-z]*)[>/])");
    std::smatch match;
    const std::optional<std::size_t> layer = layerOf(folder);
    if (std::regex_search(line, match, systemInclude)) {
        return layer && *layer <= *layerOf("calc") ? std::optional("Qt below the windows")
                                                   : std::nullopt;
    }
    if (!std::regex_search(line, match, projectInclude)) {
        return std::nullopt;
    }
    const std::string path = match[1];
    const std::string target = path.substr(0, path.find('/'));
    if (path.find('/') == std::string::npos) {
        return "not a path from the project's root";
    }
    if (folder == kTools) {
        return target == kTools || target == "assets" || target == "design"
                   ? std::nullopt
                   : std::optional("tools reach into " + target);
    }
    const std::optional<std::size_t> included = layerOf(target);
    if (!layer) {
        return std::nullopt; // tests, benchmarks and the fuzzer may use every layer
    }
    if (!included) {
        return "includes " + target + ", which is no layer";
    }
    return *included <= *layer
               ? std::nullopt
               : std::optional(std::string(folder) + " includes the higher " + target);
}

TEST(LayerIncludes, RunOnlyDownwardsAndFromTheRoot) {
    const fs::path root(PELMORA_SOURCE_DIR);
    int files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const fs::path relative = fs::relative(entry.path(), root);
        const std::string top = relative.begin()->string();
        if (top == "build" || top.front() == '.' || !entry.is_regular_file() ||
            (entry.path().extension() != ".h" && entry.path().extension() != ".cpp")) {
            continue;
        }
        ++files;
        std::ifstream source(entry.path());
        std::string line;
        for (int number = 1; std::getline(source, line); ++number) {
            if (const auto problem = fault(top, line)) {
                ADD_FAILURE() << relative.string() << ":" << number << ": " << *problem << ": "
                              << line;
            }
        }
    }
    EXPECT_GT(files, 50);
}

// The rule itself, on lines that break it and lines that keep it.
struct LineCase {
    const char* folder;
    const char* line;
    bool allowed;
};

const LineCase kLines[] = {
    {"calc", R"(#include "numbers/NumberText.h")", true},
    {"numbers", R"(#include "calc/FieldTable.h")", false},
    {"calc", R"(#include "ui/FieldControls.h")", false},
    {"calc", "#include <QString>", false},
    {"ui", "#include <QString>", true},
    {"platform", R"(#include "ui/Form1.h")", false},
    {"ui", R"(#include "Form1.h")", false},
    {"app", R"(#include "ui/Form1.h")", true},
    {"tools", R"(#include "ui/Form1.h")", false},
    {"tools", R"(#include "assets/LinkCursorHotSpot.h")", true},
    {"tests", R"(#include "ui/Form1.h")", true},
};

class IncludeRule : public ::testing::TestWithParam<LineCase> {};

TEST_P(IncludeRule, JudgesTheLine) {
    EXPECT_EQ(!fault(GetParam().folder, GetParam().line).has_value(), GetParam().allowed)
        << GetParam().folder << ": " << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(Lines, IncludeRule, ::testing::ValuesIn(kLines));

} // namespace
} // namespace pelmora::test
