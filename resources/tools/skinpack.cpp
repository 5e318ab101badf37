// Packs a skin's description and pictures into the compressed block the program carries:
// zlib over a sequence of files, each a name line, a size line and its bytes.
#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: %s output.skn skin.ini picture...\n", argv[0]);
    return 2;
  }
  QByteArray archive;
  for (int i = 2; i < argc; ++i) {
    QFile file(QString::fromLocal8Bit(argv[i]));
    if (!file.open(QIODevice::ReadOnly)) {
      std::fprintf(stderr, "cannot read %s\n", argv[i]);
      return 1;
    }
    const QByteArray bytes = file.readAll();
    archive += QFileInfo(file).fileName().toUtf8() + '\n' + QByteArray::number(bytes.size()) + '\n';
    archive += bytes;
  }
  QFile out(QString::fromLocal8Bit(argv[1]));
  const QByteArray block = qCompress(archive, 9);
  if (!out.open(QIODevice::WriteOnly) || out.write(block) != block.size()) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
