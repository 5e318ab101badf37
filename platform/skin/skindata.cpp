#include "skindata.h"

#include <QFile>
#include <QStringList>

#include "platform/forms/ansi.h"
#include "platform/forms/sysutils.h"

namespace {

// Settings whose key ends so name a picture file of the skin.
bool IsPictureKey(const QString& key) { return key.endsWith(QLatin1String("Picture")); }

[[noreturn]] void Fail(const QString& message) {
  throw Exception(ToAnsi(message).value_or("Invalid skin"));
}

}  // namespace

QString TbsSkinEntry::Value(const QString& key, const QString& fallback) const {
  return values_.value(key, fallback);
}

int TbsSkinEntry::Int(const QString& key, int fallback) const {
  bool ok = false;
  const int value = values_.value(key).toInt(&ok);
  return ok ? value : fallback;
}

QColor TbsSkinEntry::Color(const QString& key, const QColor& fallback) const {
  const QStringList parts = values_.value(key).split(QLatin1Char(','));
  if (parts.size() != 3) return fallback;
  int rgb[3];
  for (int i = 0; i < 3; ++i) {
    bool ok = false;
    rgb[i] = parts[i].trimmed().toInt(&ok);
    if (!ok || rgb[i] < 0 || rgb[i] > 255) return fallback;
  }
  return QColor(rgb[0], rgb[1], rgb[2]);
}

TFontSpec TbsSkinEntry::Font(const TFontSpec& fallback) const {
  TFontSpec font = fallback;
  font.family = Value(QStringLiteral("FontName"), fallback.family);
  font.height = Int(QStringLiteral("FontHeight"), fallback.height);
  font.bold = Int(QStringLiteral("FontBold"), fallback.bold ? 1 : 0) != 0;
  font.color = Color(QStringLiteral("FontColor"), fallback.color);
  return font;
}

QPixmap TbsSkinEntry::Picture(const QString& key) const { return pictures_.value(key); }

TbsCompressedStoredSkin::TbsCompressedStoredSkin(QObject* owner) : QObject(owner) {}

QByteArray TbsCompressedStoredSkin::CompressedData() const {
  if (resource_.isEmpty()) return {};
  QFile file(resource_);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

TbsSkinData::TbsSkinData(QObject* owner) : QObject(owner) {}
TbsSkinData::~TbsSkinData() = default;

void TbsSkinData::SetCompressedStoredSkin(TbsCompressedStoredSkin* stored) {
  stored_ = stored;
  LoadCompressed(stored ? stored->CompressedData() : QByteArray());
}

void TbsSkinData::LoadCompressed(const QByteArray& block) {
  entries_.clear();
  skinName_.clear();
  if (block.isEmpty()) {
    Q_EMIT SkinChanged();
    return;
  }
  // The block: a zlib-compressed archive of files, each a name line, a size line and the bytes.
  const QByteArray archive = qUncompress(block);
  if (archive.isEmpty()) Fail(QStringLiteral("The stored skin is damaged"));
  QHash<QString, QByteArray> files;
  for (qsizetype at = 0; at < archive.size();) {
    const qsizetype nameEnd = archive.indexOf('\n', at);
    const qsizetype sizeEnd = nameEnd < 0 ? -1 : archive.indexOf('\n', nameEnd + 1);
    if (sizeEnd < 0) Fail(QStringLiteral("The stored skin is damaged"));
    const QString name = QString::fromUtf8(archive.mid(at, nameEnd - at));
    bool ok = false;
    const qsizetype size = archive.mid(nameEnd + 1, sizeEnd - nameEnd - 1).toLongLong(&ok);
    if (!ok || size < 0 || sizeEnd + 1 + size > archive.size())
      Fail(QStringLiteral("The stored skin is damaged"));
    files.insert(name, archive.mid(sizeEnd + 1, size));
    at = sizeEnd + 1 + size;
  }
  if (!files.contains(QStringLiteral("skin.ini")))
    Fail(QStringLiteral("The stored skin has no skin.ini"));

  TbsSkinEntry* entry = nullptr;
  const QStringList lines = QString::fromUtf8(files.value(QStringLiteral("skin.ini"))).split(u'\n');
  for (QString line : lines) {
    line = line.trimmed();
    if (line.isEmpty() || line.startsWith(u';')) continue;
    if (line.startsWith(u'[') && line.endsWith(u']')) {
      const QString name = line.mid(1, line.size() - 2);
      auto& slot = entries_[name];
      if (!slot) slot = std::make_unique<TbsSkinEntry>(name);
      entry = slot.get();
      continue;
    }
    const qsizetype eq = line.indexOf(u'=');
    if (eq <= 0 || !entry) continue;
    const QString key = line.left(eq).trimmed();
    const QString value = line.mid(eq + 1).trimmed();
    entry->SetValue(key, value);
    if (IsPictureKey(key) && !value.isEmpty()) {
      QPixmap picture;
      if (!files.contains(value) || !picture.loadFromData(files.value(value)))
        Fail(QStringLiteral("The stored skin lacks the picture %1").arg(value));
      entry->SetPicture(key, picture);
    }
  }
  if (const TbsSkinEntry* header = Entry(QStringLiteral("Skin"))) {
    skinName_ = header->Value(QStringLiteral("Name"));
  }
  Q_EMIT SkinChanged();
}

const TbsSkinEntry* TbsSkinData::Entry(const QString& name) const {
  auto it = entries_.find(name);
  return it == entries_.end() ? nullptr : it->second.get();
}
