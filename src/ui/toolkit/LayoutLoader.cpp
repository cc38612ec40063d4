#include "ui/toolkit/LayoutLoader.h"

#include "ui/toolkit/ControlRegistry.h"
#include "ui/toolkit/LayoutCreated.h"
#include "ui/toolkit/Trace.h"
#include "ui/toolkit/UiResources.h"
#include "ui/toolkit/WidgetIds.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QVBoxLayout>
#include <QVariant>
#include <QWidget>

namespace kb {

namespace {

// Included layouts may include others; a cycle stops here.
constexpr int kMaxIncludeDepth = 8;

void notifyCreated(QWidget* root) {
  if (auto* c = dynamic_cast<ILayoutCreated*>(root)) c->onLayoutCreated();
  for (QWidget* w : root->findChildren<QWidget*>()) {
    if (auto* c = dynamic_cast<ILayoutCreated*>(w)) c->onLayoutCreated();
  }
}

// Whether a style sheet already reaches widgets placed in `parent`.
bool isStyled(const QWidget* parent) {
  if (qApp && !qApp->styleSheet().isEmpty()) return true;
  for (const QWidget* w = parent; w; w = w->parentWidget()) {
    if (!w->styleSheet().isEmpty()) return true;
  }
  return false;
}

}  // namespace

LayoutLoader::LayoutLoader(const UiResources& resources, const ControlRegistry& registry, QObject* parent)
    : QUiLoader(parent), resources_(resources), registry_(registry) {
  setWorkingDirectory(QDir(resources.index().folder()));
}

QWidget* LayoutLoader::createWidget(const QString& className, QWidget* parent, const QString& name) {
  if (QWidget* w = registry_.create(className, parent)) {
    w->setObjectName(name);
    return w;
  }
  return QUiLoader::createWidget(className, parent, name);
}

QWidget* LayoutLoader::loadLayout(const QString& typedName, QWidget* parent) {
  QWidget* root = loadContent(typedName, parent, 0);
  if (!root) return nullptr;
  assignWidgetIds(root);
  notifyCreated(root);
  if (!isStyled(parent)) root->setStyleSheet(resources_.styleSheet());
  return root;
}

QWidget* LayoutLoader::loadContent(const QString& typedName, QWidget* parent, int depth) {
  QByteArray bytes = resources_.index().read(typedName);
  if (bytes.isEmpty()) {
    trace(QStringLiteral("layout [%1] not found").arg(typedName));
    return nullptr;
  }
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  QWidget* root = load(&buffer, parent);
  if (!root) {
    trace(QStringLiteral("layout [%1] failed: %2").arg(typedName, errorString()));
    return nullptr;
  }
  loadIncludes(root, depth);
  return root;
}

void LayoutLoader::loadIncludes(QWidget* root, int depth) {
  if (depth >= kMaxIncludeDepth) return;
  const auto all = root->findChildren<QWidget*>();
  for (QWidget* host : all) {
    const QString include = host->property("include").toString();
    if (include.isEmpty()) continue;
    QWidget* content = loadContent(include, host, depth + 1);
    if (!content) continue;
    auto* layout = host->layout() ? host->layout() : new QVBoxLayout(host);
    if (auto* box = qobject_cast<QBoxLayout*>(layout)) box->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(content);
  }
}

}  // namespace kb
