// The installer's entry: single instance, panel set-up, main dialog, the failure box.
#include "shell/entry.h"

#include <gtest/gtest.h>

#include "platform/dialog.h"
#include "platform/sim/sim.h"
#include "shell/installer_state.h"
#include "toolkit/surface.h"

namespace {

class EntryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    sim::Reset();
    for (void*& slot : InstallerSlots) slot = nullptr;
    MainSurface = JSurface{};
    // Close the dialog the way the user's Escape key does.
    sim::SetDialogDriver([](os::WindowHandle dialog) {
      os::PostWindowMessage(dialog, os::kMsgCommand, os::kIdCancel, 0);
    });
  }
  void TearDown() override {
    delete static_cast<JPanel*>(InstallerSlots[kSlotPanel]);
    InstallerSlots[kSlotPanel] = nullptr;
  }
};

TEST_F(EntryTest, FirstCopyRunsTheMainDialogAndExitsZero) {
  EXPECT_EQ(InstallerMain(sim::ProgramModule()), 0);

  EXPECT_EQ(sim::DllSearchHardenedCount(), 1);
  ASSERT_EQ(sim::Dialogs().size(), 1u);
  EXPECT_EQ(sim::Dialogs()[0].templateName, "main");
  EXPECT_TRUE(sim::Dialogs()[0].created);
  EXPECT_TRUE(sim::Dialogs()[0].ended);
  EXPECT_EQ(sim::Dialogs()[0].result, 0);
  EXPECT_TRUE(sim::MessageBoxes().empty());
  // The mutex was held for the dialog's life and released once at the end.
  EXPECT_FALSE(sim::MutexOwnedByUs(" "));
  EXPECT_EQ(sim::MutexReleaseCount(), 1);

  EXPECT_EQ(InstallerSlots[kSlotModuleHandle], static_cast<void*>(sim::ProgramModule()));
  auto* panel = static_cast<JPanel*>(InstallerSlots[kSlotPanel]);
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel->surface, &MainSurface);
  EXPECT_EQ(MainSurface.instance, sim::ProgramModule());
}

TEST_F(EntryTest, MutexIsHeldWhileTheDialogRuns) {
  bool heldDuringDialog = false;
  sim::SetDialogDriver([&](os::WindowHandle dialog) {
    heldDuringDialog = sim::MutexOwnedByUs(" ");
    os::PostWindowMessage(dialog, os::kMsgClose, 0, 0);  // closing the window ends it too
  });
  EXPECT_EQ(InstallerMain(sim::ProgramModule()), 0);
  EXPECT_TRUE(heldDuringDialog);
  EXPECT_EQ(sim::Dialogs()[0].result, 0);
}

TEST_F(EntryTest, SecondCopyExitsZeroAndOpensNothing) {
  sim::HoldMutexInOtherProcess(" ");
  EXPECT_EQ(InstallerMain(sim::ProgramModule()), 0);
  EXPECT_TRUE(sim::Dialogs().empty());
  EXPECT_TRUE(sim::MessageBoxes().empty());
  EXPECT_EQ(InstallerSlots[kSlotPanel], nullptr);
  EXPECT_EQ(InstallerSlots[kSlotModuleHandle], nullptr);
}

TEST_F(EntryTest, FailedMutexCreationStillRunsTheDialog) {
  sim::FailNextMutexCreation(5 /* access denied */);
  EXPECT_EQ(InstallerMain(sim::ProgramModule()), 0);
  ASSERT_EQ(sim::Dialogs().size(), 1u);
  EXPECT_TRUE(sim::Dialogs()[0].created);
  EXPECT_EQ(sim::MutexReleaseCount(), 0);  // nothing to release
}

TEST_F(EntryTest, MissingTemplateShowsTheBoxWithTheDefaultCaption) {
  sim::Catalogue().clear();
  EXPECT_EQ(InstallerMain(sim::ProgramModule()), 0);
  ASSERT_EQ(sim::Dialogs().size(), 1u);
  EXPECT_FALSE(sim::Dialogs()[0].created);
  ASSERT_EQ(sim::MessageBoxes().size(), 1u);
  EXPECT_EQ(sim::MessageBoxes()[0].text, "E");
  EXPECT_FALSE(sim::MessageBoxes()[0].hasCaption);
  EXPECT_EQ(sim::MessageBoxes()[0].style, os::kMbOk);
  EXPECT_EQ(sim::MutexReleaseCount(), 1);
}

TEST_F(EntryTest, DamagedTemplateShowsTheBox) {
  sim::Catalogue()[0].bytes.clear();  // present but empty
  EXPECT_EQ(InstallerMain(sim::ProgramModule()), 0);
  ASSERT_EQ(sim::MessageBoxes().size(), 1u);
  EXPECT_EQ(sim::MessageBoxes()[0].text, "E");
}

TEST_F(EntryTest, TemplateNameMatchesRegardlessOfCase) {
  // The catalogue stores "MAIN"; the entry asks for "main".
  EXPECT_EQ(sim::Catalogue()[0].name, "MAIN");
  EXPECT_EQ(InstallerMain(sim::ProgramModule()), 0);
  EXPECT_TRUE(sim::Dialogs()[0].created);
}

}  // namespace
