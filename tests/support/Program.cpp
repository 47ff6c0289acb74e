#include "tests/support/Program.h"

#include <sys/wait.h>

#include <cstdio>

#include "tests/support/TempFolder.h"

namespace support {

Outcome Run(const std::string& command) {
  const TempFolder folder;
  const std::filesystem::path errFile = folder.Path("stderr");
  Outcome run;
  FILE* pipe = popen(("(" + command + ") </dev/null 2>" + Quoted(errFile)).c_str(), "r");
  if (pipe == nullptr) return run;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, n);
  const int status = pclose(pipe);
  run.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.err = ReadFile(errFile);
  return run;
}

std::string Quoted(const std::filesystem::path& path) { return "'" + path.string() + "'"; }

std::string TagpropsPath() { return TAGPROPS_PATH; }

Outcome Tagprops(const std::string& arguments, const std::filesystem::path& dataHome) {
  return Run("XDG_DATA_HOME=" + Quoted(dataHome) + " " + Quoted(TagpropsPath()) + " " + arguments);
}

}  // namespace support
