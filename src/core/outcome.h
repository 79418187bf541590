// What a calculation does, as data: the messages it shows and the answer texts
// it writes, in order. Windows carry the effects out; tests read them.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace calvexa {

enum class Icon { None, Information, Exclamation, Critical };

// An empty title means the application title. Line breaks stay as written
// ("\r", "\r\n"); only the presenter turns them into display line breaks.
struct Message {
  std::string text = {};
  std::string title = {};
  Icon icon = Icon::None;
  bool operator==(const Message& other) const {
    return text == other.text && title == other.title && icon == other.icon;
  }
};

struct Effect {
  enum class Kind { Show, Write };
  Kind kind;
  Message message;     // Show
  std::string target;  // Write: objectName of the answer control
  std::string text;    // Write: the answer text
};

struct Outcome {
  std::vector<Effect> effects;

  Outcome& show(Message message) {
    effects.push_back({Effect::Kind::Show, std::move(message), {}, {}});
    return *this;
  }
  Outcome& show(std::string text) { return show(Message{std::move(text), {}, Icon::None}); }
  Outcome& write(std::string target, std::string text) {
    effects.push_back({Effect::Kind::Write, {}, std::move(target), std::move(text)});
    return *this;
  }

  // Conveniences for tests and for the rare caller that needs one part.
  std::vector<std::string> messageTexts() const {
    std::vector<std::string> out;
    for (const auto& e : effects)
      if (e.kind == Effect::Kind::Show) out.push_back(e.message.text);
    return out;
  }
  // The last text written to target, or empty when nothing was written.
  std::string written(const std::string& target) const {
    std::string out;
    for (const auto& e : effects)
      if (e.kind == Effect::Kind::Write && e.target == target) out = e.text;
    return out;
  }
  bool wrote(const std::string& target) const {
    for (const auto& e : effects)
      if (e.kind == Effect::Kind::Write && e.target == target) return true;
    return false;
  }
};

// The texts of a window's boxes and lists, by control objectName. A missing
// name reads as an empty text.
using Fields = std::map<std::string, std::string>;

inline std::string fieldText(const Fields& fields, const std::string& name) {
  auto it = fields.find(name);
  return it == fields.end() ? std::string() : it->second;
}

}  // namespace calvexa
