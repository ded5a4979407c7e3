#pragma once
// The last position in a list of keys whose key is below a value, found in logarithmic time
// whatever the order of the keys. The tempo map needs it once a file puts its tempo changes
// out of order (a later track going back in time): scanning the map for every lookup would
// make a file of a million tempo changes take hours to read.

#include <cstddef>
#include <cstdint>
#include <vector>

class TTempoIndex {
 public:
  static constexpr std::size_t npos = static_cast<std::size_t>(-1);

  void Clear();
  std::size_t Size() const { return size_; }
  // Sets the key at a position that exists or appends it (index == Size()).
  void Set(std::size_t index, int32_t key);
  // The largest position whose key is below the value; npos when there is none.
  std::size_t LastBelow(int32_t value) const;

 private:
  void Grow(std::size_t needed);

  std::size_t size_ = 0;
  std::size_t leaves_ = 0;
  // A tree of minima: leaf i at leaves_ + i, node k holds the smaller of nodes 2k and 2k+1.
  // Unused leaves hold the largest key, which nothing is below.
  std::vector<int32_t> tree_;
};
