#pragma once
// The host's calling convention and the shapes of the seven exports and the
// three host callbacks. Shared by the module and the reference host.
//
// The host passes the first three integer or pointer arguments in EAX, EDX, ECX
// and pushes the rest left to right; the callee removes them. GCC's regparm(3)
// with stdcall gives that, provided the stack arguments are declared in reverse
// order (stdcall pushes right to left). On x86-64 there is one convention.
#include <cstdint>

#if defined(__i386__)
#define PG_HOSTCALL __attribute__((regparm(3), stdcall))
#else
#define PG_HOSTCALL
#endif

#if defined(_WIN32)
#define PG_EXPORT extern "C" __declspec(dllexport)
#else
#define PG_EXPORT extern "C" __attribute__((visibility("default")))
#endif

namespace pg::abi {

using HostString = char*;        // zero-terminated, in a global memory block; null reads as ""
using ParamSlot = HostString;    // one slot of a parameter block
using ParamBlock = ParamSlot*;   // consecutive slots, catalogue order

// (id, name, hint, kinds, kindsHigh, count): stack arguments reversed.
using AddActionFn = void PG_HOSTCALL (*)(std::int32_t id, const char* name, const char* hint,
                                         std::int32_t count, std::int32_t kindsHigh,
                                         const std::uint8_t* kinds);
using SetVariableFn = void PG_HOSTCALL (*)(const char* name, const char* value);
using InterfaceAccessFn = bool PG_HOSTCALL (*)(std::int32_t command, ParamSlot* slot);

// Exports.
using RegisterPlugInFn = void PG_HOSTCALL (*)(AddActionFn addAction, void* second, void* third,
                                              SetVariableFn setVariable);
using InitPlugInFn = void PG_HOSTCALL (*)(std::int32_t hostValue, HostString* name,
                                          HostString* author, HostString* description);
using RegisterInterfaceAccessFn = void PG_HOSTCALL (*)(InterfaceAccessFn access);
using RegisterScriptProcessorFn = void PG_HOSTCALL (*)(void* processor);
using ExecActionFn = bool PG_HOSTCALL (*)(std::int32_t id, ParamBlock block);
using EditActionFn = bool PG_HOSTCALL (*)(std::int32_t id, ParamBlock block);
using MessageFn = void PG_HOSTCALL (*)(std::int32_t code);

}  // namespace pg::abi
