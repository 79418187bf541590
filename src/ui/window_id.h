// Every window of the program, each existing at most once.
#pragma once

namespace calvexa {

enum class WindowId {
  Splash,
  MainMenu,
  About,
  Conversion,
  TankSelection,
  VerticalTank,
  HorizontalTanks,
  RectangularTank,
  SphericalTank,
  TankSections,
  AnnVolume,
  PipelineVolume,
  Coating,
  FuelUse,
  SciCalc,
};

// The window shown when `id` is closed; MainMenu's own close ends the program.
WindowId parentWindow(WindowId id);

// The anchor of the help file's section about `id`.
const char* helpSection(WindowId id);

}  // namespace calvexa
