#pragma once
// The host's side of one loaded module: its exports, the three callbacks, the
// host variables, the catalogue as received and the page's rectangles.
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host_ledger.h"
#include "plugin/abi.h"
#include "platform/window.h"

namespace pg::host {

struct ReceivedRow {
  std::int32_t id;
  std::string name, hint;  // code page 1251
  std::vector<int> kinds;
  std::int32_t count;
};

// A rectangle object of the page with its own window, which the module may fill.
struct Rectangle {
  std::string name;
  platform::WindowHandle window = 0;
  std::optional<std::string> answer7;  // what command 7 answers instead of the window handle
};

class ModuleSession {
 public:
  // Loads the module and registers with it in the order a host does. Throws
  // std::runtime_error when the module cannot be loaded or lacks an export.
  explicit ModuleSession(const std::string& modulePath);
  ~ModuleSession();
  ModuleSession(const ModuleSession&) = delete;
  ModuleSession& operator=(const ModuleSession&) = delete;

  // Calls nbExecAction with a block of host strings holding args (missing
  // parameters are null slots); frees the block afterwards.
  bool Exec(std::int32_t id, const std::vector<std::string>& args, std::size_t slots);
  // Calls nbEditAction on a block the caller owns (the module may replace its strings).
  bool Edit(std::int32_t id, abi::ParamBlock block) { return edit_(id, block); }
  void Message(std::int32_t code);
  void SetDecimalSeparator(char c);
  void SetGroupSeparator(char c);

  const ReceivedRow* FindAction(const std::string& name) const;
  // The action row (not a group header) with this id, or null.
  const ReceivedRow* FindActionById(std::int32_t id) const;
  const std::vector<ReceivedRow>& Catalogue() const { return rows_; }
  std::string InfoName() const, InfoAuthor() const, InfoDescription() const;
  // What the module's version resource or note says ("" when it carries none).
  std::string ModuleVersion() const;

  std::map<std::string, std::string>& Variables() { return variables_; }
  // The quality `save` writes JPEG files at (option jpeg-quality).
  int JpegQuality() const { return jpegQuality_; }
  void SetJpegQuality(int q) { jpegQuality_ = q; }
  // A new rectangle with a window of client size w x h; an existing one is resized.
  Rectangle& AddRectangle(const std::string& name, int w, int h);
  Rectangle* FindRectangle(const std::string& name);
  std::deque<std::optional<std::string>>& Picks() { return picks_; }

  // Destroys the rectangles' windows, frees the host's own blocks, sends nothing,
  // unloads; then the ledger's counts are final.
  void Close();
  const HostLedger& Ledger() const { return ledger_; }

  // Host strings from the host's own allocator.
  static abi::HostString NewHostString(const std::string& text);
  static void FreeHostString(abi::HostString& s);

  // Entry points of the callbacks.
  void OnAddAction(std::int32_t id, const char* name, const char* hint, const std::uint8_t* kinds,
                   std::int32_t kindsHigh, std::int32_t count);
  void OnSetVariable(const char* name, const char* value);
  bool OnInterfaceAccess(std::int32_t command, abi::ParamSlot* slot);

 private:
  HostLedger ledger_;
  void* module_ = nullptr;
  abi::RegisterPlugInFn registerPlugIn_ = nullptr;
  abi::InitPlugInFn initPlugIn_ = nullptr;
  abi::RegisterInterfaceAccessFn registerAccess_ = nullptr;
  abi::RegisterScriptProcessorFn registerProcessor_ = nullptr;
  abi::ExecActionFn exec_ = nullptr;
  abi::EditActionFn edit_ = nullptr;
  int jpegQuality_ = 90;
  abi::MessageFn message_ = nullptr;
  abi::HostString info_[3] = {nullptr, nullptr, nullptr};
  std::vector<ReceivedRow> rows_;
  std::map<std::string, std::string> variables_;
  std::vector<std::unique_ptr<Rectangle>> rects_;
  std::deque<std::optional<std::string>> picks_;
};

}  // namespace pg::host
