// What the machine holds, read from folders the tests make.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <string>
#include <vector>

#include "system/config_folder.h"
#include "system/game_process.h"

namespace chromlet {
namespace {

// One process folder as the kernel shows it: comm, cmdline, stat with the state letter after
// the name in parentheses, status with the real, effective, saved and file-system uid.
void AddProcess(const QTemporaryDir& proc, const QString& pid, const std::string& comm,
                const std::string& cmdline, char state, uid_t realUid, uid_t effectiveUid) {
    ASSERT_TRUE(QDir(proc.path()).mkpath(pid));
    const auto write = [&](const char* file, const std::string& content) {
        QFile f(proc.filePath(pid + "/" + file));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content.data(), static_cast<qint64>(content.size()));
    };
    write("comm", comm + "\n");
    write("cmdline", cmdline);
    write("stat", pid.toStdString() + " (" + comm + ") " + state + " 1 1 1 0 -1 4194560");
    write("status", "Name:\t" + comm + "\nState:\t" + state + "\nUid:\t" + std::to_string(realUid) +
                        "\t" + std::to_string(effectiveUid) + "\t" + std::to_string(effectiveUid) +
                        "\t" + std::to_string(effectiveUid) + "\n");
}

TEST(IsGameProcessName, knowsTheClientsAndTheirArchitectureSuffixes) {
    const char* games[] = {"q3test", "quake3", "ioquake3", "quake3e", "quake3e-vulkan", "openarena",
                           "ioquake3.x86_64", "quake3e.x64", "openarena.i386", "Quake3.exe",
                           "ioquake3.x86.exe", "quake3e_x86_64", "ioquake3.ppc64le",
                           "ioquake3.riscv64", "quake3e-vulkan.x64", "quake3e.aarch64",
                           "quake3-smp.x86",
                           // cut to 15 bytes by the kernel
                           "openarena.x86_6", "ioquake3.ppc64l", "quake3e-vulkan.",
                           "ioquake3_opengl", "ioquake3.x86.ex"};
    const char* others[] = {
        "quake3-notes",     "quake3.txt",     "quake3ded", "ioq3ded.x86_64", "quake3e.ded.x64",
        "openarena.x86_",   "xquake3",        "",          "bash",           "quake3.",
        "ioquake3.x86_64x", "quake3e-vulkans"};
    for (const char* name : games) {
        EXPECT_TRUE(IsGameProcessName(name)) << name;
    }
    for (const char* name : others) {
        EXPECT_FALSE(IsGameProcessName(name)) << name;
    }
}

TEST(RunningGames, countsOnlyTheLiveGamesOfTheUserWhoseFileItIs) {
    QTemporaryDir proc;
    const uid_t me = 1000;
    const uid_t other = 1001;
    AddProcess(proc, "100", "ioquake3.x86_64",
               std::string("/usr/lib/ioquake3/ioquake3.x86_64\0+set\0fs_game\0", 46), 'S', me, me);
    AddProcess(proc, "200", "bash", std::string("bash\0", 5), 'S', me, me);
    // The kernel cut the name; argv[0] has it whole.
    AddProcess(proc, "300", "openarena.x86_6", std::string("./openarena.x86_64\0", 19), 'R', me,
               me);
    AddProcess(proc, "400", "quake3e.x64", "", 'S', me, me);      // no command line
    AddProcess(proc, "500", "quake3e-vulkan.", "", 'Z', me, me);  // exited, not yet reaped
    AddProcess(proc, "600", "ioquake3", "", 'X', me, me);
    AddProcess(proc, "700", "ioquake3", std::string("ioquake3\0", 9), 'S', other, other);
    AddProcess(proc, "710", "quake3", std::string("quake3\0", 7), 'S', me, other);
    AddProcess(proc, "720", "quake3e", std::string("quake3e\0", 8), 'S', other, me);
    // A name holding ") Z (": the state is the letter after the last parenthesis.
    AddProcess(proc, "800", "x) Z (y", std::string("/opt/q3/quake3.x86\0", 19), 'S', me, me);
    AddProcess(proc, "self", "quake3", "", 'S', me, me);  // not a process number
    ASSERT_TRUE(QDir(proc.path()).mkpath("900"));         // gone while it was read
    AddProcess(proc, "910", "q3test", "", 'S', me, me);
    ASSERT_TRUE(QFile::remove(proc.filePath("910/status")));

    std::vector<std::string> found = RunningGames(me, proc.path().toStdString());
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, (std::vector<std::string>{"ioquake3.x86_64", "openarena.x86_64", "quake3.x86",
                                               "quake3e", "quake3e.x64"}));
    EXPECT_TRUE(RunningGames(me, proc.filePath("missing").toStdString()).empty());
}

TEST(GameHomes, followEachEnginesHomeRules) {
    const ProcessEnvironment env{"/home/p", ""};
    const ProcessEnvironment xdg{"/home/p", "/cfg"};
    using Homes = std::vector<std::filesystem::path>;
    const struct {
        std::string name;
        std::vector<std::string> argv;
        ProcessEnvironment environment;
        Homes homes;
    } cases[] = {
        {"quake3", {"quake3"}, env, {"/home/p/.q3a"}},
        {"quake3.x86", {"quake3", "+set", "fs_homepath", "/srv/q3"}, env, {"/srv/q3"}},
        {"quake3e.x64", {"quake3e", "+SET", "fs_homepath", "/srv/q3e"}, env, {"/srv/q3e"}},
        {"ioquake3", {"ioquake3"}, env, {"/home/p/.q3a", "/home/p/.config/Quake3"}},
        {"ioquake3", {"ioquake3"}, xdg, {"/home/p/.q3a", "/cfg/Quake3"}},
        // Debian's openarena runs ioquake3 with a home of its own.
        {"ioquake3",
         {"/usr/lib/ioquake3/ioquake3", "+set", "com_basegame", "baseoa", "+set", "com_homepath",
          ".openarena"},
         env,
         {"/home/p/.openarena", "/home/p/.config/.openarena"}},
        {"ioquake3", {"ioquake3", "+set", "fs_homepath", "games/q3"}, env, {"/run/here/games/q3"}},
        {"ioquake3", {"ioquake3", "+set", "fs_homeconfigpath", "/c"}, env, {"/c"}},
        {"quake3", {"quake3", "+set", "fs_homeconfigpath", "/c"}, env, {"/home/p/.q3a"}},
        {"openarena.x86_64", {"openarena.x86_64"}, env, {"/home/p/.openarena"}},
        {"q3test", {"q3test"}, env, {}},     // its rules are not known
        {"ioquake3", {"ioquake3"}, {}, {}},  // no $HOME
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name + " " + c.argv.back());
        EXPECT_EQ(GameHomes(c.name, c.argv, c.environment, "/run/here"), c.homes);
    }
    EXPECT_TRUE(GameHomes("ioquake3", {"ioquake3", "+set", "fs_homepath", "rel"}, env, {}).empty());
    EXPECT_TRUE(MayWrite({"/home/p/.q3a"}, "/home/p/.q3a/baseq3/q3config.cfg"));
    EXPECT_TRUE(MayWrite({"/home/p/.q3a/"}, "/home/p/.q3a/mymod/q3config.cfg"));
    EXPECT_FALSE(MayWrite({"/home/p/.openarena"}, "/home/p/.q3a/baseq3/q3config.cfg"));
    EXPECT_FALSE(MayWrite({"/home/p/.q3"}, "/home/p/.q3a/baseq3/q3config.cfg"));
    EXPECT_TRUE(MayWrite({}, "/anywhere/q3config.cfg"));
}

// The check before an update asks only about the games that write this very file: an ioquake3
// with a home elsewhere, or running OpenArena, leaves ~/.q3a/baseq3/q3config.cfg alone.
TEST(RunningGamesWriting, countsOnlyTheGamesWhoseHomeHoldsTheFile) {
    QTemporaryDir proc;
    QTemporaryDir home;
    ASSERT_TRUE(QDir(home.path()).mkpath(".q3a/baseq3"));
    const std::string config = home.filePath(".q3a/baseq3/q3config.cfg").toStdString();
    QFile file(QString::fromStdString(config));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const uid_t me = ConfigOwner(config);
    using namespace std::string_literals;
    const std::string environ = "LANG=C\0HOME="s + home.path().toStdString() + "\0"s;
    const auto add = [&](const char* pid, const std::string& comm, const std::string& cmdline,
                         const std::string& environment) {
        AddProcess(proc, pid, comm, cmdline, 'S', me, me);
        QFile env(proc.filePath(QString(pid) + "/environ"));
        ASSERT_TRUE(env.open(QIODevice::WriteOnly));
        env.write(environment.data(), static_cast<qint64>(environment.size()));
    };
    add("100", "ioquake3", "ioquake3\0"s, environ);
    add("200", "ioquake3", "ioquake3\0+set\0fs_homepath\0/srv/elsewhere\0"s, environ);
    add("300", "ioquake3", "/usr/lib/ioquake3/ioquake3\0+set\0com_homepath\0.openarena\0"s,
        environ);
    add("400", "quake3", "quake3\0"s, "");  // no environment to read: it may write the file
    add("500", "openarena", "openarena\0"s, environ);
    std::vector<std::string> found = RunningGamesWriting(config, proc.path().toStdString());
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, (std::vector<std::string>{"ioquake3", "quake3"}));
}

TEST(ConfigFolderCandidates, listsEachTargetsFoldersInTheOrderTheEnginePrefersThem) {
    const HomeDirs plain{"/home/p", "", ""};
    const HomeDirs xdg{"/home/p", "/cfg", "/data"};
    const HomeDirs relativeXdg{"/home/p", "cfg", "data"};
    const HomeDirs xdgOnly{"", "/cfg", ""};
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
        {TargetGame::IoQuake3, plain, {"/home/p/.config/Quake3/baseq3", q3a}},
        {TargetGame::IoQuake3, xdg, {"/cfg/Quake3/baseq3", q3a}},
        {TargetGame::IoQuake3, relativeXdg, {"/home/p/.config/Quake3/baseq3", q3a}},
        {TargetGame::OpenArena, xdg, {openArena}},
        {TargetGame::IoQuake3, xdgOnly, {"/cfg/Quake3/baseq3"}},
        {TargetGame::Q3Test, HomeDirs{}, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ConfigFolderCandidates(c.target, c.dirs), c.folders) << TargetKey(c.target);
    }
    // ioquake3's downloaded archives go to its data home, the other games' to their config's.
    EXPECT_EQ(DataFolderCandidates(TargetGame::IoQuake3, plain),
              (std::vector<std::string>{"/home/p/.local/share/Quake3/baseq3", q3a}));
    EXPECT_EQ(DataFolderCandidates(TargetGame::IoQuake3, xdg),
              (std::vector<std::string>{"/data/Quake3/baseq3", q3a}));
    EXPECT_EQ(DataFolderCandidates(TargetGame::IoQuake3, relativeXdg).front(),
              "/home/p/.local/share/Quake3/baseq3");
    EXPECT_EQ(DataFolderCandidates(TargetGame::OpenArena, xdg),
              (std::vector<std::string>{openArena}));
}

TEST(ConfigFolderFor, opensTheFirstFolderThatExistsElseTheHomeFolder) {
    QTemporaryDir home;
    const HomeDirs dirs{home.path().toStdString(), "", ""};
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
