// Renders the main window (each of its pages) and the macro dialog to PNG images, in
// English and in Chinese, with a little sample content so that they can be looked at:
//   kb_render_screens [output folder]      (default: screens/ next to the program)

#include "ui/controls/ControlRegistration.h"
#include "ui/panel/CoordButtonImage.h"
#include "ui/toolkit/ControlRegistry.h"
#include "ui/toolkit/LayoutLoader.h"
#include "ui/toolkit/Translation.h"
#include "ui/toolkit/UiResources.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColor>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QStandardItemModel>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTableView>
#include <QTranslator>

#include <cmath>
#include <cstdio>
#include <memory>

namespace kb {
namespace {

template <class T>
T* child(QWidget* root, const char* name) {
  return root->findChild<T*>(QString::fromLatin1(name));
}

void check(QWidget* root, const char* name) {
  if (auto* b = child<QAbstractButton>(root, name)) b->setChecked(true);
}

// A colour in the pictures' layout: red in the lowest byte, then green, blue and alpha.
std::uint32_t packed(const QColor& c, int alpha) {
  return std::uint32_t(c.red()) | std::uint32_t(c.green()) << 8 | std::uint32_t(c.blue()) << 16 | std::uint32_t(alpha) << 24;
}

void fillMainSample(QWidget* main) {
  child<QLabel>(main, "statever")->setText(QCoreApplication::translate("kbconf", "Connected"));
  child<QLabel>(main, "conn_dot")->setStyleSheet(QStringLiteral("color: #34d399;"));
  child<QComboBox>(main, "kb_cmb_profile")->addItems({QStringLiteral("Profile 1"), QStringLiteral("Profile 2"), QStringLiteral("Profile 3")});
  auto* modes = child<QComboBox>(main, "cmb_mainled_light_mode_normal");
  modes->addItems({QStringLiteral("Static"), QStringLiteral("Breathing"), QStringLiteral("Wave"), QStringLiteral("Ripple"),
                   QStringLiteral("Custom")});
  modes->setCurrentIndex(4);

  // Keys that carry another function are marked on the key-assignment picture.
  auto* keys = child<CoordButtonImage>(main, "cbimg_macro_record");
  for (auto& k : keys->keys()) {
    if (k.name == "Q" || k.name == "E" || k.name == "R" || k.name == "F1" || k.name == "F2" || k.name == "Caps Lock" ||
        k.name == "Num 5")
      k.marked = true;
  }
  keys->keys()[20].hover = true;

  // A rainbow of per-key colours on the lighting picture, a few keys selected.
  auto* led = child<CoordButtonImage>(main, "cbimg_led_effect");
  const double width = led->minimumWidth();
  for (auto& k : led->keys()) {
    const double hue = std::fmod(0.52 + 0.7 * (k.rect.left + k.rect.right) / (2 * width), 1.0);
    k.foreground = packed(QColor::fromHsvF(hue, 0.9, 1.0), 0x70);
    if (k.name == "W" || k.name == "A" || k.name == "S" || k.name == "D") k.checked = true;
  }
  for (const char* name : {"win_color_panel_foreground", "win_color_panel_background"}) {
    QWidget* panel = child<QWidget>(main, name);
    const bool fg = QByteArray(name).contains("fore");
    check(panel, fg ? "radio_color_panel_defcol6" : "radio_color_panel_defcol5");
    child<QWidget>(panel, "color_panel_preview")
        ->setStyleSheet(fg ? QStringLiteral("background: #00ffff;") : QStringLiteral("background: #ff00ff;"));
    child<QLineEdit>(panel, "color_panel_r")->setText(fg ? QStringLiteral("0") : QStringLiteral("255"));
    child<QLineEdit>(panel, "color_panel_g")->setText(fg ? QStringLiteral("255") : QStringLiteral("0"));
    child<QLineEdit>(panel, "color_panel_b")->setText(QStringLiteral("255"));
  }
}

void fillMacroSample(QWidget* macro) {
  child<QLabel>(macro, "text_recording_keys")->setText(QStringLiteral("F1"));
  auto* groups = new QStandardItemModel(macro);
  for (const char* g : {"Group 0", "Group 1", "Group 2"}) groups->appendRow(new QStandardItem(QString::fromLatin1(g)));
  auto* groupView = child<QListView>(macro, "macro_group");
  groupView->setModel(groups);
  groupView->setCurrentIndex(groups->index(1, 0));

  auto* items = new QStandardItemModel(0, 4, macro);
  for (int c = 0; c < 4; ++c) {
    items->setHeaderData(c, Qt::Horizontal, child<QLabel>(macro, QByteArray("col" + QByteArray::number(c + 1)).constData())->text());
  }
  const char* rows[][4] = {{"30", "Left Ctrl", "key down", "0"}, {"46", "C", "key down", "42"}, {"46", "C", "key up", "85"},
                           {"30", "Left Ctrl", "key up", "12"}, {"47", "V", "key down", "160"}, {"47", "V", "key up", "74"}};
  for (const auto& r : rows) {
    QList<QStandardItem*> row;
    for (int c = 0; c < 4; ++c) {
      const bool translated = c == 2;
      row << new QStandardItem(translated ? QCoreApplication::translate("kbconf", r[c]) : QString::fromLatin1(r[c]));
    }
    items->appendRow(row);
  }
  auto* table = child<QTableView>(macro, "macro_items");
  table->setModel(items);
  table->verticalHeader()->hide();
  table->horizontalHeader()->setStretchLastSection(true);
  table->setColumnWidth(0, 80);
  table->setColumnWidth(1, 180);
  table->setColumnWidth(2, 140);
  check(macro, "chk_macro_fixed_delay");
}

bool save(QWidget* w, const QString& path) {
  w->ensurePolished();
  w->show();
  QCoreApplication::processEvents();
  const bool ok = w->grab().save(path);
  std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
  return ok;
}

bool renderLanguage(const UiResources& resources, const ControlRegistry& registry, const char* language,
                    const QDir& out) {
  QObject owner;
  QTranslator* translator = installTranslator(resources, translatorDocumentFor(language), &owner);
  const QString suffix = QLatin1Char('_') + QLatin1String(language == std::string("cn") ? "cn" : "en") + QStringLiteral(".png");
  LayoutLoader loader(resources, registry);
  bool ok = true;

  std::unique_ptr<QWidget> main(loader.loadLayout(QStringLiteral("LAYOUT:XML_MAINWND")));
  if (!main) return false;
  fillMainSample(main.get());
  auto* tabs = child<QTabWidget>(main.get(), "tab_func_selection");
  const char* pages[] = {"keys", "lighting", "side", "device"};
  for (int i = 0; i < tabs->count(); ++i) {
    tabs->setCurrentIndex(i);
    ok &= save(main.get(), out.filePath(QStringLiteral("main_") + QLatin1String(pages[i]) + suffix));
  }

  std::unique_ptr<QWidget> macro(loader.loadLayout(QStringLiteral("LAYOUT:macro")));
  if (!macro) return false;
  fillMacroSample(macro.get());
  ok &= save(macro.get(), out.filePath(QStringLiteral("macro") + suffix));
  auto* macroTabs = child<QTabWidget>(macro.get(), "tab_macro_mode_selection");
  macroTabs->setCurrentIndex(1);
  ok &= save(macro.get(), out.filePath(QStringLiteral("macro_single") + suffix));

  if (translator) QCoreApplication::removeTranslator(translator);
  return ok;
}

}  // namespace
}  // namespace kb

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  const QString base = QCoreApplication::applicationDirPath();
  const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : base + QStringLiteral("/screens"));
  QDir().mkpath(out.path());

  kb::UiResources resources;
  if (!resources.load(base + QStringLiteral("/uires"))) {
    std::fprintf(stderr, "no resource folder next to the program\n");
    return 1;
  }
  kb::UiResources::install(&resources);
  kb::ControlRegistry registry;
  kb::registerProgramControls(registry);
  const bool ok = kb::renderLanguage(resources, registry, "en", out) && kb::renderLanguage(resources, registry, "cn", out);
  kb::UiResources::install(nullptr);
  return ok ? 0 : 1;
}
