#pragma once
#include <array>
#include <cassert>
#include <cstddef>

// A fixed array indexed 1 … N, as the lines of a page are numbered: line i
// of the page is element i, and index 0 does not exist.
template <typename T, std::size_t N>
class OneBased {
public:
    T& operator[](std::size_t i)
    {
        assert(i >= 1 && i <= N);
        return items_[i - 1];
    }
    const T& operator[](std::size_t i) const
    {
        assert(i >= 1 && i <= N);
        return items_[i - 1];
    }
    static constexpr std::size_t size() { return N; }
    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    std::array<T, N> items_{};
};
