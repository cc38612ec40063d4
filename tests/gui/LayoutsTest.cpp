#include "gui/UiFixture.h"
#include "ui/controls/SCheckBoxEx.h"
#include "ui/controls/SEditEx.h"
#include "ui/controls/SShellNotifyIcon.h"
#include "ui/controls/STabCtrl2.h"
#include "ui/controls/STabPage2.h"
#include "ui/panel/CoordButtonImage.h"
#include "ui/panel/SSImage.h"
#include "ui/toolkit/ClassTags.h"
#include "ui/toolkit/NamedIdTable.h"
#include "ui/toolkit/Translation.h"
#include "ui/toolkit/WidgetIds.h"
#include "ui/toolkit/XmlMenu.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGlyphRun>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <QTextLayout>
#include <QTranslator>

#include <gtest/gtest.h>

#include <functional>
#include <set>

namespace kb {
namespace {

struct Expected {
  const char* name;
  const char* tag;
};

class Layouts : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(ui.loaded) << "uires missing next to the test"; }

  // Every control is found by name with its class, and carries the table's id (0 for
  // names outside the table).
  void expectControls(QWidget* root, std::initializer_list<Expected> controls) {
    for (const Expected& c : controls) {
      QWidget* w = findWidgetByName(root, QString::fromLatin1(c.name), QString::fromLatin1(c.tag));
      ASSERT_NE(w, nullptr) << c.name << " as " << c.tag << " (is " << tagOf(root->findChild<QWidget*>(c.name)).toStdString() << ")";
      EXPECT_EQ(widgetId(w), namedIdOf(c.name)) << c.name;
    }
  }

  test::UiFixture ui;
};

TEST_F(Layouts, ControlsAreRegisteredInOrderAndFirstFactoryWins) {
  const char* order[] = {"shellnotifyicon", "cbimg", "page2", "tabctrl2", "anmimg", "editex", "stimage", "radioex", "checkex"};
  ASSERT_EQ(ui.registry.entries().size(), 9u);
  for (size_t i = 0; i < 9; ++i) EXPECT_EQ(ui.registry.entries()[i].tag, QString::fromLatin1(order[i]));

  // A tag taken before the program registers keeps its earlier factory.
  ControlRegistry registry;
  registry.add(QStringLiteral("cbimg"), QStringLiteral("Earlier"), [](QWidget* p) { return new QLabel(p); });
  registerProgramControls(registry);
  EXPECT_EQ(registry.entries().size(), 9u);
  QWidget parent;
  EXPECT_TRUE(qobject_cast<QLabel*>(registry.create(QStringLiteral("cbimg"), &parent)));
  EXPECT_EQ(registry.create(QStringLiteral("kb::CoordButtonImage"), &parent), nullptr);
}

TEST_F(Layouts, MainWindowHoldsEveryNamedControl) {
  auto main = ui.load(QStringLiteral("LAYOUT:XML_MAINWND"));
  ASSERT_TRUE(main);
  expectControls(main.get(), {
      {"title", "text"}, {"btn_more", "imgbtn"}, {"btn_min", "imgbtn"}, {"btn_max", "imgbtn"}, {"btn_close", "imgbtn"},
      {"sync_light_dat", "check"}, {"statever", "text"}, {"version", "text"}, {"kb_cmb_profile", "combobox"},
      {"tab_func_selection", "tabctrl"}, {"tray", "shellnotifyicon"},
      {"cbimg_macro_record", "cbimg"}, {"cbimg_led_effect", "cbimg"},
      {"cmb_mainled_light_mode_normal", "combobox"}, {"cmb_custom_index", "combobox"},
      {"bar_mainled_speed", "sliderbar"}, {"bar_mainled_fgbrightness", "sliderbar"}, {"bar_mainled_bgbrightness", "sliderbar"},
      {"bar_mainled_speed_parent", "window"}, {"bar_mainled_fgbrightness_parent", "window"},
      {"bar_mainled_bgbrightness_parent", "window"}, {"win_color_panel_foreground", "window"},
      {"win_color_panel_background", "window"}, {"kbpanel_color_container", "window"}, {"tab_color_effect", "tabctrl"},
      {"gp_mainled_direction_parent", "window"}, {"wnd_dir_parent", "window"}, {"rdo_dir_vecthorz_parent", "window"},
      {"rdo_dir_clock_parent", "window"}, {"radio_mainled_dir_left", "window"}, {"radio_mainled_dir_right", "window"},
      {"radio_mainled_dir_top", "window"}, {"radio_mainled_dir_bottom", "window"}, {"radio_mainled_dir_clockwise", "radio"},
      {"radio_mainled_dir_anticlockwise", "radio"},
      {"btn_kb_restore_factory", "button"}, {"btn_clear_all_mask", "button"}, {"btn_kb_reset_led", "button"},
      {"btn_kb_reset_led_custom", "button"}, {"btn_kb_reset_macro", "button"}, {"btn_set_key_mask", "button"},
      {"btn_set_other_mask", "button"},
      {"kbside_cmb_light_mode", "combobox"}, {"kbside_bar_brightness", "sliderbar"}, {"kbside_bar_speed", "sliderbar"},
      {"kbside_bar_brightness_parent", "window"}, {"kbside_bar_speed_parent", "window"}, {"kbside_gp_color_parent", "window"},
      {"kbside_gp_direction_parent", "window"}, {"kbside_radio_dir_left", "radio"}, {"kbside_radio_dir_right", "radio"},
      {"kbside_radio_dir_top", "radio"}, {"kbside_radio_dir_bottom", "radio"},
  });
  for (int i = 0; i < 8; ++i) {
    const QByteArray name = "kbside_radio_color" + QByteArray::number(i);
    expectControls(main.get(), {{name.constData(), "radio"}});
  }
  // The direction radios by id, as the panel builds its group.
  for (int id = 65645; id <= 65648; ++id) EXPECT_NE(findWidgetById(main.get(), id, QStringLiteral("radio")), nullptr);
  EXPECT_NE(findById<QWidget>(main.get(), 65539, QStringLiteral("check")), nullptr);
}

TEST_F(Layouts, EachColourContainerHoldsItsOwnColourPanel) {
  auto main = ui.load(QStringLiteral("LAYOUT:XML_MAINWND"));
  ASSERT_TRUE(main);
  std::set<SSImage*> pads;
  for (const char* container : {"win_color_panel_foreground", "win_color_panel_background"}) {
    QWidget* c = findWidgetByName(main.get(), QString::fromLatin1(container), QStringLiteral("window"));
    ASSERT_NE(c, nullptr);
    expectControls(c, {{"color_panel_pad", "stimage"}, {"color_panel_preview", "window"}, {"color_panel_r", "edit"},
                       {"color_panel_g", "edit"}, {"color_panel_b", "edit"}, {"radio_color_panel_auto", "radio"}});
    for (int i = 0; i < 8; ++i) {
      const QByteArray name = "radio_color_panel_defcol" + QByteArray::number(i);
      expectControls(c, {{name.constData(), "radio"}});
    }
    auto* pad = findByName<SSImage>(c, QStringLiteral("color_panel_pad"), QStringLiteral("stimage"));
    ASSERT_NE(pad, nullptr);
    EXPECT_EQ(pad->skin().size(), QSize(232, 84));
    // The pick reads the skin at its own size, so the pad must not be stretched.
    EXPECT_EQ(pad->minimumSize(), pad->skin().size());
    EXPECT_EQ(pad->maximumSize(), pad->skin().size());
    pads.insert(pad);
  }
  EXPECT_EQ(pads.size(), 2u);
  // The colour picture is transparent outside its rounded corners: colour 0 there.
  auto* pad = *pads.begin();
  EXPECT_EQ(pad->pick(pad->mapTo(pad->window(), QPoint(0, 0)), 0), 0u);
  EXPECT_NE(pad->pick(pad->mapTo(pad->window(), QPoint(116, 42)), 0), 0u);
}

TEST_F(Layouts, MacroDialogHoldsItsControlsAndFourPagesInOrder) {
  auto macro = ui.load(QStringLiteral("LAYOUT:macro"));
  ASSERT_TRUE(macro);
  expectControls(macro.get(), {
      {"macro_group", "listview"}, {"macro_items", "mclistview"}, {"text_recording_keys", "text"},
      {"chk_macro_realy_delay", "check"}, {"chk_macro_fixed_delay", "check"}, {"chk_macro_no_delay", "check"},
      {"edit_macro_delay_time", "edit"}, {"edit_macro_repeat_times", "edit"}, {"chk_macro_record", "checkex"},
      {"edit_single_key", "text"}, {"tab_macro_mode_selection", "tabctrl2"}, {"cmb_media_keys", "combobox"},
      {"cmb_function_keys", "combobox"}, {"macro_play_mode", "combobox"},
      {"btnOK", "button"}, {"btnCancel", "button"}, {"btnDelete", "button"}, {"btnRestore", "imgbtn"}, {"btnMin", "imgbtn"},
      {"groupAdd", "button"}, {"groupDel", "button"}, {"item_up", "button"}, {"item_down", "button"},
      {"item_delete", "button"}, {"item_clear", "button"},
      {"col1", "text"}, {"col2", "text"}, {"col3", "text"}, {"col4", "text"},
  });
  auto* tabs = findByName<STabCtrl2>(macro.get(), QStringLiteral("tab_macro_mode_selection"), QStringLiteral("tabctrl2"));
  ASSERT_NE(tabs, nullptr);
  ASSERT_EQ(tabs->count(), 4);
  const char* pages[] = {"page_macro", "page_single", "page_media", "page_function"};
  for (int i = 0; i < 4; ++i) {
    ASSERT_NE(tabs->page2(i), nullptr);
    EXPECT_EQ(tabs->widget(i)->objectName(), QString::fromLatin1(pages[i]));
    EXPECT_FALSE(tabs->page2(i)->aniIn.isNull());
  }
  EXPECT_EQ(macro->findChild<QWidget*>(QStringLiteral("macro_items"))->findChildren<QWidget*>(QStringLiteral("col1")).size(), 0);

  auto groupRow = ui.load(QStringLiteral("LAYOUT:macro_group_row"));
  ASSERT_TRUE(groupRow);
  expectControls(groupRow.get(), {{"group_name", "edit"}});
  auto itemRow = ui.load(QStringLiteral("LAYOUT:macro_item_row"));
  ASSERT_TRUE(itemRow);
  expectControls(itemRow.get(), {{"key_code", "text"}, {"key_name", "text"}, {"key_state", "text"}, {"key_delay", "editex"}});
}

TEST_F(Layouts, KeyboardPicturesHave108KeysThatFitTheirPicture) {
  auto main = ui.load(QStringLiteral("LAYOUT:XML_MAINWND"));
  ASSERT_TRUE(main);
  for (const char* name : {"cbimg_macro_record", "cbimg_led_effect"}) {
    auto* picture = findByName<CoordButtonImage>(main.get(), QString::fromLatin1(name), QStringLiteral("cbimg"));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->skin().states(), 4);
    const QSize size = picture->skin().size();
    // Held at the picture's size: the key rects are in its pixels.
    EXPECT_EQ(picture->minimumSize(), size) << name;
    EXPECT_EQ(picture->maximumSize(), size) << name;
    const auto& keys = picture->keys();
    ASSERT_EQ(keys.size(), 108u) << name;
    std::set<int> ids;
    for (size_t i = 0; i < keys.size(); ++i) {
      EXPECT_EQ(keys[i].position, static_cast<int>(i));
      EXPECT_NE(keys[i].id, 0);
      ids.insert(keys[i].id);
      EXPECT_FALSE(keys[i].name.empty());
      EXPECT_GT(keys[i].rect.width(), 0);
      EXPECT_GE(keys[i].rect.left, 0);
      EXPECT_LE(keys[i].rect.right, size.width());
      EXPECT_LE(keys[i].rect.bottom, size.height());
    }
    EXPECT_EQ(ids.size(), 108u);
    EXPECT_EQ(picture->selectMode(), std::string(name) == "cbimg_led_effect");
  }
}

TEST_F(Layouts, TheStyleSheetIsAppliedWhereNoneReachesYet) {
  auto alone = ui.load(QStringLiteral("LAYOUT:macro_group_row"));
  EXPECT_EQ(alone->styleSheet(), ui.resources.styleSheet());
  EXPECT_FALSE(alone->styleSheet().isEmpty());
  LayoutLoader loader(ui.resources, ui.registry);
  QWidget host;
  EXPECT_FALSE(loader.loadLayout(QStringLiteral("LAYOUT:macro_group_row"), &host)->styleSheet().isEmpty());
  QWidget styled;
  styled.setStyleSheet(QStringLiteral("QWidget { color: red; }"));
  auto* inner = new QWidget(&styled);
  EXPECT_TRUE(loader.loadLayout(QStringLiteral("LAYOUT:macro_group_row"), inner)->styleSheet().isEmpty());
  EXPECT_EQ(loader.loadLayout(QStringLiteral("LAYOUT:no_such_layout")), nullptr);
}

TEST_F(Layouts, StringsMenusAndIcon) {
  EXPECT_EQ(ui.resources.stringAt(1), QStringLiteral("kbconf"));
  const QByteArray more = ui.resources.index().read(QStringLiteral("smenuex:menu_more"));
  const QByteArray tray = ui.resources.index().read(QStringLiteral("SMENU:menu_tray"));
  EXPECT_EQ(menuKindOf(more), MenuKind::Extended);
  EXPECT_EQ(menuKindOf(tray), MenuKind::Classic);
  for (const QByteArray& xml : {more, tray}) {
    int chosen = 0;
    std::unique_ptr<QMenu> menu(buildMenu(xml, nullptr, [&](int id) { chosen = id; }));
    ASSERT_TRUE(menu);
    ASSERT_EQ(menu->actions().size(), 1);
    EXPECT_EQ(menu->actions()[0]->text(), QStringLiteral("Exit"));
    menu->actions()[0]->trigger();
    EXPECT_EQ(chosen, 6);
  }
  EXPECT_FALSE(ui.resources.icon(QStringLiteral("ICON_LOGO")).isNull());
  EXPECT_FALSE(ui.resources.index().read(QStringLiteral("uidef:xml_init")).isEmpty());
  for (const auto& entry : ui.resources.index().entries()) {
    EXPECT_FALSE(ui.resources.index().filePath(entry.type, entry.name).isEmpty());
    EXPECT_FALSE(ui.resources.index().read(entry.type + QLatin1Char(':') + entry.name).isEmpty())
        << entry.type.toStdString() << ":" << entry.name.toStdString();
  }
}

TEST_F(Layouts, TranslatorsChangeTheLayoutsTexts) {
  struct Case {
    const char* language;
    const char* tab;
    const char* exitText;
  };
  for (const Case& c : {Case{"cn", "按键", "退出"}, Case{"en", "Keys", "Exit"}}) {
    QObject owner;
    QTranslator* t = installTranslator(ui.resources, translatorDocumentFor(c.language), &owner);
    ASSERT_NE(t, nullptr) << c.language;
    auto main = ui.load(QStringLiteral("LAYOUT:XML_MAINWND"));
    auto* tabs = main->findChild<QTabWidget*>(QStringLiteral("tab_func_selection"));
    EXPECT_EQ(tabs->tabText(0), QString::fromUtf8(c.tab));
    std::unique_ptr<QMenu> menu(buildMenu(ui.resources.index().read(QStringLiteral("SMENU:menu_tray")), nullptr, {}));
    EXPECT_EQ(menu->actions()[0]->text(), QString::fromUtf8(c.exitText));
    EXPECT_EQ(QCoreApplication::translate("kbconf", "Connected"), QString::fromUtf8(c.language == std::string("cn") ? "已连接" : "Connected"));
    QCoreApplication::removeTranslator(t);
  }
  EXPECT_EQ(installTranslator(ui.resources, QStringLiteral("lang_xx"), nullptr), nullptr);
}

// Every text a user sees in the layouts, in widget order, with the widget that shows it.
void forEachVisibleText(QWidget* root, const std::function<void(QWidget*, const QString&)>& visit) {
  for (QWidget* w : root->findChildren<QWidget*>()) {
    if (!w->toolTip().isEmpty()) visit(w, w->toolTip());
    if (auto* label = qobject_cast<QLabel*>(w)) visit(w, label->text());
    if (auto* button = qobject_cast<QAbstractButton*>(w)) visit(w, button->text());
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
      for (int i = 0; i < combo->count(); ++i) visit(w, combo->itemText(i));
    }
    if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
      for (int i = 0; i < tabs->count(); ++i) visit(w, tabs->tabText(i));
    }
  }
}

QStringList visibleTexts(QWidget* root) {
  QStringList texts;
  forEachVisibleText(root, [&](QWidget*, const QString& text) { texts << text; });
  return texts;
}

// Whether every character of `text` has a glyph in `font` or in one of its fallbacks.
bool hasEveryGlyph(const QString& text, const QFont& font) {
  QTextLayout layout(text, font);
  layout.beginLayout();
  layout.createLine();
  layout.endLayout();
  for (const QGlyphRun& run : layout.glyphRuns()) {
    if (run.glyphIndexes().contains(0)) return false;
  }
  return true;
}

TEST_F(Layouts, TheChineseTranslatorCoversEveryText) {
  // Names, numbers and symbols stay as they are.
  const QStringList untranslated = {QString(), QStringLiteral("kbconf"), QStringLiteral("v0.1.0"), QStringLiteral("R"),
                                    QStringLiteral("G"), QStringLiteral("B"), QStringLiteral("—"), QStringLiteral("●"),
                                    QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("10")};
  for (const char* layout : {"LAYOUT:XML_MAINWND", "LAYOUT:macro"}) {
    const QStringList english = visibleTexts(ui.load(QString::fromLatin1(layout)).get());
    QObject owner;
    QTranslator* t = installTranslator(ui.resources, QStringLiteral("lang_cn"), &owner);
    ASSERT_NE(t, nullptr);
    const QStringList chinese = visibleTexts(ui.load(QString::fromLatin1(layout)).get());
    QCoreApplication::removeTranslator(t);
    ASSERT_EQ(english.size(), chinese.size());
    for (qsizetype i = 0; i < english.size(); ++i) {
      if (untranslated.contains(english[i])) continue;
      EXPECT_NE(english[i], chinese[i]) << layout << ": " << english[i].toStdString();
    }
  }
}

TEST_F(Layouts, EveryChineseTextHasItsGlyphs) {
  QObject owner;
  QTranslator* t = installTranslator(ui.resources, QStringLiteral("lang_cn"), &owner);
  ASSERT_NE(t, nullptr);
  for (const char* layout : {"LAYOUT:XML_MAINWND", "LAYOUT:macro"}) {
    auto root = ui.load(QString::fromLatin1(layout));
    forEachVisibleText(root.get(), [&](QWidget* w, const QString& text) {
      w->ensurePolished();  // the style sheet chooses the font
      EXPECT_TRUE(hasEveryGlyph(text, w->font())) << layout << ": " << text.toStdString();
    });
  }
  QCoreApplication::removeTranslator(t);
}

TEST_F(Layouts, PositionsFilesAreFoundBesideTheProgram) {
  CoordButtonImage picture;
  picture.setCoords(QStringLiteral("@string/kb_keys_positions"));
  EXPECT_EQ(picture.positionsPath(), QCoreApplication::applicationDirPath() + QStringLiteral("/uires/positions/kb_keys.xml"));
  picture.setCoords(QStringLiteral("/uires/positions/kb_led.xml"));
  EXPECT_EQ(picture.positionsPath(), QCoreApplication::applicationDirPath() + QStringLiteral("/uires/positions/kb_led.xml"));
  picture.onLayoutCreated();
  EXPECT_EQ(picture.keys().size(), 108u);
  // Read once: a later "coords" does not change the keys.
  picture.setCoords(QStringLiteral("nowhere.xml"));
  picture.onLayoutCreated();
  EXPECT_EQ(picture.keys().size(), 108u);
  EXPECT_EQ(ui.resources.resolveString(QStringLiteral("@string/no_such")), QStringLiteral("@string/no_such"));
}

TEST_F(Layouts, TrayIconTakesItsIconsMenuAndToggleFromTheLayout) {
  auto main = ui.load(QStringLiteral("LAYOUT:XML_MAINWND"));
  auto* tray = findByName<SShellNotifyIcon>(main.get(), QStringLiteral("tray"), QStringLiteral("shellnotifyicon"));
  ASSERT_NE(tray, nullptr);
  EXPECT_EQ(tray->iconCount(), 2);
  EXPECT_FALSE(tray->currentIcon().isNull());
  EXPECT_EQ(tray->menuKind(), MenuKind::Classic);
  EXPECT_EQ(tray->tip(), QStringLiteral("kbconf"));

  main->show();
  tray->activate(QSystemTrayIcon::Trigger);
  EXPECT_FALSE(main->isVisible());
  tray->activate(QSystemTrayIcon::Trigger);
  EXPECT_TRUE(main->isVisible());
  // The host may take the click itself.
  tray->setHostFilter([](QSystemTrayIcon::ActivationReason r) { return r == QSystemTrayIcon::Trigger; });
  tray->activate(QSystemTrayIcon::Trigger);
  EXPECT_TRUE(main->isVisible());

  int command = 0;
  QObject::connect(tray, &SShellNotifyIcon::command, [&](int id) { command = id; });
  tray->activate(QSystemTrayIcon::Context);
  ASSERT_NE(tray->lastMenu(), nullptr);
  tray->lastMenu()->actions()[0]->trigger();
  EXPECT_EQ(command, 6);
  tray->lastMenu()->hide();

  // A later tip replaces the tooltip at once; an empty one changes nothing.
  EXPECT_TRUE(tray->setTip(QStringLiteral("kbconf: connected")));
  EXPECT_EQ(tray->trayIcon()->toolTip(), QStringLiteral("kbconf: connected"));
  EXPECT_FALSE(tray->setTip(QString()));
  EXPECT_EQ(tray->tip(), QStringLiteral("kbconf: connected"));
}

TEST_F(Layouts, TrayIconFallsBackToTheLogoAndTheFirstIcon) {
  QWidget host;
  auto* bare = new SShellNotifyIcon(&host);
  EXPECT_FALSE(bare->loadMenu(QStringLiteral("SMENU:no_such_menu")));
  EXPECT_EQ(bare->menuKind(), MenuKind::None);
  bare->onLayoutCreated();
  EXPECT_FALSE(bare->currentIcon().isNull());  // ICON_LOGO

  auto* listed = new SShellNotifyIcon(&host);
  EXPECT_FALSE(listed->loadIcons(QStringLiteral("NOPE;ALSO_NOPE")));
  EXPECT_TRUE(listed->loadIcons(QStringLiteral("NOPE;ICON_LOGO:16;ICON_LOGO:32")));
  EXPECT_EQ(listed->iconCount(), 2);
  for (const char* index : {"-1", "2", "7"}) {
    listed->setDefaultIconText(QString::fromLatin1(index));
    listed->onLayoutCreated();
    EXPECT_EQ(listed->defaultIconIndex(), 0) << index;
  }
  listed->setDefaultIconText(QStringLiteral("1"));
  listed->onLayoutCreated();
  EXPECT_EQ(listed->defaultIconIndex(), 1);
  // The icon animation steps from the start frame once it passed the last icon.
  listed->setStartFrameText(QStringLiteral("1"));
  listed->stepAnimation();
  listed->stepAnimation();
  EXPECT_EQ(listed->frame(), 2);
  listed->stepAnimation();
  EXPECT_EQ(listed->frame(), 2);  // wrapped to frame 1, then advanced
}

}  // namespace
}  // namespace kb
