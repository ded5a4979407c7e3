// The hand-off through the real socket client when a process of another user holds the
// editor's name: it is told nothing, no hand-off file is written, and the user sees why.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include <filesystem>
#include <string>
#include <unistd.h>

#include "ui/sheet/ChordSheetPrint.h"
#include "base/untMesConst.h"
#include "export/SendToTabulist.h"
#include "export/TabulistPeer.h"
#include "platform/TabulistClient.h"
#include "platform/TabulistProtocol.h"
#include "song/ScriptedPrompter.h"
#include "tests/platform/ForeignUser.h"
#include "tests/EnvVar.h"

namespace fs = std::filesystem;

namespace {

TEST(TabulistHandoff, AnotherUsersProgramUnderTheEditorsNameGetsNoText) {
  if (!foreign_user::CanRunAsAnotherUser())
    GTEST_SKIP() << "a server as user nobody needs root; the export and platform tests pretend instead";
  // The process's one application paints too, so that a PDF export after this test can.
  EnsureGuiApplication();
  const EnvVar socketName(TabulistProtocol::kNameOverrideEnv, "/cantaro-test-foreign-" + std::to_string(::getpid()));
  const fs::path folder = fs::path(testing::TempDir()) / ("foreign-" + std::to_string(::getpid()));
  fs::create_directories(folder);

  const QByteArray name = TabulistProtocol::ServerName().toLocal8Bit();
  int ready[2], stop[2];
  ASSERT_EQ(::pipe(ready), 0);
  ASSERT_EQ(::pipe(stop), 0);
  const pid_t server = foreign_user::RunAsNobody([&] {
    ::close(stop[1]);
    return foreign_user::ServeForever(name, ready[1], stop[0]);
  });
  ASSERT_GT(server, 0);
  ASSERT_TRUE(foreign_user::Readable(ready[0], 5000)) << "the server of user nobody did not start";

  TTabulistClient client;
  TTabulistPeerOf<TTabulistClient> peer(client);
  ScriptedPrompter prompter;
  std::string pathTabulist = folder.string() + "/";
  EXPECT_EQ(SendToTabulist({"Am", "la"}, pathTabulist, folder.string(), peer, prompter), TSendResult::ForeignEditor);
  ASSERT_EQ(prompter.Calls().size(), 1u);
  EXPECT_EQ(prompter.Last().Kind, ScriptedPrompter::TKind::Error);
  EXPECT_EQ(prompter.Last().Text, Mes(MesId::SForeignTabulist));
  EXPECT_FALSE(fs::exists(folder / "TEMP.$$$"));

  ::close(stop[1]);
  EXPECT_EQ(foreign_user::ExitStatus(server), 0) << "requests the other user's server received";
  for (int fd : {ready[0], ready[1], stop[0]}) ::close(fd);
  fs::remove_all(folder);
}

}  // namespace
