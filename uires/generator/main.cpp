// Draws the pictures of the resource folder and writes the keyboard pictures' positions
// files, from the key geometry description:
//   kb_uires_gen <keyboard.layout> <output folder>

#include "ControlArt.h"
#include "KeyGeometry.h"
#include "KeyboardArt.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <stdexcept>

namespace kb {
namespace {

class Output {
 public:
  explicit Output(const QString& folder) : dir_(folder) {
    dir_.mkpath(QStringLiteral("image"));
    dir_.mkpath(QStringLiteral("positions"));
  }
  void image(const QString& name, const QImage& image) {
    if (!image.save(dir_.filePath(QStringLiteral("image/") + name + QStringLiteral(".png"))))
      throw std::runtime_error("cannot write image " + name.toStdString());
  }
  QString path(const QString& relative) const { return dir_.filePath(relative); }

 private:
  QDir dir_;
};

void drawKeyboards(Output& out, const std::vector<KeyShape>& keys) {
  const KeyboardMetrics metrics;
  out.image(QStringLiteral("keyboard_keys"), drawKeyboardStates(keys, metrics, KeyboardLook::Assignment));
  out.image(QStringLiteral("keyboard_led"), drawKeyboardStates(keys, metrics, KeyboardLook::Lighting));
  for (const char* name : {"positions/kb_keys.xml", "positions/kb_led.xml"}) {
    if (!writePositionsFile(out.path(QString::fromLatin1(name)), keys, metrics))
      throw std::runtime_error(std::string("cannot write ") + name);
  }
}

void drawControls(Output& out) {
  out.image(QStringLiteral("color_pad"), colourPad(QSize(232, 84)));
  out.image(QStringLiteral("logo"), logo(64));
  out.image(QStringLiteral("logo_anim"), logoFrames(30, 8));
  for (const char* kind : {"more", "min", "max", "close"})
    out.image(QStringLiteral("caption_") + QLatin1String(kind), captionIcon(QString::fromLatin1(kind), 16));

  const std::pair<const char*, Glyph> directions[] = {
      {"dir_left", arrowGlyph(180)}, {"dir_right", arrowGlyph(0)},  {"dir_up", arrowGlyph(270)},
      {"dir_down", arrowGlyph(90)},  {"dir_cw", rotateGlyph(true)}, {"dir_ccw", rotateGlyph(false)},
  };
  for (const auto& [name, glyph] : directions) out.image(QString::fromLatin1(name), iconStates(20, glyph));
  out.image(QStringLiteral("icon_record"), iconStates(14, dotGlyph()));

  // The eight default colours of the colour panels and the side light.
  const QColor defaults[] = {Qt::black, QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255),
                             QColor(255, 255, 0), QColor(255, 0, 255), QColor(0, 255, 255), Qt::white};
  out.image(QStringLiteral("swatch_auto"), swatchStates(26, QColor()));
  for (int i = 0; i < 8; ++i) out.image(QStringLiteral("swatch_%1").arg(i), swatchStates(26, defaults[i]));

  out.image(QStringLiteral("pill_radio"), pillStates(QSize(64, 32), false));
  out.image(QStringLiteral("pill_check"), pillStates(QSize(64, 32), true));
  out.image(QStringLiteral("record_toggle"), recordToggleStates(QSize(160, 34)));
  out.image(QStringLiteral("tab_item"), tabItemStates(QSize(120, 44)));
  out.image(QStringLiteral("tab_head_bg"), tabHeadBackground(QSize(40, 44)));

  const std::vector<Glyph> mainTabs = {keyboardGlyph(), bulbGlyph(), sideLightGlyph(), gearGlyph()};
  const std::vector<Glyph> macroTabs = {recordGlyph(), keycapGlyph(), mediaGlyph(), textGlyph(QStringLiteral("Fn"))};
  out.image(QStringLiteral("tab_icons_main"), glyphStrip(20, mainTabs, QColor(0x8b, 0x94, 0xa8)));
  out.image(QStringLiteral("tab_icons_macro"), glyphStrip(20, macroTabs, QColor(0x8b, 0x94, 0xa8)));
  for (size_t i = 0; i < mainTabs.size(); ++i) {
    out.image(QStringLiteral("tab_main_%1_in").arg(i), glyphAnimation(20, mainTabs[i], 5, true));
    out.image(QStringLiteral("tab_main_%1_out").arg(i), glyphAnimation(20, mainTabs[i], 5, false));
    out.image(QStringLiteral("tab_macro_%1_in").arg(i), glyphAnimation(20, macroTabs[i], 5, true));
    out.image(QStringLiteral("tab_macro_%1_out").arg(i), glyphAnimation(20, macroTabs[i], 5, false));
  }
}

}  // namespace
}  // namespace kb

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: kb_uires_gen <keyboard.layout> <output folder>\n");
    return 2;
  }
  try {
    const auto keys = kb::readKeyGeometry(QString::fromLocal8Bit(argv[1]));
    if (keys.empty()) throw std::runtime_error("the key geometry holds no keys");
    kb::Output out(QString::fromLocal8Bit(argv[2]));
    kb::drawKeyboards(out, keys);
    kb::drawControls(out);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "kb_uires_gen: %s\n", e.what());
    return 1;
  }
  return 0;
}
