#pragma once
// Running nbEditAction's work in-process with a scripted user standing in for the author.
#include <string>
#include <vector>

#include "platform/dialog.h"
#include "platform/memory.h"
#include "plugin/abi.h"

namespace pg::test {

// Slots holding global-memory copies of texts; a missing text is a null slot.
struct Slots {
  std::vector<abi::HostString> cells;
  explicit Slots(const std::vector<const char*>& texts) {
    for (const char* t : texts) {
      if (!t) {
        cells.push_back(nullptr);
        continue;
      }
      const std::string s(t);
      auto* block = static_cast<char*>(platform::GlobalAllocBytes(s.size() + 1));
      std::copy(s.begin(), s.end(), block);
      block[s.size()] = 0;
      cells.push_back(block);
    }
  }
  ~Slots() {
    for (auto* c : cells) platform::GlobalFreeBlock(c);
  }
  Slots(const Slots&) = delete;
  Slots& operator=(const Slots&) = delete;
  std::string Text(std::size_t k) const { return cells[k] ? std::string(cells[k]) : std::string("<null>"); }
};

// Sets itself as the scripted user for its lifetime and collects what "show" reports.
struct ScriptScope {
  platform::ScriptedUser user;
  std::string shown;
  ScriptScope() {
    user.report = [this](const std::string& t) { shown += t; };
    platform::SetScriptedUser(&user);
  }
  ~ScriptScope() { platform::SetScriptedUser(nullptr); }
  ScriptScope(const ScriptScope&) = delete;
  ScriptScope& operator=(const ScriptScope&) = delete;
  ScriptScope& Step(platform::ScriptStep::Kind kind, std::string target = {}, std::string text = {}) {
    user.steps.push_back({kind, std::move(target), std::move(text)});
    return *this;
  }
  ScriptScope& Press(std::string target) { return Step(platform::ScriptStep::Kind::kPress, std::move(target)); }
  ScriptScope& Type(std::string target, std::string text) {
    return Step(platform::ScriptStep::Kind::kType, std::move(target), std::move(text));
  }
};

}  // namespace pg::test
