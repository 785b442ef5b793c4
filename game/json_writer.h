#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vortalin::game {

/// Builds one JSON text by appending members; the caller opens and closes objects and arrays.
class JsonWriter {
 public:
  JsonWriter& open(char bracket);
  JsonWriter& close(char bracket);
  JsonWriter& key(std::string_view name);
  JsonWriter& value(std::string_view text);
  JsonWriter& value(const char* text) { return value(std::string_view(text)); }
  JsonWriter& value(double number);
  /// The shortest decimal that reads back as the same single.
  JsonWriter& value(float number);
  JsonWriter& value(int number) { return value(static_cast<long long>(number)); }
  JsonWriter& value(long long number);
  JsonWriter& value(bool flag);
  template <class T>
  JsonWriter& value(const std::optional<T>& v) {
    return v ? value(*v) : null();
  }
  JsonWriter& null();
  template <class T>
  JsonWriter& member(std::string_view name, const T& v) {
    return key(name).value(v);
  }
  const std::string& text() const { return text_; }

 private:
  void separate();

  std::string text_;
  bool first_ = true;
};

}  // namespace vortalin::game
