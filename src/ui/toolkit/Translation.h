#pragma once

#include <QString>

#include <string_view>

class QObject;
class QTranslator;

namespace kb {

class UiResources;

// "lang_cn" when the configured language is exactly "cn", else "lang_en".
QString translatorDocumentFor(std::string_view language);

// Loads the compiled translator document "translator:<name>" and installs it in the
// application. The translator is owned by `owner`; nullptr (and nothing installed) when
// the document does not load, so the layouts show their own texts.
QTranslator* installTranslator(const UiResources& resources, const QString& name, QObject* owner);

}  // namespace kb
