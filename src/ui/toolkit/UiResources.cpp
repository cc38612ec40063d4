#include "ui/toolkit/UiResources.h"

#include "ui/toolkit/AttributeParse.h"

#include <QDir>
#include <QXmlStreamReader>

namespace kb {

namespace {
const UiResources* gInstalled = nullptr;
}

bool UiResources::load(const QString& folder) {
  stringsByName_.clear();
  stringsByIndex_.clear();
  skins_.clear();
  if (!index_.load(folder)) return false;
  loadStrings();
  loadSkins();
  return true;
}

QString UiResources::baseDir() const {
  QDir dir(index_.folder());
  dir.cdUp();
  return dir.absolutePath();
}

void UiResources::loadStrings() {
  QXmlStreamReader xml(index_.read(QStringLiteral("values:string")));
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement() || xml.name() != QLatin1String("string")) continue;
    const QString name = xml.attributes().value(QLatin1String("name")).toString();
    const QString indexText = xml.attributes().value(QLatin1String("index")).toString();
    const QString text = xml.readElementText();
    if (!name.isEmpty()) stringsByName_.insert(name, text);
    if (!indexText.isEmpty()) stringsByIndex_[parseIntAttribute(indexText)] = text;
  }
}

void UiResources::loadSkins() {
  QXmlStreamReader xml(index_.read(QStringLiteral("values:skin")));
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement() || xml.name() != QLatin1String("skin")) continue;
    const auto attrs = xml.attributes();
    const QString path = index_.filePath(attrs.value(QLatin1String("src")).toString());
    QPixmap image(path);
    if (image.isNull()) continue;
    const QString statesText = attrs.value(QLatin1String("states")).toString();
    const int states = statesText.isEmpty() ? 1 : parseIntAttribute(statesText);
    const bool vertical = attrs.value(QLatin1String("vertical")).toString() == QLatin1String("1");
    const QList<int> m = parseIntList(attrs.value(QLatin1String("margin")).toString());
    const QMargins margins = m.size() == 4 ? QMargins(m[0], m[1], m[2], m[3]) : QMargins();
    skins_.insert(attrs.value(QLatin1String("name")).toString(), Skin(image, states, vertical, margins));
  }
}

QString UiResources::string(const QString& name) const { return stringsByName_.value(name); }

QString UiResources::stringAt(int index) const {
  const auto it = stringsByIndex_.find(index);
  return it != stringsByIndex_.end() ? it->second : QString();
}

QString UiResources::resolveString(const QString& text) const {
  static const QString prefix = QStringLiteral("@string/");
  if (!text.startsWith(prefix)) return text;
  const auto it = stringsByName_.find(text.mid(prefix.size()));
  return it != stringsByName_.end() ? *it : text;
}

Skin UiResources::skin(const QString& name) const { return skins_.value(name); }
bool UiResources::hasSkin(const QString& name) const { return skins_.contains(name); }
void UiResources::addSkin(const QString& name, const Skin& skin) { skins_.insert(name, skin); }

QString UiResources::styleSheet() const { return QString::fromUtf8(index_.read(QStringLiteral("values:style"))); }

QIcon UiResources::icon(const QString& name) const {
  const QString path = index_.filePath(QStringLiteral("ICON"), name);
  return path.isEmpty() ? QIcon() : QIcon(path);
}

const UiResources* UiResources::current() { return gInstalled; }
void UiResources::install(const UiResources* resources) { gInstalled = resources; }

Skin skinNamed(const QString& name) {
  const UiResources* res = UiResources::current();
  return res ? res->skin(name) : Skin();
}

QString resolveNamedString(const QString& text) {
  const UiResources* res = UiResources::current();
  return res ? res->resolveString(text) : text;
}

}  // namespace kb
