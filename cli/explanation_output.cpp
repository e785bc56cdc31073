#include "cli/explanation_output.h"

#include <nlohmann/json.hpp>
#include <string_view>

#include "pay/pay_session.h"
#include "pay/slip_fields.h"
#include "pay/slip_view.h"
#include "staff/messages.h"

namespace cli {

namespace {

std::string_view kind_name(pay::ExplanationKind kind) {
    switch (kind) {
        case pay::ExplanationKind::computed:
            return "computed";
        case pay::ExplanationKind::kept:
            return "kept";
        case pay::ExplanationKind::not_computed:
            return "not_computed";
    }
    return {};
}

}  // namespace

std::vector<wording::Explanation> explained_slip(const pay::PaySession& session,
                                                 const wording::Catalogue& words) {
    return wording::explain_slip(pay::view_slip(session, pay::ViewDetail::explained),
                                 session.decimal_separator(), words);
}

std::string formula_lines(const wording::Explanation& explanation) {
    constexpr std::string_view indent = "    ";
    std::string lines;
    std::string_view formula = explanation.formula;
    while (!formula.empty()) {
        const std::size_t end = formula.find('\n');
        lines += indent;
        lines += formula.substr(0, end);
        lines += '\n';
        formula = end == std::string_view::npos ? std::string_view() : formula.substr(end + 1);
    }
    return lines;
}

std::string explanation_member(const std::vector<wording::Explanation>& explanations) {
    // Members in the order of the slip, as the rest of the row.
    nlohmann::ordered_json fields = nlohmann::ordered_json::object();
    for (const wording::Explanation& explanation : explanations) {
        nlohmann::ordered_json terms = nlohmann::ordered_json::array();
        for (const wording::Term& term : explanation.terms) {
            terms.push_back({{"name", term.name},
                             {"value", term.value},
                             {"operation", pay::operation_name(term.operation)}});
        }
        fields[std::string(pay::field_info(explanation.field).name)] = {
            {"kind", kind_name(explanation.kind)},
            {"sentence", explanation.sentence},
            {"formula", explanation.formula},
            {"terms", std::move(terms)}};
    }
    return "\"explanation\":" +
           fields.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

std::string rules_line(std::string_view role, const pay::PayRules& rules) {
    return std::string(role) + ": " + staff::escape_controls(pay::rule_set_title(rules)) + "\n";
}

std::string rules_member(const pay::PayRules& rules) {
    return nlohmann::json(rules_member_name).dump() + ":" +
           nlohmann::json(pay::rule_set_title(rules))
               .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

void append_member(std::string& row, std::string_view member) {
    constexpr std::string_view object_end = "}\n";
    if (!row.ends_with(object_end)) {
        return;
    }
    row.resize(row.size() - object_end.size());
    row += ',';
    row += member;
    row += object_end;
}

}  // namespace cli
