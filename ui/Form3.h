#pragma once

#include "calc/FeeSettings.h"
#include "ui/SecondaryWindow.h"

class QCheckBox;
class QLabel;
class QComboBox;
class QLineEdit;

namespace pelmora {

// The settings window: the full-cost mode on or off and the costs it counts, as the user's
// broker charges them. A borderless picture like the other windows, with ordinary controls on
// it. A rate takes effect when its box loses the focus or Enter is pressed in it; a rate that
// does not check out is refused and the old one stays.
class Form3 final : public SecondaryWindow {
    Q_OBJECT

public:
    explicit Form3(const FeeSettings& settings);
    ~Form3() override;
    Q_DISABLE_COPY_MOVE(Form3)

    [[nodiscard]] const FeeSettings& settings() const { return m_settings; }
    // Shows settings that changed elsewhere.
    void showSettings(const FeeSettings& settings);

Q_SIGNALS:
    void settingsChanged(const pelmora::FeeSettings& settings);
    // A typed setting was refused; `message` says why in the user's words.
    void settingRefused(const QString& message);

private:
    void createControls();
    void showExchangeFeesRate();
    void Check1_Click();
    void Check2_Click();
    void Combo1_Click();
    // A setting box's text, checked when its editing is finished.
    void takeSetting(QLineEdit* box, double FullCost::*setting);

    FeeSettings m_settings;
    QCheckBox* Check1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text3 = nullptr;
    QCheckBox* Check2 = nullptr;
    QComboBox* Combo1 = nullptr;
    QLabel* Label4 = nullptr;
};

} // namespace pelmora
