#pragma once
// The windows of a whole form: which peer each kind of control gets, making
// the windows that are missing, stacking them, refreshing them.
#include <memory>

#include "ui/Control.h"
#include "ui/win32/WindowPeer.h"

namespace lorivex::ui::win32 {

// The peer for the control's kind.
std::unique_ptr<WindowPeer> MakePeer(TControl& control);

// Gives the control and everything inside it a peer and a window, where
// they have none yet; `parent` is the window they go in (a form's owner for
// a form).
void AttachPeers(TControl& control, HWND parent);

// Stacks the children's windows: the windowed controls on top in creation
// order, which is also the order Tab walks; under them the graphic
// controls, later ones over earlier ones, as they would paint.
void ArrangeChildren(const TWinControl& container);

// Refreshes the peers of the control and of everything inside it.
void RefreshPeers(TControl& control);

} // namespace lorivex::ui::win32
