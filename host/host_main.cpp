// pirogram-host: loads the module as the host application does and runs an
// action script against it.
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "module_session.h"
#include "platform/console.h"
#include "platform/module_loader.h"
#include "reference_builder.h"
#include "script_line.h"
#include "script_runner.h"

namespace {

int Usage() {
  std::cerr << "usage: pirogram-host [--module PATH] [--results] SCRIPT\n"
               "       pirogram-host [--module PATH] --version\n"
               "       pirogram-host [--module PATH] [--examples DIR] --reference DIR\n";
  return 2;
}

// The host's version and the one the module carries, read without calling it.
int PrintVersions(const std::string& modulePath) {
  std::cout << "pirogram-host " << PG_VERSION << "\n";
  std::string error;
  const auto module = pg::platform::LoadModule(modulePath, &error);
  if (!module) {
    std::cerr << "cannot load " << modulePath << ": " << error << "\n";
    return 2;
  }
  const std::string version = pg::platform::ModuleVersion(module);
  pg::platform::UnloadModule(module);
  std::cout << "module " << modulePath << " " << (version.empty() ? "(no version)" : version) << "\n";
  return version.empty() ? 1 : 0;
}

// The module beside this program.
std::string DefaultModulePath(const std::string& argv0) {
  const auto slash = argv0.find_last_of("/\\");
  const std::string dir = slash == std::string::npos ? "." : argv0.substr(0, slash);
#ifdef _WIN32
  return dir + "\\Pirogram.nbp";
#else
  return dir + "/Pirogram.so";
#endif
}

}  // namespace

int main(int argc, char** argv) {
  pg::platform::UseBinaryStdio();
  std::string modulePath = DefaultModulePath(argv[0]), scriptPath, referenceDir, examplesDir = "examples";
  bool version = false;
  pg::host::RunOptions options;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--module" && i + 1 < argc) {
      modulePath = argv[++i];
    } else if (a == "--results") {
      options.printResults = true;
    } else if (a == "--version") {
      version = true;
    } else if (a == "--reference" && i + 1 < argc) {
      referenceDir = argv[++i];
    } else if (a == "--examples" && i + 1 < argc) {
      examplesDir = argv[++i];
    } else if (!a.empty() && a[0] != '-' && scriptPath.empty()) {
      scriptPath = a;
    } else {
      return Usage();
    }
  }
  if (version) return scriptPath.empty() && referenceDir.empty() ? PrintVersions(modulePath) : Usage();
  if (!referenceDir.empty()) {
    if (!scriptPath.empty()) return Usage();
    try {
      pg::host::ModuleSession session(modulePath);
      pg::host::WriteReference(session, referenceDir, examplesDir);
      session.Close();
    } catch (const std::exception& e) {
      std::cerr << "host: " << e.what() << "\n";
      return 2;
    }
    return 0;
  }
  if (scriptPath.empty()) return Usage();
  std::ifstream script(scriptPath, std::ios::binary);
  if (!script) {
    std::cerr << "cannot read " << scriptPath << "\n";
    return 2;
  }
  int status = 0;
  try {
    pg::host::ModuleSession session(modulePath);
    pg::host::ScriptRunner runner(session, std::cout, options);
    try {
      runner.Run(script);
    } catch (const pg::host::ScriptError& e) {
      std::cout.flush();
      std::cerr << e.what() << "\n";
      status = 2;
    }
    session.Close();
    const auto& ledger = session.Ledger();
    if (ledger.Live() != 0) {
      std::cerr << "host: " << ledger.Live() << " host string block(s) leaked\n";
      status = status ? status : 1;
    }
    if (ledger.BadFrees() != 0) {
      std::cerr << "host: " << ledger.BadFrees() << " block(s) freed twice or never allocated\n";
      status = status ? status : 1;
    }
  } catch (const std::exception& e) {
    std::cerr << "host: " << e.what() << "\n";
    return 2;
  }
  return status;
}
