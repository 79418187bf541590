// The generic page window: a window of one or more pages, each with rows of
// caption, value box and unit list, an answer row, a drawing and buttons,
// all generated from its page table.
#pragma once

#include <functional>

#include "core/page_table.h"
#include "ui/form_window.h"

namespace calvexa {

class PageWindow : public FormWindow {
  Q_OBJECT
 public:
  // What a page's Window buttons do; `page` is the index of the button's page.
  using PageAction = std::function<void(int page, const PageButton& button)>;

  // The window's key is the form's name. `action` carries out the Window
  // buttons of the pages (none: they do nothing).
  PageWindow(WindowRegistry& registry, const PageForm& form, DrawingFactory drawings = {}, PageAction action = {});

  const PageForm& form() const { return form_; }

 protected:
  void onLoad() override;
  void onControlsCreated(const QList<QPointer<QWidget>>& created) override;

 private:
  void bindButtons(const QList<QPointer<QWidget>>& created);
  const PageForm& form_;
  PageAction action_;
};

}  // namespace calvexa
