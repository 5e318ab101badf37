#pragma once

#include <QByteArray>
#include <QColor>
#include <QHash>
#include <QObject>
#include <QPixmap>
#include <QString>
#include <map>
#include <memory>

#include "skinfont.h"

// One object of a skin: a control kind ("edit", "listbox" ...) or a part of the frame. Its
// settings are text; its pictures are decoded once, with the skin.
class TbsSkinEntry {
 public:
  explicit TbsSkinEntry(QString name) : name_(std::move(name)) {}

  const QString& Name() const { return name_; }

  bool Has(const QString& key) const { return values_.contains(key); }
  QString Value(const QString& key, const QString& fallback = {}) const;
  int Int(const QString& key, int fallback) const;
  QColor Color(const QString& key, const QColor& fallback) const;
  // The entry's font: FontName, FontHeight, FontBold and FontColor, each taken from the fallback
  // where the entry lacks it.
  TFontSpec Font(const TFontSpec& fallback) const;
  // A picture named by the setting `key`; null when the skin has none.
  QPixmap Picture(const QString& key) const;

  void SetValue(const QString& key, const QString& value) { values_.insert(key, value); }
  void SetPicture(const QString& key, const QPixmap& picture) { pictures_.insert(key, picture); }

 private:
  QString name_;
  QHash<QString, QString> values_;
  QHash<QString, QPixmap> pictures_;
};

// A skin kept inside the program: a compressed block with the description and its pictures.
class TbsCompressedStoredSkin : public QObject {
  Q_OBJECT

 public:
  explicit TbsCompressedStoredSkin(QObject* owner);

  // The stored block, as the program carries it (a resource path).
  void SetResource(const QString& path) { resource_ = path; }
  const QString& Resource() const { return resource_; }

  // The block's bytes; empty when there is none.
  QByteArray CompressedData() const;

 private:
  QString resource_;
};

// The active skin, decoded once from a stored skin. Entries are looked up by exact name.
class TbsSkinData : public QObject {
  Q_OBJECT

 public:
  explicit TbsSkinData(QObject* owner);
  ~TbsSkinData() override;

  bool SkinnableForm() const { return skinnableForm_; }
  void SetSkinnableForm(bool on) { skinnableForm_ = on; }
  bool EnableSkinEffects() const { return enableSkinEffects_; }
  void SetEnableSkinEffects(bool on) { enableSkinEffects_ = on; }

  TbsCompressedStoredSkin* CompressedStoredSkin() const { return stored_; }
  // Decodes the stored skin, which replaces the active one.
  void SetCompressedStoredSkin(TbsCompressedStoredSkin* stored);

  // Decodes a skin from its compressed block. Throws Exception with a clear message when the
  // block is not a skin. For tests that use a skin of their own, too.
  void LoadCompressed(const QByteArray& block);

  bool Empty() const { return entries_.empty(); }
  QString SkinName() const { return skinName_; }

  // The entry of that exact name, or nullptr.
  const TbsSkinEntry* Entry(const QString& name) const;

 Q_SIGNALS:
  void SkinChanged();

 private:
  bool skinnableForm_ = true;
  bool enableSkinEffects_ = true;
  TbsCompressedStoredSkin* stored_ = nullptr;
  QString skinName_;
  std::map<QString, std::unique_ptr<TbsSkinEntry>> entries_;
};
