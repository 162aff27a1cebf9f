// pirogram-host: loads the module as the host application does and runs an
// action script against it.
#include <iostream>
#include <string>

#include "host_usage.h"
#include "module_session.h"
#include "platform/console.h"
#include "platform/module_loader.h"
#include "reference_builder.h"
#include "script_line.h"
#include "script_file.h"
#include "script_runner.h"
#include "script_text.h"

namespace {

int Usage() {
  std::cerr << pg::host::UsageText();
  return 2;
}

int Misuse(const std::string& what) {
  std::cerr << what << "\n";
  return Usage();
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

std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of("/\\");
  return slash == std::string::npos ? "." : slash == 0 ? path.substr(0, 1) : path.substr(0, slash);
}

// The module beside the program itself, not beside the link or the bare name
// it was started by; argv[0] only where the system cannot say.
std::string DefaultModulePath(const std::string& argv0) {
  const std::string program = pg::platform::ProgramPath();
  const std::string dir = FolderOf(program.empty() ? argv0 : program);
#ifdef _WIN32
  return dir + "\\Pirogram.nbp";
#else
  return dir + "/Pirogram.so";
#endif
}

int RunScript(const std::string& modulePath, const std::string& scriptPath, pg::host::RunOptions options) {
  std::string bytes, reason;
  if (!pg::host::ReadScriptFile(scriptPath, bytes, reason)) {
    std::cerr << "cannot read " << (scriptPath == "-" ? "standard input" : scriptPath) << ": " << reason << "\n";
    return 2;
  }
  pg::host::ScriptText script;
  try {
    script = pg::host::DecodeScript(bytes);
  } catch (const pg::host::ScriptError& e) {
    std::cerr << e.what() << "\n";
    return 2;
  }
  if (script.firstNonUtf8Line != 0)
    std::cerr << "note: line " << script.firstNonUtf8Line << " is not UTF-8: the script is read as code page 1251\n";
  if (scriptPath != "-") options.scriptFolder = FolderOf(scriptPath);
  int status = 0;
  try {
    pg::host::ModuleSession session(modulePath);
    pg::host::ScriptRunner runner(session, std::cout, options);
    try {
      runner.Run(script);
    } catch (const pg::host::StrictError& e) {
      std::cout.flush();
      std::cerr << e.what() << " (--strict)\n";
      status = 1;
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

}  // namespace

int Main(int argc, char** argv) {
  std::string modulePath = DefaultModulePath(argc > 0 ? argv[0] : ""), scriptPath, referenceDir,
              examplesDir = "examples";
  bool version = false, quiet = false;
  pg::host::RunOptions options;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--help" || a == "-h") {
      std::cout << pg::host::HelpText();
      return 0;
    } else if (a == "--module" || a == "--reference" || a == "--examples") {
      if (i + 1 >= argc) return Misuse("option " + a + " needs a value");
      (a == "--module" ? modulePath : a == "--reference" ? referenceDir : examplesDir) = argv[++i];
    } else if (a == "--results") {
      options.printResults = true;
    } else if (a == "--quiet" || a == "-q") {
      quiet = true;
    } else if (a == "--strict") {
      options.strict = true;
    } else if (a == "--version") {
      version = true;
    } else if (a.size() > 1 && a[0] == '-') {
      return Misuse("unknown option " + a);
    } else if (!scriptPath.empty()) {
      return Misuse("one script at a time: " + scriptPath + " and " + a);
    } else if (a.empty()) {
      return Misuse("an empty script name");
    } else {
      scriptPath = a;
    }
  }
  if (!quiet) options.notes = &std::cerr;
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
  return RunScript(modulePath, scriptPath, options);
}

int main(int argc, char** argv) {
  pg::platform::UseBinaryStdio();
  // Whatever goes wrong ends with a word and status 2, never an abort.
  try {
    return Main(argc, argv);
  } catch (const std::exception& e) {
    std::cout.flush();
    std::cerr << "host: " << e.what() << "\n";
  } catch (...) {
    std::cout.flush();
    std::cerr << "host: an unexpected error\n";
  }
  return 2;
}
