#include "ui/save_file.h"

#include <QFile>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <cstring>

namespace calvexa {
namespace {

// Written a piece at a time: a full disk is noticed at the piece it fills.
constexpr qint64 kPiece = 64 * 1024;

// The device's own reason, or the system's for the error of the call that
// failed; never the device's "Unknown error".
QString reasonFor(const QIODevice& device, int systemError) {
  const QString told = device.errorString();
  if (!told.isEmpty() && told != QLatin1String("Unknown error")) return told;
  if (systemError != 0) return QString::fromLocal8Bit(std::strerror(systemError));
  return QStringLiteral("the file could not be written");
}

}  // namespace

QString saveWhole(const QString& path, const QByteArray& contents, const DeviceLayer& layer) {
  QSaveFile file(path);
  // Never write over the old file in place, even where no file can be made beside it.
  file.setDirectWriteFallback(false);
  errno = 0;
  if (!file.open(QIODevice::WriteOnly)) return reasonFor(file, errno);
  const std::unique_ptr<QIODevice> layered = layer ? layer(file) : nullptr;
  QIODevice& out = layered ? *layered : file;
  const auto failed = [&file](const QIODevice& device, int systemError) {
    const QString reason = reasonFor(device, systemError);
    file.cancelWriting();
    return reason;
  };
  for (qint64 at = 0; at < contents.size();) {
    const qint64 piece = std::min(kPiece, contents.size() - at);
    errno = 0;
    const qint64 written = out.write(contents.constData() + at, piece);
    if (written != piece) return failed(out, errno);
    at += written;
  }
  // The last buffered piece is written here, and the file put in place at
  // the commit: either can fail on a full disk.
  errno = 0;
  if (!file.flush()) return failed(file, errno);
  errno = 0;
  if (!file.commit()) return reasonFor(file, errno);
  return {};
}

QString readUpTo(const QString& path, qint64 mostBytes, QByteArray& contents) {
  contents.clear();
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return file.errorString();
  contents = file.read(mostBytes + 1);
  if (file.error() != QFileDevice::NoError) {
    contents.clear();
    return file.errorString();
  }
  return QString();
}

}  // namespace calvexa
