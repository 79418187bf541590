// A tank window: a page window whose pages also print strapping charts and
// whose pictures are drawings of the tanks.
#pragma once

#include <functional>

#include "tanks/chart_rules.h"
#include "tanks/tank_drawing_rules.h"
#include "tanks/tank_gauge_source_rules.h"
#include "ui/page_window.h"

namespace calvexa {

class TankWindow : public PageWindow {
  Q_OBJECT
 public:
  using Profiles = const TankChartProfile& (*)(int page);
  using Pictures = const TankPictureInputs* (*)(int page);
  // `pictures` says where each page's drawing reads its dimensions, so the
  // drawing follows what is typed (none: the drawings keep their proportions).
  TankWindow(WindowRegistry& registry, const PageForm& form, Profiles profiles, Pictures pictures);

  // The number of divisions the last chart by divisions was asked for.
  int lastDivisions() const { return lastDivisions_; }

  // The chart of `page`: its checks, the divisions dialog, the rows and the
  // report in its preview.
  void PrintTankChart(int page);

  // The tab in front as a source of volumes for gauging, its texts as they are now.
  TabVolumes currentTabVolumes() const;

 protected:
  void onControlsCreated(const QList<QPointer<QWidget>>& created) override;

 private:
  // Redraws the picture of every page among `controls` whenever its boxes or lists change.
  void followDimensions(const QList<QPointer<QWidget>>& controls);
  void redrawPicture(int page);
  Fields pageFields(int page) const;
  std::string chartName(int page) const;
  Profiles profiles_;
  Pictures pictures_;
  int lastDivisions_ = 0;
};

// The drawings of the tank pages, by the names their page tables give.
QWidget* makeTankDrawing(const QString& drawing, QWidget* parent);

}  // namespace calvexa
