// Putting the settings into effect on the window's parts, in order, and what happens with
// devices that are gone and with a changed note naming.

#include <gtest/gtest.h>

#include "settings/untVars.h"
#include "song/ScriptedPrompter.h"
#include "tests/ui/RecordingTarget.h"
#include "ui/untApplySettings.h"

namespace {

using Calls = std::vector<std::string>;

TEST(ApplySettings, PutsEverySettingIntoEffectInOrder) {
  RecordingTarget target;
  ScriptedPrompter prompter;
  target.settings.FormOpened = true;
  target.settings.ShowHints = false;
  target.settings.OctaveCnt = 6;
  target.settings.TimerResol = 25;
  target.settings.MidiOutName = "Port C";
  target.settings.MidiInName = "keys:out";
  ApplySettings(target.settings, target, prompter);
  EXPECT_EQ(target.calls,
            (Calls{"song options", "close", "open Port C", "expanded", "hints off", "octaves 6", "input keys:out",
                   "key list", "timer 25"}));
  EXPECT_EQ(target.out.DeviceID(), 2u);
  EXPECT_TRUE(prompter.Calls().empty());
}

TEST(ApplySettings, WithoutADeviceNameTheFirstDeviceIsUsed) {
  RecordingTarget target;
  ScriptedPrompter prompter;
  target.out.SetDeviceID(1);
  ApplySettings(target.settings, target, prompter);
  EXPECT_EQ(target.out.DeviceID(), 0u);
  EXPECT_TRUE(target.out.IsOpen());
  EXPECT_EQ(target.calls[2], "open Synth A");
}

TEST(ApplySettings, ADeviceThatIsGoneIsReportedAndTheRestStillApplies) {
  RecordingTarget target;
  ScriptedPrompter prompter;
  target.settings.MidiOutName = "Unplugged keyboard";
  target.settings.OctaveCnt = 3;
  ApplySettings(target.settings, target, prompter);
  ASSERT_EQ(prompter.Calls().size(), 1u);
  EXPECT_EQ(prompter.Calls()[0].Kind, ScriptedPrompter::TKind::Warning);
  EXPECT_NE(prompter.Calls()[0].Text.find("Unplugged keyboard"), std::string::npos);
  EXPECT_EQ(target.calls, (Calls{"song options", "close", "open Synth A", "compact", "hints on", "octaves 3", "input ",
                                  "key list", "timer 10"}));
  // The setting stays: the device may come back at the next start.
  EXPECT_EQ(target.settings.MidiOutName, "Unplugged keyboard");
}

TEST(ApplySettings, WithoutAnyOutputDeviceTheProgramGoesOnSilent) {
  RecordingTarget target{std::vector<std::string>{}};
  ScriptedPrompter prompter;
  ApplySettings(target.settings, target, prompter);
  EXPECT_TRUE(prompter.Calls().empty());
  EXPECT_EQ(target.calls, (Calls{"song options", "close", "open failed", "compact", "hints on", "octaves 4", "input ",
                                  "key list", "timer 10"}));
}

TEST(ApplySettings, AChangedNoteNamingAsksOnlyWhenChordsWereSearched) {
  struct Case {
    bool changed, searched;
    TPromptAnswer answer;
    bool asked, searchedAgain, stillChanged;
  };
  const Case cases[] = {
      {true, false, TPromptAnswer::Yes, false, false, true},
      {false, true, TPromptAnswer::Yes, false, false, false},
      {true, true, TPromptAnswer::Yes, true, true, false},
      {true, true, TPromptAnswer::No, true, false, true},
      {true, true, TPromptAnswer::Cancel, true, false, true},
  };
  for (const auto& c : cases) {
    RecordingTarget target;
    ScriptedPrompter prompter{c.answer};
    target.settings.NoteSetChanged = c.changed;
    target.searched = c.searched;
    ApplySettings(target.settings, target, prompter);
    EXPECT_EQ(prompter.Calls().size(), c.asked ? 1u : 0u);
    if (c.asked) {
      EXPECT_EQ(prompter.Last().Caption, "Подтверждение");
      EXPECT_EQ(prompter.Last().Buttons, TPromptButtons::YesNoCancel);
      EXPECT_EQ(prompter.Last().Icon, TPromptIcon::Question);
      EXPECT_EQ(prompter.Last().Text.rfind("Вы изменили способ записи нот.\r", 0), 0u);
    }
    EXPECT_EQ(target.calls.back() == "search", c.searchedAgain);
    EXPECT_EQ(target.settings.NoteSetChanged, c.stillChanged);
  }
}

TEST(ApplySettings, TheDeviceListRestoresTheSelectedDevice) {
  RecordingTarget target;
  target.out.SetDeviceID(2);
  target.out.Open();
  EXPECT_EQ(ListOutputDevices(target), (std::vector<std::string>{"Synth A", "Port B", "Port C"}));
  EXPECT_EQ(target.out.DeviceID(), 2u);
  EXPECT_TRUE(target.out.IsOpen());
  EXPECT_EQ(target.calls, (Calls{"close", "open Port C"}));
}

TEST(ApplySettings, ADeviceWhoseNameCannotBeReadKeepsItsPosition) {
  RecordingTarget target;
  target.service->HideName(1);
  EXPECT_EQ(ListOutputDevices(target), (std::vector<std::string>{"Synth A", "", "Port C"}));
}

TEST(FormLayout, CompactLayoutLosesTheEventGridAndFivePixels) {
  TFormLayout expanded = FormLayoutFor(true, 597, 361, 185, 169);
  EXPECT_EQ(expanded.FormHeight, 597);
  EXPECT_EQ(expanded.SongGridHeight, 361);
  EXPECT_TRUE(expanded.TrackGridVisible);
  TFormLayout compact = FormLayoutFor(false, 597, 361, 185, 169);
  EXPECT_EQ(compact.FormHeight, 407);
  EXPECT_EQ(compact.SongGridHeight, 169);
  EXPECT_FALSE(compact.TrackGridVisible);
}

}  // namespace
