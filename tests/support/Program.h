#pragma once
// Running another program as a person runs it from a shell, and the host program in particular.

#include <filesystem>
#include <string>

namespace support {

struct Outcome {
  int code = -1;  // the exit status; -1 when the program did not exit by itself
  std::string out;
  std::string err;
};

// Runs a shell command line with no terminal on its standard input.
Outcome Run(const std::string& command);

// The path in single quotes, as one shell word.
std::string Quoted(const std::filesystem::path& path);

// The built host program.
std::string TagpropsPath();
// Runs tagprops with the arguments (shell words); its own files go below dataHome.
Outcome Tagprops(const std::string& arguments, const std::filesystem::path& dataHome);

}  // namespace support
