#pragma once

#include "calc/SecurityKinds.h"

#include <QString>

namespace pelmora {

// The words of every kind of security, from one table keyed by kind (ui/KindWords.cpp).

// Its name in full: "沪深主板股票".
QString kindName(SecurityKind kind);
// Its board, short enough for a list: "主板".
QString boardName(SecurityKind kind);
// Its choice in the settings window's drop-down of what is traded: "股票", "基金", "创业板".
QString productChoiceName(SecurityKind kind);
// What its quantities are counted in: "股", or "张" for bonds.
QString quantityUnit(SecurityKind kind);

// The trade tools' choice of lots, made from the kind's purchase lots: the rule's name, short
// enough for the drop-down ("100股整数倍", "科创板 200股起"), and the rule in full for its tooltip,
// naming every board that buys by it.
QString lotChoiceName(SecurityKind kind);
QString lotChoiceRemark(SecurityKind kind);

} // namespace pelmora
