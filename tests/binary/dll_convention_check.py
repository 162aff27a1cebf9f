#!/usr/bin/env python3
"""Checks the 32-bit module DLL from the file alone, without running it.

The host calls the seven exports with its register convention: the first three
arguments in EAX, EDX, ECX, further ones on the stack, removed by the callee.
A compiler attribute lost from one export still links and loads, and only a
host would notice, so the binary itself is checked:
  - it is a PE32 DLL for i386 with exactly the seven undecorated exports;
  - it imports only from the system's own DLLs (the runtime is linked in);
  - each export takes its register arguments from registers: the first thing
    it does with a register that carries an argument is read it, it reads no
    argument register the export does not have, and it reads at least one;
    where it hands them on to the module's code, EAX, EDX and ECX become the
    first, second and third argument;
  - each export removes exactly its stack arguments (ret N).

usage: dll_convention_check.py OBJDUMP DLL
"""
import re
import subprocess
import sys

REGISTERS = ["eax", "edx", "ecx"]
# Arguments of each export, in the host's order.
EXPORTS = {
    "nbRegisterPlugIn": 4,
    "nbInitPlugIn": 4,
    "nbRegisterInterfaceAccess": 1,
    "nbRegisterScriptProcessor": 1,
    "nbExecAction": 2,
    "nbEditAction": 2,
    "nbMessage": 1,
}
SYSTEM_DLLS = {
    "kernel32.dll", "user32.dll", "gdi32.dll", "comdlg32.dll", "comctl32.dll",
    "msvcrt.dll", "advapi32.dll", "shell32.dll", "ole32.dll", "oleaut32.dll",
    "msimg32.dll", "version.dll", "ws2_32.dll", "api-ms-win-crt-runtime-l1-1-0.dll",
}
# Sub-registers that alias each argument register.
ALIASES = {
    "eax": {"eax", "ax", "al", "ah"},
    "edx": {"edx", "dx", "dl", "dh"},
    "ecx": {"ecx", "cx", "cl", "ch"},
}
# Instructions whose first operand is written without being read.
PURE_WRITES = re.compile(r"^(mov|movzx|movsx|movsxd|lea|pop|set\w+|cmov\w+|movd|movq|movss|movsd)$")
# Instructions after which the argument registers no longer hold arguments.
BARRIERS = re.compile(r"^(call|ret|jmp)$")


def run(objdump, *args):
    return subprocess.run([objdump, *args], check=True, capture_output=True, text=True).stdout


def split_operands(text):
    parts, depth, cur = [], 0, ""
    for ch in text:
        if ch == "[":
            depth += 1
        elif ch == "]":
            depth -= 1
        if ch == "," and depth == 0:
            parts.append(cur.strip())
            cur = ""
        else:
            cur += ch
    if cur.strip():
        parts.append(cur.strip())
    return parts


def mentions(operand, reg):
    return any(re.search(r"\b%s\b" % a, operand) for a in ALIASES[reg])


def first_uses(instructions):
    """For each argument register, 'read', 'write' or None: what the export does
    with it first, up to its first call, jump or return."""
    uses = {r: None for r in REGISTERS}
    for mnemonic, operands in instructions:
        if BARRIERS.match(mnemonic):
            break
        ops = split_operands(operands)
        for reg in REGISTERS:
            if uses[reg] is not None:
                continue
            read = written = False
            for i, op in enumerate(ops):
                if not mentions(op, reg):
                    continue
                if "[" in op or i > 0:
                    read = True           # an address or a source operand
                elif PURE_WRITES.match(mnemonic):
                    written = True
                else:
                    read = True           # add, cmp, test, push, ...: read first
            # xor r, r only clears the register.
            if mnemonic in ("xor", "sub") and len(ops) == 2 and ops[0] == ops[1] and mentions(ops[0], reg):
                read, written = False, True
            if read:
                uses[reg] = "read"
            elif written:
                uses[reg] = "write"
    return uses


def forwarded_slots(instructions):
    """{register: outgoing argument index} for the argument registers that the
    export stores straight into its call's argument slots ([esp], [esp+4], ...)
    before its first call: the order in which it hands them on."""
    slots = {}
    for mnemonic, operands in instructions:
        if BARRIERS.match(mnemonic):
            break
        ops = split_operands(operands)
        if mnemonic != "mov" or len(ops) != 2 or ops[1] not in REGISTERS:
            continue
        m = re.fullmatch(r"DWORD PTR \[esp(?:\+0x([0-9a-f]+))?\]", ops[0])
        if m:
            slots.setdefault(ops[1], int(m.group(1) or "0", 16) // 4)
    return slots


def functions(disassembly):
    """{address: [(mnemonic, operands)]} of every labelled function."""
    result, current = {}, None
    for line in disassembly.splitlines():
        m = re.match(r"^([0-9a-f]+) <([^>]+)>:$", line)
        if m:
            current = []
            result[int(m.group(1), 16)] = current
            continue
        m = re.match(r"^\s*[0-9a-f]+:\s+(\S+)\s*(.*)$", line)
        if m and current is not None:
            mnemonic, operands = m.group(1), m.group(2)
            operands = re.sub(r"\s*[#<].*$", "", operands)
            current.append((mnemonic, operands))
    return result


def main():
    objdump, dll = sys.argv[1], sys.argv[2]
    failures = []
    header = run(objdump, "-f", dll)
    if "file format pei-i386" not in header or "architecture: i386" not in header:
        failures.append("not a PE32 i386 file:\n" + header)
    private = run(objdump, "-p", dll)
    image_base = int(re.search(r"^ImageBase\s+([0-9a-fA-F]+)", private, re.M).group(1), 16)

    names = re.findall(r"^\s+\[\s*\d+\]\s+(\S+)\s*$",
                       private.split("[Ordinal/Name Pointer] Table", 1)[-1].split("\n\n", 1)[0], re.M)
    if sorted(names) != sorted(EXPORTS):
        failures.append(f"exports are {sorted(names)}, expected exactly {sorted(EXPORTS)}")
    # Export Address Table rows: "[   N] +base[   M] RVA Export RVA"; names point at ordinals.
    rvas = {int(m.group(1)): int(m.group(2), 16) for m in
            re.finditer(r"^\s+\[\s*(\d+)\] \+base\[\s*\d+\]\s+([0-9a-f]+) Export RVA", private, re.M)}
    ordinal_table = private.split("[Ordinal/Name Pointer] Table", 1)[-1]
    pointer_rows = re.findall(r"^\s+\[\s*(\d+)\]\s+(\S+)\s*$", ordinal_table.split("\n\n", 1)[0], re.M)

    imports = {d.lower() for d in re.findall(r"^\s+DLL Name: (\S+)$", private, re.M)}
    foreign = sorted(imports - SYSTEM_DLLS)
    if foreign:
        failures.append(f"imports from DLLs that are not the system's: {foreign}")

    disassembly = functions(run(objdump, "-d", "-M", "intel", "--no-show-raw-insn", dll))
    for ordinal, name in pointer_rows:
        if name not in EXPORTS:
            continue
        rva = rvas.get(int(ordinal))
        if rva is None:
            failures.append(f"{name}: no address in the export table")
            continue
        code = disassembly.get(image_base + rva)
        if not code:
            failures.append(f"{name}: no labelled code at {image_base + rva:#x} (stripped DLL?)")
            continue
        count = EXPORTS[name]
        in_registers = REGISTERS[:min(count, 3)]
        uses = first_uses(code)
        problems = []
        for reg in REGISTERS:
            if reg in in_registers and uses[reg] == "write":
                problems.append(f"overwrites {reg.upper()} before reading its argument")
            if reg not in in_registers and uses[reg] == "read":
                problems.append(f"reads {reg.upper()}, which carries no argument of it")
        # Arguments handed on to the module's own code keep their order.
        for reg, slot in forwarded_slots(code).items():
            if reg in in_registers and slot != REGISTERS.index(reg):
                problems.append(f"hands {reg.upper()} on as argument {slot + 1}, "
                                f"expected {REGISTERS.index(reg) + 1}")
        if not any(uses[r] == "read" for r in in_registers):
            problems.append("reads none of its arguments from " + ", ".join(r.upper() for r in in_registers))
        stack_bytes = 4 * max(0, count - 3)
        expected_ret = f"ret 0x{stack_bytes:x}" if stack_bytes else "ret"
        rets = [f"{m} {o}".strip() for m, o in code if m == "ret"]
        if not rets:
            problems.append("has no return")
        for r in rets:
            if r != expected_ret:
                problems.append(f"returns with '{r}', expected '{expected_ret}'")
        status = "ok" if not problems else "FAILED: " + "; ".join(problems)
        print(f"{name}: {count} argument(s), first uses " +
              ", ".join(f"{r.upper()} {uses[r] or '-'}" for r in REGISTERS) +
              f", returns with {sorted(set(rets))}: {status}")
        if problems:
            failures.append(f"{name}: " + "; ".join(problems))
    for f in failures:
        print("FAILED:", f)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
