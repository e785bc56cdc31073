#include "staff/output_file.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <variant>

namespace {

namespace fs = std::filesystem;

std::string read_file(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

class OutputFileTest : public testing::Test {
  protected:
    void SetUp() override { std::ofstream(path()) << "earlier"; }

    fs::path path() const { return folder_.path() / "out.txt"; }

    // Opens the output and writes `text` to it.
    std::unique_ptr<staff::OutputFile> written(const std::string& text) const {
        auto opened = staff::OutputFile::open(path().string());
        EXPECT_TRUE(std::holds_alternative<std::unique_ptr<staff::OutputFile>>(opened));
        auto file = std::move(std::get<std::unique_ptr<staff::OutputFile>>(opened));
        file->stream() << text;
        return file;
    }

  private:
    test_support::ScratchFolder folder_{"output-file"};
};

// Held back by the program, an interrupt is still pending as the file takes its name: it is
// too late to keep the earlier file, so it is taken and told, never delivered to a handler that
// would report the file as left as it was.
TEST_F(OutputFileTest, TakesAnInterruptThatComesAsTheFileTakesItsName) {
    auto file = written("new");
    sigset_t interrupt;
    sigemptyset(&interrupt);
    sigaddset(&interrupt, SIGTERM);
    sigset_t previous;
    ASSERT_EQ(sigprocmask(SIG_BLOCK, &interrupt, &previous), 0);
    ASSERT_EQ(raise(SIGTERM), 0);
    EXPECT_EQ(file->commit(), 0);
    sigset_t pending;
    sigpending(&pending);
    const bool still_pending = sigismember(&pending, SIGTERM) == 1;
    sigprocmask(SIG_SETMASK, &previous, nullptr);
    EXPECT_FALSE(still_pending);
    EXPECT_EQ(file->interrupted_while_committing(), SIGTERM);
    EXPECT_EQ(read_file(path()), "new");
}

TEST_F(OutputFileTest, TellsNoInterruptWhenNoneCame) {
    auto file = written("new");
    EXPECT_EQ(file->commit(), 0);
    EXPECT_EQ(file->interrupted_while_committing(), 0);
    EXPECT_EQ(read_file(path()), "new");
}

// The replacement has the earlier file's permissions, not those a new file gets.
TEST_F(OutputFileTest, KeepsTheModeOfTheFileItReplaces) {
    fs::permissions(path(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    auto file = written("new");
    EXPECT_EQ(file->commit(), 0);
    EXPECT_EQ(fs::status(path()).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

}  // namespace
