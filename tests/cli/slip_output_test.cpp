#include "cli/slip_output.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "language/catalogue.h"
#include "language/explanation_words.h"
#include "pay/pay_session.h"
#include "pay/slip_view.h"
#include "test_rows.h"
#include "test_rules.h"
#include "worked_slips.h"

namespace {

// Each line: the field's name, padded to the longest name (special_charges_allowance) and two
// spaces, the text right-aligned in twelve places, two spaces and the field's title (its window
// caption without the stretching).
// In French and English each line ends with the field's title in that language; the names and
// amounts stay as they are.
TEST(SlipTable, TitlesTheFieldsInTheChosenLanguage) {
    const pay::PayInputs typed{"10", "6", "A", "no", "2", "3", "yes"};
    const auto table = [&](language::Language language) {
        std::ostringstream out;
        std::ostringstream err;
        cli::run_slip(typed,
                      {.json = false,
                       .explain = false,
                       .rules = &pay::built_in_rules(),
                       .comparison = {},
                       .catalogue = language::Catalogue::of(language)},
                      out, err);
        return out.str();
    };
    const std::string arabic = table(language::Language::ar);
    const std::string french = table(language::Language::fr);
    const std::string english = table(language::Language::en);
    // The name padded to 25 + 2 places, the amount right-aligned in 12, two spaces.
    const std::string base =
        "annual_base_salary" + std::string(27 - 18, ' ') + std::string(12 - 8, ' ') + "26697.84  ";
    EXPECT_NE(arabic.find(base + "الراتب الأساسي السنوي\n"), std::string::npos) << arabic;
    EXPECT_NE(french.find(base + "Traitement de base annuel\n"), std::string::npos) << french;
    EXPECT_NE(english.find(base + "Annual base salary\n"), std::string::npos) << english;
    EXPECT_NE(french.find("monthly_pay" + std::string(27 - 11 + 12 - 7, ' ') +
                          "6033.13  Salaire net mensuel\n"),
              std::string::npos)
        << french;
}

// The captions of a comparison of rules in French, counted in columns, not bytes: the accented
// "précédent" lines up as "previous" does; the arrears take the language's plural.
TEST(ComparedSlipTable, HeadsItsColumnsInTheChosenLanguage) {
    const pay::PayRules& rules = pay::built_in_rules();
    pay::PaySession session(".", rules);
    ASSERT_FALSE(
        session.press_ok(pay::PayInputs{"10 / الدرجة الثانية", "6", "أ", "لا", "2", "3", "نعم"}));
    const pay::SlipView view = pay::view_slip(session, pay::ViewDetail::amounts);
    const std::string french = cli::slip_comparison_table(
        view, view, 1, nullptr, language::Catalogue::of(language::Language::fr));
    EXPECT_TRUE(
        french.starts_with("règles en vigueur: 2010 (2010-01-01)\n"
                           "règles précédentes: 2010 (2010-01-01)\n"
                           "rubrique                     en vigueur     précédent         écart\n"))
        << french;
    EXPECT_NE(french.find("\nrappel (1 mois)  "), std::string::npos) << french;
    const std::string english = cli::slip_comparison_table(
        view, view, 2, nullptr, language::Catalogue::of(language::Language::en));
    EXPECT_NE(english.find("\narrears (2 months)  "), std::string::npos) << english;
}

TEST(SlipTable, ListsEachFieldInTheWindowsOrder) {
    const pay::PayInputs typed{"10", "6", "A", "no", "2", "3", "yes"};
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(
        cli::run_slip(typed, {.json = false, .explain = false, .rules = &pay::built_in_rules()},
                      out, err),
        staff::ExitStatus::ok);
    EXPECT_EQ(err.str(), "");

    std::istringstream lines(out.str());
    std::string line;
    std::size_t i = 0;
    for (; std::getline(lines, line); ++i) {
        ASSERT_LT(i, pay::slip_field_count);
        const pay::SlipFieldInfo& info = pay::slip_fields[i];
        const std::string label(pay::field_title(info.field));
        const std::string& text = worked::scale_10_rank_6[i];
        const std::string expected = std::string(info.name) +
                                     std::string(27 - info.name.size(), ' ') +
                                     std::string(12 - text.size(), ' ') + text + "  " + label;
        EXPECT_EQ(line, expected);
    }
    EXPECT_EQ(i, pay::slip_field_count);
}

// The worked slip of scale 10, rank 6 (worked_slips.h), each formula line worked by hand from
// the shown amounts: base (402 - 150) x 50.92 + 9885 + 3981, contribution base
// 2669.784 + 26697.84 + 27000 + 12000 + 8400, professional deduction 20 % of 80772.30, and the
// 20 % bracket from 50000 to 60000 with its base amount 2000. A line whose shown numbers give
// more decimals than its result shows (76767.624, 7676.762, ...) says so with "≈".
const std::array<std::vector<std::string>, pay::slip_field_count> scale_10_rank_6_formulas{{
    {"402.00"},
    {"(402.00 − 150.00) × 50.92 + 9885.00 + 3981.00 = 26697.84"},
    {"26697.84 × 25 % = 6674.46"},
    {"0.00"},
    {"27000.00"},
    {"12000.00"},
    {"8400.00"},
    {"2 × 2400.00 = 4800.00"},
    {"26697.84 + 6674.46 + 0.00 + 27000.00 + 12000.00 + 8400.00 + 4800.00 = 85572.30"},
    {"26697.84 × 10 % + 26697.84 + 27000.00 + 12000.00 + 8400.00 ≈ 76767.62",
     "76767.62 × 10 % ≈ 7676.76"},
    {"26697.84 × 10 % + 26697.84 + 27000.00 + 12000.00 + 8400.00 ≈ 76767.62",
     "76767.62 × 2.5 % ≈ 1919.19"},
    {"26697.84 × 1.8 % ≈ 480.56"},
    {"1500"},
    {"70.00"},
    {"26697.84 + 6674.46 + 0.00 + 27000.00 + 12000.00 + 8400.00 = 80772.30",
     "80772.30 × 20 % = 16154.46",
     "80772.30 − 7676.76 − 16154.46 − 1919.19 − 480.56 − 1500 = 53041.33"},
    {"50000.00 < 53041.33 ≤ 60000.00 → 20 %"},
    {"3 × 360.00 = 1080.00"},
    {"50000.00 < 53041.33 ≤ 60000.00 → 20 %", "(53041.33 − 50000.00) × 20 % + 2000.00 ≈ 2608.27",
     "2608.27 − 1080.00 = 1528.27"},
    {"1528.27 + 7676.76 + 70.00 + 1919.19 + 480.56 + 1500 = 13174.78"},
    {"85572.30 − 13174.78 = 72397.52"},
    {"(85572.30 − 13174.78) ÷ 12 ≈ 6033.13"},
}};

TEST(SlipTable, ExplainedPutsTheFormulaLinesUnderEachAmount) {
    const pay::PayInputs typed{"10", "6", "A", "no", "2", "3", "yes"};
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(
        cli::run_slip(typed, {.json = false, .explain = true, .rules = &pay::built_in_rules()}, out,
                      err),
        staff::ExitStatus::ok);
    EXPECT_EQ(err.str(), "");

    std::istringstream lines(out.str());
    std::string line;
    ASSERT_TRUE(std::getline(lines, line));
    EXPECT_EQ(line, "rules in effect: " + pay::rule_set_title(pay::built_in_rules()));
    for (std::size_t i = 0; i < pay::slip_field_count; ++i) {
        const pay::SlipFieldInfo& info = pay::slip_fields[i];
        ASSERT_TRUE(std::getline(lines, line));
        EXPECT_TRUE(line.starts_with(std::string(info.name) + " ")) << line;
        EXPECT_NE(line.find(worked::scale_10_rank_6[i] + "  "), std::string::npos) << line;
        for (const std::string& formula : scale_10_rank_6_formulas[i]) {
            ASSERT_TRUE(std::getline(lines, line));
            EXPECT_EQ(line, "    " + formula) << info.name;
        }
    }
    EXPECT_FALSE(std::getline(lines, line)) << line;
}

TEST(SlipJson, ExplainedGivesEveryFieldItsExplanation) {
    const pay::PayInputs typed{"10", "6", "A", "no", "2", "3", "yes"};
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(cli::run_slip(typed, {.json = true, .explain = true, .rules = &pay::built_in_rules()},
                            out, err),
              staff::ExitStatus::ok);
    const nlohmann::json row = nlohmann::json::parse(out.str());
    EXPECT_EQ(row["income_tax"], "1528.27");
    const nlohmann::json& explanations = row["explanation"];
    ASSERT_EQ(explanations.size(), pay::slip_field_count);
    for (std::size_t i = 0; i < pay::slip_field_count; ++i) {
        const std::string name(pay::slip_fields[i].name);
        const nlohmann::json& explanation = explanations[name];
        EXPECT_EQ(explanation["kind"], "computed") << name;
        EXPECT_FALSE(explanation["sentence"].get<std::string>().empty()) << name;
        std::string formula;
        for (const std::string& line : scale_10_rank_6_formulas[i]) {
            formula += (formula.empty() ? "" : "\n") + line;
        }
        EXPECT_EQ(explanation["formula"], formula) << name;
        EXPECT_EQ(explanation["terms"].back()["value"], worked::scale_10_rank_6[i]) << name;
        EXPECT_EQ(explanation["terms"].back()["operation"], "gives") << name;
    }
    EXPECT_EQ(explanations["residence_allowance"]["terms"], nlohmann::json::parse(R"([
                  {"name": "الراتب الأساسي السنوي", "value": "26697.84", "operation": "first"},
                  {"name": "نسبة المنطقة «⁨أ⁩»", "value": "25 %",
                   "operation": "percent_of"},
                  {"name": "التعويض عن الإقامة", "value": "6674.46", "operation": "gives"}])"));
}

// The worked slip (scale 10, rank 6, zone A at 25 %, no special charges, 2 children) explained
// in French and English: each sentence is the rule in the language, the numbers isolated left to
// right, the list items and field names in the language too. The family allowance's rule is
// 2400.00 for each of the first 3 children, then 432.00 up to 6; the monthly pay's result is
// rounded, so its sentence ends with the rounding note.
struct ExplainedSentence {
    language::Language language;
    const char* field;
    std::string sentence;
};

TEST(SlipJson, ExplainedInTheChosenLanguage) {
    const std::vector<ExplainedSentence> rows{
        {language::Language::fr, "residence_allowance",
         "L’indemnité de résidence est le taux de la zone «\u2068A\u2069», soit \u206625 "
         "%\u2069, du traitement de base annuel."},
        {language::Language::fr, "special_charges_allowance",
         "Pas d’indemnité de sujétions spéciales, la réponse étant « Non » : elle vaut donc "
         "\u20660.00\u2069."},
        {language::Language::fr, "family_allowance",
         "Les allocations familiales sont de \u20662400.00\u2069 par an pour chacun des "
         "\u20663\u2069 premiers enfants, puis de \u2066432.00\u2069 pour chaque enfant suivant "
         "jusqu’à \u20666\u2069 enfants ; le nombre d’enfants est ici de \u20662\u2069."},
        {language::Language::en, "residence_allowance",
         "The residence allowance is the rate of zone «\u2068A\u2069», that is \u206625 %\u2069, "
         "of the annual base salary."},
        {language::Language::en, "special_charges_allowance",
         "No special duties allowance, because the answer on special duties is “No”, so it is "
         "\u20660.00\u2069."},
        {language::Language::en, "monthly_pay",
         "The monthly net pay is the total of salary and allowances less the total deductions, "
         "divided by \u206612\u2069 months. The line with \u2066≈\u2069 is approximate: its "
         "numbers are rounded to the cent, while the computation works on the amounts before "
         "rounding."},
    };
    const pay::PayInputs typed{"10", "6", "A", "no", "2", "3", "yes"};
    for (const ExplainedSentence& row : rows) {
        SCOPED_TRACE(std::string(language::language_code(row.language)) + " " + row.field);
        const language::Catalogue catalogue = language::Catalogue::of(row.language);
        std::ostringstream out;
        std::ostringstream err;
        ASSERT_EQ(cli::run_slip(typed,
                                {.json = true,
                                 .explain = true,
                                 .rules = &pay::built_in_rules(),
                                 .comparison = {},
                                 .catalogue = catalogue,
                                 .words = language::ExplanationWords(catalogue)},
                                out, err),
                  staff::ExitStatus::ok);
        const nlohmann::json row_json = nlohmann::json::parse(out.str());
        EXPECT_EQ(row_json["explanation"][row.field]["sentence"], row.sentence);
    }
}

TEST(SlipJson, ExplainedTermsAreNamedInTheChosenLanguage) {
    const pay::PayInputs typed{"10", "6", "A", "no", "2", "3", "yes"};
    const language::Catalogue english = language::Catalogue::of(language::Language::en);
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(cli::run_slip(typed,
                            {.json = true,
                             .explain = true,
                             .rules = &pay::built_in_rules(),
                             .comparison = {},
                             .catalogue = english,
                             .words = language::ExplanationWords(english)},
                            out, err),
              staff::ExitStatus::ok);
    const nlohmann::json explanations = nlohmann::json::parse(out.str())["explanation"];
    EXPECT_EQ(explanations["residence_allowance"]["terms"], nlohmann::json::parse(R"([
                  {"name": "Annual base salary", "value": "26697.84", "operation": "first"},
                  {"name": "rate of zone «⁨A⁩»", "value": "25 %", "operation": "percent_of"},
                  {"name": "Residence allowance", "value": "6674.46", "operation": "gives"}])"));
    // The formula lines hold numbers and signs only: the same in every language.
    EXPECT_EQ(explanations["residence_allowance"]["formula"], "26697.84 × 25 % = 6674.46");
}

TEST(SlipTable, ARefusedChoiceIsReportedAlone) {
    const pay::PayInputs typed{"10", "6", "A", "no", "2", "3", "maybe"};
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(
        cli::run_slip(typed, {.json = false, .explain = false, .rules = &pay::built_in_rules()},
                      out, err),
        staff::ExitStatus::row_errors);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str(),
              "velnaro-calc: mutual_member 'maybe' is not an answer; expected yes or no\n");
}

TEST(SlipJson, CarriesTheErrorOfAnIllFormedChoice) {
    const pay::PayInputs typed{"10", "6", "A\xFF", "no", "2", "3", "yes"};
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(
        cli::run_slip(typed, {.json = true, .explain = false, .rules = &pay::built_in_rules()}, out,
                      err),
        staff::ExitStatus::row_errors);
    EXPECT_NE(out.str().find("\"zone\":\"A\xEF\xBF\xBD\""), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("\"error\":\"invalid UTF-8 in zone\""), std::string::npos);
    EXPECT_EQ(err.str(), "velnaro-calc: invalid UTF-8 in zone\n");
}

struct Written {
    staff::ExitStatus status;
    std::string out;
    std::string err;
};

// The built-in rules unless a case names others.
Written slip(const pay::PayInputs& typed, cli::SlipRequest request) {
    if (request.rules == nullptr) {
        request.rules = &pay::built_in_rules();
    }
    std::ostringstream out;
    std::ostringstream err;
    const staff::ExitStatus status = cli::run_slip(typed, request, out, err);
    return {status, out.str(), err.str()};
}

std::string trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string()
                                      : text.substr(first, text.find_last_not_of(' ') + 1 - first);
}

const pay::PayInputs scale_10_rank_6{"10", "6", "A", "no", "2", "3", "yes"};

// An explained slip names its rules on a first line, or in a `rules` member, before the same
// explanations.
TEST(ExplainedSlip, NamesTheRulesInEffectFirst) {
    const pay::PayRules raised = test_rules::raised_point_value();
    for (const pay::PayRules* rules : {&pay::built_in_rules(), &raised}) {
        const Written table = slip(scale_10_rank_6, {.explain = true, .rules = rules});
        EXPECT_EQ(table.status, staff::ExitStatus::ok);
        const std::string title_line = "rules in effect: " + pay::rule_set_title(*rules) + "\n";
        ASSERT_TRUE(table.out.starts_with(title_line)) << table.out;
        const Written json = slip(scale_10_rank_6, {.json = true, .explain = true, .rules = rules});
        nlohmann::json row = nlohmann::json::parse(json.out);
        EXPECT_EQ(row["rules"], pay::rule_set_title(*rules));
        // The built-in rules' explained table is checked line by line above.
        if (rules != &pay::built_in_rules()) {
            // The explanation follows the rules it names: (402 - 150) points at their value.
            EXPECT_NE(
                table.out.find(" × " + pay::rule_number_text(rules->base_salary.index_point_value) +
                               " + "),
                std::string::npos);
        }
    }
}

// The difference of two texts of a field as the table shows it: in cents for an amount with
// decimals, in units for a whole number.
std::string expected_difference(const pay::SlipFieldInfo& info, const std::string& now,
                                const std::string& before) {
    if (info.display == pay::FieldDisplay::label) {
        return "";
    }
    if (info.display == pay::FieldDisplay::whole_number) {
        const long long difference = std::stoll(now) - std::stoll(before);
        return (difference > 0 ? "+" : "") + std::to_string(difference);
    }
    return test_rules::signed_amount(test_rules::cents(now) - test_rules::cents(before));
}

// Each line: the name padded to 27 places, then the text in effect, the previous text and their
// difference, each right-aligned in twelve places after two spaces, and the field's title. The
// texts in effect are those the rules in effect give alone; the previous ones those of the
// worked slip on the built-in rules.
TEST(ComparedSlipTable, SetsEachFieldBesideThePreviousRulesAndTheirDifference) {
    const pay::PayRules raised = test_rules::raised_point_value();
    const cli::SlipRequest request{.rules = &raised,
                                   .comparison = {.previous = &pay::built_in_rules(), .months = 4}};
    const Written compared = slip(scale_10_rank_6, request);
    EXPECT_EQ(compared.status, staff::ExitStatus::ok);
    EXPECT_EQ(compared.err, "");
    const nlohmann::json alone =
        nlohmann::json::parse(slip(scale_10_rank_6, {.json = true, .rules = &raised}).out);

    const std::vector<std::string> lines = rows::lines_of(compared.out);
    ASSERT_EQ(lines.size(), 3 + pay::slip_field_count + 1);
    EXPECT_EQ(lines[0], "rules in effect: 2011 (2011-01-01)");
    EXPECT_EQ(lines[1], "previous rules: " + pay::rule_set_title(pay::built_in_rules()));
    EXPECT_EQ(lines[2], "field" + std::string(27 - 5, ' ') +
                            "   in effect      previous    "
                            "difference");
    std::int64_t monthly_difference = 0;
    for (std::size_t i = 0; i < pay::slip_field_count; ++i) {
        const pay::SlipFieldInfo& info = pay::slip_fields[i];
        const std::string& line = lines[3 + i];
        SCOPED_TRACE(line);
        ASSERT_GE(line.size(), 69u);
        EXPECT_EQ(line.substr(0, 27),
                  std::string(info.name) + std::string(27 - info.name.size(), ' '));
        const std::string now = trimmed(line.substr(27, 12));
        const std::string before = trimmed(line.substr(41, 12));
        EXPECT_EQ(now, alone.at(std::string(info.name)));
        EXPECT_EQ(before, worked::scale_10_rank_6[i]);
        EXPECT_EQ(trimmed(line.substr(55, 12)), expected_difference(info, now, before));
        EXPECT_EQ(line.substr(67), "  " + std::string(pay::field_title(info.field)));
        if (info.field == pay::SlipField::monthly_pay) {
            monthly_difference = test_rules::cents(now) - test_rules::cents(before);
        }
    }
    EXPECT_GT(monthly_difference, 0);
    const std::string arrears = test_rules::signed_amount(4 * monthly_difference);
    EXPECT_EQ(lines.back(), "arrears (4 months)" +
                                std::string(27 - 18 + 28 + 12 - arrears.size(), ' ') + arrears);

    // Explained, the formula lines of the rules in effect stand under each field.
    cli::SlipRequest explained = request;
    explained.explain = true;
    const std::vector<std::string> with_formulas =
        rows::lines_of(slip(scale_10_rank_6, explained).out);
    const std::vector<std::string> single =
        rows::lines_of(slip(scale_10_rank_6, {.explain = true, .rules = &raised}).out);
    std::vector<std::string> without;
    std::vector<std::string> formulas;
    for (const std::string& line : with_formulas) {
        (line.starts_with("    ") ? formulas : without).push_back(line);
    }
    std::vector<std::string> single_formulas;
    for (const std::string& line : single) {
        if (line.starts_with("    ")) {
            single_formulas.push_back(line);
        }
    }
    EXPECT_EQ(without, lines);
    EXPECT_EQ(formulas, single_formulas);
    EXPECT_FALSE(formulas.empty());
}

// As a JSON object: the slip in effect with the columns of a batch row's comparison.
TEST(ComparedSlipJson, HasTheColumnsOfABatchRow) {
    const pay::PayRules raised = test_rules::raised_point_value();
    const Written compared =
        slip(scale_10_rank_6, {.json = true,
                               .rules = &raised,
                               .comparison = {.previous = &pay::built_in_rules(), .months = 5}});
    EXPECT_EQ(compared.status, staff::ExitStatus::ok);
    nlohmann::json row = nlohmann::json::parse(compared.out);
    const std::string previous = worked::scale_10_rank_6.back();  // monthly_pay
    EXPECT_EQ(row["previous_monthly_pay"], previous);
    const std::int64_t difference =
        test_rules::cents(row["monthly_pay"].get<std::string>()) - test_rules::cents(previous);
    EXPECT_EQ(row["monthly_difference"], test_rules::signed_amount(difference));
    EXPECT_EQ(row["arrears"], test_rules::signed_amount(5 * difference));
    for (const char* column : {"previous_monthly_pay", "monthly_difference", "arrears"}) {
        row.erase(column);
    }
    EXPECT_EQ(row,
              nlohmann::json::parse(slip(scale_10_rank_6, {.json = true, .rules = &raised}).out));
}

TEST(ComparedSlip, ARefusedChoiceIsReportedAlone) {
    const pay::PayInputs refused{"10", "6", "A", "no", "2", "3", "maybe"};
    const cli::SlipRequest request{.comparison = {.previous = &pay::built_in_rules(), .months = 2}};
    const Written table = slip(refused, request);
    EXPECT_EQ(table.status, staff::ExitStatus::row_errors);
    EXPECT_EQ(table.out, "");
    EXPECT_EQ(table.err,
              "velnaro-calc: mutual_member 'maybe' is not an answer; expected yes or no\n");
    cli::SlipRequest json = request;
    json.json = true;
    const nlohmann::json row = nlohmann::json::parse(slip(refused, json).out);
    for (const char* column :
         {"monthly_pay", "previous_monthly_pay", "monthly_difference", "arrears"}) {
        EXPECT_EQ(row[column], "") << column;
    }
}

}  // namespace
