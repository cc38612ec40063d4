#include "ui/toolkit/ResourceIndex.h"

#include <QDir>
#include <QFile>
#include <QXmlStreamReader>

namespace kb {

bool ResourceIndex::load(const QString& folder) {
  folder_ = folder;
  entries_.clear();
  QFile file(QDir(folder).filePath(QStringLiteral("uires.idx")));
  if (!file.open(QIODevice::ReadOnly)) return false;
  QXmlStreamReader xml(&file);
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement() || xml.name() != QLatin1String("file")) continue;
    const auto attrs = xml.attributes();
    entries_.push_back({attrs.value(QLatin1String("type")).toString(), attrs.value(QLatin1String("name")).toString(),
                        attrs.value(QLatin1String("path")).toString()});
  }
  if (xml.hasError()) {
    entries_.clear();
    return false;
  }
  return true;
}

QString ResourceIndex::filePath(const QString& typedName) const {
  const qsizetype colon = typedName.indexOf(QLatin1Char(':'));
  if (colon < 0) return {};
  return filePath(typedName.left(colon), typedName.mid(colon + 1));
}

QString ResourceIndex::filePath(const QString& type, const QString& name) const {
  for (const Entry& e : entries_) {
    if (e.name == name && e.type.compare(type, Qt::CaseInsensitive) == 0) return QDir(folder_).filePath(e.file);
  }
  return {};
}

QByteArray ResourceIndex::read(const QString& typedName) const {
  const QString path = filePath(typedName);
  if (path.isEmpty()) return {};
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray{};
}

}  // namespace kb
