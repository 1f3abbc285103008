// What Form4's Calculate buttons do: read the panel's boxes, cost the orders exactly and show
// the figures, or say why not.
#include "calc/TradeFields.h"
#include "calc/TradeTools.h"
#include "platform/ApplicationSetup.h"
#include "platform/FeeSettingsKeeper.h"
#include "ui/Form4.h"
#include "ui/MessageQuote.h"
#include "ui/ResultLabel.h"
#include "ui/ToolWords.h"

#include <QComboBox>
#include <QLineEdit>

namespace pelmora {
namespace {

QString shown(const Decimal& figure, int decimals) {
    return QString::fromStdString(figure.fixedText(decimals));
}

QString shown(const std::optional<Decimal>& figure, int decimals) {
    return figure ? shown(*figure, decimals) : QString();
}

std::string typed(const QLineEdit* box) {
    return box->text().toStdString();
}

// A figure and what it is made of, in its tooltip.
void showResult(ResultLabel* label, const QString& figure, const QString& note = {}) {
    label->showFigure(figure);
    label->setNote(note);
}

} // namespace

// The settings window's costs count here whether or not the main window's mode counts them: a
// round trip, buying more and selling part are real orders.
ToolCosting Form4::costing() const {
    return {m_feeSettings.settings().fullCost, m_mainFields.text(FieldId::srl),
            m_mainFields.text(FieldId::scl), usesDecimalComma()};
}

void Form4::Command1_Click() {
    const RoundTripInput input{typed(m_boxes.at(0)), typed(m_boxes.at(1)), typed(m_boxes.at(2)),
                               typed(m_boxes.at(3))};
    const ToolCosting costs = costing();
    const auto outcome = roundTrip(input, costs);
    if (const auto* failure = std::get_if<ToolFailure>(&outcome)) {
        report(*failure);
        return;
    }
    const auto& result = std::get<RoundTripResult>(outcome);
    const QString legs = describeRoundTrip(result);
    const QString goal = quotedForMessage(typed(m_boxes.at(3)));
    const Decimal step = priceStep(costs.costs.product);
    showResult(m_results.at(0), shown(result.profit, 2), legs);
    showResult(m_results.at(1), shown(result.costs, 2), legs);
    showResult(m_results.at(2), shown(result.breakEvenSell, result.priceDecimals),
               result.breakEvenSell
                   ? describeBreakEven(step, result.priceDecimals, breakEvenSellMeaning(goal))
                   : QString());
    showResult(m_results.at(3), shown(result.breakEvenBuyBack, result.priceDecimals),
               result.breakEvenBuyBack
                   ? describeBreakEven(step, result.priceDecimals, breakEvenBuyBackMeaning(goal))
                   : QString());
}

void Form4::Command2_Click() {
    const AddPositionInput input{typed(m_boxes.at(4)), typed(m_boxes.at(5)), typed(m_boxes.at(6)),
                                 typed(m_boxes.at(7)),
                                 static_cast<LotRule>(Combo1->currentData().toInt())};
    const auto outcome = addPosition(input, costing());
    if (const auto* failure = std::get_if<ToolFailure>(&outcome)) {
        report(*failure);
        return;
    }
    const auto& result = std::get<AddPositionResult>(outcome);
    const QString funds = describeFunds(result.order);
    showResult(m_results.at(4), QString::number(result.quantity), funds);
    showResult(m_results.at(5), shown(result.funds, 2), funds);
    showResult(m_results.at(6), shown(result.newCost, kCostPerShareDecimals), funds);
    showResult(m_results.at(7), result.fewer ? fewerShares(*result.fewer) : QString());
}

void Form4::Command3_Click() {
    const ReducePositionInput input{typed(m_boxes.at(8)), typed(m_boxes.at(9)),
                                    typed(m_boxes.at(10)), typed(m_boxes.at(11))};
    const ToolCosting costs = costing();
    const auto outcome = reducePosition(input, costs);
    if (const auto* failure = std::get_if<ToolFailure>(&outcome)) {
        report(*failure);
        return;
    }
    const auto& result = std::get<ReducePositionResult>(outcome);
    const QString proceeds = describeProceeds(result.sale);
    showResult(m_results.at(8), shown(result.realized, 2), proceeds);
    showResult(m_results.at(9), shown(result.remaining, 0));
    showResult(m_results.at(10), shown(result.dilutedCost, kCostPerShareDecimals), proceeds);
    const QString breakEven = result.breakEvenPrice
                                  ? describeBreakEven(priceStep(costs.costs.product),
                                                      result.priceDecimals, breakEvenRestMeaning())
                                  : QString();
    showResult(m_results.at(11),
               result.alreadyCovered ? alreadyCovered()
                                     : shown(result.breakEvenPrice, result.priceDecimals),
               breakEven.isEmpty() ? proceeds : breakEven + u'\n' + proceeds);
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
    QLineEdit* box = m_boxes.at(static_cast<std::size_t>(failure.field));
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
}

} // namespace pelmora
