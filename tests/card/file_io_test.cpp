#include "card/file_io.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <set>
#include <thread>

#include "support/card_builder.h"

namespace kestravo {
namespace {

namespace fs = std::filesystem;
using testing::readFile;
using testing::TempFolder;

// The names in a folder, so a test can tell that no temporary file was left behind.
std::set<std::string> namesIn(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

TEST(SafeSave, AFailureAtAnyStepKeepsThePreviousFileAndLeavesNothingBehind) {
  struct Case {
    const char* name;
    SaveStep step;
    int error;
    const char* why;
  };
  const Case cases[] = {
      {"no room for another file", SaveStep::kCreateTemporary, ENOSPC, "NO SPACE LEFT ON DEVICE"},
      {"disk fills while writing", SaveStep::kWrite, ENOSPC, "NO SPACE LEFT ON DEVICE"},
      {"permissions refused", SaveStep::kKeepPermissions, EPERM, "OPERATION NOT PERMITTED"},
      {"drive lost before the flush", SaveStep::kFlush, EIO, "INPUT/OUTPUT ERROR"},
      {"rename refused", SaveStep::kRename, EACCES, "PERMISSION DENIED"},
  };
  const std::string text(20000, 'n');
  for (const Case& c : cases) {
    TempFolder dir;
    const std::string path = dir.write("CARD.tch", "old marks\r\n");
    std::string why;
    {
      InjectedSaveFault fault([&c](SaveStep step) { return step == c.step ? c.error : 0; });
      EXPECT_FALSE(replaceFile(path, text, &why)) << c.name;
    }
    EXPECT_EQ(why, c.why) << c.name;
    EXPECT_EQ(readFile(path), "old marks\r\n") << c.name;
    EXPECT_EQ(namesIn(dir.path()), std::set<std::string>{"CARD.tch"}) << c.name;

    // A first save that fails makes nothing at all.
    const std::string fresh = dir.file("NEW.tch");
    if (c.step != SaveStep::kKeepPermissions) {
      InjectedSaveFault fault([&c](SaveStep step) { return step == c.step ? c.error : 0; });
      EXPECT_FALSE(createFile(fresh, text, &why)) << c.name;
      EXPECT_EQ(namesIn(dir.path()), std::set<std::string>{"CARD.tch"}) << c.name;
    }
  }
}

TEST(SafeSave, AFailedFolderFlushStillSaves) {
  TempFolder dir;
  const std::string path = dir.write("CARD.tch", "old marks\r\n");
  InjectedSaveFault fault([](SaveStep step) { return step == SaveStep::kFlushFolder ? EIO : 0; });
  EXPECT_TRUE(replaceFile(path, "new marks\r\n"));
  EXPECT_EQ(readFile(path), "new marks\r\n");
  EXPECT_EQ(namesIn(dir.path()), std::set<std::string>{"CARD.tch"});
}

TEST(SafeSave, WhateverStandsAtTheOldTemporaryNameIsLeftAlone) {
  struct Case {
    const char* name;
    void (*plant)(const std::string& at, const std::string& outside);
  };
  const Case cases[] = {
      {"symbolic link to a file elsewhere",
       [](const std::string& at, const std::string& outside) { fs::create_symlink(outside, at); }},
      {"hard link to a file elsewhere",
       [](const std::string& at, const std::string& outside) {
         fs::create_hard_link(outside, at);
       }},
      {"pipe that nobody reads",
       [](const std::string& at, const std::string&) { ASSERT_EQ(::mkfifo(at.c_str(), 0600), 0); }},
  };
  for (const Case& c : cases) {
    TempFolder dir;
    TempFolder elsewhere;
    const std::string outside = elsewhere.write("precious.txt", "not a scratch file");
    const std::string path = dir.write("CARD.tch", "old marks\r\n");
    c.plant(path + ".~new", outside);
    ASSERT_TRUE(replaceFile(path, "new marks\r\n")) << c.name;
    EXPECT_EQ(readFile(path), "new marks\r\n") << c.name;
    EXPECT_EQ(readFile(outside), "not a scratch file") << c.name;
    EXPECT_EQ(namesIn(dir.path()), (std::set<std::string>{"CARD.tch", "CARD.tch.~new"})) << c.name;
  }
}

TEST(SafeSave, ALinkedScratchFileIsReplacedWhereTheLinkLeads) {
  TempFolder dir;
  TempFolder elsewhere;
  const std::string target = elsewhere.write("KSV1208.tch", "old marks\r\n");
  ::chmod(target.c_str(), 0640);
  const std::string path = dir.file("KSV1208.tch");
  fs::create_symlink(target, path);
  ASSERT_TRUE(replaceFile(path, "new marks\r\n"));
  EXPECT_TRUE(fs::is_symlink(path));
  EXPECT_EQ(fs::read_symlink(path), target);
  EXPECT_EQ(readFile(target), "new marks\r\n");
  EXPECT_EQ(fs::status(target).permissions() & fs::perms::mask,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(namesIn(dir.path()), std::set<std::string>{"KSV1208.tch"});
  EXPECT_EQ(namesIn(elsewhere.path()), std::set<std::string>{"KSV1208.tch"});

  // A link that leads nowhere is not followed into making a file where it points.
  const std::string dangling = dir.file("GONE.tch");
  fs::create_symlink(elsewhere.file("nothing-here.tch"), dangling);
  std::string why;
  EXPECT_FALSE(replaceFile(dangling, "marks", &why));
  EXPECT_EQ(why, "NO SUCH FILE OR DIRECTORY");
  EXPECT_FALSE(createFile(dangling, "marks", &why));
  EXPECT_EQ(why, "FILE EXISTS");
  EXPECT_FALSE(fs::exists(elsewhere.file("nothing-here.tch")));
}

TEST(SafeSave, PermissionsOfTheOldFileAreKeptAndANewFileGetsTheUsual) {
  TempFolder dir;
  const std::string path = dir.write("CARD.tch", "old");
  ::chmod(path.c_str(), 0604);
  ASSERT_TRUE(replaceFile(path, "new"));
  struct stat seen {};
  ASSERT_EQ(::stat(path.c_str(), &seen), 0);
  EXPECT_EQ(seen.st_mode & 07777, 0604u);

  const mode_t mask = ::umask(022);
  ASSERT_TRUE(createFile(dir.file("NEW.tch"), "new"));
  ::umask(mask);
  ASSERT_EQ(::stat(dir.file("NEW.tch").c_str(), &seen), 0);
  EXPECT_EQ(seen.st_mode & 07777, 0644u);
  std::string why;
  EXPECT_FALSE(createFile(dir.file("NEW.tch"), "again", &why));
  EXPECT_EQ(why, "FILE EXISTS");
  EXPECT_EQ(readFile(dir.file("NEW.tch")), "new");
}

TEST(SafeSave, OnlyAPlainFileIsReplaced) {
  TempFolder dir;
  std::string why;
  fs::create_directory(dir.file("FOLDER.tch"));
  EXPECT_FALSE(replaceFile(dir.file("FOLDER.tch"), "marks", &why));
  EXPECT_EQ(why, "IS A DIRECTORY");
  ASSERT_EQ(::mkfifo(dir.file("PIPE.tch").c_str(), 0600), 0);
  EXPECT_FALSE(replaceFile(dir.file("PIPE.tch"), "marks", &why));
  EXPECT_EQ(why, "NOT A PLAIN FILE");
  EXPECT_TRUE(fs::is_fifo(dir.file("PIPE.tch")));
  EXPECT_FALSE(replaceFile(dir.file("NO FOLDER/CARD.tch"), "marks", &why));
  EXPECT_EQ(why, "NO SUCH FILE OR DIRECTORY");
}

TEST(SafeSave, AKilledSavesTemporaryFileGoesAtTheNextSave) {
  TempFolder dir;
  const std::string path = dir.write("CARD.tch", "old marks\r\n");
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    // Dies as a killed program would, with its temporary file written but not yet renamed.
    InjectedSaveFault fault([](SaveStep step) {
      if (step == SaveStep::kRename) ::_exit(0);
      return 0;
    });
    replaceFile(path, "marks of a save that never ended\r\n");
    ::_exit(1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_EQ(WEXITSTATUS(status), 0);
  ASSERT_EQ(namesIn(dir.path()).size(), 2u);
  EXPECT_EQ(readFile(path), "old marks\r\n");

  ASSERT_TRUE(replaceFile(path, "new marks\r\n"));
  EXPECT_EQ(namesIn(dir.path()), std::set<std::string>{"CARD.tch"});
  EXPECT_EQ(readFile(path), "new marks\r\n");
}

TEST(SafeSave, ASaveInProgressIsNotTakenForALeftover) {
  TempFolder dir;
  const std::string path = dir.write("CARD.tch", "old marks\r\n");
  std::mutex lock;
  std::condition_variable changed;
  bool waiting = false;
  bool release = false;
  const std::thread::id testThread = std::this_thread::get_id();
  bool slowSaved = false;
  // The save of another thread stops just before its rename until this one has saved.
  InjectedSaveFault fault([&](SaveStep step) {
    if (step == SaveStep::kRename && std::this_thread::get_id() != testThread) {
      std::unique_lock<std::mutex> held(lock);
      waiting = true;
      changed.notify_all();
      changed.wait(held, [&] { return release; });
    }
    return 0;
  });
  std::thread first([&] { slowSaved = replaceFile(path, "first marks\r\n"); });
  {
    std::unique_lock<std::mutex> held(lock);
    changed.wait(held, [&] { return waiting; });
  }
  EXPECT_TRUE(replaceFile(path, "second marks\r\n"));
  EXPECT_EQ(namesIn(dir.path()).size(), 2u);
  {
    std::lock_guard<std::mutex> held(lock);
    release = true;
  }
  changed.notify_all();
  first.join();
  EXPECT_TRUE(slowSaved);
  EXPECT_EQ(readFile(path), "first marks\r\n");
  EXPECT_EQ(namesIn(dir.path()), std::set<std::string>{"CARD.tch"});
}

TEST(SafeSave, TwoProgramsSavingAtOnceLeaveOnlyWholeFiles) {
  TempFolder dir;
  const std::string a(25000, 'a');
  const std::string b = std::string(18000, 'b') + "\r\n";
  const std::string path = dir.write("CARD.tch", a);
  constexpr int kSaves = 150;
  pid_t savers[2];
  for (int s = 0; s < 2; ++s) {
    savers[s] = ::fork();
    ASSERT_GE(savers[s], 0);
    if (savers[s] == 0) {
      int failed = 0;
      for (int i = 0; i < kSaves; ++i) failed += replaceFile(path, s == 0 ? a : b) ? 0 : 1;
      ::_exit(failed > 0 ? 1 : 0);
    }
  }
  int reads = 0;
  int spliced = 0;
  for (int running = 2; running > 0;) {
    std::string seen;
    if (readWholeFile(path, 1 << 20, seen) == ReadStatus::kOk) {
      ++reads;
      if (seen != a && seen != b) ++spliced;
    }
    for (pid_t& saver : savers) {
      int status = 0;
      if (saver > 0 && ::waitpid(saver, &status, WNOHANG) == saver) {
        EXPECT_EQ(WEXITSTATUS(status), 0) << "a save failed";
        saver = 0;
        --running;
      }
    }
  }
  EXPECT_GT(reads, 10);
  EXPECT_EQ(spliced, 0) << "of " << reads << " reads";
  EXPECT_EQ(namesIn(dir.path()), std::set<std::string>{"CARD.tch"});
}

}  // namespace
}  // namespace kestravo
