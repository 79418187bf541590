// A tank tab's picture: the drawing of its shape, painted to fit the box.
#pragma once

#include <QWidget>

#include "tanks/tank_drawing_rules.h"

namespace calvexa {

class TankPicture : public QWidget {
  Q_OBJECT
 public:
  TankPicture(TankShape shape, QWidget* parent);
  const TankDrawing& drawing() const { return drawing_; }
  // Draws the tank with these dimensions.
  void setDimensions(const TankDimensions& dimensions);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TankShape shape_;
  TankDrawing drawing_;
};

// The shape a page table's drawing names ("vertical-conical"); false when it
// names none.
bool tankShapeNamed(const QString& name, TankShape& shape);

}  // namespace calvexa
