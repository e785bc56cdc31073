#pragma once

class QApplication;

namespace ui {

/// How far the focus frame reaches in from a control's edge, in device-independent pixels: what
/// a focusable control draws keeps this far in to stay clear of it.
inline constexpr int focus_frame_width = 3;

/// Draws a frame over the edge of whichever control has the keyboard focus, in every window of
/// the application, so that a person sees at a glance where the keys go. The style's own mark
/// (a faint tint on a read-only field) is hard to see. The frame lies inside the control, a
/// light line over its own edge and a dark band within: every pixel of it differs from the
/// unfocused control by at least 3:1. Nothing moves or changes size, no neighbour is covered,
/// and screen readers do not see it. Call once, after the application object exists.
void show_focus_rings(QApplication& app);

}  // namespace ui
