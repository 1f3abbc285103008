// What Form4's Calculate buttons do: read the panel's boxes, cost the orders exactly and show
// the figures, or say why not.
#include "calc/TradeFields.h"
#include "calc/TradeTools.h"
#include "platform/ApplicationSetup.h"
#include "platform/FeeSettingsKeeper.h"
#include "ui/CostWords.h"
#include "ui/Form4.h"
#include "ui/MessageQuote.h"
#include "ui/ResultLabel.h"
#include "ui/ToolWords.h"

#include <QComboBox>
#include <QLineEdit>

namespace pelmora {
namespace {

std::optional<std::int64_t> wholeOf(const std::string& text) {
    const auto value = Decimal::fromText(text);
    return value ? value->toWhole() : std::nullopt;
}

QString shown(const Decimal& figure, int decimals) {
    return QString::fromStdString(figure.fixedText(decimals));
}

QString shown(const std::optional<SolvedPrice>& solved, int decimals) {
    return solved && solved->price ? shown(*solved->price, decimals) : QString();
}

// Lines of a tooltip, the empty ones left out.
QString lines(std::initializer_list<QString> parts) {
    QStringList kept;
    for (const QString& part : parts) {
        if (!part.isEmpty()) {
            kept.push_back(part);
        }
    }
    return kept.join(u'\n');
}

} // namespace

std::string Form4::typed(ToolField field) const {
    return m_boxes[field]->text().toStdString();
}

// The settings window's costs count here whether or not the main window's mode counts them: a
// round trip, buying more and selling part are real orders.
ToolCosting Form4::costing() const {
    return {m_feeSettings.settings().fullCost, m_mainFields.text(FieldId::srl),
            m_mainFields.text(FieldId::scl), usesDecimalComma()};
}

// A figure and what it is made of, in its tooltip. A figure too wide for its box starts at its
// left edge, so that its first digits show; one that fits stays centred.
void Form4::showResult(ToolResult result, const QString& figure, const QString& note) {
    ResultLabel* label = m_results[result];
    label->showFigure(figure);
    label->setNote(note);
    label->setAlignment((label->isCutOff() ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter);
}

void Form4::Command1_Click() {
    const RoundTripInput input{
        typed(ToolField::RoundTripQuantity), typed(ToolField::RoundTripBuyPrice),
        typed(ToolField::RoundTripSellPrice), typed(ToolField::RoundTripGoal)};
    const ToolCosting costs = costing();
    const auto outcome = roundTrip(input, costs);
    if (const auto* failure = std::get_if<ToolFailure>(&outcome)) {
        report(*failure);
        return;
    }
    const auto& result = std::get<RoundTripResult>(outcome);
    // The tool took the quantity as a whole number of shares, so it reads back as one.
    if (const auto quantity = wholeOf(input.quantity)) {
        m_orders[Tool::RoundTrip] = {{TradeAction::Buy, *quantity, result.buyPrice},
                                     {TradeAction::Sell, *quantity, result.sellPrice}};
    }
    const QString goal = quotedForMessage(input.goal);
    const Decimal step = priceStep(costs.costs.kind);
    const int decimals = result.priceDecimals;
    QStringList offStep;
    for (const ToolField field : result.offStep) {
        offStep.push_back(offTheStep(field, m_boxes[field]->text(), step, decimals));
    }
    const QString legs = lines({describeRoundTrip(result), offStep.join(u'\n')});
    showResult(ToolResult::RoundTripProfit, shown(result.profit, kFenDecimals), legs);
    showResult(ToolResult::RoundTripCosts, shown(result.costs, kFenDecimals), legs);
    const auto breakEvenTip = [&](const std::optional<SolvedPrice>& solved, ToolResult sought,
                                  const QString& meaning) {
        if (!solved) {
            return QString();
        }
        return solved->price ? describeBreakEven(step, decimals, meaning)
                             : missedPrice(*solved, sought, goal, step, decimals);
    };
    showResult(
        ToolResult::BreakEvenSell, shown(result.breakEvenSell, decimals),
        breakEvenTip(result.breakEvenSell, ToolResult::BreakEvenSell, breakEvenSellMeaning(goal)));
    showResult(ToolResult::BreakEvenBuyBack, shown(result.breakEvenBuyBack, decimals),
               breakEvenTip(result.breakEvenBuyBack, ToolResult::BreakEvenBuyBack,
                            breakEvenBuyBackMeaning(goal)));
}

void Form4::Command2_Click() {
    const auto kind = static_cast<SecurityKind>(Combo1->currentData().toInt());
    const AddPositionInput input{
        typed(ToolField::AddHeld),  typed(ToolField::AddCost),
        typed(ToolField::AddPrice), typed(ToolField::AddTarget),
        purchaseLots(kind),         heldTotal(ToolField::AddHeld, ToolField::AddCost)};
    const ToolCosting costs = costing();
    const auto outcome = addPosition(input, costs);
    if (const auto* failure = std::get_if<ToolFailure>(&outcome)) {
        report(*failure);
        return;
    }
    const auto& result = std::get<AddPositionResult>(outcome);
    m_orders[Tool::AddPosition] = {
        {TradeAction::Buy, result.quantity, priceOfOrder(result.order.amount, result.quantity)}};
    const QString offStep =
        result.priceOffStep
            ? offTheStep(ToolField::AddPrice, m_boxes[ToolField::AddPrice]->text(),
                         priceStep(costs.costs.kind), priceDecimals(costs.costs.kind))
            : QString();
    const QString funds = lines({describeFunds(result.order), offStep});
    showResult(ToolResult::SharesToBuy, QString::number(result.quantity), funds);
    showResult(ToolResult::FundsNeeded, shown(result.funds, kFenDecimals), funds);
    showResult(ToolResult::CostAfterAdding, shown(result.newCost, kCostPerShareDecimals), funds);
    showResult(ToolResult::FewerShares, result.fewer ? fewerShares(*result.fewer) : QString(),
               result.fewer ? fewerSharesTip(*result.fewer, quotedForMessage(input.target))
                            : QString());
}

void Form4::Command3_Click() {
    const ReducePositionInput input{typed(ToolField::ReduceHeld), typed(ToolField::ReduceCost),
                                    typed(ToolField::ReduceQuantity), typed(ToolField::ReducePrice),
                                    heldTotal(ToolField::ReduceHeld, ToolField::ReduceCost)};
    const ToolCosting costs = costing();
    const auto outcome = reducePosition(input, costs);
    if (const auto* failure = std::get_if<ToolFailure>(&outcome)) {
        report(*failure);
        return;
    }
    const auto& result = std::get<ReducePositionResult>(outcome);
    if (const auto sold = wholeOf(input.quantity)) {
        m_orders[Tool::ReducePosition] = {
            {TradeAction::Sell, *sold, priceOfOrder(result.sale.amount, *sold)}};
    }
    const Decimal step = priceStep(costs.costs.kind);
    const QString offStep =
        result.priceOffStep
            ? offTheStep(ToolField::ReducePrice, m_boxes[ToolField::ReducePrice]->text(), step,
                         result.priceDecimals)
            : QString();
    const QString proceeds = lines({describeProceeds(result.sale), offStep});
    showResult(ToolResult::Realized, shown(result.realized, kFenDecimals), proceeds);
    showResult(ToolResult::Remaining, shown(result.remaining, kShareDecimals));
    showResult(ToolResult::DilutedCost,
               result.dilutedCost ? shown(*result.dilutedCost, kCostPerShareDecimals) : QString(),
               proceeds);
    QString breakEven;
    if (result.breakEvenPrice) {
        breakEven = result.breakEvenPrice->price
                        ? describeBreakEven(step, result.priceDecimals, breakEvenRestMeaning())
                        : missedPrice(*result.breakEvenPrice, ToolResult::BreakEvenRest, QString(),
                                      step, result.priceDecimals);
    }
    showResult(ToolResult::BreakEvenRest,
               result.alreadyCovered ? alreadyCovered()
                                     : shown(result.breakEvenPrice, result.priceDecimals),
               lines({breakEven, proceeds}));
}

// Nothing typed changes and the panel's results stay; the keyboard goes to the box to put right,
// with its text selected so that typing the correction replaces it.
void Form4::report(const ToolFailure& failure) {
    const QString message = describeToolFailure(failure);
    if (failure.field == ToolField::BuyRate || failure.field == ToolField::SellRate) {
        Q_EMIT mainFieldFailed(message,
                               failure.field == ToolField::BuyRate ? FieldId::srl : FieldId::scl);
        return;
    }
    Q_EMIT calculationFailed(message, this);
    // The message over this window is closed by now; the keyboard comes back here and not to
    // whichever window the window system activated.
    raise();
    activateWindow();
    QLineEdit* box = m_boxes[failure.field];
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
}

} // namespace pelmora
