#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace pelmora::cli {

// The console program's command line:
//   pelmora-journal [--journal FILE] [--settings FILE] COMMAND OPERAND… [--OPTION [VALUE]]…
// Each command is one row of a table (Arguments.cpp): its word, the operands it takes in order
// and the options it allows, so the parser, the usage text and the commands agree.

enum class Command : std::uint8_t {
    Add,
    Opening,
    Holdings,
    Trades,
    Dividends,
    Export,
    Import,
    Reconcile,
    Help,
};

// What an operand or an option's value stands for, which names it in messages and usage.
enum class Operand : std::uint8_t {
    Date,
    Code,
    Action,
    Quantity,
    Price,
    TotalCost,
    File,
    Time,
    Name,
    Note,
    RatePercent,
    MinimumYuan,
    CodeAndPrice,
    Year,
};

enum class Option : std::uint8_t {
    Journal,
    Settings,
    Time,
    Name,
    Note,
    Rate,
    Minimum,
    All,
    Price,
    Year,
    DryRun,
};
// Taken before the command or anywhere after it.
inline constexpr std::array kEveryCommandsOptions = {Option::Journal, Option::Settings};

struct OptionRow {
    Option option;
    std::string_view word;        // as typed, "--time"
    std::optional<Operand> value; // none for a flag
    bool repeats = false;
};

struct CommandRow {
    Command command;
    std::string_view word;
    std::vector<Operand> operands;
    std::size_t optionalOperands = 0; // how many of the last ones may be left out
    std::vector<Option> options;
    bool lastRepeats = false; // the last operand may be given again and again: FILE…
};

const std::vector<CommandRow>& commandTable();
const OptionRow& optionRow(Option option);

struct Invocation {
    Command command = Command::Help;
    std::vector<std::string> operands; // in the row's order; the optional ones may be missing
    std::map<Option, std::vector<std::string>> options; // a flag holds one empty text
    [[nodiscard]] std::optional<std::string> option(Option which) const;
    [[nodiscard]] bool has(Option which) const { return options.contains(which); }
};

enum class ArgumentProblem : std::uint8_t {
    NoCommand,
    UnknownCommand,
    UnknownOption,  // `text` is the option
    MissingValue,   // an option given last without its value
    RepeatedOption, // an option that is taken once, given twice
    MissingOperand, // `operand` names it
    ExtraOperand,   // `text` is the first one too many
};

struct ArgumentRefusal {
    ArgumentProblem problem = ArgumentProblem::NoCommand;
    std::string text;
    std::optional<Operand> operand;
    std::optional<Command> command;
    bool operator==(const ArgumentRefusal&) const = default;
};

// The arguments after the program's name. "--name=VALUE" is taken as "--name VALUE", and after
// "--" every argument is an operand, so a name or note may start with "--" too.
std::variant<Invocation, ArgumentRefusal> readArguments(const QStringList& arguments);

} // namespace pelmora::cli
