#include "script.h"

#include <algorithm>
#include <array>
#include <optional>

#include "game/state_json.h"
#include "number_parsing.h"

namespace vortalin::replay {

namespace {

constexpr std::size_t printableLimit = 80;

struct Keyword {
  std::string_view word;
  Action action;
};

constexpr std::array keywords{
    Keyword{"start", Action::Start}, Keyword{"left", Action::Left}, Keyword{"right", Action::Right},
    Keyword{"stop", Action::Stop},   Keyword{"tick", Action::Tick}, Keyword{"run", Action::Run},
    Keyword{"place", Action::Place}, Keyword{"show", Action::Show},
};

bool isSeparator(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::vector<std::string_view> wordsOf(std::string_view line) {
  line = line.substr(0, line.find('#'));
  std::vector<std::string_view> words;
  std::size_t at = 0;
  while (at < line.size()) {
    while (at < line.size() && isSeparator(line[at])) ++at;
    const std::size_t start = at;
    while (at < line.size() && !isSeparator(line[at])) ++at;
    if (at > start) words.push_back(line.substr(start, at - start));
  }
  return words;
}

std::string quoted(std::string_view word) {
  std::string text = printableLine(word);
  text.insert(text.begin(), '"');
  text.push_back('"');
  return text;
}

/// Parses one line's words into a command, or says what is wrong with them.
class LineParser {
 public:
  LineParser(const std::vector<std::string_view>& words, int line) : words_(words) {
    command_.line = line;
  }

  std::optional<std::string> parse() {
    const std::optional<Action> action = actionOf(words_[0]);
    if (!action) return "unknown command " + quoted(words_[0]);
    command_.action = *action;
    switch (*action) {
      case Action::Tick: return parseTick();
      case Action::Place: return parsePlace();
      default: return expectWords(1, "takes no argument");
    }
  }

  const Command& command() const { return command_; }

 private:
  static std::optional<Action> actionOf(std::string_view word) {
    for (const Keyword& k : keywords) {
      if (k.word == word) return k.action;
    }
    return std::nullopt;
  }

  std::optional<std::string> expectWords(std::size_t count, std::string_view usage) const {
    if (words_.size() == count) return std::nullopt;
    return quoted(words_[0]) + " " + std::string(usage);
  }

  std::optional<std::string> parseTick() {
    if (words_.size() > 2) return std::string("\"tick\" takes at most one number");
    if (words_.size() == 1) return std::nullopt;
    const auto periods = parseCount(words_[1], 1, maxTickPeriods);
    if (!periods) return quoted(words_[1]) + " is not a whole number from 1 to 10000000";
    command_.periods = *periods;
    return std::nullopt;
  }

  std::optional<std::string> parsePlace() {
    if (auto fault = expectWords(4, "needs a box, a left and a top: place BOX LEFT TOP"))
      return fault;
    const auto& names = game::boxNames;
    const auto name = std::find(names.begin(), names.end(), words_[1]);
    if (name == names.end()) {
      return "unknown box " + quoted(words_[1]) + " (expected strip, player, rival0 or rival1)";
    }
    command_.box = static_cast<Box>(name - names.begin());
    if (auto fault = parseCoordinate(words_[2], command_.left)) return fault;
    return parseCoordinate(words_[3], command_.top);
  }

  static std::optional<std::string> parseCoordinate(std::string_view word, float& into) {
    const ParsedSingle parsed = parseSingle(word);
    switch (parsed.fault) {
      case NumberFault::None: into = parsed.value; return std::nullopt;
      case NumberFault::NotANumber: return quoted(word) + " is not a decimal number";
      case NumberFault::NotFinite: return quoted(word) + " is too large for a single";
    }
    return std::nullopt;
  }

  const std::vector<std::string_view>& words_;
  Command command_;
};

}  // namespace

std::string printableLine(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size() && i < printableLimit; ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c >= 0x20 && c < 0x7F) {
      out += static_cast<char>(c);
    } else {
      constexpr char hex[] = "0123456789abcdef";
      out += "\\x";
      out += hex[c >> 4];
      out += hex[c & 0xF];
    }
  }
  if (text.size() > printableLimit) out += "...";
  return out;
}

ParseResult parseScript(std::string_view script) {
  std::vector<Command> commands;
  int lineNumber = 0;
  std::size_t at = 0;
  while (at < script.size()) {
    std::size_t end = script.find('\n', at);
    if (end == std::string_view::npos) end = script.size();
    const std::string_view line = script.substr(at, end - at);
    at = end + 1;
    ++lineNumber;

    const auto words = wordsOf(line);
    if (words.empty()) continue;
    LineParser parser(words, lineNumber);
    if (auto fault = parser.parse()) return ScriptError{lineNumber, std::string(line), *fault};
    commands.push_back(parser.command());
  }
  return commands;
}

}  // namespace vortalin::replay
