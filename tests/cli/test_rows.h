// Builds the CSV texts of fixtures and of expected output rows.
#pragma once

#include <initializer_list>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "worked_slips.h"

namespace rows {

/// The lines of a program's output, without their line ends.
inline std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

inline constexpr std::string_view choice_header =
    "scale,rank,zone,special_charges,children,dependents,mutual_member";

inline constexpr std::string_view slip_header =
    "index_points,annual_base_salary,residence_allowance,special_charges_allowance,"
    "hierarchy_allowance,charges_allowance,supervision_allowance,family_allowance,gross_total,"
    "retirement,health_insurance,general_mutual,mutual_fund,foundation_contribution,"
    "taxable_amount,tax_rate_label,family_exemption,income_tax,total_deductions,annual_pay,"
    "monthly_pay,error";

/// Fields joined by commas, as they stand (already quoted where they need it).
inline std::string joined(std::initializer_list<std::string_view> fields) {
    std::string line;
    bool first = true;
    for (const std::string_view field : fields) {
        line += first ? "" : ",";
        line += field;
        first = false;
    }
    return line;
}

/// An expected output line: the input fields, the slip texts and the error.
inline std::string output_line(std::initializer_list<std::string_view> inputs,
                               const worked::Texts& texts, std::string_view error = "") {
    std::string line = joined(inputs);
    for (const std::string& text : texts) {
        line += ',';
        line += text;
    }
    line += ',';
    line += error;
    line += '\n';
    return line;
}

/// The UTF-8 text of the Arabic-Indic digit `n`.
inline std::string arabic_indic_digit(int n) {
    return {static_cast<char>(0xD9), static_cast<char>(0xA0 + n)};
}

}  // namespace rows
