// libFuzzer harness: any script either runs to its end or is refused with one clear
// error, and never crashes, hangs or trips a sanitizer.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string_view>

#include "tools/replay/replay_session.h"
#include "tools/replay/script.h"

namespace {

void require(bool condition) {
  if (!condition) std::abort();
}

void checkRefusal(const vortalin::replay::ScriptError& error, std::string_view script) {
  require(error.line >= 1);
  require(!error.message.empty());
  require(error.text.find('\n') == std::string::npos);
  require(error.text.size() <= script.size());
}

void checkRun(const std::vector<vortalin::replay::Command>& commands) {
  std::ostringstream out;
  vortalin::replay::ReplaySession session(out);
  for (const auto& command : commands) session.execute(command);
  require(static_cast<bool>(out));
  // Every line printed is one JSON object.
  const std::string text = out.str();
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find('\n', start);
    require(end != std::string::npos);
    require(text[start] == '{' && text[end - 1] == '}');
    start = end + 1;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view script(reinterpret_cast<const char*>(data), size);
  const auto parsed = vortalin::replay::parseScript(script);
  if (const auto* error = std::get_if<vortalin::replay::ScriptError>(&parsed)) {
    checkRefusal(*error, script);
  } else {
    checkRun(std::get<std::vector<vortalin::replay::Command>>(parsed));
  }
  return 0;
}
