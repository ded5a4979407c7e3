#include "midi/TempoIndex.h"

#include <algorithm>
#include <limits>

namespace {
constexpr int32_t kNone = std::numeric_limits<int32_t>::max();
}

void TTempoIndex::Clear() {
  size_ = 0;
  leaves_ = 0;
  tree_.clear();
  tree_.shrink_to_fit();
}

void TTempoIndex::Grow(std::size_t needed) {
  std::size_t leaves = std::max<std::size_t>(leaves_, 16);
  while (leaves < needed) leaves *= 2;
  if (leaves == leaves_) return;
  std::vector<int32_t> tree(2 * leaves, kNone);
  for (std::size_t i = 0; i < size_; ++i) tree[leaves + i] = tree_[leaves_ + i];
  for (std::size_t k = leaves - 1; k >= 1; --k) tree[k] = std::min(tree[2 * k], tree[2 * k + 1]);
  tree_.swap(tree);
  leaves_ = leaves;
}

void TTempoIndex::Set(std::size_t index, int32_t key) {
  if (index > size_) return;
  if (index == size_) {
    Grow(size_ + 1);
    ++size_;
  }
  std::size_t k = leaves_ + index;
  tree_[k] = key;
  for (k /= 2; k >= 1; k /= 2) tree_[k] = std::min(tree_[2 * k], tree_[2 * k + 1]);
}

std::size_t TTempoIndex::LastBelow(int32_t value) const {
  if (size_ == 0 || !(tree_[1] < value)) return npos;
  // Some leaf below the node is below the value: go right whenever the right side has one.
  std::size_t k = 1;
  while (k < leaves_) k = tree_[2 * k + 1] < value ? 2 * k + 1 : 2 * k;
  return k - leaves_;
}
