#include "ui/toolkit/Translation.h"

#include "ui/toolkit/UiResources.h"

#include <QCoreApplication>
#include <QTranslator>

namespace kb {

QString translatorDocumentFor(std::string_view language) {
  return language == "cn" ? QStringLiteral("lang_cn") : QStringLiteral("lang_en");
}

QTranslator* installTranslator(const UiResources& resources, const QString& name, QObject* owner) {
  const QString path = resources.index().filePath(QStringLiteral("translator"), name);
  if (path.isEmpty()) return nullptr;
  auto* translator = new QTranslator(owner);
  if (!translator->load(path) || !QCoreApplication::installTranslator(translator)) {
    delete translator;
    return nullptr;
  }
  return translator;
}

}  // namespace kb
