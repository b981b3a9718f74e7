#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <sys/mount.h>

namespace testsupport {

// A small memory file system mounted in a temporary folder and filled to the
// last byte (or, with useUpInodes(), to the last inode), for as long as the
// object lives. Mounting needs the rights of
// the system administrator: without them mounted() is false and the test
// that wants a full disk is skipped. A test that puts files on it first
// mounts it empty and fills it afterwards.
class FullDisk {
 public:
  enum class Start { Full, Empty };

  explicit FullDisk(Start start = Start::Full) {
    const QByteArray where = QFile::encodeName(dir_.path());
    mounted_ = dir_.isValid() && ::mount("tmpfs", where.constData(), "tmpfs", 0, "size=1m,nr_inodes=256") == 0;
    if (mounted_ && start == Start::Full) fill();
  }
  ~FullDisk() {
    if (mounted_) ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
  }
  FullDisk(const FullDisk&) = delete;
  FullDisk& operator=(const FullDisk&) = delete;

  bool mounted() const { return mounted_; }
  QString path(const QString& name) const { return QDir(dir_.path()).filePath(name); }

  void fill() {
    QFile filler(path(QStringLiteral("filler")));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return;
    const QByteArray block(4096, 'f');
    while (filler.write(block) == block.size()) {
    }
    const QByteArray byte(1, 'f');
    while (filler.write(byte) == 1) {
    }
  }

  // Leaves room in bytes, but none for another file.
  void useUpInodes() {
    for (int i = 0;; ++i) {
      QFile empty(path(QStringLiteral("inode%1").arg(i)));
      if (!empty.open(QIODevice::WriteOnly)) return;
    }
  }

 private:
  QTemporaryDir dir_;
  bool mounted_ = false;
};

}  // namespace testsupport
