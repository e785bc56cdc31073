#pragma once

#include <optional>
#include <string>

namespace staff {

/// Qt's start-up looks into the session's runtime folder (XDG_RUNTIME_DIR), warns on standard
/// error when there is none (under sudo or cron) and makes the folder the variable names when it
/// is missing. velnaro-slips, velnaro-pictures and the window keep nothing there: while one of
/// these lives, a variable that does not name a usable folder (one of this user's, 0700) names a
/// private empty folder instead, which goes, with the variable as it was, when this ends.
class QuietRuntimeFolder {
  public:
    QuietRuntimeFolder();
    ~QuietRuntimeFolder();
    QuietRuntimeFolder(const QuietRuntimeFolder&) = delete;
    QuietRuntimeFolder& operator=(const QuietRuntimeFolder&) = delete;

  private:
    std::string private_folder_;
    std::optional<std::string> previous_;
};

}  // namespace staff
