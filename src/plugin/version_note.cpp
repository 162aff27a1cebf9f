// The module's version for the portable build: an ELF note ("Pirogram", type 1,
// the version text) that a host reads from the loaded module without calling
// it, as the Windows build carries a version resource. No export is added.
#ifndef _WIN32

// clang-format off
asm(".pushsection .note.pirogram.version,\"a\",%note\n"
    ".balign 4\n"
    ".long 9\n"                  // name size, with its zero
    ".long 2f - 1f\n"            // description size
    ".long 1\n"                  // type: version text
    ".asciz \"Pirogram\"\n"
    ".balign 4\n"
    "1: .asciz \"" PG_VERSION "\"\n"
    "2: .balign 4\n"
    ".popsection\n");
// clang-format on

#endif
