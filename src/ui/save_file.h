// Saving a file whole or not at all: written beside its final name and put in
// its place only once every byte is written, flushed and committed, so a
// failed save (a full disk, a device error) leaves any old file as it was and
// no part of the new one behind.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>

class QIODevice;

namespace calvexa {

// A device put between the writer and the file being saved; tests put one
// that fails at a given byte.
using DeviceLayer = std::function<std::unique_ptr<QIODevice>(QIODevice& file)>;

// Saves `contents` as the file `path`. Empty when saved; otherwise the
// system's reason ("No space left on device"), and the file is untouched.
QString saveWhole(const QString& path, const QByteArray& contents, const DeviceLayer& layer = {});

// Reads the file `path` into `contents`, at most `mostBytes` + 1 bytes (so a
// reader can tell a file is too large without holding all of it). Empty when
// read; otherwise the system's reason, and `contents` is empty.
QString readUpTo(const QString& path, qint64 mostBytes, QByteArray& contents);

}  // namespace calvexa
