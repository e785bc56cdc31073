#include "print/rule_set_text.h"

#include "print/bidi_text.h"
#include "print/qt_text.h"

namespace print {

QString isolated_rule_set_title(const pay::PayRules& rules) {
    return isolated(qt_text(pay::rule_set_title(rules)));
}

}  // namespace print
