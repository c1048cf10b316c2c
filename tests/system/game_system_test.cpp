// What the machine holds, read from folders the tests make.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "system/config_folder.h"
#include "system/game_process.h"

namespace chromlet {
namespace {

namespace fs = std::filesystem;

TEST(IsGameProcessName, knowsTheGamesAndTheirArchitectureSuffixes) {
    const char* games[] = {"q3test",     "quake3",           "ioquake3",       "quake3e",
                           "openarena",  "ioquake3.x86_64",  "quake3e.x64",    "openarena.i386",
                           "Quake3.exe", "ioquake3.x86.exe", "quake3e_x86_64", "openarena.x86_6"};
    const char* others[] = {"quake3-notes",   "quake3.txt",      "quake3ded", "ioq3ded.x86_64",
                            "openarena.x86_", "xquake3",         "",          "bash",
                            "quake3.",        "ioquake3.x86_64x"};
    for (const char* name : games) {
        EXPECT_TRUE(IsGameProcessName(name)) << name;
    }
    for (const char* name : others) {
        EXPECT_FALSE(IsGameProcessName(name)) << name;
    }
}

TEST(RunningGames, readsCommAndArgvZeroFromAProcFolder) {
    const fs::path root =
        fs::temp_directory_path() /
        ("chromlet-proc-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    fs::remove_all(root);
    const auto write = [&](const std::string& file, const std::string& content) {
        fs::create_directories((root / file).parent_path());
        std::ofstream(root / file, std::ios::binary) << content;
    };
    write("100/comm", "ioquake3.x86_64\n");
    write("100/cmdline", std::string("/usr/lib/ioquake3/ioquake3.x86_64\0+set\0fs_game\0", 46));
    write("200/comm", "bash\n");
    write("200/cmdline", std::string("bash\0", 5));
    write("300/comm", "openarena.x86_6\n");  // the kernel cuts the name at 15 bytes
    write("300/cmdline", std::string("./openarena.x86_64\0", 19));
    write("400/comm", "quake3e.x64\n");  // no command line
    write("self/comm", "quake3\n");      // not a process number
    fs::create_directories(root / "500");

    std::vector<std::string> found = RunningGames(root);
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found,
              (std::vector<std::string>{"ioquake3.x86_64", "openarena.x86_64", "quake3e.x64"}));
    EXPECT_TRUE(RunningGames(root / "missing").empty());
    fs::remove_all(root);
}

TEST(ConfigFolderCandidates, listsEachTargetsFoldersTheOneTheEngineTakesFirstFirst) {
    const HomeDirs plain{"/home/p", ""};
    const HomeDirs xdg{"/home/p", "/cfg"};
    const HomeDirs relativeXdg{"/home/p", "cfg"};
    const HomeDirs xdgOnly{"", "/cfg"};
    const std::string q3a = "/home/p/.q3a/baseq3";
    const std::string openArena = "/home/p/.openarena/baseoa";
    struct Case {
        TargetGame target;
        HomeDirs dirs;
        std::vector<std::string> folders;
    };
    const Case cases[] = {
        {TargetGame::Q3Test, plain, {q3a}},
        {TargetGame::Quake3, xdg, {q3a}},
        {TargetGame::IoQuake3, plain, {"/home/p/.config/Quake3/baseq3", q3a, openArena}},
        {TargetGame::IoQuake3, xdg, {"/cfg/Quake3/baseq3", q3a, openArena}},
        {TargetGame::IoQuake3, relativeXdg, {"/home/p/.config/Quake3/baseq3", q3a, openArena}},
        {TargetGame::IoQuake3, xdgOnly, {"/cfg/Quake3/baseq3"}},
        {TargetGame::Q3Test, HomeDirs{}, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ConfigFolderCandidates(c.target, c.dirs), c.folders) << TargetKey(c.target);
    }
}

TEST(ConfigFolderFor, opensTheFirstFolderThatExistsElseTheHomeFolder) {
    QTemporaryDir home;
    const HomeDirs dirs{home.path().toStdString(), ""};
    const std::string q3a = dirs.home + "/.q3a/baseq3";
    const std::string xdg = dirs.home + "/.config/Quake3/baseq3";
    EXPECT_EQ(ConfigFolderFor(TargetGame::IoQuake3, dirs), dirs.home);
    // A file where the newer folder would be does not count.
    ASSERT_TRUE(QDir(home.path()).mkpath(".config/Quake3") &&
                QDir(home.path()).mkpath(".q3a/baseq3"));
    QFile file(QString::fromStdString(xdg));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_EQ(ConfigFolderFor(TargetGame::IoQuake3, dirs), q3a);
    ASSERT_TRUE(file.remove() && QDir().mkpath(QString::fromStdString(xdg)));
    EXPECT_EQ(ConfigFolderFor(TargetGame::IoQuake3, dirs), xdg);
    EXPECT_EQ(ConfigFolderFor(TargetGame::Q3Test, dirs), q3a);
}

}  // namespace
}  // namespace chromlet
