#pragma once
// The COM class Lorivex.dll serves and the type library embedded in it.
#include "host/HostRegistration.h"

namespace lorivex {

inline constexpr char LorivexClsid[] = "{DEE72A43-7E7E-42B8-A8E1-58E0A2ED9124}";
inline constexpr char LorivexProgId[] = "Lorivex.OfficeAddin";
inline constexpr char LorivexTypeLibId[] = "{0F0AAF11-3581-46DA-8815-0E5BA6AE52F5}";

THostServerInfo LorivexServerInfo();

} // namespace lorivex
