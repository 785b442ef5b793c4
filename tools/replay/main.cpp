#include <cerrno>
#include <cstdio>
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

// Every message on standard error is one line that starts with the program's name.
void reportError(const std::string& message) {
  std::fprintf(stderr, "%s: %s\n", programName.data(), message.c_str());
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
    reportError("too many arguments: expected at most one script file");
    std::ostringstream usage;
    printUsage(usage);
    std::fputs(usage.str().c_str(), stderr);
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
      reportError("cannot read \"" + printableLine(source) + "\": it is a directory");
      return exitBadInput;
    }
    std::ifstream file(source, std::ios::binary);
    if (!file || !readAll(file, script)) {
      reportError("cannot read \"" + printableLine(source) + "\": " + std::strerror(errno));
      return exitBadInput;
    }
  } else if (!readAll(std::cin, script)) {
    reportError("cannot read standard input");
    return exitBadInput;
  }

  const ParseResult parsed = parseScript(script);
  if (const auto* error = std::get_if<ScriptError>(&parsed)) {
    reportError(printableLine(source) + ':' + std::to_string(error->line) + ": " +
                error->message + " in \"" + printableLine(error->text) + '"');
    return exitBadInput;
  }

  ReplaySession session(std::cout);
  for (const Command& command : std::get<std::vector<Command>>(parsed)) {
    session.execute(command);
    if (!std::cout) {
      reportError("cannot write the output");
      return exitOutputFailed;
    }
  }
  return 0;
}
