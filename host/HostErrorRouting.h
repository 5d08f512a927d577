#pragma once
// Where a failure goes that leaves a module handler the host layer called
// (a click, a shortcut, a lifecycle event) or one of the host layer's own
// Word calls: to the module's OnError, and when that leaves it unhandled to
// a message box. Nothing escapes into Word, which would show its own
// unhelpful error or, through COM, nothing at all.
#include <exception>
#include <string>
#include <utility>

#include "base/Exception.h"
#include "host/HostAddInModule.h"

namespace lorivex {

// "%s error: the add-in has fired an exception.\r\n%s", filled in.
std::string HostErrorText(const std::string& addInName, const std::string& message);

// Hands the failure to OnError with Handled false; when it stays false
// (or OnError is unbound, or fails itself), shows the message box.
void RouteHostError(THostAddInModule& module, const std::exception& failure);

// Runs Body with its failures routed. The silent abort stays silent.
template <class Body>
void RunRouted(THostAddInModule& module, Body&& body)
{
    try {
        std::forward<Body>(body)();
    } catch (const EAbort&) {
    } catch (const std::exception& e) {
        RouteHostError(module, e);
    }
}

} // namespace lorivex
