#include "ui/file_folders.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace calvexa {
namespace {

const char* const kLastFolderKey = "files/lastFolder";

// The program's settings file, whatever names the application was given.
const QString kSettingsName = QStringLiteral("Calvexa");

QString startFolder() {
  const QString last = QSettings(kSettingsName, kSettingsName).value(QLatin1String(kLastFolderKey)).toString();
  if (!last.isEmpty() && QFileInfo(last).isDir()) return last;
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (!documents.isEmpty() && QFileInfo(documents).isDir()) return documents;
  return QDir::homePath();
}

}  // namespace

QString suggestedPath(const QString& fileName) { return QDir(startFolder()).filePath(fileName); }

void rememberFolder(const QString& chosenFile) {
  if (chosenFile.isEmpty()) return;
  QSettings(kSettingsName, kSettingsName).setValue(QLatin1String(kLastFolderKey), QFileInfo(chosenFile).absolutePath());
}

}  // namespace calvexa
