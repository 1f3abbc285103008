#include "cli/Arguments.h"

#include <algorithm>

namespace pelmora::cli {
namespace {

constexpr std::array kOptionTable = {
    OptionRow{Option::Journal, "--journal", Operand::File},
    OptionRow{Option::Settings, "--settings", Operand::File},
    OptionRow{Option::Time, "--time", Operand::Time},
    OptionRow{Option::Name, "--name", Operand::Name},
    OptionRow{Option::Note, "--note", Operand::Note},
    OptionRow{Option::Rate, "--rate", Operand::RatePercent},
    OptionRow{Option::Minimum, "--minimum", Operand::MinimumYuan},
    OptionRow{Option::All, "--all", std::nullopt},
    OptionRow{Option::Price, "--price", Operand::CodeAndPrice, true},
    OptionRow{Option::Year, "--year", Operand::Year},
    OptionRow{Option::DryRun, "--dry-run", std::nullopt},
};

const OptionRow* optionOfWord(std::string_view word) {
    const auto* found = std::ranges::find(kOptionTable, word, &OptionRow::word);
    return found == kOptionTable.end() ? nullptr : found;
}

const CommandRow* commandOfWord(std::string_view word) {
    const std::vector<CommandRow>& table = commandTable();
    const auto found = std::ranges::find(table, word, &CommandRow::word);
    return found == table.end() ? nullptr : &*found;
}

bool allows(const CommandRow* row, Option option) {
    return std::ranges::find(kEveryCommandsOptions, option) != kEveryCommandsOptions.end() ||
           (row != nullptr && std::ranges::find(row->options, option) != row->options.end());
}

// Reads the words one by one; the command is found among them as the first operand.
class Reader {
public:
    explicit Reader(const QStringList& arguments) {
        for (const QString& argument : arguments) {
            m_words.push_back(argument.toStdString());
        }
    }

    std::variant<Invocation, ArgumentRefusal> read() {
        while (m_next < m_words.size()) {
            if (std::optional<ArgumentRefusal> refused = readWord()) {
                return *refused;
            }
        }
        if (m_row == nullptr) {
            return ArgumentRefusal{ArgumentProblem::NoCommand, {}, {}, {}};
        }
        const std::size_t least = m_row->operands.size() - m_row->optionalOperands;
        if (m_invocation.operands.size() < least) {
            return ArgumentRefusal{ArgumentProblem::MissingOperand,
                                   {},
                                   m_row->operands.at(m_invocation.operands.size()),
                                   m_row->command};
        }
        return m_invocation;
    }

private:
    std::optional<ArgumentRefusal> readWord() {
        std::string word = m_words.at(m_next++);
        if (!m_operandsOnly && word == "--") {
            m_operandsOnly = true;
            return std::nullopt;
        }
        // The usual ways of asking for help name the help command.
        if (!m_operandsOnly && m_row == nullptr && (word == "--help" || word == "-h")) {
            word = "help";
        } else if (!m_operandsOnly && word.starts_with("--")) {
            return readOption(std::move(word));
        }
        if (m_row == nullptr) {
            m_row = commandOfWord(word);
            if (m_row == nullptr) {
                return refusal(ArgumentProblem::UnknownCommand, std::move(word));
            }
            m_invocation.command = m_row->command;
            return std::nullopt;
        }
        const std::size_t given = m_invocation.operands.size();
        if (given >= m_row->operands.size() && !(m_row->lastRepeats && given > 0)) {
            return refusal(ArgumentProblem::ExtraOperand, std::move(word));
        }
        // An empty name would reach SQLite as its temporary database, which no run keeps.
        const Operand operand = m_row->operands.at(std::min(given, m_row->operands.size() - 1));
        if (operand == Operand::File && word.empty()) {
            return ArgumentRefusal{ArgumentProblem::MissingOperand, {}, operand, m_row->command};
        }
        m_invocation.operands.push_back(std::move(word));
        return std::nullopt;
    }

    std::optional<ArgumentRefusal> readOption(std::string word) {
        std::optional<std::string> value;
        if (const std::size_t equals = word.find('='); equals != std::string::npos) {
            value = word.substr(equals + 1);
            word.resize(equals);
        }
        const OptionRow* option = optionOfWord(word);
        if (option == nullptr || !allows(m_row, option->option) || (value && !option->value)) {
            return refusal(ArgumentProblem::UnknownOption, std::move(word));
        }
        std::vector<std::string>& values = m_invocation.options[option->option];
        if (!values.empty() && !option->repeats) {
            return refusal(ArgumentProblem::RepeatedOption, std::move(word));
        }
        if (option->value && !value) {
            if (m_next == m_words.size()) {
                return refusal(ArgumentProblem::MissingValue, std::move(word));
            }
            value = m_words.at(m_next++);
        }
        if (option->value == Operand::File && value && value->empty()) {
            return refusal(ArgumentProblem::MissingValue, std::move(word));
        }
        values.push_back(value.value_or(std::string()));
        return std::nullopt;
    }

    [[nodiscard]] ArgumentRefusal refusal(ArgumentProblem problem, std::string text) const {
        return ArgumentRefusal{problem,
                               std::move(text),
                               {},
                               m_row == nullptr ? std::nullopt : std::optional(m_row->command)};
    }

    std::vector<std::string> m_words;
    std::size_t m_next = 0;
    bool m_operandsOnly = false;
    const CommandRow* m_row = nullptr;
    Invocation m_invocation;
};

} // namespace

const std::vector<CommandRow>& commandTable() {
    static const std::vector<CommandRow> table = {
        {Command::Add,
         "add",
         {Operand::Date, Operand::Code, Operand::Action, Operand::Quantity, Operand::Price},
         0,
         {Option::Time, Option::Name, Option::Note, Option::Rate, Option::Minimum}},
        {Command::Opening,
         "opening",
         {Operand::Date, Operand::Code, Operand::Quantity, Operand::TotalCost},
         0,
         {Option::Name, Option::Note}},
        {Command::Holdings, "holdings", {}, 0, {Option::All, Option::Price}},
        {Command::Trades, "trades", {Operand::Code}, 1, {}},
        {Command::Dividends, "dividends", {Operand::Code}, 1, {}},
        {Command::Export, "export", {Operand::File}, 0, {}},
        {Command::Import, "import", {Operand::File}, 0, {Option::DryRun}, true},
        {Command::Reconcile, "reconcile", {}, 0, {Option::Year}},
        {Command::Help, "help", {}, 0, {}},
    };
    return table;
}

const OptionRow& optionRow(Option option) {
    return *std::ranges::find(kOptionTable, option, &OptionRow::option);
}

std::optional<std::string> Invocation::option(Option which) const {
    const auto found = options.find(which);
    return found == options.end() ? std::nullopt : std::optional(found->second.back());
}

std::variant<Invocation, ArgumentRefusal> readArguments(const QStringList& arguments) {
    return Reader(arguments).read();
}

} // namespace pelmora::cli
