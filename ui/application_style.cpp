#include "ui/application_style.h"

#include <QApplication>
#include <QProxyStyle>

namespace ui {
namespace {

class ApplicationStyle : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons) {
            return 0;
        }
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

}  // namespace

QStyle* make_application_style(QStyle* base) {
    return new ApplicationStyle(base);
}

void use_application_style() {
    // The application owns the style from here.
    QApplication::setStyle(make_application_style());
}

}  // namespace ui
