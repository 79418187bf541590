// The gauging chain of API MPMS 12.1.1: shell, roof, free water, S&W and the
// volumes from TOV to NSV, on a tank of 500 m³ per metre of innage up to 15 m.
//
// Expected values are worked by hand from the equations (the factors CTL come
// from the separate evaluation of API MPMS 11.1 quoted beside them); each
// volume is rounded to 2 decimals before the next step uses it.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "gauging/gauging_rules.h"

namespace calvexa {
namespace {

// 500 m³ per metre, from 0 to 15 m.
std::optional<double> straightTank(double innage) {
  if (innage < 0 || innage > 15.0) return std::nullopt;
  return 500.0 * innage;
}

// Crude oil of API 30.0 at 60 °F in a mild steel tank: 10.000 m of innage,
// 0.100 m of free water, liquid 80.0 °F, air 70.0 °F, S&W 0.5 %.
GaugeInput crudeTank() {
  GaugeInput in;
  in.reading = 10.0;
  in.waterInnage = 0.1;
  in.volumes = straightTank;
  in.product = {.commodity = Commodity::CrudeOil, .density = 30.0, .temperature = 80.0};
  in.shell = {.kind = ShellKind::MildSteel, .ambientTemperature = 70.0};
  in.sedimentAndWater = 0.5;
  in.volumeUnit = VolumeUnit::CubicMetres;
  return in;
}

Gauging gauged(const GaugeInput& in) {
  const GaugingOutcome out = gaugeTank(in);
  EXPECT_EQ(out.refusal, "");
  return out.gauging.value_or(Gauging{});
}

struct Volumes {
  double tov, fw, roof, gov, gsv, csw, nsv, sw;
};

void expectVolumes(const Gauging& g, const Volumes& v, const char* name) {
  EXPECT_DOUBLE_EQ(g.tov, v.tov) << name;
  EXPECT_DOUBLE_EQ(g.fw, v.fw) << name;
  EXPECT_DOUBLE_EQ(g.roof, v.roof) << name;
  EXPECT_DOUBLE_EQ(g.gov, v.gov) << name;
  EXPECT_DOUBLE_EQ(g.gsv, v.gsv) << name;
  EXPECT_DOUBLE_EQ(g.csw, v.csw) << name;
  EXPECT_DOUBLE_EQ(g.nsv, v.nsv) << name;
  EXPECT_DOUBLE_EQ(g.swVolume, v.sw) << name;
}

// The shell of the worked value: (7 × 135 + 88) / 8 = 129.125 °F,
// 129 °F; ΔT 69 °F; 1 + 2 × 6.2E-06 × 69 + (6.2E-06 × 69)² = 1.000855783,
// 1.00086. Insulated, the shell is at the liquid's 135 °F.
TEST(TankShell, WorkedValue) {
  EXPECT_DOUBLE_EQ(shellTemperature(ShellKind::MildSteel, 135.0, 88.0), 129.0);
  EXPECT_DOUBLE_EQ(shellCorrection(kMildSteelAlphaF, 129.0, 60.0), 1.00086);
  EXPECT_DOUBLE_EQ(shellTemperature(ShellKind::Insulated, 135.0, 88.0), 135.0);
  // A half degree goes to the even one: (7 × 80 + 84) / 8 = 80.5 -> 80.
  EXPECT_DOUBLE_EQ(shellTemperature(ShellKind::MildSteel, 80.0, 84.0), 80.0);
}

// Worked by hand:
//   TOV  500 × 10.000 = 5000.00 m³           FW  500 × 0.100 = 50.00 m³
//   shell (7 × 80 + 70) / 8 = 78.75 -> 79 °F, ΔT 19: CTSh 1.0002356 -> 1.00024
//   GOV  (5000.00 - 50.00) × 1.00024 = 4951.188 -> 4951.19
//   CTL  API 30.0 at 80.0 °F, crude: 0.991070188815 -> 0.99107
//   GSV  4951.19 × 0.99107 = 4906.976... -> 4906.98
//   CSW  1 - 0.5 / 100 = 0.99500;  NSV 4906.98 × 0.995 = 4882.445 -> 4882.45
//   S&W  4906.98 - 4882.45 = 24.53
// In barrels (÷ 0.158987294928): TOV 31449.05, FW 314.49, GOV 31142.03,
// GSV 30863.93, NSV 30709.61, S&W 154.32.
TEST(GaugingChain, HandWorkedCrudeTank) {
  const Gauging m3 = gauged(crudeTank());
  EXPECT_DOUBLE_EQ(m3.innage, 10.0);
  EXPECT_DOUBLE_EQ(m3.shellTemperature, 79.0);
  EXPECT_DOUBLE_EQ(m3.ctsh, 1.00024);
  EXPECT_DOUBLE_EQ(m3.ctl, 0.99107);
  expectVolumes(m3, {5000.00, 50.00, 0.0, 4951.19, 4906.98, 0.995, 4882.45, 24.53}, "cubic metres");
  EXPECT_NEAR(m3.correction.api60, 30.0, 1e-12);
  EXPECT_TRUE(m3.warnings.empty());

  GaugeInput barrels = crudeTank();
  barrels.volumeUnit = VolumeUnit::Barrels;
  expectVolumes(gauged(barrels), {31449.05, 314.49, 0.0, 31142.03, 30863.93, 0.995, 30709.61, 154.32}, "barrels");
}

// 2.000 m of ullage under a 12.000 m reference height is the same 10.000 m of
// innage; an innage above the reference height is gauged with a warning.
TEST(GaugingChain, UllageAndReferenceHeight) {
  GaugeInput ullage = crudeTank();
  ullage.method = GaugeMethod::Ullage;
  ullage.reading = 2.0;
  ullage.referenceHeight = 12.0;
  const Gauging g = gauged(ullage);
  EXPECT_DOUBLE_EQ(g.innage, 10.0);
  EXPECT_DOUBLE_EQ(g.nsv, 4882.45);

  GaugeInput high = crudeTank();
  high.referenceHeight = 9.5;
  const Gauging above = gauged(high);
  EXPECT_EQ(above.warnings, std::vector<std::string>{kAboveReferenceHeightText});
  EXPECT_DOUBLE_EQ(above.nsv, 4882.45);
}

// 15 °C, cubic metres, °C: crude of 850.0 kg/m³ at 15 °C, liquid 35.0 °C, air
// 25.0 °C, no water, S&W 0.25 %.
//   shell (7 × 35 + 25) / 8 = 33.75 -> 34 °C, ΔT 19 °C from 15 °C, α 1.116E-05:
//     1 + 2 × 1.116E-05 × 19 + (1.116E-05 × 19)² = 1.000424 -> 1.00042
//   GOV 5000.00 × 1.00042 = 5002.10;  CTL 0.98291 (CTL(95 °F) / CTL(59 °F))
//   GSV 5002.10 × 0.98291 = 4916.613... -> 4916.61
//   CSW 0.99750;  NSV 4916.61 × 0.9975 = 4904.318... -> 4904.32;  S&W 12.29
TEST(GaugingChain, FifteenCelsiusInCubicMetres) {
  GaugeInput in = crudeTank();
  in.waterInnage.reset();
  in.product = {.commodity = Commodity::CrudeOil,
                .density = 850.0,
                .densityScale = DensityScale::KgPerCubicMetre,
                .temperature = 35.0,
                .temperatureScale = TemperatureScale::Celsius,
                .base = BaseTemperature::Celsius15};
  in.shell.ambientTemperature = 25.0;
  in.sedimentAndWater = 0.25;
  const Gauging g = gauged(in);
  EXPECT_DOUBLE_EQ(g.shellTemperature, 34.0);
  EXPECT_DOUBLE_EQ(g.ctsh, 1.00042);
  EXPECT_DOUBLE_EQ(g.ctl, 0.98291);
  expectVolumes(g, {5000.00, 0.0, 0.0, 5002.10, 4916.61, 0.9975, 4904.32, 12.29}, "15 °C");
  EXPECT_NEAR(g.correction.baseDensity, 850.0, 1e-6);
}

// A floating roof on crude of API 40.0 at 84.0 °F (shell 84 °F, CTSh
// 1 + 2 × 6.2E-06 × 24 + ... = 1.00030), 10.000 m, barrels:
//   CTL 0.987905232723 -> 0.98791; density at 84 °F 825.2... × 0.98791 =
//   814.295699 kg/m³ = API 42.0988 -> 42.1.
//   Deducted at API 35.0, 24.59 bbl per °API: (35.0 - 42.1) × 24.59 = -174.589
//     -> -174.59; GOV (31449.05 × 1.0003) - 174.59 = 31283.8947... -> 31283.89;
//     GSV × 0.98791 = 30905.67.
//   Not deducted, 1,215,000 lb = 551114.72955 kg: -551114.72955 / 814.295699 =
//     -676.799264 m³ = -4256.939 bbl -> -4256.94; GOV 27201.54; GSV 26872.67.
TEST(GaugingChain, FloatingRoof) {
  GaugeInput in = crudeTank();
  in.waterInnage.reset();
  in.product.density = 40.0;
  in.product.temperature = 84.0;
  in.shell.ambientTemperature = 84.0;
  in.sedimentAndWater = 0.0;
  in.volumeUnit = VolumeUnit::Barrels;

  GaugeInput deducted = in;
  deducted.roof = {.kind = RoofKind::FloatingDeducted,
                   .referenceDensity = 35.0,
                   .referenceScale = DensityScale::ApiGravity,
                   .volumePerUnit = 24.59 * kBarrelCubicMetres};
  const Gauging adjusted = gauged(deducted);
  EXPECT_DOUBLE_EQ(adjusted.ctsh, 1.0003);
  EXPECT_DOUBLE_EQ(adjusted.ctl, 0.98791);
  expectVolumes(adjusted, {31449.05, 0.0, -174.59, 31283.89, 30905.67, 1.0, 30905.67, 0.0}, "deducted");

  GaugeInput whole = in;
  whole.roof = {.kind = RoofKind::FloatingNotDeducted, .weightKg = 1215000 * kPoundKilograms};
  expectVolumes(gauged(whole), {31449.05, 0.0, -4256.94, 27201.54, 26872.67, 1.0, 26872.67, 0.0}, "not deducted");

  // Landed below the critical zone the roof displaces nothing; in the zone
  // it is taken as floating and the gauge is flagged.
  GaugeInput landed = whole;
  landed.roof.zone = CriticalZone{10.5, 11.0};
  const Gauging onLegs = gauged(landed);
  EXPECT_DOUBLE_EQ(onLegs.roof, 0.0);
  EXPECT_TRUE(onLegs.warnings.empty());
  GaugeInput critical = whole;
  critical.roof.zone = CriticalZone{9.5, 10.5};
  const Gauging inZone = gauged(critical);
  EXPECT_DOUBLE_EQ(inZone.roof, -4256.94);
  EXPECT_EQ(inZone.warnings, std::vector<std::string>{kCriticalZoneText});
  GaugeInput floating = whole;
  floating.roof.zone = CriticalZone{9.0, 10.0};
  EXPECT_TRUE(gauged(floating).warnings.empty());
}

// Each refusal stops the chain with one message and no answers, in the order
// the window shows the values.
TEST(GaugingChain, RefusalsComputeNothing) {
  const auto with = [](auto change) {
    GaugeInput in = crudeTank();
    change(in);
    return gaugeTank(in);
  };
  const struct {
    const char* name;
    GaugingOutcome outcome;
    const char* refusal;
  } cases[] = {
      {"no volume table", with([](GaugeInput& in) { in.volumes = nullptr; }),
       "There is no volume table for this tank.  Open a capacity table or a tank first."},
      {"reading below zero", with([](GaugeInput& in) { in.reading = -0.001; }),
       "The gauge reading cannot be below zero.  Check the value entered for the gauge reading."},
      {"ullage without reference height", with([](GaugeInput& in) { in.method = GaugeMethod::Ullage; }),
       "An ullage needs the reference height of the tank.  Type in the reference height."},
      {"reference height below zero", with([](GaugeInput& in) { in.referenceHeight = -1.0; }),
       "The reference height cannot be below zero.  Check the value entered for the reference height."},
      {"ullage above reference height", with([](GaugeInput& in) {
         in.method = GaugeMethod::Ullage;
         in.referenceHeight = 12.0;
         in.reading = 12.5;
       }),
       "The ullage is greater than the reference height.  Check the ullage and the reference height."},
      {"water below zero", with([](GaugeInput& in) { in.waterInnage = -0.1; }),
       "The free water innage cannot be below zero.  Check the value entered for the free water."},
      {"water above the liquid", with([](GaugeInput& in) { in.waterInnage = 10.001; }),
       "The free water innage is greater than the innage of the liquid.  Check the free water and the gauge "
       "reading."},
      {"above the table", with([](GaugeInput& in) { in.reading = 15.001; }),
       "The innage is outside the tank's volume table.  Check the gauge reading and the table."},
      {"water outside the table",
       with([](GaugeInput& in) { in.volumes = [](double h) { return h < 0.5 ? std::nullopt : straightTank(h); }; }),
       "The free water innage is outside the tank's volume table.  Check the free water and the table."},
      {"temperature beyond the standard", with([](GaugeInput& in) { in.product.temperature = 310.0; }),
       "The liquid temperature is outside the range of API MPMS 11.1-2004, -58 to 302 °F.  Check the liquid "
       "temperature."},
      {"stainless coefficient below zero", with([](GaugeInput& in) {
         in.shell.kind = ShellKind::StainlessSteel;
         in.shell.alpha = -1e-6;
       }),
       "The shell expansion coefficient cannot be below zero.  Check the value entered for the shell expansion "
       "coefficient."},
      {"S&W above 100", with([](GaugeInput& in) { in.sedimentAndWater = 100.01; }),
       "The S&W must be from 0 to 100 percent.  Check the value entered for the S&W."},
      {"S&W below 0", with([](GaugeInput& in) { in.sedimentAndWater = -0.01; }),
       "The S&W must be from 0 to 100 percent.  Check the value entered for the S&W."},
      {"roof weight below zero",
       with([](GaugeInput& in) { in.roof = {.kind = RoofKind::FloatingNotDeducted, .weightKg = -1.0}; }),
       "The roof weight cannot be below zero.  Check the value entered for the roof weight."},
      {"roof reference not a density",
       with([](GaugeInput& in) { in.roof = {.kind = RoofKind::FloatingDeducted, .referenceDensity = -140.0}; }),
       "The roof reference density is not a density.  Check the value entered for the roof reference density."},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.outcome.refusal, c.refusal) << c.name;
    EXPECT_FALSE(c.outcome.gauging.has_value()) << c.name;
  }
  // At the ends of what is allowed the chain still answers.
  EXPECT_TRUE(with([](GaugeInput& in) { in.sedimentAndWater = 100.0; }).gauging);
  EXPECT_TRUE(with([](GaugeInput& in) { in.waterInnage = 10.0; }).gauging);
  EXPECT_TRUE(with([](GaugeInput& in) { in.reading = 15.0; }).gauging);
  EXPECT_TRUE(with([](GaugeInput& in) {
                in.reading = 0.0;
                in.waterInnage.reset();
              }).gauging);
}

// The gauging's volumes use the defined units: 1 m³ is 1/0.158987294928 bbl,
// 1000 L, 1/0.003785411784 U.S. gal (264.1720523581... by 231 in³).
TEST(GaugingChain, ExactVolumeUnits) {
  EXPECT_DOUBLE_EQ(cubicMetresTo(0.158987294928, VolumeUnit::Barrels), 1.0);
  EXPECT_DOUBLE_EQ(cubicMetresTo(1.0, VolumeUnit::Litres), 1000.0);
  EXPECT_NEAR(cubicMetresTo(1.0, VolumeUnit::UsGallons), 264.17205235814843, 1e-11);
  EXPECT_DOUBLE_EQ(cubicMetresTo(0.158987294928, VolumeUnit::UsGallons), 42.0);
}

// The 1980 option runs the same chain and says which equation it used.
TEST(GaugingChain, EditionTravelsWithTheAnswers) {
  GaugeInput in = crudeTank();
  in.product.edition = Edition::Equation1980;
  const Gauging g = gauged(in);
  EXPECT_EQ(g.correction.edition, Edition::Equation1980);
  // API 30.0 at 80 °F, 1980: ρ60 875.295344, α 4.452121504E-04, ΔT 20:
  // exp(-α 20 (1 + 0.8 α 20)) = 0.9910724182; unrounded.
  EXPECT_EQ(g.ctl, g.correction.ctlUnrounded);
  EXPECT_NEAR(g.ctl, 0.9910724182, 1e-10);
}

}  // namespace
}  // namespace calvexa
