#pragma once

#include "calc/CalcSettings.h"
#include "calc/SettingsCheck.h"
#include "store/FeeSettings.h"
#include "ui/SecondaryWindow.h"

class QCheckBox;
class QLabel;
class QComboBox;
class QLineEdit;

namespace pelmora {

class FeeSettingsKeeper;

// The settings window: the full-cost mode on or off and the costs it counts, as the user's
// broker charges them. A borderless picture like the other windows, with ordinary controls on
// it. A rate takes effect when its box loses the focus or Enter is pressed in it; a rate that
// does not check out is refused and the old one stays. What it shows and changes is the
// keeper's.
class Form3 final : public SecondaryWindow {
    Q_OBJECT

public:
    // `settings` must outlive the window.
    explicit Form3(FeeSettingsKeeper& settings);
    ~Form3() override;
    Q_DISABLE_COPY_MOVE(Form3)

Q_SIGNALS:
    // A typed setting was refused; `message` says why in the user's words, to be shown over
    // `window`, this one. Once the signal returns, the keyboard goes back to the refused box.
    void settingRefused(const QString& message, QWidget* window);

private:
    void createControls();
    void showSettings();
    void Check1_Click();
    void Check2_Click();
    void Combo1_Click();
    // A setting box's text, checked by `check` when its editing is finished.
    void takeSetting(QLineEdit* box, double FullCost::*setting,
                     SettingCheck (*check)(std::string_view, bool));
    void takeJournalRate(QLineEdit* box, std::string CommissionRates::*rate);

    FeeSettingsKeeper& m_feeSettings;
    QCheckBox* Check1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text3 = nullptr;
    QCheckBox* Check2 = nullptr;
    QComboBox* Combo1 = nullptr;
    QLineEdit* Text4 = nullptr;
    QLineEdit* Text5 = nullptr;
    QLabel* Label4 = nullptr;
};

} // namespace pelmora
