#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <system_error>

namespace test_support {

/// A folder of the test's own under the test temporary folder, removed when the test ends. Its
/// name is made unique by mkdtemp, so that two runs of the suite at once (two build folders, a
/// sanitizer run beside the plain one) never share or remove each other's files.
class ScratchFolder {
  public:
    explicit ScratchFolder(const std::string& prefix) {
        std::string name =
            (std::filesystem::path(testing::TempDir()) / (prefix + "-XXXXXX")).string();
        if (mkdtemp(name.data()) == nullptr) {
            ADD_FAILURE() << "cannot make a scratch folder from " << name;
        }
        path_ = name;
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }

    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

}  // namespace test_support
