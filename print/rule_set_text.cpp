#include "print/rule_set_text.h"

#include "print/qt_text.h"

namespace print {

namespace {

const QString pdi = QStringLiteral("\u2069");

}  // namespace

QString isolated_rule_set_title(const pay::PayRules& rules) {
    return QStringLiteral("\u2068") + qt_text(pay::rule_set_title(rules)) + pdi;
}

QString left_to_right(const QString& text) {
    return QStringLiteral("\u2066") + text + pdi;
}

}  // namespace print
