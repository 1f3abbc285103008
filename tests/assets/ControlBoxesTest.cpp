// Every control a window lays over its picture finds its box bare: the picture draws nothing
// there that the control would hide, or that would show through at its edges.
#include "design/MainWindowDesign.h"
#include "design/SettingsWindowDesign.h"
#include "design/TradeToolsWindowDesign.h"
#include "tests/assets/PictureChecks.h"
#include "tools/DesignPixels.h"

#include <QRect>
#include <vector>

namespace pelmora::test {
namespace {

struct ControlBox {
    std::string name; // the picture's and the control's, for the test's name
    QString picture;
    QRect box;
};

void PrintTo(const ControlBox& control, std::ostream* out) {
    *out << control.name;
}

// The link icons, the trade tools' entry and the heading overlays lie over drawn elements on
// purpose; every other control of the windows with controls needs bare ground.
std::vector<ControlBox> controlBoxes() {
    const QString main = QStringLiteral("main");
    const QString settings = QStringLiteral("settings");
    std::vector<ControlBox> boxes;
    boxes.reserve(kFieldControls.size() + kCalculateButtons.size() + kSettingRows.size() + 2);
    for (const FieldControl& control : kFieldControls) {
        boxes.push_back({"main_" + std::string(fieldName(control.field)), main,
                         drawing::pixelRect(control.place)});
    }
    for (const ButtonControl& button : kCalculateButtons) {
        boxes.push_back(
            {"main_" + std::string(button.name), main, drawing::pixelRect(button.place)});
    }
    boxes.push_back({"main_" + std::string(kFullCostMarker.name), main,
                     drawing::pixelRect(kFullCostMarker.place)});
    for (const SettingRow& row : kSettingRows) {
        boxes.push_back(
            {"settings_" + std::string(row.name), settings, drawing::pixelRect(row.place)});
    }
    boxes.push_back({"settings_" + std::string(kExchangeFeesRate.name), settings,
                     drawing::pixelRect(kExchangeFeesRate.place)});
    const auto addTool = [&boxes](std::string_view name, const TwipsRect& place) {
        boxes.push_back({"tools_" + std::string(name), QStringLiteral("trade-tools"),
                         drawing::pixelRect(place)});
    };
    for (const ToolBox& box : kToolBoxes) {
        addTool(box.control.name, box.control.place);
    }
    for (const ToolResultLabel& result : kToolResults) {
        addTool(result.control.name, result.control.place);
    }
    for (const ToolButton& button : kToolButtons) {
        addTool(button.name, button.place);
    }
    addTool(kLotRuleBox.name, kLotRuleBox.place);
    return boxes;
}

class ControlBoxInPicture : public ::testing::TestWithParam<ControlBox> {};

TEST_P(ControlBoxInPicture, IsBareGround) {
    const ControlBox& control = GetParam();
    for (const int density : kDensities) {
        const QImage picture = loadPicture(control.picture, density);
        for (int y = control.box.top(); y <= control.box.bottom(); ++y) {
            for (int x = control.box.left(); x <= control.box.right(); ++x) {
                ASSERT_TRUE(pixelIs(picture, density, x, y, Qt::black, 0));
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, ControlBoxInPicture, ::testing::ValuesIn(controlBoxes()),
                         [](const auto& row) { return row.param.name; });

} // namespace
} // namespace pelmora::test
