#pragma once

#include <string>

#include "pay/pay_slip.h"

namespace staff {

/// The error of a refused OK press: "missing choice: zone", "refused: children".
std::string describe(const pay::Refusal& refusal);

}  // namespace staff
