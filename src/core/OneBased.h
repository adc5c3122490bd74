#pragma once

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>

namespace veltrane {

// A fixed table numbered from 1, the way the game counts sectors, systems,
// artefacts and modules. Index 0 and anything past N are programming errors.
template <typename T, std::size_t N> class OneBased {
  public:
    static constexpr int kSize = static_cast<int>(N);

    T& operator[](int i) {
        Check(i);
        return items_[static_cast<std::size_t>(i - 1)];
    }
    const T& operator[](int i) const {
        Check(i);
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
    // A number outside the table would read another record's memory; loaders
    // validate, so reaching this is a programming error that must not go unseen.
    static void Check(int i) {
        if (i < 1 || i > kSize) [[unlikely]]
            throw std::out_of_range("number " + std::to_string(i) + " outside 1.." + std::to_string(kSize));
    }

    std::array<T, N> items_{};
};

} // namespace veltrane
