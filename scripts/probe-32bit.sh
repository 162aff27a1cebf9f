#!/usr/bin/env bash
# Says whether this machine can execute 32-bit x86 programs, by running one: a
# 95-byte i386 ELF made here that only exits with status 42. Some kernels have
# their 32-bit emulation switched off, and then every i386 program (32-bit Wine
# included) fails with "Exec format error".
#   exit 0: 32-bit programs run
#   exit 1: they do not; the reason is printed on standard output
# PG_NO_32BIT=1 answers "no" without probing, to try the other path anywhere;
# PG_NO_32BIT=0 answers "yes" (for trying the set-up's 32-bit steps).
set -u
case "${PG_NO_32BIT:-}" in
  1) echo "PG_NO_32BIT=1 is set"; exit 1 ;;
  0) exit 0 ;;
esac
probe=$(mktemp "${TMPDIR:-/tmp}/pg-probe32.XXXXXX")
trap 'rm -f "$probe"' EXIT
# ELF header, one loadable segment at 0x08048000, then:
#   mov eax, 1; xor ebx, ebx; mov bl, 42; int 0x80   (exit(42))
printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00'\
'\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00'\
'\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00'\
'\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08'\
'\x5f\x00\x00\x00\x5f\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00'\
'\xb8\x01\x00\x00\x00\x31\xdb\xb3\x2a\xcd\x80' > "$probe"
chmod +x "$probe"
err=$("$probe" 2>&1)
rc=$?
if [ $rc -eq 42 ]; then
  exit 0
fi
echo "a 32-bit program cannot run here (${err:-exit status $rc})"
exit 1
