#include "staff/same_file.h"

#include <sys/stat.h>
#include <unistd.h>

namespace staff {

bool names_the_input(const std::string& output, const std::string& input) {
    struct stat read_from {};
    struct stat written_to {};
    const bool input_known = input == "-" ? ::fstat(STDIN_FILENO, &read_from) == 0
                                          : ::stat(input.c_str(), &read_from) == 0;
    return input_known && S_ISREG(read_from.st_mode) && ::stat(output.c_str(), &written_to) == 0 &&
           read_from.st_dev == written_to.st_dev && read_from.st_ino == written_to.st_ino;
}

bool same_file(const std::string& first, const std::string& second) {
    struct stat one {};
    struct stat other {};
    return ::stat(first.c_str(), &one) == 0 && ::stat(second.c_str(), &other) == 0 &&
           one.st_dev == other.st_dev && one.st_ino == other.st_ino;
}

}  // namespace staff
