// What a calculation does, as data: the messages it shows and the answer texts
// it writes, in order. Windows carry the effects out; tests read them.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
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

// How an answer label shows its number.
enum class AnswerForm {
  General,   // general number text, up to 15 significant digits
  Grouped4,  // "#,###.0000"
  Grouped3,  // "#,###.000"
  Hash3,     // "###.###"
};

struct Effect {
  enum class Kind { Show, Write };
  Kind kind;
  Message message;     // Show
  std::string target;  // Write: objectName of the answer control
  std::string text;    // Write: the answer text
  // Write of an answer: the number its text shows, and how it shows it.
  std::optional<double> number = {};
  AnswerForm form = AnswerForm::General;
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
  const std::string& written(std::string_view target) const {
    static const std::string none;
    for (auto e = effects.rbegin(); e != effects.rend(); ++e)
      if (e->kind == Effect::Kind::Write && e->target == target) return e->text;
    return none;
  }
  // The last write to target, or none.
  const Effect* lastWrite(std::string_view target) const {
    for (auto e = effects.rbegin(); e != effects.rend(); ++e)
      if (e->kind == Effect::Kind::Write && e->target == target) return &*e;
    return nullptr;
  }
  bool wrote(std::string_view target) const {
    for (const auto& e : effects)
      if (e.kind == Effect::Kind::Write && e.target == target) return true;
    return false;
  }
};

// Hashes a name given as any kind of text, so lookups need no copy of it.
struct NameHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view name) const { return std::hash<std::string_view>{}(name); }
};

// The texts of a window's boxes and lists, by control objectName. A missing
// name reads as an empty text. One box may be given as a number instead
// (`replaced`): a calculation reads that number where it would read the box,
// so a chart can run a tab's calculation row by row without writing each
// row's fluid height out as text and reading it back.
struct ReplacedNumber {
  std::string box;
  double number = 0;
};
struct Fields : std::unordered_map<std::string, std::string, NameHash, std::equal_to<>> {
  using unordered_map::unordered_map;
  std::optional<ReplacedNumber> replaced = {};
};

inline const std::string& fieldText(const Fields& fields, std::string_view name) {
  static const std::string empty;
  auto it = fields.find(name);
  return it == fields.end() ? empty : it->second;
}

}  // namespace calvexa
