// Values created and destroyed while changes are delivered to them (run under ThreadSanitizer).

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <thread>

#include "state/FakeWindow.h"
#include "state/ShapeDispatcher.h"
#include "state/ShapeType.h"

namespace kb {
namespace {

using Named = ShapeType<int, -1, 1, 0>;

// An owner whose hook touches its own memory, so a delivery after destruction is a fault.
struct Listener {
  explicit Listener(const char* key) : value(key, 0, false) {
    value.setHook(this, &Listener::onChange);
  }
  void onChange(int, const int* items, int, int, int, int, int) {
    last = items[0];
    ++hooks;
  }
  Named value;
  int last = 0;
  int hooks = 0;
};

TEST(ShapeStress, DestroyingPeersWhileTheyAreDelivered) {
  constexpr int kWrites = 2000;
  std::atomic<bool> done{false};
  Named writer{"stress.destroy", 0, false};
  std::thread publisher([&] {
    for (int i = 1; i <= kWrites; ++i) writer.writeValue(i, 0, false, false);
    done = true;
  });
  int rounds = 0;
  while (!done || rounds < 50) {
    Listener a("stress.destroy");
    auto b = std::make_unique<Listener>("stress.destroy");
    std::this_thread::yield();
    b.reset();
    ++rounds;
  }
  publisher.join();
  ShapeDispatcher::instance().waitIdle();
  Listener late("stress.destroy");
  EXPECT_EQ(late.value.selected(), kWrites);  // joined by copying the writer
}

TEST(ShapeStress, WindowDeliveriesToDestroyedValuesAreDropped) {
  test::FakeWindow window;
  Named writer{"stress.window", 0, false};
  std::atomic<bool> stop{false};
  std::thread publisher([&] {
    for (int i = 1; !stop; ++i) writer.writeValue(i, 0, false, false);
  });
  for (int round = 0; round < 200; ++round) {
    auto listener = std::make_unique<Listener>("stress.window");
    registerHookerWindow(listener.get(), &window);
    std::this_thread::yield();
    window.runPending();
    unregisterHookerWindow(listener.get());
    listener.reset();
    window.runPending();  // whatever was posted for it now finds it gone
  }
  stop = true;
  publisher.join();
  ShapeDispatcher::instance().waitIdle();
  window.runPending();
}

}  // namespace
}  // namespace kb
