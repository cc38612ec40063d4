#include "gui/QtTestApp.h"
#include "ui/toolkit/AttributeParse.h"
#include "ui/toolkit/ClassTags.h"
#include "ui/toolkit/ControlRegistry.h"
#include "ui/toolkit/EventRouter.h"
#include "ui/toolkit/FrameTick.h"
#include "ui/toolkit/NamedIdTable.h"
#include "ui/toolkit/ResourceIndex.h"
#include "ui/toolkit/Trace.h"
#include "ui/toolkit/Translation.h"
#include "ui/toolkit/WidgetIds.h"
#include "ui/toolkit/XmlMenu.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QSlider>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

#include <algorithm>
#include <set>

namespace kb {
namespace {

class Toolkit : public ::testing::Test {
 protected:
  void SetUp() override { test::qtApp(); }
};

TEST_F(Toolkit, NamedIdTableIsSortedCompleteAndSearchable) {
  const auto table = namedIdTable();
  ASSERT_EQ(table.size(), 117u);
  EXPECT_TRUE(std::is_sorted(table.begin(), table.end(),
                             [](const NamedId& a, const NamedId& b) { return a.name < b.name; }));
  EXPECT_EQ(table.front().name, "_name_start");
  EXPECT_EQ(table.front().id, 65535);
  std::set<int> ids;
  for (const NamedId& row : table) {
    ids.insert(row.id);
    EXPECT_EQ(namedIdOf(row.name), row.id) << row.name;
    EXPECT_EQ(nameOfNamedId(row.id), row.name);
  }
  EXPECT_EQ(ids.size(), 117u);
  EXPECT_EQ(*ids.begin(), 65535);
  EXPECT_EQ(*ids.rbegin(), 65651);
  EXPECT_EQ(namedIdOf("no_such_widget"), 0);
  EXPECT_EQ(namedIdOf("btnok"), 0);  // case-sensitive
}

TEST_F(Toolkit, NamedIdsThatCodeReliesOn) {
  const std::pair<const char*, int> fixed[] = {
      {"title", 65536},          {"btn_more", 65537},          {"sync_light_dat", 65539},
      {"statever", 65540},       {"btnDelete", 65577},         {"radio_mainled_dir_left", 65645},
      {"radio_mainled_dir_bottom", 65648}, {"kb_cmb_profile", 65594}, {"cmb_custom_index", 65607},
  };
  for (const auto& [name, id] : fixed) EXPECT_EQ(namedIdOf(name), id) << name;
  // The colour panel's nine radios are consecutive.
  EXPECT_EQ(namedIdOf("radio_color_panel_auto"), 65633);
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(namedIdOf("radio_color_panel_defcol" + std::to_string(i)), 65634 + i);
  }
}

TEST_F(Toolkit, IntegerAttributes) {
  const std::pair<const char*, int> cases[] = {
      {"42", 42}, {"-7", -7}, {"0x1F", 31}, {"0XfF", 255}, {"  12 ", 12}, {"010", 10},
      {"abc", 0}, {"", 0},    {"12a", 12}, {"+3", 3},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(parseIntAttribute(QString::fromLatin1(text)), value) << text;
  EXPECT_EQ(parsePointAttribute(QStringLiteral("4, 2")), QPoint(4, 2));
  EXPECT_FALSE(parsePointAttribute(QStringLiteral("4")).has_value());
  EXPECT_FALSE(parsePointAttribute(QStringLiteral("a,b")).has_value());
}

TEST_F(Toolkit, ClassTagsFollowTheBaseClasses) {
  QRadioButton radio;
  QCheckBox check;
  QLabel label;
  QComboBox combo;
  QSlider slider;
  QLineEdit edit;
  QWidget window;
  EXPECT_TRUE(isOfClass(&radio, QStringLiteral("radio")));
  EXPECT_TRUE(isOfClass(&radio, QStringLiteral("window")));
  EXPECT_FALSE(isOfClass(&radio, QStringLiteral("check")));
  EXPECT_TRUE(isOfClass(&check, QStringLiteral("check")));
  EXPECT_TRUE(isOfClass(&label, QStringLiteral("text")));
  EXPECT_TRUE(isOfClass(&combo, QStringLiteral("combobox")));
  EXPECT_TRUE(isOfClass(&slider, QStringLiteral("sliderbar")));
  EXPECT_TRUE(isOfClass(&edit, QStringLiteral("edit")));
  EXPECT_FALSE(isOfClass(&window, QStringLiteral("text")));
  EXPECT_EQ(tagOf(&label), QStringLiteral("text"));
}

TEST_F(Toolkit, RegistryKeepsOrderAndTheFirstFactory) {
  ControlRegistry registry;
  EXPECT_TRUE(registry.add(QStringLiteral("a"), QStringLiteral("A"), [](QWidget* p) { return new QLabel(p); }));
  EXPECT_TRUE(registry.add(QStringLiteral("b"), QStringLiteral("B"), [](QWidget* p) { return new QWidget(p); }));
  EXPECT_FALSE(registry.add(QStringLiteral("a"), QStringLiteral("A2"), [](QWidget* p) { return new QSlider(p); }));
  ASSERT_EQ(registry.entries().size(), 2u);
  EXPECT_EQ(registry.entries()[0].tag, QStringLiteral("a"));
  EXPECT_EQ(registry.entries()[1].tag, QStringLiteral("b"));
  QWidget parent;
  EXPECT_TRUE(qobject_cast<QLabel*>(registry.create(QStringLiteral("a"), &parent)));
  EXPECT_TRUE(qobject_cast<QLabel*>(registry.create(QStringLiteral("A"), &parent)));  // by class name
  EXPECT_EQ(registry.create(QStringLiteral("A2"), &parent), nullptr);
  EXPECT_EQ(registry.create(QStringLiteral("zzz"), &parent), nullptr);
}

struct TraceCapture {
  QStringList messages;
  TraceSink previous = setTraceSink([this](const QString& m) { messages << m; });
  ~TraceCapture() { setTraceSink(previous); }
};

TEST_F(Toolkit, TypedLookupsCheckTheClassAndTraceFailures) {
  QWidget root;
  auto* check = new QCheckBox(&root);
  check->setObjectName(QStringLiteral("sync_light_dat"));
  auto* inner = new QWidget(&root);
  auto* label = new QLabel(inner);
  label->setObjectName(QStringLiteral("statever"));
  assignWidgetIds(&root);
  EXPECT_EQ(widgetId(check), 65539);
  EXPECT_EQ(widgetId(label), 65540);
  EXPECT_EQ(widgetId(inner), 0);

  TraceCapture capture;
  EXPECT_EQ(findByName<QLabel>(&root, QStringLiteral("statever"), QStringLiteral("text")), label);
  EXPECT_EQ(findById<QCheckBox>(&root, 65539, QStringLiteral("check")), check);
  EXPECT_TRUE(capture.messages.isEmpty());

  EXPECT_EQ(findWidgetByName(&root, QStringLiteral("statever"), QStringLiteral("combobox")), nullptr);
  EXPECT_EQ(findWidgetById(&root, 65539, QStringLiteral("radio")), nullptr);
  EXPECT_EQ(findWidgetByName(&root, QStringLiteral("missing"), QStringLiteral("text")), nullptr);
  ASSERT_EQ(capture.messages.size(), 3);
  EXPECT_EQ(capture.messages[0],
            QStringLiteral("FindChildByName2 Failed, no window of class [combobox] with name of [statever] was found "
                           "within [-1] levels"));
}

TEST_F(Toolkit, RouterTurnsSignalsIntoEventsSubscribersFirst) {
  QWidget root;
  auto* check = new QCheckBox(&root);
  check->setObjectName(QStringLiteral("chk_macro_record"));
  auto* slider = new QSlider(&root);
  slider->setObjectName(QStringLiteral("bar_mainled_speed"));
  slider->setRange(0, 100);
  auto* combo = new QComboBox(&root);
  combo->addItems({QStringLiteral("a"), QStringLiteral("b")});
  auto* edit = new QLineEdit(&root);
  assignWidgetIds(&root);

  EventRouter router;
  router.attach(&root);
  router.attach(&root);  // attaching twice must not double the events
  std::vector<UiEvent> seen;
  router.setHostHandler([&](UiEvent& e) { seen.push_back(e); });

  check->click();
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].id, kEvtStateChanged);
  EXPECT_EQ(seen[0].value, kStateChecked);
  EXPECT_EQ(seen[0].oldValue, 0);
  EXPECT_EQ(seen[1].id, kEvtCommand);
  EXPECT_EQ(seen[1].senderId, 65571);
  EXPECT_EQ(seen[1].senderName, QStringLiteral("chk_macro_record"));

  seen.clear();
  slider->setValue(42);
  combo->setCurrentIndex(1);
  edit->setText(QStringLiteral("x"));
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[0].id, kEvtSliderPos);
  EXPECT_EQ(seen[0].value, 42);
  EXPECT_EQ(seen[1].id, kEvtComboSelChange);
  EXPECT_EQ(seen[1].value, 1);
  EXPECT_EQ(seen[1].oldValue, 0);
  EXPECT_EQ(seen[2].id, kEvtRichEditNotify);
  EXPECT_EQ(seen[2].value, kEnChange);

  // A subscriber that takes the event keeps it from the host.
  seen.clear();
  int subscriberCalls = 0;
  router.subscribe(slider, kEvtSliderPos, [&](UiEvent& e) {
    ++subscriberCalls;
    e.handled = true;
  });
  slider->setValue(7);
  EXPECT_EQ(subscriberCalls, 1);
  EXPECT_TRUE(seen.empty());
  // A subscriber that leaves it passes it on.
  router.unsubscribeAll(slider);
  router.subscribe(slider, kEvtSliderPos, [&](UiEvent&) { ++subscriberCalls; });
  slider->setValue(8);
  EXPECT_EQ(subscriberCalls, 2);
  EXPECT_EQ(seen.size(), 1u);
}

TEST_F(Toolkit, RouterDropsTheSubscriptionsOfADestroyedSender) {
  // Rows of the macro lists are rebuilt often; their handlers must go with them, or they
  // pile up and may answer for a later widget that reuses the address.
  EventRouter router;
  auto* edit = new QLineEdit;
  auto token = std::make_shared<int>(0);
  const std::weak_ptr<int> watch = token;
  router.subscribe(edit, kEvtRichEditNotify, [token](UiEvent&) {});
  router.subscribe(edit, kEvtKeyEnter, [token](UiEvent&) {});
  token.reset();
  EXPECT_FALSE(watch.expired());
  delete edit;
  EXPECT_TRUE(watch.expired());
}

struct CountingHandler : ITimelineHandler {
  int frames = 0;
  std::function<void()> also;
  void onNextFrame() override {
    ++frames;
    if (also) also();
  }
};

TEST_F(Toolkit, FrameTickCallsRegisteredHandlersAndStopsWhenEmpty) {
  QWidget window;
  auto* child = new QWidget(new QWidget(&window));
  FrameTick* tick = FrameTick::of(child);
  EXPECT_EQ(tick, FrameTick::of(&window));
  EXPECT_FALSE(tick->isRunning());
  CountingHandler a, b;
  tick->add(&a);
  tick->add(&b);
  tick->add(&a);
  EXPECT_TRUE(tick->isRunning());
  // A handler that removes another during a tick: the removed one is not called.
  a.also = [&] { tick->remove(&b); };
  tick->tick();
  EXPECT_EQ(a.frames, 1);
  EXPECT_EQ(b.frames, 0);
  tick->remove(&a);
  EXPECT_FALSE(tick->isRunning());
  {
    FrameTickRegistration reg(&b);
    reg.attach(child);
    EXPECT_TRUE(tick->contains(&b));
  }
  EXPECT_FALSE(tick->contains(&b));
}

TEST_F(Toolkit, MenusFromXml) {
  EXPECT_EQ(menuKindOf("<menu><item id='6'>Exit</item></menu>"), MenuKind::Classic);
  EXPECT_EQ(menuKindOf("<menuRoot><menuItem id='6' text='Exit'/></menuRoot>"), MenuKind::Extended);
  EXPECT_EQ(menuKindOf("<menuItem id='1'/>"), MenuKind::Extended);
  EXPECT_EQ(menuKindOf("<window/>"), MenuKind::None);
  EXPECT_EQ(menuKindOf("not xml"), MenuKind::None);

  int chosen = 0;
  std::unique_ptr<QMenu> menu(buildMenu(
      "<menuRoot><menuItem id='5' text='Help'/><sep/><menuItem text='More'><menuItem id='7' text='Deep'/></menuItem>"
      "<menuItem id='6' text='Exit'/></menuRoot>",
      nullptr, [&](int id) { chosen = id; }));
  ASSERT_TRUE(menu);
  const auto actions = menu->actions();
  ASSERT_EQ(actions.size(), 4);
  EXPECT_TRUE(actions[1]->isSeparator());
  ASSERT_TRUE(actions[2]->menu());
  EXPECT_EQ(actions[2]->menu()->actions().size(), 1);
  EXPECT_EQ(actions[3]->text(), QStringLiteral("Exit"));
  actions[3]->trigger();
  EXPECT_EQ(chosen, 6);
  actions[2]->menu()->actions()[0]->trigger();
  EXPECT_EQ(chosen, 7);
  EXPECT_EQ(buildMenu("<other/>", nullptr, {}), nullptr);
}

TEST_F(Toolkit, TranslatorDocumentChoice) {
  EXPECT_EQ(translatorDocumentFor("cn"), QStringLiteral("lang_cn"));
  for (const char* other : {"CN", "Cn", "cn ", "cnx", "", "en"}) {
    EXPECT_EQ(translatorDocumentFor(other), QStringLiteral("lang_en")) << other;
  }
}

TEST_F(Toolkit, ResourceIndexMapsTypedNamesToFiles) {
  QTemporaryDir dir;
  QFile idx(dir.filePath(QStringLiteral("uires.idx")));
  ASSERT_TRUE(idx.open(QIODevice::WriteOnly));
  idx.write("<resource><file type='LAYOUT' name='main' path='layout/main.ui'/>"
            "<file type='translator' name='lang_cn' path='lang/cn.qm'/></resource>");
  idx.close();
  QDir(dir.path()).mkpath(QStringLiteral("layout"));
  QFile ui(dir.filePath(QStringLiteral("layout/main.ui")));
  ASSERT_TRUE(ui.open(QIODevice::WriteOnly));
  ui.write("<ui/>");
  ui.close();

  ResourceIndex index;
  ASSERT_TRUE(index.load(dir.path()));
  EXPECT_EQ(index.entries().size(), 2u);
  EXPECT_EQ(index.read(QStringLiteral("layout:main")), QByteArray("<ui/>"));  // type without case
  EXPECT_TRUE(index.read(QStringLiteral("LAYOUT:Main")).isEmpty());           // names exact
  EXPECT_TRUE(index.read(QStringLiteral("LAYOUT")).isEmpty());
  EXPECT_TRUE(index.read(QStringLiteral("translator:lang_cn")).isEmpty());    // listed but missing

  ResourceIndex missing;
  EXPECT_FALSE(missing.load(dir.filePath(QStringLiteral("nowhere"))));
}

}  // namespace
}  // namespace kb
