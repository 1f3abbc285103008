// Replays recorded sessions of typing and pressing on a fresh window; after every press each
// field must hold exactly the recorded text.
#include "calc/Calculations.h"
#include "calc/TradeFields.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace pelmora::test {
namespace {

std::vector<std::string> splitTabs(const std::string& line) {
    std::vector<std::string> cells;
    std::string cell;
    std::istringstream in(line);
    while (std::getline(in, cell, '\t')) {
        cells.push_back(cell);
    }
    if (!line.empty() && line.back() == '\t') {
        cells.emplace_back(); // "set FIELD" with an empty text
    }
    return cells;
}

FieldId namedField(const std::string& name) {
    const auto field = fieldByName(name);
    if (!field) {
        throw std::runtime_error("unknown field " + name);
    }
    return *field;
}

CalcOutcome press(TradeFields& fields, const std::string& button) {
    if (button == "1") {
        return calculateBuySide(fields);
    }
    if (button == "2") {
        return calculateSellSide(fields);
    }
    if (button == "3") {
        return calculateTargetPrice(fields);
    }
    throw std::runtime_error("unknown button " + button);
}

TEST(RecordedSessions, EveryPressLeavesEveryFieldAsRecorded) {
    std::ifstream file(std::string(PELMORA_TEST_DATA) + "/sessions.tsv");
    ASSERT_TRUE(file.is_open());

    MemoryTradeFields fields;
    std::string session = "none";
    int lineNumber = 0;
    int presses = 0;
    std::string line;
    while (std::getline(file, line)) {
        ++lineNumber;
        if (line.empty() || line.front() == '#') {
            continue;
        }
        const std::vector<std::string> cells = splitTabs(line);
        SCOPED_TRACE("line " + std::to_string(lineNumber) + ", session " + session);
        if (cells.at(0) == "session") {
            fields = MemoryTradeFields();
            session = cells.at(1);
        } else if (cells.at(0) == "set") {
            fields.setText(namedField(cells.at(1)), cells.size() > 2 ? cells[2] : "");
        } else if (cells.at(0) == "press") {
            ++presses;
            const CalcOutcome outcome = press(fields, cells.at(1));
            EXPECT_EQ(outcome.ok(), cells.at(2) == "ok");
            for (std::size_t i = 3; i < cells.size(); ++i) {
                const auto eq = cells[i].find('=');
                const FieldId field = namedField(cells[i].substr(0, eq));
                EXPECT_EQ(fields.text(field), cells[i].substr(eq + 1)) << fieldName(field);
            }
        } else {
            FAIL() << "unknown line kind " << cells.at(0);
        }
    }
    EXPECT_GT(presses, 100);
}

} // namespace
} // namespace pelmora::test
