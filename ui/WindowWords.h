#pragma once

#include <QKeySequence>
#include <QString>

namespace pelmora {

// The keys that open the secondary windows from any of the program's windows.
inline constexpr QKeyCombination kHelpKey{Qt::Key_F1};
inline constexpr QKeyCombination kSettingsKey{Qt::Key_F2};
inline constexpr QKeyCombination kTradeToolsKey{Qt::Key_F3};
// The key that hides a secondary window, as its close glyph does.
inline constexpr QKeyCombination kHideKey{Qt::Key_Escape};

// The help icon's tooltip and what a screen reader says of it: what it opens and its key.
QString helpIconTip();
QString helpIconDescription();

// The gear's tooltip and description, likewise.
QString settingsIconTip();
QString settingsIconDescription();

// The trade-tools entry's tooltip and description, likewise.
QString tradeToolsEntryTip();
QString tradeToolsEntryDescription();

// What the stamp duty and transfer fee boxes read while the product is one that pays neither.
QString levyNotCharged();

} // namespace pelmora
