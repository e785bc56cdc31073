#include "ui/pictures/picture_windows.h"

#include <QDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QWindow>

#include <optional>

#include "print/fonts.h"
#include "ui/accessible_names.h"
#include "ui/form_style.h"
#include "ui/pictures/button_pictures.h"
#include "ui/pictures/picture_description.h"
#include "ui/pictures/picture_painter.h"
#include "ui/screen_placement.h"

namespace ui {

using print::window_font;

namespace {

struct WindowLayout {
    const char* object_name;
    const char* caption;
    QSize client;               // twips
    std::optional<QRect> band;  // twips; the about window has none
    const char* band_text;
    QRect box;  // twips
    pictures::Picture picture;
};

WindowLayout layout_of(PictureWindow which) {
    using pictures::Picture;
    switch (which) {
        case PictureWindow::residence_allowance:
            return {"Form2",
                    "",
                    {9885, 7680},
                    QRect(0, 0, 9975, 615),
                    "التعويض عن الإقــامــة",
                    QRect(0, 600, 9975, 7065),
                    Picture::residence_allowance};
        case PictureWindow::family_allowances:
            return {"Form3",
                    "",
                    {9615, 4230},
                    QRect(0, 0, 9735, 615),
                    "التعويضات العائليــة",
                    QRect(0, 600, 9615, 6465),
                    Picture::family_allowances};
        case PictureWindow::saharan_provinces:
            return {"Form4",
                    "",
                    {9090, 4920},
                    QRect(0, 0, 9135, 615),
                    "التعويض عن العمل في الأقاليم الصحراوية المسترجعة",
                    QRect(0, 600, 9135, 4305),
                    Picture::saharan_provinces};
        case PictureWindow::tax_exemption:
            return {"Form5",
                    "",
                    {9600, 2715},
                    QRect(0, 0, 9615, 615),
                    "خصم الإعفاءات الضريبية عن الأطفال والزوجة",
                    QRect(0, 600, 9615, 4875),
                    Picture::tax_exemption};
        case PictureWindow::about:
            return {"Form6", "حول البرنامج",          {5895, 4755},  std::nullopt,
                    "",      QRect(0, 0, 5895, 4785), Picture::about};
    }
    Q_UNREACHABLE();
}

QSize client_pixels(const WindowLayout& layout) {
    return twips_size(layout.client.width(), layout.client.height());
}

void set_ground(QWidget& widget, QColor ground) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, ground);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

/// A picture window: a fixed frame with only a close button, a title band and a picture box.
class PictureDialog : public QDialog {
  public:
    PictureDialog(const WindowLayout& layout, const pay::PayRules& rules, QWidget* parent)
        : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
        setObjectName(QString::fromLatin1(layout.object_name));
        setWindowTitle(QString::fromUtf8(layout.caption));
        // The geometry is final as given: never mirrored.
        setLayoutDirection(Qt::LeftToRight);
        setFixedSize(client_pixels(layout));

        const pictures::PictureDescription picture = pictures::describe(layout.picture, rules);
        set_ground(*this, picture.ground);

        if (layout.band) {
            auto* band = new QLabel(QString::fromUtf8(layout.band_text), this);
            band->setObjectName(QStringLiteral("Label29"));
            band->setAccessibleName(spoken_text(band->text()));
            band->setGeometry(twips_rect(*layout.band));
            band->setFont(window_font(points::title_band, true));
            band->setAlignment(Qt::AlignCenter);
            QPalette palette = band->palette();
            palette.setColor(QPalette::WindowText, Qt::black);
            band->setPalette(palette);
            set_ground(*band, QColor(colours::green));
        }

        // Created after the band, so it lies over the band's last pixel row as the box should.
        auto* box = new QLabel(this);
        box->setObjectName(QStringLiteral("Picture2"));
        // Where the box reaches past the client area, the window shows only the part inside:
        // the box keeps to it, and so does the focus frame drawn inside the box's edge.
        box->setGeometry(twips_rect(layout.box) & QRect(QPoint(0, 0), client_pixels(layout)));
        box->setAlignment(Qt::AlignLeft | Qt::AlignTop | Qt::AlignAbsolute);
        box->setPixmap(QPixmap::fromImage(pictures::paint_picture(picture)));
        set_ground(*box, picture.ground);

        // Screen readers name the window by its topic and read the picture's words, taken from
        // the description it is painted from; the picture holds the focus so that they do.
        const QString topic =
            spoken_text(QString::fromUtf8(layout.band ? layout.band_text : layout.caption));
        setAccessibleName(topic);
        box->setAccessibleName(topic);
        box->setAccessibleDescription(pictures::reading_text(picture));
        box->setFocusPolicy(Qt::StrongFocus);
        box->setFocus(Qt::OtherFocusReason);

        centre_on_screen(*this, parent);
        if (windowTitle().isEmpty()) {
            // Qt hands the platform the application's name for an empty title, so an X11 title
            // bar would read "Velnaro"; a lone space shows the empty caption these windows have.
            // create(), not winId(): asking a window for its id makes it native, and Qt then
            // gives every sibling (each control of the parent window) a native window of its own,
            // which takes the clicks meant for the controls under it.
            create();
            windowHandle()->setTitle(QStringLiteral(" "));
        }
    }

  protected:
    // Closing is left to the frame's close button and the system's close shortcut.
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Escape) {
            event->accept();
            return;
        }
        QDialog::keyPressEvent(event);
    }
};

}  // namespace

void open_picture_window(PictureWindow which, const pay::PayRules& rules, QWidget* parent) {
    PictureDialog dialog(layout_of(which), rules, parent);
    dialog.exec();
}

QString picture_window_topic(PictureWindow which) {
    const WindowLayout layout = layout_of(which);
    return QString::fromUtf8(layout.band ? layout.band_text : layout.caption);
}

pictures::Picture picture_of(PictureWindow which) {
    return layout_of(which).picture;
}

QRect visible_picture_area(PictureWindow which, const pay::PayRules& rules) {
    const WindowLayout layout = layout_of(which);
    const QRect box = twips_rect(layout.box);
    const QRect client(QPoint(0, 0), client_pixels(layout));
    const QSize picture_size = pictures::describe(layout.picture, rules).size;
    const QRect shown = QRect(box.topLeft(), picture_size) & box & client;
    return shown.translated(-box.topLeft());
}

QPixmap ok_button_picture() {
    return QPixmap::fromImage(pictures::paint_picture(pictures::ok_button_description()));
}

QPixmap about_button_picture() {
    return QPixmap::fromImage(pictures::paint_picture(pictures::about_button_description()));
}

}  // namespace ui
