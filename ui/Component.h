#pragma once
// The root of the toolkit's objects (controls, forms, menu items, common
// dialogs) and the shapes of their events. Events are std::function members;
// a handler receives the component that fired it, so that one handler can
// serve several controls (the shared paint handlers of the banners).
#include <cstdint>
#include <functional>
#include <string>

#include "base/Guarded.h"

namespace lorivex::ui {

class TComponent : public TObject {
public:
    std::string Name;
    std::intptr_t Tag = 0;
};

enum TShiftFlag : unsigned { ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32 };
using TShiftState = unsigned;
enum class TMouseButton { Left, Right, Middle };

using TNotifyEvent = std::function<void(TComponent& sender)>;
using TMouseEvent = std::function<void(TComponent& sender, TMouseButton button, TShiftState shift, int x, int y)>;

} // namespace lorivex::ui
