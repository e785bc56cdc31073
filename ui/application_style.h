#pragma once

class QStyle;

namespace ui {

/// The application's style: `base` (the platform's style when none is given), with one change:
/// the buttons of Qt's dialogs (the message box's OK, the file dialog's Save and Cancel) carry no
/// icon. In a right-to-left dialog, Qt 6.4 lays an icon and its words out so that the words are
/// cut at the button's edge, and the words alone say what the button does. The style takes
/// `base`; whoever takes the style owns both.
QStyle* make_application_style(QStyle* base = nullptr);

/// Gives the application, once it exists, the style above over the platform's.
void use_application_style();

}  // namespace ui
