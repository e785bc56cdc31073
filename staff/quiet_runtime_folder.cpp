#include "staff/quiet_runtime_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

namespace staff {
namespace {

constexpr const char* variable = "XDG_RUNTIME_DIR";

// What Qt asks of the folder before it uses it quietly.
bool usable(const char* folder) {
    struct stat info {};
    return folder != nullptr && folder[0] != '\0' && ::stat(folder, &info) == 0 &&
           S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() && (info.st_mode & 0777U) == 0700U;
}

}  // namespace

QuietRuntimeFolder::QuietRuntimeFolder() {
    const char* named = std::getenv(variable);
    if (usable(named)) {
        return;
    }
    std::error_code error;
    const std::filesystem::path temporary = std::filesystem::temp_directory_path(error);
    std::string pattern = (error ? std::filesystem::path("/tmp") : temporary) / "velnaro-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    // mkdtemp makes it 0700, as Qt wants it.
    if (::mkdtemp(name.data()) == nullptr) {
        return;
    }
    private_folder_ = name.data();
    if (named != nullptr) {
        previous_ = named;
    }
    ::setenv(variable, private_folder_.c_str(), 1);
}

QuietRuntimeFolder::~QuietRuntimeFolder() {
    if (private_folder_.empty()) {
        return;
    }
    ::rmdir(private_folder_.c_str());
    if (previous_) {
        ::setenv(variable, previous_->c_str(), 1);
    } else {
        ::unsetenv(variable);
    }
}

}  // namespace staff
