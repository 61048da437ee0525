#include "common/file_io.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "support/test_support.h"

namespace vermora {
namespace {

namespace fs = std::filesystem;

// A scene made again for every render is swapped in rather than renamed over
// the old one; to a reader and to the folder both ways look the same.
TEST(FileIoTest, EitherUseReplacesTheFileWholeAndKeepsWhatStoodThere) {
  for (FileUse use : {FileUse::kKept, FileUse::kRemade}) {
    SCOPED_TRACE(use == FileUse::kKept ? "kept" : "remade");
    const std::string dir = test::MakeTempFolder();
    std::ofstream(dir + "scene.pov") << "old text";
    chmod((dir + "scene.pov").c_str(), 0640);
    fs::create_symlink("scene.pov", dir + "link.pov");
    // A reader that opened the old file goes on reading the old file.
    const int reader = open((dir + "scene.pov").c_str(), O_RDONLY);
    ASSERT_TRUE(WriteFileReplacing(dir + "link.pov", "new text", use).ok());
    char buf[16] = {};
    EXPECT_EQ(read(reader, buf, sizeof buf), 8);
    EXPECT_STREQ(buf, "old text");
    close(reader);
    EXPECT_EQ(test::ReadFile(dir + "scene.pov"), "new text");
    EXPECT_TRUE(fs::is_symlink(dir + "link.pov"));
    EXPECT_EQ(fs::status(dir + "scene.pov").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(WriteFileReplacing(dir + "new.pov", "first", use).ok());
    EXPECT_EQ(test::ReadFile(dir + "new.pov"), "first");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 3);  // no leftovers
    EXPECT_EQ(WriteFileReplacing(dir + "no/such/scene.pov", "x", use).message(), "File not found");
    EXPECT_EQ(WriteFileReplacing(dir, "x", use).message(), "Invalid filename");
    fs::remove_all(dir);
  }
}

}  // namespace
}  // namespace vermora
