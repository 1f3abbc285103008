#pragma once

#include <QKeySequence>
#include <QString>
#include <string_view>

namespace pelmora {

// The keys that open the secondary windows from any of the program's windows.
inline constexpr QKeyCombination kHelpKey{Qt::Key_F1};
inline constexpr QKeyCombination kSettingsKey{Qt::Key_F2};
inline constexpr QKeyCombination kTradeToolsKey{Qt::Key_F3};
// The journal's key. It works in every window, a drop-down's box included, whose list then
// opens with Alt+Down alone.
inline constexpr QKeyCombination kJournalKey{Qt::Key_F4};
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

// The journal entry's tooltip and description, likewise.
QString journalEntryTip();
QString journalEntryDescription();

// What a screen reader calls the parts every borderless window has: its drawn title strip, its
// close glyph and the glyph's highlight.
QString titleStripName();
QString closeGlyphName();
QString closeHighlightName();

// The caption of every Calculate button, and a button's name for a screen reader: the panel it
// calculates, then the caption ("买进 计算").
QString calculateCaption();
QString calculateButtonName(std::string_view panel);

// The result labels' menu entry that copies the figure.
QString copyAction();

// What the stamp duty and transfer fee boxes read while the product is one that pays neither.
QString levyNotCharged();

} // namespace pelmora
