#include "ui/focus_ring.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusFrame>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleHintReturnMask>

#include "ui/form_style.h"

namespace ui {
namespace {

/// The frame's two bands, in device-independent pixels from the control's outer edge: a light
/// line over the control's own (dark) edge, then a dark band over its ground. Whatever the
/// ground (white fields, green totals, grey buttons) and whatever the edge, one of the two
/// differs from what it covers by at least 3:1, around the whole control.
constexpr int edge_band = 1;
constexpr int ring_width = focus_frame_width;

// A focus frame sits beside its control, stacked under it and masked to a margin outside it.
// This one is stacked above and drawn inside the control's own edge instead, so that it covers no
// neighbour of the tightly packed form; a field's text starts further in than the frame reaches.
class RingStyle : public QProxyStyle {
  public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override {
        if (hint == SH_FocusFrame_AboveWidget) {
            return 1;
        }
        if (hint == SH_FocusFrame_Mask && widget != nullptr) {
            if (auto* mask = qstyleoption_cast<QStyleHintReturnMask*>(returned)) {
                const QRect control = control_rect(*widget);
                mask->region = QRegion(control).subtracted(
                    control.adjusted(ring_width, ring_width, -ring_width, -ring_width));
            }
            return 1;
        }
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }

    /// Where the control lies inside the frame widget, which the style makes larger by a margin.
    static QRect control_rect(const QWidget& frame) {
        const int h = frame.style()->pixelMetric(PM_FocusFrameHMargin, nullptr, &frame);
        const int v = frame.style()->pixelMetric(PM_FocusFrameVMargin, nullptr, &frame);
        return frame.rect().adjusted(h, v, -h, -v);
    }
};

class FocusRing : public QFocusFrame {
  public:
    explicit FocusRing(QWidget* parent) : QFocusFrame(parent) {
        setObjectName(QStringLiteral("FocusRing"));
        auto* style = new RingStyle;
        style->setParent(this);
        setStyle(style);
    }

  protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        const QRect control = RingStyle::control_rect(*this);
        const auto band = [&](int from, int to, QRgb colour) {
            QPainterPath path;
            path.setFillRule(Qt::OddEvenFill);
            path.addRect(control.adjusted(from, from, -from, -from));
            path.addRect(control.adjusted(to, to, -to, -to));
            painter.fillPath(path, QColor(colour));
        };
        band(0, edge_band, colours::focus_ring_edge);
        band(edge_band, ring_width, colours::focus_ring);
    }
};

/// The control a person sees as focused: an editable list gives the focus to its text part.
QWidget* framed_control(QWidget* focused) {
    if (focused == nullptr) {
        return nullptr;
    }
    if (auto* list = qobject_cast<QComboBox*>(focused->parentWidget());
        list != nullptr && static_cast<QWidget*>(list->lineEdit()) == focused) {
        return list;
    }
    return focused;
}

class FocusRings : public QObject {
  public:
    explicit FocusRings(QApplication& app) : QObject(&app) {
        connect(&app, &QApplication::focusChanged, this,
                [this](QWidget* /*old*/, QWidget* now) { follow(framed_control(now)); });
    }

  private:
    void follow(QWidget* control) {
        if (control == nullptr || control->isWindow()) {
            if (ring_ != nullptr) {
                ring_->setWidget(nullptr);
            }
            return;
        }
        // The ring lives in the control's parent; it goes when that window goes.
        if (ring_ == nullptr) {
            ring_ = new FocusRing(control->parentWidget());
        }
        ring_->setWidget(control);
    }

    QPointer<FocusRing> ring_;
};

}  // namespace

void show_focus_rings(QApplication& app) {
    new FocusRings(app);
}

}  // namespace ui
