#include "effects/Dissolve.h"

#include <new>

namespace {

// SplitMix64: small, and the same numbers everywhere, unlike the standard
// library's distributions.
class Shuffler {
public:
    explicit Shuffler(std::uint32_t seed) : state_(seed) {}

    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in 0 .. bound - 1, by rejection of the uneven remainder.
    std::uint32_t Below(std::uint32_t bound) {
        const std::uint64_t limit = UINT64_MAX - UINT64_MAX % bound;
        std::uint64_t value;
        do value = Next();
        while (value >= limit);
        return static_cast<std::uint32_t>(value % bound);
    }

private:
    std::uint64_t state_;
};

}  // namespace

bool ShuffledOrder(std::uint32_t count, std::uint32_t seed, std::vector<std::uint32_t>* order) {
    try {
        order->resize(count);
    } catch (const std::bad_alloc&) {
        return false;
    }
    for (std::uint32_t i = 0; i < count; ++i) (*order)[i] = i;
    Shuffler shuffler(seed);
    // Fisher-Yates.
    for (std::uint32_t i = count; i > 1; --i) {
        const std::uint32_t j = shuffler.Below(i);
        const std::uint32_t kept = (*order)[i - 1];
        (*order)[i - 1] = (*order)[j];
        (*order)[j] = kept;
    }
    return true;
}

bool DissolveShows(const TransitionFrame& frame, unsigned x, unsigned y) {
    const Transition& transition = frame.transition;
    const std::uint64_t cells = static_cast<std::uint64_t>(transition.columns) * transition.rows;
    // The cells whose place comes before this frame's share have changed.
    const std::uint64_t changed = (frame.k * cells + DissolveFrames - 1) / DissolveFrames;
    const bool done = transition.cellOrder[static_cast<std::size_t>(y) * transition.columns + x] < changed;
    return frame.In() ? done : !done;
}
