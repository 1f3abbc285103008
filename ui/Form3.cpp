#include "ui/Form3.h"

#include "calc/SettingsCheck.h"
#include "design/SettingsWindowDesign.h"
#include "platform/ApplicationSetup.h"
#include "platform/FeeSettingsKeeper.h"
#include "store/NumberQText.h"
#include "ui/CostWords.h"
#include "ui/KindWords.h"
#include "ui/SettingWords.h"
#include "ui/WindowWords.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace pelmora {
namespace {

// The remark the picture draws beside a control is, to a screen reader, its description.
template <typename Control> Control* placed(QWidget* window, SettingControl which) {
    auto* control = new Control(window);
    const SettingRow& row = settingRow(which);
    placeControl(*control, fromUtf8(row.name), QString::fromStdString(accessibleNameOf(row)),
                 row.place);
    control->setAccessibleDescription(fromUtf8(row.remark));
    return control;
}

// A percentage cost shown for the product: its value, or that funds are not charged it.
void showLevy(QLineEdit& box, double percent, bool charged) {
    // Disabled first: a box that loses the focus this way must not take "不收" as a setting.
    box.setEnabled(charged);
    box.setText(charged ? numberQText(percent) : levyNotCharged());
}

} // namespace

Form3::Form3(FeeSettingsKeeper& settings)
    : SecondaryWindow(kSettingsWindow), m_feeSettings(settings) {
    createControls();
    showSettings();

    // Settings changed here or elsewhere show as the keeper holds them.
    connect(&m_feeSettings, &FeeSettingsKeeper::changed, this, &Form3::showSettings);
    connect(Check1, &QCheckBox::clicked, this, &Form3::Check1_Click);
    connect(Check2, &QCheckBox::clicked, this, &Form3::Check2_Click);
    connect(Combo1, &QComboBox::activated, this, &Form3::Combo1_Click);
    connect(Text1, &QLineEdit::editingFinished, this,
            [this] { takeSetting(Text1, &FullCost::minimumCommission, checkMinimumText); });
    connect(Text2, &QLineEdit::editingFinished, this,
            [this] { takeSetting(Text2, &FullCost::stampDutyPercent, checkLevyText); });
    connect(Text3, &QLineEdit::editingFinished, this,
            [this] { takeSetting(Text3, &FullCost::transferFeePercent, checkLevyText); });
    connect(Text4, &QLineEdit::editingFinished, this,
            [this] { takeJournalRate(Text4, &CommissionRates::buy); });
    connect(Text5, &QLineEdit::editingFinished, this,
            [this] { takeJournalRate(Text5, &CommissionRates::sell); });
}

// A box that has the focus finishes its editing as it is destroyed, after this window's own part
// is gone; nothing of it may answer then.
Form3::~Form3() {
    for (QLineEdit* box : {Text1, Text2, Text3, Text4, Text5}) {
        box->disconnect(this);
    }
}

void Form3::createControls() {
    Check1 = placed<QCheckBox>(this, SettingControl::FullCostOn);
    Text1 = placed<QLineEdit>(this, SettingControl::MinimumCommission);
    Text2 = placed<QLineEdit>(this, SettingControl::StampDuty);
    Text3 = placed<QLineEdit>(this, SettingControl::TransferFee);
    Check2 = placed<QCheckBox>(this, SettingControl::ExchangeFees);
    Combo1 = placed<QComboBox>(this, SettingControl::Kind);
    Text4 = placed<QLineEdit>(this, SettingControl::JournalBuyRate);
    Text5 = placed<QLineEdit>(this, SettingControl::JournalSellRate);
    for (QLineEdit* rate : {Text4, Text5}) {
        rate->setPlaceholderText(journalRateUntilNeeded());
        rate->setToolTip(journalRateTip());
    }
    // On Linux a screen reader names a drop-down after its choice and takes what it is from the
    // label whose buddy it is: a transparent label over the drawn heading "品种".
    auto* heading = overlay(kProductHeading, Pointer::Arrow);
    heading->setBuddy(Combo1);
    for (const SecurityKind kind : kKindsOfTheSettings) {
        Combo1->addItem(productChoiceName(kind), static_cast<int>(kind));
    }
    // Disabled for funds, the levy boxes still say plainly that funds are not charged them: the
    // style's faint grey on grey is hard to read at this size.
    for (QLineEdit* levy : {Text2, Text3}) {
        QPalette notCharged = levy->palette();
        notCharged.setColor(QPalette::Disabled, QPalette::Text,
                            QColor(kNotChargedGrey, kNotChargedGrey, kNotChargedGrey));
        levy->setPalette(notCharged);
    }
    Label4 = new QLabel(this);
    placeControl(*Label4, kExchangeFeesRate);
    // A remark, in the grey the picture draws the others in.
    QPalette remark = Label4->palette();
    remark.setColor(QPalette::WindowText, QColor(kRemarkGrey, kRemarkGrey, kRemarkGrey));
    Label4->setPalette(remark);
    // In the table's order, which its controls' order keeps.
    QWidget* const order[] = {Check1, Text1, Text2, Text3, Check2, Combo1, Text4, Text5};
    static_assert(std::size(order) == kSettingControlCount);
    for (std::size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

void Form3::showSettings() {
    const FeeSettings& settings = m_feeSettings.settings();
    const FullCost& costs = settings.fullCost;
    Check1->setChecked(settings.fullCostOn);
    Text1->setText(numberQText(costs.minimumCommission));
    // Funds pay neither the stamp duty nor the transfer fee; the values stay for shares.
    const LevyRates levies = levyRatesOn(costs.kind, todayInChina()).value_or(LevyRates{});
    showLevy(*Text2, costs.stampDutyPercent, levies.stampDuty.has_value());
    showLevy(*Text3, costs.transferFeePercent, levies.transferFee.has_value());
    Check2->setChecked(costs.exchangeFees);
    Combo1->setCurrentIndex(Combo1->findData(static_cast<int>(costs.kind)));
    // The fees' rate follows the kind, so it is text the window writes, not pixels; it is the
    // remark of Check2 and so its description too.
    Label4->setText(exchangeFeesRemark(costs.kind));
    Check2->setAccessibleDescription(Label4->text());
    Text4->setText(QString::fromStdString(settings.journalRates.buy));
    Text5->setText(QString::fromStdString(settings.journalRates.sell));
}

void Form3::Check1_Click() {
    m_feeSettings.switchFullCost(Check1->isChecked());
}

void Form3::Check2_Click() {
    FullCost costs = m_feeSettings.settings().fullCost;
    costs.exchangeFees = Check2->isChecked();
    m_feeSettings.changeCosts(costs);
}

void Form3::Combo1_Click() {
    FullCost costs = m_feeSettings.settings().fullCost;
    costs.kind = static_cast<SecurityKind>(Combo1->currentData().toInt());
    m_feeSettings.changeCosts(costs);
}

// An empty box is a rate not taken yet, left so until the journal first needs it.
void Form3::takeJournalRate(QLineEdit* box, std::string CommissionRates::*rate) {
    const std::string text = box->text().toStdString();
    CommissionRates rates = m_feeSettings.settings().journalRates;
    const std::string kept = rates.*rate;
    if (text.empty() && kept.empty()) {
        return;
    }
    const SettingCheck checked = checkRateText(text, usesDecimalComma());
    if (const auto* value = std::get_if<double>(&checked)) {
        rates.*rate = numberQText(*value).toStdString();
        m_feeSettings.changeJournalRates(rates);
        box->setText(QString::fromStdString(m_feeSettings.settings().journalRates.*rate));
        return;
    }
    box->setText(QString::fromStdString(kept));
    Q_EMIT settingRefused(
        describeRefusedRate(box->accessibleName(), text, std::get<RefusedSetting>(checked), kept),
        this);
    raise();
    activateWindow();
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
}

void Form3::takeSetting(QLineEdit* box, double FullCost::*setting,
                        SettingCheck (*check)(std::string_view, bool)) {
    // A box disabled for funds shows a word, not a setting.
    if (!box->isEnabled()) {
        return;
    }
    const std::string text = box->text().toStdString();
    const SettingCheck checked = check(text, usesDecimalComma());
    FullCost costs = m_feeSettings.settings().fullCost;
    if (const auto* value = std::get_if<double>(&checked)) {
        costs.*setting = *value;
        m_feeSettings.changeCosts(costs);
        // Shown as it is kept, whether or not the value changed: "0.0500" as "0.05".
        box->setText(numberQText(m_feeSettings.settings().fullCost.*setting));
        return;
    }
    // The old value stays, and shows again.
    const double kept = costs.*setting;
    box->setText(numberQText(kept));
    Q_EMIT settingRefused(describeRefusedSetting(box->accessibleName(), text,
                                                 std::get<RefusedSetting>(checked), kept),
                          this);
    // The message over this window is closed by now; the keyboard comes back to the box to put
    // right, in this window and not in whichever one the window system activated.
    raise();
    activateWindow();
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
}

} // namespace pelmora
