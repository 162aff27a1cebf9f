#pragma once
// Which slots of a metafile's object table hold an object, as a standard
// metafile fills them: each new object takes the lowest free slot, and a
// table as large as the header declares has no room beyond it. The record
// check and the player keep one each, so that both decide alike.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <queue>
#include <vector>

namespace pg::platform::metafile {

class ObjectSlots {
 public:
  explicit ObjectSlots(std::size_t size = 0) : used_(size, false) {}

  std::size_t Size() const { return used_.size(); }
  bool Used(std::size_t index) const { return index < used_.size() && used_[index]; }

  // The lowest free slot, now taken; empty when the table is full. Slots freed
  // wait in a heap, slots never used lie from fresh_ on: a few steps a take
  // however many records came before.
  std::optional<std::size_t> Take() {
    std::size_t index = 0;
    if (!freed_.empty()) {  // every freed slot lies below fresh_
      index = freed_.top();
      freed_.pop();
    } else if (fresh_ < used_.size()) {
      index = fresh_++;
    } else {
      return std::nullopt;
    }
    used_[index] = true;
    return index;
  }

  // The slot's object deleted; false when it held none.
  bool Release(std::size_t index) {
    if (!Used(index)) return false;
    used_[index] = false;
    freed_.push(index);
    return true;
  }

 private:
  std::vector<bool> used_;
  std::size_t fresh_ = 0;
  std::priority_queue<std::size_t, std::vector<std::size_t>, std::greater<>> freed_;
};

}  // namespace pg::platform::metafile
