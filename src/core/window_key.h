// How the program knows a window: by its name, the window's objectName.
// The folder that makes a window defines its key; the window layer compares
// keys and never spells one. The name is a text that lives as long as the
// program (a literal or a table's name).
#pragma once

#include <string_view>

namespace calvexa {

class WindowKey {
 public:
  constexpr WindowKey() = default;  // no window
  constexpr explicit WindowKey(const char* name) : name_(name) {}

  constexpr const char* name() const { return name_; }
  constexpr bool empty() const { return *name_ == '\0'; }

  friend constexpr bool operator==(WindowKey a, WindowKey b) {
    return std::string_view(a.name_) == std::string_view(b.name_);
  }
  // By name, for ordered containers. (No <=>: moc cannot read <compare>
  // when it comes before the Qt headers.)
  friend constexpr bool operator<(WindowKey a, WindowKey b) {
    return std::string_view(a.name_) < std::string_view(b.name_);
  }

 private:
  const char* name_ = "";
};

}  // namespace calvexa
