#include "tests/soak/RandomTexts.h"

#include <array>

namespace pelmora {

QString RandomTexts::next() {
    static const std::array<QString, 12> kOddities = {
        QString(),
        QStringLiteral(" "),
        QStringLiteral("abc"),
        QStringLiteral("1..2"),
        QStringLiteral("６００"),
        QStringLiteral("８．８８"),
        QStringLiteral("1E+300"),
        QStringLiteral("-1E+300"),
        QStringLiteral("1E-300"),
        QStringLiteral("10,000"),
        QStringLiteral("0"),
        QStringLiteral("100"),
    };
    switch (below(4)) {
    case 0:
        return kOddities[static_cast<std::size_t>(below(static_cast<int>(kOddities.size())))];
    case 1: // a quantity in lots of 100
        return QString::number(100 * (1 + below(500)));
    default: { // a price with up to two decimals, or a rate
        const double value = std::uniform_real_distribution<double>(0.01, 300.0)(m_random);
        return QString::number(value, 'f', below(3));
    }
    }
}

} // namespace pelmora
