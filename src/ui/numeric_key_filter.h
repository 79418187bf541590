// Binds the numeric key filter to a text box: every typed character passes
// through NumericKeyFilter before the box sees it.
#pragma once

#include <QObject>

namespace calvexa {

class Seam;

// A box with this property set leaves Enter and Escape to its dialog (its
// default and Cancel buttons).
inline constexpr const char* kDialogKeys = "calvexaDialogKeys";

class NumericKeyFilterBinding : public QObject {
  Q_OBJECT
 public:
  NumericKeyFilterBinding(Seam& seam, QObject* parent);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Seam& seam_;
};

}  // namespace calvexa
