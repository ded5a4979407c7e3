#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "base/untMesConst.h"
#include "midi/MidiOut.h"
#include "midi/MidiOutRecorder.h"

namespace {

struct Rig {
  explicit Rig(std::vector<std::string> names = {"Port A", "Port B", "Port C"})
      : recorder(std::make_shared<TMidiOutRecorder>(std::move(names))),
        poster(std::make_shared<TManualPoster>()),
        out(std::make_unique<TMidiOutput>(recorder, poster)) {}
  std::shared_ptr<TMidiOutRecorder> recorder;
  std::shared_ptr<TManualPoster> poster;
  std::unique_ptr<TMidiOutput> out;
};

std::string ErrorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const EmidioutputError& e) {
    return e.what();
  }
  return "(no error)";
}

}  // namespace

TEST(MidiOutputSelection, DeviceIdsBelowTheCountAndTheMapperAreAcceptedOthersAreNot) {
  Rig rig;
  EXPECT_EQ(rig.out->DeviceCount(), 3);
  EXPECT_EQ(rig.out->ProductName(), "");  // nothing selected yet
  struct Case {
    uint32_t id;
    std::string error;
    std::string product;
  };
  const Case cases[] = {
      {0, "(no error)", "Port A"},
      {2, "(no error)", "Port C"},
      {3, "Invalid device ID", "Port C"},
      {0x7FFFFFFF, "Invalid device ID", "Port C"},
      {0xFFFFFFFE, "Invalid device ID", "Port C"},
      {MIDI_MAPPER, "(no error)", Mes(MesId::SMidiMapperName)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ErrorOf([&] { rig.out->SetDeviceID(c.id); }), c.error) << c.id;
    EXPECT_EQ(rig.out->ProductName(), c.product) << c.id;
  }
  EXPECT_EQ(rig.out->DeviceID(), MIDI_MAPPER);
  EXPECT_EQ(rig.out->System(), "");
}

TEST(MidiOutputSelection, ProductNameSelectsTheIndexAndItsSystem) {
  Rig rig;
  rig.out->SetProductName("Port B");
  EXPECT_EQ(rig.out->DeviceID(), 1u);
  EXPECT_EQ(rig.out->ProductName(), "Port B");
  EXPECT_EQ(rig.out->System(), "Recorder");

  // Exact, case-sensitive names only; the selection stays as it was.
  EXPECT_EQ(ErrorOf([&] { rig.out->SetProductName("port b"); }),
            "MIDI output Device port b not installed");
  EXPECT_EQ(rig.out->DeviceID(), 1u);
}

TEST(MidiOutputSelection, WithoutAnyDeviceNothingCanBeSelectedOrOpenedAndNothingCrashes) {
  Rig rig(std::vector<std::string>{});
  EXPECT_EQ(rig.out->DeviceCount(), 0);
  EXPECT_EQ(ErrorOf([&] { rig.out->SetDeviceID(0); }), "Invalid device ID");
  EXPECT_EQ(ErrorOf([&] { rig.out->SetProductName("Port A"); }),
            "MIDI output Device Port A not installed");
  EXPECT_EQ(ErrorOf([&] { rig.out->SetDeviceID(MIDI_MAPPER); }),
            Mes(MesId::SMidiOutErrNoDevice));
  EXPECT_FALSE(rig.out->Open());
  EXPECT_FALSE(rig.out->IsOpen());
  EXPECT_NO_THROW(rig.out->AllSoundOff());
  EXPECT_FALSE(rig.out->Close());
  EXPECT_EQ(ErrorOf([&] { rig.out->SendEvent(TMidiEvent(0x90, 60, 100)); }),
            "MIDI Output device not open");
}

TEST(MidiOutputSelection, ADeviceThatWentAwaySinceTheCountCannotBeSelected) {
  Rig rig;
  rig.out->SetDeviceID(2);
  rig.recorder->SetDevices({"Port A", "Port B"});
  EXPECT_EQ(ErrorOf([&] { rig.out->SetDeviceID(2); }), "Invalid device ID");
  EXPECT_EQ(ErrorOf([&] { rig.out->SetProductName("Port C"); }), "MIDI output Device Port C not installed");
  EXPECT_EQ(rig.out->DeviceCount(), 3);  // counted when the component was made
}

TEST(MidiOutputSelection, TheDeviceCannotChangeWhileOpen) {
  Rig rig;
  rig.out->SetDeviceID(1);
  ASSERT_TRUE(rig.out->Open());
  EXPECT_EQ(ErrorOf([&] { rig.out->SetDeviceID(0); }), "Change to DeviceID while device was open");
  EXPECT_EQ(ErrorOf([&] { rig.out->SetProductName("Port A"); }),
            "Change to ProductName while device was open");
  EXPECT_EQ(rig.out->DeviceID(), 1u);
  EXPECT_TRUE(rig.out->Close());
  EXPECT_NO_THROW(rig.out->SetDeviceID(0));
}

TEST(MidiOutputOpen, AFailedOpenReturnsFalseKeepsTheCodeAndRaisesNothing) {
  Rig rig;
  rig.recorder->FailOpen(0, TMidiOutErrc::Allocated);
  rig.out->SetDeviceID(0);
  bool opened = true;
  EXPECT_NO_THROW(opened = rig.out->Open());
  EXPECT_FALSE(opened);
  EXPECT_FALSE(rig.out->IsOpen());
  EXPECT_EQ(rig.out->LastError(), uint16_t(TMidiOutErrc::Allocated));
  EXPECT_EQ(rig.out->ErrorText(rig.out->LastError()), "The MIDI output device is already in use");
  // Once the device is free the same component opens it.
  rig.recorder->FailOpen(0, std::nullopt);
  EXPECT_TRUE(rig.out->Open());
}

TEST(MidiOutputOpen, TheMapperOpensTheFirstDeviceThatOpens) {
  Rig rig;
  rig.recorder->FailOpen(0, TMidiOutErrc::Allocated);
  rig.out->SetDeviceID(MIDI_MAPPER);
  ASSERT_TRUE(rig.out->Open());
  rig.out->SendShort(0x90, 60, 100);
  ASSERT_EQ(rig.recorder->Messages().size(), 1u);
  EXPECT_EQ(rig.recorder->Messages()[0].Device, 1u);

  Rig none;
  for (uint32_t i = 0; i < 3; ++i) none.recorder->FailOpen(i, i == 0 ? TMidiOutErrc::Allocated : TMidiOutErrc::NoMemory);
  none.out->SetDeviceID(MIDI_MAPPER);
  EXPECT_FALSE(none.out->Open());
  EXPECT_EQ(none.out->LastError(), uint16_t(TMidiOutErrc::Allocated));  // the first device's reason
}

TEST(MidiOutputOpen, OpeningTwiceKeepsOneHandleAndCloseReportsWhetherItClosed) {
  Rig rig;
  EXPECT_FALSE(rig.out->Close());
  EXPECT_EQ(rig.recorder->CloseCount(), 0);
  ASSERT_TRUE(rig.out->Open());
  ASSERT_TRUE(rig.out->Open());
  EXPECT_EQ(rig.recorder->OpenHandles(), 1);
  EXPECT_TRUE(rig.out->Close());
  EXPECT_FALSE(rig.out->Close());
  EXPECT_EQ(rig.recorder->OpenHandles(), 0);
  EXPECT_EQ(rig.recorder->CloseCount(), 1);
}

TEST(MidiOutputOpen, DestroyingAnOpenComponentClosesTheDevice) {
  Rig rig;
  ASSERT_TRUE(rig.out->Open());
  rig.out.reset();
  EXPECT_EQ(rig.recorder->OpenHandles(), 0);
}

TEST(MidiOutputSend, ShortMessagesGoOutAsTheirBytesAndNoMore) {
  Rig rig;
  ASSERT_TRUE(rig.out->Open());
  rig.out->SendShort(0x90, 60, 100);
  rig.out->SendEvent(TMidiEvent(0x80, 0x3C, 0));
  rig.out->SendEvent(TMidiEvent(0xE5, 0x7F, 0x40));
  rig.out->SendShort(0xC3, 5, 99);                   // a program change has one data byte
  rig.out->SendShort(0xF8, 1, 2);                    // real time has none
  // What cannot travel is not sent: a wrapped note would arrive as a status byte.
  rig.out->SendShort(0x90, 200, 100);
  rig.out->SendEvent(TMidiEvent(0xE5, 0xFF, 0x80));
  rig.out->SendShort(0x3C, 60, 100);
  rig.out->SendShort(0xF0, 0, 0);
  EXPECT_EQ(rig.recorder->ShortWords(), (std::vector<uint32_t>{0x643C90, 0x003C80, 0x407FE5, 0x05C3, 0xF8}));
  const auto messages = rig.recorder->Messages();
  ASSERT_EQ(messages.size(), 5u);
  EXPECT_EQ(messages[3].Bytes, (std::vector<uint8_t>{0xC3, 5}));
  EXPECT_EQ(messages[4].Bytes, (std::vector<uint8_t>{0xF8}));
}

TEST(MidiOutputSend, AllSoundOffSendsController120OnEveryChannelOnlyWhenOpen) {
  Rig rig;
  rig.out->AllSoundOff();
  EXPECT_TRUE(rig.recorder->Messages().empty());
  ASSERT_TRUE(rig.out->Open());
  rig.out->AllSoundOff();
  std::vector<uint32_t> expected;
  for (uint32_t ch = 0; ch < 16; ++ch) expected.push_back(0xB0 + ch + (120u << 8));
  EXPECT_EQ(rig.recorder->ShortWords(), expected);
}

TEST(MidiOutputSend, ADisconnectedDeviceFailsEverySendWithAClearText) {
  Rig rig;
  rig.out->SetDeviceID(1);
  ASSERT_TRUE(rig.out->Open());
  rig.recorder->Disconnect(1);
  const std::string gone = "The MIDI output device has been disconnected";
  EXPECT_EQ(ErrorOf([&] { rig.out->SendShort(0x90, 60, 100); }), gone);
  EXPECT_EQ(ErrorOf([&] { rig.out->AllSoundOff(); }), gone);
  const uint8_t reset[] = {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7};
  EXPECT_EQ(ErrorOf([&] { rig.out->SendLong(reset, sizeof reset); }), gone);
  EXPECT_EQ(rig.out->LongMessagesInFlight(), 0);  // the refused block was released
  EXPECT_EQ(rig.out->LastError(), uint16_t(TMidiOutErrc::DeviceGone));
  try {
    rig.out->SendShort(0x90, 60, 100);
  } catch (const EmidioutputError& e) {
    EXPECT_EQ(e.Device(), "Port B");  // the error names the device
    EXPECT_EQ(e.Code(), uint16_t(TMidiOutErrc::DeviceGone));
  }
  // The component can still be closed and another device opened.
  EXPECT_TRUE(rig.out->Close());
  rig.out->SetDeviceID(0);
  EXPECT_TRUE(rig.out->Open());
}

TEST(MidiOutputSend, SendingOnAClosedComponentRaisesBeforeTheServiceIsAsked) {
  Rig rig;
  TMidiEvent sysex;
  const uint8_t data[] = {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7};
  sysex.SetSysex(data, sizeof data);
  EXPECT_EQ(ErrorOf([&] { rig.out->SendEvent(sysex); }), "MIDI Output device not open");
  EXPECT_TRUE(rig.recorder->Messages().empty());
  // The direct calls reach the service without a handle, which refuses them.
  EXPECT_EQ(ErrorOf([&] { rig.out->SendShort(0x90, 60, 100); }),
            "The MIDI output device handle is not valid");
}

TEST(MidiOutputLong, AGeneralMidiResetCompletesOnTheGuiThreadAndFiresOnce) {
  for (auto mode : {TMidiOutRecorder::Completion::Immediate, TMidiOutRecorder::Completion::Deferred,
                    TMidiOutRecorder::Completion::Thread}) {
    Rig rig;
    rig.recorder->SetCompletion(mode);
    int fired = 0;
    TMidiOutput* sender = nullptr;
    rig.out->Onmidioutput = [&](TMidiOutput* s) {
      ++fired;
      sender = s;
    };
    ASSERT_TRUE(rig.out->Open());
    TMidiEvent event;
    {
      std::vector<uint8_t> reset = {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7};
      event.SetSysex(reset.data(), static_cast<uint16_t>(reset.size()));
      rig.out->SendEvent(event);
      reset.assign(reset.size(), 0);  // the caller's copy may go at once
    }
    ASSERT_EQ(rig.recorder->Messages().size(), 1u);
    EXPECT_EQ(rig.recorder->Messages()[0].Bytes,
              (std::vector<uint8_t>{0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7}));
    EXPECT_EQ(fired, 0) << "nothing fires before the GUI thread runs";
    EXPECT_EQ(rig.out->LongMessagesInFlight(), 1);

    rig.recorder->CompleteLongMessages();
    rig.out->Close();  // waits for the recorder's completion thread
    rig.poster->RunPending();
    EXPECT_EQ(fired, 1);
    EXPECT_EQ(sender, rig.out.get());
    EXPECT_EQ(rig.out->LongMessagesInFlight(), 0);
    rig.poster->RunPending();
    EXPECT_EQ(fired, 1);
  }
}

TEST(MidiOutputLong, ACompletionQueuedForADestroyedComponentIsDropped) {
  Rig rig;
  int fired = 0;
  rig.out->Onmidioutput = [&](TMidiOutput*) { ++fired; };
  ASSERT_TRUE(rig.out->Open());
  const uint8_t data[] = {0xF0, 0x43, 0x10, 0xF7};
  rig.out->SendLong(data, sizeof data);
  rig.out->SendLong(data, sizeof data);
  rig.out.reset();
  EXPECT_EQ(rig.poster->RunPending(), 2);
  EXPECT_EQ(fired, 0);
}

TEST(MidiOutputLong, AnEmptyBlockIsRefusedWithItsText) {
  Rig rig;
  ASSERT_TRUE(rig.out->Open());
  TMidiEvent event;
  event.SetSysex(reinterpret_cast<const uint8_t*>(""), 0);
  EXPECT_EQ(ErrorOf([&] { rig.out->SendEvent(event); }), "Invalid parameter for the MIDI output");
  EXPECT_EQ(rig.out->LongMessagesInFlight(), 0);
}

TEST(MidiOutputErrors, UnknownCodesHaveTheOutOfRangeText) {
  Rig rig;
  EXPECT_EQ(rig.out->ErrorText(0), "Specified error number is out of range");
  EXPECT_EQ(rig.out->ErrorText(3), "Specified error number is out of range");
  EXPECT_EQ(rig.out->ErrorText(0xFFFF), "Specified error number is out of range");
  EXPECT_EQ(rig.out->ErrorText(2), "There is no MIDI output device with this number");
  // Every reason the services give has a text of its own, and no two share one.
  std::set<std::string> texts;
  const TMidiOutErrc all[] = {TMidiOutErrc::Unspecified, TMidiOutErrc::BadDevice, TMidiOutErrc::Allocated,
                              TMidiOutErrc::NotOpen, TMidiOutErrc::NoDevice, TMidiOutErrc::NoMemory,
                              TMidiOutErrc::BadMessage, TMidiOutErrc::NoSequencer, TMidiOutErrc::SendFailed,
                              TMidiOutErrc::DeviceGone, TMidiOutErrc::NoSoundFont, TMidiOutErrc::SoundFontLoad,
                              TMidiOutErrc::NoAudio, TMidiOutErrc::BufferFull, TMidiOutErrc::ServerGone};
  for (TMidiOutErrc code : all) {
    const std::string text = rig.out->ErrorText(static_cast<uint16_t>(code));
    EXPECT_NE(text, "Specified error number is out of range") << int(code);
    texts.insert(text);
  }
  EXPECT_EQ(texts.size(), std::size(all));
}

TEST(MidiEventCopy, ACopyOwnsItsOwnSysexBlock) {
  TMidiEvent a(0xF0, 0, 0);
  const uint8_t data[] = {1, 2, 3};
  a.SetSysex(data, 3);
  TMidiEvent b = a;
  a.Sysex[0] = 9;
  EXPECT_EQ(b.SysexLength, 3);
  EXPECT_EQ(b.Sysex[0], 1);
  b = TMidiEvent(0x90, 1, 2);
  EXPECT_FALSE(b.Sysex);
  EXPECT_EQ(b.SysexLength, 0);
}

TEST(MidiWire, OnlyCompleteMessagesWithSevenBitDataGoOnTheWire) {
  struct Case {
    std::vector<uint8_t> in;
    std::vector<std::vector<uint8_t>> out;
  };
  const Case cases[] = {
      {{0x90, 0x3C, 0x64}, {{0x90, 0x3C, 0x64}}},  // note-on
      {{0xC3, 0x05}, {{0xC3, 0x05}}},              // program change carries one byte
      {{0xD0, 0x40}, {{0xD0, 0x40}}},
      {{0xE0, 0x00, 0x40}, {{0xE0, 0x00, 0x40}}},  // pitch bend centre
      {{0xF8}, {{0xF8}}},                          // real-time clock
      {{0xF3, 0x03}, {{0xF3, 0x03}}},
      {{0x10, 0x3C, 0x64}, {}},                    // no status byte
      {{0xF0}, {}},                                // a block's start alone
      {{0xF7}, {}},
      {{0x90, 0x82, 0x64}, {}},                    // note 130 after a transposition wrapped
      {{0x90, 0x3C}, {}},                          // cut short
  };
  for (const Case& c : cases) {
    std::vector<std::vector<uint8_t>> seen;
    ForEachMidiMessage(c.in, [&](std::span<const uint8_t> m) { seen.emplace_back(m.begin(), m.end()); });
    EXPECT_EQ(seen, c.out) << std::hex << int(c.in[0]);
  }
  const TShortMessage m = ShortMessage(0xC0, 5, 77);
  EXPECT_EQ(std::vector<uint8_t>(m.Span().begin(), m.Span().end()), (std::vector<uint8_t>{0xC0, 5}));
}

TEST(MidiWire, BlocksAndShortMessagesComeOutInOrderAndBrokenPartsAreDropped) {
  const std::vector<uint8_t> data = {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7,  // GM reset
                                     0x90, 0x3C, 0x64,                    // note-on
                                     0x12,                                // stray data byte
                                     0xC0, 0x05,                          // program
                                     0xB0, 0x90, 0x01,                    // broken controller
                                     0xF0, 0x01, 0x02};                   // unterminated
  std::vector<std::vector<uint8_t>> seen;
  ForEachMidiMessage(data, [&](std::span<const uint8_t> m) { seen.emplace_back(m.begin(), m.end()); });
  EXPECT_EQ(seen, (std::vector<std::vector<uint8_t>>{
                      {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7}, {0x90, 0x3C, 0x64}, {0xC0, 0x05}}));
}

TEST(MidiOutputDueTimes, ADeviceThatHonoursThemGetsThemOthersPlayAtOnce) {
  Rig r;
  EXPECT_FALSE(r.out->HonoursDueTimes());
  EXPECT_EQ(ErrorOf([&] { r.out->SendEventAt(TMidiEvent(0x90, 60, 100), 5000); }), Mes(MesId::SMidiOutNotOpen));
  r.out->SetDeviceID(1);
  ASSERT_TRUE(r.out->Open());
  // A device that ignores due times: nothing sent ahead, the message goes at once.
  EXPECT_FALSE(r.out->HonoursDueTimes());
  EXPECT_EQ(r.out->PlaybackLookAheadUs(), 0);
  r.out->SendEventAt(TMidiEvent(0x90, 60, 100), 5000);
  r.out->Close();

  r.recorder->SetHonoursDueTimes(true);
  r.recorder->HoldUs = 2667;
  ASSERT_TRUE(r.out->Open());
  EXPECT_TRUE(r.out->HonoursDueTimes());
  EXPECT_EQ(r.out->DueTimeHoldUs(), 2667);
  EXPECT_EQ(r.out->PlaybackLookAheadUs(), 2667 + TMidiOutput::kLateTimerMarginUs);
  r.out->SendEventAt(TMidiEvent(0x90, 61, 100), 7000);
  TMidiEvent block;
  const uint8_t gmOn[] = {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7};
  block.SetSysex(gmOn, sizeof gmOn);
  r.out->SendEventAt(block, 8000);
  r.out->SendEventAt(TMidiEvent(0x80, 61, 0), 0);  // none: at once
  r.out->SendEventAt(TMidiEvent(0x90, 200, 100), 9000);  // cannot travel, as without a due time
  const auto m = r.recorder->Messages();
  ASSERT_EQ(m.size(), 4u);
  EXPECT_EQ(m[0].DueUs, 0);
  EXPECT_EQ(m[1].DueUs, 7000);
  EXPECT_TRUE(m[2].Long);
  EXPECT_EQ(m[2].DueUs, 8000);
  EXPECT_EQ(m[3].DueUs, 0);
  EXPECT_EQ(m[3].Bytes, (std::vector<uint8_t>{0x80, 61, 0}));
  EXPECT_EQ(r.out->LongMessagesInFlight(), 1);
  r.poster->RunPending();
  EXPECT_EQ(r.out->LongMessagesInFlight(), 0);
  EXPECT_TRUE(r.out->Close());
  EXPECT_FALSE(r.out->HonoursDueTimes());
}
