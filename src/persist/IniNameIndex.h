#pragma once

// Finds a section or key by name in one step, however many a file holds. A
// damaged file can put a hundred thousand keys into one section; looking
// through the section line by line for every new key made such a file take
// seconds to read, and froze the saved-game list that reads it.
//
// The index holds only positions into its owner's own list of names (four
// bytes and four of hash each), so it stays small beside the text it indexes.
// The owner hashes the name and says whether the name at a position is the
// one sought: the names stay where the owner keeps them.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace veltrane {

class TIniNameIndex {
  public:
    // The position filed under the name; `sameAt(position)` tells whether the
    // name at a position is the one sought.
    template <typename SameAt> std::optional<std::uint32_t> Find(std::size_t hash, SameAt&& sameAt) const {
        if (slots_.empty())
            return std::nullopt;
        const std::uint32_t mixed = Mix(hash);
        for (std::size_t i = mixed & Mask();; i = (i + 1) & Mask()) {
            const Slot& slot = slots_[i];
            if (slot.position == kFree)
                return std::nullopt;
            if (slot.hash == mixed && sameAt(slot.position))
                return slot.position;
        }
    }

    // Files `position` unless an equal name is filed already, and returns the
    // position filed under the name: the first one filed counts.
    template <typename SameAt>
    std::uint32_t Insert(std::size_t hash, std::uint32_t position, SameAt&& sameAt) {
        if ((count_ + 1) * 2 > slots_.size())
            Grow();
        const std::uint32_t mixed = Mix(hash);
        for (std::size_t i = mixed & Mask();; i = (i + 1) & Mask()) {
            Slot& slot = slots_[i];
            if (slot.position == kFree) {
                slot = {mixed, position};
                ++count_;
                return position;
            }
            if (slot.hash == mixed && sameAt(slot.position))
                return slot.position;
        }
    }

    std::size_t Size() const { return count_; }
    void Clear() {
        slots_.clear();
        count_ = 0;
    }

  private:
    static constexpr std::uint32_t kFree = UINT32_MAX;
    struct Slot {
        std::uint32_t hash = 0;
        std::uint32_t position = kFree;
    };

    // The name hashes are cheap and clump in their low bits; spread them before
    // the low bits pick a slot.
    static std::uint32_t Mix(std::size_t hash) {
        return static_cast<std::uint32_t>((static_cast<std::uint64_t>(hash) * 0x9E3779B97F4A7C15ull) >> 32);
    }
    std::size_t Mask() const { return slots_.size() - 1; }

    void Grow() {
        std::vector<Slot> old(slots_.empty() ? 16 : slots_.size() * 2);
        old.swap(slots_);
        for (const Slot& slot : old) {
            if (slot.position == kFree)
                continue;
            std::size_t i = slot.hash & Mask();
            while (slots_[i].position != kFree)
                i = (i + 1) & Mask();
            slots_[i] = slot;
        }
    }

    std::vector<Slot> slots_; // a power of two, at most half full
    std::size_t count_ = 0;
};

} // namespace veltrane
