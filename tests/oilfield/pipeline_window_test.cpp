// The pipeline volume window from the main menu to the answer and back.
#include <functional>
#include <utility>

#include "support/window_test.h"

namespace calvexa {
namespace {

class PipelineWindow : public MenuWindowTest {
 protected:
  PipelineWindow() : MenuWindowTest(kPipelineWindow, "CmdPipelineVolume") {}
  void pickUnits(const char* diameter, const char* thickness, const char* length, const char* volume) {
    pick("CboExternalPipeVolDiameter", diameter);
    pick("CboPipeVolThickness", thickness);
    pick("CboPipeVolLength", length);
    pick("CboPipeVolAnswer", volume);
  }
  QString answer() const { return text("TbPipeVolAnswer"); }
};

TEST_F(PipelineWindow, DesignTextsListsAndMenus) {
  EXPECT_EQ(window->windowTitle(), "Pipeline Volume");
  bool headingFound = false;
  for (QLabel* label : window->findChildren<QLabel*>())
    headingFound |= label->text() == "Total Pipeline Volume Calculation";
  EXPECT_TRUE(headingFound);
  EXPECT_NE(window->control("Image2"), nullptr);
  struct Row {
    const char *caption, *box, *list;
    QStringList items;
  };
  const QStringList volumes = {"Cubic Feet",       "Cubic Meters",   "Drums (208 litre)",
                               "Gallons (Canada)", "Gallons (U.S.)", "Litres"};
  const Row rows[] = {
      {"External Pipeline Diameter:",
       "TbExternalPipeVolDiameter",
       "CboExternalPipeVolDiameter",
       {"Centimeters", "Feet", "Inches", "Meters", "Mil", "Millimeters"}},
      {"Pipeline Thickness:",
       "TbPipeVolThickness",
       "CboPipeVolThickness",
       {"Centimeters", "Inches", "Mil", "Millimeters"}},
      {"Pipeline Length:",
       "TbPipeVolLength",
       "CboPipeVolLength",
       {"Centimeters", "Feet", "Inches", "Kilometers", "Meters", "Miles"}},
      {"Calculated Volume:", "TbPipeVolAnswer", "CboPipeVolAnswer", volumes},
  };
  for (const Row& row : rows) {
    const std::string label = std::string("lbl") + row.box;
    EXPECT_EQ(text(label.c_str()), row.caption);
    EXPECT_EQ(items(row.list), row.items) << row.list;
    EXPECT_EQ(window->control<QComboBox>(row.list)->currentText(), "") << row.list;
    EXPECT_FALSE(window->control<QComboBox>(row.list)->isEditable()) << row.list;
  }
  for (const char* box : {"TbExternalPipeVolDiameter", "TbPipeVolThickness", "TbPipeVolLength"})
    EXPECT_EQ(text(box), "1") << box;
  EXPECT_EQ(text("CmdLineVolume"), "&Calculate");
  EXPECT_EQ(menuCaptions(0), QStringList({"&Annular Volume", "&Coating", "Con&version", "&Fuel Use", "&Main Menu",
                                          "&Tank Selection", "-", "E&xit"}));
  EXPECT_EQ(menuCaptions(1), QStringList({"Help &Documentation", "-", "&About Calvexa"}));
  // The boxes take only the keys of a number.
  type("TbPipeVolLength", "2,");
  EXPECT_EQ(text("TbPipeVolLength"), "2");
  EXPECT_EQ(takeMessages(), std::vector<std::string>{"Enter a valid Number\rsuch as 1000\ror 1.45E+09"});
}

TEST_F(PipelineWindow, AnswersKeptAcrossSwitchesAndClearedByClose) {
  // Inner radius 0.5 - 0.01 = 0.49 m over 1000 m: 0.49^2 x 3.1415926 x 1000 = 754.29638326 m3.
  type("TbExternalPipeVolDiameter", "1");
  type("TbPipeVolThickness", "1");
  type("TbPipeVolLength", "1");
  pickUnits("Meters", "Centimeters", "Kilometers", "Cubic Meters");
  click("CmdLineVolume");
  EXPECT_EQ(answer(), "754.296");

  // Outer radius 10 x 0.3048 / 2 / 12 = 0.127 m, inner 0.127 - 0.5 x 0.0254 = 0.1143 m, one mile of
  // 1609.347 m: 0.1143^2 x 3.1415926 x 1609.347 x 1000 = 66052.9199... litres.
  type("TbExternalPipeVolDiameter", "10");
  type("TbPipeVolThickness", "0.5");
  pickUnits("Inches", "Inches", "Miles", "Litres");
  click("CmdLineVolume");
  EXPECT_EQ(answer(), "66,052.920");
  EXPECT_TRUE(app.seam.messages.empty());

  roundTripThroughMainMenu();
  EXPECT_EQ(text("TbExternalPipeVolDiameter"), "10");
  EXPECT_EQ(window->control<QComboBox>("CboPipeVolLength")->currentText(), "Miles");
  EXPECT_EQ(answer(), "66,052.920");

  closeReturnsToMainMenu();
  open();
  EXPECT_EQ(text("TbExternalPipeVolDiameter"), "1");
  EXPECT_EQ(window->control<QComboBox>("CboPipeVolLength")->currentText(), "");
}

TEST_F(PipelineWindow, ChecksRunInOrderOneMessageEachAnswerKept) {
  pickUnits("Meters", "Centimeters", "Meters", "Cubic Meters");
  click("CmdLineVolume");
  const QString before = answer();  // 0.49^2 x 3.1415926 x 1 = .754 m3
  EXPECT_EQ(before, ".754");
  for (const char* list : {"CboExternalPipeVolDiameter", "CboPipeVolThickness", "CboPipeVolLength", "CboPipeVolAnswer"})
    window->control<QComboBox>(list)->setCurrentIndex(-1);
  type("TbExternalPipeVolDiameter", "");
  // Each step puts one thing right; the next press shows the next check's message alone.
  const std::pair<std::function<void()>, std::string> steps[] = {
      {[] {}, "Please type in a number for External Pipeline Diameter."},
      {[&] { type("TbExternalPipeVolDiameter", "2"); },
       "An improper External Pipeline diameter measurement has been chosen. Re-choose an External Pipeline Diameter "
       "Unit with the mouse."},
      {[&] { pick("CboExternalPipeVolDiameter", "Feet"); },
       "An improper Pipeline Thickness Unit has been chosen.  Re-choose another Pipeline Coating Thickness Unit with "
       "the mouse."},
      {[&] { pick("CboPipeVolThickness", "Mil"); },
       "An improper Pipe length has been chosen.  Re-choose a Pipe unit with the mouse."},
      {[&] { pick("CboPipeVolLength", "Miles"); },
       "An improper Calculated Volume Unit has been chosen.  Re-choose a Calculated Volume Unit with the mouse."},
      {[&] {
         pick("CboPipeVolAnswer", "Litres");
         type("TbPipeVolThickness", "-");  // passes the key filter but is not a number
       },
       "Please type in a number for Pipeline Thickness."},
  };
  for (const auto& [fix, message] : steps) {
    fix();
    click("CmdLineVolume");
    EXPECT_EQ(takeMessages(), std::vector<std::string>{message});
    EXPECT_EQ(answer(), before);
  }
}

}  // namespace
}  // namespace calvexa
