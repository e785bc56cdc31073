#pragma once

#include "pay/rules.h"
#include "ui/pictures/picture_description.h"

namespace ui::pictures {

// Each picture shows the amounts of the rules it is given.

/// The residence allowance: a rate per zone, as a percentage of the base salary.
PictureDescription residence_allowance_picture(const pay::PayRules& rules);

/// The special-charges allowance for work in the Saharan provinces.
PictureDescription saharan_provinces_picture(const pay::PayRules& rules);

/// The monthly family allowance per child.
PictureDescription family_allowances_picture(const pay::PayRules& rules);

/// The tax exemption per person supported, and its ceiling.
PictureDescription tax_exemption_picture(const pay::PayRules& rules);

}  // namespace ui::pictures
