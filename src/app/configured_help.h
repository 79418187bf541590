// The help file that some Help items open in place of the program's own (the
// horizontal tank window's Help Documentation): the build setting
// CALVEXA_CONFIGURED_HELP at first. Empty: the program has no help for them;
// a relative path is taken from the program folder.
#pragma once

#include <QString>
#include <utility>

namespace calvexa {

class FormWindow;

class ConfiguredHelp {
 public:
  ConfiguredHelp();  // the build setting
  explicit ConfiguredHelp(QString setting) : setting_(std::move(setting)) {}

  // The file, as the program would open it (empty: none).
  QString path() const;

  // Opens the file at `window`'s section, or says why it cannot: no file
  // named, or one that is missing or cannot be read.
  void open(FormWindow& window) const;

 private:
  QString setting_;
};

}  // namespace calvexa
