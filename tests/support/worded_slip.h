#pragma once

#include <vector>

#include "pay/pay_session.h"
#include "pay/slip_view.h"
#include "wording/explanation_text.h"

// The explanations of a session's last computation in words, as the programs lay them out: the
// view with its explanation items, worded with the session's decimal separator.
namespace worded_slip {

inline std::vector<wording::Explanation> explain_slip(const pay::PaySession& session) {
    return wording::explain_slip(pay::view_slip(session, pay::ViewDetail::explained),
                                 session.decimal_separator());
}

inline wording::Explanation explain_field(const pay::PaySession& session, pay::SlipField field) {
    return wording::explain_field(pay::view_slip(session, pay::ViewDetail::explained), field,
                                  session.decimal_separator());
}

}  // namespace worded_slip
