#include "module_session.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string_view>

#include "framework/text/ascii_text.h"
#include "platform/memory.h"
#include "platform/module_loader.h"

// The declaration the module looks for in the program that loaded it (its
// notes channel): the name of the variable for the notes. Exported from the
// program itself, so it lives in a file every host links.
#ifdef _WIN32
#define PG_PROGRAM_EXPORT __declspec(dllexport)
#else
#define PG_PROGRAM_EXPORT __attribute__((visibility("default"), used))
#endif
extern "C" PG_PROGRAM_EXPORT const char PirogramNotesVariable[] = "[ActionNotes]";

namespace pg::host {

namespace {

// The page behind a chart window that does not cover its rectangle.
constexpr platform::Color kRectangleBackground = platform::Rgb(255, 255, 255);


ModuleSession* g_session = nullptr;

void PG_HOSTCALL AddActionCallback(std::int32_t id, const char* name, const char* hint, std::int32_t count,
                                   std::int32_t kindsHigh, const std::uint8_t* kinds) {
  if (g_session) g_session->OnAddAction(id, name, hint, kinds, kindsHigh, count);
}

void PG_HOSTCALL SetVariableCallback(const char* name, const char* value) {
  if (g_session) g_session->OnSetVariable(name, value);
}

bool PG_HOSTCALL InterfaceAccessCallback(std::int32_t command, abi::ParamSlot* slot) {
  return g_session && g_session->OnInterfaceAccess(command, slot);
}

template <typename Fn>
Fn Export(void* module, const char* name) {
  void* p = platform::ModuleSymbol(module, name);
  if (!p) throw std::runtime_error(std::string("the module has no export ") + name);
  return reinterpret_cast<Fn>(p);
}

}  // namespace

ModuleSession::ModuleSession(const std::string& modulePath) {
  std::string error;
  module_ = platform::LoadModule(modulePath, &error);
  if (!module_) throw std::runtime_error("cannot load " + modulePath + ": " + error);
  registerPlugIn_ = Export<abi::RegisterPlugInFn>(module_, "nbRegisterPlugIn");
  initPlugIn_ = Export<abi::InitPlugInFn>(module_, "nbInitPlugIn");
  registerAccess_ = Export<abi::RegisterInterfaceAccessFn>(module_, "nbRegisterInterfaceAccess");
  registerProcessor_ = Export<abi::RegisterScriptProcessorFn>(module_, "nbRegisterScriptProcessor");
  exec_ = Export<abi::ExecActionFn>(module_, "nbExecAction");
  edit_ = Export<abi::EditActionFn>(module_, "nbEditAction");
  message_ = Export<abi::MessageFn>(module_, "nbMessage");

  g_session = this;
  platform::WatchGlobalMemory(module_, &ledger_);
  platform::OverrideDecimalSeparator(module_, '.');
  registerPlugIn_(&AddActionCallback, nullptr, nullptr, &SetVariableCallback);
  registerAccess_(&InterfaceAccessCallback);
  registerProcessor_(nullptr);
  initPlugIn_(0, &info_[0], &info_[1], &info_[2]);
}

ModuleSession::~ModuleSession() { Close(); }

void ModuleSession::Close() {
  if (!module_) return;
  // The windows go first, while the module that handles their children's
  // messages is still loaded.
  for (auto& r : rects_) platform::DestroyHostWindow(r->window);
  rects_.clear();
  for (auto& s : info_) FreeHostString(s);
  platform::UnloadModule(module_);
  module_ = nullptr;
  platform::WatchGlobalMemory(nullptr, nullptr);
  if (g_session == this) g_session = nullptr;
}

abi::HostString ModuleSession::NewHostString(const std::string& text) {
  auto* block = static_cast<char*>(platform::GlobalAllocBytes(text.size() + 1));
  if (!block) throw std::bad_alloc();
  std::memcpy(block, text.c_str(), text.size() + 1);
  return block;
}

void ModuleSession::FreeHostString(abi::HostString& s) {
  platform::GlobalFreeBlock(s);
  s = nullptr;
}

bool ModuleSession::Exec(std::int32_t id, const std::vector<std::string>& args, std::size_t slots) {
  std::vector<abi::ParamSlot> block(std::max(slots, args.size()) + 1, nullptr);
  for (std::size_t i = 0; i < args.size(); ++i) block[i] = NewHostString(args[i]);
  const bool result = exec_(id, block.data());
  for (auto& s : block) FreeHostString(s);
  return result;
}

void ModuleSession::Message(std::int32_t code) { message_(code); }

void ModuleSession::SetDecimalSeparator(char c) { platform::OverrideDecimalSeparator(module_, c); }

void ModuleSession::SetGroupSeparator(char c) { platform::OverrideGroupSeparator(module_, c); }

const ReceivedRow* ModuleSession::FindAction(const std::string& name) const {
  for (const auto& r : rows_)
    if (r.id != 0 && r.name == name) return &r;
  return nullptr;
}

const ReceivedRow* ModuleSession::FindActionById(std::int32_t id) const {
  for (const auto& r : rows_)
    if (id != 0 && r.id == id) return &r;
  return nullptr;
}

std::string ModuleSession::InfoName() const { return info_[0] ? info_[0] : ""; }
std::string ModuleSession::InfoAuthor() const { return info_[1] ? info_[1] : ""; }
std::string ModuleSession::InfoDescription() const { return info_[2] ? info_[2] : ""; }
std::string ModuleSession::ModuleVersion() const { return platform::ModuleVersion(module_); }

Rectangle& ModuleSession::AddRectangle(const std::string& name, int w, int h) {
  if (Rectangle* r = FindRectangle(name)) {
    platform::SetWindowPos(r->window, platform::kHwndTop, 0, 0, w, h,
                           platform::kSwpNoMove | platform::kSwpNoZOrder | platform::kSwpNoActivate);
    return *r;
  }
  const auto window = platform::CreateHostWindow(w, h, kRectangleBackground);
  if (window == 0) throw std::runtime_error("cannot create a window for rectangle " + name);
  rects_.push_back(std::make_unique<Rectangle>(Rectangle{name, window, std::nullopt}));
  return *rects_.back();
}

Rectangle* ModuleSession::FindRectangle(const std::string& name) {
  for (auto& r : rects_)
    if (text::SameTextAsciiCase(r->name, name)) return r.get();
  return nullptr;
}

void ModuleSession::OnAddAction(std::int32_t id, const char* name, const char* hint, const std::uint8_t* kinds,
                                std::int32_t kindsHigh, std::int32_t count) {
  ReceivedRow row{id, name ? name : "", hint ? hint : "", {}, count};
  for (std::int32_t i = 0; kinds && i <= kindsHigh; ++i) row.kinds.push_back(kinds[i]);
  rows_.push_back(std::move(row));
}

void ModuleSession::OnSetVariable(const char* name, const char* value) {
  if (name && std::string_view(name) == kNotesVariable) {
    notes_ = value ? value : "";
    return;
  }
  variables_[name ? name : ""] = value ? value : "";
}

bool ModuleSession::OnInterfaceAccess(std::int32_t command, abi::ParamSlot* slot) {
  if (!slot) return false;
  const std::string text = *slot ? *slot : "";
  switch (command) {
    case 7: {
      const Rectangle* r = FindRectangle(text);
      std::string answer = "0";
      if (r) answer = r->answer7 ? *r->answer7 : std::to_string(r->window);
      FreeHostString(*slot);
      *slot = NewHostString(answer);
      return true;
    }
    case 8:
    case 14: {
      if (picks_.empty()) return false;
      const auto pick = picks_.front();
      picks_.pop_front();
      if (!pick) return false;
      FreeHostString(*slot);
      *slot = NewHostString(*pick);
      return true;
    }
    default:
      return false;
  }
}

}  // namespace pg::host
