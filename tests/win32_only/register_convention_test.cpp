// Proves the host's register convention at the module's boundary with code that
// sets and reads the registers itself, instead of trusting the compiler's
// attributes on both sides.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "platform/memory.h"
#include "platform/module_loader.h"
#include "plugin/catalogue/catalogue.h"

extern "C" {
std::uint32_t g_addActionCalls[64][6];
std::uint32_t g_addActionCount;
void RecordingAddAction();
void RecordingSetVariable();
void __cdecl StoreSetVariable(const char* name, const char* value);
}

namespace {
std::string g_varName, g_varValue;
}

// The texts live only during the call: copy them.
void __cdecl StoreSetVariable(const char* name, const char* value) {
  g_varName = name;
  g_varValue = value;
}

// Add-action: id, name, hint in EAX, EDX, ECX; kinds, kindsHigh, count pushed in
// that order, so count is nearest the return address; the callee pops 12 bytes.
asm(R"(
  .text
  .globl _RecordingAddAction
_RecordingAddAction:
  pushl %ebx
  movl _g_addActionCount, %ebx
  cmpl $64, %ebx
  jae 1f
  imull $24, %ebx
  movl %eax, _g_addActionCalls(%ebx)
  movl %edx, _g_addActionCalls+4(%ebx)
  movl %ecx, _g_addActionCalls+8(%ebx)
  movl 8(%esp), %eax
  movl %eax, _g_addActionCalls+12(%ebx)
  movl 12(%esp), %eax
  movl %eax, _g_addActionCalls+16(%ebx)
  movl 16(%esp), %eax
  movl %eax, _g_addActionCalls+20(%ebx)
1:
  incl _g_addActionCount
  popl %ebx
  ret $12

  .globl _RecordingSetVariable
_RecordingSetVariable:
  pushl %edx
  pushl %eax
  call _StoreSetVariable
  addl $8, %esp
  ret
)");

namespace {

void* Module() {
  static void* module = pg::platform::LoadModule("Pirogram.nbp", nullptr);
  return module;
}

void* Export(const char* name) { return pg::platform::ModuleSymbol(Module(), name); }

// nbRegisterPlugIn(addAction, second, third, setVariable): three registers and
// one stack argument. Returns how far ESP moved across the call (0 when the
// callee removed its argument).
std::int32_t CallRegisterPlugIn(void* addAction, void* setVariable) {
  void* fn = Export("nbRegisterPlugIn");
  std::uint32_t a = reinterpret_cast<std::uint32_t>(addAction), d = 0x11111111, c = 0x22222222;
  std::int32_t moved = 0;
  asm volatile(
      "movl %%esp, %%edi\n\t"
      "pushl %%ebx\n\t"
      "call *%%esi\n\t"
      "subl %%esp, %%edi\n\t"
      : "=D"(moved), "+a"(a), "+d"(d), "+c"(c)
      : "S"(fn), "b"(setVariable)
      : "memory", "cc");
  return moved;
}

// nbExecAction(id, block) -> Boolean in AL.
std::uint8_t CallExecAction(std::int32_t id, char** block) {
  void* fn = Export("nbExecAction");
  std::uint32_t a = static_cast<std::uint32_t>(id), d = reinterpret_cast<std::uint32_t>(block), c = 0;
  asm volatile("call *%%esi\n\t" : "+a"(a), "+d"(d), "+c"(c) : "S"(fn) : "memory", "cc");
  return static_cast<std::uint8_t>(a & 0xFF);
}

char* HostString(const char* text) {
  auto* s = static_cast<char*>(pg::platform::GlobalAllocBytes(std::strlen(text) + 1));
  std::strcpy(s, text);
  return s;
}

TEST(RegisterConvention, ExportsTakeRegistersAndCallbacksGetThem) {
  ASSERT_NE(Module(), nullptr);
  g_addActionCount = 0;
  EXPECT_EQ(CallRegisterPlugIn(reinterpret_cast<void*>(&RecordingAddAction),
                               reinterpret_cast<void*>(&RecordingSetVariable)),
            0);
  // Every action and the 8 group headers.
  ASSERT_EQ(g_addActionCount, static_cast<std::uint32_t>(pg::plugin::kLastActionId) + 8);

  // Row 1: a header; id 0, empty hint, no parameters, a one-element kinds array.
  const auto* first = g_addActionCalls[0];
  EXPECT_EQ(first[0], 0u);
  EXPECT_STREQ(reinterpret_cast<const char*>(first[1]), "\xC4\xE8\xE0\xE3\xF0\xE0\xEC\xEC\xE0 (\xEC\xE8\xED. \xED\xE0\xF1\xF2\xF0\xEE\xE9\xEA\xE8)");
  EXPECT_STREQ(reinterpret_cast<const char*>(first[2]), "");
  EXPECT_EQ(first[3], 0u);  // count
  EXPECT_EQ(first[4], 0u);  // highest kinds index
  EXPECT_EQ(reinterpret_cast<const std::uint8_t*>(first[5])[0], 1);

  // Row 25: pgChartMargin, five input parameters.
  const auto* margin = g_addActionCalls[24];
  EXPECT_EQ(margin[0], 21u);
  EXPECT_STREQ(reinterpret_cast<const char*>(margin[1]), "pgChartMargin");
  EXPECT_EQ(margin[3], 5u);
  EXPECT_EQ(margin[4], 4u);
  const auto* kinds = reinterpret_cast<const std::uint8_t*>(margin[5]);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(kinds[i], 1);

  // Row 48: pgColorToRGB, an input then an output parameter.
  const auto* toRgb = g_addActionCalls[47];
  EXPECT_EQ(toRgb[0], 40u);
  EXPECT_EQ(toRgb[3], 2u);
  EXPECT_EQ(reinterpret_cast<const std::uint8_t*>(toRgb[5])[1], 6);
}

TEST(RegisterConvention, ActionResultInAlAndVariableCallbackInRegisters) {
  ASSERT_NE(Module(), nullptr);
  CallRegisterPlugIn(reinterpret_cast<void*>(&RecordingAddAction), reinterpret_cast<void*>(&RecordingSetVariable));
  char* block[2] = {HostString("clred"), HostString("out")};
  g_varName.clear();
  EXPECT_EQ(CallExecAction(40, block), 0);
  EXPECT_EQ(g_varName, "out");
  EXPECT_EQ(g_varValue, "255,0,0");
  EXPECT_EQ(CallExecAction(0, block), 0);
  EXPECT_EQ(CallExecAction(pg::plugin::kLastActionId + 1, nullptr), 0);
  for (char* s : block) pg::platform::GlobalFreeBlock(s);
}

}  // namespace
