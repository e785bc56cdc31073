// Slips worked out by hand from the pay rules, as the window shows them, in the order of
// pay::slip_fields.
#pragma once

#include <array>
#include <string>

#include "pay/slip_fields.h"

namespace worked {

using Texts = std::array<std::string, pay::slip_field_count>;

// Scale 10, rank 6 (402 points; 27000, 12000, 8400, 70), zone A, no special charges, 2 children,
// 3 dependents, member.
// base = ((402 - 150) x 50.92 + 9885) + 3981 = 26697.84; residence 25 % = 6674.46
// before family = 26697.84 + 6674.46 + 0 + 27000 + 12000 + 8400 = 80772.30; gross + 4800
// contribution base = 2669.784 + 26697.84 + 27000 + 12000 + 8400 = 76767.624
// retirement 10 % = 7676.7624; health 2.5 % = 1919.1906; general mutual 1.8 % of base = 480.56112
// taxable = 80772.30 - (7676.7624 + 16154.46 + 1919.1906 + 480.56112 + 1500) = 53041.32588
// gross tax 20 % = (53041.32588 - 50000) x 0.2 + 2000 = 2608.265176; less 3 x 360 = 1528.265176
// deductions = 1528.265176 + 7676.7624 + 70 + 1919.1906 + 480.56112 + 1500 = 13174.779296
// annual = 85572.30 - 13174.779296 = 72397.520704; monthly = that / 12 = 6033.12672533
inline const Texts scale_10_rank_6{
    "402.00",   "26697.84", "6674.46", "0.00",    "27000.00", "12000.00", "8400.00",
    "4800.00",  "85572.30", "7676.76", "1919.19", "480.56",   "1500",     "70.00",
    "53041.33", "20 %",     "1080.00", "1528.27", "13174.78", "72397.52", "6033.13"};

// Scale 11, exceptional rank (704 points; 55092, 12000, 43200, 80), zone B, special charges,
// 3 children, 1 dependent, not a member.
// base = ((704 - 150) x 50.92 + 9885) + 3981 = 42075.68; residence 15 % = 6311.352;
// special 85 % = 35764.328; before family = 194443.36; gross + 7200 = 201643.36
// contribution base = 4207.568 + 42075.68 + 55092 + 12000 + 43200 = 156575.248
// retirement = 15657.5248; health = 3914.3812; professional deduction capped at 30000
// taxable = 194443.36 - (15657.5248 + 30000 + 3914.3812) = 144871.454
// gross tax 34 % = (144871.454 - 80000) x 0.34 + 10000 = 32056.29436; less 360 = 31696.29436
// deductions = 31696.29436 + 15657.5248 + 80 + 3914.3812 = 51348.20036
// annual = 201643.36 - 51348.20036 = 150295.15964; monthly = 12524.5966367
inline const Texts scale_11_exceptional{
    "704.00",    "42075.68",  "6311.35",  "35764.33", "55092.00", "12000.00",  "43200.00",
    "7200.00",   "201643.36", "15657.52", "3914.38",  "0.00",     "0",         "80.00",
    "144871.45", "34 %",      "360.00",   "31696.29", "51348.20", "150295.16", "12524.60"};

// Scale 9, rank 1 (235 points; 25212, 3660, 0, 60), zone C, no special charges, no children,
// no dependents, not a member.
// base = ((235 - 150) x 50.92 + 9885) + 3981 = 18194.20; residence 10 % = 1819.42
// before family = gross = 18194.20 + 1819.42 + 25212 + 3660 = 48885.62
// contribution base = 1819.42 + 18194.20 + 25212 + 3660 = 48885.62
// retirement = 4888.562; health = 1222.1405; professional 20 % = 9777.124
// taxable = 48885.62 - 15887.8265 = 32997.7935; tax 10 % = 299.77935, no exemption
// deductions = 299.77935 + 4888.562 + 60 + 1222.1405 = 6470.48185
// annual = 42415.13815; monthly = 3534.59484583
inline const Texts scale_9_rank_1{
    "235.00",   "18194.20", "1819.42", "0.00",    "25212.00", "3660.00",  "0.00",
    "0.00",     "48885.62", "4888.56", "1222.14", "0.00",     "0",        "60.00",
    "32997.79", "10 %",     "0.00",    "299.78",  "6470.48",  "42415.14", "3534.59"};

// The slip above pressed again in the same window with a typed scale text that names no scale (the
// grid values carry), a zone text that names no zone (the residence allowance carries) and
// 2 children: family 4800, gross 53685.62, deductions unchanged;
// annual = 53685.62 - 6470.48185 = 47215.13815; monthly = 3934.59484583
inline const Texts scale_9_rank_1_carried{
    "235.00",   "18194.20", "1819.42", "0.00",    "25212.00", "3660.00",  "0.00",
    "4800.00",  "53685.62", "4888.56", "1222.14", "0.00",     "0",        "60.00",
    "32997.79", "10 %",     "0.00",    "299.78",  "6470.48",  "47215.14", "3934.59"};

// A window before its first computation.
inline const Texts start{"",  "0", "0", "0", "0", "0", "0", "0", "0", "0", "0",
                         "0", "0", "0", "0", "0", "0", "0", "0", "",  ""};

// No amounts: a row that was not computed.
inline const Texts none{};

}  // namespace worked
