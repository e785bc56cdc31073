#pragma once

#include "ui/pictures/picture_description.h"

namespace ui::pictures {

/// The residence allowance: a rate per zone, as a percentage of the base salary.
PictureDescription residence_allowance_picture();

/// The special-charges allowance for work in the Saharan provinces.
PictureDescription saharan_provinces_picture();

/// The monthly family allowance per child.
PictureDescription family_allowances_picture();

/// The tax exemption per person supported, and its ceiling.
PictureDescription tax_exemption_picture();

}  // namespace ui::pictures
