#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "decoded_picture.h"

namespace vortalin::pictures::testing {
namespace {

namespace fs = std::filesystem;

const std::array<std::string, 5> generatedFiles{"course.gif", "player_car.gif", "rival_car.gif",
                                                "vortalin.ico", "vortalin.png"};

std::string quoted(const std::string& text) {
  std::string result = "'";
  result.append(text).append("'");
  return result;
}

class Generator : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    folder_ = fs::temp_directory_path() / ("vortalin-picturegen-" + std::string(info->name()) +
                                           "-" + std::to_string(::getpid()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  // Runs the generator with the given arguments; returns its exit status.
  int run(const std::string& arguments) {
    std::string command = quoted(VORTALIN_PICTUREGEN);
    command.append(" ").append(arguments).append(" 2> ").append(
        quoted((folder_ / "stderr.txt").string()));
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  std::string errorText() const {
    const auto bytes = readBytes((folder_ / "stderr.txt").string());
    return {bytes.begin(), bytes.end()};
  }

  fs::path folder_;
};

// The committed artwork must be exactly what the drawing code produces.
TEST_F(Generator, redrawsTheCommittedPicturesByteForByte) {
  const fs::path out = folder_ / "pictures";
  ASSERT_EQ(run(quoted(out.string())), 0) << errorText();
  for (const std::string& name : generatedFiles)
    EXPECT_TRUE(readBytes((out / name).string()) == readBytes(picturePath(name)))
        << name << " differs from pictures/";
  EXPECT_EQ(std::distance(fs::directory_iterator(out), fs::directory_iterator()),
            static_cast<long>(generatedFiles.size()))
      << "only the pictures may be written";
}

TEST_F(Generator, refusesAMissingOrExtraArgument) {
  EXPECT_EQ(run(""), 2);
  EXPECT_NE(errorText().find("usage"), std::string::npos);
  EXPECT_EQ(run("a b"), 2);
}

// A folder that cannot be made is reported by name, and nothing is written.
TEST_F(Generator, reportsAnOutputFolderThatIsAFile) {
  const fs::path blocker = folder_ / "not-a-folder";
  { std::ofstream(blocker) << "x"; }
  EXPECT_EQ(run(quoted((blocker / "pictures").string())), 1);
  EXPECT_NE(errorText().find("not-a-folder"), std::string::npos) << errorText();
  EXPECT_EQ(fs::file_size(blocker), 1u);
}

}  // namespace
}  // namespace vortalin::pictures::testing
