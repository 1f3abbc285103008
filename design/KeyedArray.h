#pragma once

#include <array>
#include <cstddef>

namespace pelmora {

// One item for each value of an enum that counts from 0, reached by that value and by nothing
// else: a window keeps its controls in one, so that no index into a control list can stray from
// the design table that orders the enum.
template <typename Key, typename Item, std::size_t Count> class KeyedArray {
public:
    constexpr Item& operator[](Key key) { return m_items.at(indexOf(key)); }
    constexpr const Item& operator[](Key key) const { return m_items.at(indexOf(key)); }

    [[nodiscard]] constexpr auto begin() const { return m_items.begin(); }
    [[nodiscard]] constexpr auto end() const { return m_items.end(); }

private:
    static constexpr std::size_t indexOf(Key key) { return static_cast<std::size_t>(key); }

    std::array<Item, Count> m_items{};
};

} // namespace pelmora
