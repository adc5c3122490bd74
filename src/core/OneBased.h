#pragma once

#include <array>
#include <cassert>
#include <cstddef>

namespace veltrane {

// A fixed table numbered from 1, the way the game counts sectors, systems,
// artefacts and modules. Index 0 and anything past N are programming errors.
template <typename T, std::size_t N>
class OneBased {
public:
    static constexpr int kSize = static_cast<int>(N);

    T& operator[](int i) {
        assert(i >= 1 && i <= kSize);
        return items_[static_cast<std::size_t>(i - 1)];
    }
    const T& operator[](int i) const {
        assert(i >= 1 && i <= kSize);
        return items_[static_cast<std::size_t>(i - 1)];
    }

    static constexpr bool InRange(int i) { return i >= 1 && i <= kSize; }
    static constexpr int size() { return kSize; }

    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

    bool operator==(const OneBased&) const = default;

private:
    std::array<T, N> items_{};
};

} // namespace veltrane
