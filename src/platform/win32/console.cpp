#include "platform/console.h"

#include <fcntl.h>
#include <io.h>

#include <cstdio>

namespace pg::platform {

void UseBinaryStdio() {
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
}

}  // namespace pg::platform
