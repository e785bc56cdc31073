#pragma once

#include <QObject>
#include <array>
#include <optional>

#include "pay/pay_session.h"
#include "pay/slip_fields.h"

class QLineEdit;

namespace ui {

/// Lets every result field explain its amount: a tooltip on hover and on keyboard focus, and
/// the explanation window on a double-click or Shift+F1. The explanation is built only when
/// asked for, from the window's session, so the OK action does no part of this work.
class FieldExplanations : public QObject {
  public:
    FieldExplanations(const std::array<QLineEdit*, pay::slip_field_count>& fields,
                      const pay::PaySession& session, QObject* parent);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::optional<pay::SlipField> field_of(const QObject* watched) const;
    void show_tooltip(pay::SlipField field, QLineEdit& edit, const QPoint& where) const;
    void open_window(pay::SlipField field, QLineEdit& edit) const;

    std::array<QLineEdit*, pay::slip_field_count> fields_;
    const pay::PaySession& session_;
};

}  // namespace ui
