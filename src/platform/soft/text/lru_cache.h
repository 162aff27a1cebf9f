#pragma once
// A map that keeps its entries within a byte budget, dropping the least recently
// used first: fonts and glyphs are asked for at whatever sizes scripts use, and
// every size kept for good would grow the host without bound.
#include <cstddef>
#include <cstdint>
#include <list>
#include <map>
#include <utility>

namespace pg::platform::soft {

template <typename Key, typename Value>
class LruCache {
 public:
  explicit LruCache(std::size_t budget) : budget_(budget) {}

  // The value under key, now the most recently used; null when absent.
  Value* Find(const Key& key) {
    auto it = index_.find(key);
    if (it == index_.end()) return nullptr;
    order_.splice(order_.begin(), order_, it->second);
    return &it->second->value;
  }

  // Stores value at `bytes` cost, dropping the least recently used entries until
  // the rest fits. An entry larger than the whole budget is not kept (null).
  Value* Put(const Key& key, Value value, std::size_t bytes) {
    Erase(key);
    if (bytes > budget_) return nullptr;
    while (used_ + bytes > budget_ && !order_.empty()) Erase(order_.back().key);
    order_.push_front(Entry{key, std::move(value), bytes});
    index_.emplace(key, order_.begin());
    used_ += bytes;
    return &order_.front().value;
  }

  std::size_t UsedBytes() const { return used_; }
  // How many entries have been dropped or replaced so far: a value pointer taken
  // from Find or Put stays good while this count stays the same.
  std::uint64_t Erasures() const { return erasures_; }
  std::size_t Size() const { return index_.size(); }

 private:
  struct Entry {
    Key key;
    Value value;
    std::size_t bytes;
  };
  void Erase(const Key& key) {
    auto it = index_.find(key);
    if (it == index_.end()) return;
    used_ -= it->second->bytes;
    order_.erase(it->second);
    index_.erase(it);
    ++erasures_;
  }

  std::size_t budget_;
  std::size_t used_ = 0;
  std::uint64_t erasures_ = 0;
  std::list<Entry> order_;  // most recently used first
  std::map<Key, typename std::list<Entry>::iterator> index_;
};

}  // namespace pg::platform::soft
