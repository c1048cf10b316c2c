#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/config_folder.h"
#include "core/game_process.h"

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

TEST(ConfigFolderCandidates, listsTheLikelyFoldersPerTargetAndPlatform) {
    using Os = PlatformDirs::Os;
    const PlatformDirs linux{"/home/p", "", "", Os::Linux};
    const PlatformDirs xdg{"/home/p", "/cfg", "", Os::Linux};
    const PlatformDirs relativeXdg{"/home/p", "cfg", "", Os::Linux};
    const PlatformDirs windows{"C:\\Users\\p", "", "C:\\Users\\p\\AppData\\Roaming", Os::Windows};
    const PlatformDirs mac{"/Users/p", "", "", Os::MacOs};
    const std::string macFolder = "/Users/p/Library/Application Support/Quake3/baseq3";
    struct Case {
        TargetGame target;
        PlatformDirs dirs;
        std::vector<std::string> first;  // the leading candidates, in order
    };
    const Case cases[] = {
        {TargetGame::Q3Test, windows, {"c:\\q3test"}},
        {TargetGame::Q3Test, linux, {"/home/p/.q3a/baseq3"}},
        {TargetGame::Q3Test, mac, {macFolder}},
        {TargetGame::Quake3, linux, {"/home/p/.q3a/baseq3"}},
        {TargetGame::Quake3, windows, {"C:\\Program Files (x86)\\Quake III Arena\\baseq3"}},
        {TargetGame::Quake3, mac, {macFolder}},
        {TargetGame::IoQuake3, linux, {"/home/p/.config/Quake3/baseq3", "/home/p/.q3a/baseq3"}},
        {TargetGame::IoQuake3, xdg, {"/cfg/Quake3/baseq3", "/home/p/.q3a/baseq3"}},
        {TargetGame::IoQuake3, relativeXdg, {"/home/p/.config/Quake3/baseq3"}},
        {TargetGame::IoQuake3, windows, {"C:\\Users\\p\\AppData\\Roaming\\Quake3\\baseq3"}},
        {TargetGame::IoQuake3, mac, {macFolder}},
    };
    for (const Case& c : cases) {
        const std::vector<std::string> got = ConfigFolderCandidates(c.target, c.dirs);
        ASSERT_GE(got.size(), c.first.size());
        EXPECT_EQ(std::vector<std::string>(got.begin(), got.begin() + c.first.size()), c.first);
    }
    EXPECT_EQ(ConfigFolderCandidates(TargetGame::Q3Test, linux).size(), 1u);
    EXPECT_TRUE(ConfigFolderCandidates(TargetGame::IoQuake3, PlatformDirs{}).empty());
}

}  // namespace
}  // namespace chromlet
