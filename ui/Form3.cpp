#include "ui/Form3.h"

#include "calc/SettingsCheck.h"
#include "design/SettingsWindowDesign.h"
#include "platform/ApplicationSetup.h"
#include "platform/NumberQText.h"
#include "ui/CostWords.h"
#include "ui/FailureReport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace pelmora {
namespace {

template <typename Control> Control* placed(QWidget* window, std::string_view name) {
    auto* control = new Control(window);
    const SettingRow& row = named(kSettingRows, name);
    placeControl(*control, fromUtf8(row.name), QString::fromStdString(accessibleNameOf(row)),
                 row.place);
    return control;
}

} // namespace

Form3::Form3(const FeeSettings& settings) : SecondaryWindow(kSettingsWindow), m_settings(settings) {
    createControls();
    showSettings(settings);

    connect(Check1, &QCheckBox::clicked, this, &Form3::Check1_Click);
    connect(Check2, &QCheckBox::clicked, this, &Form3::Check2_Click);
    connect(Combo1, &QComboBox::activated, this, &Form3::Combo1_Click);
    connect(Text1, &QLineEdit::editingFinished, this,
            [this] { takeSetting(Text1, &FullCost::minimumCommission); });
    connect(Text2, &QLineEdit::editingFinished, this,
            [this] { takeSetting(Text2, &FullCost::stampDutyPercent); });
    connect(Text3, &QLineEdit::editingFinished, this,
            [this] { takeSetting(Text3, &FullCost::transferFeePercent); });
}

// A box that has the focus finishes its editing as it is destroyed, after this window's own part
// is gone; nothing of it may answer then.
Form3::~Form3() {
    for (QLineEdit* box : {Text1, Text2, Text3}) {
        box->disconnect(this);
    }
}

void Form3::createControls() {
    Check1 = placed<QCheckBox>(this, "Check1");
    Text1 = placed<QLineEdit>(this, "Text1");
    Text2 = placed<QLineEdit>(this, "Text2");
    Text3 = placed<QLineEdit>(this, "Text3");
    Check2 = placed<QCheckBox>(this, "Check2");
    Combo1 = placed<QComboBox>(this, "Combo1");
    // On Linux a screen reader names a drop-down after its choice and takes what it is from the
    // label whose buddy it is: a transparent label over the drawn heading "品种".
    auto* heading = overlay(kProductHeading, Pointer::Arrow);
    heading->setBuddy(Combo1);
    Combo1->addItem(QStringLiteral("股票"), static_cast<int>(Product::Shares));
    Combo1->addItem(QStringLiteral("基金"), static_cast<int>(Product::Fund));
    Label4 = new QLabel(this);
    placeControl(*Label4, kExchangeFeesRate);
    // A remark, in the grey the picture draws the others in.
    QPalette remark = Label4->palette();
    remark.setColor(QPalette::WindowText, QColor(kRemarkGrey, kRemarkGrey, kRemarkGrey));
    Label4->setPalette(remark);
    QWidget* const order[] = {Check1, Text1, Text2, Text3, Check2, Combo1};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

void Form3::showSettings(const FeeSettings& settings) {
    m_settings = settings;
    const FullCost& costs = settings.fullCost;
    Check1->setChecked(settings.fullCostOn);
    Text1->setText(numberQText(costs.minimumCommission));
    Text2->setText(numberQText(costs.stampDutyPercent));
    Text3->setText(numberQText(costs.transferFeePercent));
    Check2->setChecked(costs.exchangeFees);
    Combo1->setCurrentIndex(Combo1->findData(static_cast<int>(costs.product)));
    showExchangeFeesRate();
}

// The fees' rate follows the product, so it is text the window writes, not pixels.
void Form3::showExchangeFeesRate() {
    Label4->setText(exchangeFeesRemark(m_settings.fullCost.product));
}

void Form3::Check1_Click() {
    m_settings.fullCostOn = Check1->isChecked();
    Q_EMIT settingsChanged(m_settings);
}

void Form3::Check2_Click() {
    m_settings.fullCost.exchangeFees = Check2->isChecked();
    Q_EMIT settingsChanged(m_settings);
}

void Form3::Combo1_Click() {
    m_settings.fullCost.product = static_cast<Product>(Combo1->currentData().toInt());
    showExchangeFeesRate();
    Q_EMIT settingsChanged(m_settings);
}

void Form3::takeSetting(QLineEdit* box, double FullCost::*setting) {
    const std::string text = box->text().toStdString();
    const bool isMinimum = setting == &FullCost::minimumCommission;
    const SettingCheck checked = isMinimum ? checkMinimumText(text, usesDecimalComma())
                                           : checkRateText(text, usesDecimalComma());
    if (const auto* value = std::get_if<double>(&checked)) {
        if (*value != m_settings.fullCost.*setting) {
            m_settings.fullCost.*setting = *value;
            Q_EMIT settingsChanged(m_settings);
        }
        return;
    }
    // The old value stays, and shows again.
    const double kept = m_settings.fullCost.*setting;
    box->setText(numberQText(kept));
    Q_EMIT settingRefused(describeRefusedSetting(box->accessibleName(), text,
                                                 std::get<SettingRefusal>(checked), kept));
}

} // namespace pelmora
