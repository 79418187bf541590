#include "app/configured_help.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "ui/form_window.h"
#include "ui/registry.h"
#include "ui/seam.h"

// The configured help file, fixed when the program is built.
#ifndef CALVEXA_CONFIGURED_HELP
#error "CALVEXA_CONFIGURED_HELP names the configured help file (the build sets it)"
#endif

namespace calvexa {

ConfiguredHelp::ConfiguredHelp() : setting_(QString::fromUtf8(CALVEXA_CONFIGURED_HELP)) {}

QString ConfiguredHelp::path() const {
  if (setting_.isEmpty() || QDir::isAbsolutePath(setting_)) return setting_;
  return QDir(QCoreApplication::applicationDirPath()).filePath(setting_);
}

void ConfiguredHelp::open(FormWindow& window) const {
  Seam& seam = window.registry().seam();
  const QString file = path();
  if (file.isEmpty()) {
    seam.showMessage(&window, {"Unable to display Help Contents. There is no Help associated with this project.",
                               window.windowTitle().toStdString(), Icon::Information});
    return;
  }
  const QFileInfo info(file);
  if (!info.isFile() || !info.isReadable()) {
    seam.showMessage(&window, {"The help file " + QDir::toNativeSeparators(file).toStdString() +
                               " cannot be opened: it is missing or cannot be read."});
    return;
  }
  seam.openHelp(&window, file, window.helpSection());
}

}  // namespace calvexa
