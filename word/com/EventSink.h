#pragma once
// Word's events through connection points: a dispatch sink of our own,
// advised on the source's connection point for one event interface, that
// calls a handler per dispatch id with the event's arguments in order.
#include <functional>
#include <map>
#include <vector>

#include "platform/win32/Win32Api.h"
#include "word/com/ComPtr.h"
#include "word/com/ComValue.h"

namespace lorivex::word::com {

using EventHandler = std::function<void(const std::vector<ComValue>& args)>;

// Advised while it lives. A handler that throws reports its message to the
// source as DISP_E_EXCEPTION.
class EventConnection {
public:
    EventConnection(IDispatch* source, const IID& events, std::map<DISPID, EventHandler> handlers);
    ~EventConnection();
    EventConnection(const EventConnection&) = delete;
    EventConnection& operator=(const EventConnection&) = delete;

private:
    ComPtr<IConnectionPoint> point_;
    DWORD cookie_ = 0;
};

// Word's application events and the command bar button's.
extern const IID IID_WordApplicationEvents;   // ApplicationEvents4
extern const IID IID_CommandBarButtonEvents;
constexpr DISPID DISPID_WindowActivate = 10;  // (Doc, Wn)
constexpr DISPID DISPID_ButtonClick = 1;      // (Ctrl, CancelDefault)

} // namespace lorivex::word::com
