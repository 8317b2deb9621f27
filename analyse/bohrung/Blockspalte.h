#pragma once

#include <cstddef>
#include <memory>
#include <vector>

namespace bohrung {

// A column of values that grows in blocks of 65 536, so that a log of a
// million rows never holds twice its size while it is read (as a vector
// does when it doubles) and every value keeps its place.
template <typename T>
class Blockspalte {
 public:
  static constexpr std::size_t kBlockBits = 16;
  static constexpr std::size_t kBlock = std::size_t{1} << kBlockBits;

  std::size_t size() const { return n_; }
  bool empty() const { return n_ == 0; }

  void push_back(T wert) {
    if ((n_ & (kBlock - 1)) == 0) bloecke_.emplace_back(new T[kBlock]);
    bloecke_.back()[n_ & (kBlock - 1)] = wert;
    ++n_;
  }

  // `anzahl` copies of `wert`, replacing what the column held.
  void assign(std::size_t anzahl, T wert) {
    clear();
    for (std::size_t i = 0; i < anzahl; ++i) push_back(wert);
  }

  void clear() {
    bloecke_.clear();
    n_ = 0;
  }

  T& operator[](std::size_t i) { return bloecke_[i >> kBlockBits][i & (kBlock - 1)]; }
  const T& operator[](std::size_t i) const { return bloecke_[i >> kBlockBits][i & (kBlock - 1)]; }

  // The values as one vector, for callers that want one (charts, JSON).
  std::vector<T> Vektor() const {
    std::vector<T> v;
    v.reserve(n_);
    for (std::size_t i = 0; i < n_; ++i) v.push_back((*this)[i]);
    return v;
  }

 private:
  std::vector<std::unique_ptr<T[]>> bloecke_;
  std::size_t n_ = 0;
};

}  // namespace bohrung
