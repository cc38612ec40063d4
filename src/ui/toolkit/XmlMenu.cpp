#include "ui/toolkit/XmlMenu.h"

#include "ui/toolkit/AttributeParse.h"
#include "ui/toolkit/UiResources.h"

#include <QCoreApplication>
#include <QMenu>
#include <QXmlStreamReader>

namespace kb {

namespace {

QString translated(const QString& text) {
  return QCoreApplication::translate("menu", text.toUtf8().constData());
}

class MenuBuilder {
 public:
  MenuBuilder(QXmlStreamReader& xml, std::function<void(int)> onCommand) : xml_(xml), onCommand_(std::move(onCommand)) {}

  // Reads the children of the current element into `menu`.
  void fill(QMenu* menu) {
    while (xml_.readNextStartElement()) {
      const QStringView name = xml_.name();
      const auto attrs = xml_.attributes();
      if (name == QLatin1String("sep")) {
        menu->addSeparator();
        xml_.skipCurrentElement();
      } else if (name == QLatin1String("menu")) {
        fill(menu->addMenu(translated(attrs.value(QLatin1String("text")).toString())));
      } else if (name == QLatin1String("item") || name == QLatin1String("menuItem")) {
        addItem(menu, attrs);
      } else {
        xml_.skipCurrentElement();
      }
    }
  }

 private:
  void addItem(QMenu* menu, const QXmlStreamAttributes& attrs) {
    const int id = parseIntAttribute(attrs.value(QLatin1String("id")).toString());
    QString text = attrs.value(QLatin1String("text")).toString();
    const QString iconName = attrs.value(QLatin1String("icon")).toString();
    const bool disabled = attrs.value(QLatin1String("disable")).toString() == QLatin1String("1");
    // Children make a sub-menu; plain character content is the item's text.
    QMenu* sub = nullptr;
    while (!xml_.atEnd()) {
      const auto token = xml_.readNext();
      if (token == QXmlStreamReader::EndElement) break;
      if (token == QXmlStreamReader::Characters && !xml_.isWhitespace()) text += xml_.text().toString().trimmed();
      if (token == QXmlStreamReader::StartElement) {
        if (!sub) sub = new QMenu(menu);
        // Put the reader back in front of this child and read the rest as a menu.
        addChild(sub);
      }
    }
    if (sub) {
      sub->setTitle(translated(text));
      menu->addMenu(sub);
      return;
    }
    QAction* action = menu->addAction(translated(text));
    const UiResources* res = UiResources::current();
    if (!iconName.isEmpty() && res) action->setIcon(res->icon(iconName));
    action->setEnabled(!disabled);
    action->setData(id);
    QObject::connect(action, &QAction::triggered, menu, [cb = onCommand_, id] {
      if (cb) cb(id);
    });
  }

  void addChild(QMenu* sub) {
    const QStringView name = xml_.name();
    if (name == QLatin1String("sep")) {
      sub->addSeparator();
      xml_.skipCurrentElement();
    } else if (name == QLatin1String("item") || name == QLatin1String("menuItem")) {
      addItem(sub, xml_.attributes());
    } else {
      xml_.skipCurrentElement();
    }
  }

  QXmlStreamReader& xml_;
  std::function<void(int)> onCommand_;
};

}  // namespace

MenuKind menuKindOf(const QByteArray& xml) {
  QXmlStreamReader reader(xml);
  if (!reader.readNextStartElement()) return MenuKind::None;
  if (reader.name() == QLatin1String("menu")) return MenuKind::Classic;
  if (reader.name() == QLatin1String("menuRoot") || reader.name() == QLatin1String("menuItem")) return MenuKind::Extended;
  return MenuKind::None;
}

QMenu* buildMenu(const QByteArray& xml, QWidget* parent, std::function<void(int)> onCommand) {
  if (menuKindOf(xml) == MenuKind::None) return nullptr;
  QXmlStreamReader reader(xml);
  reader.readNextStartElement();
  auto* menu = new QMenu(parent);
  MenuBuilder(reader, std::move(onCommand)).fill(menu);
  return menu;
}

}  // namespace kb
