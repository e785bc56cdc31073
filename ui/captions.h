#pragma once

#include <array>
#include <string_view>

#include "pay/captions.h"

namespace ui {

using pay::choice_caption;
using pay::choice_captions;

using pay::deductions_heading;
using pay::earnings_heading;

}  // namespace ui
