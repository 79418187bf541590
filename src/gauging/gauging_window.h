// FrmTankGauging: from a gauge reading to the net standard volume. The tank's
// volumes come from the tab of the tank window it was opened from, or from a
// capacity table file; Calculate writes every answer or shows the one
// refusal, and the ticket prints what was calculated.
#pragma once

#include <QString>
#include <optional>

#include "core/window_key.h"
#include "gauging/gauging_rules.h"
#include "ui/form_window.h"

namespace calvexa {

inline constexpr WindowKey kGaugingWindow{"FrmTankGauging"};

class CapacityTable;

class GaugingWindow : public FormWindow {
  Q_OBJECT
 public:
  explicit GaugingWindow(WindowRegistry& registry);

  // A tank tab's volumes (cubic metres at a height in metres), offered as
  // "Tank window: <caption>" and chosen; `lengthUnit` is the tab's, which
  // the reading is then typed in.
  void offerTank(const QString& caption, const QString& lengthUnit, VolumeSource volumes);

  // "&Open Table...": asks for a capacity table file and reads it; a table
  // read whole becomes the source chosen and fills the boxes its header gives.
  void openTable();
  // Reads the table in `bytes` (from the file `fileName`); false with one
  // message when it cannot be read.
  bool useTable(const QByteArray& bytes, const QString& fileName);

  void calculateGauging();
  // "Print &Ticket...": calculates as Calculate does, then shows the ticket
  // of that gauging in its preview (print, PDF).
  void printTicket();

 protected:
  void onLoad() override;

 private:
  struct Source {
    QString text;
    VolumeSource volumes;
    std::optional<CriticalZone> zone;
  };
  void fillLists();
  void showSources(const QString& chosen);
  const Source* chosenSource() const;
  void fillFromHeader(const CapacityTable& table);
  void enableBoxes();
  Fields gaugingFields() const;

  std::optional<Source> tank_;
  std::optional<Source> table_;
};

}  // namespace calvexa
