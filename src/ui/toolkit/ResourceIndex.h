#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace kb {

// The index of the resource folder (uires.idx): it maps names such as
// "LAYOUT:XML_MAINWND" or "translator:lang_cn" (type, colon, name) to files of the folder.
// Types are matched without regard to case, names exactly.
class ResourceIndex {
 public:
  struct Entry {
    QString type;
    QString name;
    QString file;  // relative to the folder
  };

  ResourceIndex() = default;
  // Reads <folder>/uires.idx; false (and an empty index) when it is missing or malformed.
  bool load(const QString& folder);

  const QString& folder() const { return folder_; }
  const std::vector<Entry>& entries() const { return entries_; }

  // Absolute path of the file behind "type:name", or empty when there is none.
  QString filePath(const QString& typedName) const;
  QString filePath(const QString& type, const QString& name) const;
  // Contents of that file; empty when it is missing.
  QByteArray read(const QString& typedName) const;

 private:
  QString folder_;
  std::vector<Entry> entries_;
};

}  // namespace kb
