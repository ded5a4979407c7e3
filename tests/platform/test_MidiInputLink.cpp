// The input link without a server: the hand-over queue, the presence check of backends that
// are not told when a device goes, and a handler that closes the input in the middle of a
// batch.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include <memory>
#include <string>
#include <vector>

#include "platform/MidiInQueue.h"
#include "platform/MidiInputLink.h"
#include "tests/platform/TestApp.h"

namespace {

TMidiInMessage Note(uint8_t status, uint8_t note) {
  TMidiInMessage m;
  m.Bytes[0] = status;
  m.Bytes[1] = note;
  m.Bytes[2] = status >= 0x90 ? 100 : 0;
  m.Size = 3;
  return m;
}

// A port whose device can be pulled out by the test; like ALSA's, it only finds out when asked.
class UnpluggablePort : public TMidiInQueue {
 public:
  using TMidiInQueue::TMidiInQueue;
  void CheckPresent() override {
    if (unplugged) MarkLost(TMidiOutErrc::DeviceGone);
  }
  bool unplugged = false;
};

class OnePort : public TMidiInService {
 public:
  std::vector<TMidiInDevice> Devices() override {
    return present ? std::vector<TMidiInDevice>{{0, "keys", "TEST"}} : std::vector<TMidiInDevice>{};
  }
  TMidiOutResult<std::shared_ptr<TMidiInPort>> Open(uint32_t) override {
    port = std::make_shared<UnpluggablePort>("keys");
    return std::shared_ptr<TMidiInPort>(port);
  }
  std::shared_ptr<UnpluggablePort> port;
  bool present = true;
};

}  // namespace

TEST(MidiInQueue, KeepsTheOrderAndCountsWhatAFullRingDropped) {
  TMidiInQueue q("keys");
  ASSERT_GE(q.NotifyDescriptor(), 0);
  for (size_t i = 0; i < TMidiInQueue::Capacity + 5; ++i) q.Push(Note(0x90, static_cast<uint8_t>(i % 128)));
  q.Notify();
  EXPECT_EQ(q.Dropped(), 5u);
  size_t seen = 0;
  bool ordered = true;
  q.Drain([&](const TMidiInMessage& m) { ordered &= m.Bytes[1] == seen++ % 128; });
  EXPECT_EQ(seen, TMidiInQueue::Capacity);
  EXPECT_TRUE(ordered);
  // Room again after the read; nothing old comes back.
  ASSERT_TRUE(q.Push(Note(0x80, 1)));
  seen = 0;
  EXPECT_EQ(q.Drain([&](const TMidiInMessage& m) { seen += m.Bytes[1]; }), 1u);
  EXPECT_EQ(seen, 1u);
  EXPECT_FALSE(q.Lost());
  q.MarkLost(TMidiOutErrc::ServerGone);
  q.MarkLost(TMidiOutErrc::DeviceGone);  // the first reason stays
  ASSERT_TRUE(q.Lost());
  EXPECT_EQ(q.Lost()->Code, TMidiOutErrc::ServerGone);
  EXPECT_EQ(q.Lost()->Device, "keys");
}

TEST(MidiInputLink, AnUnpluggedDeviceFoundByThePresenceCheckIsToldOnceAfterWhatItSent) {
  TestApp();
  auto service = std::make_shared<OnePort>();
  TMidiInputLink link(service);
  std::vector<std::string> log;
  link.OnMessage = [&](const TMidiInMessage& m) { log.push_back("note " + std::to_string(m.Bytes[1])); };
  link.OnLost = [&](const TMidiOutError& e) { log.push_back("lost " + e.Device); };
  ASSERT_TRUE(link.Open("keys").Ok());
  service->port->Push(Note(0x90, 60));
  service->port->unplugged = true;
  service->present = false;
  link.CheckPresent();
  link.CheckPresent();
  EXPECT_EQ(log, (std::vector<std::string>{"note 60", "lost keys"}));
  EXPECT_FALSE(link.IsOpen());
  EXPECT_FALSE(link.Keyboard.Sounding(60));
}

TEST(MidiInputLink, AHandlerThatClosesTheInputMidBatchStopsTheBatch) {
  TestApp();
  auto service = std::make_shared<OnePort>();
  TMidiInputLink link(service);
  int seen = 0;
  link.OnMessage = [&](const TMidiInMessage&) {
    if (++seen == 2) link.Close();
  };
  ASSERT_TRUE(link.Open("keys").Ok());
  for (uint8_t n : {60, 64, 67}) service->port->Push(Note(0x90, n));
  link.Poll();
  EXPECT_EQ(seen, 2);
  EXPECT_FALSE(link.IsOpen());
  EXPECT_TRUE(link.Keyboard.SoundingNotes().empty());  // the second note came after the close
}
