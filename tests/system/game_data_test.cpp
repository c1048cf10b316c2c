// The games' data folders and archives, made by the tests in folders of their own.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>

#include <sys/stat.h>

#include <string>
#include <utility>
#include <vector>

#include "system/game_archive.h"
#include "system/game_folders.h"

namespace chromlet {
namespace {

using Files = std::vector<std::pair<std::string, std::string>>;

void WriteFile(const std::string& path, const std::string& bytes) {
    QDir().mkpath(QFileInfo(QString::fromStdString(path)).path());
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

void WritePk3(const std::string& path, const Files& files, bool stored = false) {
    QDir().mkpath(QFileInfo(QString::fromStdString(path)).path());
    QuaZip zip(QString::fromStdString(path));
    ASSERT_TRUE(zip.open(QuaZip::mdCreate));
    for (const auto& [name, bytes] : files) {
        QuaZipFile file(&zip);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly, QuaZipNewInfo(QString::fromStdString(name)),
                              nullptr, 0, stored ? 0 : Z_DEFLATED));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        file.close();
    }
    zip.close();
}

std::string Path(const QTemporaryDir& dir, const char* below) {
    return dir.filePath(QString::fromLatin1(below)).toStdString();
}

TEST(PakNameBefore, sortsAsTheEnginesFsPathCmp) {
    const std::pair<const char*, const char*> ordered[] = {
        {"pak0.pk3", "pak1.pk3"}, {"pak1.pk3", "pak10.pk3"},  {"PAK1.pk3", "pak2.PK3"},
        {"pak9.pk3", "paka.pk3"}, {"\xE9t\xE9.pk3", "a.pk3"},  // signed bytes sort first
        {"a:b", "a_b"},                                        // ':' compares as '/'
    };
    for (const auto& [a, b] : ordered) {
        EXPECT_TRUE(PakNameBefore(a, b)) << a << " " << b;
        EXPECT_FALSE(PakNameBefore(b, a)) << a << " " << b;
    }
    EXPECT_FALSE(PakNameBefore("Pak0.pk3", "pak0.PK3"));
}

TEST(InSearchOrder, keepsOnlyPk3NamesLastInSortOrderFirst) {
    EXPECT_EQ(InSearchOrder({"pak0.pk3", "zz.txt", "PAK1.PK3", "pak10.pk3", "pk3", "a.pk3x"}),
              (std::vector<std::string>{"pak10.pk3", "PAK1.PK3", "pak0.pk3"}));
    EXPECT_TRUE(InSearchOrder({}).empty());
}

TEST(ArchivesBySearchOrder, listsOnlyPlainPk3FilesLastInSortOrderFirst) {
    QTemporaryDir dir;
    for (const char* name : {"pak0.pk3", "PAK1.PK3", "pak10.pk3", "notes.txt"}) {
        WriteFile(Path(dir, name), "x");
    }
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.pk3"));
    ASSERT_EQ(mkfifo(Path(dir, "pipe.pk3").c_str(), 0600), 0);
    std::vector<std::string> names;
    for (const std::string& path : ArchivesBySearchOrder(dir.path().toStdString())) {
        names.push_back(path.substr(path.rfind('/') + 1));
    }
    EXPECT_EQ(names, (std::vector<std::string>{"pak10.pk3", "PAK1.PK3", "pak0.pk3"}));
    EXPECT_TRUE(ArchivesBySearchOrder(Path(dir, "missing")).empty());
}

TEST(DataFoldersFor, takesTheChosenFolderOrItsGameFolderThenTheFirstHomeFolder) {
    QTemporaryDir dir;
    WritePk3(Path(dir, "oa/baseoa/pak0.pk3"), {{"a", "a"}});
    ASSERT_TRUE(QDir(dir.path()).mkpath(".openarena/baseoa"));
    const HomeDirs home{dir.path().toStdString(), "", ""};
    const std::string game = Path(dir, "oa/baseoa");
    const std::string homeGame = Path(dir, ".openarena/baseoa");
    for (const std::string& chosen : {Path(dir, "oa"), game}) {
        const DataFolders folders = DataFoldersFor(TargetGame::OpenArena, home, chosen);
        EXPECT_EQ(folders.search, (std::vector<std::string>{game, homeGame}));
    }
    const DataFolders missing =
        DataFoldersFor(TargetGame::IoQuake3, home, Path(dir, "gone"));  // no ~/.q3a either
    EXPECT_TRUE(missing.search.empty());
    EXPECT_EQ(missing.looked.front(), Path(dir, "gone"));
    EXPECT_EQ(missing.looked.back(), Path(dir, ".q3a/baseq3"));
}

TEST(FindGameFile, findsWhatTheEngineWouldInItsSearchOrder) {
    const std::vector<std::string> names{"gfx/2d/bigchars.tga", "gfx/2d/bigchars.jpg"};
    struct Case {
        const char* what;
        Files install;  // file name below the folder -> bytes; a .pk3 holds "entry=bytes"
        Files home;
        std::string found;  // "container|bytes", container relative to the test's folder
    };
    const auto pk3 = [](const std::string& name, const std::string& bytes) {
        return std::pair{name, "gfx/2d/bigchars" + bytes};
    };
    // clang-format off
    const Case cases[] = {
        {"a later archive wins", {pk3("pak0.pk3", ".tga=A"), pk3("pak1.pk3", ".tga=B")}, {},
         "install/pak1.pk3|B"},
        {"the home folder wins", {pk3("pak9.pk3", ".tga=A")}, {pk3("a.pk3", ".tga=H")},
         "home/a.pk3|H"},
        {"a .tga anywhere beats a .jpg", {pk3("pak0.pk3", ".tga=T")}, {pk3("z.pk3", ".jpg=J")},
         "install/pak0.pk3|T"},
        {"the .jpg without a .tga", {pk3("pak0.pk3", ".jpg=J")}, {}, "install/pak0.pk3|J"},
        {"a loose file beats its folder's archives", {pk3("pak0.pk3", ".tga=A")},
         {{"gfx/2d/bigchars.tga", "L"}, pk3("z.pk3", ".tga=Z")}, "home|L"},
        {"names in an archive match in any case", {{"pak0.pk3", "GFX/2D/BigChars.TGA=C"}}, {},
         "install/pak0.pk3|C"},
        {"a damaged archive is passed over", {pk3("pak0.pk3", ".tga=A"), {"pak1.pk3", "!junk"}},
         {}, "install/pak0.pk3|A"},
        {"nothing there", {pk3("pak0.pk3", ".png=P")}, {}, ""},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        const auto make = [&](const std::string& folder, const Files& files) {
            for (const auto& [file, content] : files) {
                const std::string path = Path(dir, (folder + "/" + file).c_str());
                if (content.starts_with('!')) {
                    WriteFile(path, content);
                } else if (file.ends_with(".pk3")) {
                    const std::size_t eq = content.find('=');
                    WritePk3(path, {{content.substr(0, eq), content.substr(eq + 1)}});
                } else {
                    WriteFile(path, content);
                }
            }
        };
        make("install", c.install);
        make("home", c.home);
        const GameFileSearch search =
            FindGameFile({Path(dir, "install"), Path(dir, "home")}, names, 1024);
        std::string found;
        if (search.found) {
            found =
                search.found->container.substr(dir.path().size() + 1) + "|" + search.found->bytes;
        }
        EXPECT_EQ(found, c.found);
    }
}

TEST(FindGameFile, passesOverDamagedAndOversizedFilesAndSaysWhy) {
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    WritePk3(folder + "/pak0.pk3", {{"f", "good"}});
    WriteFile(folder + "/pak1.pk3", std::string(100, 'z'));
    WritePk3(folder + "/pak2.pk3", {{"f", std::string(300, 'b')}});
    // pak3 holds the file stored with a checksum that no longer matches its bytes.
    WritePk3(folder + "/pak3.pk3", {{"f", std::string(40, 'c')}}, true);
    QFile damaged(QString::fromStdString(folder + "/pak3.pk3"));
    ASSERT_TRUE(damaged.open(QIODevice::ReadWrite));
    QByteArray bytes = damaged.readAll();
    const qsizetype at = bytes.indexOf(QByteArray(40, 'c'));
    ASSERT_GE(at, 0);
    bytes[at] = 'd';
    damaged.seek(0);
    damaged.write(bytes);
    damaged.close();

    const GameFileSearch search = FindGameFile({folder, folder + "/missing"}, {"f"}, 200);
    ASSERT_TRUE(search.found.has_value());
    EXPECT_EQ(search.found->bytes, "good");
    using Why = SkippedArchive::Why;
    std::vector<std::pair<std::string, Why>> skipped;
    for (const SkippedArchive& s : search.skipped) {
        skipped.emplace_back(s.path.substr(folder.size() + 1), s.why);
    }
    EXPECT_EQ(skipped, (std::vector<std::pair<std::string, Why>>{
                           {"pak3.pk3", Why::Damaged},
                           {"pak2.pk3", Why::TooLarge},
                           {"pak1.pk3", Why::NotAnArchive},
                       }));
}

}  // namespace
}  // namespace chromlet
