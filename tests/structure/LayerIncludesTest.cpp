// The layers are the folders cmake/own-folders.txt lists as such, lowest first. A source may
// include its own layer and those below it, by its path from the project's root; the layers
// marked no-qt include nothing of Qt, and tools/ includes only itself and the layers marked for
// it. Every library exports the project's root as an include folder, so the build alone would
// not refuse an include that runs upwards. The same list tells the format and clang-tidy checks
// which folders are the project's own, so a folder of sources missing from it fails here.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora::test {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kTools = "tools";

struct OwnFolders {
    std::vector<std::string> layers; // lowest first
    std::set<std::string, std::less<>> all;
    std::set<std::string, std::less<>> noQt;
    std::set<std::string, std::less<>> forTools;

    [[nodiscard]] std::optional<std::size_t> layerOf(std::string_view folder) const {
        const auto found = std::find(layers.begin(), layers.end(), folder);
        return found == layers.end()
                   ? std::nullopt
                   : std::optional(static_cast<std::size_t>(found - layers.begin()));
    }
};

// Each line not a comment: the folder, its kind (layer or beside), then its marks.
OwnFolders readOwnFolders() {
    OwnFolders folders;
    std::ifstream list(PELMORA_OWN_FOLDERS_FILE);
    std::string line;
    while (std::getline(list, line)) {
        std::istringstream words(line);
        std::string folder;
        std::string kind;
        if (!(words >> folder >> kind) || folder.front() == '#') {
            continue;
        }
        folders.all.insert(folder);
        if (kind == "layer") {
            folders.layers.push_back(folder);
        }
        for (std::string mark; words >> mark;) {
            if (mark == "no-qt") {
                folders.noQt.insert(folder);
            } else if (mark == kTools) {
                folders.forTools.insert(folder);
            }
        }
    }
    return folders;
}

const OwnFolders& ownFolders() {
    static const OwnFolders folders = readOwnFolders();
    return folders;
}

// What is wrong with one include line of a file in `folder`, or nothing.
std::optional<std::string> fault(std::string_view folder, const std::string& line) {
    static const std::regex projectInclude(R"(^\s*#\s*include\s*"([^"]+)\")");
    static const std::regex systemInclude(R"(^\s*#\s*include\s*<(Q[A-Za-z]*)[>/])");
    const OwnFolders& folders = ownFolders();
    std::smatch match;
    const std::optional<std::size_t> layer = folders.layerOf(folder);
    if (std::regex_search(line, match, systemInclude)) {
        return folders.noQt.contains(folder) ? std::optional("Qt in a layer without Qt")
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
        return target == kTools || folders.forTools.contains(target)
                   ? std::nullopt
                   : std::optional("tools reach into " + target);
    }
    const std::optional<std::size_t> included = folders.layerOf(target);
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

// Every .cpp and .h outside the build folders, by its path from the project's root.
std::vector<fs::path> projectSources() {
    const fs::path root(PELMORA_SOURCE_DIR);
    std::vector<fs::path> sources;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const fs::path relative = fs::relative(entry.path(), root);
        const std::string top = relative.begin()->string();
        if (top == "build" || top.front() == '.' || !entry.is_regular_file() ||
            (entry.path().extension() != ".h" && entry.path().extension() != ".cpp")) {
            continue;
        }
        sources.push_back(relative);
    }
    return sources;
}

TEST(LayerIncludes, RunOnlyDownwardsAndFromTheRoot) {
    const std::vector<fs::path> sources = projectSources();
    for (const fs::path& relative : sources) {
        std::ifstream source(fs::path(PELMORA_SOURCE_DIR) / relative);
        std::string line;
        for (int number = 1; std::getline(source, line); ++number) {
            if (const auto problem = fault(relative.begin()->string(), line)) {
                ADD_FAILURE() << relative.string() << ":" << number << ": " << *problem << ": "
                              << line;
            }
        }
    }
    EXPECT_GT(sources.size(), 50U);
}

TEST(OwnFolders, ListEveryFolderOfSourcesAndNothingElse) {
    const OwnFolders& folders = ownFolders();
    std::set<std::string, std::less<>> holdingSources;
    for (const fs::path& relative : projectSources()) {
        holdingSources.insert(relative.begin()->string());
    }
    for (const std::string& folder : holdingSources) {
        EXPECT_TRUE(folders.all.contains(folder))
            << folder << "/ holds C++ sources but is not in " << PELMORA_OWN_FOLDERS_FILE
            << ", so the format and clang-tidy checks would pass over it";
    }
    for (const std::string& folder : folders.all) {
        EXPECT_TRUE(holdingSources.contains(folder))
            << folder << "/ is listed but holds no sources";
    }
    EXPECT_TRUE(folders.all.contains(kTools));
    EXPECT_GE(folders.layers.size(), 2U);
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
