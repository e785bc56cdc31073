#include "staff/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <random>

#include "staff/messages.h"

namespace staff {
namespace {

// A name no other file has yet, made in `folder`: ".NAME.RANDOM".
std::variant<std::pair<std::string, int>, int> create_temporary(
    const std::filesystem::path& target) {
    std::random_device random;
    std::uniform_int_distribution<unsigned long long> draw;
    constexpr int attempts = 64;
    for (int i = 0; i < attempts; ++i) {
        const std::string name =
            "." + target.filename().string() + "." + std::to_string(draw(random));
        const std::string path = (target.parent_path() / name).string();
        // Made with the rights a new file gets (0666 less the umask).
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            return std::pair{path, fd};
        }
        if (errno != EEXIST) {
            return errno;
        }
    }
    return EEXIST;
}

// Holds SIGINT, SIGTERM and SIGHUP back while it lives.
class HeldInterrupts {
  public:
    HeldInterrupts() {
        sigset_t held;
        sigemptyset(&held);
        sigaddset(&held, SIGINT);
        sigaddset(&held, SIGTERM);
        sigaddset(&held, SIGHUP);
        sigprocmask(SIG_BLOCK, &held, &previous_);
    }
    ~HeldInterrupts() { sigprocmask(SIG_SETMASK, &previous_, nullptr); }
    HeldInterrupts(const HeldInterrupts&) = delete;
    HeldInterrupts& operator=(const HeldInterrupts&) = delete;

  private:
    sigset_t previous_{};
};

// The interrupt held back, taken so that it is not delivered once interrupts are let through.
int take_pending_interrupt() {
    sigset_t pending;
    sigemptyset(&pending);
    sigpending(&pending);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        if (sigismember(&pending, signal) == 1) {
            sigset_t one;
            sigemptyset(&one);
            sigaddset(&one, signal);
            const timespec now{};
            sigtimedwait(&one, nullptr, &now);
            return signal;
        }
    }
    return 0;
}

}  // namespace

OutputFile::OutputFile(Opened opened)
    : target_(std::move(opened.target)),
      temporary_(std::move(opened.temporary)),
      fd_(opened.fd),
      stream_(fd_) {
    if (!temporary_.empty()) {
        remove_on_interrupt_.emplace(temporary_);
    }
}

OutputFile::~OutputFile() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
    if (!committed_ && !temporary_.empty()) {
        ::unlink(temporary_.c_str());
    }
}

std::variant<std::unique_ptr<OutputFile>, std::string> OutputFile::open(const std::string& name) {
    namespace fs = std::filesystem;
    fs::path target = name;
    std::error_code error;
    // Through a link, the file it names is replaced, not the link.
    if (fs::is_symlink(target, error)) {
        target = fs::weakly_canonical(target, error);
        if (error) {
            return cannot_write(name, error.value());
        }
    }
    struct stat info {};
    const bool exists = ::stat(target.c_str(), &info) == 0;
    if (exists && S_ISDIR(info.st_mode)) {
        return cannot_write(name, EISDIR);
    }
    if (exists && !S_ISREG(info.st_mode)) {
        // A device or a pipe cannot be replaced; it is written as it is.
        const int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC);
        if (fd < 0) {
            return cannot_write(name, errno);
        }
        return std::make_unique<OutputFile>(Opened{.target = target, .temporary = {}, .fd = fd});
    }
    // No interrupt between making the temporary file and arming its removal.
    const HeldInterrupts held;
    auto created = create_temporary(target);
    if (const int* failure = std::get_if<int>(&created)) {
        return cannot_write(name, *failure);
    }
    auto [temporary, fd] = std::get<std::pair<std::string, int>>(std::move(created));
    if (exists) {
        // The replacement is the earlier file's: its owner where the process may give it (a
        // refusal leaves the process's own), then its mode, which a change of owner may clear.
        if (::fchown(fd, info.st_uid, info.st_gid) != 0 && errno != EPERM) {
            const int failure = errno;
            ::close(fd);
            ::unlink(temporary.c_str());
            return cannot_write(name, failure);
        }
        ::fchmod(fd, info.st_mode & 07777U);
    }
    return std::make_unique<OutputFile>(
        Opened{.target = target, .temporary = std::move(temporary), .fd = fd});
}

bool OutputFile::replaces(const std::string& name) {
    struct stat info {};
    return ::stat(name.c_str(), &info) != 0 || S_ISREG(info.st_mode);
}

int OutputFile::commit() {
    stream_.flush();
    if (error() != 0) {
        return error();
    }
    if (!temporary_.empty() && ::fsync(fd_) != 0) {
        return errno;
    }
    const int closed = ::close(fd_);
    fd_ = -1;
    if (closed != 0) {
        return errno;
    }
    if (temporary_.empty()) {
        committed_ = true;
        return 0;
    }
    // An interrupt either comes before the rename, and the earlier file stays, or during it, and
    // is kept back until the file is in place: never one that removes nothing but is told as
    // having left the file as it was.
    const HeldInterrupts held;
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
        return errno;
    }
    committed_ = true;
    remove_on_interrupt_.reset();
    interrupted_ = take_pending_interrupt();
    return 0;
}

}  // namespace staff
