#pragma once
// DllRegisterServer and DllUnregisterServer for a factory's class: the
// registrar of the host layer driven with the Windows platform, every
// failure turned into E_FAIL (what was already done stays done).
#include "host/com/HostFactory.h"

namespace lorivex::hostcom {

HRESULT RegisterServer(const THostFactory& factory);
HRESULT UnregisterServer(const THostFactory& factory);

} // namespace lorivex::hostcom
