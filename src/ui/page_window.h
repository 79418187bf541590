// The generic page window: a window of one or more pages, each with rows of
// caption, value box and unit list, an answer row, a drawing and buttons,
// all generated from its page table.
#pragma once

#include "core/page_table.h"
#include "ui/form_window.h"

namespace calvexa {

class PageWindow : public FormWindow {
  Q_OBJECT
 public:
  PageWindow(WindowRegistry& registry, WindowId id, const PageForm& form, DrawingFactory drawings = {});

  const PageForm& form() const { return form_; }

 protected:
  void onLoad() override;
  void onControlsCreated(const QList<QPointer<QWidget>>& created) override;
  // A button whose action the window itself carries out (a chart, say);
  // Calculate buttons run their page's calculation without it.
  virtual void onPageAction(const Page& page, const PageButton& button) {
    Q_UNUSED(page);
    Q_UNUSED(button);
  }

 private:
  void bindButtons(const QList<QPointer<QWidget>>& created);
  const PageForm& form_;
};

}  // namespace calvexa
