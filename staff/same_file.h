#pragma once

#include <string>

namespace staff {

/// Whether the output `output` names the regular file that the input `input` is read from ("-"
/// for standard input): the same device and inode, through another path or a link too. A name
/// that names no file yet names no input.
bool names_the_input(const std::string& output, const std::string& input);

/// Whether two names name one file of any kind (a regular file, a pipe, a device): the same
/// device and inode. A name that names nothing names no file another name does.
bool same_file(const std::string& first, const std::string& second);

}  // namespace staff
