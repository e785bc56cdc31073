#pragma once

#include <QString>
#include <cstddef>
#include <functional>
#include <string_view>
#include <vector>

#include "pay/rules.h"

class QAction;
class QWidget;

namespace ui {

/// The caption of the panels' submenu of rule sets.
inline constexpr std::string_view rules_menu_caption = "قواعد الأجرة حسب التاريخ";

/// One entry of the submenu: the day a set takes effect, then its name, read left to right.
QString rule_set_entry(const pay::PayRules& rules);

/// A submenu action, owned by `owner`, that lists `sets` (in date order) with the one at
/// `in_use` checked; picking another calls `choose` with its place and moves the check.
QAction* make_rules_menu(QWidget& owner, const std::vector<const pay::PayRules*>& sets,
                         std::size_t in_use, const std::function<void(std::size_t)>& choose);

}  // namespace ui
