#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <variant>

#include "replay_session.h"
#include "script.h"

namespace {

constexpr int exitBadInput = 2;
constexpr int exitOutputFailed = 1;
constexpr std::string_view programName = "vortalin-replay";

void printUsage(std::ostream& out) {
  out << "usage: " << programName << " [SCRIPT]\n"
      << "Plays a race script (from SCRIPT, or standard input) and prints one JSON line\n"
      << "per race tick. Commands, one a line: start, left, right, stop, tick [N], run,\n"
      << "place strip|player|rival0|rival1 LEFT TOP, show. '#' starts a comment.\n";
}

bool readAll(std::istream& in, std::string& into) {
  into.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

}  // namespace

int main(int argc, char** argv) {
  using namespace vortalin::replay;
  std::ios::sync_with_stdio(false);

  if (argc > 2) {
    std::cerr << programName << ": too many arguments: expected at most one script file\n";
    printUsage(std::cerr);
    return exitBadInput;
  }
  const std::string source = argc == 2 ? argv[1] : "<stdin>";
  if (source == "--help" || source == "-h") {
    printUsage(std::cout);
    return 0;
  }

  std::string script;
  if (argc == 2) {
    std::error_code ignored;
    if (std::filesystem::is_directory(source, ignored)) {
      std::cerr << programName << ": cannot read \"" << printableLine(source)
                << "\": it is a directory\n";
      return exitBadInput;
    }
    std::ifstream file(source, std::ios::binary);
    if (!file || !readAll(file, script)) {
      std::cerr << programName << ": cannot read \"" << printableLine(source)
                << "\": " << std::strerror(errno) << '\n';
      return exitBadInput;
    }
  } else if (!readAll(std::cin, script)) {
    std::cerr << programName << ": cannot read standard input\n";
    return exitBadInput;
  }

  const ParseResult parsed = parseScript(script);
  if (const auto* error = std::get_if<ScriptError>(&parsed)) {
    std::cerr << programName << ": " << printableLine(source) << ':' << error->line << ": "
              << error->message << " in \"" << printableLine(error->text) << "\"\n";
    return exitBadInput;
  }

  ReplaySession session(std::cout);
  for (const Command& command : std::get<std::vector<Command>>(parsed)) {
    session.execute(command);
    if (!std::cout) {
      std::cerr << programName << ": cannot write the output\n";
      return exitOutputFailed;
    }
  }
  return 0;
}
