// How the rewritten file takes the old one's place, and the order of the file operations.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "config_test_support.h"

namespace chromlet::test {
namespace {

const std::string Before = Lines({{"seta name \"Old\"", "0D 0A"}, {"seta a 1", "0D 0A"}});
const std::string After = Lines({{"seta a 1", "0D 0A"}}) + NewLines();

TEST(Replace, leavesOnlyTheFileAndItsSideFile) {
    ConfigFolder folder;
    WriteBytes(folder.Config(), Before);
    ASSERT_TRUE(Update(folder.Config()).Ok());
    EXPECT_EQ(folder.Entries(),
              (QStringList{QStringLiteral("q3config.cfg"), QStringLiteral("q3config.cfg_")}));
    EXPECT_EQ(ToHex(ReadBytes(folder.Side())), ToHex(Before));
    EXPECT_EQ(ToHex(ReadBytes(folder.Config())), ToHex(After));
}

TEST(Replace, keepsASymbolicLinkAndUpdatesItsTarget) {
    ConfigFolder folder;
    ASSERT_TRUE(QDir().mkdir(folder.Path(QStringLiteral("baseq3"))));
    const QString target = folder.Path(QStringLiteral("baseq3/q3config.cfg"));
    WriteBytes(target, Before);
    ASSERT_TRUE(QFile::link(QStringLiteral("baseq3/q3config.cfg"), folder.Config()));

    ASSERT_TRUE(Update(folder.Config()).Ok());
    EXPECT_TRUE(QFileInfo(folder.Config()).isSymLink());
    EXPECT_EQ(QFileInfo(folder.Config()).symLinkTarget(), target);
    EXPECT_EQ(ToHex(ReadBytes(target)), ToHex(After));
    EXPECT_EQ(ToHex(ReadBytes(folder.Side())), ToHex(Before)) << "the side file is beside the link";
    EXPECT_EQ(QDir(folder.Path(QStringLiteral("baseq3"))).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("q3config.cfg")});
}

// The side copy may hold a password (rconpassword): it is never readable by more people than
// the file. Both keep the file's owner and group, which matters when root runs the update.
TEST(Replace, keepsModeOwnerAndGroupOnBothFiles) {
    const bool root = geteuid() == 0;
    for (const mode_t mode : {0600, 0640, 0604, 0755}) {
        SCOPED_TRACE(mode);
        ConfigFolder folder;
        WriteBytes(folder.Config(), Before);
        const QByteArray path = QFile::encodeName(folder.Config());
        ASSERT_EQ(chmod(path.constData(), mode), 0);
        const uid_t owner = root ? 4242 : geteuid();
        const gid_t group = root ? 4343 : getegid();
        ASSERT_EQ(chown(path.constData(), owner, group), 0);
        ASSERT_TRUE(Update(folder.Config()).Ok());
        EXPECT_EQ(ToHex(ReadBytes(folder.Config())), ToHex(After));
        for (const QString& file : {folder.Config(), folder.Side()}) {
            struct stat st {};
            ASSERT_EQ(stat(QFile::encodeName(file).constData(), &st), 0);
            EXPECT_EQ(st.st_mode & 07777, mode) << file.toStdString();
            EXPECT_EQ(st.st_uid, owner) << file.toStdString();
            EXPECT_EQ(st.st_gid, group) << file.toStdString();
        }
    }
}

// The replacement is opened only once the side copy holds all of the file; the copy takes the
// side file's name, and the replacement the file's, only after the check that the file is still
// the one that was read.
TEST(Replace, writesTheSideFileInFullBeforeTouchingTheFile) {
    ConfigFolder folder;
    WriteBytes(folder.Config(), Before);
    auto counter = std::make_shared<FaultCounter>();
    ASSERT_TRUE(Update(folder.Config(), CountingHook(counter)).Ok());
    using S = UpdateStep;
    EXPECT_EQ(counter->order,
              (std::vector<UpdateStep>{
                  S::OpenConfigForReading, S::LockConfig, S::CreateSideFile, S::ReadConfig,
                  S::ReadConfig, S::WriteSideFile, S::OpenSideForReading, S::OpenConfigForWriting,
                  S::ReadSideFile, S::ReadSideFile, S::WriteConfig, S::WriteConfig,
                  S::CheckConfigUnchanged, S::ReplaceSideFile, S::ReplaceConfig}));
}

}  // namespace
}  // namespace chromlet::test
